// The preview rulers' ticks: divisions, labels and clipping for both unit systems.
#include "report/RulerTicks.h"

#include <gtest/gtest.h>

namespace corvane::test {
namespace {

std::vector<std::string> Labels(const std::vector<RulerTick>& ticks) {
    std::vector<std::string> labels;
    for (const RulerTick& tick : ticks) {
        if (!tick.Label.empty()) {
            labels.push_back(tick.Label + "@" + std::to_string(static_cast<int>(tick.Position)));
        }
    }
    return labels;
}

TEST(RulerTicks, InchesAndCentimetresFromThePaperEdge) {
    // Letter width at 40 pixels per inch, paper edge 10 pixels in: eighths, a label per inch.
    const std::vector<RulerTick> inches = RulerTicks(10, 40, 8.5, 1000, false);
    EXPECT_EQ(inches.size(), 69u);
    EXPECT_EQ(inches[4].Level, 1);
    EXPECT_EQ(inches[5].Level, 2);
    EXPECT_EQ(Labels(inches), (std::vector<std::string>{"1@50", "2@90", "3@130", "4@170", "5@210",
                                                        "6@250", "7@290", "8@330"}));
    // A4 width in centimetres at 16 pixels per cm: halves only, every second unit labelled;
    // the ruler ends at 200 pixels.
    const std::vector<RulerTick> cm = RulerTicks(-8, 16, 21.0, 200, true);
    EXPECT_EQ(cm.size(), 25u);
    EXPECT_EQ(Labels(cm),
              (std::vector<std::string>{"2@24", "4@56", "6@88", "8@120", "10@152", "12@184"}));
    EXPECT_TRUE(RulerTicks(0, 0, 8.5, 100, false).empty());
}

} // namespace
} // namespace corvane::test
