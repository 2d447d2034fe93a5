// The ballistic engine over arbitrary inputs: every double comes from raw bits (NaN, infinities,
// denormals, huge values), and the panel path takes arbitrary texts. Each call must end (the
// fuzzer's -timeout catches a hang), keep its range count within the capacity, and give numbers
// for every point it claims to have computed.
#include "FuzzSupport.h"

#include "ballistics/BallisticEngine.h"
#include "ballistics/EngineInputsFromPanel.h"
#include "catalog/LoadRecord.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstring>

using namespace corvane;

namespace {

double RawDouble(FuzzedDataProvider& input) {
    const auto bits = input.ConsumeIntegral<std::uint64_t>();
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Either raw bits or a value near the catalog's own, so both the edges and the ordinary
// flight paths get explored.
double Input(FuzzedDataProvider& input, double low, double high) {
    return input.ConsumeBool() ? RawDouble(input) : input.ConsumeFloatingPointInRange(low, high);
}

// Printed with a finding, so that it can be turned into a test without a debugger.
void PrintInputs(const EngineInputs& in) {
    std::fprintf(stderr,
                 "RangeCount %d Increment %a BC %a MV %a Weight %a Altitude %a Pressure %a "
                 "Temperature %a Crosswind %a ZeroRange %a SightHeight %a\n",
                 in.RangeCount, in.Increment, in.BallisticCoefficient, in.MuzzleVelocity,
                 in.BulletWeight, in.Altitude, in.Pressure, in.Temperature, in.Crosswind,
                 in.ZeroRange, in.SightHeight);
}

void CheckResults(const EngineInputs& in) {
    const BallisticResults results = ComputeBallistics(in);
    if (results.Status != kStatusSkipped) {
        for (int i = 0; i <= results.RangeCount && i < kTrajectoryCapacity; ++i) {
            const TrajectoryPoint point = results.Point(i);
            if (std::isnan(point.Velocity) || std::isnan(point.Time) || std::isnan(point.Drop)) {
                PrintInputs(in);
                std::fprintf(stderr, "point %d: velocity %g time %g drop %g\n", i, point.Velocity,
                             point.Time, point.Drop);
                break;
            }
        }
    }
    FUZZ_CHECK(results.RangeCount >= 0 && results.RangeCount <= kMaxRangeCount);
    FUZZ_CHECK(results.Status == kStatusComplete || results.Status == kStatusCutOff ||
               results.Status == kStatusZeroOutOfLimits || results.Status == kStatusSkipped);
    if (results.Status == kStatusSkipped) {
        FUZZ_CHECK(!results.TrajectoryValid);
        return;
    }
    for (int i = 0; i <= results.RangeCount; ++i) {
        const TrajectoryPoint point = results.Point(i);
        FUZZ_CHECK(!std::isnan(point.Velocity) && !std::isnan(point.Time) &&
                   !std::isnan(point.Drop));
    }
    (void)results.Point(-1);
    (void)results.Point(kTrajectoryCapacity);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    if (input.ConsumeBool()) {
        EngineInputs in;
        in.RangeCount = input.ConsumeIntegral<std::int32_t>();
        in.Increment = Input(input, 0, 1500);
        in.BallisticCoefficient = Input(input, 0, 1);
        in.MuzzleVelocity = Input(input, 0, 5000);
        in.BulletWeight = Input(input, 0, 1000);
        in.Altitude = Input(input, -2000, 20000);
        in.Pressure = input.ConsumeBool() ? 29.53 : RawDouble(input);
        in.Temperature = Input(input, -60, 130);
        in.Crosswind = Input(input, 0, 100);
        in.ZeroRange = Input(input, 0, 600);
        in.SightHeight = Input(input, 0, 5);
        CheckResults(in);
        return 0;
    }

    // From the control panel's texts and a load record, as the grid and the report fill it.
    PanelTexts panel;
    panel.Altitude = input.ConsumeRandomLengthString(24);
    panel.Temperature = input.ConsumeRandomLengthString(24);
    panel.CrossWind = input.ConsumeRandomLengthString(24);
    panel.Increment = input.ConsumeRandomLengthString(12);
    panel.Range = input.ConsumeRandomLengthString(12);
    panel.ZeroAt = input.ConsumeRandomLengthString(12);
    LoadRecord load;
    load.MuzzleVelocity = input.ConsumeIntegral<std::int32_t>();
    load.BulletWeight = input.ConsumeIntegral<std::int32_t>();
    load.BallisticCoefficient = RawDouble(input);
    load.SlugWeight = RawDouble(input);
    const auto section = static_cast<CatalogTab>(input.ConsumeIntegralInRange<int>(0, 5));
    const bool english = input.ConsumeBool();
    const double sightHeight = RawDouble(input);
    const PanelRanges ranges = ReadPanelRanges(panel);
    (void)ranges.RangeCount();
    const EngineInputs in = EngineInputsFromPanel(panel, section, load, english, sightHeight);
    CheckResults(in);
    return 0;
}
