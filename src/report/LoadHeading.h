#pragma once
// The words that name a load above its details: the detail area's title and recommended uses.
// The load report prints the same uses on its "Usage:" line. Texts are Windows-1252.
#include "ballistics/GridData.h"
#include "catalog/LoadRecord.h"

#include <string>

namespace corvane {

// The names of the usages the load serves, "a, b and c"; empty when it serves none.
std::string LoadUsageText(const LoadRecord& load, const NameLookup& lookupName);

struct LoadDetailHeading {
    std::string Title;    // "Load: <no.>    Caliber: <grid cell>   Brand: <brand>" ("Gauge: " 3-4)
    std::string Usage;    // LoadUsageText
    std::string BrandKey; // the brand's name, which finds its description and picture
    std::string StyleKey; // the bullet or slug style's name, or a shotshell's shot size text
};

// The heading of `load`, shown on row `row` of `grid` (1 for the first load; sections 0-4).
// The caliber or gauge is the grid's cell as shown. Throws what the look-up throws.
LoadDetailHeading BuildLoadDetailHeading(const GridData& grid, int row, const LoadRecord& load,
                                         const NameLookup& lookupName);

} // namespace corvane
