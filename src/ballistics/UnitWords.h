#pragma once
// The unit words of the grid headings for one section in one unit system.
#include "catalog/LoadRecord.h"

#include <string>

namespace corvane {

struct UnitWords {
    std::string Weight;        // "GRAINS" / "OUNCES" / "GRAMS"
    std::string Distance;      // "YDS" / "MTS"
    std::string Velocity;      // "FEET PER SECOND" / "METERS PER SECOND"
    std::string Energy;        // "FOOT-POUNDS" / "JOULES"
    std::string LongLength;    // "INCHES" / "CENTIMETERS"
    std::string ShortLength;   // "INCH" / "CM"
    std::string Wind;          // "MPH" / "MPS"
    std::string BarrelLength;  // "INCHES" / "CM"
    double LengthFactor = 1.0; // inches -> shown length unit
};

// The words of a section in English (`english`) or Metric units.
UnitWords MakeUnitWords(CatalogTab tab, bool english);

} // namespace corvane
