// dump DATA SECTION: a section's load table as CSV, read by the same reader as the program, so
// the output shows what the program sees (at most the section's capacity, whole records only).
#include "CatalogCsv.h"
#include "Commands.h"

#include "catalog/RecordLayout.h"
#include "catalog/TableFile.h"
#include "common/NumberText.h"
#include "common/UserPrompts.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace corvane::tool {

namespace {

namespace fs = std::filesystem;

constexpr const char* kDumpUsage =
    "usage: corvane-catalog-tool dump DATA SECTION\n"
    "  DATA     the Data/ folder, or the program folder holding it\n"
    "  SECTION  0 rifle, 1 pistol, 2 rimfire, 3 slug, 4 shotshell, 5 components\n";

fs::path DataFolderOf(const fs::path& data) {
    std::error_code ec;
    return fs::is_directory(data / "Data", ec) ? data / "Data" : data;
}

} // namespace

int RunDump(const Args& args) {
    const auto section = args.size() == 2 ? TryParseInt(args[1]) : std::nullopt;
    if (!section || *section < 0 || *section >= kSectionCount) {
        std::fputs(kDumpUsage, stderr);
        return 2;
    }
    const SectionTraits& info = Traits(static_cast<CatalogTab>(*section));
    const fs::path table = DataFolderOf(args[0]) / info.tableFile;
    // The program turns a missing table into a placeholder file; a dump must not write.
    if (!FileExists(table)) {
        std::fprintf(stderr, "corvane-catalog-tool dump: %s: no such load table\n",
                     table.string().c_str());
        return 1;
    }
    SilentPrompts prompts;
    const auto read = ReadLoadTable(table, info.family, info.recordSize, info.capacity, prompts);
    if (!read) {
        std::fprintf(stderr, "corvane-catalog-tool dump: %s\n", read.Error().Message().c_str());
        return 1;
    }
    std::string text = HeaderLine(info.family) + "\n";
    for (const LoadRecord& record : read.Value()) {
        text += RecordLine(info.family, record) + "\n";
    }
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace corvane::tool
