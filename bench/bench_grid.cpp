// Building the whole grid data of a 300-load rifle section: headings, every cell text and the
// ballistics of every row, at the default conditions and out to 1000 yards. The grid computes
// its flights on two threads: "Time" is the wall time a user waits, "CPU" that of both threads.
#include "ballistics/FixedWidthMeasure.h"
#include "ballistics/GridData.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace corvane;

// 300 plausible rifle loads over 30 calibers, with a few marks and notes.
std::vector<LoadRecord> SyntheticRifleSection() {
    std::vector<LoadRecord> records;
    for (int i = 0; i < 300; ++i) {
        LoadRecord r;
        r.LoadNumber = "R" + std::to_string(10000 + i);
        r.CaliberId = 1 + i / 10;
        r.BulletWeight = 50 + (i % 10) * 20;
        r.BallisticCoefficient = 0.15 + (i % 13) * 0.03;
        r.MuzzleVelocity = 2200 + (i % 17) * 90;
        r.BulletStyleId = 1 + i % 7;
        r.PrimerNumber = "CLR-" + std::to_string(i % 9);
        r.BarrelLength = 22 + i % 4;
        r.MarkCode = i % 23 == 0 ? "NP" : (i % 31 == 0 ? "HE" : "");
        r.YearIntroduced = i % 19 == 0 ? 2005 : 2001;
        r.Note = i % 11 == 0 ? "Premium match bullet" : "";
        records.push_back(r);
    }
    return records;
}

std::string Name(int id, ListKind kind) {
    return (kind == ListKind::Caliber ? ".30 Caliber " : "Soft Point ") + std::to_string(id);
}

void BuildGrid(benchmark::State& state, PanelTexts panel) {
    const std::vector<LoadRecord> records = SyntheticRifleSection();
    ShownLoads shown;
    for (std::size_t i = 0; i < records.size(); ++i) {
        shown.Add(LoadSortKey(CatalogTab::Rifle, records[i]), static_cast<int>(i));
    }
    const AppSettings settings;
    const FixedWidthMeasure measure;
    const GridRequest request{CatalogTab::Rifle, records, shown, Name, panel, settings, measure};
    for (auto _ : state) {
        GridData grid = BuildGridData(request);
        benchmark::DoNotOptimize(grid);
    }
}

void BM_Grid300DefaultConditions(benchmark::State& state) {
    BuildGrid(state, {"0", "59", "10", "100", "500", "200"});
}
void BM_Grid300To1000Yards(benchmark::State& state) {
    BuildGrid(state, {"0", "59", "10", "100", "1000", "200"});
}

BENCHMARK(BM_Grid300DefaultConditions)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();
BENCHMARK(BM_Grid300To1000Yards)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

} // namespace
