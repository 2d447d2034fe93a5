#include "catalog/ShownLoads.h"

#include "common/NumberText.h"
#include "common/TextUtil.h"

#include <algorithm>

namespace corvane {

namespace {

// "00" before values below 10 and "0" before values below 100, so that values below 1000
// sort as text in numeric order.
std::string ZeroPadded(std::string digits, double value) {
    if (value < 10) {
        return "00" + digits;
    }
    if (value < 100) {
        return "0" + digits;
    }
    return digits;
}

std::string PaddedInt(std::int32_t value) {
    return ZeroPadded(std::to_string(value), value);
}

} // namespace

void ShownLoads::Add(std::string key, int recordIndex) {
    // Before the first entry not below the key: a new entry precedes its equals.
    const auto at = std::lower_bound(entries_.begin(), entries_.end(), key,
                                     [](const ShownLoad& entry, const std::string& k) {
                                         return CompareNoCase(entry.key, k) < 0;
                                     });
    entries_.insert(at, ShownLoad{std::move(key), recordIndex});
}

std::string LoadSortKey(CatalogTab tab, const LoadRecord& record) {
    std::string key = PaddedInt(record.CaliberId);
    switch (tab) {
    case CatalogTab::Slug:
        key += ZeroPadded(FormatFixed(record.SlugWeight, 3), record.SlugWeight);
        break;
    case CatalogTab::Shotshell:
        key += ZeroPadded(FormatFixed(record.ShotWeight, 3), record.ShotWeight);
        break;
    default:
        key += PaddedInt(record.BulletWeight);
        break;
    }
    return key + Trim(record.LoadNumber);
}

std::string ComponentSortKey(const LoadRecord& record) {
    return std::to_string(record.ComponentTypeId) + Trim(record.ItemNumber);
}

} // namespace corvane
