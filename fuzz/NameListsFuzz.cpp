// Name lists and filter lists: the input holds a section's name list files and its load table.
// Lookups of any ID end with a name or an empty text, and the filter builder, with all filters
// on "show all" and then with fuzzed choices, shows only records of the table and never more.
#include "FuzzSupport.h"

#include "catalog/Catalog.h"
#include "catalog/FilterLists.h"
#include "catalog/RecordLayout.h"
#include "common/UserPrompts.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace corvane;

namespace {

// Selects the item of a box the input names, or none.
void Choose(FuzzedDataProvider& input, FilterBox& box) {
    const int pick = input.ConsumeIntegralInRange<int>(-1, 40);
    box.selected = pick < static_cast<int>(box.items.size()) ? pick : -1;
}

void CheckShown(const ShownLoads& shown, int loadCount) {
    FUZZ_CHECK(shown.Count() <= static_cast<std::size_t>(loadCount));
    for (const ShownLoad& load : shown.Entries()) {
        FUZZ_CHECK(load.recordIndex >= 0 && load.recordIndex < loadCount);
    }
}

void CheckBox(const FilterBox& box) {
    FUZZ_CHECK(!box.items.empty() && box.items[0].id == 0);
    FUZZ_CHECK(box.selected >= -1 && box.selected < static_cast<int>(box.items.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto tab = static_cast<CatalogTab>(input.ConsumeIntegralInRange<int>(0, 5));
    const std::string digit = std::to_string(TabIndex(tab));
    const auto dataDir = fuzz::ScratchProgramDir() / "Data";
    fuzz::ClearDataDir();
    if (tab == CatalogTab::Components) {
        fuzz::WriteBytes(dataDir / "t5pt.lst", input.ConsumeRandomLengthString(4096));
    } else {
        for (const char* suffix : {"br", "ca", "bu", "us"}) {
            fuzz::WriteBytes(dataDir / ("t" + digit + suffix + ".lst"),
                             input.ConsumeRandomLengthString(4096));
        }
        fuzz::WriteBytes(dataDir / "t4pm.lst", input.ConsumeRandomLengthString(1024));
    }
    const std::vector<int> ids = {input.ConsumeIntegral<int>(), input.ConsumeIntegral<int>()};
    const std::vector<std::uint8_t> choices = input.ConsumeBytes<std::uint8_t>(8);
    const std::string table = input.ConsumeRemainingBytesAsString();
    fuzz::WriteBytes(dataDir / Traits(tab).tableFile, table);

    SilentPrompts prompts;
    Catalog catalog(fuzz::ScratchProgramDir(), prompts);
    ShownLoads shown;
    if (tab == CatalogTab::Components) {
        FilterBox typeBox;
        BuildComponentList(catalog, typeBox, shown);
        CheckBox(typeBox);
        const int loads = catalog.LoadCount(tab);
        FUZZ_CHECK(shown.Count() == static_cast<std::size_t>(loads));
        CheckShown(shown, loads);
        FuzzedDataProvider pick(choices.data(), choices.size());
        Choose(pick, typeBox);
        BuildComponentList(catalog, typeBox, shown);
        CheckShown(shown, loads);
        return 0;
    }

    for (int kind = 0; kind <= 4; ++kind) {
        for (int id : {ids[0], ids[1], -1, 0, 1, 2, 1 << 30}) {
            (void)catalog.LookupName(id, tab, static_cast<ListKind>(kind));
        }
    }
    FilterBox brand, usage, bullet, caliber;
    BuildFilterLists(catalog, tab, brand, usage, bullet, caliber, shown);
    const int loads = catalog.LoadCount(tab);
    FUZZ_CHECK(loads <= static_cast<int>(Traits(tab).capacity));
    // Nothing chosen: every load is shown.
    FUZZ_CHECK(shown.Count() == static_cast<std::size_t>(loads));
    CheckShown(shown, loads);
    FuzzedDataProvider pick(choices.data(), choices.size());
    for (int round = 0; round < 2; ++round) {
        Choose(pick, brand);
        Choose(pick, usage);
        Choose(pick, bullet);
        Choose(pick, caliber);
        BuildFilterLists(catalog, tab, brand, usage, bullet, caliber, shown);
        for (const FilterBox* box : {&brand, &usage, &bullet, &caliber}) {
            CheckBox(*box);
        }
        CheckShown(shown, loads);
    }
    return 0;
}
