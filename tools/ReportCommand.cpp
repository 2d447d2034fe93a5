// report DATA SECTION LOADNO [conditions] [--metric]: the load report text of the first load of
// the section's grid (all filters on "show all") whose load number is LOADNO, one line per
// report line, UTF-8, LF.
#include "Commands.h"
#include "Conditions.h"
#include "ReportPdf.h"

#include "catalog/Catalog.h"
#include "common/Cp1252.h"
#include "common/NumberText.h"
#include "common/TextUtil.h"
#include "report/LoadReport.h"
#include "report/ReportLines.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

namespace corvane::tool {

namespace {

constexpr const char* kReportUsage =
    "usage: corvane-catalog-tool report DATA SECTION LOADNO [--altitude A] [--temperature T]\n"
    "         [--crosswind W] [--increment I] [--range R] [--zero Z] [--sight-height S] "
    "[--metric]\n"
    "         [--pdf FILE [--bw]]\n"
    "  DATA      the program folder holding Data/ and ProductInfo/, or its Data/ folder\n"
    "  SECTION   0 rifle, 1 handgun, 2 rimfire, 3 slug, 4 shotshell\n"
    "  LOADNO    the load number, compared without surrounding blanks and case\n"
    "  --pdf     also render the one-page report to FILE as the program prints it\n"
    "  --bw      with --pdf: black-and-white printing (no shading, \"RprtBW.bmp\")\n";

int UsageError(const std::string& message) {
    std::fprintf(stderr, "corvane-catalog-tool report: %s\n%s%s", message.c_str(), kReportUsage,
                 kConditionsHelp);
    return 2;
}

int Failure(const std::string& message) {
    std::fprintf(stderr, "corvane-catalog-tool report: %s\n", message.c_str());
    return 1;
}

// Grid row of the first shown load with the number, or nothing.
std::optional<int> RowOfLoad(const GridData& grid, const std::vector<LoadRecord>& records,
                             const std::string& loadNumber) {
    for (int row = 1; row < grid.RowCount(); ++row) {
        const int record = grid.RecordIndexes[static_cast<std::size_t>(row)];
        if (record >= 0 && record < static_cast<int>(records.size()) &&
            EqualsNoCase(Trim(records[static_cast<std::size_t>(record)].LoadNumber), loadNumber)) {
            return row;
        }
    }
    return std::nullopt;
}

} // namespace

int RunReport(const Args& args) {
    // --pdf FILE and --bw belong to the report alone; the rest are the grid's arguments.
    Args gridArgs;
    std::optional<std::string> pdfPath;
    bool colorPrinting = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--pdf") {
            if (i + 1 >= args.size()) {
                return UsageError("--pdf needs a file name");
            }
            pdfPath = args[++i];
        } else if (args[i] == "--bw") {
            colorPrinting = false;
        } else {
            gridArgs.push_back(args[i]);
        }
    }
    if (pdfPath && !ReportPdfAvailable()) {
        return Failure("--pdf is not available in this build");
    }
    ConditionArgs parsed;
    if (const auto error = SplitConditionArgs(gridArgs, parsed)) {
        return UsageError(*error);
    }
    if (parsed.Positional.size() != 3) {
        return UsageError("expected DATA, SECTION and LOADNO");
    }
    const std::optional<std::int32_t> sectionNumber = TryParseInt(parsed.Positional[1]);
    if (!sectionNumber || *sectionNumber < 0 || *sectionNumber > 4) {
        return UsageError("SECTION must be 0 to 4");
    }
    const auto tab = static_cast<CatalogTab>(*sectionNumber);
    const std::string loadNumber = Trim(Utf8ToCp1252(parsed.Positional[2]));
    const std::optional<std::filesystem::path> programDir = ProgramDirOf(parsed.Positional[0]);
    if (!programDir) {
        return Failure("no Data folder in " + parsed.Positional[0]);
    }
    Conditions conditions;
    if (const auto error = ReadConditions(parsed, tab, conditions)) {
        return UsageError(*error);
    }

    StderrPrompts prompts;
    try {
        Catalog catalog(*programDir, prompts);
        const ShownLoads shown = ShowAllLoads(catalog, tab);
        const GridData grid = BuildShownGrid(catalog, tab, shown, conditions);
        const std::optional<int> row = RowOfLoad(grid, catalog.Records(tab), loadNumber);
        if (!row) {
            return Failure("no load " + parsed.Positional[2] + " in section " +
                           std::to_string(*sectionNumber));
        }
        const std::optional<LoadReport> report =
            BuildLoadReport(catalog, grid, *row, conditions.Panel, conditions.Settings);
        std::string out;
        for (const std::string& line : report ? ReportLines(*report) : LoadReportText()) {
            out += Cp1252ToUtf8(line) + "\n";
        }
        if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() ||
            std::fflush(stdout) != 0) {
            return Failure("cannot write the output");
        }
        if (pdfPath && report) {
            const WriteResult written = WriteReportPdf(
                *report, (*programDir / "ProductInfo").string(), colorPrinting, *pdfPath);
            if (!written.Ok) {
                return Failure(written.Error);
            }
        }
    } catch (const CatalogFileError& error) {
        return Failure(error.what());
    }
    return 0;
}

} // namespace corvane::tool
