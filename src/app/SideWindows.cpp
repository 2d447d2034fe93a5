#include "app/SideWindows.h"

#include "common/ui/QtScreenPlacement.h"
#include "windows/LargeImage.h"
#include "windows/PelletData.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>

#include <utility>

namespace corvane {
namespace {

class LeftClickFilter : public QObject {
public:
    LeftClickFilter(QObject* parent, std::function<void()> action)
        : QObject(parent), action_(std::move(action)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            action_();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};

} // namespace

void OnLeftClick(QWidget* widget, std::function<void()> action) {
    widget->installEventFilter(new LeftClickFilter(widget, std::move(action)));
}

SideWindows::SideWindows(QWidget* owner, QAbstractItemView* grid, Catalog& catalog,
                         UserPrompts& prompts, QString noImageFile)
    : QObject(owner), owner_(owner), grid_(grid), catalog_(catalog), prompts_(prompts),
      noImageFile_(std::move(noImageFile)) {
    pellet_ = new TfrmPelletData(owner);
    popup_ = new TfrmLargeImagePopup(owner);
    connect(pellet_, &TfrmPelletData::closed, this, [this] { pelletShown_ = false; });
    connect(pellet_, &TfrmPelletData::catalogFocusWanted, this, &SideWindows::FocusGrid);
    connect(popup_, &TfrmLargeImagePopup::closed, this, [this] { largeShown_ = false; });
    connect(popup_, &TfrmLargeImagePopup::catalogFocusWanted, this, &SideWindows::FocusGrid);
    connect(popup_, &TfrmLargeImagePopup::wheelTurned, this, &SideWindows::ScrollGrid);
}

void SideWindows::ShowPelletWindow(int loadIndex, bool englSys) {
    // Filled first: its size follows the rows, and where it opens follows its size.
    const bool wasShown = pellet_->isVisible();
    FillPelletWindow(*pellet_, catalog_, loadIndex, englSys, prompts_);
    PlaceWindow(*pellet_, owner_, wasShown ? Placement::Kept : Placement::Centred);
    pellet_->showNormal();
    pelletShown_ = true;
    FocusGrid();
}

void SideWindows::RefillPelletWindow(int loadIndex, bool englSys) {
    if (pelletShown_) {
        ShowPelletWindow(loadIndex, englSys);
    }
}

void SideWindows::ClosePelletWindow() {
    if (pelletShown_ || pellet_->isVisible()) {
        pellet_->close();
    }
    pelletShown_ = false;
}

void SideWindows::ShowLargeImage(const QString& largeFile) {
    const bool wasShown = largeShown_;
    largeShown_ = popup_->ShowLargePicture(largeFile, noImageFile_);
    if (largeShown_) {
        // Beside the catalog when it opens; a later, wider picture must not push it off-screen.
        PlaceWindow(*popup_, owner_, wasShown ? Placement::Kept : Placement::BesideOwner);
    }
}

void SideWindows::UpdateLargeImagePopup(const QString& largeFile) {
    if (largeShown_) {
        ShowLargeImage(largeFile);
    }
}

void SideWindows::FocusGrid() {
    if (grid_->isVisible()) {
        owner_->activateWindow();
        grid_->setFocus();
    }
}

void SideWindows::ScrollGrid(int angleDeltaY) {
    QWidget* viewport = grid_->viewport();
    const QPointF centre = QRectF(viewport->rect()).center();
    QWheelEvent wheel(centre, viewport->mapToGlobal(centre), QPoint(), QPoint(0, angleDeltaY),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
}

} // namespace corvane
