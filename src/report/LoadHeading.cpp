#include "report/LoadHeading.h"

#include "common/TextUtil.h"
#include "report/ReportText.h"

namespace corvane {

std::string LoadUsageText(const LoadRecord& load, const NameLookup& lookupName) {
    std::string list;
    for (std::size_t u = 0; u < load.UsageFlags.size(); ++u) {
        if (load.UsageFlags[u]) {
            if (!list.empty()) {
                list += ", ";
            }
            list += lookupName(static_cast<int>(u), ListKind::Usage);
        }
    }
    return JoinWithAnd(list);
}

LoadDetailHeading BuildLoadDetailHeading(const GridData& grid, int row, const LoadRecord& load,
                                         const NameLookup& lookupName) {
    const CatalogTab section = grid.Section;
    LoadDetailHeading heading;
    heading.BrandKey = lookupName(load.BrandId, ListKind::Brand);
    if (section == CatalogTab::Shotshell) {
        heading.StyleKey = load.ShotSizeText;
    } else {
        heading.StyleKey = lookupName(
            section == CatalogTab::Slug ? load.SlugStyleId : load.BulletStyleId, ListKind::Bullet);
    }
    heading.Usage = LoadUsageText(load, lookupName);
    const int column = grid.Headings.Index.Caliber;
    std::string caliber;
    if (column >= 0 && row >= 0 && row < static_cast<int>(grid.Cells.size()) &&
        column < static_cast<int>(grid.Cells[static_cast<std::size_t>(row)].size())) {
        caliber = grid.Cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }
    const bool gauge = section == CatalogTab::Slug || section == CatalogTab::Shotshell;
    heading.Title = "Load: " + Trim(load.LoadNumber) + "    " + (gauge ? "Gauge: " : "Caliber: ") +
                    caliber + "   Brand: " + heading.BrandKey;
    return heading;
}

} // namespace corvane
