#pragma once
// The four mutually narrowing filter boxes of a section and the component type box, held as
// plain data; the main window mirrors them in its drop-down lists.
#include "catalog/Catalog.h"
#include "catalog/SectionTraits.h"
#include "catalog/ShownLoads.h"

#include <string>
#include <vector>

namespace corvane {

struct FilterItem {
    std::string text; // Windows-1252
    int id = 0;
};

struct FilterBox {
    std::vector<FilterItem> items;
    int selected = -1; // item index, -1 for none

    // ID of the selected item; 0 for item 0 ("show all") or no selection.
    int SelectedId() const;
    std::string SelectedText() const;
};

// Rebuilds the brand, usage, bullet and caliber boxes of a load section and `shown` from the
// boxes' current selections. Throws CatalogFileError when a name list cannot be read.
void BuildFilterLists(Catalog& catalog, CatalogTab tab, FilterBox& brandBox, FilterBox& usageBox,
                      FilterBox& bulletBox, FilterBox& caliberBox, ShownLoads& shown);

// Fills the component type box on first use and rebuilds `shown` for the components section.
// Throws CatalogFileError when the component type list cannot be read.
void BuildComponentList(Catalog& catalog, FilterBox& typeBox, ShownLoads& shown);

} // namespace corvane
