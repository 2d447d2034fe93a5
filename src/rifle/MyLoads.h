#pragma once
// The shooter's own loads and rifles, kept in one versioned JSON document in the user's data
// folder: checked field by field against the limits the entry fields use, written whole, and a
// file that cannot be read is set aside rather than overwritten.
#include "catalog/ReadError.h"
#include "common/FileWrite.h"
#include "rifle/RangeCard.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

struct OwnLoad {
    std::string name;
    std::string caliber;
    double bulletWeight = 150;         // grains
    double ballisticCoefficient = 0.4; // G1
    double muzzleVelocity = 2800;      // ft/s
    double barrelLength = 24;          // inches
    std::string note;
    // For the precision model; absent when not known.
    std::optional<double> g7Coefficient;
    std::optional<double> bulletDiameter;    // inches
    std::optional<double> bulletLength;      // inches
    std::optional<double> twist;             // inches per turn
    std::optional<double> powderSensitivity; // ft/s per degree F

    bool operator==(const OwnLoad&) const = default;
};

struct RifleProfile {
    std::string name;
    double sightHeight = 1.5; // inches
    double zeroRange = 100;   // yards
    AdjustmentUnit unit = AdjustmentUnit::Moa;
    double click = 0.25; // in `unit`

    bool operator==(const RifleProfile&) const = default;
};

struct MyLoads {
    std::vector<OwnLoad> loads;
    std::vector<RifleProfile> rifles;

    bool operator==(const MyLoads&) const = default;
};

// The numeric fields and their limits, in English units; the entry fields and the reader check
// against the same table.
enum class OwnField {
    BulletWeight,
    BallisticCoefficient,
    MuzzleVelocity,
    BarrelLength,
    G7Coefficient,
    BulletDiameter,
    BulletLength,
    Twist,
    PowderSensitivity,
    SightHeight,
    ZeroRange,
    Click,
};

struct FieldLimits {
    const char* key; // the JSON member
    double low;      // valid from low to high, both included
    double high;
};
const FieldLimits& LimitsOf(OwnField field);

// The value is a finite number within the field's limits.
bool WithinLimits(OwnField field, double value);

// The longest name, caliber or note, and the most loads or rifles a document may hold.
inline constexpr std::size_t kMaxTextLength = 200;
inline constexpr std::size_t kMaxEntries = 1000;
inline constexpr std::uintmax_t kMaxDocumentBytes = 4 * 1024 * 1024;
inline constexpr int kMyLoadsVersion = 1;

// The document's JSON text.
std::string MyLoadsJson(const MyLoads& document);

// The document from JSON text; a Malformed error naming `file` and what is wrong when it is no
// JSON, of another version, or holds a value of the wrong kind, outside its limits or too long.
ReadResult<MyLoads> ParseMyLoads(std::string_view text, const std::filesystem::path& file);

// Reads the file; a file that does not exist yet is an empty document.
ReadResult<MyLoads> ReadMyLoadsFile(const std::filesystem::path& file);

WriteResult WriteMyLoadsFile(const std::filesystem::path& file, const MyLoads& document);

// Renames a file that cannot be read to "<name>.broken-<n>" beside it (the first n not taken),
// so that saving anew does not overwrite what the user may still recover; the new name, or
// nothing when it could not be renamed.
std::optional<std::filesystem::path> MoveAside(const std::filesystem::path& file);

// The user's document as the program opens it. A file that cannot be read is moved aside and
// the user is to be told where (`message`, Windows-1252); the program then starts empty. When
// it cannot even be moved aside, `writable` is false: saving would overwrite it.
struct OpenedMyLoads {
    MyLoads document;
    std::optional<std::string> message;
    bool writable = true;
};
OpenedMyLoads OpenMyLoadsFile(const std::filesystem::path& file);

// Adds the loads and rifles of a shared document after the user's own; false, leaving `mine`
// as it was, when together they would hold more than kMaxEntries of either.
bool AddShared(MyLoads& mine, const MyLoads& shared);

// Gives each load, and each rifle, a name no earlier one of its kind has: the chart and the
// range card pick entries by name. A repeated name gets " (2)", " (3)" and so on, its UTF-8
// shortened on a character boundary where the suffix would pass kMaxTextLength.
void MakeNamesDistinct(MyLoads& document);

} // namespace corvane
