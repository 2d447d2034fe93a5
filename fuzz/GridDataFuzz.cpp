// The whole catalog grid over fuzzed records: the first byte picks the section and the unit
// system, then come the panel texts, then the load table. Every cell text is built without
// reading outside the records and the grid has one row per load shown.
#include "FuzzSupport.h"

#include "ballistics/FixedWidthMeasure.h"
#include "ballistics/GridData.h"
#include "catalog/RecordLayout.h"
#include "catalog/ShownLoads.h"
#include "settings/AppSettings.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto tab = static_cast<CatalogTab>(input.ConsumeIntegralInRange<int>(0, 5));
    AppSettings settings;
    settings.EnglSys = input.ConsumeBool();
    settings.RifleSightHeight = input.ConsumeFloatingPointInRange(0.0, 10.0);
    PanelTexts panel;
    panel.Altitude = input.ConsumeRandomLengthString(16);
    panel.Temperature = input.ConsumeRandomLengthString(16);
    panel.CrossWind = input.ConsumeRandomLengthString(16);
    panel.Increment = std::to_string(input.ConsumeIntegralInRange<int>(-5, 1000));
    panel.Range = std::to_string(input.ConsumeIntegralInRange<int>(-5, 2000));
    panel.ZeroAt = input.ConsumeRandomLengthString(8);
    const std::string names = input.ConsumeRandomLengthString(64);

    const SectionTraits& info = Traits(tab);
    std::vector<LoadRecord> records;
    const std::vector<std::uint8_t> table = input.ConsumeRemainingBytes<std::uint8_t>();
    for (std::size_t at = 0; at + info.recordSize <= table.size() && records.size() < info.capacity;
         at += info.recordSize) {
        const std::vector<std::uint8_t> bytes(
            table.begin() + static_cast<std::ptrdiff_t>(at),
            table.begin() + static_cast<std::ptrdiff_t>(at + info.recordSize));
        records.push_back(DecodeRecord(info.family, bytes));
    }
    ShownLoads shown;
    for (std::size_t i = 0; i < records.size(); ++i) {
        shown.Add(tab == CatalogTab::Components ? ComponentSortKey(records[i])
                                                : LoadSortKey(tab, records[i]),
                  static_cast<int>(i));
    }
    // Names of IDs: a slice of the input's name text, empty for IDs beyond it.
    const NameLookup lookup = [&names](int id, ListKind) -> std::string {
        if (id < 0 || static_cast<std::size_t>(id) >= names.size()) {
            return {};
        }
        return names.substr(static_cast<std::size_t>(id), 8);
    };
    const FixedWidthMeasure measure;
    const GridRequest request{
        .Section = tab,
        .Records = records,
        .Shown = shown,
        .LookupName = lookup,
        .Panel = panel,
        .Settings = settings,
        .Measure = measure,
    };
    const GridData grid = BuildGridData(request);
    FUZZ_CHECK(grid.RowCount() == static_cast<int>(shown.Count()) + 1);
    FUZZ_CHECK(grid.RecordIndexes.size() == grid.Cells.size());
    for (const auto& row : grid.Cells) {
        FUZZ_CHECK(static_cast<int>(row.size()) == grid.ColumnCount());
    }
    return 0;
}
