// The chart's fine curve: sampled by the engine between the range points, it must meet the
// table's own numbers at every range point, bit for bit.
#include "ballistics/TrajectorySampling.h"
#include "ballistics/EngineInputsFromPanel.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace {

LoadRecord Load(int velocity, double coefficient, int grains) {
    LoadRecord r;
    r.MuzzleVelocity = velocity;
    r.BallisticCoefficient = coefficient;
    r.BulletWeight = grains;
    return r;
}

struct Case {
    std::string Name;
    CatalogTab Section;
    LoadRecord Record;
    PanelTexts Panel; // altitude, temperature, crosswind, increment, range, zero
    bool English;
    int ExpectedPerIncrement;
};

void ExpectSameAtRangePoints(const Case& c) {
    SCOPED_TRACE(c.Name);
    const EngineInputs table = EngineInputsFromPanel(c.Panel, c.Section, c.Record, c.English, 1.5);
    const BallisticResults expected = ComputeBallistics(table);
    const PanelRanges ranges = ReadPanelRanges(c.Panel);
    const FineTrajectory fine = SampleTrajectory(table, ranges, c.English);

    ASSERT_EQ(fine.PerIncrement, c.ExpectedPerIncrement);
    const int k = fine.PerIncrement;
    ASSERT_EQ(fine.Results.RangeCount, expected.RangeCount * k);
    EXPECT_EQ(fine.Results.Status, expected.Status);
    EXPECT_EQ(fine.Results.ZeroAngle, expected.ZeroAngle);
    EXPECT_EQ(fine.TrajectoryValid, expected.TrajectoryValid);
    for (int i = 0; i <= expected.RangeCount; ++i) {
        SCOPED_TRACE("range point " + std::to_string(i));
        const auto t = static_cast<std::size_t>(i);
        const auto f = static_cast<std::size_t>(i * k);
        for (const auto values :
             {&BallisticResults::Velocity, &BallisticResults::Time, &BallisticResults::Drop,
              &BallisticResults::Energy, &BallisticResults::Drift, &BallisticResults::Trajectory}) {
            EXPECT_EQ((fine.Results.*values)[f], (expected.*values)[t]);
        }
        if (f < fine.Samples.size()) {
            EXPECT_EQ(fine.Samples[f].Range, static_cast<double>(i * ranges.Increment));
        }
    }
}

TEST(TrajectorySampling, MeetsTheTableAtEveryRangePoint) {
    using enum CatalogTab;
    const LoadRecord rifle = Load(3000, 0.4, 150);
    const LoadRecord flat = Load(2650, 0.27, 180);
    const Case cases[] = {
        {"english rifle", Rifle, rifle, {"0", "59", "10", "100", "500", "200"}, true, 20},
        {"metric at altitude", Rifle, rifle, {"1500", "-5", "4", "100", "1000", "300"}, false, 10},
        {"zero at the last point", Rifle, flat, {"0", "59", "10", "100", "300", "300"}, true, 20},
        {"metric zero at the last", Rifle, flat, {"0", "15", "3", "50", "600", "600"}, false, 8},
        {"handgun", Pistol, Load(1150, 0.15, 124), {"0", "59", "10", "25", "150", "50"}, true, 5},
        {"slug", Slug, Load(1600, 0.08, 0), {"0", "59", "10", "10", "120", "20"}, true, 2},
    };
    for (const Case& c : cases) {
        ExpectSameAtRangePoints(c);
    }
}

TEST(TrajectorySampling, CutOffLoadEndsAtTheLastPointTheTableShows) {
    const PanelTexts panel{"0", "59", "10", "50", "350", "100"};
    const Case slow{"cut off", CatalogTab::Rimfire, Load(400, 0.02, 40), panel, true, 10};
    const EngineInputs table =
        EngineInputsFromPanel(slow.Panel, slow.Section, slow.Record, true, 1.5);
    const BallisticResults expected = ComputeBallistics(table);
    ASSERT_EQ(expected.Status, kStatusCutOff);
    int lastShown = 0;
    while (lastShown < expected.RangeCount && expected.Velocity[lastShown + 1] > 0) {
        ++lastShown;
    }
    ASSERT_LT(lastShown, expected.RangeCount);

    ExpectSameAtRangePoints(slow);
    const FineTrajectory fine = SampleTrajectory(table, ReadPanelRanges(slow.Panel), true);
    ASSERT_FALSE(fine.Samples.empty());
    EXPECT_EQ(fine.Samples.back().Range, lastShown * 50.0);
    EXPECT_EQ(fine.Samples.size(), static_cast<std::size_t>(lastShown * fine.PerIncrement + 1));
}

TEST(TrajectorySampling, SampleSpacingAndUnits) {
    EXPECT_EQ(SamplesPerIncrement(100, 5), 20);  // every 5 yards
    EXPECT_EQ(SamplesPerIncrement(100, 10), 10); // capacity: every 10
    EXPECT_EQ(SamplesPerIncrement(200, 5), 20);
    EXPECT_EQ(SamplesPerIncrement(10, 12), 2);
    EXPECT_EQ(SamplesPerIncrement(3, 4), 1);
    EXPECT_EQ(SamplesPerIncrement(0, 4), 1);

    const PanelTexts panel{"0", "15", "3", "100", "300", "100"};
    const EngineInputs metric =
        EngineInputsFromPanel(panel, CatalogTab::Rifle, Load(3000, 0.4, 150), false, 1.5);
    const FineTrajectory fine = SampleTrajectory(metric, ReadPanelRanges(panel), false);
    ASSERT_EQ(fine.Samples.size(), 61U);
    EXPECT_DOUBLE_EQ(fine.Step, 5.0);
    EXPECT_DOUBLE_EQ(fine.Samples[1].Range, 5.0);
    EXPECT_DOUBLE_EQ(fine.Samples[0].Velocity, 3000 * 0.3048);
    EXPECT_DOUBLE_EQ(fine.Samples[0].Trajectory, -1.5 * 2.54);
    EXPECT_EQ(fine.Samples[20].Trajectory, 0.0); // the zero, cleaned up as in the table
    EXPECT_EQ(fine.ZeroRange, 100.0);

    const FineTrajectory none = SampleTrajectory(
        EngineInputsFromPanel(panel, CatalogTab::Rifle, Load(0, 0.4, 150), false, 1.5),
        ReadPanelRanges(panel), false);
    EXPECT_TRUE(none.Samples.empty());
}

} // namespace
} // namespace corvane
