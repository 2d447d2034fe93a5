#include "common/ui/QtScreenPlacement.h"

#include <QMargins>
#include <QScreen>
#include <QWidget>

namespace corvane {
namespace {

QMargins FrameMargins(const QWidget& window) {
    const QRect inner = window.geometry();
    const QRect outer = window.frameGeometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

ScreenRect ToScreenRect(const QRect& r) {
    return {r.left(), r.top(), r.width(), r.height()};
}

} // namespace

void PlaceWindow(QWidget& window, const QWidget* owner, Placement how) {
    const QWidget* ownerWindow = owner != nullptr ? owner->window() : nullptr;
    const QScreen* screen = ownerWindow != nullptr ? ownerWindow->screen() : window.screen();
    if (screen == nullptr) {
        return;
    }
    // The window manager adds the frame only once a window is shown; until then the owner's
    // frame is the best guess for it.
    QMargins frame = FrameMargins(window);
    if (frame.isNull() && ownerWindow != nullptr) {
        frame = FrameMargins(*ownerWindow);
    }
    const QRect outer(window.geometry().topLeft() - QPoint(frame.left(), frame.top()),
                      window.size().grownBy(frame));
    const ScreenRect placed = PlaceOnScreen(
        ToScreenRect(outer), ToScreenRect(screen->availableGeometry()), how,
        ownerWindow != nullptr ? ToScreenRect(ownerWindow->frameGeometry()) : ScreenRect{});
    const QSize client =
        QSize(placed.Width, placed.Height).shrunkBy(frame).expandedTo(window.minimumSize());
    if (client != window.size()) {
        window.resize(client);
    }
    window.move(placed.Left, placed.Top);
}

} // namespace corvane
