#pragma once
// The load report text: the lines that describe one load of sections 0-4 for the printed report.
// Fields within a line are separated by "|"; the header block ends at "ENDHEADER", then come
// "TABNUMBER|<section>", the range block (sections 0-3) or the shot block (section 4).
// Texts are Windows-1252.
#include "ballistics/EngineInputsFromPanel.h"
#include "ballistics/GridData.h"
#include "catalog/Catalog.h"
#include "catalog/LoadRecord.h"
#include "settings/AppSettings.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

using LoadReportText = std::vector<std::string>;

struct LoadReportRequest {
    const GridData& Grid;                   // the grid on show; its section is the report's
    int Row = 0;                            // grid row of the load, 1 for the first load
    const std::vector<LoadRecord>& Records; // the section's records
    NameLookup LookupName;
    PanelTexts Panel;              // the control panel as typed
    const AppSettings& Settings;   // unit system and sight heights
    std::filesystem::path DataDir; // where "t4indx.lst" is read for shotshells
};

// The report text of the load on grid row `Row`. Empty for the components section or a row
// that shows no load. Throws CatalogFileError when "t4indx.lst" (shotshells) or a name list
// cannot be read, or when "t4indx.lst" has no line for a shot size of the load: the report is
// then abandoned.
LoadReportText BuildLoadReportText(const LoadReportRequest& request);

// The same with the catalog's names and data folder.
LoadReportText BuildLoadReportText(Catalog& catalog, const GridData& grid, int row,
                                   const PanelTexts& panel, const AppSettings& settings);

// Appends the shot rows of a shotshell load (name|count|diameter, or name|diameter for a shot
// material that is neither lead, steel nor tungsten). `index` is ReadShotSizeIndex's content;
// shot sizes without a usable index line give no row.
void AddShotRows(const LoadRecord& load, std::string_view materialName,
                 const std::vector<int>& index, bool englSys, LoadReportText& text);

// "Zero Adj. (moa)|n/a|..." from the engine re-run for the load: the change of the bore angle in
// minutes of angle from the zero range to every range point. A point the engine did not reach
// has an empty value.
std::string ZeroAdjustmentLine(const LoadRecord& load, CatalogTab section, const PanelTexts& panel,
                               bool englSys, double sightHeight, int rangePoints);

} // namespace corvane
