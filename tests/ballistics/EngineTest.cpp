// The ballistic engine: the catalog's worked rifle example to the printed digit, the standard
// air and drag table, the zero step, and inputs that must neither hang nor read out of bounds.
#include "ballistics/BallisticEngine.h"
#include "common/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
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

TEST(EngineAtmosphere, StandardAirAtSeaLevel) {
    const Atmosphere air = ComputeAtmosphere(WorkedExample());
    EXPECT_EQ(air.StandardTemperature, 59.0);
    EXPECT_EQ(air.StandardPressure, 29.53);
    EXPECT_EQ(air.StationPressure, 29.53);
    EXPECT_EQ(air.DensityRatio, 1.0);
    EXPECT_EQ(air.SpeedOfSound, 1120.27);
    EXPECT_EQ(air.MachFactor, 1.0);
}

TEST(EngineDragTable, SinglePrecisionValuesScaledOverAllIntervals) {
    EXPECT_EQ(DragTableValue(1), 0.00512f);
    EXPECT_EQ(DragTableValue(2), 0.00512f);
    EXPECT_EQ(DragTableValue(60), 0.32419f);
    EXPECT_EQ(DragTableValue(121), 0.61350f);

    const ScaledDrag drag = BuildDragTable(0.4, 1.0);
    const double s = 1.0 / 0.4;
    EXPECT_EQ(drag.A[60], static_cast<double>(0.32419f) * s);
    EXPECT_EQ(drag.B[60], (static_cast<double>(0.32808f) - static_cast<double>(0.32419f)) / 50 * s);
    // The top interval is prepared for every load, whatever its velocity; its slope is 0.
    EXPECT_EQ(drag.A[120], static_cast<double>(0.61350f) * s);
    EXPECT_EQ(drag.B[120], 0.0);
    EXPECT_EQ(drag.A[0], drag.A[1]);
    EXPECT_EQ(drag.B[0], drag.B[1]);
}

TEST(EngineDragTable, LookUpInterpolatesAndClampsAtBothEnds) {
    const ScaledDrag drag = BuildDragTable(1.0, 1.0);
    FlightState level{400, 0, 0, 0};
    // 400 ft/s is table point 8 exactly: deceleration F[8] x v.
    EXPECT_DOUBLE_EQ(EvaluateDerivatives(level, drag, 1.0).Velocity,
                     -static_cast<double>(0.01760f) * 400);
    level.Velocity = 425; // halfway to point 9
    const double f425 = (static_cast<double>(0.01760f) + static_cast<double>(0.01938f)) / 2;
    EXPECT_NEAR(EvaluateDerivatives(level, drag, 1.0).Velocity, -f425 * 425, 1e-9);
    // Beyond 6050 ft/s the last interval (flat) applies; below 50 ft/s the first.
    level.Velocity = 9000;
    EXPECT_DOUBLE_EQ(EvaluateDerivatives(level, drag, 1.0).Velocity,
                     -static_cast<double>(0.61350f) * 9000);
    level.Velocity = 20;
    EXPECT_DOUBLE_EQ(EvaluateDerivatives(level, drag, 1.0).Velocity,
                     -static_cast<double>(0.00512f) * 20);
    level.Velocity = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(std::isnan(EvaluateDerivatives(level, drag, 1.0).Velocity));
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

TEST(EngineZero, SteepZeroAngleLeavesTheTrajectoryInvalid) {
    EngineInputs in = WorkedExample();
    in.ZeroRange = 1;     // 3 ft
    in.SightHeight = 100; // far above the bore: well over 30 degrees
    const BallisticResults r = ComputeBallistics(in);
    EXPECT_EQ(r.Status, kStatusZeroOutOfLimits);
    EXPECT_FALSE(r.TrajectoryValid);
    EXPECT_GT(r.ZeroAngle, 1800);
    EXPECT_EQ(RoundHalfEven(r.Velocity[5]), 1929); // the flight itself stays valid

    in = WorkedExample();
    in.ZeroRange = 0;
    const BallisticResults noZero = ComputeBallistics(in);
    EXPECT_EQ(noZero.Status, kStatusZeroOutOfLimits);
    EXPECT_FALSE(noZero.TrajectoryValid);
    EXPECT_TRUE(AllFinite(noZero));
}

TEST(EngineZero, ZeroBeyondTheTableAimsThroughTheLastPoint) {
    EngineInputs in = WorkedExample();
    in.ZeroRange = 2000;
    const BallisticResults r = ComputeBallistics(in);
    EXPECT_TRUE(r.TrajectoryValid);
    EXPECT_TRUE(AllFinite(r));
    EXPECT_DOUBLE_EQ(r.ZeroAngle, (r.Drop[5] + 1.5) / (0.00349066 * 6000));
}

TEST(EngineCutOff, SlowLoadEndsWithMarkers) {
    EngineInputs in = WorkedExample();
    in.MuzzleVelocity = 300;
    in.BallisticCoefficient = 0.05;
    in.RangeCount = 12;
    in.ZeroRange = 100;
    const BallisticResults r = ComputeBallistics(in);
    ASSERT_EQ(r.Status, kStatusCutOff);
    int first = 1;
    while (first <= 12 && r.Velocity[static_cast<std::size_t>(first)] > 0) {
        ++first;
    }
    ASSERT_LE(first, 12);
    ASSERT_GT(first, 1);
    for (int i = first; i <= 12; ++i) {
        const TrajectoryPoint p = r.Point(i);
        EXPECT_EQ(p.Velocity, -1);
        EXPECT_EQ(p.Time, -1);
        EXPECT_EQ(p.Drop, -1);
        EXPECT_DOUBLE_EQ(p.Energy, 150.0 / 450240);
        EXPECT_LT(p.Drift, 0);
        EXPECT_EQ(p.Trajectory, 0);
    }
}

TEST(EngineFaults, LoadsThatCannotFlyAreSkipped) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<EngineInputs> cases;
    for (double bad : {0.0, -3000.0, nan, inf}) {
        EngineInputs in = WorkedExample();
        in.MuzzleVelocity = bad;
        cases.push_back(in);
        in = WorkedExample();
        in.BallisticCoefficient = bad;
        cases.push_back(in);
        in = WorkedExample();
        in.Increment = bad;
        cases.push_back(in);
    }
    for (double EngineInputs::*field :
         {&EngineInputs::BulletWeight, &EngineInputs::Altitude, &EngineInputs::Pressure,
          &EngineInputs::Temperature, &EngineInputs::Crosswind, &EngineInputs::ZeroRange,
          &EngineInputs::SightHeight}) {
        EngineInputs in = WorkedExample();
        in.*field = nan;
        cases.push_back(in);
        in.*field = -inf;
        cases.push_back(in);
    }
    for (std::size_t c = 0; c < cases.size(); ++c) {
        const BallisticResults r = ComputeBallistics(cases[c]);
        EXPECT_EQ(r.Status, kStatusSkipped) << "case " << c;
        EXPECT_FALSE(r.TrajectoryValid) << "case " << c;
        EXPECT_EQ(r.RangeCount, 0) << "case " << c;
    }
}

TEST(EngineFaults, RangeCountIsClampedToTheCapacity) {
    EngineInputs in = WorkedExample();
    in.RangeCount = 500;
    const BallisticResults r = ComputeBallistics(in);
    EXPECT_EQ(r.RangeCount, kMaxRangeCount);
    EXPECT_EQ(RoundHalfEven(r.Velocity[5]), 1929);
    EXPECT_TRUE(AllFinite(r));

    in.RangeCount = -7;
    const BallisticResults none = ComputeBallistics(in);
    EXPECT_EQ(none.RangeCount, 0);
    EXPECT_EQ(none.Velocity[0], 3000);
    EXPECT_EQ(none.Trajectory[0], -1.5);
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
