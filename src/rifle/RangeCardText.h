#pragma once
// The range card as text: one row's cells, as the window, the printed card and the CSV show
// them, and the CSV the tool prints and the window saves.
#include "common/FileWrite.h"
#include "rifle/PrecisionCard.h"
#include "rifle/RangeCard.h"

#include <filesystem>
#include <string>
#include <vector>

namespace corvane {

// Range, path, come-up, clicks, wind hold, wind clicks, velocity, energy, time; a row beyond
// the engine's reach has only its range, a sight adjustment that is not known is empty.
std::vector<std::string> RangeCardCells(const RangeCardRow& row);

// A header line, a line per row, then "MaxPointBlank,<range>,<zero>" (empty when none). A card
// of the precision model starts with the comment "# Model: Precision"; the catalog's has none,
// so that it stays the tool's CSV byte for byte.
std::string RangeCardCsv(const RangeCard& card, BallisticModel model = BallisticModel::Catalog);

// The CSV written whole to `file`.
WriteResult WriteRangeCardCsv(const std::filesystem::path& file, const RangeCard& card,
                              BallisticModel model = BallisticModel::Catalog);

} // namespace corvane
