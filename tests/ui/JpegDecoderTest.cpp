#include "common/ui/JpegDecoder.h"

#include "OffscreenApp.h"

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace corvane {
namespace {

class JpegDecoderTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::EnsureOffscreenApp(); }

    QString PathOf(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    QString Write(const char* name, const QByteArray& bytes) const {
        const QString path = PathOf(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    // A 64 x 48 picture: red on the left half, blue on the right, with some noise so the
    // compressed data is not trivially short.
    static QImage TestPicture() {
        QImage image(64, 48, QImage::Format_RGB32);
        QRandomGenerator random(7);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const int noise = static_cast<int>(random.bounded(8));
                image.setPixel(x, y,
                               x < 32 ? qRgb(220 + noise, 20, 20) : qRgb(20, 20, 220 + noise));
            }
        }
        return image;
    }

    static QByteArray Encode(const QImage& image, const char* format) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(image.save(&buffer, format, 95));
        return bytes;
    }

    // Rewrites the frame size of the first start-of-frame marker.
    static QByteArray WithFrameSize(QByteArray jpeg, int width, int height) {
        for (int i = 0; i + 8 < jpeg.size(); ++i) {
            const auto marker = static_cast<unsigned char>(jpeg[i + 1]);
            if (static_cast<unsigned char>(jpeg[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
                jpeg[i + 5] = static_cast<char>(height >> 8);
                jpeg[i + 6] = static_cast<char>(height & 0xFF);
                jpeg[i + 7] = static_cast<char>(width >> 8);
                jpeg[i + 8] = static_cast<char>(width & 0xFF);
                return jpeg;
            }
        }
        ADD_FAILURE() << "no frame marker";
        return jpeg;
    }

    // One CMYK pixel colour over a whole 16 x 8 picture, written with the Adobe marker that
    // libjpeg adds for CMYK (inverted ink values, as Adobe programs store them).
    static QByteArray CmykJpeg(const unsigned char cmyk[4]) {
        jpeg_compress_struct info{};
        jpeg_error_mgr errors{};
        info.err = jpeg_std_error(&errors);
        jpeg_create_compress(&info);
        unsigned char* out = nullptr;
        unsigned long size = 0;
        jpeg_mem_dest(&info, &out, &size);
        info.image_width = 16;
        info.image_height = 8;
        info.input_components = 4;
        info.in_color_space = JCS_CMYK;
        jpeg_set_defaults(&info);
        jpeg_start_compress(&info, TRUE);
        std::vector<unsigned char> row(16 * 4);
        for (std::size_t i = 0; i < row.size(); ++i) {
            row[i] = cmyk[i % 4];
        }
        while (info.next_scanline < info.image_height) {
            JSAMPROW rows[] = {row.data()};
            jpeg_write_scanlines(&info, rows, 1);
        }
        jpeg_finish_compress(&info);
        jpeg_destroy_compress(&info);
        QByteArray bytes(reinterpret_cast<const char*>(out), static_cast<qsizetype>(size));
        std::free(out);
        return bytes;
    }

    QTemporaryDir dir_;
};

TEST_F(JpegDecoderTest, DecodesColourGreyAndCmyk) {
    const QImage colour = DecodeJpegFile(Write("good.jpg", Encode(TestPicture(), "JPG")));
    ASSERT_FALSE(colour.isNull());
    EXPECT_EQ(colour.size(), QSize(64, 48));
    const QColor left = colour.pixelColor(8, 24);
    const QColor right = colour.pixelColor(56, 24);
    EXPECT_GT(left.red(), 190);
    EXPECT_LT(left.blue(), 60);
    EXPECT_GT(right.blue(), 190);
    EXPECT_LT(right.red(), 60);

    QImage grey(20, 10, QImage::Format_Grayscale8);
    grey.fill(QColor(100, 100, 100));
    const QImage greyRead = DecodeJpegFile(Write("grey.jpeg", Encode(grey, "JPG")));
    ASSERT_FALSE(greyRead.isNull());
    EXPECT_EQ(greyRead.size(), QSize(20, 10));
    EXPECT_NEAR(qGray(greyRead.pixel(10, 5)), 100, 4);

    const unsigned char red[4] = {255, 0, 0, 255};
    const QImage cmyk = DecodeJpegFile(Write("cmyk.jpg", CmykJpeg(red)));
    ASSERT_FALSE(cmyk.isNull());
    EXPECT_EQ(cmyk.size(), QSize(16, 8));
    EXPECT_GT(qRed(cmyk.pixel(8, 4)), 230);
    EXPECT_LT(qGreen(cmyk.pixel(8, 4)), 25);
}

// Every damage is a failed load, never a crash or a half picture.
TEST_F(JpegDecoderTest, BrokenFilesAndHugeFramesFailCleanly) {
    const QByteArray good = Encode(TestPicture(), "JPG");
    QByteArray corruptScan = good;
    for (qsizetype i = corruptScan.size() / 2; i < corruptScan.size() - 2; ++i) {
        corruptScan[i] = static_cast<char>(0xFF); // marker bytes where the scan data should be
    }
    QByteArray noise(4096, '\0');
    QRandomGenerator random(11);
    for (char& byte : noise) {
        byte = static_cast<char>(random.bounded(256));
    }
    // Huge frames: either side too large, or both sides allowed but not the area.
    const QByteArray broken[] = {good.left(good.size() / 2),
                                 good.left(200),
                                 corruptScan,
                                 noise,
                                 QByteArray(),
                                 Encode(TestPicture(), "PNG"),
                                 WithFrameSize(good, 60000, 60000),
                                 WithFrameSize(good, 64, 20000),
                                 WithFrameSize(good, 10000, 5000),
                                 WithFrameSize(good, 0, 48)};
    for (const QByteArray& bytes : broken) {
        EXPECT_TRUE(DecodeJpegFile(Write("broken.jpg", bytes)).isNull()) << &bytes - broken;
    }
    EXPECT_TRUE(DecodeJpegFile(PathOf("missing.jpg")).isNull());
    EXPECT_TRUE(DecodeJpegFile(dir_.path()).isNull());
}

TEST_F(JpegDecoderTest, ReadPictureFileChoosesTheReaderBySuffix) {
    const QByteArray jpeg = Encode(TestPicture(), "JPG");
    EXPECT_EQ(ReadPictureFile(Write("upper.JPG", jpeg)).size(), QSize(64, 48));
    EXPECT_EQ(ReadPictureFile(Write("RprtClr.bmp", Encode(TestPicture(), "BMP"))).size(),
              QSize(64, 48));
    EXPECT_TRUE(ReadPictureFile(PathOf("CustomFooter.bmp")).isNull());
    EXPECT_TRUE(ReadPictureFile(Write("broken.bmp", QByteArray("BMnot a bitmap"))).isNull());
    // A .jpg is never handed to Qt's reader, so a PNG under that name stays refused.
    EXPECT_TRUE(ReadPictureFile(Write("png2.jpg", Encode(TestPicture(), "PNG"))).isNull());
}

} // namespace
} // namespace corvane
