#pragma once
// Pictures of the catalog: JPEG files through libjpeg, bitmaps through Qt.
#include <QImage>
#include <QString>

namespace corvane {

// Pictures larger than this are refused before any pixel memory is allocated.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr qint64 kMaxPicturePixels = 40'000'000;

// Decodes a JPEG file (grayscale, RGB or CMYK). Any failure -- missing, empty, truncated or
// corrupt file, not a JPEG, oversized -- gives a null image; libjpeg never ends the program.
QImage DecodeJpegFile(const QString& path);

// A picture file: ".jpg"/".jpeg" through DecodeJpegFile, anything else (the report's ".bmp")
// through Qt. A null image when the file cannot be read.
QImage ReadPictureFile(const QString& path);

} // namespace corvane
