// Time of one ComputeBallistics for a rifle load at the default conditions (100 yd steps to
// 500 yd) and out to 1000 yd, and of two loads computed together as the grid does ("per_flight"
// is the time of one of them).
#include "ballistics/BallisticEngine.h"

#include <benchmark/benchmark.h>

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

} // namespace
