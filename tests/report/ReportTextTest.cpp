// The small text rules of the report and the detail area.
#include "report/ReportText.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(ReportText, CollapseBlanks) {
    EXPECT_EQ(CollapseBlanks("  1 1/8 oz   -  7 1/2  "), "1 1/8 oz - 7 1/2");
    EXPECT_EQ(CollapseBlanks("   "), "");
    EXPECT_EQ(CollapseBlanks("a b"), "a b");
}

TEST(ReportText, TitleCase) {
    EXPECT_EQ(TitleCase("MUZZLE"), "Muzzle");
    EXPECT_EQ(TitleCase("100 YDS."), "100 Yds.");
    EXPECT_EQ(TitleCase("50 MTS."), "50 Mts.");
    EXPECT_EQ(TitleCase("o'NEIL-SMITH x2y"), "O'Neil-Smith X2Y");
    EXPECT_EQ(TitleCase(""), "");
}

TEST(ReportText, JoinWithAnd) {
    EXPECT_EQ(JoinWithAnd("Varmint, Medium Game, Large Game"),
              "Varmint, Medium Game and Large Game");
    EXPECT_EQ(JoinWithAnd(" Varmint, Medium Game "), "Varmint and Medium Game");
    EXPECT_EQ(JoinWithAnd("  Deer  "), "Deer");
    EXPECT_EQ(JoinWithAnd("Deer,"), "Deer");
    EXPECT_EQ(JoinWithAnd(""), "");
    // An " and " already in the list is not doubled.
    EXPECT_EQ(JoinWithAnd("Duck and Goose, Turkey"), "Duck, Goose and Turkey");
    EXPECT_EQ(JoinWithAnd("Deer, Bear and Boar"), "Deer, Bear and Boar");
    // Empty items inside stay.
    EXPECT_EQ(JoinWithAnd("a,,b"), "a,  and b");
}

} // namespace
} // namespace corvane
