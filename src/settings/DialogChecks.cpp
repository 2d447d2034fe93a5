#include "settings/DialogChecks.h"

#include "common/NumberText.h"
#include "common/TextUtil.h"
#include "common/UnitConversion.h"

#include <algorithm>
#include <cstdint>

namespace corvane {
namespace {

// One condition in both unit systems. Ranges are whole numbers in the unit on show.
struct ConditionRule {
    const char* englishUnit;
    const char* metricUnit;
    int englishMin, englishMax;
    int metricMin, metricMax;
    int englishReset, metricReset;
};

const ConditionRule& RuleOf(ConditionField field) {
    static const ConditionRule kAltitude{"Feet", "Meters", 0, 15000, 0, 4572, 0, 0};
    static const ConditionRule kTemperature{"Fahrenheit", "Celsius", 0, 120, -18, 48, 59, 15};
    static const ConditionRule kCrossWind{"MPH", "MPS", 0, 60, 0, 26, 10, 4};
    switch (field) {
    case ConditionField::Altitude:
        return kAltitude;
    case ConditionField::Temperature:
        return kTemperature;
    case ConditionField::CrossWind:
        break;
    }
    return kCrossWind;
}

double EnglishToMetric(ConditionField field, double value) {
    switch (field) {
    case ConditionField::Altitude:
        return value * kMetersPerFoot;
    case ConditionField::Temperature:
        return FahrenheitToCelsius(value);
    case ConditionField::CrossWind:
        break;
    }
    return value * kMetersPerSecondPerMph;
}

double MetricToEnglish(ConditionField field, double value) {
    switch (field) {
    case ConditionField::Altitude:
        return value * kFeetPerMeter;
    case ConditionField::Temperature:
        return CelsiusToFahrenheit(value);
    case ConditionField::CrossWind:
        break;
    }
    return value * kMphPerMeterPerSecond;
}

std::string ConditionMessage(ConditionField field, bool english) {
    const ConditionRule& rule = RuleOf(field);
    const int low = english ? rule.englishMin : rule.metricMin;
    const std::string high = std::to_string(english ? rule.englishMax : rule.metricMax);
    const std::string unit = english ? rule.englishUnit : rule.metricUnit;
    switch (field) {
    case ConditionField::Altitude:
        return "Altitude must be from 0 to " + high + " " + unit + ".";
    case ConditionField::Temperature:
        // "\xBA" is the degree-like ordinal sign of Windows-1252; two blanks precede the unit.
        return "Temperature must be from " + std::to_string(low) + "\xBA to " + high + "\xBA  " +
               unit + ".";
    case ConditionField::CrossWind:
        break;
    }
    return "Crosswind speed must be from 0 to " + high + " " + unit + ".";
}

const char* SightName(SightField field) {
    switch (field) {
    case SightField::Rifle:
        return "Rifle";
    case SightField::Pistol:
        return "Pistol";
    case SightField::Rimfire:
        return "Rimfire";
    case SightField::Slug:
        break;
    }
    return "Slug";
}

constexpr double kMaxSightInches = 10;
constexpr double kMaxSightCentimeters = 25.4;

// Whole numbers and one-decimal texts never show as "-0".
double WithoutNegativeZero(double value) {
    return value == 0 ? 0.0 : value;
}

} // namespace

std::optional<double> ParseNumber(std::string_view text) {
    std::string kept;
    for (char c : Trim(text)) {
        if ((c >= '0' && c <= '9') || c == '-' || c == '.') {
            kept.push_back(c);
        }
    }
    return TryParseDouble(kept);
}

double ParseNumberDef(std::string_view text, double fallback) {
    return ParseNumber(text).value_or(fallback);
}

std::string ConditionUnitWord(ConditionField field, bool english) {
    const ConditionRule& rule = RuleOf(field);
    return english ? rule.englishUnit : rule.metricUnit;
}

std::string ConditionDisplayText(ConditionField field, double stored, bool english) {
    const double shown = english ? stored : EnglishToMetric(field, stored);
    return std::to_string(RoundHalfEven(shown));
}

FieldCheck CheckConditionEntry(ConditionField field, std::string_view text, bool english) {
    const ConditionRule& rule = RuleOf(field);
    const std::optional<double> entry = ParseNumber(text);
    if (entry) {
        const std::int64_t value = RoundHalfEven(*entry);
        const int low = english ? rule.englishMin : rule.metricMin;
        const int high = english ? rule.englishMax : rule.metricMax;
        if (value >= low && value <= high) {
            return {true, std::to_string(value), {}};
        }
    }
    return {false, ConditionRestoreText(field, english), ConditionMessage(field, english)};
}

double ConditionFromEntry(ConditionField field, std::string_view text, bool english) {
    const ConditionRule& rule = RuleOf(field);
    if (english) {
        return static_cast<double>(RoundHalfEven(ParseNumberDef(text, rule.englishReset)));
    }
    const double metric = ParseNumberDef(text, rule.metricReset);
    return static_cast<double>(RoundHalfEven(MetricToEnglish(field, metric)));
}

std::string ConditionRestoreText(ConditionField field, bool english) {
    const ConditionRule& rule = RuleOf(field);
    return std::to_string(english ? rule.englishReset : rule.metricReset);
}

std::string SightHeightUnitWord(bool english) {
    return english ? "Inches" : "Centimeters";
}

std::string SightHeightDisplayText(double inches, bool english) {
    const double shown = english ? inches : inches * kCentimetersPerInch;
    return FormatFixed(WithoutNegativeZero(shown), 1);
}

FieldCheck CheckSightHeightEntry(SightField field, std::string_view text, bool english) {
    const double high = english ? kMaxSightInches : kMaxSightCentimeters;
    const std::optional<double> entry = ParseNumber(text);
    if (entry && *entry >= 0 && *entry <= high) {
        return {true, FormatFixed(WithoutNegativeZero(*entry), 1), {}};
    }
    std::string message = std::string(SightName(field)) + " sight height must be from 0 to " +
                          FormatFixed(high, 1) + " " + SightHeightUnitWord(english) + ".";
    return {false, "0", std::move(message)};
}

double SightHeightFromEntry(std::string_view text, bool english) {
    if (english) {
        return ParseNumberDef(text, 1.5);
    }
    return CentimetersToInches(ParseNumberDef(text, 3.8));
}

std::string SightHeightRestoreText(SightField field, bool english) {
    switch (field) {
    case SightField::Rifle:
    case SightField::Rimfire:
        return english ? "1.5" : "3.8";
    case SightField::Pistol:
        return english ? "0.9" : "2.3";
    case SightField::Slug:
        break;
    }
    return english ? "0.5" : "1.3";
}

double SightHeightOf(const AppSettings& settings, SightField field) {
    return settings.SightHeightOf(field);
}

void SetSightHeight(AppSettings& settings, SightField field, double inches) {
    switch (field) {
    case SightField::Rifle:
        settings.RifleSightHeight = inches;
        return;
    case SightField::Pistol:
        settings.PistolSightHeight = inches;
        return;
    case SightField::Rimfire:
        settings.RimfireSightHeight = inches;
        return;
    case SightField::Slug:
        settings.SlugSightHeight = inches;
        return;
    }
}

const std::array<GridColorRow, 7> kGridColorRows{{
    {"Background Color", &AppSettings::clGrid, MakeColor(249, 245, 232)},
    {"Heading Color", &AppSettings::clHeading, MakeColor(197, 168, 114)},
    {"Selected Row Color", &AppSettings::clHighlightBar, MakeColor(249, 241, 155)},
    {"Velocity Column Color", &AppSettings::clVelocity, MakeColor(152, 228, 183)},
    {"Energy Column Color", &AppSettings::clEnergy, MakeColor(226, 213, 186)},
    {"Crosswind Column Color", &AppSettings::clWindDrift, MakeColor(223, 213, 220)},
    {"Trajectory Column Color", &AppSettings::clTrajectory, MakeColor(249, 245, 232)},
}};

int ClampGridFontSize(int size) {
    return std::clamp(size, kMinGridFontSize, kMaxGridFontSize);
}

} // namespace corvane
