#pragma once
// The settings store on QSettings: an INI file in the user's configuration folder,
// <XDG config>/CorvaneCatolog200X/CorvaneAmmoCatalog.ini, every value in the group [Settings].
//
// INI keeps no value types, so the kinds are encoded in the text:
// - integers are plain decimal text and read back as Text; the settings model reads a text as a
//   decimal number, so the result is the same as for a typed integer;
// - booleans are the texts "0" and "1", as everywhere;
// - reals are the shortest text that reads back to the same double ("1.5", "0.1", "1e-300");
//   a value read as a real counts as Real only when its whole text is a finite decimal number,
//   otherwise as Other, which the model replaces by the default;
// - texts are UTF-8 in the file and Windows-1252 in the core; QSettings quotes and escapes them.
// Values another program stored as typed @Variant forms are taken when they are plain integers
// or reals; lists, byte arrays and other types read as Other.
//
// Each operation - one value, or a whole read or write group - opens the file, reads or writes
// and closes it again, so two running copies share the store and the last write stands. A write
// that cannot reach the disk returns false and leaves the program running.
#include "settings/SettingsBackend.h"

#include <QString>

namespace corvane {

class QtSettingsBackend final : public SettingsBackend {
public:
    static constexpr const char* kOrganization = "CorvaneCatolog200X";
    static constexpr const char* kApplication = "CorvaneAmmoCatalog";
    static constexpr const char* kGroup = "Settings";

    // The user's own store.
    QtSettingsBackend();
    // A store in the given INI file (tests, or a store kept elsewhere).
    explicit QtSettingsBackend(QString iniFilePath);

    const QString& FilePath() const { return filePath_; }

    StoredValue Read(std::string_view name, ExpectedKind expected) override;
    bool WriteInteger(std::string_view name, std::int32_t value) override;
    bool WriteReal(std::string_view name, double value) override;
    bool WriteText(std::string_view name, std::string_view value) override;
    std::vector<StoredValue> ReadMany(std::span<const ReadRequest> requests) override;
    bool WriteMany(std::span<const WriteRequest> values) override;

private:
    QString filePath_;
};

} // namespace corvane
