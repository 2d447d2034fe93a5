// `table` and `report` beyond their expected outputs in tests/data/tool: the Metric sight height
// stored as the dialog stores it, and the report page as PDF.
#include "tools/ToolRunner.h"

#include "ballistics/FixedWidthMeasure.h"
#include "catalog/FilterLists.h"
#include "report/TableToFile.h"
#include "settings/DialogChecks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane::test {
namespace {

const std::string kData = std::string(CORVANE_BUILT_BIN_DIR) + "/Data";

// The tool and the sight height dialog store 4.5 cm as the same inches: a last-place difference
// moved this load's 300 m trajectory from -35.5 to -35.4.
TEST(ToolCommands, MetricSightHeightIsStoredAsTheDialogStoresIt) {
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

// The one-page report rendered by the program's own report painter, written whole.
TEST(ToolCommands, RendersThePdfBesideTheText) {
#ifndef CORVANE_TOOL_HAS_PDF
    GTEST_SKIP() << "a tool built without the UI has no --pdf";
#endif
    const TempDir dir("report-pdf");
    const std::string pdf = (dir.Path() / "load.pdf").string();
    const ToolResult result = RunTool({"report", kData, "0", "V22HH35", "--pdf", pdf});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_FALSE(result.out.empty());
    const std::string bytes = ReadFile(pdf);
    ASSERT_GT(bytes.size(), 1000u);
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");

    const ToolResult unwritable = RunTool(
        {"report", kData, "0", "V22HH35", "--pdf", (dir.Path() / "no/such/dir/x.pdf").string()});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_FALSE(unwritable.err.empty());
}

} // namespace
} // namespace corvane::test
