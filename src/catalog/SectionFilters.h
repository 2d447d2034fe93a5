#pragma once
// The filter lists of a section as the user sees them: the four mutually narrowing lists of a
// load section, or the component type list. Whenever a section is shown each list gets its
// prompt as first entry; the first drop-down turns that entry into the list's "show all" text,
// so the list briefly offers "show all" twice. The drop-down lists only show this model.
#include "catalog/FilterLists.h"
#include "catalog/SectionTraits.h"

#include <array>

namespace corvane {

class SectionFilters {
public:
    // Empty lists of `tab` until Show; their texts are `tab`'s already.
    SectionFilters(Catalog& catalog, CatalogTab tab) : catalog_(catalog), tab_(tab) {}

    // Shows `tab`: every list back to its first entry, the lists and `shown` rebuilt, then the
    // prompts put first. Throws CatalogFileError when a name list cannot be read; the prompts
    // are in place even then.
    void Show(CatalogTab tab, ShownLoads& shown);
    // The user picked entry `index` (as listed, prompt included) of a list: the lists and
    // `shown` follow. A load section's lists lose their prompts; the component type list,
    // filled once, keeps it. Throws CatalogFileError as Show does.
    void Pick(FilterListKind list, int index, ShownLoads& shown);
    // What a drop-down does to a list whose first entry is still the prompt.
    void ReplacePrompt(FilterListKind list);

    CatalogTab Tab() const { return tab_; }
    std::size_t ListCount() const { return Traits(tab_).filterListCount; }
    // The entries as listed, prompt included, and the selected one.
    const FilterBox& List(FilterListKind list) const { return boxes_[Slot(list)]; }
    const FilterListTexts& Texts(FilterListKind list) const { return Traits(tab_).List(list); }
    // Some list has an entry other than its first selected.
    bool Filtered() const;

private:
    static std::size_t Slot(FilterListKind list) { return static_cast<std::size_t>(list); }
    void Rebuild(ShownLoads& shown);
    void InsertPrompts();

    Catalog& catalog_;
    CatalogTab tab_;
    std::array<FilterBox, kFilterListCount> boxes_;
    std::array<bool, kFilterListCount> prompted_{};
};

} // namespace corvane
