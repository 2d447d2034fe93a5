// The precision model over arbitrary inputs: every double from raw bits (NaN, infinities, huge
// values) or near a real load, or the tool's options as arbitrary texts. Each solve must end
// (the fuzzer's -timeout catches a hang), refuse what it cannot use, and give only finite
// numbers for the points it returns.
#include "FuzzSupport.h"

#include "precision/SolveOptions.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstring>

using namespace corvane::precision;

namespace {

double RawDouble(FuzzedDataProvider& input) {
    const auto bits = input.ConsumeIntegral<std::uint64_t>();
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

double Input(FuzzedDataProvider& input, double low, double high) {
    return input.ConsumeBool() ? RawDouble(input) : input.ConsumeFloatingPointInRange(low, high);
}

std::optional<double> MaybeInput(FuzzedDataProvider& input, double low, double high) {
    return input.ConsumeBool() ? std::optional<double>(Input(input, low, high)) : std::nullopt;
}

void Check(const PrecisionInputs& in, const std::vector<double>& ranges) {
    const PrecisionSolution solution = SolvePrecision(in, ranges);
    FUZZ_CHECK(solution.Points.size() <= ranges.size());
    if (solution.Status == SolveStatus::InvalidInput) {
        FUZZ_CHECK(solution.Problem && solution.Points.empty());
        return;
    }
    FUZZ_CHECK(std::isfinite(solution.Conditions.DensityAltitudeFt));
    if (solution.Status == SolveStatus::ZeroOutOfReach) {
        FUZZ_CHECK(solution.Points.empty());
        return;
    }
    FUZZ_CHECK(std::isfinite(solution.ZeroAngleMoa));
    FUZZ_CHECK(solution.Status == SolveStatus::FellShort ||
               solution.Points.size() == ranges.size());
    for (const PrecisionPoint& point : solution.Points) {
        FUZZ_CHECK(std::isfinite(point.VelocityFps) && std::isfinite(point.EnergyFtLb) &&
                   std::isfinite(point.TimeS) && std::isfinite(point.PathInches) &&
                   std::isfinite(point.WindageInches) && std::isfinite(point.ComeUpMoa));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    if (input.ConsumeBool()) {
        // The tool's options as texts, as a user may type them.
        SolveRequest request;
        for (int i = 0; i < 40 && input.remaining_bytes() > 0; ++i) {
            const std::string option = input.ConsumeRandomLengthString(24);
            const std::string value = input.ConsumeRandomLengthString(24);
            (void)SetSolveOption(request, option, value);
        }
        const bool usable = !CheckSolveRequest(request);
        Check(request.Inputs, usable ? RequestedRanges(request) : std::vector<double>{0, 100});
        return 0;
    }
    PrecisionInputs in;
    in.Drag = input.ConsumeBool() ? DragFunction::G7 : DragFunction::G1;
    in.BcReference = input.ConsumeBool() ? BcAtmosphere::ArmyStandardMetro : BcAtmosphere::Icao;
    in.BallisticCoefficient = Input(input, 0, 2);
    in.MuzzleVelocityFps = Input(input, 0, 5000);
    in.BulletWeightGrains = Input(input, 0, 2000);
    in.TwistInches = MaybeInput(input, -100, 100);
    in.BulletDiameterInches = Input(input, 0, 2);
    in.BulletLengthInches = Input(input, 0, 5);
    in.SightHeightInches = Input(input, 0, 10);
    in.ZeroRangeYards = Input(input, 0, 3000);
    in.BoreAngleMoa = MaybeInput(input, -600, 600);
    in.Site.AltitudeFt = Input(input, -1500, 30000);
    in.Site.StationPressureInHg = MaybeInput(input, 5, 35);
    in.Site.TemperatureF = MaybeInput(input, -60, 140);
    in.Site.HumidityPercent = Input(input, 0, 100);
    in.WindMph = Input(input, 0, 100);
    in.WindFromDegrees = Input(input, 0, 360);
    in.ShootingAngleDegrees = Input(input, -80, 80);
    in.LatitudeDegrees = MaybeInput(input, -90, 90);
    in.AzimuthDegrees = Input(input, 0, 360);
    in.PowderTemperatureF = MaybeInput(input, -60, 160);
    in.PowderSensitivityFpsPerF = Input(input, -10, 10);
    std::vector<double> ranges;
    const int count = input.ConsumeIntegralInRange(0, 24);
    for (int i = 0; i < count; ++i) {
        ranges.push_back(Input(input, 0, 5000));
    }
    Check(in, ranges);
    return 0;
}
