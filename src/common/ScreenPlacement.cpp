#include "common/ScreenPlacement.h"

#include <algorithm>

namespace corvane {
namespace {

// `start` moved just far enough that [start, start + length) lies in [low, high).
int Clamp(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

} // namespace

ScreenRect PlaceOnScreen(const ScreenRect& window, const ScreenRect& area, Placement how,
                         const ScreenRect& owner) {
    ScreenRect placed = window;
    placed.Width = std::min(window.Width, area.Width);
    placed.Height = std::min(window.Height, area.Height);
    switch (how) {
    case Placement::Centred:
        placed.Left = area.Left + (area.Width - placed.Width) / 2;
        placed.Top = area.Top + (area.Height - placed.Height) / 2;
        break;
    case Placement::BesideOwner: {
        const int roomRight = area.Right() - owner.Right();
        const int roomLeft = owner.Left - area.Left;
        if (roomRight >= placed.Width || roomRight >= roomLeft) {
            placed.Left = owner.Right();
        } else {
            placed.Left = owner.Left - placed.Width;
        }
        placed.Top = owner.Top;
        break;
    }
    case Placement::Kept:
        break;
    }
    placed.Left = Clamp(placed.Left, placed.Width, area.Left, area.Right());
    placed.Top = Clamp(placed.Top, placed.Height, area.Top, area.Bottom());
    return placed;
}

} // namespace corvane
