#pragma once
// Ties the range card window to the main window: opens it from the Tools menu and the grid's
// context menu, and keeps it on the selected catalog load, the ballistics panel and the units.
#include "catalog/Catalog.h"
#include "catalog/ShownLoads.h"
#include "settings/AppSettings.h"

#include <QObject>

class QAction;

namespace corvane {

class BallisticsPanel;
class CatalogGridView;
class MyLoadsStore;
class RangeCardWindow;
class TfrmMain;
class UserPrompts;

class RangeCardLink : public QObject {
    Q_OBJECT
public:
    RangeCardLink(TfrmMain& window, Catalog& catalog, const AppSettings& settings,
                  const ShownLoads& shown, CatalogGridView& grid, BallisticsPanel& panel,
                  UserPrompts& prompts);

    // The Tools menu item; "Range card..." for the grid's context menu (on the row's load).
    void Attach(QAction* menuItem);
    QAction* RowAction() const { return rowAction_; }

    // Shows the window, on the catalog's selected load when it is first opened.
    void ShowCard();
    // Shows the window on the selected row's load.
    void ShowCardForRow();
    // The selection, the panel, the units or the section changed.
    void Refresh();

    // The main window owns one card window, made on first use.
    RangeCardWindow* Window();
    // The own loads the card offers: read when the card is first made, followed after.
    void UseOwnLoads(const MyLoadsStore& store);

private:
    TfrmMain& window_;
    Catalog& catalog_;
    const AppSettings& settings_;
    const ShownLoads& shown_;
    CatalogGridView& grid_;
    BallisticsPanel& panel_;
    UserPrompts& prompts_;
    RangeCardWindow* card_ = nullptr;
    const MyLoadsStore* ownLoads_ = nullptr;
    QAction* rowAction_ = nullptr;
};

} // namespace corvane
