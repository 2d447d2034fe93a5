#include "common/ScreenPlacement.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

// A 1280 x 1024 screen with a 24-pixel panel at the top.
constexpr ScreenRect kArea{0, 24, 1280, 1000};

TEST(PlaceOnScreen, CentresKeepsAndShrinksIntoTheArea) {
    EXPECT_EQ(PlaceOnScreen({5, 5, 400, 300}, kArea, Placement::Centred),
              (ScreenRect{440, 374, 400, 300}));
    EXPECT_EQ(PlaceOnScreen({1200, 900, 300, 200}, kArea, Placement::Kept),
              (ScreenRect{980, 824, 300, 200}));
    EXPECT_EQ(PlaceOnScreen({-50, 0, 300, 200}, kArea, Placement::Kept),
              (ScreenRect{0, 24, 300, 200}));
    EXPECT_EQ(PlaceOnScreen({0, 0, 1400, 1100}, kArea, Placement::Centred), kArea);
}

TEST(PlaceOnScreen, BesideOwnerTakesTheRightThenTheLeftThenTheRoomierSide) {
    const ScreenRect window{0, 0, 300, 500};
    EXPECT_EQ(PlaceOnScreen(window, kArea, Placement::BesideOwner, {100, 200, 600, 400}),
              (ScreenRect{700, 200, 300, 500}));
    EXPECT_EQ(PlaceOnScreen(window, kArea, Placement::BesideOwner, {600, 100, 600, 400}),
              (ScreenRect{300, 100, 300, 500}));
    // A tall chart beside a centred main window: neither side has room, so it overlaps the
    // main window at the right edge of the screen and keeps the main window's top.
    const ScreenRect chart{0, 0, 722, 781};
    EXPECT_EQ(PlaceOnScreen(chart, kArea, Placement::BesideOwner, {243, 225, 794, 593}),
              (ScreenRect{558, 225, 722, 781}));
    EXPECT_EQ(PlaceOnScreen(chart, kArea, Placement::BesideOwner, {400, 600, 800, 400}),
              (ScreenRect{0, 243, 722, 781}));
    EXPECT_EQ(PlaceOnScreen(chart, kArea, Placement::BesideOwner, kArea),
              (ScreenRect{558, 24, 722, 781}));
}

} // namespace
} // namespace corvane
