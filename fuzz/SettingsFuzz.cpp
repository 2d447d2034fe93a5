// The settings model over a store holding anything: the input is a list of (name, kind, value)
// entries for the names the model reads (and some it does not). Reading never fails, the reals
// come out finite and in range, and what is read survives being written and read back.
#include "FuzzSupport.h"

#include "settings/MemorySettingsBackend.h"
#include "settings/SettingsStore.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

using namespace corvane;

namespace {

// Every name the model reads, learned from a read of an empty store.
const std::vector<std::string>& SettingNames() {
    static const std::vector<std::string> names = [] {
        MemorySettingsBackend empty;
        (void)ReadSettings(empty);
        (void)ReadTableDirectory(empty, "");
        std::vector<std::string> read = empty.Reads();
        read.push_back("NotASetting");
        return read;
    }();
    return names;
}

StoredValue ArbitraryValue(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange<int>(0, 4)) {
    case 0:
        return StoredValue::Absent();
    case 1:
        return StoredValue::OfInteger(input.ConsumeIntegral<std::int32_t>());
    case 2: {
        // Raw bits, so NaNs, infinities and denormals all occur.
        const auto bits = input.ConsumeIntegral<std::uint64_t>();
        double real = 0;
        static_assert(sizeof real == sizeof bits);
        std::memcpy(&real, &bits, sizeof real);
        return StoredValue::OfReal(real);
    }
    case 3:
        return StoredValue::OfText(input.ConsumeRandomLengthString(64));
    default:
        return StoredValue::OfOther();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::vector<std::string>& names = SettingNames();
    MemorySettingsBackend store;
    while (input.remaining_bytes() > 0) {
        const std::string& name =
            names[input.ConsumeIntegralInRange<std::size_t>(0, names.size() - 1)];
        store.Put(name, ArbitraryValue(input));
    }

    const AppSettings read = ReadSettings(store);
    for (double real : {read.DefaultAltitude, read.DefaultTemperature, read.DefaultCrossWind,
                        read.RifleSightHeight, read.PistolSightHeight, read.RimfireSightHeight,
                        read.SlugSightHeight}) {
        FUZZ_CHECK(std::isfinite(real));
    }
    (void)ReadTableDirectory(store, "fallback");

    // Written back whole into the same store (texts stay texts) and read again: the same values.
    FUZZ_CHECK(SaveAllSettings(store, read));
    FUZZ_CHECK(ReadSettings(store) == read);

    // A store that refuses every write reports it and is left as it was.
    MemorySettingsBackend refusing;
    refusing.SetFailWrites(true);
    FUZZ_CHECK(!SaveSettingsGroup(refusing, read, SettingsGroup::DefaultConditions));
    FUZZ_CHECK(ReadSettings(refusing) == AppSettings{});
    return 0;
}
