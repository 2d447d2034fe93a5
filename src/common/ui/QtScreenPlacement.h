#pragma once
// The core's placement rule applied to a real top-level widget.
#include "common/ScreenPlacement.h"

class QWidget;

namespace corvane {

// Moves (and, when it is larger than the screen, shrinks) `window` to where the rule puts it on
// the available area of the screen that holds `owner` (the window's own screen without one),
// frame included.
void PlaceWindow(QWidget& window, const QWidget* owner, Placement how);

} // namespace corvane
