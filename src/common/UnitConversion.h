#pragma once
// English <-> Metric factors. Every value is held in English units and converted only at entry
// and display; these exact values keep both unit systems agreeing with each other.
namespace corvane {

inline constexpr double kFeetPerMeter = 3.2808398950131235;
inline constexpr double kYardsPerMeter = 1.0936132983377078;
inline constexpr double kMetersPerFoot = 0.3048;
inline constexpr double kMphPerMeterPerSecond = 2.2369362920544025;
inline constexpr double kMetersPerSecondPerMph = 0.44704;
inline constexpr double kMetersPerSecondPerFootPerSecond = 0.3048;
inline constexpr double kJoulesPerFootPound = 1.35582;
inline constexpr double kCentimetersPerInch = 2.54;
// The factor the sight height dialog stores centimetres with. Dividing by 2.54 instead can differ
// in the last place, which is enough to move a printed trajectory value by a tenth.
inline constexpr double kInchesPerCentimeter = 0.39370078740157483;
inline constexpr double kGramsPerGrain = 0.06479891;
// Not the avoirdupois 28.3495 g: shot weights in grams have always been printed with this
// factor, and the stored and printed figures of every shotshell depend on it.
inline constexpr double kGramsPerOunce = 28.352707683583784;
inline constexpr double kGrainsPerOunce = 437.5;
inline constexpr double kFeetPerYard = 3.0;
inline constexpr double kHectopascalsPerInchOfMercury = 33.8639;
// Rise in inches per foot of distance for one minute of angle, as the catalog has always
// rounded it (tan of 1/60 degree times 12 is 0.0034906...).
inline constexpr double kMoaInchesPerFoot = 0.00349066;

inline constexpr double CentimetersToInches(double centimeters) {
    return centimeters * kInchesPerCentimeter;
}

inline constexpr double CelsiusToFahrenheit(double celsius) {
    return celsius * 1.8 + 32;
}
// The factor is the nine-decimal value the catalog has always used, not 5/9.
inline constexpr double FahrenheitToCelsius(double fahrenheit) {
    return (fahrenheit - 32) * 0.555555555;
}

} // namespace corvane
