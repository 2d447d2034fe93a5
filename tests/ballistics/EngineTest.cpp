// The ballistic engine: the catalog's worked rifle example to the printed digit, the zero step,
// and inputs that must neither hang nor read out of bounds. Air, drag table, cut-off markers,
// refused inputs and zeros out of limits are pinned bit for bit by EngineGoldenTest.
#include "ballistics/BallisticEngine.h"
#include "common/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace corvane {
namespace {

// 3000 ft/s, BC 0.4, 150 gr, sea level, 59 F, 10 mph, zero 200 yd, sight 1.5 in, 100 yd steps.
EngineInputs WorkedExample() {
    EngineInputs in;
    in.RangeCount = 5;
    in.Increment = 300;
    in.BallisticCoefficient = 0.4;
    in.MuzzleVelocity = 3000;
    in.BulletWeight = 150;
    in.Altitude = 0;
    in.Pressure = 29.53;
    in.Temperature = 59;
    in.Crosswind = 10;
    in.ZeroRange = 200;
    in.SightHeight = 1.5;
    return in;
}

std::vector<std::int64_t> Rounded(const std::array<double, kTrajectoryCapacity>& values, int last) {
    std::vector<std::int64_t> out;
    for (int i = 0; i <= last; ++i) {
        out.push_back(RoundHalfEven(values[static_cast<std::size_t>(i)]));
    }
    return out;
}

std::vector<std::string> OneDecimal(const std::array<double, kTrajectoryCapacity>& values,
                                    int first, int last) {
    std::vector<std::string> out;
    for (int i = first; i <= last; ++i) {
        out.push_back(FormatFixed(values[static_cast<std::size_t>(i)], 1));
    }
    return out;
}

bool AllFinite(const BallisticResults& r) {
    for (int i = 0; i <= r.RangeCount; ++i) {
        const TrajectoryPoint p = r.Point(i);
        for (double v : {p.Velocity, p.Time, p.Drop, p.Energy, p.Drift, p.Trajectory}) {
            if (!std::isfinite(v)) {
                return false;
            }
        }
    }
    return true;
}

TEST(EngineWorkedExample, PrintsTheCatalogFigures) {
    const BallisticResults r = ComputeBallistics(WorkedExample());
    ASSERT_EQ(r.Status, kStatusComplete);
    ASSERT_TRUE(r.TrajectoryValid);
    ASSERT_EQ(r.RangeCount, 5);
    EXPECT_EQ(Rounded(r.Velocity, 5),
              (std::vector<std::int64_t>{3000, 2763, 2539, 2325, 2122, 1929}));
    EXPECT_EQ(Rounded(r.Energy, 5),
              (std::vector<std::int64_t>{2998, 2544, 2148, 1801, 1500, 1240}));
    EXPECT_EQ(OneDecimal(r.Drift, 1, 5),
              (std::vector<std::string>{"0.7", "3.1", "7.2", "13.4", "21.9"}));
    EXPECT_EQ(OneDecimal(r.Trajectory, 1, 5),
              (std::vector<std::string>{"1.5", "0.0", "-6.9", "-20.3", "-41.5"}));
    EXPECT_EQ(r.Trajectory[2], 0.0); // the clean-up makes the zero point exact
    EXPECT_EQ(r.Trajectory[0], -1.5);
    EXPECT_EQ(r.Drift[0], 0.0);
    EXPECT_DOUBLE_EQ(r.Energy[0], 150.0 * 3000 * 3000 / 450240);
    EXPECT_EQ(FormatFixed(r.ZeroAngle, 3), "4.843");
}

TEST(EngineZero, ZeroAtTheLastRangePointUsesItsDrop) {
    EngineInputs in = WorkedExample();
    in.RangeCount = 2; // zero 200 yd = the last point
    const BallisticResults shortTable = ComputeBallistics(in);
    const BallisticResults longTable = ComputeBallistics(WorkedExample());
    ASSERT_EQ(shortTable.Status, kStatusComplete);
    EXPECT_TRUE(shortTable.TrajectoryValid);
    EXPECT_EQ(shortTable.ZeroAngle, longTable.ZeroAngle);
    EXPECT_EQ(shortTable.Trajectory[2], 0.0);
    EXPECT_EQ(shortTable.Trajectory[1], longTable.Trajectory[1]);

    // At full capacity the point after the zero would lie outside the result arrays.
    in.RangeCount = kMaxRangeCount;
    in.Increment = 3;
    in.ZeroRange = kMaxRangeCount;
    const BallisticResults full = ComputeBallistics(in);
    EXPECT_TRUE(full.TrajectoryValid);
    EXPECT_EQ(full.Trajectory[kMaxRangeCount], 0.0);
    EXPECT_TRUE(std::isfinite(full.ZeroAngle));
}

TEST(EngineFaults, SlowBulletSpeedingUpUsesTheWholeDragTable) {
    // 300 ft/s, BC 1.0, out to 1000 yd: falling, it speeds up past the velocities a
    // muzzle-velocity-sized table would cover.
    EngineInputs in = WorkedExample();
    in.MuzzleVelocity = 300;
    in.BallisticCoefficient = 1.0;
    in.RangeCount = 10;
    const BallisticResults r = ComputeBallistics(in);
    ASSERT_EQ(r.Status, kStatusComplete);
    EXPECT_TRUE(AllFinite(r));
    EXPECT_GT(r.Velocity[10], 350);
    for (int i = 2; i <= 10; ++i) {
        const auto index = static_cast<std::size_t>(i);
        EXPECT_GT(r.Drop[index], r.Drop[index - 1]);
        EXPECT_GT(r.Time[index], r.Time[index - 1]);
    }
}

TEST(EngineFaults, ExtremeFiniteInputsEndInBounds) {
    const double huge = 1e300;
    const double tiny = 1e-300;
    const std::vector<double> extremes = {huge, -huge, tiny, -tiny, 0.0, -459.688, 1e6};
    for (double EngineInputs::*field :
         {&EngineInputs::Increment, &EngineInputs::BallisticCoefficient,
          &EngineInputs::MuzzleVelocity, &EngineInputs::Altitude, &EngineInputs::Pressure,
          &EngineInputs::Temperature, &EngineInputs::ZeroRange, &EngineInputs::SightHeight}) {
        for (double value : extremes) {
            EngineInputs in = WorkedExample();
            in.RangeCount = kMaxRangeCount;
            in.*field = value;
            const BallisticResults r = ComputeBallistics(in);
            EXPECT_GE(r.RangeCount, 0);
            EXPECT_LE(r.RangeCount, kMaxRangeCount);
            if (r.TrajectoryValid) {
                EXPECT_LE(r.ZeroAngle, 1800);
            }
        }
    }
}

} // namespace
} // namespace corvane
