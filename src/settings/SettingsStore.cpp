#include "settings/SettingsStore.h"

#include "common/NumberText.h"
#include "settings/SettingsKeys.h"

#include <string>
#include <type_traits>
#include <vector>

namespace corvane {
namespace {

ExpectedKind ExpectedKindOf(const SettingKey& key) {
    return std::holds_alternative<SettingField<double>>(key.Target) ? ExpectedKind::Real
                                                                    : ExpectedKind::Integer;
}

// Integers, colours and booleans read alike: a stored integer as it is, a text as a decimal
// number; anything else is the default.
std::int32_t IntegerOf(const StoredValue& value, std::int32_t fallback) {
    switch (value.kind) {
    case StoredKind::Integer:
        return value.integer;
    case StoredKind::Text:
        return ParseIntDef(value.text, fallback);
    default:
        return fallback;
    }
}

// Bounds are accepted; NaN fails both comparisons and so takes the default too.
double RealOf(const StoredValue& value, double maximum, double fallback) {
    const double real = value.kind == StoredKind::Real ? value.real : fallback;
    return real >= 0 && real <= maximum ? real : fallback;
}

void Apply(const SettingKey& key, const StoredValue& value, const AppSettings& defaults,
           AppSettings& s) {
    std::visit(
        [&](const auto& field) {
            using T = std::decay_t<decltype(field.Of(s))>;
            if constexpr (std::is_same_v<T, bool>) {
                field.Of(s) = IntegerOf(value, field.Of(defaults) ? 1 : 0) != 0;
            } else if constexpr (std::is_same_v<T, std::int32_t>) {
                field.Of(s) = IntegerOf(value, field.Of(defaults));
            } else if constexpr (std::is_same_v<T, ColorRef>) {
                field.Of(s) = static_cast<ColorRef>(
                    IntegerOf(value, static_cast<std::int32_t>(field.Of(defaults))));
            } else {
                static_assert(std::is_same_v<T, double>, "a setting of an unknown type");
                field.Of(s) = RealOf(value, key.Maximum, field.Of(defaults));
            }
        },
        key.Target);
}

// `stored` is what the name holds now: a name that holds a text keeps holding one.
StoredValue ValueToWrite(const SettingKey& key, const AppSettings& s, const StoredValue& stored) {
    return std::visit(
        [&](const auto& field) {
            using T = std::decay_t<decltype(field.Of(s))>;
            if constexpr (std::is_same_v<T, bool>) {
                return StoredValue::OfText(field.Of(s) ? "1" : "0");
            } else if constexpr (std::is_same_v<T, double>) {
                return StoredValue::OfReal(field.Of(s));
            } else {
                const auto integer = static_cast<std::int32_t>(field.Of(s));
                return stored.kind == StoredKind::Text
                           ? StoredValue::OfText(std::to_string(integer))
                           : StoredValue::OfInteger(integer);
            }
        },
        key.Target);
}

bool IsIntegerKey(const SettingKey& key) {
    return std::holds_alternative<SettingField<std::int32_t>>(key.Target) ||
           std::holds_alternative<SettingField<ColorRef>>(key.Target);
}

} // namespace

AppSettings ReadSettings(SettingsBackend& backend) {
    std::vector<ReadRequest> requests;
    for (const SettingKey& key : SettingKeys()) {
        requests.push_back({key.Name, ExpectedKindOf(key)});
    }
    const std::vector<StoredValue> values = backend.ReadMany(requests);
    const AppSettings defaults;
    AppSettings s;
    for (std::size_t i = 0; i < values.size() && i < SettingKeys().size(); ++i) {
        Apply(SettingKeys()[i], values[i], defaults, s);
    }
    return s;
}

bool SaveSettingsGroup(SettingsBackend& backend, const AppSettings& settings, SettingsGroup group) {
    std::vector<const SettingKey*> keys;
    std::vector<ReadRequest> integerNames;
    for (const SettingKey& key : SettingKeys()) {
        if (key.Group == group) {
            keys.push_back(&key);
            if (IsIntegerKey(key)) {
                integerNames.push_back({key.Name, ExpectedKind::Integer});
            }
        }
    }
    const std::vector<StoredValue> stored = backend.ReadMany(integerNames);
    std::vector<WriteRequest> writes;
    std::size_t nextStored = 0;
    for (const SettingKey* key : keys) {
        const StoredValue current =
            IsIntegerKey(*key) && nextStored < stored.size() ? stored[nextStored++] : StoredValue{};
        writes.push_back({key->Name, ValueToWrite(*key, settings, current)});
    }
    return backend.WriteMany(writes);
}

bool SaveAllSettings(SettingsBackend& backend, const AppSettings& settings) {
    bool written = true;
    for (const SettingsGroup group : kSettingsGroups) {
        written = SaveSettingsGroup(backend, settings, group) && written;
    }
    return written;
}

std::string ReadTableDirectory(SettingsBackend& backend, std::string_view fallback) {
    StoredValue value = backend.Read("TableDirectory", ExpectedKind::Text);
    return value.kind == StoredKind::Text ? std::move(value.text) : std::string(fallback);
}

bool SaveTableDirectory(SettingsBackend& backend, std::string_view folder) {
    return backend.WriteText("TableDirectory", folder);
}

} // namespace corvane
