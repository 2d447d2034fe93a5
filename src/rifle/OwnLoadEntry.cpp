#include "rifle/OwnLoadEntry.h"

#include "common/NumberText.h"
#include "common/TextUtil.h"
#include "common/UnitConversion.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace corvane {
namespace {

// Which metric unit a field is shown in; every factor comes from UnitConversion.h.
enum class Metric { None, Grams, MetersPerSecond, Centimeters, Millimeters, Meters, PerCelsius };

struct FieldShape {
    const char* name;
    const char* englishUnit;
    const char* metricUnit;
    Metric metric;
    int englishDecimals;
    int metricDecimals;
    bool optional;
};

const FieldShape& ShapeOf(OwnField field) {
    // "\xB0" is the degree sign of Windows-1252, the encoding of the core's messages.
    // One row per OwnField, in its order.
    static const std::array<FieldShape, 12> kShapes{{
        {"Bullet weight", "grains", "grams", Metric::Grams, 1, 2, false},
        {"G1 ballistic coefficient", "", "", Metric::None, 3, 3, false},
        {"Muzzle velocity", "ft/s", "m/s", Metric::MetersPerSecond, 1, 1, false},
        {"Barrel length", "inches", "cm", Metric::Centimeters, 2, 1, false},
        {"G7 ballistic coefficient", "", "", Metric::None, 3, 3, true},
        {"Bullet diameter", "inches", "mm", Metric::Millimeters, 3, 2, true},
        {"Bullet length", "inches", "mm", Metric::Millimeters, 3, 2, true},
        {"Twist", "inches per turn", "cm per turn", Metric::Centimeters, 2, 1, true},
        {"Powder temperature sensitivity",
         "ft/s per \xB0"
         "F",
         "m/s per \xB0"
         "C",
         Metric::PerCelsius, 2, 3, true},
        {"Sight height", "inches", "cm", Metric::Centimeters, 2, 2, false},
        {"Zero range", "yards", "meters", Metric::Meters, 0, 1, false},
        {"Click value", "", "", Metric::None, 3, 3, false},
    }};
    return kShapes[static_cast<std::size_t>(field)];
}

// Degrees Fahrenheit in one degree Celsius, from the one temperature conversion.
double FahrenheitPerCelsius() {
    return CelsiusToFahrenheit(1) - CelsiusToFahrenheit(0);
}

double ToShown(const FieldShape& shape, double english, bool inEnglish) {
    if (inEnglish) {
        return english;
    }
    switch (shape.metric) {
    case Metric::None:
        break;
    case Metric::Grams:
        return english * kGramsPerGrain;
    case Metric::MetersPerSecond:
        return english * kMetersPerSecondPerFootPerSecond;
    case Metric::Centimeters:
        return english * kCentimetersPerInch;
    case Metric::Millimeters:
        return english * kCentimetersPerInch * 10;
    case Metric::Meters:
        return english / kYardsPerMeter;
    case Metric::PerCelsius:
        return english * kMetersPerSecondPerFootPerSecond * FahrenheitPerCelsius();
    }
    return english;
}

double FromShown(const FieldShape& shape, double shown, bool inEnglish) {
    if (inEnglish) {
        return shown;
    }
    switch (shape.metric) {
    case Metric::None:
        break;
    case Metric::Grams:
        return shown / kGramsPerGrain;
    case Metric::MetersPerSecond:
        return shown / kMetersPerSecondPerFootPerSecond;
    case Metric::Centimeters:
        return CentimetersToInches(shown);
    case Metric::Millimeters:
        return CentimetersToInches(shown / 10);
    case Metric::Meters:
        return shown * kYardsPerMeter;
    case Metric::PerCelsius:
        return shown / kMetersPerSecondPerFootPerSecond / FahrenheitPerCelsius();
    }
    return shown;
}

int Decimals(const FieldShape& shape, bool english) {
    return english ? shape.englishDecimals : shape.metricDecimals;
}

// FormatFixed without trailing zeros: "150", "0.462", "9.2".
std::string Trimmed(double value, int decimals) {
    std::string text = FormatFixed(value, decimals);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') {
            text.pop_back();
        }
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text == "-0" ? "0" : text;
}

// The limits in the unit on show, rounded inward to the field's decimals.
std::pair<double, double> ShownLimits(OwnField field, bool english) {
    const FieldShape& shape = ShapeOf(field);
    const FieldLimits& limits = LimitsOf(field);
    const double scale = std::pow(10.0, Decimals(shape, english));
    // The small allowance keeps a limit that converts exactly from moving a step inward.
    const double low = std::ceil(ToShown(shape, limits.low, english) * scale - 1e-6) / scale;
    const double high = std::floor(ToShown(shape, limits.high, english) * scale + 1e-6) / scale;
    return {low, high};
}

} // namespace

bool IsOptionalField(OwnField field) {
    return ShapeOf(field).optional;
}

std::string OwnFieldName(OwnField field) {
    return ShapeOf(field).name;
}

std::string OwnFieldUnitWord(OwnField field, bool english, AdjustmentUnit scope) {
    if (field == OwnField::Click) {
        return scope == AdjustmentUnit::Mil ? "mil" : "MOA";
    }
    const FieldShape& shape = ShapeOf(field);
    return english ? shape.englishUnit : shape.metricUnit;
}

std::string OwnFieldText(OwnField field, std::optional<double> stored, bool english) {
    if (!stored) {
        return {};
    }
    const FieldShape& shape = ShapeOf(field);
    return Trimmed(ToShown(shape, *stored, english), Decimals(shape, english));
}

FieldCheck CheckOwnFieldEntry(OwnField field, std::string_view text, bool english,
                              std::optional<double> previous, AdjustmentUnit scope) {
    const FieldShape& shape = ShapeOf(field);
    if (shape.optional && Trim(text).empty()) {
        return {true, {}, {}};
    }
    const auto [low, high] = ShownLimits(field, english);
    if (const std::optional<double> entry = ParseNumber(text)) {
        // The value as it will show, so that what is checked is what is kept.
        const std::string tidied = Trimmed(*entry, Decimals(shape, english));
        const double shown = ParseNumberDef(tidied, low - 1);
        if (shown >= low && shown <= high) {
            return {true, tidied, {}};
        }
    }
    const int decimals = Decimals(shape, english);
    const std::string unit = OwnFieldUnitWord(field, english, scope);
    std::string message = shape.name;
    message += " must be from " + Trimmed(low, decimals) + " to " + Trimmed(high, decimals);
    if (!unit.empty()) {
        message += " " + unit;
    }
    message += shape.optional ? ", or empty when not known." : ".";
    return {false, OwnFieldText(field, previous, english), std::move(message)};
}

std::optional<double> OwnFieldValue(OwnField field, std::string_view acceptedText, bool english) {
    const std::optional<double> shown = ParseNumber(acceptedText);
    if (!shown) {
        return std::nullopt;
    }
    // The inward-rounded range converts back within the limits but for the last bit.
    const FieldLimits& limits = LimitsOf(field);
    return std::clamp(FromShown(ShapeOf(field), *shown, english), limits.low, limits.high);
}

FieldCheck CheckOwnText(std::string_view text, std::string_view previous, bool required) {
    std::string kept = Trim(text);
    if (required && kept.empty()) {
        return {false, std::string(previous), "A name cannot be empty."};
    }
    if (kept.size() > kMaxTextLength) {
        return {false, std::string(previous),
                "This text is too long: at most 200 bytes, where a letter outside English takes "
                "two or three."};
    }
    return {true, std::move(kept), {}};
}

bool IsRifleField(OwnField field) {
    return field == OwnField::SightHeight || field == OwnField::ZeroRange ||
           field == OwnField::Click;
}

namespace {

// The member behind a load's field; null for a rifle's.
template <typename Load> auto LoadMember(Load& load, OwnField field) {
    using Number = std::conditional_t<std::is_const_v<Load>, const double, double>;
    using Optional = std::conditional_t<std::is_const_v<Load>, const std::optional<double>,
                                        std::optional<double>>;
    struct Member {
        Number* required = nullptr;
        Optional* optional = nullptr;
    };
    switch (field) {
    case OwnField::BulletWeight:
        return Member{&load.bulletWeight, nullptr};
    case OwnField::BallisticCoefficient:
        return Member{&load.ballisticCoefficient, nullptr};
    case OwnField::MuzzleVelocity:
        return Member{&load.muzzleVelocity, nullptr};
    case OwnField::BarrelLength:
        return Member{&load.barrelLength, nullptr};
    case OwnField::G7Coefficient:
        return Member{nullptr, &load.g7Coefficient};
    case OwnField::BulletDiameter:
        return Member{nullptr, &load.bulletDiameter};
    case OwnField::BulletLength:
        return Member{nullptr, &load.bulletLength};
    case OwnField::Twist:
        return Member{nullptr, &load.twist};
    case OwnField::PowderSensitivity:
        return Member{nullptr, &load.powderSensitivity};
    case OwnField::SightHeight:
    case OwnField::ZeroRange:
    case OwnField::Click:
        break;
    }
    return Member{};
}

template <typename Rifle> auto RifleMember(Rifle& rifle, OwnField field) {
    switch (field) {
    case OwnField::SightHeight:
        return &rifle.sightHeight;
    case OwnField::ZeroRange:
        return &rifle.zeroRange;
    case OwnField::Click:
        return &rifle.click;
    default:
        break;
    }
    return static_cast<decltype(&rifle.click)>(nullptr);
}

} // namespace

std::optional<double> FieldValue(const OwnLoad& load, OwnField field) {
    const auto member = LoadMember(load, field);
    if (member.required != nullptr) {
        return *member.required;
    }
    return member.optional != nullptr ? *member.optional : std::nullopt;
}

std::optional<double> FieldValue(const RifleProfile& rifle, OwnField field) {
    const double* member = RifleMember(rifle, field);
    return member != nullptr ? std::optional<double>(*member) : std::nullopt;
}

void SetFieldValue(OwnLoad& load, OwnField field, std::optional<double> value) {
    const auto member = LoadMember(load, field);
    if (member.optional != nullptr) {
        *member.optional = value;
    } else if (member.required != nullptr && value) {
        *member.required = *value;
    }
}

void SetFieldValue(RifleProfile& rifle, OwnField field, std::optional<double> value) {
    if (double* member = RifleMember(rifle, field); member != nullptr && value) {
        *member = *value;
    }
}

std::array<double, 2> CommonClicks(AdjustmentUnit unit) {
    if (unit == AdjustmentUnit::Mil) {
        return {0.1, 0.05};
    }
    return {0.25, 0.125};
}

} // namespace corvane
