// The report engine on an image: positions in inches, tabs with justification, box lines and
// shade, stretched pictures, and the report's font names.
#include "report/ui/ReportEngine.h"
#include "OffscreenApp.h"
#include "support/PaintTestSupport.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace corvane {
namespace {

constexpr int kDpi = 100;

bool IsInk(QRgb pixel) {
    return qGray(pixel) < 160;
}

// Leftmost and rightmost columns with ink in the pixel rows [top, bottom).
std::pair<int, int> InkColumns(const QImage& image, int top, int bottom) {
    int first = image.width();
    int last = -1;
    for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (IsInk(image.pixel(x, y))) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return {first, last};
}

TEST(ReportEngineTest, FontNamesSizeBoldAndLineHeight) {
    InstallReportFontSubstitutes();
    for (const char* name : {"MS Sans Serif", "Arial", "Times New Roman"}) {
        EXPECT_EQ(QFontInfo(QFont(QString::fromLatin1(name))).family(),
                  name[0] == 'T' ? QStringLiteral("Liberation Serif")
                                 : QStringLiteral("Liberation Sans"));
    }
    QImage image = test::WhitePage(4, 2, kDpi);
    QPainter painter(&image);
    ReportEngine r(painter, ReportPageSize{});
    const QString text = QStringLiteral("Ballistic Coefficient:");
    r.SetFont(QStringLiteral("Times New Roman"), 11);
    const double line11 = r.LineHeight();
    const double width11 = r.TextWidth(text);
    // 11 points with the font's leading: a little over 11/72 inch.
    EXPECT_GT(line11, 11.0 / 72);
    EXPECT_LT(line11, 1.4 * 11.0 / 72);
    r.SetBold(true);
    EXPECT_GT(r.TextWidth(text), width11);
    r.SetFont(QStringLiteral("Times New Roman"), 16);
    EXPECT_FALSE(r.Bold());
    EXPECT_NEAR(r.LineHeight() / line11, 16.0 / 11, 0.1);
    EXPECT_NEAR(r.TextWidth(text) / width11, 16.0 / 11, 0.1);
}

TEST(ReportEngineTest, TabsJustifyWithinTheirMargins) {
    QImage image = test::WhitePage(6, 2, kDpi);
    {
        QPainter painter(&image);
        ReportEngine r(painter, ReportPageSize{6, 2, 0.5, 0.5, 0.5, 0.5});
        r.SetFont(QStringLiteral("Arial"), 12);
        r.SetYPos(0.5);
        r.SetTab(1.0, TabJustify::Right, 2.0, 0.2, BoxLineNone, 0);
        r.SetTab(std::nullopt, TabJustify::Left, 2.0, 0.2, BoxLineNone, 0);
        r.PrintlnTab(QStringLiteral("\tLabel:"));
        r.PrintlnTab(QStringLiteral("\t\tValue"));
        r.SetTab(std::nullopt, TabJustify::Center, 1.0, 0, BoxLineNone, 0);
        r.PrintlnTab(QStringLiteral("\t\t\tMid"));
        r.PrintlnTab(QStringLiteral("\t\t\t\tdropped past the last tab"));
    }
    const int line = static_cast<int>(0.2 * kDpi);
    const auto label = InkColumns(image, 0, static_cast<int>(0.55 * kDpi));
    EXPECT_LE(label.second, 2.8 * kDpi);
    EXPECT_GE(label.second, 2.7 * kDpi);
    const auto value = InkColumns(image, static_cast<int>(0.55 * kDpi), 50 + line + 5);
    EXPECT_GE(value.first, 3.2 * kDpi - 1);
    EXPECT_LE(value.first, 3.3 * kDpi);
    const auto mid = InkColumns(image, 50 + line + 5, 50 + 2 * line + 5);
    EXPECT_NEAR((mid.first + mid.second) / 2.0, 5.5 * kDpi, 3);
    const auto dropped = InkColumns(image, 50 + 2 * line + 8, image.height());
    EXPECT_EQ(dropped.second, -1);
}

TEST(ReportEngineTest, BoxedTabsShadeWithTheTintOfTheShadeColour) {
    QImage image = test::WhitePage(4, 2, kDpi);
    {
        QPainter painter(&image);
        ReportEngine r(painter, ReportPageSize{4, 2, 0.5, 0.5, 0.5, 0.5});
        r.SetFont(QStringLiteral("Arial"), 11);
        r.SetYPos(1.0);
        r.SetTab(1.0, TabJustify::Right, 1.0, 0.05, BoxLineAll, 25);
        r.SetTab(std::nullopt, TabJustify::Right, 1.0, 0.05, BoxLineAll, 0);
        r.SetTabShadeColor(QColor(255, 255, 0));
        r.PrintlnTab(QStringLiteral("\t1\t2"));
    }
    const int y = static_cast<int>(1.0 * kDpi) - 3;
    EXPECT_EQ(image.pixel(static_cast<int>(1.2 * kDpi), y), qRgb(255, 255, 191));
    EXPECT_EQ(image.pixel(static_cast<int>(2.2 * kDpi), y), qRgb(255, 255, 255));
    // Box lines: the shared edge at 2.0 inches and the left edge at 1.0 inch.
    EXPECT_TRUE(IsInk(image.pixel(2 * kDpi, y)));
    EXPECT_TRUE(IsInk(image.pixel(1 * kDpi, y)));
    EXPECT_FALSE(IsInk(image.pixel(3 * kDpi + 3, y)));
}

TEST(ReportEngineTest, PicturesStretchIntoTheirRectangle) {
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QImage image = test::WhitePage(4, 3, kDpi);
    {
        QPainter painter(&image);
        ReportEngine r(painter, ReportPageSize{4, 3, 0.5, 0.5, 0.5, 0.5});
        r.PrintBitmapRect(1.0, 1.0, 3.0, 2.0, picture);
        r.PrintBitmapRect(0, 0, 1, 1, QImage());
        r.SetPen(Qt::black, Qt::SolidLine, 0.03);
        r.MoveTo(0.5, 2.5);
        r.LineTo(3.5, 2.5);
    }
    EXPECT_EQ(image.pixel(2 * kDpi, 150), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(105, 105), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(295, 195), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(95, 150), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(305, 150), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(50, 50), qRgb(255, 255, 255));
    // A 0.03 inch rule is three pixels thick at 100 dpi.
    EXPECT_TRUE(IsInk(image.pixel(200, 249)));
    EXPECT_TRUE(IsInk(image.pixel(200, 251)));
    EXPECT_FALSE(IsInk(image.pixel(200, 254)));
}

} // namespace
} // namespace corvane
