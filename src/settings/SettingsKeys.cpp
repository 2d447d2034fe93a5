#include "settings/SettingsKeys.h"

namespace corvane {
namespace {

using G = SettingsGroup;

constexpr SettingKey Flag(std::string_view name, G group, bool AppSettings::*member) {
    return {name, group, SettingField<bool>{member}};
}
constexpr SettingKey Integer(std::string_view name, G group, std::int32_t AppSettings::*member) {
    return {name, group, SettingField<std::int32_t>{member}};
}
constexpr SettingKey Color(std::string_view name, ColorRef AppSettings::*member) {
    return {name, G::GridColors, SettingField<ColorRef>{member}};
}
constexpr SettingKey Real(std::string_view name, G group, double AppSettings::*member,
                          double maximum) {
    return {name, group, SettingField<double>{member}, maximum};
}
constexpr SettingKey SectionInteger(std::string_view name,
                                    std::array<std::int32_t, 4> AppSettings::*values, int section) {
    return {name, G::EndOfRun, SettingField<std::int32_t>{nullptr, values, section}};
}
constexpr SettingKey SectionFlag(std::string_view name, std::array<bool, 4> AppSettings::*values,
                                 int section) {
    return {name, G::EndOfRun, SettingField<bool>{nullptr, values, section}};
}

const SettingKey kKeys[] = {
    Flag("EnglSys", G::UnitSystem, &AppSettings::EnglSys),
    Real("DefaultAltitude", G::DefaultConditions, &AppSettings::DefaultAltitude, 15000),
    Real("DefaultTemperature", G::DefaultConditions, &AppSettings::DefaultTemperature, 120),
    Real("DefaultCrossWind", G::DefaultConditions, &AppSettings::DefaultCrossWind, 60),
    Flag("ShowHints", G::ShowHints, &AppSettings::ShowHints),

    Color("clHeading", &AppSettings::clHeading),
    Color("clHighlightBar", &AppSettings::clHighlightBar),
    Color("clGrid", &AppSettings::clGrid),
    Color("clVelocity", &AppSettings::clVelocity),
    Color("clEnergy", &AppSettings::clEnergy),
    Color("clWindDrift", &AppSettings::clWindDrift),
    Color("clTrajectory", &AppSettings::clTrajectory),
    Integer("GridFontSize", G::GridColors, &AppSettings::GridFontSize),

    Flag("PrimerNoSw", G::ColumnSwitches, &AppSettings::PrimerNoSw),
    Flag("BarrelLenSw", G::ColumnSwitches, &AppSettings::BarrelLenSw),
    Flag("DramEquivSw", G::ColumnSwitches, &AppSettings::DramEquivSw),
    Flag("VelocitySw", G::ColumnSwitches, &AppSettings::VelocitySw),
    Flag("EnergySw", G::ColumnSwitches, &AppSettings::EnergySw),
    Flag("WindDriftSw", G::ColumnSwitches, &AppSettings::WindDriftSw),
    Flag("TrajectorySw", G::ColumnSwitches, &AppSettings::TrajectorySw),
    Flag("NoteSw", G::ColumnSwitches, &AppSettings::NoteSw),

    Real("RifleSightHeight", G::SightHeights, &AppSettings::RifleSightHeight, 10),
    Real("PistolSightHeight", G::SightHeights, &AppSettings::PistolSightHeight, 10),
    Real("RimfireSightHeight", G::SightHeights, &AppSettings::RimfireSightHeight, 10),
    Real("SlugSightHeight", G::SightHeights, &AppSettings::SlugSightHeight, 10),
    Flag("ColorPrinting", G::ColorPrinting, &AppSettings::ColorPrinting),

    // Per section 0-3, in the order the store has always kept them.
    SectionInteger("IncrementIndex0", &AppSettings::IncrementIndex, 0),
    SectionInteger("RangeIndex0", &AppSettings::RangeIndex, 0),
    SectionInteger("ZeroAtIndex0", &AppSettings::ZeroAtIndex, 0),
    SectionFlag("SavedIndex0", &AppSettings::SavedIndex, 0),
    SectionInteger("IncrementIndex1", &AppSettings::IncrementIndex, 1),
    SectionInteger("RangeIndex1", &AppSettings::RangeIndex, 1),
    SectionInteger("ZeroAtIndex1", &AppSettings::ZeroAtIndex, 1),
    SectionFlag("SavedIndex1", &AppSettings::SavedIndex, 1),
    SectionInteger("IncrementIndex2", &AppSettings::IncrementIndex, 2),
    SectionInteger("RangeIndex2", &AppSettings::RangeIndex, 2),
    SectionInteger("ZeroAtIndex2", &AppSettings::ZeroAtIndex, 2),
    SectionFlag("SavedIndex2", &AppSettings::SavedIndex, 2),
    SectionInteger("IncrementIndex3", &AppSettings::IncrementIndex, 3),
    SectionInteger("RangeIndex3", &AppSettings::RangeIndex, 3),
    SectionInteger("ZeroAtIndex3", &AppSettings::ZeroAtIndex, 3),
    SectionFlag("SavedIndex3", &AppSettings::SavedIndex, 3),

    Flag("PriorStateMaximized", G::EndOfRun, &AppSettings::PriorStateMaximized),
    Integer("PriorStateLeft", G::EndOfRun, &AppSettings::PriorStateLeft),
    Integer("PriorStateTop", G::EndOfRun, &AppSettings::PriorStateTop),
    Integer("PriorStateWidth", G::EndOfRun, &AppSettings::PriorStateWidth),
    Integer("PriorStateHeight", G::EndOfRun, &AppSettings::PriorStateHeight),
    Flag("RememberScreenPosition", G::EndOfRun, &AppSettings::RememberScreenPosition),
};

} // namespace

std::span<const SettingKey> SettingKeys() {
    return kKeys;
}

} // namespace corvane
