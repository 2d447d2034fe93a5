#pragma once
// The marks of the print preview's rulers: where each tick of an inch or centimetre scale falls
// on a ruler, given where the paper's edge is and how large the preview shows one unit.
#include <string>
#include <vector>

namespace corvane {

struct RulerTick {
    double Position = 0; // pixels from the ruler's start
    int Level = 0;       // 0 a whole unit, 1 a half unit, 2 a smaller division
    std::string Label;   // the unit's number on labelled whole units, else empty
};

// Ticks from the paper's edge at `origin` pixels over `paperUnits` units (inches, or centimetres
// when `metric`) of `pixelsPerUnit` each, keeping those within [0, length). Divisions are eighths
// of an inch or millimetres, coarser where they would be crowded, and labels stand far enough
// apart to be read.
std::vector<RulerTick> RulerTicks(double origin, double pixelsPerUnit, double paperUnits,
                                  double length, bool metric);

} // namespace corvane
