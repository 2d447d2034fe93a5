// Column order, the two heading lines, widths, offsets and borders of the catalog grid.
#include "ballistics/FixedWidthMeasure.h"
#include "ballistics/GridLayout.h"
#include "catalog/CatalogTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace {

const FixedWidthMeasure kMeasure; // 7 px per character, 8 in bold, 15 high

ColumnSwitches AllOptionalOn(int section) {
    ColumnSwitches s;
    s.FootNote = true;
    s.Note = true;
    s.Dram = true;
    s.ShellLength = section == 3 || section == 4;
    s.Material = section == 4;
    s.PrimerNumber = section <= 1;
    if (section == 4) {
        s.WindDrift = s.Trajectory = s.TestBarrel = false;
    }
    return s;
}

std::vector<std::string> Lowers(const GridHeadings& h) {
    std::vector<std::string> texts;
    for (const ColumnLayout& c : h.Columns) {
        texts.push_back(c.HeadingText);
    }
    return texts;
}

std::vector<std::string> Uppers(const GridHeadings& h) {
    std::vector<std::string> texts;
    for (int c = 0; c < h.ColumnCount(); ++c) {
        texts.push_back(h.GroupTextOf(c));
    }
    return texts;
}

// Every section's two heading lines in both unit systems, one "upper|lower" line per column,
// against tests/data/grid-headings.txt.
TEST(GridHeadings, EverySectionInBothUnitSystems) {
    std::string text;
    for (const auto& [section, english] : std::vector<std::pair<int, bool>>{
             {0, true}, {1, false}, {2, true}, {3, false}, {3, true}, {4, true}, {4, false}}) {
        AppSettings settings;
        settings.EnglSys = english;
        const GridHeadings h = BuildHeadings(static_cast<CatalogTab>(section), 100, 300,
                                             AllOptionalOn(section), "10", settings, kMeasure);
        text += "# section " + std::to_string(section) + (english ? " English\n" : " Metric\n");
        for (int c = 0; c < h.ColumnCount(); ++c) {
            text +=
                h.GroupTextOf(c) + "|" + h.Columns[static_cast<std::size_t>(c)].HeadingText + "\n";
        }
        EXPECT_EQ(h.TextHeight, 15);
        EXPECT_EQ(h.RowHeight, 19);
        EXPECT_EQ(h.HeadingRowHeight, 34);
    }
    EXPECT_EQ(text, test::ReadFile(CORVANE_TEST_DATA_DIR "/grid-headings.txt"));
}

TEST(GridHeadings, ComponentsInBothUnitSystems) {
    ComponentSwitches all;
    all.Gauge = all.Diameter = all.Description = true;
    for (const bool english : {true, false}) {
        AppSettings settings;
        settings.EnglSys = english;
        const GridHeadings h = BuildComponentHeadings(all, settings, kMeasure);
        EXPECT_EQ(Lowers(h), (std::vector<std::string>{"NUMBER", "GAUGE", "DIAMETER", "PRODUCT",
                                                       "BRAND", "DESCRIPTION", "USAGE"}));
        EXPECT_EQ(Uppers(h),
                  (std::vector<std::string>{"CORVANE", "", "PRIMER   ", "", "", "", ""}));
        EXPECT_EQ(h.Index.Description, 5);
    }
    const GridHeadings few = BuildComponentHeadings(ComponentSwitches{}, AppSettings{}, kMeasure);
    EXPECT_EQ(Lowers(few), (std::vector<std::string>{"NUMBER", "PRODUCT", "BRAND", "USAGE"}));
}

TEST(GridHeadings, GroupsWidenTheirColumnsAndPlaceTheirTexts) {
    const GridHeadings h =
        BuildHeadings(CatalogTab::Rifle, 100, 300, AllOptionalOn(0), "10", AppSettings{}, kMeasure);
    const auto& col = h.Columns;
    // Foot note: "NOTE" fits the default 50; the group text is centred plus one.
    EXPECT_EQ(col[0].Width, 50);
    EXPECT_EQ(col[0].GroupTextOffset, 10);
    EXPECT_EQ(col[0].HeadingTextOffset, 9);
    // Velocity: the lower lines (60 + 3 x 76) are wider than the upper line (27 x 8 + 12).
    const int v = h.Index.Velocity;
    EXPECT_EQ(v, 7);
    EXPECT_EQ(col[v].Width, 60);
    EXPECT_EQ(col[v + 1].Width, 76);
    EXPECT_EQ(col[v].GroupTextOffset, 37);
    EXPECT_EQ(col[v + 1].GroupTextOffset, 37 - 60);
    EXPECT_EQ(col[v + 3].GroupTextOffset, 37 - 60 - 2 * 76);
    // Drift: 41 x 8 + 12 = 340 > 3 x 76, so each column grows by (340 - 228) / 3 + 1 = 38.
    const int d = h.Index.Drift;
    for (int c = d; c < d + 3; ++c) {
        EXPECT_EQ(col[c].Width, 114);
        EXPECT_EQ(col[c].HeadingTextOffset, (114 - 64) / 2);
    }
    EXPECT_EQ(col[d].GroupTextOffset, 7);
    EXPECT_EQ(col[d + 2].GroupTextOffset, 7 - 2 * 114);
    // Trajectory: 46 x 8 + 12 = 380, growth (380 - 228) / 3 + 1 = 51.
    EXPECT_EQ(col[h.Index.Trajectory].Width, 127);
    EXPECT_EQ(col[h.Index.TestBarrel].Width, 116);
    EXPECT_EQ(col[h.Index.TestBarrel].GroupTextOffset, 15);
    EXPECT_EQ(col[h.Index.TestBarrel].HeadingTextOffset, 6);
}

TEST(GridHeadings, BordersAndColours) {
    AppSettings settings;
    const GridHeadings h =
        BuildHeadings(CatalogTab::Rifle, 100, 300, AllOptionalOn(0), "10", settings, kMeasure);
    std::vector<int> widths;
    for (const ColumnLayout& c : h.Columns) {
        widths.push_back(c.LeftBorderWidth);
    }
    // foot, load, caliber, weight, b.c., style, primer, velocity x4, energy x4, drift x3,
    // trajectory x3, test barrel, note
    EXPECT_EQ(widths, (std::vector<int>{1, 1, 1, 1, 1, 1, 1, 2, 0, 0, 0, 2,
                                        0, 0, 0, 2, 0, 0, 2, 0, 0, 2, 1}));
    EXPECT_TRUE(h.Columns[h.Index.Velocity + 3].Coloured);
    EXPECT_EQ(h.Columns[h.Index.Velocity].Color, settings.clVelocity);
    EXPECT_EQ(h.Columns[h.Index.Energy].Color, settings.clEnergy);
    EXPECT_EQ(h.Columns[h.Index.Drift].Color, settings.clWindDrift);
    EXPECT_EQ(h.Columns[h.Index.Trajectory + 2].Color, settings.clTrajectory);
    EXPECT_FALSE(h.Columns[h.Index.TestBarrel].Coloured);
    EXPECT_EQ(h.Columns[h.Index.Note].Color, settings.clGrid);
}

TEST(GridHeadings, SingleRangePointHasNoTrajectory) {
    const GridHeadings h =
        BuildHeadings(CatalogTab::Rifle, 100, 100, AllOptionalOn(0), "10", AppSettings{}, kMeasure);
    EXPECT_EQ(h.RangeLabels, (std::vector<std::string>{"100 YDS."}));
    EXPECT_EQ(h.Index.Trajectory, -1);
    EXPECT_FALSE(h.Switches.Trajectory);
    EXPECT_EQ(h.Index.Energy - h.Index.Velocity, 2);
    EXPECT_EQ(h.Index.Drift - h.Index.Energy, 2);
    EXPECT_EQ(h.Index.TestBarrel - h.Index.Drift, 1);
    // Two velocity columns (60 + 76) under a 228 wide text: both grow by 92 / 2 + 1.
    EXPECT_EQ(h.Columns[h.Index.Velocity].Width, 60 + 47);
    EXPECT_EQ(h.Columns[h.Index.Velocity + 1].Width, 76 + 47);
}

TEST(GridHeadings, UserChoicesAndBadPanelValues) {
    AppSettings settings;
    settings.VelocitySw = settings.TrajectorySw = settings.BarrelLenSw = false;
    settings.PrimerNoSw = false;
    const GridHeadings h =
        BuildHeadings(CatalogTab::Rifle, 50, 150, AllOptionalOn(0), "x", settings, kMeasure);
    EXPECT_EQ(h.Index.Velocity, -1);
    EXPECT_EQ(h.Index.Trajectory, -1);
    EXPECT_EQ(h.Index.TestBarrel, -1);
    EXPECT_EQ(h.Index.PrimerNumber, -1);
    EXPECT_EQ(h.Index.Usage, -1); // the usage choice is always off
    EXPECT_EQ(h.GroupTextOf(h.Index.Drift), "WIND DRIFT IN INCHES FOR 0 MPH CROSSWIND");
    EXPECT_EQ(h.RangeLabels.front(), "50 YDS.");
    // An increment of 0 gives no range points instead of a division by zero.
    const GridHeadings none =
        BuildHeadings(CatalogTab::Rifle, 0, 500, AllOptionalOn(0), "10", AppSettings{}, kMeasure);
    EXPECT_TRUE(none.RangeLabels.empty());
    EXPECT_EQ(none.Index.Drift, -1);
    EXPECT_EQ(none.Index.Energy, none.Index.Velocity + 1);
    // Far more range points than fit the grid are capped.
    EXPECT_EQ(RangePointCount(1, 100000), kMaxGridRangePoints);
    const GridHeadings many = BuildHeadings(CatalogTab::Rifle, 1, 100000, AllOptionalOn(0), "10",
                                            AppSettings{}, kMeasure);
    EXPECT_LE(many.ColumnCount(), kColumnCapacity);
}

} // namespace
} // namespace corvane
