#pragma once
// A new own load started from a catalog load, for a shooter who fires it from their own rifle
// and will put in their own barrel's velocity.
#include "catalog/LoadRecord.h"
#include "rifle/MyLoads.h"

#include <optional>
#include <string_view>

namespace corvane {

// The load of a section with ballistics as an own load: named "<brand> <load number>", with its
// caliber (or gauge) name, weight in grains (a slug's ounces converted), G1 coefficient, muzzle
// velocity and the test barrel's length. The names are the catalog's Windows-1252 texts; the
// own load holds UTF-8. None for a section without ballistics or numbers an own load cannot
// hold (a record without a coefficient).
std::optional<OwnLoad> OwnLoadFromCatalog(const LoadRecord& record, CatalogTab section,
                                          std::string_view brandName, std::string_view caliberName);

} // namespace corvane
