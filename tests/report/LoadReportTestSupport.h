#pragma once
// A hand-made section for the load report tests: the records, a name table, the grid the window
// would show for them and a data folder holding "t4indx.lst".
#include "catalog/CatalogTestSupport.h"

#include "ballistics/FixedWidthMeasure.h"
#include "ballistics/GridData.h"
#include "catalog/TextFile.h"
#include "common/TextUtil.h"
#include "report/LoadReport.h"
#include "report/ReportLines.h"

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace corvane::test {

// Names by list kind and ID, as the name lists would give them.
inline std::string TestName(int id, ListKind kind) {
    static const std::map<std::pair<ListKind, int>, std::string> names{
        {{ListKind::Brand, 2}, "Corvane Harrowline"},
        {{ListKind::Brand, 3}, "Corvane Stonecrest Premium"},
        {{ListKind::Brand, 4}, "Corvane Fieldmaster"},
        {{ListKind::Brand, 5}, "Corvane Bar|Line"},
        {{ListKind::Caliber, 1}, "12 Gauge"},
        {{ListKind::Caliber, 5}, ".30-06 Springfield"},
        {{ListKind::Caliber, 6}, "9mm Luger"},
        {{ListKind::Caliber, 7}, "22 Long Rifle"},
        {{ListKind::Bullet, 1}, "Pointed Soft Point"},
        {{ListKind::Bullet, 2}, "Rifled Slug"},
        {{ListKind::Usage, 1}, "Varmint"},
        {{ListKind::Usage, 2}, "Medium Game"},
        {{ListKind::Usage, 3}, "Large Game"},
        {{ListKind::Material, 0}, "Lead"},
        {{ListKind::Material, 1}, "Steel"},
        {{ListKind::Material, 4}, "None"},
    };
    const auto found = names.find({kind, id});
    return found == names.end() ? std::string() : found->second;
}

// One load shown alone in its section's grid, and its report.
struct OneLoadReport {
    OneLoadReport(CatalogTab section, LoadRecord load, PanelTexts panelTexts,
                  AppSettings appSettings = {})
        : records{std::move(load)}, panel(std::move(panelTexts)), settings(std::move(appSettings)) {
        shown.Add("key", 0);
        // Shot size ID k names table entry k (entries past the table's last are no entry).
        std::string index;
        for (int k = 1; k <= 29; ++k) {
            index += std::to_string(k) + "\r\n";
        }
        WriteFile(data.Data() / "t4indx.lst", index);
        const GridRequest request{section, records, shown, &TestName, panel, settings, measure};
        grid = BuildGridData(request);
    }

    std::optional<LoadReport> Report(int row = 1) const {
        const LoadReportRequest request{grid,  row,      records,    &TestName,
                                        panel, settings, data.Data()};
        return BuildLoadReport(request);
    }

    // The trimmed cells of the load's row in `count` columns from `first` on.
    std::vector<std::string> TrimmedCells(int first, int count) const {
        std::vector<std::string> cells;
        for (int k = 0; k < count; ++k) {
            cells.push_back(Trim(grid.Cells.at(1).at(static_cast<std::size_t>(first + k))));
        }
        return cells;
    }

    std::vector<LoadRecord> records;
    ShownLoads shown;
    PanelTexts panel;
    AppSettings settings;
    FixedWidthMeasure measure;
    GridData grid;
    TempProgramDir data;
};

// The lines of tests/data/report/<name> (Windows-1252).
inline LoadReportText ExpectedLines(const std::string& name) {
    return ReadTextLines(std::filesystem::path(CORVANE_TEST_DATA_DIR) / "report" / name).Value();
}

} // namespace corvane::test
