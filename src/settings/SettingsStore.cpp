#include "settings/SettingsStore.h"

#include "common/NumberText.h"

#include <array>
#include <string>

namespace corvane {
namespace {

// The per-section values carry the section number as a decimal suffix: "IncrementIndex0".
std::string SectionName(std::string_view stem, int section) {
    return std::string(stem) + std::to_string(section);
}

// Integers and booleans read alike: a stored integer as it is, a text as a decimal number.
std::int32_t ReadInteger(SettingsBackend& backend, std::string_view name, std::int32_t fallback) {
    const StoredValue value = backend.Read(name, ExpectedKind::Integer);
    switch (value.kind) {
    case StoredKind::Integer:
        return value.integer;
    case StoredKind::Text:
        return ParseIntDef(value.text, fallback);
    default:
        return fallback;
    }
}

bool ReadBoolean(SettingsBackend& backend, std::string_view name, bool fallback) {
    return ReadInteger(backend, name, fallback ? 1 : 0) != 0;
}

ColorRef ReadColor(SettingsBackend& backend, std::string_view name, ColorRef fallback) {
    return static_cast<ColorRef>(ReadInteger(backend, name, static_cast<std::int32_t>(fallback)));
}

double ReadReal(SettingsBackend& backend, std::string_view name, double fallback) {
    const StoredValue value = backend.Read(name, ExpectedKind::Real);
    return value.kind == StoredKind::Real ? value.real : fallback;
}

// Bounds are accepted; NaN fails both comparisons and so takes the default too.
void CorrectReal(double& value, double maximum, double fallback) {
    if (!(value >= 0 && value <= maximum)) {
        value = fallback;
    }
}

// A name that already holds a text keeps holding one.
bool WriteInteger(SettingsBackend& backend, std::string_view name, std::int32_t value) {
    if (backend.Read(name, ExpectedKind::Integer).kind == StoredKind::Text) {
        return backend.WriteText(name, std::to_string(value));
    }
    return backend.WriteInteger(name, value);
}

bool WriteColor(SettingsBackend& backend, std::string_view name, ColorRef value) {
    return WriteInteger(backend, name, static_cast<std::int32_t>(value));
}

} // namespace

AppSettings ReadSettings(SettingsBackend& backend) {
    const AppSettings defaults;
    AppSettings s;
    s.EnglSys = ReadBoolean(backend, "EnglSys", defaults.EnglSys);
    s.DefaultAltitude = ReadReal(backend, "DefaultAltitude", defaults.DefaultAltitude);
    s.DefaultTemperature = ReadReal(backend, "DefaultTemperature", defaults.DefaultTemperature);
    s.DefaultCrossWind = ReadReal(backend, "DefaultCrossWind", defaults.DefaultCrossWind);
    s.ShowHints = ReadBoolean(backend, "ShowHints", defaults.ShowHints);

    s.clHeading = ReadColor(backend, "clHeading", defaults.clHeading);
    s.clHighlightBar = ReadColor(backend, "clHighlightBar", defaults.clHighlightBar);
    s.clGrid = ReadColor(backend, "clGrid", defaults.clGrid);
    s.clVelocity = ReadColor(backend, "clVelocity", defaults.clVelocity);
    s.clEnergy = ReadColor(backend, "clEnergy", defaults.clEnergy);
    s.clWindDrift = ReadColor(backend, "clWindDrift", defaults.clWindDrift);
    s.clTrajectory = ReadColor(backend, "clTrajectory", defaults.clTrajectory);
    s.GridFontSize = ReadInteger(backend, "GridFontSize", defaults.GridFontSize);

    s.PrimerNoSw = ReadBoolean(backend, "PrimerNoSw", defaults.PrimerNoSw);
    s.BarrelLenSw = ReadBoolean(backend, "BarrelLenSw", defaults.BarrelLenSw);
    s.DramEquivSw = ReadBoolean(backend, "DramEquivSw", defaults.DramEquivSw);
    s.VelocitySw = ReadBoolean(backend, "VelocitySw", defaults.VelocitySw);
    s.EnergySw = ReadBoolean(backend, "EnergySw", defaults.EnergySw);
    s.WindDriftSw = ReadBoolean(backend, "WindDriftSw", defaults.WindDriftSw);
    s.TrajectorySw = ReadBoolean(backend, "TrajectorySw", defaults.TrajectorySw);
    s.NoteSw = ReadBoolean(backend, "NoteSw", defaults.NoteSw);

    s.RifleSightHeight = ReadReal(backend, "RifleSightHeight", defaults.RifleSightHeight);
    s.PistolSightHeight = ReadReal(backend, "PistolSightHeight", defaults.PistolSightHeight);
    s.RimfireSightHeight = ReadReal(backend, "RimfireSightHeight", defaults.RimfireSightHeight);
    s.SlugSightHeight = ReadReal(backend, "SlugSightHeight", defaults.SlugSightHeight);
    s.ColorPrinting = ReadBoolean(backend, "ColorPrinting", defaults.ColorPrinting);

    for (int n = 0; n < 4; ++n) {
        const auto i = static_cast<std::size_t>(n);
        s.IncrementIndex[i] =
            ReadInteger(backend, SectionName("IncrementIndex", n), defaults.IncrementIndex[i]);
        s.RangeIndex[i] =
            ReadInteger(backend, SectionName("RangeIndex", n), defaults.RangeIndex[i]);
        s.ZeroAtIndex[i] =
            ReadInteger(backend, SectionName("ZeroAtIndex", n), defaults.ZeroAtIndex[i]);
        s.SavedIndex[i] =
            ReadBoolean(backend, SectionName("SavedIndex", n), defaults.SavedIndex[i]);
    }

    s.PriorStateMaximized =
        ReadBoolean(backend, "PriorStateMaximized", defaults.PriorStateMaximized);
    s.PriorStateLeft = ReadInteger(backend, "PriorStateLeft", defaults.PriorStateLeft);
    s.PriorStateTop = ReadInteger(backend, "PriorStateTop", defaults.PriorStateTop);
    s.PriorStateWidth = ReadInteger(backend, "PriorStateWidth", defaults.PriorStateWidth);
    s.PriorStateHeight = ReadInteger(backend, "PriorStateHeight", defaults.PriorStateHeight);
    s.RememberScreenPosition =
        ReadBoolean(backend, "RememberScreenPosition", defaults.RememberScreenPosition);

    CorrectReal(s.DefaultAltitude, 15000, defaults.DefaultAltitude);
    CorrectReal(s.DefaultTemperature, 120, defaults.DefaultTemperature);
    CorrectReal(s.DefaultCrossWind, 60, defaults.DefaultCrossWind);
    CorrectReal(s.RifleSightHeight, 10, defaults.RifleSightHeight);
    CorrectReal(s.PistolSightHeight, 10, defaults.PistolSightHeight);
    CorrectReal(s.RimfireSightHeight, 10, defaults.RimfireSightHeight);
    CorrectReal(s.SlugSightHeight, 10, defaults.SlugSightHeight);
    return s;
}

bool SaveUnitSystem(SettingsBackend& backend, const AppSettings& settings) {
    return backend.WriteBoolean("EnglSys", settings.EnglSys);
}

bool SaveDefaultConditions(SettingsBackend& backend, const AppSettings& settings) {
    bool ok = backend.WriteReal("DefaultAltitude", settings.DefaultAltitude);
    ok &= backend.WriteReal("DefaultTemperature", settings.DefaultTemperature);
    ok &= backend.WriteReal("DefaultCrossWind", settings.DefaultCrossWind);
    return ok;
}

bool SaveShowHints(SettingsBackend& backend, const AppSettings& settings) {
    return backend.WriteBoolean("ShowHints", settings.ShowHints);
}

bool SaveGridColors(SettingsBackend& backend, const AppSettings& settings) {
    bool ok = WriteColor(backend, "clHeading", settings.clHeading);
    ok &= WriteColor(backend, "clHighlightBar", settings.clHighlightBar);
    ok &= WriteColor(backend, "clGrid", settings.clGrid);
    ok &= WriteColor(backend, "clVelocity", settings.clVelocity);
    ok &= WriteColor(backend, "clEnergy", settings.clEnergy);
    ok &= WriteColor(backend, "clWindDrift", settings.clWindDrift);
    ok &= WriteColor(backend, "clTrajectory", settings.clTrajectory);
    ok &= WriteInteger(backend, "GridFontSize", settings.GridFontSize);
    return ok;
}

bool SaveColumnSwitches(SettingsBackend& backend, const AppSettings& settings) {
    bool ok = backend.WriteBoolean("PrimerNoSw", settings.PrimerNoSw);
    ok &= backend.WriteBoolean("BarrelLenSw", settings.BarrelLenSw);
    ok &= backend.WriteBoolean("DramEquivSw", settings.DramEquivSw);
    ok &= backend.WriteBoolean("VelocitySw", settings.VelocitySw);
    ok &= backend.WriteBoolean("EnergySw", settings.EnergySw);
    ok &= backend.WriteBoolean("WindDriftSw", settings.WindDriftSw);
    ok &= backend.WriteBoolean("TrajectorySw", settings.TrajectorySw);
    ok &= backend.WriteBoolean("NoteSw", settings.NoteSw);
    return ok;
}

bool SaveSightHeights(SettingsBackend& backend, const AppSettings& settings) {
    bool ok = backend.WriteReal("RifleSightHeight", settings.RifleSightHeight);
    ok &= backend.WriteReal("PistolSightHeight", settings.PistolSightHeight);
    ok &= backend.WriteReal("RimfireSightHeight", settings.RimfireSightHeight);
    ok &= backend.WriteReal("SlugSightHeight", settings.SlugSightHeight);
    return ok;
}

bool SaveColorPrinting(SettingsBackend& backend, const AppSettings& settings) {
    return backend.WriteBoolean("ColorPrinting", settings.ColorPrinting);
}

bool SaveEndOfRunSettings(SettingsBackend& backend, const AppSettings& settings) {
    bool ok = true;
    for (int n = 0; n < 4; ++n) {
        const auto i = static_cast<std::size_t>(n);
        ok &= WriteInteger(backend, SectionName("IncrementIndex", n), settings.IncrementIndex[i]);
        ok &= WriteInteger(backend, SectionName("RangeIndex", n), settings.RangeIndex[i]);
        ok &= WriteInteger(backend, SectionName("ZeroAtIndex", n), settings.ZeroAtIndex[i]);
        ok &= backend.WriteBoolean(SectionName("SavedIndex", n), settings.SavedIndex[i]);
    }
    ok &= backend.WriteBoolean("PriorStateMaximized", settings.PriorStateMaximized);
    ok &= WriteInteger(backend, "PriorStateLeft", settings.PriorStateLeft);
    ok &= WriteInteger(backend, "PriorStateTop", settings.PriorStateTop);
    ok &= WriteInteger(backend, "PriorStateWidth", settings.PriorStateWidth);
    ok &= WriteInteger(backend, "PriorStateHeight", settings.PriorStateHeight);
    ok &= backend.WriteBoolean("RememberScreenPosition", settings.RememberScreenPosition);
    return ok;
}

std::string ReadTableDirectory(SettingsBackend& backend, std::string_view fallback) {
    StoredValue value = backend.Read("TableDirectory", ExpectedKind::Text);
    return value.kind == StoredKind::Text ? std::move(value.text) : std::string(fallback);
}

bool SaveTableDirectory(SettingsBackend& backend, std::string_view folder) {
    return backend.WriteText("TableDirectory", folder);
}

} // namespace corvane
