#pragma once
// The range card as the window shows it and the printed card prints it: title, the load, rifle
// and conditions as label-value pairs, the maximum point-blank range above the table, the table
// and the energy threshold's range below it. Texts are Windows-1252 (the degree sign).
#include "rifle/RangeCard.h"
#include "rifle/RangeCardSetup.h"

#include <string>
#include <vector>

namespace corvane {

struct CardPair {
    std::string label;
    std::string value;
    bool operator==(const CardPair&) const = default;
};

struct RangeCardPage {
    std::string title;
    std::vector<CardPair> details;
    std::string pointBlankLine; // above the table
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows; // RangeCardCells of each row
    std::string energyLine;                     // below the table
    std::string problem;                        // why the card has no rows; empty when it has them
    bool operator==(const RangeCardPage&) const = default;
};

// The table's headings with the units shown: "Range (yd)", "Path (in)", "Come-up (MOA)", ...
std::vector<std::string> RangeCardHeadings(bool english, AdjustmentUnit unit);

// `card` is BuildRangeCard of MakeRangeCardRequest(load, choices).
RangeCardPage BuildRangeCardPage(const CardLoad& load, const RangeCardChoices& choices,
                                 const RangeCard& card);

// The page as lines: the title, "label value" lines, the point-blank line, the headings and
// each row joined by "|", the energy line and the problem when there is one.
std::string RangeCardPageText(const RangeCardPage& page);

} // namespace corvane
