// The libjpeg decoder on checked-in pictures (tests/data/jpeg: colour red left and blue right,
// flat grey, and CMYK red with the Adobe marker libjpeg writes) and on damaged copies of them.
#include "common/ui/JpegDecoder.h"

#include "OffscreenApp.h"
#include "hostile/HostileTables.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace corvane {
namespace {

class JpegDecoderTest : public ::testing::Test {
protected:
    static QString Sample(const char* name) {
        return QStringLiteral(CORVANE_TEST_DATA_DIR "/jpeg/") + QString::fromLatin1(name);
    }
    QString PathOf(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QString Write(const char* name, const QByteArray& bytes) const {
        QFile file(PathOf(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QTemporaryDir dir_;
};

// Rewrites the frame size of the first baseline start-of-frame marker.
QByteArray WithFrameSize(QByteArray jpeg, int width, int height) {
    const qsizetype at = jpeg.indexOf("\xFF\xC0");
    EXPECT_GE(at, 0) << "no frame marker";
    const char size[] = {char(height >> 8), char(height & 0xFF), char(width >> 8),
                         char(width & 0xFF)};
    return jpeg.replace(at + 5, 4, QByteArray(size, 4));
}

TEST_F(JpegDecoderTest, DecodesColourGreyAndCmyk) {
    const QImage colour = DecodeJpegFile(Sample("colour.jpg"));
    ASSERT_EQ(colour.size(), QSize(64, 48));
    const QColor left = colour.pixelColor(8, 24);
    const QColor right = colour.pixelColor(56, 24);
    EXPECT_GT(left.red(), 190);
    EXPECT_LT(left.blue(), 60);
    EXPECT_GT(right.blue(), 190);
    EXPECT_LT(right.red(), 60);

    const QImage grey = DecodeJpegFile(Sample("grey.jpg"));
    ASSERT_EQ(grey.size(), QSize(20, 10));
    EXPECT_NEAR(qGray(grey.pixel(10, 5)), 100, 4);

    const QImage cmyk = DecodeJpegFile(Sample("cmyk.jpg"));
    ASSERT_EQ(cmyk.size(), QSize(16, 8));
    EXPECT_GT(qRed(cmyk.pixel(8, 4)), 230);
    EXPECT_LT(qGreen(cmyk.pixel(8, 4)), 25);
}

// Every damage is a failed load, never a crash or a half picture.
TEST_F(JpegDecoderTest, BrokenFilesAndHugeFramesFailCleanly) {
    QFile in(Sample("colour.jpg"));
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray good = in.readAll();
    QByteArray corruptScan = good;
    for (qsizetype i = corruptScan.size() / 2; i < corruptScan.size() - 2; ++i) {
        corruptScan[i] = static_cast<char>(0xFF); // marker bytes where the scan data should be
    }
    ASSERT_TRUE(DecodeJpegFile(Sample("colour.jpg")).save(PathOf("png.jpg"), "PNG"));
    // Huge frames: either side too large, or both sides allowed but not the area.
    const QByteArray broken[] = {good.left(good.size() / 2),
                                 good.left(200),
                                 corruptScan,
                                 QByteArray::fromStdString(test::RandomBytes(4096, 11)),
                                 QByteArray(),
                                 WithFrameSize(good, 60000, 60000),
                                 WithFrameSize(good, 64, 20000),
                                 WithFrameSize(good, 10000, 5000),
                                 WithFrameSize(good, 0, 48)};
    for (const QByteArray& bytes : broken) {
        EXPECT_TRUE(DecodeJpegFile(Write("broken.jpg", bytes)).isNull()) << &bytes - broken;
    }
    EXPECT_TRUE(DecodeJpegFile(PathOf("png.jpg")).isNull());
    EXPECT_TRUE(DecodeJpegFile(PathOf("missing.jpg")).isNull());
    EXPECT_TRUE(DecodeJpegFile(dir_.path()).isNull());

    // The reader is chosen by suffix: a .jpg is never handed to Qt's reader, so a PNG under that
    // name stays refused, while bitmaps go to Qt's.
    EXPECT_TRUE(ReadPictureFile(PathOf("png.jpg")).isNull());
    EXPECT_EQ(ReadPictureFile(Write("upper.JPG", good)).size(), QSize(64, 48));
    ASSERT_TRUE(DecodeJpegFile(Sample("colour.jpg")).save(PathOf("RprtClr.bmp"), "BMP"));
    EXPECT_EQ(ReadPictureFile(PathOf("RprtClr.bmp")).size(), QSize(64, 48));
    EXPECT_TRUE(ReadPictureFile(PathOf("CustomFooter.bmp")).isNull());
    EXPECT_TRUE(ReadPictureFile(Write("broken.bmp", QByteArray("BMnot a bitmap"))).isNull());
}

} // namespace
} // namespace corvane
