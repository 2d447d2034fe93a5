// Time of one ComputeBallistics for a rifle load at the default conditions (100 yd steps to
// 500 yd) and out to 1000 yd, and of two loads computed together as the grid does ("per_flight"
// is the time of one of them).
#include "ballistics/BallisticEngine.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>

namespace {

corvane::EngineInputs RifleLoad(int rangeYards) {
    corvane::EngineInputs in;
    in.Increment = 300; // 100 yd
    in.RangeCount = rangeYards / 100;
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

void BM_ComputeBallistics(benchmark::State& state) {
    const corvane::EngineInputs in = RifleLoad(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        corvane::BallisticResults results = corvane::ComputeBallistics(in);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(BM_ComputeBallistics)->Arg(500)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_ComputeBallisticsPair(benchmark::State& state) {
    const corvane::EngineInputs first = RifleLoad(static_cast<int>(state.range(0)));
    corvane::EngineInputs second = first;
    second.MuzzleVelocity = 2900;
    second.BallisticCoefficient = 0.45;
    corvane::BallisticResults firstResults;
    corvane::BallisticResults secondResults;
    for (auto _ : state) {
        corvane::ComputeBallisticsPair(first, second, firstResults, secondResults);
        benchmark::DoNotOptimize(firstResults);
        benchmark::DoNotOptimize(secondResults);
    }
    state.counters["per_flight"] = benchmark::Counter(
        2, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ComputeBallisticsPair)->Arg(500)->Arg(1000)->Unit(benchmark::kMicrosecond);

// The least time any engine giving the same results can take for one flight: each evaluation
// waits for the sine and cosine of the angle the one before produced, then for a division and
// the step's update of the angle, before the next can begin. Run for as many evaluations as the
// flights above make (125 and 327 steps of four, and the first): 501 to 500 yd, 1309 to 1000 yd.
void BM_AngleChainFloor(benchmark::State& state) {
    const auto evaluations = state.range(0);
    double h = 0.005;
    double velocity = 2500;
    benchmark::DoNotOptimize(h);
    benchmark::DoNotOptimize(velocity);
    for (auto _ : state) {
        double angle = 0;
        double accumulator = 0;
        double sines = 0;
        for (std::int64_t i = 0; i < evaluations; ++i) {
            sines += std::sin(angle);
            const double k1 = h * (-32.1741 * std::cos(angle) / velocity);
            const double r = 0.2928932188 * (k1 - accumulator);
            angle += r;
            accumulator += 3 * r - 0.2928932188 * k1;
        }
        benchmark::DoNotOptimize(sines);
        benchmark::DoNotOptimize(angle);
    }
}
BENCHMARK(BM_AngleChainFloor)->Arg(501)->Arg(1309)->Unit(benchmark::kMicrosecond);

} // namespace
