#pragma once
// The per-user settings store as the settings model sees it: one flat set of named values.
// The UI implements it over its platform store; tests and the tool use MemorySettingsBackend.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvane {

// What the caller means to read. A store that keeps no value types (an INI file) needs it to
// tell a real from a text; a typed store may ignore it.
enum class ExpectedKind { Integer, Real, Text };

// What the store holds under a name.
enum class StoredKind {
    Absent,
    Integer, // a 32-bit integer
    Text,    // a Windows-1252 text
    Real,    // an IEEE 754 double
    Other,   // anything else; every reader takes its default
};

struct StoredValue {
    StoredKind kind = StoredKind::Absent;
    std::int32_t integer = 0; // for Integer
    double real = 0;          // for Real
    std::string text;         // for Text

    static StoredValue Absent() { return {}; }
    static StoredValue OfInteger(std::int32_t value) { return {StoredKind::Integer, value, 0, {}}; }
    static StoredValue OfReal(double value) { return {StoredKind::Real, 0, value, {}}; }
    static StoredValue OfText(std::string value) {
        return {StoredKind::Text, 0, 0, std::move(value)};
    }
    static StoredValue OfOther() { return {StoredKind::Other, 0, 0, {}}; }
};

struct ReadRequest {
    std::string_view name;
    ExpectedKind expected;
};

// A value to store: Integer, Real or Text.
struct WriteRequest {
    std::string_view name;
    StoredValue value;
};

class SettingsBackend {
public:
    virtual ~SettingsBackend() = default;

    // Never throws; a store that cannot be read answers Absent.
    virtual StoredValue Read(std::string_view name, ExpectedKind expected) = 0;

    // Each write returns false when the value could not be stored; none throws.
    virtual bool WriteInteger(std::string_view name, std::int32_t value) = 0;
    virtual bool WriteReal(std::string_view name, double value) = 0;
    virtual bool WriteText(std::string_view name, std::string_view value) = 0;

    // Booleans are kept as the texts "0" and "1".
    bool WriteBoolean(std::string_view name, bool value) {
        return WriteText(name, value ? "1" : "0");
    }

    // Several values at once, in order: a file store opens and parses its file once for them.
    // The defaults call the single-value operations.
    virtual std::vector<StoredValue> ReadMany(std::span<const ReadRequest> requests);
    // Every value is attempted even after a failure; false when any could not be stored.
    virtual bool WriteMany(std::span<const WriteRequest> values);
};

} // namespace corvane
