#include "catalog/SectionTraits.h"

#include <algorithm>

namespace corvane {

namespace {

constexpr FilterListTexts kBrandList{"Pick a brand", "** Show all brands **", "Pick a Brand"};
constexpr FilterListTexts kUsageList{"Pick a usage", "** Show all usage **", "Pick a Usage"};
constexpr FilterListTexts kCaliberList{"Pick a caliber", "** Show all calibers **",
                                       "Pick a Caliber"};
constexpr FilterListTexts kGaugeList{"Pick a gauge", "** Show all gauges **", "Pick a Gauge"};
constexpr FilterListTexts kBulletList{"Pick a bullet style", "** Show all bullet styles **",
                                      "Pick a Bullet Style"};
constexpr FilterListTexts kNoList{"", "", ""};

constexpr std::array<FilterListTexts, kFilterListCount> kBulletLists{kBrandList, kUsageList,
                                                                     kCaliberList, kBulletList};

constexpr std::array<SectionTraits, kSectionCount> kSections{{
    {CatalogTab::Rifle, "Centerfire Rifle", RecordFamily::BulletLoad, 162, 300, "t00dr.dat", 0,
     false, true, false, StyleSource::BulletStyle, "Bullet Style", 4, kBulletLists},
    {CatalogTab::Pistol, "Centerfire Pistol", RecordFamily::BulletLoad, 162, 100, "t01dr.dat", 1,
     false, true, false, StyleSource::BulletStyle, "Bullet Style", 4, kBulletLists},
    {CatalogTab::Rimfire, "Rimfire", RecordFamily::Rimfire, 151, 30, "t02dr.dat", 2, false, false,
     false, StyleSource::BulletStyle, "Bullet Style", 4, kBulletLists},
    {CatalogTab::Slug,
     "Slug",
     RecordFamily::Slug,
     179,
     30,
     "t03dr.dat",
     3,
     true,
     false,
     false,
     StyleSource::SlugStyle,
     "Slug Style",
     4,
     {kBrandList, kUsageList, kGaugeList,
      FilterListTexts{"Pick a slug style", "** Show all slug styles **", "Pick a Slug Style"}}},
    {CatalogTab::Shotshell,
     "Shotshell",
     RecordFamily::Shotshell,
     238,
     130,
     "t04dr.dat",
     -1,
     true,
     false,
     true,
     StyleSource::ShotSizes,
     "Pellet Style",
     4,
     {kBrandList, kUsageList, kGaugeList,
      FilterListTexts{"Pick a pellet size", "** Show all pellet sizes **", "Pick a Pellet Size"}}},
    // The style button is never shown here (no load is clicked); it keeps the common caption.
    {CatalogTab::Components,
     "Components",
     RecordFamily::Component,
     194,
     30,
     "t05dr.dat",
     -1,
     false,
     false,
     false,
     StyleSource::None,
     "Bullet Style",
     1,
     {FilterListTexts{"Pick a component", "** Show all components **", "Pick a Component"}, kNoList,
      kNoList, kNoList}},
}};

} // namespace

const SectionTraits& Traits(CatalogTab tab) {
    const int index = std::clamp(TabIndex(tab), 0, kSectionCount - 1);
    return kSections[static_cast<std::size_t>(index)];
}

} // namespace corvane
