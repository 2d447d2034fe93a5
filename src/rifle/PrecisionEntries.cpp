#include "rifle/PrecisionEntries.h"

#include "common/NumberText.h"
#include "common/TextUtil.h"
#include "common/UnitConversion.h"
#include "precision/PrecisionSolver.h"

#include <optional>

namespace corvane {

namespace {

using precision::InputLimit;

struct EntryRule {
    const char* caption;
    const char* name; // in the message
    const InputLimit* limit;
    double perUnit; // the solver's value per shown unit (clock hours, hPa)
    bool blankAllowed;
    const char* blankMeaning;
    const char* defaultText;
};

// Clock hours against the limits in degrees, 30 to the hour.
constexpr double kDegreesPerHour = 30;

const EntryRule& RuleOf(PrecisionEntry entry) {
    static const EntryRule rules[kPrecisionEntryCount] = {
        {"Humidity:", "Humidity", &precision::kHumidityLimit, 1, false, "", "0"},
        {"Pressure:", "Station pressure", &precision::kPressureLimit, 1, true,
         "the standard pressure at the altitude", ""},
        {"Angle:", "Shooting angle", &precision::kAngleLimit, 1, false, "", "0"},
        {"Wind from:", "Wind direction", &precision::kWindDirectionLimit, kDegreesPerHour, false,
         "", "3"},
        {"Latitude:", "Latitude", &precision::kLatitudeLimit, 1, true, "no Coriolis effect", ""},
        {"Azimuth:", "Azimuth", &precision::kAzimuthLimit, 1, false, "", "0"},
    };
    return rules[static_cast<std::size_t>(entry)];
}

// Shown units per solver unit: hectopascals under Metric for the pressure.
double ShownPerSolver(PrecisionEntry entry, bool english) {
    return entry == PrecisionEntry::StationPressure && !english ? kHectopascalsPerInchOfMercury
                                                                : 1.0;
}

std::string Bound(double value) {
    std::string text = FormatFixed(value, 2);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') {
        text.pop_back();
    }
    return text;
}

// The entry in solver units; none when blank or out of range.
std::optional<double> SolverValue(PrecisionEntry entry, std::string_view text, bool english) {
    const EntryRule& rule = RuleOf(entry);
    const std::optional<double> shown = ParseNumber(text);
    if (!shown) {
        return std::nullopt;
    }
    const double value = *shown / ShownPerSolver(entry, english) * rule.perUnit;
    if (precision::CheckLimit(value, *rule.limit)) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::string PrecisionEntryCaption(PrecisionEntry entry) {
    return RuleOf(entry).caption;
}

std::string PrecisionEntryUnit(PrecisionEntry entry, bool english) {
    switch (entry) {
    case PrecisionEntry::Humidity:
        return "%";
    case PrecisionEntry::StationPressure:
        return english ? "inHg" : "hPa";
    case PrecisionEntry::WindClock:
        return "o'clock";
    case PrecisionEntry::ShootingAngle:
    case PrecisionEntry::Latitude:
    case PrecisionEntry::Azimuth:
        break;
    }
    return "\xB0";
}

PrecisionEntryTexts DefaultPrecisionEntries() {
    PrecisionEntryTexts texts;
    for (std::size_t i = 0; i < kPrecisionEntryCount; ++i) {
        texts[i] = RuleOf(static_cast<PrecisionEntry>(i)).defaultText;
    }
    return texts;
}

FieldCheck CheckPrecisionEntry(PrecisionEntry entry, std::string_view text, bool english) {
    const EntryRule& rule = RuleOf(entry);
    const std::string trimmed = Trim(std::string(text));
    if (trimmed.empty() && rule.blankAllowed) {
        return {true, "", {}};
    }
    if (SolverValue(entry, trimmed, english)) {
        return {true, trimmed, {}};
    }
    const double scale = ShownPerSolver(entry, english) / rule.perUnit;
    std::string message =
        std::string(rule.name) + " must be from " + Bound(rule.limit->Low * scale) + " to " +
        Bound(rule.limit->High * scale) + " " + PrecisionEntryUnit(entry, english);
    if (rule.blankAllowed) {
        message += std::string(", or blank for ") + rule.blankMeaning;
    }
    return {false, rule.defaultText, message + "."};
}

std::string PressureEntryInUnits(const std::string& text, bool toEnglish) {
    const std::optional<double> shown = ParseNumber(text);
    if (!shown) {
        return text;
    }
    return toEnglish ? FormatFixed(*shown / kHectopascalsPerInchOfMercury, 2)
                     : FormatFixed(*shown * kHectopascalsPerInchOfMercury, 1);
}

PrecisionConditions ReadPrecisionEntries(const PrecisionEntryTexts& texts, bool english) {
    const auto value = [&](PrecisionEntry entry) {
        const std::string& text = texts[static_cast<std::size_t>(entry)];
        const std::optional<double> entered = SolverValue(entry, text, english);
        return entered ? entered : SolverValue(entry, RuleOf(entry).defaultText, english);
    };
    PrecisionConditions conditions;
    conditions.humidityPercent = value(PrecisionEntry::Humidity).value_or(0);
    conditions.stationPressureInHg = value(PrecisionEntry::StationPressure);
    conditions.shootingAngleDegrees = value(PrecisionEntry::ShootingAngle).value_or(0);
    conditions.windClockHours =
        value(PrecisionEntry::WindClock).value_or(3 * kDegreesPerHour) / kDegreesPerHour;
    conditions.latitudeDegrees = value(PrecisionEntry::Latitude);
    conditions.azimuthDegrees = value(PrecisionEntry::Azimuth).value_or(0);
    return conditions;
}

} // namespace corvane
