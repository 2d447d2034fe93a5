#include "expert/ExpertSearch.h"

#include "common/TextUtil.h"
#include "expert/ExpertChoices.h"

#include <algorithm>

namespace corvane {

namespace {

// Brand names of the match product line contain this word.
constexpr const char* kMatchLine = "ARVENTA";

bool UsageFlagSet(const LoadRecord& record, int usageCode) {
    return usageCode >= 0 && usageCode < static_cast<int>(record.UsageFlags.size()) &&
           record.UsageFlags[static_cast<std::size_t>(usageCode)];
}

bool IsMatchLine(Catalog& catalog, CatalogTab section, const LoadRecord& record) {
    return UpperCase(catalog.LookupName(record.BrandId, section, ListKind::Brand))
               .find(kMatchLine) != std::string::npos;
}

// The rifle section also lists handgun calibers that no rifle shooter looks for in these usages.
bool ExcludedRifleCaliber(const std::string& name, int usageCode) {
    if (usageCode == 1 || usageCode == 5) {
        return name == "357 magnum" || name == "44 rem. magnum";
    }
    if (usageCode == kMatchUsageCode) {
        return name == "44 rem. magnum";
    }
    return false;
}

// Keeps the entries sorted by name without regard to case; a name already present is dropped.
void AddUnique(std::vector<NamedId>& entries, std::string name, int id) {
    const auto at = std::lower_bound(entries.begin(), entries.end(), name,
                                     [](const NamedId& entry, const std::string& key) {
                                         return CompareNoCase(entry.name, key) < 0;
                                     });
    if (at != entries.end() && CompareNoCase(at->name, name) == 0) {
        return;
    }
    entries.insert(at, NamedId{std::move(name), id});
}

void AddSectionCalibers(Catalog& catalog, CatalogTab section, int usageCode, bool rifleExclusions,
                        std::vector<NamedId>& entries) {
    catalog.LoadSectionTable(section);
    for (const LoadRecord& record : catalog.Records(section)) {
        if (!ServesUsage(catalog, section, record, usageCode)) {
            continue;
        }
        std::string name = catalog.LookupName(record.CaliberId, section, ListKind::Caliber);
        if (rifleExclusions && ExcludedRifleCaliber(name, usageCode)) {
            continue;
        }
        AddUnique(entries, std::move(name), record.CaliberId);
    }
}

void AddSectionResults(Catalog& catalog, CatalogTab section, int usageCode, int chosenCode,
                       std::vector<ExpertResult>& results) {
    catalog.LoadSectionTable(section);
    const auto& records = catalog.Records(section);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const LoadRecord& record = records[i];
        if (record.CaliberId != chosenCode || !ServesUsage(catalog, section, record, usageCode)) {
            continue;
        }
        const auto at = std::lower_bound(results.begin(), results.end(), record.LoadNumber,
                                         [](const ExpertResult& entry, const std::string& key) {
                                             return CompareNoCase(entry.loadNumber, key) < 0;
                                         });
        results.insert(at, ExpertResult{record.LoadNumber, section, static_cast<int>(i)});
    }
}

} // namespace

bool ServesUsage(Catalog& catalog, CatalogTab section, const LoadRecord& record, int usageCode) {
    if (usageCode == kMatchUsageCode) {
        if (section != CatalogTab::Shotshell && UsageFlagSet(record, usageCode)) {
            return true;
        }
        return IsMatchLine(catalog, section, record);
    }
    return UsageFlagSet(record, usageCode);
}

CaliberChoices BuildCaliberChoices(Catalog& catalog, int firearmKind, int usageCode) {
    CaliberChoices choices;
    choices.searchTab = SearchTabFor(firearmKind);
    switch (choices.searchTab) {
    case 0:
        AddSectionCalibers(catalog, CatalogTab::Rifle, usageCode, true, choices.entries);
        break;
    case 1:
        AddSectionCalibers(catalog, CatalogTab::Pistol, usageCode, false, choices.entries);
        break;
    case 2:
        AddSectionCalibers(catalog, CatalogTab::Rimfire, usageCode, false, choices.entries);
        break;
    case kShotgunSearchTab:
        AddSectionCalibers(catalog, CatalogTab::Slug, usageCode, false, choices.entries);
        AddSectionCalibers(catalog, CatalogTab::Shotshell, usageCode, false, choices.entries);
        break;
    default:
        break;
    }
    return choices;
}

std::vector<ExpertResult> FindExpertLoads(Catalog& catalog, int searchTab, int usageCode,
                                          int chosenCode) {
    std::vector<ExpertResult> results;
    if (searchTab >= 0 && searchTab <= 2) {
        AddSectionResults(catalog, static_cast<CatalogTab>(searchTab), usageCode, chosenCode,
                          results);
    } else if (searchTab == kShotgunSearchTab) {
        AddSectionResults(catalog, CatalogTab::Slug, usageCode, chosenCode, results);
        AddSectionResults(catalog, CatalogTab::Shotshell, usageCode, chosenCode, results);
    }
    return results;
}

} // namespace corvane
