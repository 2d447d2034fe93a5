#pragma once
// Small pictures drawn in code for the control strip, so that they need no catalog file and
// stay sharp at any screen scale.
#include <QPixmap>
#include <QSize>

namespace corvane {

// A handful of shot pellets, beside the "Pellet Data" link.
QPixmap DrawPelletsPicture(QSize size, qreal devicePixelRatio = 1.0);
// A cartridge case, a bullet and a primer: the parts the component section lists.
QPixmap DrawComponentsPicture(QSize size, qreal devicePixelRatio = 1.0);

} // namespace corvane
