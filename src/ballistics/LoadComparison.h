#pragma once
// The comparison table beneath the trajectory chart: the values of up to four loads at every
// range point, side by side, with the texts of the catalog grid's cells (without their padding).
#include "ballistics/EngineInputsFromPanel.h"
#include "catalog/LoadRecord.h"

#include <optional>
#include <string>
#include <vector>

namespace corvane {

inline constexpr int kMaxComparedLoads = 4;

// Rows of texts (UTF-8: the shooter's own load names are beyond Windows-1252). Row 0: "LOAD NO.",
// "MUZZLE" and the range labels. Then, for velocity, energy, wind drift and trajectory in turn, a
// row with the grid's group heading followed by one row per load: its load number and its values.
// Drift and trajectory have no muzzle value; the zero range reads "zero"; a load that cannot be
// computed has empty values.
struct ComparisonRow {
    std::vector<std::string> Cells;
    bool Heading = false; // row 0 and the group headings
};
using ComparisonRows = std::vector<ComparisonRow>;

// One compared load: the label its rows start with (UTF-8: a catalog load's number, or the name
// of one of the shooter's own loads) and its engine inputs under the panel's conditions.
struct ComparedLoad {
    std::string Label;
    EngineInputs Inputs;
    // Values already computed by another model at the table's points; none: the catalog's
    // engine computes them from Inputs.
    std::optional<BallisticResults> Results = std::nullopt;
};

// A catalog load as compared: its load number and its table row's inputs.
ComparedLoad CatalogComparedLoad(CatalogTab section, const LoadRecord& load,
                                 const PanelTexts& panel, bool english, double sightHeight);

// `section` gives the unit words, `sightHeight` (inches) the trajectory heading; `loads` in the
// order marked (only the first kMaxComparedLoads count).
ComparisonRows LoadComparisonRows(CatalogTab section, const std::vector<ComparedLoad>& loads,
                                  const PanelTexts& panel, bool english, double sightHeight);
// Catalog loads only.
ComparisonRows LoadComparisonRows(CatalogTab section, const std::vector<LoadRecord>& loads,
                                  const PanelTexts& panel, bool english, double sightHeight);

// The conditions the values are computed under, in the units on show, one "Name: value unit"
// text each: altitude, temperature, crosswind, sight height (`sightHeight` in inches), zero
// range and the unit system.
std::vector<std::string> ComparisonConditions(const PanelTexts& panel, bool english,
                                              double sightHeight);

// Comma-separated lines ending in CR LF, after one "# " comment line per condition (conditions
// in Windows-1252, the text in UTF-8); a field holding a comma, a quote or a line break is
// quoted, its quotes doubled.
std::string ComparisonCsvText(const ComparisonRows& rows,
                              const std::vector<std::string>& conditions = {});

} // namespace corvane
