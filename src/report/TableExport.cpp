#include "report/TableExport.h"

#include "catalog/TableFile.h"
#include "common/Cp1252.h"
#include "common/TextUtil.h"
#include "report/TableToFile.h"
#include "settings/SettingsStore.h"

namespace corvane {

std::string TableExportFolder(SettingsBackend& store, const std::filesystem::path& programDir) {
    // The store keeps Windows-1252 texts.
    std::string folder =
        Cp1252ToUtf8(Trim(ReadTableDirectory(store, Utf8ToCp1252(programDir.string()))));
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

std::string ProposedTableFileName(const std::filesystem::path& folder) {
    int n = 1;
    while (n < 1000 && FileExists(folder / ("data_tbl." + std::to_string(n)))) {
        ++n;
    }
    return "data_tbl." + std::to_string(n);
}

WriteResult ExportTable(const std::filesystem::path& file, const GridData& grid,
                        SettingsBackend& store) {
    const WriteResult written = WriteTableFile(file, grid);
    if (!written.Ok) {
        return {false, written.Error};
    }
    std::string folder = file.parent_path().string();
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    // The store keeps Windows-1252 texts. A folder that is not remembered costs only the next
    // proposal: the table itself is written, so the export still succeeds.
    static_cast<void>(SaveTableDirectory(store, Utf8ToCp1252(folder)));
    return {true, {}};
}

} // namespace corvane
