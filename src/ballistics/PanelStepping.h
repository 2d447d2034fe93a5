#pragma once
// The stepped increment, range and zero choices of the ballistics control panel. Every click of
// an up-down moves one of them and pulls the other two back into agreement: the range is a
// multiple of the increment with at most `MaxRangeSteps` points, and the zero is a whole number
// of increments, at least one, not beyond the range.
#include "catalog/LoadRecord.h"

#include <cstdint>
#include <vector>

namespace corvane {

enum class StepControl { None, Increment, Range, Zero };
enum class StepDirection { Up, Down };

struct PanelChoices {
    std::vector<std::int32_t> Increments; // the section's increment choices
    std::vector<std::int32_t> Ranges;     // the section's maximum range choices
    int IncrementIndex = 0;
    int RangeIndex = 0;
    int ZeroMultiplier = 1; // zero range = increment x this
    int MaxRangeSteps = 12;

    std::int32_t Increment() const;
    std::int32_t Range() const;
    std::int32_t ZeroAt() const { return Increment() * ZeroMultiplier; }
};

// The choice tables of the sections with ballistics, with their default indexes and zero
// multiplier; the other sections get empty tables.
PanelChoices DefaultPanelChoices(CatalogTab tab);

// Applies one click (or, with StepControl::None, only brings the indexes into range).
void StepBallisticsControl(PanelChoices& choices, StepControl control, StepDirection direction);

// Moves only the range index one step, preferring ranges that fit the increment.
void StepRangeIndex(PanelChoices& choices, StepDirection direction);

} // namespace corvane
