// `table`: refused arguments, and the Metric sight height stored as the dialog stores it (the
// sample catalog's expected tables are in tests/data/tool).
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

TEST(TableCommand, RefusesBadArgumentsAndNamesAMissingCatalog) {
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
