#pragma once
// Broken load tables made from good ones, shared by the tool's and the window's hostile catalog
// tests: where each record family keeps its strings, doubles and list IDs, and the damaged
// copies of a table that every reader must survive.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace corvane::test {

struct FamilyLayout {
    int section;
    const char* table;
    std::size_t recordSize;
    std::size_t capacity;
    std::vector<std::size_t> strings; // offsets of the length bytes
    std::vector<std::size_t> doubles;
    std::vector<std::size_t> ids;
    std::size_t firstFlag; // usage flags of families 0-4 (20), 0 for none
};

inline const std::array<FamilyLayout, 6> kFamilyLayouts{{
    {0, "t00dr.dat", 162, 300, {4, 35, 76, 99}, {64, 91}, {56, 72, 158}, 15},
    {1, "t01dr.dat", 162, 100, {4, 35, 76, 99}, {64, 91}, {56, 72, 158}, 15},
    {2, "t02dr.dat", 151, 30, {4, 35, 88}, {64, 80}, {56, 72, 147}, 15},
    {3, "t03dr.dat", 179, 30, {4, 35, 100, 116}, {60, 68, 84, 92}, {56, 76, 175}, 15},
    {4, "t04dr.dat", 238, 130, {4, 35, 68, 155, 171}, {60, 147}, {56, 230, 234}, 15},
    {5, "t05dr.dat", 194, 30, {8, 21, 40, 51, 92, 133}, {32}, {4}, 0},
}};

inline std::string RandomBytes(std::size_t count, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(count, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(random() & 0xFF);
    }
    return bytes;
}

// The tables are little-endian, like every machine this builds on.
inline void PutInt(std::string& bytes, std::size_t offset, std::int32_t value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}
inline void PutDouble(std::string& bytes, std::size_t offset, double value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

struct DamagedTable {
    std::string what;
    std::string bytes;
};

// Every record's length bytes set to 255.
inline std::string WithLongLengthBytes(const FamilyLayout& layout, std::string table) {
    for (std::size_t base = 0; base + layout.recordSize <= table.size();
         base += layout.recordSize) {
        for (std::size_t offset : layout.strings) {
            table[base + offset] = '\xff';
        }
    }
    return table;
}

// List IDs far outside their lists (9999, -1, INT_MIN, INT_MAX in turn) and every flag set.
inline std::string WithAlienIds(const FamilyLayout& layout, std::string table) {
    constexpr std::int32_t kAlien[] = {9999, -1, std::numeric_limits<std::int32_t>::min(),
                                       std::numeric_limits<std::int32_t>::max()};
    std::size_t record = 0;
    for (std::size_t base = 0; base + layout.recordSize <= table.size();
         base += layout.recordSize, ++record) {
        for (std::size_t offset : layout.ids) {
            PutInt(table, base + offset, kAlien[record % 4]);
        }
        if (layout.firstFlag != 0) {
            std::memset(table.data() + base + layout.firstFlag, 1, 20);
            if (layout.section == 4) {
                std::memset(table.data() + base + 109, 1, 30); // every shot size flag
            }
        }
    }
    return table;
}

// NaN, infinities, -0, the largest and the smallest doubles in turn; `nonFinite` counts the
// NaN and infinite values written.
inline std::string WithOddDoubles(const FamilyLayout& layout, std::string table,
                                  int* nonFinite = nullptr) {
    constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const double odd[] = {kNan, kInf, -kInf, -0.0, 1e308, 5e-324};
    std::size_t record = 0;
    for (std::size_t base = 0; base + layout.recordSize <= table.size();
         base += layout.recordSize, ++record) {
        for (std::size_t offset : layout.doubles) {
            const double value = odd[(record + offset) % 6];
            PutDouble(table, base + offset, value);
            if (nonFinite != nullptr && !std::isfinite(value)) {
                ++*nonFinite;
            }
        }
    }
    return table;
}

// Damaged copies of the good table `sample` (at least two records).
inline std::vector<DamagedTable> DamagedTables(const FamilyLayout& layout,
                                               const std::string& sample) {
    std::string tooLong;
    while (tooLong.size() < (layout.capacity + 5) * layout.recordSize) {
        tooLong += sample.substr(0, layout.recordSize);
    }
    return {
        {"empty", std::string()},
        {"one byte", std::string(1, '\x7f')},
        {"random bytes", RandomBytes(7 * layout.recordSize + 3, 17)},
        {"all bytes 255", std::string(5 * layout.recordSize, '\xff')},
        {"cut in the second record", sample.substr(0, layout.recordSize + layout.recordSize / 2)},
        {"beyond the capacity", tooLong},
        {"length bytes of 255", WithLongLengthBytes(layout, sample)},
        {"IDs beyond every list", WithAlienIds(layout, sample)},
        {"non-finite doubles", WithOddDoubles(layout, sample)},
    };
}

} // namespace corvane::test
