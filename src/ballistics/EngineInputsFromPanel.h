#pragma once
// Engine inputs for one load row from the ballistics control panel texts and the load record;
// shared by the catalog grid, the load report and the tool.
#include "ballistics/BallisticEngine.h"
#include "catalog/LoadRecord.h"

#include <cstdint>
#include <string>

namespace corvane {

// The control panel's entry texts as typed (Windows-1252), in the panel's unit system.
struct PanelTexts {
    std::string Altitude;    // feet or meters
    std::string Temperature; // degrees F or C
    std::string CrossWind;   // mph or m/s
    std::string Increment;   // yards or meters, integer
    std::string Range;       // yards or meters, integer
    std::string ZeroAt;      // yards or meters, integer
};

// The three integers of the panel: a text that is not an integer counts as 0, except the zero
// range, which then equals the increment.
struct PanelRanges {
    std::int32_t Increment = 0;
    std::int32_t Range = 0;
    std::int32_t ZeroAt = 0;
    // Range points shown: range div increment, 0 when the increment is 0.
    std::int32_t RangeCount() const;
};
PanelRanges ReadPanelRanges(const PanelTexts& panel);

// A decimal entry of the panel; `fallback` when the text does not convert.
double ReadPanelDecimal(const std::string& text, double fallback);

// A panel distance (yards or meters) as the engine takes it: feet for an increment, yards for
// a zero range.
double PanelFeet(std::int32_t units, bool english);
double PanelYards(std::int32_t units, bool english);

// Minutes of angle of the bore line above the line to a point `drop` inches below the bore,
// `distance` panel units away, from a sight `sightHeight` inches above the bore: what the load
// report's zero adjustments and the range card's come-ups are differences of.
double BoreAngleMoa(double drop, double sightHeight, double distance, bool english);

// Metric panels hold meters, degrees C and m/s; the engine always works in English units.
// `sightHeight` is the section's sight height in inches in both unit systems.
EngineInputs EngineInputsFromPanel(const PanelTexts& panel, CatalogTab section,
                                   const LoadRecord& load, bool english, double sightHeight);

} // namespace corvane
