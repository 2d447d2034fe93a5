// Time to read all six load tables and build the rifle section's filter lists, on synthetic
// tables filled to every section's capacity (so the figure does not depend on the sample).
#include "catalog/Catalog.h"
#include "catalog/FilterLists.h"
#include "catalog/RecordLayout.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace corvane;

void WriteText(const fs::path& file, int lines, const std::string& stem) {
    std::ofstream out(file, std::ios::binary);
    for (int i = 1; i <= lines; ++i) {
        out << stem << ' ' << (i * 7919 % 1000) << "\r\n";
    }
}

LoadRecord Synthetic(int i) {
    LoadRecord r;
    r.YearIntroduced = i % 9 == 0 ? kNewLoadYear : 2001;
    r.LoadNumber = "LN" + std::to_string(i * 37 % 1000);
    r.CaliberId = 1 + i % 40;
    r.BulletWeight = 40 + i % 200;
    r.ShotWeight = 0.75 + (i % 8) * 0.125;
    r.SlugWeight = r.ShotWeight;
    r.BulletStyleId = 1 + i % 25;
    r.SlugStyleId = 1 + i % 25;
    r.UsageFlags[static_cast<std::size_t>(1 + i % 19)] = true;
    r.UsageFlags[static_cast<std::size_t>(1 + i * 3 % 19)] = true;
    r.ShotSizeFlags[static_cast<std::size_t>(1 + i % 29)] = true;
    r.BrandId = 2 + i % 12;
    r.ComponentTypeId = 1 + i % 6;
    r.ItemNumber = "IT" + std::to_string(i);
    return r;
}

// A program folder with full-capacity tables and name lists for every section.
class SyntheticCatalog {
public:
    SyntheticCatalog() {
        root_ = fs::temp_directory_path() /
                ("corvane-bench-catalog-" +
                 std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        const fs::path data = root_ / "Data";
        fs::create_directories(data);
        for (int t = 0; t < kSectionCount; ++t) {
            const SectionTraits& info = Traits(static_cast<CatalogTab>(t));
            std::ofstream out(data / info.tableFile, std::ios::binary);
            for (std::size_t i = 0; i < info.capacity; ++i) {
                const auto bytes = EncodeRecord(info.family, Synthetic(static_cast<int>(i)));
                out.write(reinterpret_cast<const char*>(bytes.data()),
                          static_cast<std::streamsize>(bytes.size()));
            }
            if (t < 5) {
                const std::string n = std::to_string(t);
                WriteText(data / ("t" + n + "br.lst"), 12, "Brand");
                WriteText(data / ("t" + n + "ca.lst"), 40, "Caliber");
                WriteText(data / ("t" + n + "bu.lst"), 29, "Style");
                WriteText(data / ("t" + n + "us.lst"), 19, "Usage");
            }
        }
        WriteText(data / "t4pm.lst", 3, "Material");
        WriteText(data / "t5pt.lst", 6, "Type");
    }
    ~SyntheticCatalog() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    const fs::path& Root() const { return root_; }

private:
    fs::path root_;
};

void BM_ReadTablesAndBuildRifleFilters(benchmark::State& state) {
    static SyntheticCatalog synthetic;
    SilentPrompts prompts;
    for (auto _ : state) {
        Catalog catalog(synthetic.Root(), prompts);
        for (int t = 0; t < kSectionCount; ++t) {
            catalog.LoadSectionTable(static_cast<CatalogTab>(t));
        }
        FilterBox brand, usage, bullet, caliber;
        ShownLoads shown;
        BuildFilterLists(catalog, CatalogTab::Rifle, brand, usage, bullet, caliber, shown);
        benchmark::DoNotOptimize(shown.Count());
    }
}
BENCHMARK(BM_ReadTablesAndBuildRifleFilters)->Unit(benchmark::kMicrosecond);

// A filter change: the tables are already in memory, only the lists are rebuilt.
void BM_RebuildRifleFilters(benchmark::State& state) {
    static SyntheticCatalog synthetic;
    SilentPrompts prompts;
    Catalog catalog(synthetic.Root(), prompts);
    FilterBox brand, usage, bullet, caliber;
    ShownLoads shown;
    BuildFilterLists(catalog, CatalogTab::Rifle, brand, usage, bullet, caliber, shown);
    for (auto _ : state) {
        BuildFilterLists(catalog, CatalogTab::Rifle, brand, usage, bullet, caliber, shown);
        benchmark::DoNotOptimize(shown.Count());
    }
}
BENCHMARK(BM_RebuildRifleFilters)->Unit(benchmark::kMicrosecond);

} // namespace
