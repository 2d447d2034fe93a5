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

TableExportResult ExportTable(const std::filesystem::path& file, const GridData& grid,
                              SettingsBackend& store) {
    const WriteResult written = WriteTableFile(file, grid);
    if (!written.Ok) {
        return {false, written.Error};
    }
    std::string folder = file.parent_path().string();
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    SaveTableDirectory(store, Utf8ToCp1252(folder)); // the store keeps Windows-1252 texts
    return {true, {}};
}

} // namespace corvane
