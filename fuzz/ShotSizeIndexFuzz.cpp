// The shot-size index file: any text gives one entry per line, and an entry is handed out only
// when it names a row of the built-in table.
#include "FuzzSupport.h"

#include "catalog/ShotSizes.h"

#include <cstdint>
#include <string_view>

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto dataDir = fuzz::ScratchProgramDir() / "Data";
    fuzz::WriteBytes(dataDir / "t4indx.lst",
                     std::string_view(reinterpret_cast<const char*>(data), size));
    const auto read = ReadShotSizeIndex(dataDir);
    FUZZ_CHECK(read.Ok());
    const std::vector<int>& index = read.Value();
    FUZZ_CHECK(index.size() <= size + 1);
    const int lines = static_cast<int>(index.size());
    for (int id = -2; id <= lines + 2; ++id) {
        const std::optional<int> entry = ShotSizeEntryOf(index, id);
        if (entry) {
            FUZZ_CHECK(id >= 1 && id <= lines);
            const ShotSizeInfo* info = ShotSizeEntryInfo(*entry);
            FUZZ_CHECK(info != nullptr);
            FUZZ_CHECK(info->name.size() <= 5);
            FUZZ_CHECK(info->pellets.has_value() == (*entry <= 15));
        }
    }
    return 0;
}
