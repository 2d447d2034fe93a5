// The whole grid of a section: rows, ballistics cells through the engine, separators, legends.
#include "ballistics/GridData.h"
#include "ballistics/FixedWidthMeasure.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace {

const FixedWidthMeasure kMeasure;

LoadRecord RifleLoad(int caliber, int velocity = 3000, double coefficient = 0.4) {
    LoadRecord r;
    r.LoadNumber = "R" + std::to_string(caliber);
    r.CaliberId = caliber;
    r.BulletWeight = 150;
    r.BallisticCoefficient = coefficient;
    r.MuzzleVelocity = velocity;
    r.BulletStyleId = 2;
    r.PrimerNumber = "210";
    r.BarrelLength = 24;
    return r;
}

PanelTexts DefaultRiflePanel() {
    return {"0", "59", "10", "100", "500", "200"};
}

std::string FakeName(int id, ListKind kind) {
    return std::string(kind == ListKind::Caliber ? "CAL" : "NAME") + std::to_string(id);
}

GridData Build(CatalogTab tab, const std::vector<LoadRecord>& records, const AppSettings& settings,
               const PanelTexts& panel = DefaultRiflePanel()) {
    ShownLoads shown;
    for (std::size_t i = 0; i < records.size(); ++i) {
        shown.Add("k" + std::to_string(1000 + i), static_cast<int>(i));
    }
    const GridRequest request{tab, records, shown, FakeName, panel, settings, kMeasure};
    return BuildGridData(request);
}

// Cell texts are pinned by the golden tables of every section and by the cell text tests; what
// is left here is what the sample cannot show.
TEST(GridData, ColumnsZeroAndLoadsThatCannotBeComputed) {
    const GridData g = Build(CatalogTab::Rifle, {RifleLoad(5)}, AppSettings{});
    const ColumnIndexes& ix = g.Headings.Index;
    ASSERT_EQ(g.RowCount(), 2);
    EXPECT_EQ(g.ZeroIndex, 2);
    EXPECT_EQ(g.Cells[1][ix.Trajectory + 1], "    zero");
    EXPECT_EQ(g.Cells[1][ix.Caliber], " CAL5");
    EXPECT_EQ(g.Cells[1][ix.Style], " NAME2");
    // No marks and no notes: neither optional column is shown.
    EXPECT_EQ(ix.FootNote, -1);
    EXPECT_EQ(ix.Note, -1);
    for (const std::string& heading : g.Cells[0]) {
        EXPECT_EQ(heading, "");
    }

    AppSettings metric;
    metric.EnglSys = false;
    // A load without velocity or coefficient keeps its ballistics cells empty, the rest of its
    // row filled.
    const GridData bad =
        Build(CatalogTab::Rifle, {RifleLoad(5), RifleLoad(6, 0), RifleLoad(7, 2800, 0)}, metric,
              {"0", "15", "4", "100", "500", "200"});
    const ColumnIndexes& bx = bad.Headings.Index;
    for (int row : {2, 3}) {
        SCOPED_TRACE(row);
        for (int c = bx.Velocity; c < bx.TestBarrel; ++c) {
            EXPECT_EQ(bad.Cells[row][c], "");
        }
        EXPECT_EQ(bad.Cells[row][bx.TestBarrel], std::string(5, ' ') + "60.96");
        EXPECT_FALSE(bad.Cells[row][bx.LoadNumber].empty());
    }
}

TEST(GridData, LongTableRowsMatchEachLoadAlone) {
    // Enough rows for paired flights on two threads, of every length, some cut off or skipped.
    std::vector<LoadRecord> loads;
    for (int i = 0; i < 41; ++i) {
        loads.push_back(RifleLoad(i, i % 9 == 0 ? 0 : 900 + 97 * i, 0.1 + 0.013 * i));
    }
    const PanelTexts panel{"0", "59", "10", "50", "1000", "200"};
    const GridData all = Build(CatalogTab::Rifle, loads, AppSettings{}, panel);
    for (std::size_t i = 0; i < loads.size(); ++i) {
        EXPECT_EQ(all.Cells[i + 1],
                  Build(CatalogTab::Rifle, {loads[i]}, AppSettings{}, panel).Cells[1])
            << "row " << i + 1;
    }
}

TEST(GridData, SeparatorsMarksAndLegends) {
    std::vector<LoadRecord> loads{RifleLoad(5), RifleLoad(5), RifleLoad(7), RifleLoad(5)};
    loads[1].MarkCode = "ne";
    loads[1].YearIntroduced = 2005;
    loads[2].Note = "Match grade";
    const GridData g = Build(CatalogTab::Rifle, loads, AppSettings{});
    EXPECT_EQ(g.RowSeparators, (std::vector<bool>{false, false, false, true, true}));
    const ColumnIndexes& ix = g.Headings.Index;
    ASSERT_EQ(ix.FootNote, 0);
    EXPECT_EQ(g.Cells[2][0], " \x87  HE  New");
    EXPECT_EQ(g.Cells[1][0], " ");
    EXPECT_EQ(g.LegendLine1, "\x87 = Nickel Plated Case");
    EXPECT_TRUE(g.LegendLine2Visible);
    EXPECT_EQ(g.Cells[3][ix.Note], " Match grade ");
    EXPECT_EQ(g.Cells[1][ix.Note], "  ");
    // The note column is fitted on the regular width of "Match grade ": 12 x 7 + 12 = 96.
    EXPECT_EQ(g.Headings.Columns[ix.Note].Width, 96);

    loads[0].MarkCode = "L";
    EXPECT_EQ(Build(CatalogTab::Rifle, loads, AppSettings{}).LegendLine1,
              "\x87 = Nickel Plated Case    LR = Low Recoil");
    const GridData empty = Build(CatalogTab::Rifle, {}, AppSettings{});
    EXPECT_EQ(empty.RowCount(), 1);
    EXPECT_EQ(empty.LegendLine1, "");
    EXPECT_FALSE(empty.LegendLine2Visible);
}

TEST(GridData, ComponentsSection) {
    LoadRecord primer;
    primer.ComponentTypeId = 1;
    primer.ItemNumber = "209";
    primer.Product = "Primer";
    primer.BrandName = "Corvane";
    primer.Description = "Shotshell primer";
    primer.UsageText = "Hunting, target";
    primer.PrimerDiameter = 0;
    const GridData g = Build(CatalogTab::Components, {primer}, AppSettings{}, {});
    const ColumnIndexes& ix = g.Headings.Index;
    EXPECT_EQ(ix.Gauge, -1);
    EXPECT_EQ(g.Cells[1][ix.Diameter], "   ");
    EXPECT_EQ(g.RowSeparators, (std::vector<bool>{false, false}));
    // Fitted on the text without its leading blank: 15 x 8 + 12.
    EXPECT_EQ(g.Headings.Columns[ix.ComponentUsage].Width, 132);
}

} // namespace
} // namespace corvane
