#pragma once
// The load report of one load of sections 0-4, as the printed page shows it: the title, the
// label-value block, then the ballistics table (sections 0-3) or the shot-size table (shotshells
// that are not buckshot). Texts are Windows-1252 and never hold "|", the separator of the report
// text (ReportLines.h): a "|" in catalog data is shown as a broken bar.
#include "ballistics/EngineInputsFromPanel.h"
#include "ballistics/GridData.h"
#include "catalog/Catalog.h"
#include "catalog/LoadRecord.h"
#include "settings/AppSettings.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvane {

struct ReportPair {
    std::string Label;
    std::string Value;
    bool operator==(const ReportPair&) const = default;
};

// A table row: its label cell, then its values from the first column on. A row may hold fewer
// values than the table has columns.
struct ReportRow {
    std::string Label;
    std::vector<std::string> Values;
    bool operator==(const ReportRow&) const = default;
};

// "Muzzle" and the range labels as headings; velocity, energy, drift and trajectory rows and the
// zero adjustment.
struct ReportRangeTable {
    std::vector<std::string> Headings;
    std::vector<ReportRow> Rows;
    bool operator==(const ReportRangeTable&) const = default;
};

struct ReportShotRow {
    std::string Size;
    std::optional<std::string>
        Count; // none for a material that is neither lead, steel nor tungsten
    std::string Diameter;
    bool operator==(const ReportShotRow&) const = default;
};

struct ReportShotTable {
    std::vector<std::string> Headings; // size, count and diameter
    std::vector<ReportShotRow> Rows;
    bool operator==(const ReportShotTable&) const = default;
};

struct LoadReport {
    // The section's tab number as the report's text carries it; kept a number because it is
    // read back from text that may hold any number.
    int Section = 0;
    std::string Title;
    std::vector<ReportPair> Header;
    std::optional<ReportRangeTable> Ranges;
    std::optional<ReportShotTable> Shots;
    bool operator==(const LoadReport&) const = default;
};

// A table too wide for the page is printed as two: the first half of the columns (the larger
// half when odd), then the rest; every row keeps its label in both.
std::pair<ReportRangeTable, ReportRangeTable> SplitRangeTable(const ReportRangeTable& table);

struct LoadReportRequest {
    const GridData& Grid;                   // the grid on show; its section is the report's
    int Row = 0;                            // grid row of the load, 1 for the first load
    const std::vector<LoadRecord>& Records; // the section's records
    NameLookup LookupName;
    PanelTexts Panel;              // the control panel as typed
    const AppSettings& Settings;   // unit system and sight heights
    std::filesystem::path DataDir; // where "t4indx.lst" is read for shotshells
};

// The report of the load on grid row `Row`. Nothing for the components section or a row that
// shows no load. Throws CatalogFileError when "t4indx.lst" (shotshells) or a name list cannot be
// read, or when "t4indx.lst" has no line for a shot size of the load: the report is then
// abandoned.
std::optional<LoadReport> BuildLoadReport(const LoadReportRequest& request);

// The same with the catalog's names and data folder.
std::optional<LoadReport> BuildLoadReport(Catalog& catalog, const GridData& grid, int row,
                                          const PanelTexts& panel, const AppSettings& settings);

// The shot rows of a shotshell load. `index` is ReadShotSizeIndex's content; shot sizes without
// a usable index line give no row.
std::vector<ReportShotRow> ShotRows(const LoadRecord& load, std::string_view materialName,
                                    const std::vector<int>& index, bool englSys);

// "Zero Adj. (moa)", "n/a" and the change of the bore angle in minutes of angle from the zero
// range to every range point, from the engine re-run for the load. A point the engine did not
// reach has an empty value.
ReportRow ZeroAdjustmentRow(const LoadRecord& load, CatalogTab section, const PanelTexts& panel,
                            bool englSys, double sightHeight, int rangePoints);

} // namespace corvane
