// `table` on the sample catalog: the lines "Table to file" writes, for every section.
#include "tools/ToolRunner.h"

#include "ballistics/FixedWidthMeasure.h"
#include "catalog/FilterLists.h"
#include "common/NumberText.h"
#include "report/TableToFile.h"
#include "settings/DialogChecks.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace corvane::test {
namespace {

const std::string kData = std::string(CORVANE_BUILT_BIN_DIR) + "/Data";

std::vector<std::string> SplitCrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start)); // a line without its CR LF
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string::npos) {
            return fields;
        }
        start = comma + 1;
    }
}

int IndexOf(const std::vector<std::string>& fields, const std::string& text) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i] == text) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

TEST(TableCommand, EverySectionOfTheSampleCatalog) {
    for (int section = 0; section <= 5; ++section) {
        SCOPED_TRACE("section " + std::to_string(section));
        const ToolResult dump = RunTool({"dump", kData, std::to_string(section)});
        ASSERT_EQ(dump.exitCode, 0) << dump.err;
        const auto records = SplitCsv(dump.out);
        ASSERT_GT(records.size(), 1u);
        const ToolResult table = RunTool({"table", kData, std::to_string(section)});
        ASSERT_EQ(table.exitCode, 0) << table.err;
        ASSERT_TRUE(table.out.ends_with("\r\n"));
        const auto lines = SplitCrLfLines(table.out);
        EXPECT_EQ(lines.size(), records.size() - 1 + 2);
        if (section > 3) {
            continue;
        }
        // Every load with a usable velocity and coefficient has all its ballistics cells.
        const auto dumpHeader = records[0];
        const int numberField = IndexOf(dumpHeader, "LoadNumber");
        const int velocityField = IndexOf(dumpHeader, "MuzzleVelocity");
        const int coefficientField = IndexOf(dumpHeader, "BallisticCoefficient");
        std::map<std::string, bool> computable;
        for (std::size_t r = 1; r < records.size(); ++r) {
            computable[records[r][numberField]] =
                ParseDoubleDef(records[r][velocityField], 0) > 0 &&
                ParseDoubleDef(records[r][coefficientField], 0) > 0;
        }
        const auto headings = Fields(lines[1]);
        const int loadColumn = IndexOf(headings, "LOAD NO.");
        const int first = IndexOf(headings, "MUZZLE");
        const int barrel = IndexOf(headings, "LENGTH INCHES");
        ASSERT_GT(first, loadColumn);
        ASSERT_GT(barrel, first);
        int checked = 0;
        for (std::size_t r = 2; r < lines.size(); ++r) {
            const auto cells = Fields(lines[r]);
            ASSERT_GT(cells.size(), static_cast<std::size_t>(barrel));
            const std::string number = cells[loadColumn].substr(1);
            ASSERT_EQ(computable.count(number), 1u) << number;
            if (!computable[number]) {
                continue;
            }
            ++checked;
            for (int c = first; c < barrel; ++c) {
                EXPECT_FALSE(cells[c].empty()) << number << " column " << c;
            }
        }
        EXPECT_GT(checked, 0);
    }
}

TEST(TableCommand, ConditionsUnitsAndErrors) {
    const ToolResult metric = RunTool({"table", CORVANE_BUILT_BIN_DIR, "0", "--metric",
                                       "--increment", "50", "--range", "100", "--zero", "100"});
    ASSERT_EQ(metric.exitCode, 0) << metric.err;
    const auto lines = SplitCrLfLines(metric.out);
    EXPECT_NE(lines[0].find("WIND DRIFT IN CENTIMETERS FOR 4 MPS CROSSWIND,"), std::string::npos);
    EXPECT_NE(lines[1].find("MUZZLE,50 MTS.,100 MTS.,"), std::string::npos);
    // The zero sits at the last range point.
    EXPECT_TRUE(Fields(lines[2])[IndexOf(Fields(lines[1]), "LENGTH CM") - 1] == "    zero");

    EXPECT_EQ(RunTool({"table", kData, "6"}).exitCode, 2);
    EXPECT_EQ(RunTool({"table", kData, "0", "--increment", "0"}).exitCode, 2);
    EXPECT_EQ(RunTool({"table", kData, "0", "--range", "10000", "--increment", "10"}).exitCode, 2);
    EXPECT_EQ(RunTool({"table", kData, "0", "--altitude", "high"}).exitCode, 2);
    const ToolResult missing = RunTool({"table", kData + "/nothing-here", "0"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(missing.err.empty());
}

// The tool and the sight height dialog store 4.5 cm as the same inches: a last-place difference
// moved this load's 300 m trajectory from -35.5 to -35.4.
TEST(TableCommand, MetricSightHeightIsStoredAsTheDialogStoresIt) {
    const ToolResult tool = RunTool({"table", kData, "0", "--metric", "--sight-height", "4.5",
                                     "--altitude", "0", "--temperature", "15", "--crosswind", "4",
                                     "--increment", "100", "--range", "500", "--zero", "100"});
    ASSERT_EQ(tool.exitCode, 0) << tool.err;

    SilentPrompts prompts;
    Catalog catalog(CORVANE_BUILT_BIN_DIR, prompts);
    FilterBox brand, usage, bullet, caliber;
    ShownLoads shown;
    BuildFilterLists(catalog, CatalogTab::Rifle, brand, usage, bullet, caliber, shown);
    AppSettings settings;
    settings.EnglSys = false;
    settings.RifleSightHeight = SightHeightFromEntry("4.5", false);
    const FixedWidthMeasure measure;
    const GridRequest request{CatalogTab::Rifle,
                              catalog.Records(CatalogTab::Rifle),
                              shown,
                              [&catalog](int id, ListKind kind) {
                                  return catalog.LookupName(id, CatalogTab::Rifle, kind);
                              },
                              {"0", "15", "4", "100", "500", "100"},
                              settings,
                              measure};
    const std::string dialog = TableFileText(BuildGridData(request));
    EXPECT_EQ(tool.out, dialog);
    EXPECT_NE(dialog.find(" S2506B117,"), std::string::npos);
}

} // namespace
} // namespace corvane::test
