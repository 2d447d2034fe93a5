#pragma once
// Loading a picture file of the catalog. Kept in one place so that the decoder can change
// without touching the windows.
#include <QImage>
#include <QString>

namespace corvane {

// The picture, or a null image when the file is missing or cannot be decoded.
QImage LoadPicture(const QString& path);

} // namespace corvane
