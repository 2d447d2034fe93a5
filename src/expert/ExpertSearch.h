#pragma once
// The wizard's catalog look-ups: the caliber or gauge list of a firearm and usage, and the loads
// recommended for the chosen caliber or gauge.
#include "catalog/Catalog.h"

#include <string>
#include <vector>

namespace corvane {

struct NamedId {
    std::string name; // Windows-1252
    int id = 0;
};

struct CaliberChoices {
    int searchTab = -1;           // section searched, see SearchTabFor
    std::vector<NamedId> entries; // sorted by name without regard to case, each name once
};

struct ExpertResult {
    std::string loadNumber; // as stored, not trimmed
    CatalogTab section = CatalogTab::Rifle;
    int recordIndex = 0;
};

// True when the load serves the usage: its usage flag is set, or for "Match" its brand belongs
// to the match product line. Shotshells count for "Match" by their brand only.
bool ServesUsage(Catalog& catalog, CatalogTab section, const LoadRecord& record, int usageCode);

// The calibers (rifle, handgun, rimfire) or gauges (slug, then shotshell) that have loads
// serving the usage. Loads the sections' tables when needed. A name already listed keeps the
// ID it came with first, so a gauge with slug and shotshell loads carries the slug gauge ID.
CaliberChoices BuildCaliberChoices(Catalog& catalog, int firearmKind, int usageCode);

// The loads of the searched section(s) in the caliber or gauge that serve the usage, sorted by
// load number without regard to case (an equal load number goes before those found earlier).
std::vector<ExpertResult> FindExpertLoads(Catalog& catalog, int searchTab, int usageCode,
                                          int chosenCode);

} // namespace corvane
