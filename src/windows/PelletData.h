#pragma once
// TfrmPelletData: the shot sizes of a shotshell load with pellet counts and diameters.
#include "catalog/PelletData.h"

#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace corvane {

class Catalog;
class UserPrompts;

class TfrmPelletData : public QWidget {
    Q_OBJECT

public:
    // The row limit of the window; beyond it the grid scrolls.
    static constexpr int kMaxClientHeight = 300;
    static constexpr int kScrollBarAllowance = 20;

    explicit TfrmPelletData(QWidget* owner = nullptr);

    // Rebuilds headings, rows, caption and size for one load. Does not show the window.
    void ShowPelletData(const PelletTable& table);
    // Back to the empty window: no rows, the caption "Load #:".
    void ClearPelletData();

    QLabel* lblLoadNo() const { return lblLoadNo_; }
    QTableWidget* MainGrid() const { return mainGrid_; }
    QPushButton* bbnClose() const { return bbnClose_; }
    // Height of one grid row without its line, from the bold grid font.
    int RowHeight() const { return rowHeight_; }

signals:
    // The window closed; the owner clears its PelletWindowShown flag.
    void closed();
    // The keyboard should go back to the catalog grid (after a fill, on mouse moves over
    // the pellet grid).
    void catalogFocusWanted();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplySize(int columnWidthSum, int rowCount);

    QWidget* pnlTitle_ = nullptr;
    QPushButton* bbnClose_ = nullptr;
    QLabel* lblLoadNo_ = nullptr;
    QTableWidget* mainGrid_ = nullptr;
    int rowHeight_ = 0;
};

// Fills the window for record `loadIndex` of the shotshell section. When a catalog file cannot
// be read the error (naming the file) goes to `prompts` and the window is left empty.
// Returns whether the window was filled.
bool FillPelletWindow(TfrmPelletData& window, Catalog& catalog, int loadIndex, bool englSys,
                      UserPrompts& prompts);

} // namespace corvane
