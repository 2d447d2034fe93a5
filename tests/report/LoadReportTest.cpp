// The load report of one load per section, in both unit systems, and its text.
#include "report/LoadReport.h"

#include "report/LoadReportTestSupport.h"

#include "ballistics/BallisticEngine.h"
#include "common/NumberText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace corvane::test {
namespace {

const PanelTexts kEnglishRifle{" 250 ", "59", "10", "100", "300", "200"};
const PanelTexts kMetricRifle{"0", "15", "4", "50", "300", "100"};

std::vector<std::string> Join(std::vector<std::string> head, const std::vector<std::string>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// The first `count` lines of the report's text.
std::vector<std::string> Head(const std::optional<LoadReport>& report, std::size_t count) {
    const LoadReportText text = report ? ReportLines(*report) : LoadReportText();
    return {text.begin(), text.begin() + static_cast<std::ptrdiff_t>(std::min(count, text.size()))};
}

LoadRecord RifleLoad() {
    LoadRecord load;
    load.UsageFlags[1] = load.UsageFlags[2] = load.UsageFlags[3] = true;
    load.LoadNumber = " R30E150  ";
    load.CaliberId = 5;
    load.BulletWeight = 150;
    load.BallisticCoefficient = 0.415;
    load.BulletStyleId = 1;
    load.PrimerNumber = "CSR-9";
    load.MuzzleVelocity = 2910;
    load.BarrelLength = 24;
    load.BrandId = 2;
    return load;
}

LoadRecord ShotshellLoad() {
    LoadRecord load;
    load.LoadNumber = "C127112";
    load.CaliberId = 1;
    load.ShotWeight = 1.125;
    load.ShotSizeText = " 1 1/8 oz  -   8 or 9 ";
    load.ShotSizeFlags[12] = load.ShotSizeFlags[14] = true; // entries "8" and "9"
    load.MuzzleVelocity = 1200;
    load.MuzzleEnergy = 1573;
    load.ShellLength = 2.75;
    load.BrandId = 4;
    load.MaterialId = 0;
    return load;
}

LoadRecord BuckshotLoad() {
    LoadRecord load = ShotshellLoad();
    load.ShotSizeText = "9 pellets - 00 Buck";
    load.ShotSizeFlags = {};
    load.ShotSizeFlags[17] = true; // entry "00", 0.330 inch
    return load;
}

// The whole text in both unit systems, the ranges table as the grid shows it, and each zero
// adjustment as the bore angle change that moves the point of impact by the trajectory value:
// -trajectory / (0.00349066 x range in feet), to the display's rounding. Metric works in inches
// and feet too: its angles are those of the same ranges in yards.
TEST(LoadReport, RifleInBothUnitSystems) {
    for (const bool english : {true, false}) {
        SCOPED_TRACE(english ? "English" : "Metric");
        AppSettings settings;
        settings.EnglSys = english;
        const PanelTexts& panel = english ? kEnglishRifle : kMetricRifle;
        const OneLoadReport fixture(CatalogTab::Rifle, RifleLoad(), panel, settings);
        const std::optional<LoadReport> report = fixture.Report();
        ASSERT_TRUE(report && report->Ranges);
        EXPECT_EQ(Head(report, 100),
                  ExpectedLines(english ? "rifle-english.txt" : "rifle-metric.txt"));
        EXPECT_EQ(ReadReportLines(ReportLines(*report)), report);
        const std::vector<ReportRow>& rows = report->Ranges->Rows;
        ASSERT_EQ(rows.size(), 5u);
        const ColumnIndexes& index = fixture.grid.Headings.Index;
        const int points = english ? 3 : 6;
        EXPECT_EQ(rows[0].Values, fixture.TrimmedCells(index.Velocity, points + 1));
        EXPECT_EQ(rows[1].Values, fixture.TrimmedCells(index.Energy, points + 1));
        EXPECT_EQ(rows[2].Values, Join({"0"}, fixture.TrimmedCells(index.Drift, points)));
        EXPECT_EQ(rows[3].Values, Join({english ? "-1.5" : "-3.8"},
                                       fixture.TrimmedCells(index.Trajectory, points)));

        const BallisticResults results = ComputeBallistics(
            EngineInputsFromPanel(panel, CatalogTab::Rifle, RifleLoad(), english, 1.5));
        const double feetPerStep = english ? 300.0 : 50 * 3.2808398950131235;
        ASSERT_EQ(rows[4].Values.size(), static_cast<std::size_t>(points + 1));
        for (int i = 1; i <= points; ++i) {
            const double expected =
                -results.Trajectory[static_cast<std::size_t>(i)] / (0.00349066 * i * feetPerStep);
            EXPECT_NEAR(std::stod(rows[4].Values[static_cast<std::size_t>(i)]), expected, 0.051)
                << i;
        }
    }
}

// Handgun and Metric slug reports are compared whole by the tool's golden report cases.
TEST(LoadReport, RimfireMetricAndSlugEnglish) {
    LoadRecord rimfire = RifleLoad();
    rimfire.CaliberId = 7;
    rimfire.BulletWeight = 40;
    rimfire.BarrelLength = 4.5;
    rimfire.UsageFlags = {};
    rimfire.BrandId = 3;
    rimfire.Note = "Subsonic";
    AppSettings metric;
    metric.EnglSys = false;
    EXPECT_EQ(Head(OneLoadReport(CatalogTab::Rimfire, rimfire, {"0", "15", "4", "25", "100", "50"},
                                 metric)
                       .Report(),
                   15),
              ExpectedLines("rimfire-metric.txt"));

    LoadRecord slug;
    slug.UsageFlags[3] = true;
    slug.LoadNumber = "SD12R100";
    slug.CaliberId = 1;
    slug.SlugWeight = 1;
    slug.BallisticCoefficient = 0.1;
    slug.SlugStyleId = 2;
    slug.MuzzleVelocity = 1560;
    slug.BarrelLength = 24;
    slug.ShellLength = 2.75;
    slug.BrandId = 3;
    EXPECT_EQ(
        Head(OneLoadReport(CatalogTab::Slug, slug, {"0", "59", "10", "50", "150", "50"}).Report(),
             100),
        ExpectedLines("slug-english.txt"));
}

TEST(LoadReport, ShotshellWithShotTable) {
    LoadRecord load = ShotshellLoad();
    load.Note = std::string(60, 'n');
    const std::optional<LoadReport> english =
        OneLoadReport(CatalogTab::Shotshell, load, {}).Report();
    EXPECT_EQ(Head(english, 100), ExpectedLines("shotshell-english.txt"));
    ASSERT_TRUE(english);
    EXPECT_EQ(ReadReportLines(ReportLines(*english)), english);

    AppSettings metric;
    metric.EnglSys = false;
    load.Note.clear();
    load.MaterialId = 4; // a material that is neither lead, steel nor tungsten
    const std::optional<LoadReport> report =
        OneLoadReport(CatalogTab::Shotshell, load, {}, metric).Report();
    EXPECT_EQ(Head(report, 100), ExpectedLines("shotshell-metric-other-material.txt"));
    ASSERT_TRUE(report && report->Shots);
    EXPECT_EQ(report->Shots->Rows[0], (ReportShotRow{"8", std::nullopt, "0.23"}));
    EXPECT_EQ(ReadReportLines(ReportLines(*report)), report);
    // Lines that are no report: no end of the header, a bare "RANGECOUNT|" as the last line.
    EXPECT_FALSE(ReadReportLines({"Title", "Usage:|x", "RANGECOUNT|3"}));
}

TEST(LoadReport, BuckshotHasPelletDiameterAndNoShotTable) {
    EXPECT_EQ(Head(OneLoadReport(CatalogTab::Shotshell, BuckshotLoad(), {}).Report(), 100),
              ExpectedLines("buckshot.txt"));
    AppSettings metric;
    metric.EnglSys = false;
    const std::optional<LoadReport> report =
        OneLoadReport(CatalogTab::Shotshell, BuckshotLoad(), {}, metric).Report();
    ASSERT_TRUE(report);
    EXPECT_FALSE(report->Shots || report->Ranges);
    EXPECT_EQ(report->Header.back(), (ReportPair{"Pellet Diameter:", "0.838 Centimeters"}));
}

TEST(LoadReport, OnlyWindDriftShown) {
    AppSettings settings;
    settings.VelocitySw = settings.EnergySw = settings.TrajectorySw = false;
    const OneLoadReport fixture(CatalogTab::Rifle, RifleLoad(), kEnglishRifle, settings);
    const std::optional<LoadReport> report = fixture.Report();
    ASSERT_TRUE(report && report->Ranges);
    EXPECT_EQ(report->Ranges->Headings,
              (std::vector<std::string>{"Muzzle", "100 Yds.", "200 Yds.", "300 Yds."}));
    EXPECT_EQ(report->Ranges->Rows,
              (std::vector<ReportRow>{
                  {"Wind Drift (in)",
                   Join({"0"}, fixture.TrimmedCells(fixture.grid.Headings.Index.Drift, 3))}}));

    settings.WindDriftSw = false;
    const std::optional<LoadReport> none =
        OneLoadReport(CatalogTab::Rifle, RifleLoad(), kEnglishRifle, settings).Report();
    EXPECT_EQ(Head(none, 100).back(), "TABNUMBER|0");
}

TEST(LoadReport, FaultyInputGivesNoEntryInsteadOfGarbage) {
    const OneLoadReport rifle(CatalogTab::Rifle, RifleLoad(), kEnglishRifle);
    EXPECT_FALSE(rifle.Report(0));
    EXPECT_FALSE(rifle.Report(2));

    // A separator inside catalog data would shift every later field.
    LoadRecord bar = RifleLoad();
    bar.BrandId = 5;
    bar.Note = "a|b";
    const std::optional<LoadReport> text =
        OneLoadReport(CatalogTab::Rifle, bar, kEnglishRifle).Report();
    ASSERT_TRUE(text);
    EXPECT_EQ(text->Title, "Corvane Bar\xA6Line Centerfire Rifle");
    EXPECT_EQ(text->Header.back(), (ReportPair{"Note:", "a\xA6"
                                                        "b"}));

    // Values a damaged table holds that are no numbers print nothing, not "NAN".
    LoadRecord odd = RifleLoad();
    odd.BallisticCoefficient = std::nan("");
    odd.BarrelLength = -INFINITY;
    const std::vector<ReportPair> oddHeader =
        OneLoadReport(CatalogTab::Rifle, odd, kEnglishRifle).Report()->Header;
    EXPECT_NE(
        std::find(oddHeader.begin(), oddHeader.end(), ReportPair{"Ballistic Coefficient:", ""}),
        oddHeader.end());
    EXPECT_NE(std::find(oddHeader.begin(), oddHeader.end(), ReportPair{"Barrel Length:", ""}),
              oddHeader.end());

    // An index line naming no table entry gives no row; a missing or short index file
    // abandons the report.
    LoadRecord shot = ShotshellLoad();
    shot.ShotSizeFlags[24] = true; // entry 24 is past the table
    OneLoadReport fixture(CatalogTab::Shotshell, shot, {});
    std::filesystem::remove(fixture.data.Data() / "t4indx.lst");
    EXPECT_THROW(fixture.Report(), CatalogFileError);
    std::string index;
    for (int k = 1; k <= 25; ++k) {
        index += (k == 14 ? "x" : std::to_string(k)) + "\r\n";
    }
    WriteFile(fixture.data.Data() / "t4indx.lst", index);
    EXPECT_EQ(fixture.Report()->Shots->Rows,
              (std::vector<ReportShotRow>{{"8", "461", "0.090"}, {"F", "0", "0.220"}}));
    fixture.records[0].ShotSizeFlags[26] = true;
    EXPECT_THROW(fixture.Report(), CatalogFileError);

    LoadRecord buck = BuckshotLoad();
    buck.ShotSizeFlags = {};
    buck.ShotSizeFlags[29] = true;
    EXPECT_EQ(OneLoadReport(CatalogTab::Shotshell, buck, {}).Report()->Header.back(),
              (ReportPair{"Pellet Diameter:", ""}));
}

TEST(LoadReport, ZeroAdjustmentEdgesAndSplitTables) {
    // A zero beyond the last range shown still has its drop computed.
    const ReportRow beyond = ZeroAdjustmentRow(
        RifleLoad(), CatalogTab::Rifle, {"0", "59", "10", "100", "200", "300"}, true, 1.5, 2);
    ASSERT_EQ(beyond.Values.size(), 3u);
    EXPECT_LT(std::stod(beyond.Values[1]), std::stod(beyond.Values[2]));
    EXPECT_LT(std::stod(beyond.Values[2]), 0.0);

    // A load the engine cannot fly, or an increment of 0, leaves the values empty.
    LoadRecord still = RifleLoad();
    still.MuzzleVelocity = 0;
    EXPECT_EQ(ZeroAdjustmentRow(still, CatalogTab::Rifle, kEnglishRifle, true, 1.5, 3),
              (ReportRow{"Zero Adj. (moa)", {"n/a", "", "", ""}}));
    EXPECT_EQ(ZeroAdjustmentRow(RifleLoad(), CatalogTab::Rifle, {"0", "59", "10", "0", "300", "0"},
                                true, 1.5, 3),
              (ReportRow{"Zero Adj. (moa)", {"n/a"}}));

    // A table too wide for the page: both halves keep every row's label.
    const auto [first, second] =
        SplitRangeTable({{"Muzzle", "100", "200", "300", "400", "500", "600"},
                         {{"V", {"1", "2", "3", "4", "5", "6", "7"}},
                          {"Z", {"n/a", "a", "b", "c", "d", "e", "f"}}}});
    EXPECT_EQ(first,
              (ReportRangeTable{{"Muzzle", "100", "200", "300"},
                                {{"V", {"1", "2", "3", "4"}}, {"Z", {"n/a", "a", "b", "c"}}}}));
    EXPECT_EQ(second, (ReportRangeTable{{"400", "500", "600"},
                                        {{"V", {"5", "6", "7"}}, {"Z", {"d", "e", "f"}}}}));
}

} // namespace
} // namespace corvane::test
