#include "ballistics/LoadComparison.h"

#include "ballistics/CellText.h"
#include "ballistics/GridLayout.h"
#include "ballistics/UnitWords.h"
#include "common/Cp1252.h"
#include "common/NumberText.h"
#include "common/TextUtil.h"
#include "common/UnitConversion.h"
#include "settings/DialogChecks.h"

#include <algorithm>

namespace corvane {

namespace {

enum class Quantity { Velocity, Energy, Drift, Trajectory };

struct ComputedLoad {
    std::string Label;
    BallisticResults Results;
    bool Computed = false;
};

std::string GroupText(Quantity quantity, const UnitWords& words, const PanelTexts& panel,
                      double sightHeight) {
    switch (quantity) {
    case Quantity::Velocity:
        return "VELOCITY IN " + words.Velocity;
    case Quantity::Energy:
        return "ENERGY IN " + words.Energy;
    case Quantity::Drift:
        return "WIND DRIFT IN " + words.LongLength + " FOR " +
               FormatFixed(ReadPanelDecimal(panel.CrossWind, 0), 0) + " " + words.Wind +
               " CROSSWIND";
    case Quantity::Trajectory:
        break;
    }
    return "TRAJECTORY IN " + words.LongLength + " FOR " +
           FormatFixed(sightHeight * words.LengthFactor, 1) + " " + words.ShortLength +
           " SIGHT HEIGHT";
}

// The grid cell's text of one point, without its padding; empty where the grid shows nothing.
std::string ValueText(Quantity quantity, const ComputedLoad& load, int point, int zeroIndex,
                      bool english) {
    if (!load.Computed || point > load.Results.RangeCount) {
        return {};
    }
    const auto index = static_cast<std::size_t>(point);
    const BallisticResults& r = load.Results;
    switch (quantity) {
    case Quantity::Velocity:
        return Trim(RoundedCellText(r.Velocity[index] *
                                    (english ? 1.0 : kMetersPerSecondPerFootPerSecond)));
    case Quantity::Energy:
        return Trim(RoundedCellText(r.Energy[index] * (english ? 1.0 : kJoulesPerFootPound)));
    case Quantity::Drift:
        if (point == 0) {
            return {};
        }
        return Trim(OneDecimalCellText(r.Drift[index] * (english ? 1.0 : kCentimetersPerInch)));
    case Quantity::Trajectory:
        break;
    }
    if (point == 0 || !r.TrajectoryValid) {
        return {};
    }
    if (point == zeroIndex) {
        return Trim(kZeroCellText);
    }
    return Trim(OneDecimalCellText(r.Trajectory[index] * (english ? 1.0 : kCentimetersPerInch)));
}

} // namespace

ComparedLoad CatalogComparedLoad(CatalogTab section, const LoadRecord& load,
                                 const PanelTexts& panel, bool english, double sightHeight) {
    return {Cp1252ToUtf8(Trim(load.LoadNumber)),
            EngineInputsFromPanel(panel, section, load, english, sightHeight)};
}

ComparisonRows LoadComparisonRows(CatalogTab section, const std::vector<LoadRecord>& loads,
                                  const PanelTexts& panel, bool english, double sightHeight) {
    std::vector<ComparedLoad> compared;
    for (const LoadRecord& load : loads) {
        compared.push_back(CatalogComparedLoad(section, load, panel, english, sightHeight));
    }
    return LoadComparisonRows(section, compared, panel, english, sightHeight);
}

ComparisonRows LoadComparisonRows(CatalogTab section, const std::vector<ComparedLoad>& loads,
                                  const PanelTexts& panel, bool english, double sightHeight) {
    const PanelRanges ranges = ReadPanelRanges(panel);
    const UnitWords words = MakeUnitWords(section, english);
    const std::vector<std::string> labels =
        BuildRangeLabels(ranges.Increment, ranges.Range, words.Distance);
    const int points = static_cast<int>(labels.size());
    const int zeroIndex = ranges.Increment > 0 ? ranges.ZeroAt / ranges.Increment : -1;

    std::vector<ComputedLoad> computed;
    const std::size_t count = std::min(loads.size(), static_cast<std::size_t>(kMaxComparedLoads));
    for (std::size_t i = 0; i < count; ++i) {
        ComputedLoad load;
        load.Label = loads[i].Label;
        load.Results = loads[i].Results ? *loads[i].Results : ComputeBallistics(loads[i].Inputs);
        load.Computed = load.Results.Status != kStatusSkipped;
        computed.push_back(std::move(load));
    }

    ComparisonRows rows;
    std::vector<std::string> heading{"LOAD NO.", "MUZZLE"};
    for (const std::string& label : labels) {
        heading.push_back(Cp1252ToUtf8(label));
    }
    rows.push_back({heading, true});
    const std::size_t width = heading.size();
    for (Quantity quantity :
         {Quantity::Velocity, Quantity::Energy, Quantity::Drift, Quantity::Trajectory}) {
        std::vector<std::string> group(width);
        group[0] = Cp1252ToUtf8(GroupText(quantity, words, panel, sightHeight));
        rows.push_back({group, true});
        for (const ComputedLoad& load : computed) {
            std::vector<std::string> row(width);
            row[0] = load.Label;
            for (int point = 0; point <= points; ++point) {
                row[static_cast<std::size_t>(point) + 1] =
                    ValueText(quantity, load, point, zeroIndex, english);
            }
            rows.push_back({std::move(row)});
        }
    }
    return rows;
}

std::vector<std::string> ComparisonConditions(const PanelTexts& panel, bool english,
                                              double sightHeight) {
    auto condition = [english](const char* name, ConditionField field, const std::string& value) {
        return std::string(name) + ": " + Trim(value) + " " + ConditionUnitWord(field, english);
    };
    return {condition("Altitude", ConditionField::Altitude, panel.Altitude),
            condition("Temperature", ConditionField::Temperature, panel.Temperature),
            condition("Crosswind", ConditionField::CrossWind, panel.CrossWind),
            "Sight height: " + SightHeightDisplayText(sightHeight, english) + " " +
                SightHeightUnitWord(english),
            "Zero at: " + Trim(panel.ZeroAt) + (english ? " Yards" : " Meters"),
            english ? "Units: English" : "Units: Metric"};
}

std::string ComparisonCsvText(const ComparisonRows& rows,
                              const std::vector<std::string>& conditions) {
    std::string text;
    for (const std::string& condition : conditions) {
        text += "# " + Cp1252ToUtf8(condition) + "\r\n";
    }
    for (const ComparisonRow& row : rows) {
        for (std::size_t i = 0; i < row.Cells.size(); ++i) {
            if (i > 0) {
                text += ',';
            }
            text += CsvField(row.Cells[i]);
        }
        text += "\r\n";
    }
    return text;
}

} // namespace corvane
