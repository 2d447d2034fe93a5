// "Table to file" lines and the whole-or-nothing write.
#include "report/TableToFile.h"
#include "ballistics/FixedWidthMeasure.h"
#include "catalog/CatalogTestSupport.h"
#include "report/TableExport.h"
#include "settings/MemorySettingsBackend.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace corvane {
namespace {

// A grid laid out by hand: foot note (group FOOT), load number (group CORVANE), caliber (no
// group), a three-column velocity group, note (no group).
GridData HandGrid() {
    GridData g;
    auto column = [&g](std::string lower, int group) {
        ColumnLayout c;
        c.HeadingText = std::move(lower);
        c.GroupNumber = group;
        g.Headings.Columns.push_back(c);
    };
    g.Headings.GroupTexts = {"FOOT", "CORVANE", "VELOCITY IN FEET PER SECOND"};
    column("NOTE", 1);
    column("LOAD NO.", 2);
    column("CALIBER", 0);
    column("MUZZLE", 3);
    column("100 YDS.", 3);
    column("200 YDS.", 3);
    column("NOTE", 0);
    g.Cells.assign(1, std::vector<std::string>(7));
    g.Cells.push_back({" \x87  ", " R1", " 30-06", "   3000", "   2763", "   2539", " a, b "});
    return g;
}

TEST(TableToFile, LinesFromTheGrid) {
    const std::vector<std::string> lines = TableFileLines(HandGrid());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "FOOT,CORVANE,,VELOCITY IN FEET PER SECOND,,,");
    EXPECT_EQ(lines[1], "NOTE,LOAD NO.,CALIBER,MUZZLE,100 YDS.,200 YDS.,NOTE");
    // Blanks are kept and a comma inside a cell is not quoted.
    EXPECT_EQ(lines[2], " \x87  , R1, 30-06,   3000,   2763,   2539, a, b ");
    EXPECT_EQ(TableFileText(HandGrid()), lines[0] + "\r\n" + lines[1] + "\r\n" + lines[2] + "\r\n");
}

TEST(TableToFile, EmptyGridWritesTwoLines) {
    const FixedWidthMeasure measure;
    const std::vector<LoadRecord> records;
    const ShownLoads shown;
    const AppSettings settings;
    const GridRequest request{
        CatalogTab::Rifle, records, shown, nullptr, {"0", "59", "10", "100", "500", "200"},
        settings,          measure};
    const GridData grid = BuildGridData(request);
    const std::string text = TableFileText(grid);
    EXPECT_EQ(TableFileLines(grid).size(), 2u);
    EXPECT_EQ(text.rfind("CORVANE,,BULLET WGT.,,,FACTORY,VELOCITY IN FEET PER SECOND,", 0), 0u);
    EXPECT_NE(text.find("\r\nLOAD NO.,CALIBER,IN GRAINS,"), std::string::npos);
}

TEST(TableToFile, WritesWholeFilesAndReportsFailures) {
    const test::TempDir temp("grid-table");
    const std::filesystem::path& dir = temp.Path();
    const std::filesystem::path file = dir / "data_tbl.1";
    test::WriteFile(file, "old contents that are longer than the new ones will ever be...........");
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    const WriteResult written = WriteTableFile(file, HandGrid());
    EXPECT_TRUE(written.Ok) << written.Error;
    EXPECT_EQ(test::ReadFile(file), TableFileText(HandGrid()));
    EXPECT_FALSE(std::filesystem::exists(dir / "data_tbl.1.tmp"));

    const std::filesystem::path missing = dir / "missing" / "data_tbl.2";
    const WriteResult failed = WriteTableFile(missing, HandGrid());
    EXPECT_FALSE(failed.Ok);
    EXPECT_EQ(failed.Error, "Cannot create " + missing.string() + ": " + std::strerror(ENOENT));
}

TEST(TableExport, ProposesAFreeNameAndRemembersTheFolderOnlyAfterAWrite) {
    const test::TempDir temp("table-export");
    const std::filesystem::path& dir = temp.Path();
    MemorySettingsBackend store;
    EXPECT_EQ(TableExportFolder(store, "/opt/corvane"), "/opt/corvane/");
    store.Put("TableDirectory", StoredValue::OfText(" /tables\xE9 "));
    EXPECT_EQ(TableExportFolder(store, "/opt/corvane"), "/tables\xC3\xA9/");
    for (int n = 1; n <= 3; ++n) {
        test::WriteFile(dir / ("data_tbl." + std::to_string(n)), "x");
    }
    EXPECT_EQ(ProposedTableFileName(dir), "data_tbl.4");

    ASSERT_TRUE(ExportTable(dir / "data_tbl.4", HandGrid(), store).Ok);
    EXPECT_EQ(test::ReadFile(dir / "data_tbl.4"), TableFileText(HandGrid()));
    EXPECT_EQ(store.Get("TableDirectory").text, dir.string() + "/");
    const WriteResult failed = ExportTable(dir / "missing" / "data_tbl.1", HandGrid(), store);
    EXPECT_FALSE(failed.Ok);
    EXPECT_NE(failed.Error.find("data_tbl.1"), std::string::npos);
    EXPECT_EQ(store.Get("TableDirectory").text, dir.string() + "/");
}

} // namespace
} // namespace corvane
