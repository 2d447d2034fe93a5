#include "precision/Atmosphere.h"

#include <algorithm>
#include <cmath>

namespace corvane::precision {

namespace {

// ICAO troposphere: 288.15 K at sea level, 6.5 K per km lapse, exponent g M / (R L).
constexpr double kSeaLevelRankine = 518.67;
constexpr double kLapseRankinePerFt = 0.00356616;
constexpr double kSeaLevelInHg = 29.92126;
constexpr double kPressureExponent = 5.2558797;
constexpr double kRankineOffset = 459.67;
// Gas constants of dry air and water vapour (J/(kg K)); the density ratio needs no absolute
// units as long as pressure and temperature go in alike for the air and the standard.
constexpr double kDryAirGasConstant = 287.058;
constexpr double kVapourGasConstant = 461.495;
constexpr double kPascalPerInHg = 3386.389;
constexpr double kIcaoDensityKgPerCuM = 1.225;
// sqrt(gamma R) of dry air in ft/s per sqrt(Rankine): 1116.45 ft/s at 59 F.
constexpr double kSoundSpeedFactor = 49.0223;

// Saturation vapour pressure over water in pascals (Arden Buck, 1981), temperature in Celsius.
double SaturationVapourPascal(double celsius) {
    return 611.21 * std::exp((18.678 - celsius / 234.5) * (celsius / (257.14 + celsius)));
}

} // namespace

double StandardPressureInHg(double altitudeFt) {
    const double ratio = 1 - kLapseRankinePerFt * altitudeFt / kSeaLevelRankine;
    return kSeaLevelInHg * std::pow(ratio, kPressureExponent);
}

double StandardTemperatureF(double altitudeFt) {
    return kSeaLevelRankine - kLapseRankinePerFt * altitudeFt - kRankineOffset;
}

Air AirAt(const SiteConditions& site) {
    Air air;
    air.TemperatureF = site.TemperatureF.value_or(StandardTemperatureF(site.AltitudeFt));
    air.PressureInHg = site.StationPressureInHg.value_or(StandardPressureInHg(site.AltitudeFt));
    const double kelvin = (air.TemperatureF + kRankineOffset) * 5.0 / 9.0;
    const double pascal = air.PressureInHg * kPascalPerInHg;
    const double vapour = site.HumidityPercent / 100 * SaturationVapourPascal(kelvin - 273.15);
    const double density =
        (pascal - vapour) / (kDryAirGasConstant * kelvin) + vapour / (kVapourGasConstant * kelvin);
    air.DensityRatio = density / kIcaoDensityKgPerCuM;
    air.SpeedOfSoundFps = kSoundSpeedFactor * std::sqrt(air.TemperatureF + kRankineOffset);
    // The altitude of the standard atmosphere with this density: there the density ratio is
    // (T/T0)^(exponent - 1).
    air.DensityAltitudeFt = kSeaLevelRankine / kLapseRankinePerFt *
                            (1 - std::pow(air.DensityRatio, 1 / (kPressureExponent - 1)));
    return air;
}

double IcaoBcFactor(BcAtmosphere reference) {
    return reference == BcAtmosphere::ArmyStandardMetro
               ? kArmyMetroDensityLbPerCuFt / kIcaoDensityLbPerCuFt
               : 1.0;
}

} // namespace corvane::precision
