#include "common/Cp1252.h"
#include "common/NumberText.h"
#include "common/TextUtil.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(Cp1252, RoundTripsEveryByte) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, MapsTheWindowsOnlyBytes) {
    // The double dagger marks nickel-plated cases; 0xBA is the degree-like sign.
    EXPECT_EQ(Cp1252ToUtf8("\x87"), "\xE2\x80\xA1");
    EXPECT_EQ(Cp1252ToUtf8("\xBA"), "\xC2\xBA");
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");
    EXPECT_EQ(Utf8ToCp1252("\xE2\x80\xA1"), "\x87");
}

TEST(Cp1252, UnknownAndMalformedUtf8BecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?");       // a CJK character
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");             // cut in the middle
    EXPECT_EQ(Utf8ToCp1252("\xFF\x41"), "?A");          // not UTF-8 at all
    EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x98\x80x"), "?x"); // outside the BMP
}

TEST(TextUtil, TrimAndCase) {
    EXPECT_EQ(Trim("  a b \t\r\n"), "a b");
    EXPECT_EQ(Trim(""), "");
    EXPECT_EQ(UpperCase("ne \xE9\x9A\xF7"), "NE \xC9\x8A\xF7"); // the division sign stays
    EXPECT_EQ(LowerCase("[Brand 0]"), "[brand 0]");
    EXPECT_EQ(CompareNoCase("abc", "ABD"), -1);
    EXPECT_EQ(CompareNoCase("ab", "AB"), 0);
    EXPECT_EQ(CompareNoCase("ab", "abc"), -1);
    EXPECT_TRUE(ContainsNoCase("00 Buck - 9 Pellets", "PELLET"));
}

TEST(TextUtil, SplitLinesFollowsTheListFileRules) {
    EXPECT_TRUE(SplitLines("").empty());
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(SplitLines(std::string("a\r\nb\0c\r\nd", 9)), (std::vector<std::string>{"a", "b"}));
}

TEST(NumberText, FixedFollowsCFormatting) {
    EXPECT_EQ(FormatFixed(0.7, 1), "0.7");
    EXPECT_EQ(FormatFixed(-0.04, 1), "-0.0");
    EXPECT_EQ(FormatFixed(9.7198365, 2), "9.72");
    EXPECT_EQ(FormatFixed(1.125, 3), "1.125");
    EXPECT_EQ(FormatFixed(999.6, 0), "1000");
    EXPECT_EQ(FormatFixed(1e300, 1).size(), 303u);
    EXPECT_EQ(FormatFixed(0.5, 25), "0.50000000000000000000"); // at most 20 decimals
}

TEST(NumberText, RoundsHalvesToEven) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2762.6), 2763);
}

TEST(NumberText, ParsesOnlyWholeNumbersAsIntegers) {
    EXPECT_EQ(TryParseInt(" 100 "), 100);
    EXPECT_EQ(TryParseInt("-5"), -5);
    EXPECT_EQ(TryParseInt("+7"), 7);
    EXPECT_FALSE(TryParseInt("1.0"));
    EXPECT_FALSE(TryParseInt("12a"));
    EXPECT_FALSE(TryParseInt(""));
    EXPECT_FALSE(TryParseInt("99999999999"));
}

TEST(NumberText, ParsesDecimalsButNeverNonFiniteValues) {
    EXPECT_EQ(TryParseDouble("59.0"), 59.0);
    EXPECT_EQ(TryParseDouble(" -0.5 "), -0.5);
    EXPECT_EQ(TryParseDouble("1e3"), 1000.0);
    EXPECT_FALSE(TryParseDouble("inf"));
    EXPECT_FALSE(TryParseDouble("nan"));
    EXPECT_FALSE(TryParseDouble("1e999"));
    EXPECT_FALSE(TryParseDouble("0x10"));
    EXPECT_FALSE(TryParseDouble("yes"));
    EXPECT_FALSE(TryParseDouble("."));
}

} // namespace
} // namespace corvane
