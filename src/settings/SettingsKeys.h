#pragma once
// The one table of the settings store's values: name, kind, member of AppSettings, write group
// and read-time limit. Reading, correcting and writing all walk it, so each name is spelled once.
#include "settings/AppSettings.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

namespace corvane {

// The groups in which values are written back: each at the moment the user changes it, the last
// at program end.
enum class SettingsGroup {
    UnitSystem,
    DefaultConditions,
    ShowHints,
    GridColors,
    ColumnSwitches,
    SightHeights,
    ColorPrinting,
    EndOfRun, // the per-section condition choices, then the window placement
};
inline constexpr SettingsGroup kSettingsGroups[] = {
    SettingsGroup::UnitSystem,    SettingsGroup::DefaultConditions, SettingsGroup::ShowHints,
    SettingsGroup::GridColors,    SettingsGroup::ColumnSwitches,    SettingsGroup::SightHeights,
    SettingsGroup::ColorPrinting, SettingsGroup::EndOfRun};

// A field of AppSettings of type T: a plain member, or one element of a per-section array.
template <class T> struct SettingField {
    T AppSettings::*member = nullptr;
    std::array<T, 4> AppSettings::*perSection = nullptr;
    int section = 0;

    T& Of(AppSettings& s) const {
        return member != nullptr ? s.*member : (s.*perSection)[static_cast<std::size_t>(section)];
    }
    const T& Of(const AppSettings& s) const {
        return member != nullptr ? s.*member : (s.*perSection)[static_cast<std::size_t>(section)];
    }
};

// Booleans are stored as the texts "0" and "1" and read as numbers; integers and colours as
// 32-bit integers; reals as doubles, refused outside 0..Maximum.
using SettingTarget = std::variant<SettingField<bool>, SettingField<std::int32_t>,
                                   SettingField<ColorRef>, SettingField<double>>;

struct SettingKey {
    std::string_view Name;
    SettingsGroup Group;
    SettingTarget Target;
    double Maximum = 0; // reals only
};

// Every value but TableDirectory, in reading order; within a group also the writing order.
std::span<const SettingKey> SettingKeys();

} // namespace corvane
