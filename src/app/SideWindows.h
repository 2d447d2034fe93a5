#pragma once
// The main window's side windows for the selected load: the pellet data window and the large
// image popup, with the "shown" flags the main window keeps for them.
#include <QObject>
#include <QString>

#include <functional>

class QAbstractItemView;
class QWidget;

namespace corvane {

class Catalog;
class TfrmLargeImagePopup;
class TfrmPelletData;
class UserPrompts;

class SideWindows : public QObject {
    Q_OBJECT
public:
    // `owner` owns the windows; `grid` gets the keyboard back and scrolls with the popup's
    // wheel. `noImageFile` is the large picture shown when a later load has none.
    SideWindows(QWidget* owner, QAbstractItemView* grid, Catalog& catalog, UserPrompts& prompts,
                QString noImageFile);

    // "Pellet Data": shows the window in normal state and fills it for shotshell record
    // `loadIndex`.
    void ShowPelletWindow(int loadIndex, bool englSys);
    // A new shotshell selection: refills the window while it is shown.
    void RefillPelletWindow(int loadIndex, bool englSys);
    // Section or unit change.
    void ClosePelletWindow();
    bool PelletWindowShown() const { return pelletShown_; }

    // The small picture was clicked: shows its existing large form beside the catalog.
    void ShowLargeImage(const QString& largeFile);
    // A new small picture: the popup, while shown, follows it ("noimagel.jpg" when it has no
    // large form).
    void UpdateLargeImagePopup(const QString& largeFile);
    bool LargeImageShown() const { return largeShown_; }

    TfrmPelletData* PelletWindow() const { return pellet_; }
    TfrmLargeImagePopup* LargeImagePopup() const { return popup_; }

private:
    void FocusGrid();
    void ScrollGrid(int angleDeltaY);

    QWidget* owner_;
    QAbstractItemView* grid_;
    Catalog& catalog_;
    UserPrompts& prompts_;
    QString noImageFile_;
    TfrmPelletData* pellet_ = nullptr;
    TfrmLargeImagePopup* popup_ = nullptr;
    bool pelletShown_ = false;
    bool largeShown_ = false;
};

// Runs `action` when `widget` gets a left click (for pictures that act as buttons).
void OnLeftClick(QWidget* widget, std::function<void()> action);

} // namespace corvane
