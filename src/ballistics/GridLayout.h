#pragma once
// Which columns the catalog grid shows for a section, in which order, under which two-line
// headings and how wide. Texts are Windows-1252; widths come from the grid font via TextMeasure.
#include "catalog/LoadRecord.h"
#include "common/TextMeasure.h"
#include "settings/AppSettings.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

inline constexpr int kColumnCapacity = 201;
// Range points a grid can show: four ballistics groups of about N columns each must stay within
// the column capacity (the control panel itself never goes beyond 12).
inline constexpr int kMaxGridRangePoints = 45;

// The only border colour the headings use; the UI maps it to the system's button-shadow colour.
enum class BorderColor { ButtonShadow };

// One grid column. Offsets and widths are pixels.
struct ColumnLayout {
    std::string HeadingText;   // lower heading line
    int GroupNumber = 0;       // 1-based index into GroupTexts, 0 for none
    int GroupTextOffset = 0;   // from this column's left edge to the upper line's text
    int HeadingTextOffset = 6; // from this column's left edge to the lower line's text
    bool Coloured = false;     // cells painted in Color (ballistics groups)
    ColorRef Color = 0;
    BorderColor LeftBorderColor = BorderColor::ButtonShadow;
    int LeftBorderWidth = 1;
    int Width = 50;

    bool operator==(const ColumnLayout&) const = default;
};

// Optional columns of sections 0-4. The initial values are the grid's starting values before
// the per-section and data-dependent adjustments.
struct ColumnSwitches {
    bool Usage = true;
    bool FootNote = false;
    bool LoadNumber = true;
    bool Caliber = true;
    bool ShellLength = false;
    bool Weight = true;
    bool Coefficient = true;
    bool Style = true;
    bool PrimerNumber = true;
    bool Dram = false;
    bool TestBarrel = true;
    bool Velocity = true;
    bool Energy = true;
    bool WindDrift = true;
    bool Trajectory = true;
    bool Note = false;
    bool Material = false;

    bool operator==(const ColumnSwitches&) const = default;
};

// The user's column choices: the persisted ones from the settings, usage off, the rest on.
ColumnSwitches ColumnChoicesFrom(const AppSettings& settings);
// A switch stays on only when its choice is on.
ColumnSwitches ApplyColumnChoices(const ColumnSwitches& switches, const ColumnSwitches& choices);

struct ComponentSwitches {
    bool Number = true;
    bool Gauge = false;
    bool Diameter = false;
    bool Product = true;
    bool Brand = true;
    bool Description = false;
    bool Usage = true;

    bool operator==(const ComponentSwitches&) const = default;
};

// First column of each kind, -1 when not shown.
struct ColumnIndexes {
    int FootNote = -1;
    int Usage = -1;
    int LoadNumber = -1;
    int Caliber = -1;
    int ShellLength = -1;
    int Dram = -1;
    int Weight = -1;
    int Coefficient = -1;
    int Style = -1;
    int PrimerNumber = -1;
    int Velocity = -1;
    int Energy = -1;
    int Drift = -1;
    int Trajectory = -1;
    int TestBarrel = -1;
    int Note = -1;
    int Material = -1;
    // Section 5.
    int Number = -1;
    int Gauge = -1;
    int Diameter = -1;
    int Product = -1;
    int Brand = -1;
    int Description = -1;
    int ComponentUsage = -1;

    bool operator==(const ColumnIndexes&) const = default;
};

// Everything a heading build decides; read by the cell filler, the drawing and the exports.
struct GridHeadings {
    std::vector<ColumnLayout> Columns;
    std::vector<std::string> GroupTexts; // group g is GroupTexts[g - 1]
    std::vector<std::string> RangeLabels;
    ColumnSwitches Switches;      // as finally applied (sections 0-4)
    ComponentSwitches Components; // section 5
    ColumnIndexes Index;
    int TextHeight = 0;       // bold height of "T"
    int RowHeight = 0;        // TextHeight + 4
    int HeadingRowHeight = 0; // 2 x TextHeight + 4

    int ColumnCount() const { return static_cast<int>(Columns.size()); }
    // Upper line over `column`, empty when it belongs to no group.
    const std::string& GroupTextOf(int column) const;
};

// N = maximum range div increment, 0 when the increment is not positive, at most
// kMaxGridRangePoints.
int RangePointCount(int increment, int maxRange);

// "100 YDS.", "200 YDS.", ... for the points 1..N.
std::vector<std::string> BuildRangeLabels(int increment, int maxRange,
                                          std::string_view distanceWord);

// Widens the column to the text's width + 12 when narrower.
void FitColumnToText(ColumnLayout& column, std::string_view text, bool bold,
                     const TextMeasure& measure);

// `count` columns in their reset state (grid colour, no group, border 1, offset 6, width 50).
void ResetColumns(std::vector<ColumnLayout>& columns, int count, ColorRef gridColor);

// The sight height in inches of the section's ballistics place; 0 for a section without one.
double SectionSightHeight(const AppSettings& settings, CatalogTab tab);

// The load sections. `increment` and `maxRange` are the panel's integers (yards or meters),
// `crosswindText` the panel's crosswind as typed. The settings give the unit system, the column
// choices, the section's sight height and the group colours.
GridHeadings BuildHeadings(CatalogTab tab, int increment, int maxRange, ColumnSwitches switches,
                           std::string_view crosswindText, const AppSettings& settings,
                           const TextMeasure& measure);

// The components section.
GridHeadings BuildComponentHeadings(const ComponentSwitches& switches, const AppSettings& settings,
                                    const TextMeasure& measure);

} // namespace corvane
