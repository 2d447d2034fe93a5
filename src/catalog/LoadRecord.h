#pragma once
// One load as stored in its section's load table. The five record families share this one
// structure; each family reads and writes only its own fields (see RecordLayout.h for the byte
// layout of each). Texts are Windows-1252 bytes with the length byte already honoured.
#include <array>
#include <cstdint>
#include <string>

namespace corvane {

// The catalog section; the number is the digit in every data file name of the section.
enum class CatalogTab : int {
    Rifle = 0,
    Pistol = 1,
    Rimfire = 2,
    Slug = 3,
    Shotshell = 4,
    Components = 5,
};
inline constexpr int kSectionCount = 6;
inline int TabIndex(CatalogTab tab) {
    return static_cast<int>(tab);
}

// Loads introduced in this year are marked NEW throughout the catalog.
inline constexpr std::int32_t kNewLoadYear = 2005;

enum class RecordFamily { BulletLoad, Rimfire, Slug, Shotshell, Component };

struct LoadRecord {
    // Families 0-4 (bullet, rimfire, slug, shotshell loads).
    std::int32_t YearIntroduced = 0;
    std::string MarkCode;                 // string[10]
    std::array<bool, 20> UsageFlags{};    // index = usage ID
    std::string LoadNumber;               // string[20]
    std::int32_t CaliberId = 0;           // caliber, or gauge in sections 3 and 4
    std::int32_t BulletWeight = 0;        // grains (sections 0-2)
    double SlugWeight = 0;                // ounces (section 3)
    double ShotWeight = 0;                // ounces (section 4)
    double BallisticCoefficient = 0;      // sections 0-3
    std::int32_t BulletStyleId = 0;       // sections 0-2
    std::int32_t SlugStyleId = 0;         // section 3
    std::string PrimerNumber;             // string[10], sections 0-1
    std::int32_t MuzzleVelocity = 0;      // ft/s
    double BarrelLength = 0;              // inches, sections 0-3
    double ShellLength = 0;               // inches, sections 3-4
    std::string DramEquivalent;           // string[15], sections 3-4
    std::string ShotSizeText;             // string[40], section 4
    std::array<bool, 30> ShotSizeFlags{}; // index = shot size ID, section 4
    std::int32_t MuzzleEnergy = 0;        // ft-lbf, section 4
    std::string Note;                     // string[58]
    std::int32_t BrandId = 0;
    std::int32_t MaterialId = 0; // section 4

    // Family of section 5 (components).
    std::int32_t Reserved = 0;
    std::int32_t ComponentTypeId = 0;
    std::string ItemNumber;    // string[12]
    std::string Gauge;         // string[10]
    double PrimerDiameter = 0; // inches
    std::string Product;       // string[10]
    std::string BrandName;     // string[40]
    std::string Description;   // string[40]
    std::string UsageText;     // string[60]

    bool IsNew() const { return YearIntroduced == kNewLoadYear; }
};

} // namespace corvane
