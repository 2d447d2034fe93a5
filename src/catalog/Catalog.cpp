#include "catalog/Catalog.h"

#include "catalog/RecordLayout.h"
#include "catalog/TextFile.h"

#include <cstdint>
#include <stdexcept>

namespace corvane {

namespace {

std::size_t Slot(CatalogTab tab) {
    const int index = TabIndex(tab);
    if (index < 0 || index >= kSectionCount) {
        throw std::out_of_range("catalog section " + std::to_string(index));
    }
    return static_cast<std::size_t>(index);
}

std::string ListFileName(CatalogTab tab, ListKind kind) {
    static constexpr const char* kSuffix[] = {"br", "ca", "bu", "us"};
    if (kind == ListKind::Material) {
        return "t4pm.lst";
    }
    // Appended piece by piece: GCC 12 at -O3 reports a false -Wrestrict for literal + string.
    std::string name(1, 't');
    name += std::to_string(TabIndex(tab));
    name += kSuffix[static_cast<int>(kind)];
    name += ".lst";
    return name;
}

// Position in the list of the line that names `id`: brand IDs 0 and 1 are the filters' "all"
// and "NEW", material IDs start at 0, the others at 1. Wide, so that any ID from a table
// (even the most negative) gives a position without overflow.
std::int64_t LinePosition(int id, ListKind kind) {
    switch (kind) {
    case ListKind::Brand:
        return std::int64_t{id} - 2;
    case ListKind::Material:
        return id;
    default:
        return std::int64_t{id} - 1;
    }
}

} // namespace

Catalog::Catalog(std::filesystem::path programDir, UserPrompts& prompts)
    : programDir_(std::move(programDir)), prompts_(prompts) {}

int Catalog::LoadSectionTable(CatalogTab tab) {
    auto& records = records_[Slot(tab)];
    if (records.empty()) {
        const SectionTraits& info = Traits(tab);
        // A table that cannot be opened (the user gave up waiting for it, or a read-only
        // folder where no placeholder can be made) leaves the section empty, without a message.
        auto read = ReadLoadTable(DataDir() / info.tableFile, info.family, info.recordSize,
                                  info.capacity, prompts_, retryClock_);
        if (read) {
            records = std::move(read.Value());
        }
    }
    return static_cast<int>(records.size());
}

int Catalog::LoadCount(CatalogTab tab) const {
    return static_cast<int>(records_[Slot(tab)].size());
}

const std::vector<LoadRecord>& Catalog::Records(CatalogTab tab) const {
    return records_[Slot(tab)];
}

const LoadRecord& Catalog::Record(CatalogTab tab, int index) const {
    return records_[Slot(tab)].at(static_cast<std::size_t>(index));
}

std::string Catalog::LookupName(int id, CatalogTab tab, ListKind kind) {
    const int kindIndex = static_cast<int>(kind);
    if (kindIndex < 0 || kindIndex > static_cast<int>(ListKind::Material)) {
        return {};
    }
    // The material list belongs to the shotshell section whichever section asks.
    const std::size_t owner = kind == ListKind::Material ? 4 : Slot(tab);
    auto& list = names_[owner][static_cast<std::size_t>(kindIndex)];
    if (list.empty()) {
        list = ValueOrThrow(ReadTextLines(DataDir() / ListFileName(tab, kind)));
    }
    const std::int64_t position = LinePosition(id, kind);
    if (position < 0 || position >= static_cast<std::int64_t>(list.size())) {
        return {};
    }
    return list[static_cast<std::size_t>(position)];
}

} // namespace corvane
