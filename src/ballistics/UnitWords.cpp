#include "ballistics/UnitWords.h"

#include "catalog/SectionTraits.h"
#include "common/UnitConversion.h"

namespace corvane {

UnitWords MakeUnitWords(CatalogTab tab, bool english) {
    UnitWords words;
    if (english) {
        // Slugs and shot (the gauge sections) are weighed in ounces, bullets in grains.
        words.Weight = Traits(tab).gauge ? "OUNCES" : "GRAINS";
        words.Distance = "YDS";
        words.Velocity = "FEET PER SECOND";
        words.Energy = "FOOT-POUNDS";
        words.LongLength = "INCHES";
        words.ShortLength = "INCH";
        words.Wind = "MPH";
        words.BarrelLength = words.LongLength;
        words.LengthFactor = 1.0;
    } else {
        words.Weight = "GRAMS";
        words.Distance = "MTS";
        words.Velocity = "METERS PER SECOND";
        words.Energy = "JOULES";
        words.LongLength = "CENTIMETERS";
        words.ShortLength = "CM";
        words.Wind = "MPS";
        words.BarrelLength = words.ShortLength;
        words.LengthFactor = kCentimetersPerInch;
    }
    return words;
}

} // namespace corvane
