#pragma once
// Where a window opens on the screen: pure rectangle arithmetic in pixels, so that every window
// of the program follows one rule and the rule is tested without a display.
namespace corvane {

struct ScreenRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    int Right() const { return Left + Width; } // one past the last column
    int Bottom() const { return Top + Height; }
    bool operator==(const ScreenRect&) const = default;
};

enum class Placement {
    Centred,     // in the middle of the area
    BesideOwner, // right of the owner, else left of it, else as near to its side as the area allows
    Kept,        // where the window is
};

// The outer rectangle (frame included) of a window whose current outer rectangle is `window`,
// placed `how` on the available `area` of the owner's screen. A window larger than the area is
// shrunk to it, and the result always lies wholly inside the area. `owner` is the owner's outer
// rectangle (BesideOwner only): the window keeps the owner's top where the area allows.
ScreenRect PlaceOnScreen(const ScreenRect& window, const ScreenRect& area, Placement how,
                         const ScreenRect& owner = {});

} // namespace corvane
