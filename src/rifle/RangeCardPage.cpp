#include "rifle/RangeCardPage.h"

#include "common/Cp1252.h"
#include "common/NumberText.h"
#include "common/UnitConversion.h"
#include "rifle/PrecisionEntries.h"
#include "rifle/RangeCardText.h"

namespace corvane {

namespace {

// At most `decimals` decimals, without trailing zeros: "6", "0.25", "0.1".
std::string Short(double value, int decimals) {
    std::string text = FormatFixed(value, decimals);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text;
}

const char* UnitName(AdjustmentUnit unit) {
    return unit == AdjustmentUnit::Mil ? "mil" : "MOA";
}

struct Units {
    const char* distance;
    const char* length;
    const char* speed;
    const char* energy;
    const char* altitude;
    const char* temperature;
    const char* wind;
};

Units UnitsOf(bool english) {
    return english ? Units{"yd",
                           "in",
                           "ft/s",
                           "ft-lbf",
                           "ft",
                           "\xB0"
                           "F",
                           "mph"}
                   : Units{"m",
                           "cm",
                           "m/s",
                           "J",
                           "m",
                           "\xB0"
                           "C",
                           "m/s"};
}

std::string ProblemText(RangeCardProblem problem) {
    switch (problem) {
    case RangeCardProblem::None:
        break;
    case RangeCardProblem::NoSteps:
        return "The step and the click value must be above 0.";
    case RangeCardProblem::TooManyRows:
        return "Too many rows: a card holds at most " + std::to_string(kMaxCardRows) +
               " rows after the muzzle. Raise the step or lower the maximum range.";
    case RangeCardProblem::LoadCannotFly:
        return "This load has no usable velocity or ballistic coefficient.";
    case RangeCardProblem::ZeroOutOfReach:
        return "This load cannot reach the zero range.";
    }
    return {};
}

// What the precision model flew the card with, beyond the catalog's conditions.
void AddPrecisionDetails(std::vector<CardPair>& details, const PrecisionBullet& bullet,
                         const PrecisionConditions& c, const EngineInputs& in, bool english) {
    const std::string degrees = "\xB0";
    const std::string pressureUnit = PrecisionEntryUnit(PrecisionEntry::StationPressure, english);
    details.push_back({"Drag:", DragText(bullet)});
    details.push_back({"Humidity:", Short(c.humidityPercent, 1) + " %"});
    details.push_back(
        {"Station pressure:",
         c.stationPressureInHg
             ? (english ? FormatFixed(*c.stationPressureInHg, 2)
                        : FormatFixed(*c.stationPressureInHg * kHectopascalsPerInchOfMercury, 1)) +
                   " " + pressureUnit
             : "standard for the altitude"});
    // The one figure that sums up the air's effect on the flight.
    const double densityAltitude =
        precision::AirAt(MakePrecisionInputs(in, bullet, c).Site).DensityAltitudeFt;
    details.push_back(
        {"Density altitude:",
         FormatFixed(english ? densityAltitude : densityAltitude * kMetersPerFoot, 0) +
             (english ? " ft" : " m")});
    details.push_back({"Shooting angle:", Short(c.shootingAngleDegrees, 1) + degrees});
    details.push_back({"Wind from:", Short(c.windClockHours, 1) + " o'clock"});
    if (c.latitudeDegrees) {
        details.push_back({"Latitude:", Short(*c.latitudeDegrees, 2) + degrees + ", azimuth " +
                                            Short(c.azimuthDegrees, 1) + degrees});
    }
}

} // namespace

std::vector<std::string> RangeCardHeadings(bool english, AdjustmentUnit unit) {
    const Units u = UnitsOf(english);
    const std::string adjustment = UnitName(unit);
    return {std::string("Range (") + u.distance + ")",
            std::string("Path (") + u.length + ")",
            "Come-up (" + adjustment + ")",
            "Clicks",
            "Wind hold (" + adjustment + ")",
            "Clicks",
            std::string("Velocity (") + u.speed + ")",
            std::string("Energy (") + u.energy + ")",
            "Time (s)"};
}

RangeCardPage BuildRangeCardPage(const CardLoad& load, const RangeCardChoices& choices,
                                 const RangeCard& card) {
    const bool english = choices.english;
    const Units u = UnitsOf(english);
    const std::string space = " ";
    RangeCardPage page;
    page.title = "Range Card";
    if (!load.Chosen()) {
        page.problem = "No load is chosen: select a load of the rifle, pistol, rimfire or slug "
                       "section, or choose one of your own loads.";
        return page;
    }
    page.title += ": " + load.name;
    const RangeCardRequest request = MakeRangeCardRequest(load, choices);
    const EngineInputs& in = request.inputs;
    const double sightHeight = CardSightHeight(choices) * (english ? 1 : kCentimetersPerInch);
    page.details = {
        {"Model:", choices.model == BallisticModel::Precision ? "Precision" : "Catalog standard"},
        {"Load:", load.name + (load.own ? " (own load)" : "")},
        {"Rifle:",
         choices.rifle ? Utf8ToCp1252(choices.rifle->name) : "None: the section's sight height"},
        {"Sight height:", FormatFixed(sightHeight, 2) + space + u.length},
        {"Zero:", std::to_string(CardZeroAt(choices)) + space + u.distance},
        {"Altitude:",
         FormatFixed(english ? in.Altitude : in.Altitude * kMetersPerFoot, 0) + space + u.altitude},
        {"Temperature:",
         FormatFixed(english ? in.Temperature : FahrenheitToCelsius(in.Temperature), 0) + space +
             u.temperature},
        {"Full-value wind:",
         Short(english ? in.Crosswind : in.Crosswind * kMetersPerSecondPerMph, 1) + space + u.wind},
        {"Sight adjustments:", std::string(UnitName(choices.unit)) + ", " +
                                   Short(choices.click, 3) + space + UnitName(choices.unit) +
                                   " a click"},
    };
    if (choices.model == BallisticModel::Precision) {
        AddPrecisionDetails(page.details, CardBullet(load, request), choices.precision, in,
                            english);
    }
    page.problem = ProblemText(card.problem);
    if (card.problem != RangeCardProblem::None) {
        return page;
    }
    const std::string zone = Short(choices.vitalZone, 2) + space + u.length;
    page.pointBlankLine = card.pointBlank
                              ? "Maximum point-blank range for a " + zone +
                                    " vital zone: " + FormatFixed(card.pointBlank->range, 0) +
                                    space + u.distance + ", zeroed at " +
                                    FormatFixed(card.pointBlank->zeroRange, 0) + space + u.distance
                              : "Maximum point-blank range for a " + zone +
                                    " vital zone: none (no zero keeps the path within the zone)";
    page.headings = RangeCardHeadings(english, choices.unit);
    for (const RangeCardRow& row : card.rows) {
        page.rows.push_back(RangeCardCells(row));
    }
    const std::string threshold = Short(choices.energyThreshold, 0) + space + u.energy;
    if (!card.energyBelowThreshold) {
        page.energyLine = "Energy stays above " + threshold + " to " +
                          std::to_string(kMaxCardRange) + space + u.distance;
    } else if (*card.energyBelowThreshold <= 0) {
        page.energyLine = "Energy is below " + threshold + " at the muzzle";
    } else {
        page.energyLine = "Energy falls below " + threshold + " at " +
                          FormatFixed(*card.energyBelowThreshold, 0) + space + u.distance;
    }
    return page;
}

std::string RangeCardPageText(const RangeCardPage& page) {
    const auto joined = [](const std::vector<std::string>& cells) {
        std::string line;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            line += (i > 0 ? "|" : "") + cells[i];
        }
        return line + '\n';
    };
    std::string text = page.title + '\n';
    for (const CardPair& pair : page.details) {
        text += pair.label + ' ' + pair.value + '\n';
    }
    if (!page.problem.empty()) {
        return text + page.problem + '\n';
    }
    text += page.pointBlankLine + '\n' + joined(page.headings);
    for (const std::vector<std::string>& row : page.rows) {
        text += joined(row);
    }
    return text + page.energyLine + '\n';
}

} // namespace corvane
