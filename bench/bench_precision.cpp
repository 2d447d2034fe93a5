// Time of one precision-model trajectory to 1000 yd (100 yd steps) with its zero found, for a
// G7 load in non-standard air with wind, spin drift and the earth's rotation.
#include "precision/PrecisionSolver.h"

#include <benchmark/benchmark.h>

namespace {

void BM_SolvePrecision(benchmark::State& state) {
    corvane::precision::PrecisionInputs in;
    in.Drag = corvane::precision::DragFunction::G7;
    in.BallisticCoefficient = 0.3;
    in.MuzzleVelocityFps = 2800;
    in.BulletWeightGrains = 175;
    in.SightHeightInches = 1.5;
    in.ZeroRangeYards = 100;
    in.Site.AltitudeFt = 3000;
    in.Site.TemperatureF = 40;
    in.Site.HumidityPercent = 50;
    in.WindMph = 10;
    in.WindFromDegrees = 90;
    in.TwistInches = 10;
    in.BulletDiameterInches = 0.308;
    in.BulletLengthInches = 1.24;
    in.LatitudeDegrees = 45;
    in.AzimuthDegrees = 90;
    const std::vector<double> ranges = {0, 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000};
    for (auto _ : state) {
        corvane::precision::PrecisionSolution solution =
            corvane::precision::SolvePrecision(in, ranges);
        benchmark::DoNotOptimize(solution);
    }
}
BENCHMARK(BM_SolvePrecision)->Unit(benchmark::kMicrosecond);

} // namespace
