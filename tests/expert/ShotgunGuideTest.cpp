#include "expert/ShotgunGuide.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using ::testing::ElementsAre;

const std::string kSevenHalf = "7\xBD";

TEST(ShotgunGuideTest, TurkeyWith20GaugeIsNearOnly) {
    EXPECT_THAT(GuideGauges("Turkey"), ElementsAre("10", "12", "20"));
    EXPECT_THAT(GuideDistances("Turkey", "20", true), ElementsAre("20 - 30 yards"));
    EXPECT_THAT(GuideDistances("Turkey", "20", false), ElementsAre("18 - 27 meters"));
    EXPECT_THAT(GuideDistances("Turkey", "12", true), ElementsAre("20 - 30 yards", "30+ yards"));

    for (const bool englSys : {true, false}) {
        const std::string near = GuideNearDistance(englSys);
        const GuideResult result = BuildGuideResult("Turkey", "20", near, englSys);
        EXPECT_EQ(result.gameLine, "Turkey");
        EXPECT_EQ(result.heading, "Game at " + near + " with 20 gauge:");
        EXPECT_THAT(result.shotTexts, ElementsAre("  4, 5, 6, " + kSevenHalf, "  ", "  4, 6"));
        EXPECT_EQ(result.choke1, "Full");
        EXPECT_EQ(result.choke2, "");
    }
}

TEST(ShotgunGuideTest, RabbitWith410IsNearOnlyAndSaysUsing410) {
    EXPECT_THAT(GuideGauges("Rabbit, Squirrel"), ElementsAre("12", "16", "20", "28", "410"));
    EXPECT_THAT(GuideDistances("Rabbit, Squirrel", "410", true), ElementsAre("20 - 30 yards"));
    EXPECT_THAT(GuideDistances("Rabbit, Squirrel", "20", false),
                ElementsAre("18 - 27 meters", "27+ meters"));

    const GuideResult english = BuildGuideResult("Rabbit, Squirrel", "410", "20 - 30 yards", true);
    EXPECT_EQ(english.heading, "Game at 20 - 30 yards using 410:");
    EXPECT_THAT(english.shotTexts, ElementsAre("  4, 5, 6, " + kSevenHalf, "  2, 4", "  "));
    EXPECT_EQ(english.choke1, "Improved Cylinder, Modified");

    const GuideResult metric = BuildGuideResult("Rabbit, Squirrel", "410", "18 - 27 meters", false);
    EXPECT_EQ(metric.heading, "Game at 18 - 27 meters using 410:");
    EXPECT_EQ(metric.shotTexts, english.shotTexts);
}

TEST(ShotgunGuideTest, LargeGeeseFarInBothUnitSystems) {
    for (const bool englSys : {true, false}) {
        const std::string far = GuideFarDistance(englSys);
        EXPECT_THAT(GuideDistances("Large Geese (giant, western Canada)", "10", englSys),
                    ElementsAre(GuideNearDistance(englSys), far));
        const GuideResult result =
            BuildGuideResult("Large Geese (giant, western Canada)", "12", far, englSys);
        EXPECT_EQ(result.heading, "Game at " + far + " with 12 gauge:");
        EXPECT_THAT(result.shotTexts, ElementsAre("  ", "  T, BBB, BB", "  BBB, BB"));
        EXPECT_EQ(result.choke1, "Improved Cylinder, Modified");
        EXPECT_EQ(result.choke2, "Full");
    }
    EXPECT_EQ(GuideFarDistance(false), "27+ meters");
}

TEST(ShotgunGuideTest, OnlyTheCurrentSystemsNearTextIsNear) {
    EXPECT_TRUE(IsNearDistance("18 - 27 meters", false));
    EXPECT_FALSE(IsNearDistance("20 - 30 yards", false));
    // Near and far differ for the same game: the far table row applies.
    const GuideResult asFar = BuildGuideResult("Turkey", "12", "20 - 30 yards", false);
    EXPECT_EQ(asFar.choke1, "Full, Extra Full");
    EXPECT_THAT(asFar.shotTexts, ElementsAre("  4, 5, 6", "  ", "  4, 6"));
}

} // namespace
} // namespace corvane
