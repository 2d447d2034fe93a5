#include "catalog/LoadFinder.h"

#include "catalog/SectionTraits.h"
#include "common/TextUtil.h"

#include <array>
#include <set>

namespace corvane {

std::vector<QuickFindEntry> QuickFindEntries(Catalog& catalog) {
    std::vector<QuickFindEntry> entries;
    std::set<std::string> seen;
    for (const CatalogTab tab : kLoadSections) {
        try {
            catalog.LoadSectionTable(tab);
        } catch (const CatalogFileError&) {
            continue; // reported when the section itself is shown
        }
        bool namesReadable = true; // an unreadable caliber list only leaves the names out
        for (const LoadRecord& record : catalog.Records(tab)) {
            const std::string key = UpperCase(Trim(record.LoadNumber));
            if (key.empty() || !seen.insert(key).second) {
                continue;
            }
            std::string caliber;
            try {
                caliber = namesReadable
                              ? catalog.LookupName(record.CaliberId, tab, ListKind::Caliber)
                              : std::string();
            } catch (const CatalogFileError&) {
                namesReadable = false;
            }
            entries.push_back({record.LoadNumber, record.ShotSizeText, tab, caliber});
        }
    }
    return entries;
}

std::vector<std::size_t> RankQuickFind(const std::vector<QuickFindEntry>& entries,
                                       const std::string& typed) {
    const std::string wanted = UpperCase(Trim(typed));
    if (wanted.empty()) {
        return {};
    }
    // Kinds of match, best first: whole number, beginning, inside the number, caliber name.
    std::array<std::vector<std::size_t>, 4> kinds;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string number = UpperCase(Trim(entries[i].LoadNumber));
        const std::size_t at = number.find(wanted);
        if (number == wanted) {
            kinds[0].push_back(i);
        } else if (at == 0) {
            kinds[1].push_back(i);
        } else if (at != std::string::npos) {
            kinds[2].push_back(i);
        } else if (UpperCase(entries[i].Caliber).find(wanted) != std::string::npos) {
            kinds[3].push_back(i);
        }
    }
    std::vector<std::size_t> ranked;
    for (const std::vector<std::size_t>& kind : kinds) {
        ranked.insert(ranked.end(), kind.begin(), kind.end());
    }
    return ranked;
}

std::optional<QuickFindEntry> FindLoadNumber(const std::vector<QuickFindEntry>& entries,
                                             const std::string& typed) {
    const std::vector<std::size_t> ranked = RankQuickFind(entries, typed);
    if (ranked.empty()) {
        return std::nullopt;
    }
    return entries[ranked.front()];
}

std::string QuickFindOfferText(const QuickFindEntry& entry) {
    return Trim(entry.LoadNumber) + "   " + entry.Caliber;
}

std::string QuickFindMissText(const std::string& typed) {
    const std::string text = Trim(typed);
    return text.empty() ? std::string() : "No load number or caliber holds " + text + ".";
}

} // namespace corvane
