// The own loads reader on any bytes: it ends with a document or an error, and a document it
// accepts is written and read back unchanged.
#include "FuzzSupport.h"

#include "rifle/MyLoads.h"

#include <cstdint>
#include <string_view>

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto read = ParseMyLoads(text, "fuzz.json");
    if (!read) {
        FUZZ_CHECK(read.Error().kind == ReadError::Kind::Malformed);
        FUZZ_CHECK(!read.Error().detail.empty());
        return 0;
    }
    const auto again = ParseMyLoads(MyLoadsJson(read.Value()), "again.json");
    // Texts with broken UTF-8 are written with replacement characters, so only the numbers
    // and the counts must survive whole.
    FUZZ_CHECK(again.Ok());
    FUZZ_CHECK(again.Value().loads.size() == read.Value().loads.size());
    FUZZ_CHECK(again.Value().rifles.size() == read.Value().rifles.size());
    for (std::size_t i = 0; i < read.Value().loads.size(); ++i) {
        FUZZ_CHECK(again.Value().loads[i].muzzleVelocity == read.Value().loads[i].muzzleVelocity);
        FUZZ_CHECK(again.Value().loads[i].twist == read.Value().loads[i].twist);
    }
    return 0;
}
