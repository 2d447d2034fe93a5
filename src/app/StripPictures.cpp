#include "app/StripPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

namespace corvane {
namespace {

QPixmap Canvas(QSize size, qreal devicePixelRatio) {
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A sphere lit from the upper left.
void DrawPellet(QPainter& painter, QPointF centre, qreal radius, QColor colour) {
    QRadialGradient shade(centre - QPointF(radius / 3, radius / 3), radius * 1.2);
    shade.setColorAt(0, colour.lighter(190));
    shade.setColorAt(0.6, colour);
    shade.setColorAt(1, colour.darker(220));
    painter.setPen(QPen(colour.darker(260), 0.6));
    painter.setBrush(shade);
    painter.drawEllipse(centre, radius, radius);
}

// Fills `path` with a metal shaded from `light` at `top` through `mid` to `dark` at `bottom`.
void DrawMetal(QPainter& painter, const QPainterPath& path, qreal top, qreal bottom,
               std::array<QColor, 4> lightMidDarkOutline) {
    const auto& [light, mid, dark, outline] = lightMidDarkOutline;
    QLinearGradient shade(0, top, 0, bottom);
    shade.setColorAt(0, light);
    shade.setColorAt(0.5, mid);
    shade.setColorAt(1, dark);
    painter.setPen(QPen(outline, 0.8));
    painter.setBrush(shade);
    painter.drawPath(path);
}

} // namespace

QPixmap DrawPelletsPicture(QSize size, qreal devicePixelRatio) {
    QPixmap pixmap = Canvas(size, devicePixelRatio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size.width() / 60.0, size.height() / 60.0);
    // Back row first so the front pellets overlap it.
    constexpr std::array<std::array<qreal, 3>, 7> kPellets{{{16, 18, 9},
                                                            {35, 14, 9},
                                                            {48, 30, 9},
                                                            {12, 37, 9},
                                                            {30, 31, 10},
                                                            {22, 49, 9},
                                                            {42, 47, 10}}};
    for (const auto& [x, y, r] : kPellets) {
        DrawPellet(painter, QPointF(x, y), r, QColor(0x70, 0x74, 0x7a));
    }
    return pixmap;
}

QPixmap DrawComponentsPicture(QSize size, qreal devicePixelRatio) {
    QPixmap pixmap = Canvas(size, devicePixelRatio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size.width() / 110.0, size.height() / 62.0);

    // Brass case lying on its side, neck to the right.
    QPainterPath brass;
    brass.moveTo(6, 20);
    brass.lineTo(46, 20);
    brass.lineTo(54, 25);
    brass.lineTo(60, 25);
    brass.lineTo(60, 37);
    brass.lineTo(54, 37);
    brass.lineTo(46, 42);
    brass.lineTo(6, 42);
    brass.closeSubpath();
    DrawMetal(painter, brass, 20, 42,
              {QColor(0xf2, 0xd4, 0x7a), QColor(0xc9, 0x9a, 0x2e), QColor(0x7a, 0x5a, 0x14),
               QColor(0x5c, 0x43, 0x0e)});

    // Copper bullet, point to the right.
    QPainterPath bullet;
    bullet.moveTo(68, 24);
    bullet.lineTo(84, 24);
    bullet.cubicTo(96, 25, 102, 29, 104, 31);
    bullet.cubicTo(102, 33, 96, 37, 84, 38);
    bullet.lineTo(68, 38);
    bullet.closeSubpath();
    DrawMetal(painter, bullet, 24, 38,
              {QColor(0xf0, 0xa8, 0x78), QColor(0xb8, 0x62, 0x33), QColor(0x6a, 0x30, 0x14),
               QColor(0x55, 0x25, 0x0e)});

    // Primer seen from its face, below the case.
    DrawPellet(painter, QPointF(22, 53), 6, QColor(0xb0, 0xb4, 0xba));
    return pixmap;
}

} // namespace corvane
