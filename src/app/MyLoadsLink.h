#pragma once
// Ties the My Loads window to the main window: one store and one window for the run, opened
// from the tool button and the Tools menu, following the unit system, and fed by "Copy to My
// Loads" on a catalog row's context menu.
#include "catalog/Catalog.h"
#include "catalog/ShownLoads.h"
#include "settings/AppSettings.h"

#include <QObject>

#include <memory>

class QAction;
class QMenu;
class QToolButton;

namespace corvane {

class CatalogGridView;
class MyLoadsStore;
class MyLoadsWindow;
class QtUserPrompts;
class TfrmMain;
class TrajectoryChartLink;
class UserPrompts;

class MyLoadsLink : public QObject {
    Q_OBJECT
public:
    // "Copy to My Loads" joins the grid's context menu, which the chart link shows. `prompts`
    // tells what goes wrong in the main window; `windowPrompts` what goes wrong in My Loads,
    // message boxes over that window when null, so that closing one gives the keyboard back
    // to it rather than to the main window.
    MyLoadsLink(TfrmMain& window, Catalog& catalog, const AppSettings& settings,
                const ShownLoads& shown, CatalogGridView& grid, TrajectoryChartLink& chart,
                UserPrompts& prompts, UserPrompts* windowPrompts);
    ~MyLoadsLink() override;

    QToolButton* NewToolButton(QWidget* parent);
    void Attach(QAction* menuItem);

    // Opens the window (made on first use), beside the main window when it was hidden.
    void ShowWindow();
    // Starts an own load from the selected catalog row and opens the window on it.
    void CopySelectedLoad();
    void UnitSystemChanged();
    // Keeps what is typed in the window (the program is closing).
    void KeepEntries();

    MyLoadsStore& Store() const { return *store_; }
    MyLoadsWindow* Window() const { return window_; }

private:
    TfrmMain& main_;
    Catalog& catalog_;
    const AppSettings& settings_;
    const ShownLoads& shown_;
    CatalogGridView& grid_;
    TrajectoryChartLink& chart_;
    UserPrompts& prompts_;
    std::unique_ptr<QtUserPrompts> ownWindowPrompts_;
    UserPrompts& windowPrompts_;
    MyLoadsStore* store_ = nullptr;
    MyLoadsWindow* window_ = nullptr;
};

} // namespace corvane
