#include "rifle/OwnLoadFromCatalog.h"

#include "catalog/SectionTraits.h"
#include "common/Cp1252.h"
#include "common/TextUtil.h"
#include "common/UnitConversion.h"

namespace corvane {

std::optional<OwnLoad> OwnLoadFromCatalog(const LoadRecord& record, CatalogTab section,
                                          std::string_view brandName,
                                          std::string_view caliberName) {
    const SectionTraits& traits = Traits(section);
    if (!traits.HasBallistics()) {
        return std::nullopt;
    }
    OwnLoad load;
    const std::string name = Trim(Trim(brandName) + " " + Trim(record.LoadNumber));
    load.name =
        Cp1252ToUtf8(name.empty() ? std::string("Catalog load") : name).substr(0, kMaxTextLength);
    load.caliber = Cp1252ToUtf8(Trim(caliberName)).substr(0, kMaxTextLength);
    // Slugs are weighed in ounces; an own load, like the engine, in grains.
    load.bulletWeight = traits.family == RecordFamily::Slug ? record.SlugWeight * kGrainsPerOunce
                                                            : record.BulletWeight;
    load.ballisticCoefficient = record.BallisticCoefficient;
    load.muzzleVelocity = record.MuzzleVelocity;
    if (!WithinLimits(OwnField::BulletWeight, load.bulletWeight) ||
        !WithinLimits(OwnField::BallisticCoefficient, load.ballisticCoefficient) ||
        !WithinLimits(OwnField::MuzzleVelocity, load.muzzleVelocity)) {
        return std::nullopt;
    }
    // The catalog's velocity was measured in this barrel; the shooter changes both together.
    if (WithinLimits(OwnField::BarrelLength, record.BarrelLength)) {
        load.barrelLength = record.BarrelLength;
    }
    return load;
}

} // namespace corvane
