#include "expert/ExpertResultTable.h"

#include "common/NumberText.h"
#include "common/UnitConversion.h"
#include "expert/ExpertChoices.h"

#include <algorithm>
#include <numeric>

namespace corvane {

namespace {

std::string StyleText(Catalog& catalog, const ExpertResult& result, const LoadRecord& record) {
    switch (result.section) {
    case CatalogTab::Slug:
        return catalog.LookupName(record.SlugStyleId, result.section, ListKind::Bullet);
    case CatalogTab::Shotshell:
        return record.ShotSizeText;
    default:
        return catalog.LookupName(record.BulletStyleId, result.section, ListKind::Bullet);
    }
}

} // namespace

std::string ExpertWeightText(double weight, bool ounces, bool englSys) {
    if (weight <= 0.0001) {
        return {};
    }
    if (englSys) {
        return ounces ? FormatFixed(weight, 3) : std::to_string(RoundHalfEven(weight));
    }
    return FormatFixed(weight * (ounces ? kGramsPerOunce : kGramsPerGrain), 2);
}

ExpertResultTable BuildExpertResultTable(Catalog& catalog, const std::vector<ExpertResult>& results,
                                         int firearmKind, bool englSys) {
    ExpertResultTable table;
    if (results.empty()) {
        return table;
    }
    const bool shotgun = IsShotgunKind(firearmKind);
    table.rows.push_back({"Load No.", "Wgt.", shotgun ? "Slug or Shot" : "Bullet Style"});
    for (const ExpertResult& result : results) {
        const LoadRecord& record = catalog.Record(result.section, result.recordIndex);
        double weight = record.BulletWeight;
        if (result.section == CatalogTab::Slug) {
            weight = record.SlugWeight;
        } else if (result.section == CatalogTab::Shotshell) {
            weight = record.ShotWeight;
        }
        table.rows.push_back({result.loadNumber, ExpertWeightText(weight, shotgun, englSys),
                              StyleText(catalog, result, record)});
        table.sections.push_back(result.section);
    }
    return table;
}

std::optional<ExpertLoadLink> ExpertLoadOfResult(const ExpertResultTable& table, int result) {
    if (result < 0 || result >= static_cast<int>(table.sections.size()) ||
        result + 1 >= static_cast<int>(table.rows.size())) {
        return std::nullopt;
    }
    const ExpertRow& row = table.rows[static_cast<std::size_t>(result) + 1];
    return ExpertLoadLink{row[0], row[2], table.sections[static_cast<std::size_t>(result)]};
}

ExpertResultTable FinishExpertSearch(Catalog& catalog, int firearmKind, int usageCode,
                                     const CaliberChoices& choices, int chosenIndex, bool englSys) {
    if (chosenIndex < 0 || chosenIndex >= static_cast<int>(choices.entries.size())) {
        return {};
    }
    const int chosenCode = choices.entries[static_cast<std::size_t>(chosenIndex)].id;
    return BuildExpertResultTable(
        catalog, FindExpertLoads(catalog, choices.searchTab, usageCode, chosenCode), firearmKind,
        englSys);
}

std::vector<int> ExpertColumnWidths(const ExpertResultTable& table, const TextMeasure& measure) {
    std::vector<int> widths;
    if (table.Empty()) {
        return widths;
    }
    widths.assign(table.rows.front().size(), 0);
    for (const ExpertRow& row : table.rows) {
        for (std::size_t column = 0; column < row.size(); ++column) {
            widths[column] = std::max(widths[column], measure.TextWidth(row[column], false));
        }
    }
    for (int& width : widths) {
        width += 7;
    }
    return widths;
}

int ExpertClientWidth(int currentWidth, const std::vector<int>& columnWidths) {
    const int wanted = 30 + std::accumulate(columnWidths.begin(), columnWidths.end(), 0);
    return wanted > kExpertBaseClientWidth ? wanted : currentWidth;
}

} // namespace corvane
