#include "rifle/MyLoads.h"

#include "common/NumberText.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cmath>
#include <fstream>
#include <set>

namespace corvane {

namespace {

using Json = nlohmann::json;

constexpr std::array<FieldLimits, 12> kLimits{{
    {"bulletWeightGr", 1, 1000},
    {"ballisticCoefficientG1", 0.01, 2},
    {"muzzleVelocityFps", 100, 5000},
    {"barrelLengthIn", 1, 40},
    {"ballisticCoefficientG7", 0.01, 1.5},
    {"bulletDiameterIn", 0.1, 1},
    {"bulletLengthIn", 0.1, 3},
    {"twistInPerTurn", 1, 100},
    {"powderSensitivityFpsPerF", 0, 10},
    {"sightHeightIn", 0.1, 10},
    {"zeroRangeYd", 10, 1000},
    {"click", 0.01, 2},
}};

// A member of `entry`, or why it cannot be taken; `where` says which entry it belongs to.
class EntryReader {
public:
    EntryReader(const Json& entry, std::string where) : entry_(entry), where_(std::move(where)) {}

    const std::optional<std::string>& Problem() const { return problem_; }

    std::string Text(const char* key, bool required) {
        const auto found = entry_.find(key);
        if (found == entry_.end()) {
            if (required) {
                Fail(std::string(key) + " is missing");
            }
            return {};
        }
        if (!found->is_string()) {
            Fail(std::string(key) + " is not a text");
            return {};
        }
        std::string text = found->get<std::string>();
        if ((required && text.empty()) || text.size() > kMaxTextLength) {
            Fail(std::string(key) +
                 (text.empty() ? " is empty" : " is longer than 200 characters"));
            return {};
        }
        return text;
    }

    std::optional<double> Number(OwnField field, bool required) {
        const FieldLimits& limits = LimitsOf(field);
        const auto found = entry_.find(limits.key);
        if (found == entry_.end()) {
            if (required) {
                Fail(std::string(limits.key) + " is missing");
            }
            return std::nullopt;
        }
        if (!found->is_number()) {
            Fail(std::string(limits.key) + " is not a number");
            return std::nullopt;
        }
        const double value = found->get<double>();
        if (!WithinLimits(field, value)) {
            Fail(std::string(limits.key) + " " + FormatFixed(value, 3) + " is outside " +
                 FormatFixed(limits.low, 2) + " to " + FormatFixed(limits.high, 2));
            return std::nullopt;
        }
        return value;
    }

private:
    void Fail(const std::string& what) {
        if (!problem_) {
            problem_ = where_ + ": " + what;
        }
    }

    const Json& entry_;
    std::string where_;
    std::optional<std::string> problem_;
};

Json LoadJson(const OwnLoad& load) {
    Json entry = {{"name", load.name},
                  {"caliber", load.caliber},
                  {LimitsOf(OwnField::BulletWeight).key, load.bulletWeight},
                  {LimitsOf(OwnField::BallisticCoefficient).key, load.ballisticCoefficient},
                  {LimitsOf(OwnField::MuzzleVelocity).key, load.muzzleVelocity},
                  {LimitsOf(OwnField::BarrelLength).key, load.barrelLength},
                  {"note", load.note}};
    const auto optional = [&entry](OwnField field, const std::optional<double>& value) {
        if (value) {
            entry[LimitsOf(field).key] = *value;
        }
    };
    optional(OwnField::G7Coefficient, load.g7Coefficient);
    optional(OwnField::BulletDiameter, load.bulletDiameter);
    optional(OwnField::BulletLength, load.bulletLength);
    optional(OwnField::Twist, load.twist);
    optional(OwnField::PowderSensitivity, load.powderSensitivity);
    return entry;
}

Json RifleJson(const RifleProfile& rifle) {
    return {{"name", rifle.name},
            {LimitsOf(OwnField::SightHeight).key, rifle.sightHeight},
            {LimitsOf(OwnField::ZeroRange).key, rifle.zeroRange},
            {"unit", rifle.unit == AdjustmentUnit::Mil ? "mil" : "moa"},
            {LimitsOf(OwnField::Click).key, rifle.click}};
}

} // namespace

const FieldLimits& LimitsOf(OwnField field) {
    return kLimits[static_cast<std::size_t>(field)];
}

bool WithinLimits(OwnField field, double value) {
    const FieldLimits& limits = LimitsOf(field);
    return std::isfinite(value) && value >= limits.low && value <= limits.high;
}

std::string MyLoadsJson(const MyLoads& document) {
    Json loads = Json::array();
    for (const OwnLoad& load : document.loads) {
        loads.push_back(LoadJson(load));
    }
    Json rifles = Json::array();
    for (const RifleProfile& rifle : document.rifles) {
        rifles.push_back(RifleJson(rifle));
    }
    const Json whole = {{"version", kMyLoadsVersion}, {"loads", loads}, {"rifles", rifles}};
    // Texts typed by the user are UTF-8; a broken sequence is replaced rather than lost whole.
    return whole.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

ReadResult<MyLoads> ParseMyLoads(std::string_view text, const std::filesystem::path& file) {
    const auto malformed = [&file](std::string detail) {
        return ReadError{ReadError::Kind::Malformed, file, std::move(detail)};
    };
    if (text.size() > kMaxDocumentBytes) {
        return malformed("larger than 4 MB");
    }
    const Json whole = Json::parse(text.begin(), text.end(), nullptr, false);
    if (whole.is_discarded() || !whole.is_object()) {
        return malformed("not a saved list of loads (no JSON object)");
    }
    const auto version = whole.find("version");
    if (version == whole.end() || !version->is_number_integer() ||
        version->get<std::int64_t>() != kMyLoadsVersion) {
        return malformed("written by another version of the program");
    }
    MyLoads document;
    for (const char* list : {"loads", "rifles"}) {
        const auto entries = whole.find(list);
        if (entries == whole.end()) {
            continue;
        }
        if (!entries->is_array() || entries->size() > kMaxEntries) {
            return malformed(std::string(list) + " is not a list of at most 1000 entries");
        }
        for (std::size_t i = 0; i < entries->size(); ++i) {
            const Json& entry = (*entries)[i];
            const bool isLoad = std::string_view(list) == "loads";
            const std::string where = (isLoad ? "load " : "rifle ") + std::to_string(i + 1);
            if (!entry.is_object()) {
                return malformed(where + " is not an entry");
            }
            EntryReader read(entry, where);
            if (isLoad) {
                OwnLoad load;
                load.name = read.Text("name", true);
                load.caliber = read.Text("caliber", false);
                load.note = read.Text("note", false);
                load.bulletWeight = read.Number(OwnField::BulletWeight, true).value_or(0);
                load.ballisticCoefficient =
                    read.Number(OwnField::BallisticCoefficient, true).value_or(0);
                load.muzzleVelocity = read.Number(OwnField::MuzzleVelocity, true).value_or(0);
                load.barrelLength =
                    read.Number(OwnField::BarrelLength, false).value_or(load.barrelLength);
                load.g7Coefficient = read.Number(OwnField::G7Coefficient, false);
                load.bulletDiameter = read.Number(OwnField::BulletDiameter, false);
                load.bulletLength = read.Number(OwnField::BulletLength, false);
                load.twist = read.Number(OwnField::Twist, false);
                load.powderSensitivity = read.Number(OwnField::PowderSensitivity, false);
                document.loads.push_back(std::move(load));
            } else {
                RifleProfile rifle;
                rifle.name = read.Text("name", true);
                rifle.sightHeight = read.Number(OwnField::SightHeight, true).value_or(0);
                rifle.zeroRange = read.Number(OwnField::ZeroRange, true).value_or(0);
                const std::string unit = read.Text("unit", true);
                rifle.unit = unit == "mil" ? AdjustmentUnit::Mil : AdjustmentUnit::Moa;
                if (!read.Problem() && unit != "mil" && unit != "moa") {
                    return malformed(where + ": unit is neither moa nor mil");
                }
                rifle.click = read.Number(OwnField::Click, true).value_or(0);
                document.rifles.push_back(std::move(rifle));
            }
            if (read.Problem()) {
                return malformed(*read.Problem());
            }
        }
    }
    return document;
}

ReadResult<MyLoads> ReadMyLoadsFile(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        return MyLoads{};
    }
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error) {
        return ReadError{ReadError::Kind::CannotOpen, file, {}};
    }
    if (size > kMaxDocumentBytes) {
        return ReadError{ReadError::Kind::Malformed, file, "larger than 4 MB"};
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return ReadError{ReadError::Kind::CannotOpen, file, {}};
    }
    std::string text(static_cast<std::size_t>(size), '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (static_cast<std::uintmax_t>(in.gcount()) != size) {
        return ReadError{ReadError::Kind::CannotRead, file, {}};
    }
    return ParseMyLoads(text, file);
}

WriteResult WriteMyLoadsFile(const std::filesystem::path& file, const MyLoads& document) {
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    return WriteFileWhole(file, MyLoadsJson(document));
}

std::optional<std::filesystem::path> MoveAside(const std::filesystem::path& file) {
    for (int n = 1; n <= 1000; ++n) {
        std::filesystem::path aside = file;
        aside += ".broken-" + std::to_string(n);
        std::error_code error;
        if (std::filesystem::exists(aside, error) || error) {
            continue;
        }
        std::filesystem::rename(file, aside, error);
        return error ? std::nullopt : std::optional<std::filesystem::path>(aside);
    }
    return std::nullopt;
}

OpenedMyLoads OpenMyLoadsFile(const std::filesystem::path& file) {
    ReadResult<MyLoads> read = ReadMyLoadsFile(file);
    if (read) {
        return {std::move(read.Value()), std::nullopt, true};
    }
    const std::string problem = read.Error().Message() + ".";
    if (const std::optional<std::filesystem::path> aside = MoveAside(file)) {
        return {{},
                problem + "\nIt was moved to \"" + aside->string() +
                    "\" and My Loads starts empty.",
                true};
    }
    return {{},
            problem + "\nIt could not be moved aside, so My Loads starts empty and nothing is "
                      "saved over it.",
            false};
}

namespace {

// At most `bytes` bytes of `text`, not cutting a UTF-8 character.
std::string Utf8Prefix(const std::string& text, std::size_t bytes) {
    if (text.size() <= bytes) {
        return text;
    }
    while (bytes > 0 && (static_cast<unsigned char>(text[bytes]) & 0xC0) == 0x80) {
        --bytes;
    }
    return text.substr(0, bytes);
}

template <typename Entry> void MakeDistinct(std::vector<Entry>& entries) {
    std::set<std::string> taken;
    for (Entry& entry : entries) {
        const std::string wanted = entry.name;
        for (int n = 2; !taken.insert(entry.name).second; ++n) {
            const std::string suffix = " (" + std::to_string(n) + ")";
            entry.name = Utf8Prefix(wanted, kMaxTextLength - suffix.size()) + suffix;
        }
    }
}

} // namespace

void MakeNamesDistinct(MyLoads& document) {
    MakeDistinct(document.loads);
    MakeDistinct(document.rifles);
}

bool AddShared(MyLoads& mine, const MyLoads& shared) {
    if (mine.loads.size() + shared.loads.size() > kMaxEntries ||
        mine.rifles.size() + shared.rifles.size() > kMaxEntries) {
        return false;
    }
    mine.loads.insert(mine.loads.end(), shared.loads.begin(), shared.loads.end());
    mine.rifles.insert(mine.rifles.end(), shared.rifles.begin(), shared.rifles.end());
    return true;
}

} // namespace corvane
