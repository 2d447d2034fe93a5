#pragma once
// The wizard's result page: the texts of the result grid, its column widths and the window
// width that shows them.
#include "catalog/Catalog.h"
#include "common/TextMeasure.h"
#include "expert/ExpertSearch.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

// The window's client width while no result widens it.
inline constexpr int kExpertBaseClientWidth = 272;

using ExpertRow = std::array<std::string, 3>;

// Row 0 holds the headings, row i + 1 result i. No results: no rows at all.
struct ExpertResultTable {
    std::vector<ExpertRow> rows;
    std::vector<CatalogTab> sections; // result i's section: slug and shotshell results mix
    bool Empty() const { return rows.empty(); }
};

// What the catalog needs to show a result: its load number as stored, the text of column 2
// (a shotshell's shot size text tells its loads apart) and the section it was found in.
struct ExpertLoadLink {
    std::string loadNumber;
    std::string shotKey;
    CatalogTab section = CatalogTab::Rifle;
};

// The load of result `result` (0 for the first); none outside the results.
std::optional<ExpertLoadLink> ExpertLoadOfResult(const ExpertResultTable& table, int result);

// Weight column text: bullet grains (English: whole grains) or slug and shot ounces (English:
// three decimals); Metric: grams with two decimals. Empty for no weight.
std::string ExpertWeightText(double weight, bool ounces, bool englSys);

// The grid texts of the results; column 2 is the bullet or slug style name or the shotshell's
// shot size text as stored (the main window's shot key).
ExpertResultTable BuildExpertResultTable(Catalog& catalog, const std::vector<ExpertResult>& results,
                                         int firearmKind, bool englSys);

// Finish on the caliber page: the results for the chosen entry of the caliber list. With no
// entry chosen (an empty list, or an index outside it) the result is empty.
ExpertResultTable FinishExpertSearch(Catalog& catalog, int firearmKind, int usageCode,
                                     const CaliberChoices& choices, int chosenIndex, bool englSys);

// Each column as wide as its widest text, heading included, plus 7 pixels.
std::vector<int> ExpertColumnWidths(const ExpertResultTable& table, const TextMeasure& measure);
// 30 + all column widths when that exceeds the base width; otherwise the width stays.
int ExpertClientWidth(int currentWidth, const std::vector<int>& columnWidths);

} // namespace corvane
