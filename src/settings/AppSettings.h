#pragma once
// The user's persisted preferences, in memory. Every real is held in English units (feet,
// degrees Fahrenheit, mph, inches); conversion happens only at entry and display.
#include <array>
#include <cstdint>

namespace corvane {

// A colour number with red in the lowest byte, green in the next and blue in the third.
using ColorRef = std::uint32_t;

inline constexpr ColorRef MakeColor(int red, int green, int blue) {
    return static_cast<ColorRef>(red) | (static_cast<ColorRef>(green) << 8) |
           (static_cast<ColorRef>(blue) << 16);
}

// The four places of the per-section ballistics settings (sight height, panel choices). The
// settings know no catalog sections; a section names its place in its traits
// (`SectionTraits::ballisticsSlot`, none for the sections without ballistics).
enum class BallisticsSlot : int { Rifle = 0, Pistol = 1, Rimfire = 2, Slug = 3 };

struct AppSettings {
    bool EnglSys = true;
    double DefaultAltitude = 0;
    double DefaultTemperature = 59;
    double DefaultCrossWind = 10;
    bool ShowHints = true;
    ColorRef clHeading = 7514309;
    ColorRef clHighlightBar = 10220025;
    ColorRef clGrid = 15267321;
    ColorRef clVelocity = 12051608;
    ColorRef clEnergy = 12244450;
    ColorRef clWindDrift = 14472671;
    ColorRef clTrajectory = 15267321;
    std::int32_t GridFontSize = 9;
    bool PrimerNoSw = true;
    bool BarrelLenSw = true;
    bool DramEquivSw = true;
    bool VelocitySw = true;
    bool EnergySw = true;
    bool WindDriftSw = true;
    bool TrajectorySw = true;
    bool NoteSw = true;
    double RifleSightHeight = 1.5;
    double PistolSightHeight = 0.9;
    double RimfireSightHeight = 1.5;
    double SlugSightHeight = 0.5;
    bool ColorPrinting = true;
    // Per section 0-3: the control panel's increment, range and zero choices.
    std::array<std::int32_t, 4> IncrementIndex{2, 2, 2, 2};
    std::array<std::int32_t, 4> RangeIndex{3, 3, 3, 3};
    std::array<std::int32_t, 4> ZeroAtIndex{2, 2, 2, 2};
    std::array<bool, 4> SavedIndex{false, false, false, false};
    bool PriorStateMaximized = false;
    std::int32_t PriorStateLeft = -100;
    std::int32_t PriorStateTop = -100;
    std::int32_t PriorStateWidth = 400;
    std::int32_t PriorStateHeight = 300;
    bool RememberScreenPosition = true;

    bool operator==(const AppSettings&) const = default;

    // Sight height in inches of a ballistics place.
    double SightHeightOf(BallisticsSlot slot) const {
        switch (slot) {
        case BallisticsSlot::Rifle:
            return RifleSightHeight;
        case BallisticsSlot::Pistol:
            return PistolSightHeight;
        case BallisticsSlot::Rimfire:
            return RimfireSightHeight;
        case BallisticsSlot::Slug:
            break;
        }
        return SlugSightHeight;
    }
};

} // namespace corvane
