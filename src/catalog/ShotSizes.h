#pragma once
// The built-in shot size table and the shotshell section's shot-size index file "t4indx.lst",
// which maps a shot size ID to an entry of the table.
#include "catalog/ReadError.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace corvane {

struct PelletsPerOunce {
    int lead = 0; // 0 where the maker offers no such shot
    int steel = 0;
    int tungsten = 0;
};

struct ShotSizeInfo {
    std::string_view name;
    float diameter;                         // inches
    std::optional<PelletsPerOunce> pellets; // entries 0-15 only
};

inline constexpr int kShotSizeEntries = 24;
extern const std::array<ShotSizeInfo, kShotSizeEntries> ShotSizeTable;

// The table entry, or nothing for an entry outside the table.
const ShotSizeInfo* ShotSizeEntryInfo(int entry);

// Reads "t4indx.lst" of the data directory afresh: element k - 1 is the entry of shot size ID k
// (a line that is not a whole number gives 0). An error when unreadable, and when it has no line
// for shot size ID `neededId`: a load's shot sizes must all be in the file.
ReadResult<std::vector<int>> ReadShotSizeIndex(const std::filesystem::path& dataDir,
                                               int neededId = 0);

// The table entry of a shot size ID, or nothing when the index has no line for it or names an
// entry outside the table.
std::optional<int> ShotSizeEntryOf(const std::vector<int>& index, int shotSizeId);

} // namespace corvane
