#include "catalog/FilterLists.h"

#include "catalog/TextFile.h"
#include "common/TextUtil.h"

#include <algorithm>
#include <array>

namespace corvane {

namespace {

constexpr int kNewLoadsId = 1;
constexpr int kUsageFlagCount = 20;
constexpr int kShotSizeFlagCount = 30;

// The four "no name" messages of one build. A damaged table can lack a name in every load, and
// one message box per load would keep the user clicking through hundreds; each kind is shown
// once, for its first load, with the count of the others.
class MissingNameMessages {
public:
    enum Kind { Brand, Usage, Caliber, Bullet, KindCount };
    void Note(Kind kind, std::string text) {
        Entry& entry = entries_[kind];
        if (entry.count++ == 0) {
            entry.first = std::move(text);
        }
    }
    void Show(UserPrompts& prompts) const {
        for (const Entry& entry : entries_) {
            if (entry.count == 1) {
                prompts.ShowMessage(entry.first);
            } else if (entry.count > 1) {
                prompts.ShowMessage(entry.first + "\n(" + std::to_string(entry.count - 1) +
                                    " more like it)");
            }
        }
    }

private:
    struct Entry {
        std::string first;
        long count = 0;
    };
    std::array<Entry, KindCount> entries_{};
};

// Names with their IDs, sorted case-insensitively; a repeated name keeps its first ID.
class SortedNames {
public:
    void Add(const std::string& name, int id) {
        const auto at = std::lower_bound(items_.begin(), items_.end(), name,
                                         [](const FilterItem& item, const std::string& n) {
                                             return CompareNoCase(item.text, n) < 0;
                                         });
        if (at != items_.end() && CompareNoCase(at->text, name) == 0) {
            return;
        }
        items_.insert(at, FilterItem{name, id});
    }
    void AppendTo(FilterBox& box) const {
        box.items.insert(box.items.end(), items_.begin(), items_.end());
    }

private:
    std::vector<FilterItem> items_;
};

template <std::size_t N> bool FlagSet(const std::array<bool, N>& flags, int id) {
    return id >= 0 && id < static_cast<int>(N) && flags[static_cast<std::size_t>(id)];
}

// The selection remembered across a rebuild.
struct Remembered {
    int id;
    std::string text;
};

Remembered Remember(const FilterBox& box) {
    return {box.SelectedId(), box.SelectedText()};
}

void ResetBox(FilterBox& box, const SectionTraits& traits, FilterListKind list) {
    box.items.assign(1, FilterItem{traits.List(list).showAll, 0});
    box.selected = -1;
}

int FindText(const FilterBox& box, const std::string& text) {
    for (std::size_t i = 0; i < box.items.size(); ++i) {
        if (EqualsNoCase(box.items[i].text, text)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void RestoreByText(FilterBox& box, const Remembered& remembered) {
    box.selected = remembered.id == 0 ? 0 : std::max(FindText(box, remembered.text), 0);
}

void RestoreBrand(FilterBox& brandBox, const Remembered& remembered) {
    if (remembered.id == 0 || remembered.id == kNewLoadsId) {
        // Item 1 is the NEW entry when it is offered, else the first brand; never past the end.
        const int item = remembered.id;
        brandBox.selected = item < static_cast<int>(brandBox.items.size()) ? item : 0;
        return;
    }
    RestoreByText(brandBox, remembered);
}

} // namespace

int FilterBox::SelectedId() const {
    if (selected <= 0 || selected >= static_cast<int>(items.size())) {
        return 0;
    }
    return items[static_cast<std::size_t>(selected)].id;
}

std::string FilterBox::SelectedText() const {
    if (selected < 0 || selected >= static_cast<int>(items.size())) {
        return {};
    }
    return items[static_cast<std::size_t>(selected)].text;
}

void BuildFilterLists(Catalog& catalog, CatalogTab tab, FilterBox& brandBox, FilterBox& usageBox,
                      FilterBox& bulletBox, FilterBox& caliberBox, ShownLoads& shown) {
    const Remembered brand = Remember(brandBox);
    const Remembered usage = Remember(usageBox);
    const Remembered bullet = Remember(bulletBox);
    const Remembered caliber = Remember(caliberBox);

    const SectionTraits& traits = Traits(tab);
    ResetBox(brandBox, traits, FilterListKind::Brand);
    ResetBox(usageBox, traits, FilterListKind::Usage);
    ResetBox(caliberBox, traits, FilterListKind::Caliber);
    ResetBox(bulletBox, traits, FilterListKind::Style);
    SortedNames brands, usages, calibers, bullets;
    shown.Clear();
    bool newSeen = false;

    MissingNameMessages missing;
    catalog.LoadSectionTable(tab);
    const std::vector<LoadRecord>& records = catalog.Records(tab);
    const bool shotSizes = traits.style == StyleSource::ShotSizes;

    for (std::size_t index = 0; index < records.size(); ++index) {
        const LoadRecord& load = records[index];
        const bool brandOk =
            brand.id == 0 || (brand.id == kNewLoadsId ? load.IsNew() : load.BrandId == brand.id);
        const bool usageOk = usage.id == 0 || FlagSet(load.UsageFlags, usage.id);
        const bool caliberOk = caliber.id == 0 || load.CaliberId == caliber.id;
        const bool bulletOk =
            bullet.id == 0 || (shotSizes ? bullet.id >= 1 && FlagSet(load.ShotSizeFlags, bullet.id)
                                         : StyleIdOf(traits.style, load) == bullet.id);

        // Each box offers what the other three choices still allow.
        if (usageOk && caliberOk && bulletOk) {
            const std::string name = catalog.LookupName(load.BrandId, tab, ListKind::Brand);
            if (name.empty()) {
                missing.Note(MissingNameMessages::Brand, "No name for Load #: " + load.LoadNumber);
            } else {
                brands.Add(name, load.BrandId);
            }
        }
        if (brandOk && caliberOk && bulletOk) {
            for (int u = 1; u < kUsageFlagCount; ++u) {
                if (!load.UsageFlags[static_cast<std::size_t>(u)]) {
                    continue;
                }
                const std::string name = catalog.LookupName(u, tab, ListKind::Usage);
                if (name.empty()) {
                    missing.Note(MissingNameMessages::Usage,
                                 "No usage for Load #: " + load.LoadNumber);
                } else {
                    usages.Add(name, u);
                }
            }
        }
        if (brandOk && usageOk && bulletOk) {
            const std::string name = catalog.LookupName(load.CaliberId, tab, ListKind::Caliber);
            if (name.empty()) {
                missing.Note(MissingNameMessages::Caliber,
                             "No name for caliber ID: " + std::to_string(load.CaliberId));
            } else {
                calibers.Add(name, load.CaliberId);
            }
        }
        if (brandOk && usageOk && caliberOk) {
            auto addBullet = [&](int id) {
                const std::string name = catalog.LookupName(id, tab, ListKind::Bullet);
                if (name.empty()) {
                    missing.Note(MissingNameMessages::Bullet,
                                 "No name for bullet ID: " + std::to_string(id));
                } else {
                    bullets.Add(name, id);
                }
            };
            if (shotSizes) {
                for (int k = 1; k < kShotSizeFlagCount; ++k) {
                    if (load.ShotSizeFlags[static_cast<std::size_t>(k)]) {
                        addBullet(k);
                    }
                }
            } else {
                addBullet(StyleIdOf(traits.style, load));
            }
        }
        if (brandOk && usageOk && caliberOk && bulletOk) {
            newSeen = newSeen || load.IsNew();
            shown.Add(LoadSortKey(tab, load), static_cast<int>(index));
        }
    }

    missing.Show(catalog.Prompts());

    // With no other filter active the NEW choice is always offered.
    if (usage.id == 0 && caliber.id == 0 && bullet.id == 0) {
        newSeen = true;
    }
    if (newSeen) {
        brandBox.items.push_back(FilterItem{"** Show NEW loads **", kNewLoadsId});
    }
    brands.AppendTo(brandBox);
    usages.AppendTo(usageBox);
    calibers.AppendTo(caliberBox);
    bullets.AppendTo(bulletBox);

    RestoreBrand(brandBox, brand);
    RestoreByText(usageBox, usage);
    RestoreByText(caliberBox, caliber);
    RestoreByText(bulletBox, bullet);
}

void BuildComponentList(Catalog& catalog, FilterBox& typeBox, ShownLoads& shown) {
    if (typeBox.items.empty()) {
        const std::vector<std::string> lines =
            ValueOrThrow(ReadTextLines(catalog.DataDir() / "t5pt.lst"));
        SortedNames types;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            types.Add(lines[i], static_cast<int>(i) + 1);
        }
        ResetBox(typeBox, Traits(CatalogTab::Components), kComponentTypeList);
        types.AppendTo(typeBox);
        typeBox.selected = 0;
    }
    const int type = typeBox.SelectedId();

    catalog.LoadSectionTable(CatalogTab::Components);
    shown.Clear();
    const std::vector<LoadRecord>& records = catalog.Records(CatalogTab::Components);
    for (std::size_t index = 0; index < records.size(); ++index) {
        if (type == 0 || records[index].ComponentTypeId == type) {
            shown.Add(ComponentSortKey(records[index]), static_cast<int>(index));
        }
    }
}

} // namespace corvane
