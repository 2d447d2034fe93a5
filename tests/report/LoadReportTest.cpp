// The load report text of one load per section, in both unit systems.
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

std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = line.find('|', start);
        fields.push_back(line.substr(start, bar - start));
        if (bar == std::string::npos) {
            return fields;
        }
        start = bar + 1;
    }
}

std::vector<std::string> Join(std::vector<std::string> head, const std::vector<std::string>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

std::vector<std::string> Head(const LoadReportText& text, std::size_t count) {
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

TEST(LoadReport, RifleEnglishWithAllGroups) {
    const OneLoadReport fixture(CatalogTab::Rifle, RifleLoad(), kEnglishRifle);
    const LoadReportText text = fixture.Report();
    ASSERT_EQ(text.size(), 22u);
    EXPECT_EQ(Head(text, 17), (std::vector<std::string>{
                                  "Corvane Harrowline Centerfire Rifle",
                                  "Usage:|Varmint, Medium Game and Large Game",
                                  "Corvane Load No.:|R30E150",
                                  "Caliber:|.30-06 Springfield",
                                  "Bullet Weight:|150 Grains",
                                  "Bullet Style:|Pointed Soft Point",
                                  "Ballistic Coefficient:|0.415",
                                  "Factory Primer No.:|CSR-9",
                                  "Barrel Length:|24 Inches",
                                  "Altitude Above Sea Level:|250 Feet",
                                  "Temperature:|59\xBA Fahrenheit",
                                  "Crosswind Speed:|10 MPH",
                                  "Sight Height:|1.5 Inches",
                                  "ENDHEADER",
                                  "TABNUMBER|0",
                                  "RANGECOUNT|3",
                                  "Muzzle|100 Yds.|200 Yds.|300 Yds.",
                              }));
    const ColumnIndexes& index = fixture.grid.Headings.Index;
    const std::vector<std::string> velocity = Split(text[17]);
    EXPECT_EQ(velocity, Join({"Velocity (f/s)"}, fixture.TrimmedCells(index.Velocity, 4)));
    EXPECT_EQ(velocity[1], "2910");
    EXPECT_EQ(Split(text[18]), Join({"Energy (ft-lbs.)"}, fixture.TrimmedCells(index.Energy, 4)));
    EXPECT_EQ(Split(text[19]),
              Join({"Wind Drift (in)", "0"}, fixture.TrimmedCells(index.Drift, 3)));
    const std::vector<std::string> trajectory = Split(text[20]);
    EXPECT_EQ(trajectory,
              Join({"Trajectory (in)", "-1.5"}, fixture.TrimmedCells(index.Trajectory, 3)));
    EXPECT_EQ(trajectory[3], "zero");

    // The zero adjustment is the bore angle change that moves the point of impact by the
    // trajectory value: -trajectory / (0.00349066 x range in feet), to the display's rounding.
    const std::vector<std::string> zeroAdj = Split(text[21]);
    ASSERT_EQ(zeroAdj.size(), 5u);
    EXPECT_EQ(zeroAdj[0], "Zero Adj. (moa)");
    EXPECT_EQ(zeroAdj[1], "n/a");
    EXPECT_EQ(zeroAdj[3], "0.0");
    const BallisticResults results = ComputeBallistics(
        EngineInputsFromPanel(kEnglishRifle, CatalogTab::Rifle, RifleLoad(), true, 1.5));
    for (int i : {1, 3}) {
        const double expected =
            -results.Trajectory[static_cast<std::size_t>(i)] / (0.00349066 * i * 300.0);
        EXPECT_NEAR(std::stod(zeroAdj[static_cast<std::size_t>(i) + 1]), expected, 0.051);
    }
    EXPECT_GT(std::stod(zeroAdj[4]), 1.0); // a 300-yard shot needs the sight raised
}

TEST(LoadReport, RifleMetric) {
    AppSettings metric;
    metric.EnglSys = false;
    const OneLoadReport fixture(CatalogTab::Rifle, RifleLoad(), kMetricRifle, metric);
    const LoadReportText text = fixture.Report();
    ASSERT_EQ(text.size(), 22u);
    EXPECT_EQ(text[4], "Bullet Weight:|9.72 Grams");
    EXPECT_EQ(Head(text, 17).back(), "Muzzle|50 Mts.|100 Mts.|150 Mts.|200 Mts.|250 Mts.|300 Mts.");
    EXPECT_EQ(text[8], "Barrel Length:|60.96 Centimeters");
    EXPECT_EQ(text[9], "Altitude Above Sea Level:|0 Meters");
    EXPECT_EQ(text[10], "Temperature:|15\xBA Celsius");
    EXPECT_EQ(text[11], "Crosswind Speed:|4 MPS");
    EXPECT_EQ(text[12], "Sight Height:|3.8 Centimeters");
    EXPECT_EQ(text[15], "RANGECOUNT|6");
    EXPECT_EQ(Split(text[17])[0], "Velocity (m/s)");
    EXPECT_EQ(Split(text[17])[1], "887"); // 2910 ft/s
    EXPECT_EQ(Split(text[18])[0], "Energy (Joules)");
    EXPECT_EQ(Split(text[19])[0], "Wind Drift (cm)");
    EXPECT_EQ(Split(text[20])[1], "-3.8");
    EXPECT_EQ(Split(text[20])[3], "zero");
    const std::vector<std::string> zeroAdj = Split(text[21]);
    ASSERT_EQ(zeroAdj.size(), 8u);
    EXPECT_EQ(zeroAdj[3], "0.0");
    // Metric works in inches and feet too: the angles are those of the same ranges in yards.
    const BallisticResults results = ComputeBallistics(
        EngineInputsFromPanel(kMetricRifle, CatalogTab::Rifle, RifleLoad(), false, 1.5));
    const double feetAt300m = 300 * 3.2808398950131235;
    EXPECT_NEAR(std::stod(zeroAdj[7]), -results.Trajectory[6] / (0.00349066 * feetAt300m), 0.051);
}

TEST(LoadReport, HandgunAndRimfireHeaders) {
    LoadRecord pistol = RifleLoad();
    pistol.CaliberId = 6;
    pistol.BulletWeight = 115;
    pistol.BarrelLength = 4.5;
    pistol.UsageFlags = {};
    pistol.UsageFlags[2] = true;
    pistol.BrandId = 3;
    const PanelTexts panel{"0", "59", "10", "25", "100", "50"};
    AppSettings settings;
    const LoadReportText handgun = OneLoadReport(CatalogTab::Pistol, pistol, panel).Report();
    EXPECT_EQ(
        Head(handgun, 15),
        (std::vector<std::string>{"Corvane Stonecrest Premium", "Usage:|Medium Game",
                                  "Corvane Load No.:|R30E150", "Caliber:|9mm Luger",
                                  "Bullet Weight:|115 Grains", "Bullet Style:|Pointed Soft Point",
                                  "Ballistic Coefficient:|0.415", "Factory Primer No.:|CSR-9",
                                  "Barrel Length:|4.5 Inches", "Altitude Above Sea Level:|0 Feet",
                                  "Temperature:|59\xBA Fahrenheit", "Crosswind Speed:|10 MPH",
                                  "Sight Height:|0.9 Inches", "ENDHEADER", "TABNUMBER|1"}));

    LoadRecord rimfire = pistol;
    rimfire.CaliberId = 7;
    rimfire.BulletWeight = 40;
    rimfire.UsageFlags = {};
    rimfire.Note = "Subsonic";
    settings.EnglSys = false;
    const LoadReportText text =
        OneLoadReport(CatalogTab::Rimfire, rimfire, {"0", "15", "4", "25", "100", "50"}, settings)
            .Report();
    EXPECT_EQ(Head(text, 15),
              (std::vector<std::string>{
                  "Corvane Stonecrest Premium Rimfire", "Usage:|", "Corvane Load No.:|R30E150",
                  "Caliber:|22 Long Rifle", "Bullet Weight:|2.59 Grams",
                  "Bullet Style:|Pointed Soft Point", "Ballistic Coefficient:|0.415",
                  "Barrel Length:|11.43 Centimeters", "Altitude Above Sea Level:|0 Meters",
                  "Temperature:|15\xBA Celsius", "Crosswind Speed:|4 MPS",
                  "Sight Height:|3.8 Centimeters", "Note:|Subsonic", "ENDHEADER", "TABNUMBER|2"}));
}

TEST(LoadReport, SlugInBothUnitSystems) {
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
    const std::vector<std::string> common{"Corvane Stonecrest Premium", "Usage:|Large Game",
                                          "Corvane Load No.:|SD12R100", "Gauge:|12 Gauge"};
    const LoadReportText english =
        OneLoadReport(CatalogTab::Slug, slug, {"0", "59", "10", "50", "150", "50"}).Report();
    EXPECT_EQ(Head(english, 17),
              Join(common,
                   {"Shell Length:|2.75 Inches", "Slug Weight:|1 Ounces", "Slug Style:|Rifled Slug",
                    "Ballistic Coefficient:|0.100", "Barrel Length:|24 Inches",
                    "Altitude Above Sea Level:|0 Feet", "Temperature:|59\xBA Fahrenheit",
                    "Crosswind Speed:|10 MPH", "Sight Height:|0.5 Inches", "ENDHEADER",
                    "TABNUMBER|3", "RANGECOUNT|3", "Muzzle|50 Yds.|100 Yds.|150 Yds."}));
    EXPECT_EQ(english.size(), 22u);

    AppSettings metric;
    metric.EnglSys = false;
    const LoadReportText text =
        OneLoadReport(CatalogTab::Slug, slug, {"0", "15", "4", "50", "150", "50"}, metric).Report();
    EXPECT_EQ(Head(text, 13),
              Join(common, {"Shell Length:|7.0 Centimeters", "Slug Weight:|28.35 Grams",
                            "Slug Style:|Rifled Slug", "Ballistic Coefficient:|0.100",
                            "Barrel Length:|60.96 Centimeters",
                            "Altitude Above Sea Level:|0 Meters", "Temperature:|15\xBA Celsius",
                            "Crosswind Speed:|4 MPS", "Sight Height:|1.3 Centimeters"}));
    EXPECT_EQ(Split(text.back())[0], "Zero Adj. (moa)");
}

TEST(LoadReport, ShotshellWithShotTable) {
    LoadRecord load = ShotshellLoad();
    load.Note = std::string(60, 'n');
    const LoadReportText english = OneLoadReport(CatalogTab::Shotshell, load, {}).Report();
    EXPECT_EQ(english,
              (std::vector<std::string>{
                  "Corvane Fieldmaster", "Usage:|", "Corvane Load No.:|C127112", "Gauge:|12 Gauge",
                  "Shell Length:|2.75 Inches", "Weight:|1.125 Ounces",
                  "Muzzle Velocity:|1200 feet per second", "Muzzle Energy:|1573 Foot-pounds",
                  "Shot Size:|1 1/8 oz - 8 or 9", "Shot Material:|Lead",
                  "Note:|" + std::string(50, 'n'), "ENDHEADER", "TABNUMBER|4", "SHOTDATA|",
                  "Shot Size|Typical Pellet Count|Pellet Diameter in inches", "8|461|0.090",
                  "9|658|0.080"}));

    AppSettings metric;
    metric.EnglSys = false;
    load.Note.clear();
    load.MaterialId = 4; // a material that is neither lead, steel nor tungsten
    const LoadReportText text = OneLoadReport(CatalogTab::Shotshell, load, {}, metric).Report();
    EXPECT_EQ(text,
              (std::vector<std::string>{
                  "Corvane Fieldmaster", "Usage:|", "Corvane Load No.:|C127112", "Gauge:|12 Gauge",
                  "Shell Length:|7.0 Centimeters", "Weight:|31.90 Grams",
                  "Muzzle Velocity:|366 meters per second", "Muzzle Energy:|2133 Joules",
                  "Shot Size:|1 1/8 oz - 8 or 9", "Shot Material:|None", "ENDHEADER", "TABNUMBER|4",
                  "SHOTDATA|", "Shot Size|Typical Pellet Count|Pellet Diameter in Centimeters",
                  "8|0.23", "9|0.20"}));
}

TEST(LoadReport, BuckshotHasPelletDiameterAndNoShotTable) {
    const std::vector<std::string> head{"Corvane Fieldmaster", "Usage:|",
                                        "Corvane Load No.:|C127112", "Gauge:|12 Gauge"};
    EXPECT_EQ(
        OneLoadReport(CatalogTab::Shotshell, BuckshotLoad(), {}).Report(),
        Join(head, {"Shell Length:|2.75 Inches", "Typical Weight:|1.125 Ounces",
                    "Muzzle Velocity:|1200 feet per second", "Muzzle Energy:|1573 Foot-pounds",
                    "Pellet Count - Size:|9 pellets - 00 Buck", "Pellet Material:|Lead",
                    "Pellet Diameter:|0.330 Inches", "ENDHEADER", "TABNUMBER|4"}));
    AppSettings metric;
    metric.EnglSys = false;
    const LoadReportText text =
        OneLoadReport(CatalogTab::Shotshell, BuckshotLoad(), {}, metric).Report();
    ASSERT_EQ(text.size(), 13u);
    EXPECT_EQ(text[10], "Pellet Diameter:|0.838 Centimeters");
}

TEST(LoadReport, OnlyWindDriftShown) {
    AppSettings settings;
    settings.VelocitySw = settings.EnergySw = settings.TrajectorySw = false;
    const OneLoadReport fixture(CatalogTab::Rifle, RifleLoad(), kEnglishRifle, settings);
    const LoadReportText text = fixture.Report();
    ASSERT_EQ(text.size(), 18u);
    EXPECT_EQ(text[15], "RANGECOUNT|3");
    EXPECT_EQ(text[16], "Muzzle|100 Yds.|200 Yds.|300 Yds.");
    EXPECT_EQ(Split(text[17]), Join({"Wind Drift (in)", "0"},
                                    fixture.TrimmedCells(fixture.grid.Headings.Index.Drift, 3)));

    settings.WindDriftSw = false;
    const LoadReportText none =
        OneLoadReport(CatalogTab::Rifle, RifleLoad(), kEnglishRifle, settings).Report();
    EXPECT_EQ(none.back(), "TABNUMBER|0");
}

TEST(LoadReport, FaultyInputGivesNoEntryInsteadOfGarbage) {
    const OneLoadReport rifle(CatalogTab::Rifle, RifleLoad(), kEnglishRifle);
    EXPECT_TRUE(rifle.Report(0).empty());
    EXPECT_TRUE(rifle.Report(2).empty());

    // A separator inside catalog data would shift every later field.
    LoadRecord bar = RifleLoad();
    bar.BrandId = 5;
    bar.Note = "a|b";
    const LoadReportText text = OneLoadReport(CatalogTab::Rifle, bar, kEnglishRifle).Report();
    EXPECT_EQ(text[0], "Corvane Bar\xA6Line Centerfire Rifle");
    EXPECT_EQ(text[13], "Note:|a\xA6"
                        "b");

    // Values a damaged table holds that are no numbers print nothing, not "NAN".
    LoadRecord odd = RifleLoad();
    odd.BallisticCoefficient = std::nan("");
    odd.BarrelLength = -INFINITY;
    const LoadReportText oddText = OneLoadReport(CatalogTab::Rifle, odd, kEnglishRifle).Report();
    EXPECT_NE(std::find(oddText.begin(), oddText.end(), "Ballistic Coefficient:|"), oddText.end());
    EXPECT_NE(std::find(oddText.begin(), oddText.end(), "Barrel Length:|"), oddText.end());

    // An index line naming no table entry gives no row; a missing or short index file
    // abandons the report.
    LoadRecord shot = ShotshellLoad();
    shot.ShotSizeFlags[24] = true; // entry 24 is past the table
    OneLoadReport fixture(CatalogTab::Shotshell, shot, {});
    std::filesystem::remove(fixture.data.Path() / "t4indx.lst");
    EXPECT_THROW(fixture.Report(), CatalogFileError);
    {
        std::ofstream index(fixture.data.Path() / "t4indx.lst", std::ios::binary);
        for (int k = 1; k <= 25; ++k) {
            index << (k == 14 ? "x" : std::to_string(k)) << "\r\n";
        }
    }
    const LoadReportText rows = fixture.Report();
    EXPECT_EQ(std::vector<std::string>(rows.end() - 2, rows.end()),
              (std::vector<std::string>{"8|461|0.090", "F|0|0.220"}));
    fixture.records[0].ShotSizeFlags[26] = true;
    EXPECT_THROW(fixture.Report(), CatalogFileError);

    LoadRecord buck = BuckshotLoad();
    buck.ShotSizeFlags = {};
    buck.ShotSizeFlags[29] = true;
    EXPECT_EQ(OneLoadReport(CatalogTab::Shotshell, buck, {}).Report()[10], "Pellet Diameter:|");
}

TEST(LoadReport, ZeroAdjustmentEdges) {
    // A zero beyond the last range shown still has its drop computed.
    const std::string beyond = ZeroAdjustmentLine(
        RifleLoad(), CatalogTab::Rifle, {"0", "59", "10", "100", "200", "300"}, true, 1.5, 2);
    const std::vector<std::string> fields = Split(beyond);
    ASSERT_EQ(fields.size(), 4u);
    EXPECT_LT(std::stod(fields[2]), std::stod(fields[3]));
    EXPECT_LT(std::stod(fields[3]), 0.0);

    // A load the engine cannot fly, or an increment of 0, leaves the values empty.
    LoadRecord still = RifleLoad();
    still.MuzzleVelocity = 0;
    EXPECT_EQ(ZeroAdjustmentLine(still, CatalogTab::Rifle, kEnglishRifle, true, 1.5, 3),
              "Zero Adj. (moa)|n/a|||");
    EXPECT_EQ(ZeroAdjustmentLine(RifleLoad(), CatalogTab::Rifle, {"0", "59", "10", "0", "300", "0"},
                                 true, 1.5, 3),
              "Zero Adj. (moa)|n/a");
}

} // namespace
} // namespace corvane::test
