#pragma once
// The settings model: which values the store holds, their kinds, defaults and read-time
// corrections, and the groups in which they are written back. Each function reads or writes
// through the backend in a fixed order and keeps nothing between calls.
#include "settings/AppSettings.h"
#include "settings/SettingsBackend.h"
#include "settings/SettingsKeys.h"

#include <string>
#include <string_view>

namespace corvane {

// Every value but TableDirectory, with the defaults of AppSettings for absent or unreadable
// values; the seven reals outside their ranges (or not finite) fall back to their defaults.
AppSettings ReadSettings(SettingsBackend& backend);

// Stores one group in one write of the backend. Every value of the group is attempted even
// after a failure; the result is false when any write failed. Never throws.
[[nodiscard]] bool SaveSettingsGroup(SettingsBackend& backend, const AppSettings& settings,
                                     SettingsGroup group);
// Every group in turn (kSettingsGroups); false when any write failed.
[[nodiscard]] bool SaveAllSettings(SettingsBackend& backend, const AppSettings& settings);

// The folder last used for an exported table; not kept in AppSettings but read when needed.
std::string ReadTableDirectory(SettingsBackend& backend, std::string_view fallback);
[[nodiscard]] bool SaveTableDirectory(SettingsBackend& backend, std::string_view folder);

} // namespace corvane
