#pragma once
// The catalog grid: one row per shown load, the selected load's row drawn as a highlight bar,
// coloured ballistics groups, caliber separators, red foot-note marks and column borders, all
// from the core's grid data. It keeps or resets selection and scroll position across refills.
#include "app/GridPainting.h"
#include "ballistics/GridData.h"
#include "settings/AppSettings.h"

#include <QTableView>

namespace corvane {

class CatalogGridModel;
class TwoLineHeaderView;

// Selected cell, top row and left column in grid terms (row 0 is the heading row).
struct GridPosition {
    int Row = 0;
    int Column = 0;
    int TopRow = 1;
    int LeftColumn = 0;
};

class CatalogGridView : public QTableView {
    Q_OBJECT
public:
    explicit CatalogGridView(QWidget* parent = nullptr);

    // Colours and font of the settings (ApplyGridColors).
    void ApplyGridColors(const AppSettings& settings);
    const GridLook& Look() const { return look_; }
    const QFont& GridFont() const { return look_.Font; }

    // Shows new grid data; `keep` restores `position` where it still fits, otherwise the
    // selection goes to row 1 (`selectFirst`) or to no load.
    void ShowGridData(GridData grid, bool keep, const GridPosition& position, bool selectFirst);
    const GridData& Data() const;
    CatalogGridModel* GridModel() const { return model_; }

    GridPosition Position() const;
    // Grid row of the selected load, 0 for none.
    int SelectedRow() const;
    int TopRow() const;
    int LeftColumn() const;
    int VisibleRowCount() const;
    // Selects grid row `row` in column 0 and scrolls it to the middle of the view.
    void SelectGridRow(int row);

signals:
    // The selected cell changed by mouse or keyboard (LoadSelected).
    void loadClicked();
    // A context menu is wanted at `at` (viewport coordinates): under the pointer, or on the
    // selected row when asked for by keyboard.
    void contextMenuWanted(const QPoint& at);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void SetSelection(int gridRow, int column);
    void MainGridTopLeftChanged();
    int LastVisibleColumn() const;

    GridLook look_;
    CatalogGridModel* model_ = nullptr;
    TwoLineHeaderView* header_ = nullptr;
    bool userMove_ = false;
    bool adjusting_ = false;
};

} // namespace corvane
