// The comparison table beneath the chart and its CSV text.
#include "ballistics/LoadComparison.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace {

using Row = std::vector<std::string>;

LoadRecord Load(const std::string& number, int velocity) {
    LoadRecord r;
    r.LoadNumber = number;
    r.MuzzleVelocity = velocity;
    r.BallisticCoefficient = 0.4;
    r.BulletWeight = 150;
    return r;
}

const PanelTexts kPanel{"0", "59", "10", "100", "500", "200"};

TEST(LoadComparison, ValuesSideBySideWithTheGridTexts) {
    const ComparisonRows rows = LoadComparisonRows(
        CatalogTab::Rifle, {Load("R30061 ", 3000), Load("R270", 0)}, kPanel, true, 1.5);
    ASSERT_EQ(rows.size(), 13U); // heading + 4 x (group + 2 loads)
    EXPECT_EQ(rows[0].Cells, (Row{"LOAD NO.", "MUZZLE", "100 YDS.", "200 YDS.", "300 YDS.",
                                  "400 YDS.", "500 YDS."}));
    EXPECT_EQ(rows[1].Cells, (Row{"VELOCITY IN FEET PER SECOND", "", "", "", "", "", ""}));
    EXPECT_TRUE(rows[0].Heading && rows[1].Heading && rows[4].Heading && rows[10].Heading);
    EXPECT_FALSE(rows[2].Heading || rows[3].Heading || rows[12].Heading);
    EXPECT_EQ(rows[2].Cells, (Row{"R30061", "3000", "2763", "2539", "2325", "2122", "1929"}));
    EXPECT_EQ(rows[3].Cells, (Row{"R270", "", "", "", "", "", ""})); // cannot be computed
    EXPECT_EQ(rows[4].Cells[0], "ENERGY IN FOOT-POUNDS");
    EXPECT_EQ(rows[5].Cells, (Row{"R30061", "2998", "2544", "2148", "1801", "1500", "1240"}));
    EXPECT_EQ(rows[7].Cells[0], "WIND DRIFT IN INCHES FOR 10 MPH CROSSWIND");
    EXPECT_EQ(rows[8].Cells, (Row{"R30061", "", "0.7", "3.1", "7.2", "13.4", "21.9"}));
    EXPECT_EQ(rows[10].Cells[0], "TRAJECTORY IN INCHES FOR 1.5 INCH SIGHT HEIGHT");
    EXPECT_EQ(rows[11].Cells, (Row{"R30061", "", "1.5", "zero", "-6.9", "-20.3", "-41.5"}));
}

TEST(LoadComparison, MetricWordsAndAtMostFourLoads) {
    const PanelTexts metric{"0", "15", "3", "100", "300", "100"};
    std::vector<LoadRecord> loads;
    for (int i = 0; i < 5; ++i) {
        loads.push_back(Load("L" + std::to_string(i), 2800 + 50 * i));
    }
    const ComparisonRows rows = LoadComparisonRows(CatalogTab::Rifle, loads, metric, false, 1.5);
    ASSERT_EQ(rows.size(), 1U + 4 * 5);
    EXPECT_EQ(rows[0].Cells, (Row{"LOAD NO.", "MUZZLE", "100 MTS.", "200 MTS.", "300 MTS."}));
    EXPECT_EQ(rows[1].Cells[0], "VELOCITY IN METERS PER SECOND");
    EXPECT_EQ(rows[2].Cells[0], "L0");
    EXPECT_EQ(rows[2].Cells[1], "853"); // 2800 ft/s
    EXPECT_EQ(rows[5].Cells[0], "L3");
    EXPECT_EQ(rows[6].Cells[0], "ENERGY IN JOULES");
    EXPECT_TRUE(rows[6].Heading && !rows[5].Heading);
    EXPECT_EQ(rows[11].Cells[0], "WIND DRIFT IN CENTIMETERS FOR 3 MPS CROSSWIND");
    EXPECT_EQ(rows[16].Cells[0], "TRAJECTORY IN CENTIMETERS FOR 3.8 CM SIGHT HEIGHT");
    EXPECT_EQ(rows[17].Cells[2], "zero");
}

TEST(LoadComparison, CsvStartsWithTheConditionsAndQuotesOnlyWhatNeedsIt) {
    const ComparisonRows rows{
        {{"LOAD NO.", "MUZZLE"}, true}, {{"A,1", "say \"hi\""}}, {{"-1.5", ""}}};
    EXPECT_EQ(ComparisonCsvText(rows, {"Altitude: 0 Feet", "Units: English"}),
              "# Altitude: 0 Feet\r\n# Units: English\r\n"
              "LOAD NO.,MUZZLE\r\n\"A,1\",\"say \"\"hi\"\"\"\r\n-1.5,\r\n");
    EXPECT_EQ(ComparisonConditions(kPanel, true, 1.5),
              (Row{"Altitude: 0 Feet", "Temperature: 59 Fahrenheit", "Crosswind: 10 MPH",
                   "Sight height: 1.5 Inches", "Zero at: 200 Yards", "Units: English"}));
    EXPECT_EQ(ComparisonConditions({" 300", "15", "4", "50", "300", "100 "}, false, 1.5),
              (Row{"Altitude: 300 Meters", "Temperature: 15 Celsius", "Crosswind: 4 MPS",
                   "Sight height: 3.8 Centimeters", "Zero at: 100 Meters", "Units: Metric"}));
}

} // namespace
} // namespace corvane
