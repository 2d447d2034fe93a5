#include "catalog/SectionFilters.h"

namespace corvane {

void SectionFilters::Show(CatalogTab tab, ShownLoads& shown) {
    tab_ = tab;
    // The entry the previous showing put first (the prompt or its "show all" text) goes, so a
    // list never holds two prompts.
    for (std::size_t i = 0; i < kFilterListCount; ++i) {
        FilterBox& box = boxes_[i];
        if (prompted_[i] && !box.items.empty()) {
            box.items.erase(box.items.begin());
        }
        prompted_[i] = false;
        box.selected = 0;
    }
    try {
        Rebuild(shown);
    } catch (const CatalogFileError&) {
        InsertPrompts();
        throw;
    }
    InsertPrompts();
}

void SectionFilters::Pick(FilterListKind list, int index, ShownLoads& shown) {
    boxes_[Slot(list)].selected = index;
    Rebuild(shown);
}

void SectionFilters::ReplacePrompt(FilterListKind list) {
    FilterBox& box = boxes_[Slot(list)];
    if (prompted_[Slot(list)] && !box.items.empty() &&
        box.items.front().text == Texts(list).prompt) {
        box.items.front().text = Texts(list).showAll;
    }
}

bool SectionFilters::Filtered() const {
    for (std::size_t i = 0; i < ListCount(); ++i) {
        if (boxes_[i].selected > 0) {
            return true;
        }
    }
    return false;
}

void SectionFilters::Rebuild(ShownLoads& shown) {
    if (Traits(tab_).IsComponents()) {
        BuildComponentList(catalog_, boxes_[Slot(kComponentTypeList)], shown);
        return;
    }
    // The lists are built afresh: no prompt survives.
    prompted_.fill(false);
    BuildFilterLists(catalog_, tab_, boxes_[Slot(FilterListKind::Brand)],
                     boxes_[Slot(FilterListKind::Usage)], boxes_[Slot(FilterListKind::Style)],
                     boxes_[Slot(FilterListKind::Caliber)], shown);
}

void SectionFilters::InsertPrompts() {
    for (std::size_t i = 0; i < ListCount(); ++i) {
        const auto list = static_cast<FilterListKind>(i);
        FilterBox& box = boxes_[i];
        std::vector<FilterItem> items;
        items.reserve(box.items.size() + 1);
        items.push_back(FilterItem{Texts(list).prompt, 0});
        items.insert(items.end(), box.items.begin(), box.items.end());
        box.items = std::move(items);
        box.selected = 0;
        prompted_[i] = true;
    }
}

} // namespace corvane
