#pragma once
// What sets the six catalog sections apart, in one table: the load table's record family and
// file, the filter lists' texts and which parts of the catalog a section has. Code asks these
// traits rather than comparing section numbers.
#include "catalog/LoadRecord.h"

#include <array>
#include <cstddef>

namespace corvane {

// The filter lists of a load section, in this order. The components section has one list, the
// component type list, in the first place.
enum class FilterListKind : int { Brand = 0, Usage = 1, Caliber = 2, Style = 3 };
inline constexpr std::size_t kFilterListCount = 4;
inline constexpr FilterListKind kComponentTypeList = FilterListKind::Brand;

// One drop-down filter list's texts: the prompt put first whenever the section is shown, the
// "show all" entry (which also replaces the prompt on drop-down) and the list's hint.
struct FilterListTexts {
    const char* prompt;
    const char* showAll;
    const char* hint;
};

// Where a load's style, the fourth filter and the description key, comes from.
enum class StyleSource { BulletStyle, SlugStyle, ShotSizes, None };

struct SectionTraits {
    CatalogTab tab;
    const char* caption; // the section's tab
    RecordFamily family;
    std::size_t recordSize;
    std::size_t capacity;
    const char* tableFile; // "t00dr.dat" ...
    // Place in the four-entry ballistics settings (sight height, panel choices); -1 for the
    // sections without ballistics.
    int ballisticsSlot;
    bool gauge;        // shotgun sections: gauge rather than caliber, weights in ounces
    bool primerNumber; // loads carry a primer number
    bool pelletData;   // loads have pellet data
    StyleSource style;
    const char* styleCaption; // the detail area's style view button
    std::size_t filterListCount;
    std::array<FilterListTexts, kFilterListCount> lists;

    bool HasBallistics() const { return ballisticsSlot >= 0; }
    bool IsComponents() const { return family == RecordFamily::Component; }
    const FilterListTexts& List(FilterListKind kind) const {
        return lists[static_cast<std::size_t>(kind)];
    }
};

const SectionTraits& Traits(CatalogTab tab);

// The style list ID of a load whose style is a bullet or slug style.
inline int StyleIdOf(StyleSource style, const LoadRecord& record) {
    return style == StyleSource::SlugStyle ? record.SlugStyleId : record.BulletStyleId;
}

// The load sections, every section but the components.
inline constexpr std::array<CatalogTab, 5> kLoadSections{CatalogTab::Rifle, CatalogTab::Pistol,
                                                         CatalogTab::Rimfire, CatalogTab::Slug,
                                                         CatalogTab::Shotshell};

} // namespace corvane
