// The text rules of the load detail area, measured with a fixed-width fake font.
#include "catalog/DetailText.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

// Every character is 10 pixels wide.
const TextWidthFn kWidth = [](std::string_view text) { return static_cast<int>(text.size()) * 10; };

TEST(WrapDetailLine, FirstParagraphIsCentredAndTheRestLeftAligned) {
    const std::vector<std::string> lines =
        WrapDescription("Name\r\n\r\nOne two three four five six", 200, kWidth);
    // 200 pixels hold 20 characters: "Name" is 40 wide, so 8 blanks centre it.
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], std::string(8, ' ') + "Name");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "One two three four ");
    EXPECT_EQ(lines[3], "five six");
    EXPECT_EQ(lines.size(), 4u);
}

// 100 pixels hold 10 characters.
TEST(WrapDetailLine, BreaksAtBlankThenHyphenThenBulletAndAWiderWordEndsTheText) {
    const struct {
        const char *text, *line, *rest;
    } cases[] = {
        {"aaaa-bbb cccccc", "aaaa-bbb ", "cccccc"},
        {"aaaa-bbbbbbbbb", "aaaa-", "bbbbbbbbb"},
        {"aaa\x95"
         "bbbbbbbbbbb",
         "aaa\x95", "bbbbbbbbbbb"},
        // A single leading blank (left after a hyphen break) is not shown.
        {" abc def ghijkl", "abc def ", "ghijkl"},
        {"abcdefghijklmnop qr", "", "abcdefghijklmnop qr"},
        {"fits well", "fits well", ""},
    };
    for (const auto& c : cases) {
        const WrappedLine wrapped = WrapDetailLine(c.text, 100, false, kWidth);
        EXPECT_EQ(wrapped.Line, c.line) << c.text;
        EXPECT_EQ(wrapped.Rest, c.rest) << c.text;
        EXPECT_FALSE(wrapped.ParagraphEnded) << c.text;
    }
    const std::vector<std::string> lines =
        WrapDescription("Title\r\nshort words abcdefghijklmnopqrstuvwxyz tail", 150, kWidth);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "short words ");
    EXPECT_EQ(lines[2], "");
    EXPECT_TRUE(WrapDescription("", 200, kWidth).empty());
}

TEST(DetailFonts, PointSizeFollowsTheListWidth) {
    EXPECT_EQ(DetailFontPointSize(526), 11);
    EXPECT_EQ(DetailFontPointSize(525), 10);
    EXPECT_EQ(DetailFontPointSize(351), 10);
    EXPECT_EQ(DetailFontPointSize(350), 9);
    EXPECT_EQ(DetailFontPointSize(251), 9);
    EXPECT_EQ(DetailFontPointSize(250), 8);
}

TEST(DetailFonts, TitleAndRecommendedUseShrinkUntilTheyFit) {
    const auto widthAt = [](int points) { return points * 20; };
    EXPECT_EQ(FitTitlePointSize(1000, widthAt), 10);
    EXPECT_EQ(FitTitlePointSize(100, widthAt), 4); // 80 <= 90 < 100
    EXPECT_EQ(FitTitlePointSize(0, widthAt), 1);   // never below 1
    const auto threeLines = [](int pixels) { return 3 * pixels + 8; };
    EXPECT_EQ(FitRecommendedUsePixelSize(53, threeLines), 15);
    EXPECT_EQ(FitRecommendedUsePixelSize(48, threeLines), 13);
    EXPECT_EQ(FitRecommendedUsePixelSize(0, threeLines), 8); // never below 8
}

TEST(LargeImageName, InsertsTheLetterBeforeTheExtension) {
    EXPECT_EQ(LargeImageName("abc.jpg"), "abcl.jpg");
    EXPECT_EQ(LargeImageName("  /opt/cat/ProductInfo/box-rifle.jpg "),
              "/opt/cat/ProductInfo/box-riflel.jpg");
    EXPECT_EQ(LargeImageName("C:\\Corvane\\ProductInfo\\a.b.jpg"),
              "C:\\Corvane\\ProductInfo\\a.bl.jpg");
    EXPECT_EQ(LargeImageName("noextension"), "");
    // A dot in a folder name is not an extension.
    EXPECT_EQ(LargeImageName("/home/u/.local/ProductInfo/picture"), "");
    EXPECT_EQ(LargeImageName("x." + std::string(40, 'e')), "xl." + std::string(29, 'e'));
}

} // namespace
} // namespace corvane
