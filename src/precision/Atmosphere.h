#pragma once
// The air of the precision model: density (with water vapour), speed of sound and density
// altitude from what a shooter knows at the site. English units throughout.
#include <optional>

namespace corvane::precision {

// Which standard air a ballistic coefficient is referred to. Makers quote most modern BCs
// against the ICAO standard atmosphere (59 F, 29.92 inHg, dry), as the common solvers assume;
// older tables use Army Standard Metro (59 F, 29.53 inHg, 78 % humidity).
enum class BcAtmosphere { Icao, ArmyStandardMetro };

struct SiteConditions {
    double AltitudeFt = 0;
    // What a barometer at the site reads (not corrected to sea level). Absent: the standard
    // pressure at the altitude.
    std::optional<double> StationPressureInHg;
    // Absent: the standard temperature at the altitude.
    std::optional<double> TemperatureF;
    double HumidityPercent = 0;
};

struct Air {
    double DensityRatio = 1;    // to the ICAO sea-level density
    double SpeedOfSoundFps = 0; // from the temperature alone
    double DensityAltitudeFt = 0;
    double TemperatureF = 0;
    double PressureInHg = 0;
};

inline constexpr double kIcaoDensityLbPerCuFt = 0.0764742;
inline constexpr double kArmyMetroDensityLbPerCuFt = 0.0751265;

// The ICAO standard atmosphere at an altitude (troposphere; below sea level continued).
double StandardPressureInHg(double altitudeFt);
double StandardTemperatureF(double altitudeFt);

Air AirAt(const SiteConditions& site);

// The factor that turns a BC referred to `reference` into the ICAO-referred BC the solver uses.
// Solvers of the Army Standard Metro kind divide the air density by the Metro density rather
// than the ICAO one, so the same drag needs a BC smaller by the ratio of the two densities.
double IcaoBcFactor(BcAtmosphere reference);

} // namespace corvane::precision
