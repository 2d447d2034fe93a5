#pragma once
// The product descriptions file "descriptions.ini": descriptions of brands and bullet styles
// and the picture files of boxes and projectiles, by catalog section.
#include "catalog/LoadRecord.h"

#include <filesystem>
#include <string>
#include <vector>

namespace corvane {

enum class DescriptionKind : int { Brand = 0, Bullet = 1, Box = 2, Projectile = 3 };

// The picture that goes with a text kind: the box of a brand, the projectile of a bullet style.
constexpr DescriptionKind PictureKindOf(DescriptionKind text) {
    return text == DescriptionKind::Brand ? DescriptionKind::Box : DescriptionKind::Projectile;
}

class Descriptions {
public:
    explicit Descriptions(std::filesystem::path productInfoDir);

    // Brand and Bullet give "name CR LF CR LF description" or a "No section: " / "No
    // description for: " text; Box and Projectile give a picture file name or empty. The file is
    // read at the first call (and again while it holds no lines); throws CatalogFileError naming it
    // when it cannot be read.
    std::string GetDescription(CatalogTab tab, DescriptionKind kind, const std::string& key);

    // The name under which a shot size text is described: the part after its first "-", else
    // "Blank" itself or "Shot (all sizes)".
    static std::string DerivedShotName(const std::string& shotSizeText);

private:
    std::filesystem::path file_;
    std::vector<std::string> lines_;
};

} // namespace corvane
