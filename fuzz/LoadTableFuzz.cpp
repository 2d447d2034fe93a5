// Load tables of every record family: the first byte picks the section, the rest is the table
// file. Every record decodes without reading outside its bytes, decoding is stable under
// re-encoding, and the reader returns exactly the whole records up to the section's capacity.
#include "FuzzSupport.h"

#include "catalog/RecordLayout.h"
#include "catalog/TableFile.h"
#include "common/UserPrompts.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const SectionTraits& info = Traits(static_cast<CatalogTab>(data[0] % kSectionCount));
    const std::span<const std::uint8_t> table(data + 1, size - 1);

    // In memory: each whole record on its own, in a buffer of exactly the record size so that
    // AddressSanitizer sees any read past it.
    const std::size_t whole = table.size() / info.recordSize;
    for (std::size_t i = 0; i < whole; ++i) {
        const std::vector<std::uint8_t> bytes(table.begin() + i * info.recordSize,
                                              table.begin() + (i + 1) * info.recordSize);
        const LoadRecord record = DecodeRecord(info.family, bytes);
        const std::vector<std::uint8_t> encoded = EncodeRecord(info.family, record);
        FUZZ_CHECK(encoded.size() == info.recordSize);
        FUZZ_CHECK(EncodeRecord(info.family, DecodeRecord(info.family, encoded)) == encoded);
    }

    // Through a file, as the program reads it.
    const auto file = fuzz::ScratchProgramDir() / "Data" / info.tableFile;
    fuzz::WriteBytes(file,
                     std::string_view(reinterpret_cast<const char*>(table.data()), table.size()));
    SilentPrompts prompts;
    const auto read = ReadLoadTable(file, info.family, info.recordSize, info.capacity, prompts);
    FUZZ_CHECK(read.Ok());
    FUZZ_CHECK(read.Value().size() == std::min(whole, info.capacity));
    return 0;
}
