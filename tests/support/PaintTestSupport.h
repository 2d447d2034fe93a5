#pragma once
// White pages to paint on at a known resolution, and pixel counts, for the report drawing tests.
#include <QColor>
#include <QImage>

#include <functional>

namespace corvane::test {

inline QImage WhitePage(double widthInches, double heightInches, int dpi) {
    QImage image(static_cast<int>(widthInches * dpi), static_cast<int>(heightInches * dpi),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(dpi / 0.0254 + 0.5));
    image.setDotsPerMeterY(static_cast<int>(dpi / 0.0254 + 0.5));
    image.fill(Qt::white);
    return image;
}

// Pixels matching `match` in the rows [top, bottom) (all rows by default).
inline int CountPixels(const QImage& image, const std::function<bool(QRgb)>& match, int top = 0,
                       int bottom = -1) {
    int count = 0;
    for (int y = top; y < (bottom < 0 ? image.height() : bottom); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += match(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

} // namespace corvane::test
