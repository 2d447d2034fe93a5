#pragma once
// Quick find's matching: the loads a typed text offers, best first. A whole load number or its
// beginning comes first, then load numbers and caliber or gauge names holding the text.
#include "catalog/Catalog.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

struct QuickFindEntry {
    std::string LoadNumber; // as stored
    std::string ShotKey;    // shot size text of a shotshell load
    CatalogTab Section = CatalogTab::Rifle;
    std::string Caliber; // caliber or gauge name
};

// The loads of the load sections, one entry per load number (the first section and record win).
// Sections whose table cannot be read are left out.
std::vector<QuickFindEntry> QuickFindEntries(Catalog& catalog);

// Indexes of the entries that `typed` finds, ignoring case and surrounding blanks: the load
// number equal to it, then the numbers starting with it, then the numbers holding it, then the
// entries whose caliber name holds it; catalog order within each kind. None for a blank text.
std::vector<std::size_t> RankQuickFind(const std::vector<QuickFindEntry>& entries,
                                       const std::string& typed);

// The best entry `typed` finds.
std::optional<QuickFindEntry> FindLoadNumber(const std::vector<QuickFindEntry>& entries,
                                             const std::string& typed);

// How a found load is offered: "number   caliber".
std::string QuickFindOfferText(const QuickFindEntry& entry);
// What is said when `typed` finds no load; empty for a blank text, which asked nothing.
std::string QuickFindMissText(const std::string& typed);

} // namespace corvane
