#include "catalog/Descriptions.h"

#include "catalog/SectionTraits.h"
#include "catalog/TextFile.h"
#include "common/TextUtil.h"

#include <optional>

namespace corvane {

namespace {

constexpr const char* kHeaderWords[] = {"brand", "bullet", "box", "projectile"};

// Value of the first entry of the section whose key matches; entries end at the next header.
std::optional<std::string> FindEntry(const std::vector<std::string>& lines, std::size_t first,
                                     const std::string& searchKey) {
    for (std::size_t i = first; i < lines.size(); ++i) {
        const std::string line = Trim(lines[i]);
        if (!line.empty() && line.front() == '[') {
            break;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos || equals == 0) {
            continue;
        }
        // The key is not trimmed: "Name =" never matches "NAME".
        if (UpperCase(std::string_view(line).substr(0, equals)) == searchKey) {
            return Trim(std::string_view(line).substr(equals + 1));
        }
    }
    return std::nullopt;
}

} // namespace

Descriptions::Descriptions(std::filesystem::path productInfoDir)
    : file_(std::move(productInfoDir) / "descriptions.ini") {}

std::string Descriptions::DerivedShotName(const std::string& shotSizeText) {
    const std::size_t dash = shotSizeText.find('-');
    if (dash != std::string::npos && dash >= 1) {
        return Trim(std::string_view(shotSizeText).substr(dash + 1));
    }
    return shotSizeText == "Blank" ? shotSizeText : std::string("Shot (all sizes)");
}

std::string Descriptions::GetDescription(CatalogTab tab, DescriptionKind kind,
                                         const std::string& key) {
    if (lines_.empty()) {
        lines_ = ValueOrThrow(ReadTextLines(file_));
    }
    const int kindIndex = static_cast<int>(kind);
    if (kindIndex < 0 || kindIndex > 3) {
        return {};
    }
    const bool textKind = kind == DescriptionKind::Brand || kind == DescriptionKind::Bullet;
    const std::string header =
        std::string("[") + kHeaderWords[kindIndex] + " " + std::to_string(TabIndex(tab)) + "]";

    std::size_t headerLine = lines_.size();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (LowerCase(Trim(lines_[i])) == header) {
            headerLine = i;
            break;
        }
    }
    if (headerLine == lines_.size()) {
        return textKind ? "No section: " + header : std::string();
    }

    // Shot sizes are described under the name their text derives.
    const bool shotName =
        Traits(tab).style == StyleSource::ShotSizes && kind == DescriptionKind::Bullet;
    const std::string name = shotName ? DerivedShotName(key) : key;
    const std::string searchKey = shotName ? UpperCase(name) : UpperCase(Trim(key));
    const std::optional<std::string> value = FindEntry(lines_, headerLine + 1, searchKey);

    if (!textKind) {
        return value.value_or(std::string());
    }
    if (!value || value->empty()) {
        return "No description for: " + name;
    }
    return Trim(name) + "\r\n\r\n" + *value;
}

} // namespace corvane
