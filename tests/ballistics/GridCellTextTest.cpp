// Cell texts: padding, rounding, marks and the unit-dependent cells.
#include "ballistics/CellText.h"

#include <gtest/gtest.h>

#include <limits>

namespace corvane {
namespace {

TEST(GridCellText, LeadingPadFollowsTheUnroundedValue) {
    EXPECT_EQ(LeadingPad(0), "      ");
    EXPECT_EQ(LeadingPad(9.99), "      ");
    EXPECT_EQ(LeadingPad(-9.99), "     ");
    EXPECT_EQ(LeadingPad(10), "    ");
    EXPECT_EQ(LeadingPad(-99.5), "   ");
    EXPECT_EQ(LeadingPad(100), "  ");
    EXPECT_EQ(LeadingPad(999.6), "  "); // prints as 1000 but padded as below 1000
    EXPECT_EQ(LeadingPad(1000), " ");
    EXPECT_EQ(LeadingPad(-1000), "");
}

TEST(GridCellText, BallisticsCells) {
    EXPECT_EQ(RoundedCellText(2762.5), "   2762"); // halves to even
    EXPECT_EQ(RoundedCellText(914.4), "    914");
    EXPECT_EQ(OneDecimalCellText(-0.5), "       -0.5");
    EXPECT_EQ(OneDecimalCellText(-0.01), "       -0.0"); // as C's %.1f prints it
}

TEST(GridCellText, MarksAndTheirLegends) {
    // "ne" of a new load and its legends are checked in the grid (GridDataTest).
    EXPECT_EQ(MakeLoadMark("np", 2004, false, "").Text, "\x87  ");
    EXPECT_EQ(MakeLoadMark("HE", 0, false, "").Text, "HE  ");
    const LoadMark lr = MakeLoadMark("l", 0, false, "");
    EXPECT_EQ(lr.Text, "LR  ");
    EXPECT_TRUE(lr.LowRecoil);
    EXPECT_EQ(MakeLoadMark("X", 2005, false, "").Text, "New");
    EXPECT_EQ(MakeLoadMark("", 2005, true, "BB, 2*").Text, "New*");
    EXPECT_EQ(MakeLoadMark("", 2005, false, "2*").Text, "New");
    EXPECT_EQ(MakeLoadMark("", 2004, true, "2*").Text, "");
}

TEST(GridCellText, FactoryCellsInBothUnits) {
    EXPECT_EQ(OunceWeightCellText(1.125, true), std::string(7, ' ') + "1.125");
    EXPECT_EQ(OunceWeightCellText(1.0, false), std::string(5, ' ') + "28.35");
    EXPECT_EQ(CoefficientCellText(0.4, 7), "       0.400");
    EXPECT_EQ(CoefficientCellText(0.1, 5), "     0.100");
    EXPECT_EQ(LengthCellText(24, true), std::string(5, ' ') + "24.00");
    EXPECT_EQ(PrimerDiameterCellText(0.0005, true), "   ");
    EXPECT_EQ(PrimerDiameterCellText(0.001, true), std::string(9, ' ') + "0.001");
    EXPECT_EQ(PrimerDiameterCellText(0.175, true), std::string(9, ' ') + "0.175");
    EXPECT_EQ(PrimerDiameterCellText(0.175, false), std::string(9, ' ') + "0.44");
}

TEST(GridCellText, ValuesThatAreNoNumberLeaveTheCellEmpty) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(RoundedCellText(nan), ""); // would otherwise round to a plausible "0"
    EXPECT_EQ(OneDecimalCellText(-inf), "");
    EXPECT_EQ(OunceWeightCellText(inf, false), "");
    EXPECT_EQ(CoefficientCellText(nan, 7), "");
    EXPECT_EQ(LengthCellText(inf, true), "");
    EXPECT_EQ(PrimerDiameterCellText(inf, true), "   ");
}

TEST(GridCellText, CutsCountTheLeadingBlank) {
    EXPECT_EQ(SpacedCut("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 21), " ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(SpacedCut("R30", 21), " R30");
    const std::string note(58, 'n');
    EXPECT_EQ(TrailingBlankCellText(note, 51), " " + std::string(51, 'n'));
    EXPECT_EQ(TrailingBlankCellText("Short", 51), " Short ");
    EXPECT_EQ(WithoutLeadingBlanks("   0.175"), "0.175");
    EXPECT_EQ(WithoutLeadingBlanks("   "), "");
}

} // namespace
} // namespace corvane
