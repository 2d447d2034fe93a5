#pragma once
// The whole catalog grid of one section as texts: column layout and headings, every cell, the
// caliber separators and the legends. The grid widget draws it, "Table to file" writes it and
// the load report reads it; nothing else computes cell texts.
#include "ballistics/EngineInputsFromPanel.h"
#include "ballistics/GridLayout.h"
#include "catalog/Catalog.h"
#include "catalog/LoadRecord.h"
#include "catalog/ShownLoads.h"
#include "common/TextMeasure.h"
#include "settings/AppSettings.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

inline constexpr std::string_view kLegendNickelPlated = "\x87 = Nickel Plated Case";
inline constexpr std::string_view kLegendLowRecoil = "LR = Low Recoil";
inline constexpr std::string_view kLegendHighEnergy =
    "HE = High Energy ( NOT recommended for semi-automatic rifles )";

// Name of a brand, caliber, style, usage or material ID of the section being built.
using NameLookup = std::function<std::string(int id, ListKind kind)>;

struct GridRequest {
    CatalogTab Section = CatalogTab::Rifle;
    const std::vector<LoadRecord>& Records; // the section's records
    const ShownLoads& Shown;                // rows, in order
    NameLookup LookupName;
    PanelTexts Panel;            // as typed, in the settings' unit system
    const AppSettings& Settings; // units, column choices, sight heights, colours
    const TextMeasure& Measure;
};

struct GridData {
    CatalogTab Section = CatalogTab::Rifle;
    GridHeadings Headings;
    // Cells[row][column]. Row 0 is the heading row and holds empty texts: its two lines are in
    // Headings (GroupTexts and each column's HeadingText). Row r >= 1 shows Shown[r - 1].
    std::vector<std::vector<std::string>> Cells;
    std::vector<bool> RowSeparators; // per row: a new caliber or gauge starts here
    std::vector<int> RecordIndexes;  // per row r >= 1 the load's record index; -1 for row 0
    int ZeroIndex = -1;              // range point shown as "zero", -1 for none
    bool NickelPlatedSeen = false;
    bool LowRecoilSeen = false;
    bool HighEnergySeen = false;
    std::string LegendLine1;         // empty when hidden
    bool LegendLine2Visible = false; // kLegendHighEnergy

    int RowCount() const { return static_cast<int>(Cells.size()); }
    int ColumnCount() const { return Headings.ColumnCount(); }
};

// Builds the grid of the request's section. A load whose ballistics cannot be computed (bad
// velocity or coefficient) keeps its ballistics cells empty; a load whose zero is out of limits
// keeps its trajectory cells empty. Throws CatalogFileError when a name list cannot be read.
GridData BuildGridData(const GridRequest& request);

// The switch changes of the section and the checks over the loads shown.
ColumnSwitches SectionColumnSwitches(CatalogTab section, const std::vector<LoadRecord>& records,
                                     const ShownLoads& shown);
ComponentSwitches SectionComponentSwitches(const std::vector<LoadRecord>& records,
                                           const ShownLoads& shown);

// Legend line 1 from the marks seen, empty when neither was seen.
std::string LegendLine1Text(bool nickelPlatedSeen, bool lowRecoilSeen);

} // namespace corvane
