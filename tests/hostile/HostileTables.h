#pragma once
// Broken load tables, shared by the tool's and the window's hostile catalog tests: the damage
// any file may suffer, made from a good table, and the checked-in broken records of each family
// (tests/data/broken-tables: string length bytes of 255, list IDs beyond every list with every
// flag set, NaN, infinities and extreme doubles), which also seed the load table fuzz corpus.
#include "catalog/CatalogTestSupport.h"
#include "catalog/SectionTraits.h"

#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace corvane::test {

inline std::string RandomBytes(std::size_t count, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(count, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(random() & 0xFF);
    }
    return bytes;
}

// The checked-in table of six broken records of the section's family ("long-lengths",
// "alien-ids" or "odd-doubles").
inline std::string BrokenRecords(CatalogTab tab, const std::string& damage) {
    return ReadFile(std::filesystem::path(CORVANE_TEST_DATA_DIR) / "broken-tables" /
                    (std::string(Traits(tab).tableFile).substr(0, 5) + "-" + damage + ".dat"));
}

inline std::string AllBrokenRecords(CatalogTab tab) {
    return BrokenRecords(tab, "long-lengths") + BrokenRecords(tab, "alien-ids") +
           BrokenRecords(tab, "odd-doubles");
}

struct DamagedTable {
    std::string what;
    std::string bytes;
};

// Damaged copies of the section's good table `sample` (at least two records).
inline std::vector<DamagedTable> DamagedTables(CatalogTab tab, const std::string& sample) {
    const SectionTraits& info = Traits(tab);
    std::string tooLong;
    while (tooLong.size() < (info.capacity + 5) * info.recordSize) {
        tooLong += sample.substr(0, info.recordSize);
    }
    return {
        {"empty", std::string()},
        {"one byte", std::string(1, '\x7f')},
        {"random bytes", RandomBytes(7 * info.recordSize + 3, 17)},
        {"all bytes 255", std::string(5 * info.recordSize, '\xff')},
        {"cut in the second record", sample.substr(0, info.recordSize + info.recordSize / 2)},
        {"beyond the capacity", tooLong},
        {"length bytes of 255", BrokenRecords(tab, "long-lengths")},
        {"IDs beyond every list", BrokenRecords(tab, "alien-ids")},
        {"non-finite doubles", BrokenRecords(tab, "odd-doubles")},
    };
}

inline std::vector<CatalogTab> AllSections() {
    std::vector<CatalogTab> tabs;
    for (int i = 0; i < kSectionCount; ++i) {
        tabs.push_back(static_cast<CatalogTab>(i));
    }
    return tabs;
}

} // namespace corvane::test
