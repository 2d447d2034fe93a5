#pragma once
// The loads of the current section that pass the filters, ordered by their sort key.
#include "catalog/LoadRecord.h"

#include <string>
#include <vector>

namespace corvane {

struct ShownLoad {
    std::string key;     // sort key (Windows-1252)
    int recordIndex = 0; // index into the section's records
};

class ShownLoads {
public:
    void Clear() { entries_.clear(); }
    // Keeps the list sorted by key, case-insensitively; a key equal to existing ones goes
    // before them.
    void Add(std::string key, int recordIndex);
    std::size_t Count() const { return entries_.size(); }
    bool Empty() const { return entries_.empty(); }
    const ShownLoad& operator[](std::size_t i) const { return entries_[i]; }
    const std::vector<ShownLoad>& Entries() const { return entries_; }

private:
    std::vector<ShownLoad> entries_;
};

// Sort key of a load of sections 0-4 (caliber, weight, load number) and of a component
// (type, item number).
std::string LoadSortKey(CatalogTab tab, const LoadRecord& record);
std::string ComponentSortKey(const LoadRecord& record);

} // namespace corvane
