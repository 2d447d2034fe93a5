// table DATA SECTION [conditions] [--metric]: the section's grid, all filters on "show all", as
// exactly the lines that "Table to file" writes (Windows-1252 bytes, CR LF).
#include "Commands.h"
#include "Conditions.h"

#include "catalog/Catalog.h"
#include "common/NumberText.h"
#include "report/TableToFile.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

namespace corvane::tool {

namespace {

constexpr const char* kTableUsage =
    "usage: corvane-catalog-tool table DATA SECTION [--altitude A] [--temperature T]\n"
    "         [--crosswind W] [--increment I] [--range R] [--zero Z] [--sight-height S] "
    "[--metric]\n"
    "  DATA      the program folder holding Data/ and ProductInfo/, or its Data/ folder\n"
    "  SECTION   0 rifle, 1 handgun, 2 rimfire, 3 slug, 4 shotshell, 5 components\n";

int UsageError(const std::string& message) {
    std::fprintf(stderr, "corvane-catalog-tool table: %s\n%s%s", message.c_str(), kTableUsage,
                 kConditionsHelp);
    return 2;
}

} // namespace

int RunTable(const Args& args) {
    ConditionArgs parsed;
    if (const auto error = SplitConditionArgs(args, parsed)) {
        return UsageError(*error);
    }
    if (parsed.Positional.size() != 2) {
        return UsageError("expected DATA and SECTION");
    }
    const std::optional<std::int32_t> sectionNumber = TryParseInt(parsed.Positional[1]);
    if (!sectionNumber || *sectionNumber < 0 || *sectionNumber >= kSectionCount) {
        return UsageError("SECTION must be 0 to 5");
    }
    const auto tab = static_cast<CatalogTab>(*sectionNumber);
    const std::optional<std::filesystem::path> programDir = ProgramDirOf(parsed.Positional[0]);
    if (!programDir) {
        std::fprintf(stderr, "corvane-catalog-tool table: no Data folder in %s\n",
                     parsed.Positional[0].c_str());
        return 1;
    }
    Conditions conditions;
    if (const auto error = ReadConditions(parsed, tab, conditions)) {
        return UsageError(*error);
    }

    StderrPrompts prompts;
    try {
        Catalog catalog(*programDir, prompts);
        const ShownLoads shown = ShowAllLoads(catalog, tab);
        const std::string text = TableFileText(BuildShownGrid(catalog, tab, shown, conditions));
        if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
            std::fflush(stdout) != 0) {
            std::fputs("corvane-catalog-tool table: cannot write the output\n", stderr);
            return 1;
        }
    } catch (const CatalogFileError& error) {
        std::fprintf(stderr, "corvane-catalog-tool table: %s\n", error.what());
        return 1;
    }
    return 0;
}

} // namespace corvane::tool
