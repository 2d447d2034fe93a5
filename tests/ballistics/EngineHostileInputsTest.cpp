// Inputs that pass the engine's finiteness checks but make the flight itself stop being numbers
// (a velocity of almost nothing against an absurd drag) end as a cut-off, never as NaN.
#include "ballistics/BallisticEngine.h"

#include <gtest/gtest.h>

#include <cmath>

namespace corvane {
namespace {

void ExpectOnlyNumbers(const BallisticResults& results) {
    ASSERT_LE(results.RangeCount, kMaxRangeCount);
    for (int i = 0; i <= results.RangeCount; ++i) {
        const TrajectoryPoint point = results.Point(i);
        EXPECT_TRUE(std::isfinite(point.Velocity) && std::isfinite(point.Time) &&
                    std::isfinite(point.Drop) && std::isfinite(point.Energy) &&
                    std::isfinite(point.Drift))
            << "point " << i << ": " << point.Velocity << " " << point.Time << " " << point.Drop;
    }
}

TEST(EngineHostileInputs, VanishingVelocityAndCoefficientAreCutOff) {
    // Found by fuzz_engine: every magnitude near 1e-168 but the increment.
    EngineInputs in;
    in.RangeCount = 2147482166;
    in.Increment = 0x1.609e2fa59aa6ap+1;
    in.BallisticCoefficient = 0x1.d1d1d1d1d1d1dp-558;
    in.MuzzleVelocity = 0x1.d1d1d1d1d1d1dp-558;
    in.BulletWeight = 0x1.d1d1d1d1d1d1dp-558;
    in.Altitude = 0x1.d1d1d1d1d1d1dp-558;
    in.Pressure = 29.53;
    in.Temperature = 0x1.03231785c3031p-556;
    in.Crosswind = 0x1.2032c7182016p-11;
    in.ZeroRange = 0;
    in.SightHeight = 0;
    const BallisticResults results = ComputeBallistics(in);
    // Cut off from point 1 on (the zero range of 0 then sets 307 over the cut-off status).
    EXPECT_EQ(results.RangeCount, kMaxRangeCount);
    EXPECT_EQ(results.Velocity[1], -1);
    EXPECT_EQ(results.Velocity[kMaxRangeCount], -1);
    ExpectOnlyNumbers(results);
}

TEST(EngineHostileInputs, RecordValuesFromAHostileTableGiveNumbers) {
    // A whole-number velocity (as the records hold it) against coefficients down to the
    // smallest double, and air at absolute zero.
    for (double coefficient : {5e-324, 1e-300, 1e-30, 1e300}) {
        for (double temperature : {59.0, -459.688, -1e6}) {
            SCOPED_TRACE(testing::Message() << coefficient << " " << temperature);
            EngineInputs in;
            in.RangeCount = 12;
            in.Increment = 300;
            in.BallisticCoefficient = coefficient;
            in.MuzzleVelocity = 1;
            in.BulletWeight = 150;
            in.Temperature = temperature;
            in.ZeroRange = 100;
            in.SightHeight = 1.5;
            ExpectOnlyNumbers(ComputeBallistics(in));
        }
    }
}

} // namespace
} // namespace corvane
