#include "ballistics/EngineInputsFromPanel.h"

#include "common/UnitConversion.h"

#include "common/NumberText.h"
#include "common/TextUtil.h"

namespace corvane {

namespace {

constexpr double kReferencePressure = 29.53; // inHg

} // namespace

std::int32_t PanelRanges::RangeCount() const {
    if (Increment == 0) {
        return 0;
    }
    // 64 bits so that the lowest integer divided by -1 cannot overflow.
    const std::int64_t count = std::int64_t{Range} / Increment;
    return static_cast<std::int32_t>(count > INT32_MAX ? INT32_MAX
                                                       : (count < INT32_MIN ? INT32_MIN : count));
}

PanelRanges ReadPanelRanges(const PanelTexts& panel) {
    PanelRanges ranges;
    ranges.Increment = ParseIntDef(Trim(panel.Increment), 0);
    ranges.Range = ParseIntDef(Trim(panel.Range), 0);
    ranges.ZeroAt = ParseIntDef(Trim(panel.ZeroAt), ranges.Increment);
    return ranges;
}

double ReadPanelDecimal(const std::string& text, double fallback) {
    std::string number = Trim(text);
    if (number.find('.') == std::string::npos) {
        number += ".0";
    }
    return ParseDoubleDef(number, fallback);
}

double PanelFeet(std::int32_t units, bool english) {
    return english ? units * 3.0 : units * kFeetPerMeter;
}

double PanelYards(std::int32_t units, bool english) {
    return english ? static_cast<double>(units) : units * kYardsPerMeter;
}

double BoreAngleMoa(double drop, double sightHeight, double distance, bool english) {
    return (drop + sightHeight) /
           (kMoaInchesPerFoot * distance * (english ? kFeetPerYard : kFeetPerMeter));
}

EngineInputs EngineInputsFromPanel(const PanelTexts& panel, CatalogTab section,
                                   const LoadRecord& load, bool english, double sightHeight) {
    EngineInputs inputs;
    inputs.MuzzleVelocity = load.MuzzleVelocity;
    inputs.BallisticCoefficient = load.BallisticCoefficient;
    inputs.BulletWeight = section == CatalogTab::Slug ? load.SlugWeight * kGrainsPerOunce
                                                      : static_cast<double>(load.BulletWeight);
    inputs.Pressure = kReferencePressure;

    const PanelRanges ranges = ReadPanelRanges(panel);
    const double altitude = ReadPanelDecimal(panel.Altitude, 0);
    const double temperature = ReadPanelDecimal(panel.Temperature, 59);
    const double crosswind = ReadPanelDecimal(panel.CrossWind, 0);
    inputs.RangeCount = ranges.RangeCount();

    if (english) {
        inputs.Increment = PanelFeet(ranges.Increment, true);
        inputs.ZeroRange = PanelYards(ranges.ZeroAt, true);
        inputs.Altitude = altitude;
        inputs.Temperature = temperature;
        inputs.Crosswind = crosswind;
    } else {
        inputs.Increment = PanelFeet(ranges.Increment, false);
        inputs.ZeroRange = PanelYards(ranges.ZeroAt, false);
        inputs.Altitude = altitude * kFeetPerMeter;
        inputs.Temperature = temperature * 1.8 + 32;
        inputs.Crosswind = crosswind * kMphPerMeterPerSecond;
    }
    inputs.SightHeight = sightHeight;
    return inputs;
}

} // namespace corvane
