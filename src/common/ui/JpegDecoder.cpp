#include "common/ui/JpegDecoder.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <csetjmp>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

namespace corvane {
namespace {

// Larger files are not pictures this program ships; refusing them keeps a bad file from
// filling memory before libjpeg even sees it.
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

struct JumpingErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

// libjpeg's default error_exit calls exit(); jump back to the decoder instead.
[[noreturn]] void JumpOnError(j_common_ptr info) {
    auto* manager = reinterpret_cast<JumpingErrorManager*>(info->err);
    std::longjmp(manager->jump, 1);
}

// Corrupt-data warnings (a truncated file among them) would otherwise give a half-grey
// picture; treat them as failures. Stray bytes between markers are harmless and common.
void JumpOnCorruptData(j_common_ptr info, int level) {
    if (level < 0 && info->err->msg_code != JWRN_EXTRANEOUS_DATA) {
        JumpOnError(info);
    }
}

void SilentMessage(j_common_ptr) {}

QRgb CmykToRgb(const JSAMPLE* p, bool adobeInverted) {
    int c = p[0], m = p[1], y = p[2], k = p[3];
    if (!adobeInverted) {
        c = 255 - c;
        m = 255 - m;
        y = 255 - y;
        k = 255 - k;
    }
    return qRgb(c * k / 255, m * k / 255, y * k / 255);
}

// Everything that may be left behind by a longjmp lives in the caller's frame; this function
// holds no object with a destructor after setjmp.
bool Decode(const QByteArray& bytes, QImage& image) {
    jpeg_decompress_struct info{};
    JumpingErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpOnError;
    errors.base.emit_message = JumpOnCorruptData;
    errors.base.output_message = SilentMessage;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);

    const qint64 width = info.image_width;
    const qint64 height = info.image_height;
    if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide ||
        width * height > kMaxPicturePixels) {
        jpeg_destroy_decompress(&info);
        return false;
    }

    QImage::Format format = QImage::Format_RGB888;
    switch (info.jpeg_color_space) {
    case JCS_GRAYSCALE:
        info.out_color_space = JCS_GRAYSCALE;
        format = QImage::Format_Grayscale8;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        info.out_color_space = JCS_CMYK;
        format = QImage::Format_RGB32;
        break;
    default:
        info.out_color_space = JCS_RGB;
        break;
    }
    jpeg_start_decompress(&info);

    image =
        QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), format);
    if (image.isNull()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    const bool cmyk = info.out_color_space == JCS_CMYK;
    const bool adobeInverted = info.saw_Adobe_marker;
    JSAMPARRAY cmykRow = cmyk ? (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info),
                                                          JPOOL_IMAGE, info.output_width * 4, 1)
                              : nullptr;
    while (info.output_scanline < info.output_height) {
        const int y = static_cast<int>(info.output_scanline);
        if (cmyk) {
            jpeg_read_scanlines(&info, cmykRow, 1);
            auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (JDIMENSION x = 0; x < info.output_width; ++x) {
                out[x] = CmykToRgb(cmykRow[0] + 4 * x, adobeInverted);
            }
        } else {
            JSAMPROW row = image.scanLine(y);
            jpeg_read_scanlines(&info, &row, 1);
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage DecodeJpegFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty()) {
        return {};
    }
    QImage image;
    if (!Decode(bytes, image)) {
        return {};
    }
    return image;
}

QImage ReadPictureFile(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) {
        return DecodeJpegFile(path);
    }
    QImage image;
    if (!image.load(path)) {
        return {};
    }
    return image;
}

} // namespace corvane
