#include "app/Pictures.h"

#include "common/ui/JpegDecoder.h"

namespace corvane {

QImage LoadPicture(const QString& path) {
    return ReadPictureFile(path);
}

} // namespace corvane
