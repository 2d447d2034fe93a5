// Filling the engine inputs from the control panel texts and the load record, and the Metric
// panel giving the same trajectory as its English equivalent.
#include "ballistics/EngineInputsFromPanel.h"
#include "common/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>

namespace corvane {
namespace {

LoadRecord RifleLoad() {
    LoadRecord load;
    load.MuzzleVelocity = 3000;
    load.BallisticCoefficient = 0.4;
    load.BulletWeight = 150;
    return load;
}

PanelTexts Panel(std::string increment, std::string range, std::string zero) {
    PanelTexts panel;
    panel.Altitude = "0";
    panel.Temperature = "59";
    panel.CrossWind = "10";
    panel.Increment = std::move(increment);
    panel.Range = std::move(range);
    panel.ZeroAt = std::move(zero);
    return panel;
}

// The English panel and the record's fields, slug weights included, reach the engine as the
// golden tables of every section show to the last digit; here the texts and units they cannot.
TEST(EngineInputsFromPanel, TextsThatDoNotConvert) {
    PanelTexts panel = Panel("100", "500", "two hundred");
    panel.Altitude = "high";
    panel.Temperature = "1e2"; // ".0" is appended, so exponents never convert
    panel.CrossWind = "";
    EngineInputs in = EngineInputsFromPanel(panel, CatalogTab::Rifle, RifleLoad(), true, 1.5);
    EXPECT_EQ(in.ZeroRange, 100.0); // the increment stands in
    EXPECT_EQ(in.Altitude, 0.0);
    EXPECT_EQ(in.Temperature, 59.0);
    EXPECT_EQ(in.Crosswind, 0.0);

    panel.Temperature = " 70 ";
    panel.CrossWind = "7.5";
    in = EngineInputsFromPanel(panel, CatalogTab::Rifle, RifleLoad(), true, 1.5);
    EXPECT_EQ(in.Temperature, 70.0);
    EXPECT_EQ(in.Crosswind, 7.5);

    // An increment that is not an integer counts as 0: no range points, nothing computed.
    in =
        EngineInputsFromPanel(Panel("100.5", "500", ""), CatalogTab::Rifle, RifleLoad(), true, 1.5);
    EXPECT_EQ(in.RangeCount, 0);
    EXPECT_EQ(in.Increment, 0.0);
    EXPECT_EQ(ComputeBallistics(in).Status, kStatusSkipped);

    const PanelRanges ranges = ReadPanelRanges(Panel("100", "550", "x"));
    EXPECT_EQ(ranges.RangeCount(), 5);
    EXPECT_EQ(ranges.ZeroAt, 100);
}

TEST(EngineInputsFromPanel, MetricMatchesItsEnglishEquivalent) {
    PanelTexts panel = Panel("100", "500", "100");
    panel.Temperature = "15";
    panel.CrossWind = "3";
    const EngineInputs metric =
        EngineInputsFromPanel(panel, CatalogTab::Rifle, RifleLoad(), false, 1.5);
    EXPECT_EQ(metric.Increment, 100 * 3.2808398950131235);
    EXPECT_EQ(metric.ZeroRange, 100 * 1.0936132983377078);

    EngineInputs english = metric;
    english.Increment = 328.08398950131235;
    english.ZeroRange = 109.36132983377078;
    english.Temperature = 59;
    english.Crosswind = 3 * 2.2369362920544025;
    const BallisticResults m = ComputeBallistics(metric);
    const BallisticResults e = ComputeBallistics(english);
    ASSERT_EQ(m.Status, kStatusComplete);
    ASSERT_EQ(e.Status, kStatusComplete);
    for (int i = 0; i <= 5; ++i) {
        const TrajectoryPoint mp = m.Point(i);
        const TrajectoryPoint ep = e.Point(i);
        for (const auto& [a, b] : {std::pair{mp.Velocity, ep.Velocity},
                                   {mp.Time, ep.Time},
                                   {mp.Drop, ep.Drop},
                                   {mp.Energy, ep.Energy},
                                   {mp.Drift, ep.Drift},
                                   {mp.Trajectory, ep.Trajectory}}) {
            EXPECT_NEAR(a, b, 1e-9 * std::max(1.0, std::fabs(b))) << "point " << i;
        }
    }
    EXPECT_NEAR(m.ZeroAngle, e.ZeroAngle, 1e-9);
}

TEST(EngineInputsFromPanel, MetricZeroAtTheLastPointStaysInTheTable) {
    // 100 m steps to 500 m zeroed at 500 m: the zero lands a rounding error off point 5.
    const EngineInputs in = EngineInputsFromPanel(Panel("100", "500", "500"), CatalogTab::Rifle,
                                                  RifleLoad(), false, 1.5);
    const BallisticResults r = ComputeBallistics(in);
    ASSERT_EQ(r.Status, kStatusComplete);
    ASSERT_TRUE(r.TrajectoryValid);
    EXPECT_LT(std::fabs(r.Trajectory[5]), 0.001);
    EXPECT_TRUE(std::isfinite(r.ZeroAngle));
    EXPECT_DOUBLE_EQ(r.ZeroAngle, (r.Drop[5] + 1.5) / (0.00349066 * in.ZeroRange * 3));
}

} // namespace
} // namespace corvane
