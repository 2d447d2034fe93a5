// "descriptions.ini" lookups: the input is a section, a kind, a key and the file. Kinds 0 and 1
// always answer with a text, other kinds than 0-3 with none, and any key and file are taken.
#include "FuzzSupport.h"

#include "catalog/Descriptions.h"
#include "catalog/LoadRecord.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    // One section and kind per input (from its end), so that each run is one quick lookup.
    const auto tab = static_cast<CatalogTab>(input.ConsumeIntegralInRange<int>(0, 5));
    const int kind = input.ConsumeIntegralInRange<int>(-1, 4);
    const std::string key = input.ConsumeRandomLengthString(256);
    const auto productInfo = fuzz::ScratchProgramDir() / "ProductInfo";
    fuzz::WriteBytes(productInfo / "descriptions.ini", input.ConsumeRemainingBytesAsString());

    Descriptions descriptions(productInfo);
    (void)Descriptions::DerivedShotName(key);
    const std::string text =
        descriptions.GetDescription(tab, static_cast<DescriptionKind>(kind), key);
    if (kind == 0 || kind == 1) {
        FUZZ_CHECK(!text.empty());
    }
    if (kind < 0 || kind > 3) {
        FUZZ_CHECK(text.empty());
    }
    // The lines are kept: a second lookup of the section's shot names reads no file.
    (void)descriptions.GetDescription(CatalogTab::Shotshell, DescriptionKind::Bullet, key);
    return 0;
}
