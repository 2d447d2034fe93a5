#pragma once
// The shot sizes of a shotshell load with their typical pellet counts and diameters: the rows
// of the pellet data window and the shot rows of the load report come from here.
#include "catalog/LoadRecord.h"
#include "catalog/ReadError.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class Catalog;

enum class ShotMaterial { None, Lead, Steel, Tungsten };

// The material class of a shot material name: "LEAD", else "STEEL", else "TUNGSTEN" anywhere in
// it, in any case; anything else (also an empty name) is None.
ShotMaterial ShotMaterialOf(std::string_view materialName);

// A load whose shot size text names pellets is a buckshot load.
bool IsBuckshotLoad(const LoadRecord& load);

struct ShotRow {
    int shotSizeId = 0;                // 1-29
    int entry = 0;                     // row of ShotSizeTable
    std::string name;                  // the entry's name
    std::optional<std::int64_t> count; // pellets in the charge; none when the material is None
    std::string countText;             // the count, or "---" when the material is None
    std::string diameterText;          // inches fixed 3 (English), centimeters fixed 2 (Metric)
};

struct PelletTable {
    bool buckshot = false;
    bool englSys = true;
    ShotMaterial material = ShotMaterial::None;
    std::vector<std::string> headings;    // 2 columns for buckshot, else 3
    std::vector<ShotRow> rows;            // one per set shot size flag that the index maps
    std::vector<int> unmappedShotSizeIds; // set flags without a usable index line
    std::string weightText;               // "1.125 oz." or "31.90 Grams"
    std::string loadCaption;              // "Load:  <number>  Weight:  <weight text>"
};

// The table for a shotshell load. `index` is the shot-size index file's content
// (ReadShotSizeIndex), `materialName` the load's shot material name. A set flag with no index
// line, or whose line names no table entry, gives no row and is listed in unmappedShotSizeIds.
// Entries without pellets per ounce (buckshot and the blank) count 0 like an unoffered shot.
PelletTable BuildPelletTable(const LoadRecord& load, const std::vector<int>& index,
                             std::string_view materialName, bool englSys);

// The same for record `loadIndex` of the shotshell section: reads "t4indx.lst" afresh and
// looks up the material name. An error naming the file that cannot be read, or the table
// (MissingEntry) for a record index outside the loaded section.
ReadResult<PelletTable> BuildPelletTable(Catalog& catalog, int loadIndex, bool englSys);

// The cell texts of the pellet data window, one vector per row (headings not included): the
// name after four blanks, the count and the diameter after eight blanks each.
std::vector<std::vector<std::string>> PelletGridCells(const PelletTable& table);

// Diameter of the first set shot size of a load (inches, or centimeters when !englSys); 0 when
// no flag is set, nothing when that shot size has no usable index line.
std::optional<double> PelletDiameter(const LoadRecord& load, const std::vector<int>& index,
                                     bool englSys);

} // namespace corvane
