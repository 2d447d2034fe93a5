#pragma once
// The entries only the precision model asks for - humidity, station pressure, shooting angle,
// the wind's clock direction, latitude and azimuth - checked when their field is left against
// the precision solver's limits, in the units on show, and read into its conditions.
#include "rifle/PrecisionCard.h"
#include "settings/DialogChecks.h"

#include <array>
#include <string>
#include <string_view>

namespace corvane {

enum class PrecisionEntry {
    Humidity,
    StationPressure,
    ShootingAngle,
    WindClock,
    Latitude,
    Azimuth
};
inline constexpr std::size_t kPrecisionEntryCount = 6;
using PrecisionEntryTexts = std::array<std::string, kPrecisionEntryCount>;

// The caption before the field and the unit after it (Windows-1252): "Humidity:" and "%",
// "Pressure:" and "inHg" or "hPa", ...
std::string PrecisionEntryCaption(PrecisionEntry entry);
std::string PrecisionEntryUnit(PrecisionEntry entry, bool english);

// The texts a new card starts with: dry air, standard pressure (blank), level, wind from
// 3 o'clock, no latitude (blank), azimuth 0.
PrecisionEntryTexts DefaultPrecisionEntries();

// An accepted entry keeps its text; a refused one gets the default back with a message naming
// the range and the unit. Pressure and latitude may be left blank.
FieldCheck CheckPrecisionEntry(PrecisionEntry entry, std::string_view text, bool english);

// A pressure entry carried to the other units (`toEnglish`): inHg to two decimals, hPa to one;
// a blank or unreadable entry stays as it is.
std::string PressureEntryInUnits(const std::string& text, bool toEnglish);

// The entries as the solver's conditions (English units); an entry that does not pass counts
// as its default.
PrecisionConditions ReadPrecisionEntries(const PrecisionEntryTexts& texts, bool english);

} // namespace corvane
