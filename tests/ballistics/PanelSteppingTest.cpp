// Stepping the panel's increment, range and zero (the defaults of every section show in the
// tool's golden tables).
#include "ballistics/PanelStepping.h"

#include <gtest/gtest.h>

#include <tuple>

namespace corvane {
namespace {

std::tuple<int, int, int> Shown(const PanelChoices& c) {
    return {c.Increment(), c.Range(), c.ZeroAt()};
}

PanelChoices At(CatalogTab section, int increment, int range, int zero) {
    PanelChoices c = DefaultPanelChoices(section);
    for (std::size_t i = 0; i < c.Increments.size(); ++i) {
        if (c.Increments[i] == increment) {
            c.IncrementIndex = static_cast<int>(i);
        }
    }
    for (std::size_t i = 0; i < c.Ranges.size(); ++i) {
        if (c.Ranges[i] == range) {
            c.RangeIndex = static_cast<int>(i);
        }
    }
    c.ZeroMultiplier = zero / increment;
    return c;
}

TEST(PanelStepping, IncrementStepsKeepZeroAndMoveRangeToAMultiple) {
    PanelChoices c = DefaultPanelChoices(CatalogTab::Rifle);
    StepBallisticsControl(c, StepControl::Increment, StepDirection::Up);
    EXPECT_EQ(Shown(c), std::make_tuple(200, 600, 200));
    // Down to 25 yards, the range falls to the farthest with exactly the most steps.
    c = At(CatalogTab::Rifle, 50, 600, 100);
    StepBallisticsControl(c, StepControl::Increment, StepDirection::Down);
    EXPECT_EQ(Shown(c), std::make_tuple(25, 300, 100));
}

TEST(PanelStepping, RangeUpPastTheStepLimitRaisesTheIncrement) {
    PanelChoices c = At(CatalogTab::Rifle, 25, 300, 50);
    StepBallisticsControl(c, StepControl::Range, StepDirection::Up);
    EXPECT_EQ(c.Range(), 350);
    EXPECT_EQ(c.Increment(), 50);
    EXPECT_LE(c.Range() / c.Increment(), 12);
    EXPECT_EQ(c.Range() % c.Increment(), 0);
}

TEST(PanelStepping, HandgunRangeDownSkipsRangesThatAreNotMultiples) {
    PanelChoices c = At(CatalogTab::Pistol, 25, 125, 50);
    StepBallisticsControl(c, StepControl::Range, StepDirection::Down);
    EXPECT_EQ(Shown(c), std::make_tuple(25, 100, 50));
}

TEST(PanelStepping, ZeroStaysBetweenOneIncrementAndTheRange) {
    PanelChoices c = At(CatalogTab::Rifle, 100, 300, 200);
    StepBallisticsControl(c, StepControl::Zero, StepDirection::Up);
    EXPECT_EQ(c.ZeroAt(), 300);
    StepBallisticsControl(c, StepControl::Zero, StepDirection::Up);
    EXPECT_EQ(c.ZeroAt(), 300);
    for (int i = 0; i < 5; ++i) {
        StepBallisticsControl(c, StepControl::Zero, StepDirection::Down);
    }
    EXPECT_EQ(c.ZeroAt(), 100);
}

// Whatever the clicks, the panel never shows an inconsistent triple.
TEST(PanelStepping, EveryClickSequenceKeepsTheInvariants) {
    for (int section = 0; section < 4; ++section) {
        PanelChoices c = DefaultPanelChoices(static_cast<CatalogTab>(section));
        unsigned seed = 12345u + static_cast<unsigned>(section);
        for (int click = 0; click < 3000; ++click) {
            seed = seed * 1103515245u + 12345u;
            const auto control = static_cast<StepControl>(1 + (seed >> 16) % 3);
            const auto direction = ((seed >> 20) & 1) ? StepDirection::Up : StepDirection::Down;
            StepBallisticsControl(c, control, direction);
            ASSERT_EQ(c.Range() % c.Increment(), 0) << section << " click " << click;
            ASSERT_LE(c.Range() / c.Increment(), 12) << section << " click " << click;
            ASSERT_GE(c.ZeroMultiplier, 1);
            ASSERT_LE(c.ZeroAt(), c.Range());
        }
    }
}

TEST(PanelStepping, SavedIndexesOutOfRangeAreClamped) {
    PanelChoices c = DefaultPanelChoices(CatalogTab::Rimfire);
    c.IncrementIndex = 40;
    c.RangeIndex = -3;
    c.ZeroMultiplier = 0;
    StepBallisticsControl(c, StepControl::None, StepDirection::Up);
    EXPECT_EQ(c.Increment(), 50);
    EXPECT_EQ(c.Range(), 50);
    EXPECT_EQ(c.ZeroMultiplier, 1);
}

} // namespace
} // namespace corvane
