#pragma once
// Ties the trajectory chart window to the main window: opens it from the tool button and the
// Tools menu, keeps it on the selected load (or on the loads marked for comparison, whose rows
// the grid marks) through selection changes and refills. A section change forgets the
// comparison, saying so in the chart, and closes a chart that showed only the selection. The
// shooter's own loads join the comparison by name and follow their edits; being of no section,
// they stay through section changes.
#include "app/TrajectoryChart.h"
#include "catalog/Catalog.h"
#include "catalog/SectionTraits.h"
#include "catalog/ShownLoads.h"
#include "rifle/MyLoads.h"
#include "settings/AppSettings.h"

#include <QObject>

#include <string>
#include <vector>

class QAction;
class QMenu;
class QToolButton;

namespace corvane {

class BallisticsPanel;
class CatalogGridView;
class MyLoadsStore;
class TfrmMain;

class TrajectoryChartLink : public QObject {
    Q_OBJECT
public:
    TrajectoryChartLink(TfrmMain& window, const Catalog& catalog, const AppSettings& settings,
                        const ShownLoads& shown, CatalogGridView& grid,
                        const BallisticsPanel& panel);

    // The tool button and the menu item that open the chart.
    QToolButton* NewToolButton(QWidget* parent);
    void Attach(QAction* menuItem);

    // "Trajectory chart...": shows the window for the sections with ballistics.
    void ShowChart();
    // "Compare": marks the selected load, or unmarks it when marked; at most four.
    void ToggleCompare();
    void ClearComparison();
    // The own loads on offer; compared ones that are gone leave the comparison.
    void SetMyLoads(const MyLoads& document);
    // Where they come from: read when the chart is first made, followed after.
    void UseOwnLoads(const MyLoadsStore& store);
    // "Add my load": the own load of that name joins the comparison.
    void CompareOwnLoad(const QString& name);
    void SectionChanged();
    void GridRefilled();

    // The grid's context menu for the load at `at` (viewport coordinates), which it selects;
    // none outside the sections with ballistics. The caller shows it; it deletes itself.
    QMenu* BuildGridContextMenu(const QPoint& at);
    // Another window's entry for the load, shown after the comparison's.
    void AddContextMenuAction(QAction* action) { otherActions_.push_back(action); }

    bool ChartShown() const { return chartShown_; }
    TrajectoryChart* Window() const { return chart_; }
    // Record indexes of the marked loads, in marking order.
    const std::vector<int>& Compared() const { return compared_; }
    // Names of the compared own loads, in marking order.
    const std::vector<std::string>& ComparedOwn() const { return comparedOwn_; }

private:
    void Refresh();
    int SelectedRecord() const;
    // The grid marks the compared loads' rows.
    void MarkComparedRows();
    // "A, B and C": the load numbers of the compared loads; empty when none.
    QString ComparedNames() const;
    void GridContextMenu(const QPoint& at);

    TfrmMain& window_;
    const Catalog& catalog_;
    const AppSettings& settings_;
    const ShownLoads& shown_;
    CatalogGridView& grid_;
    const BallisticsPanel& panel_;
    TrajectoryChart* chart_ = nullptr;
    bool chartShown_ = false;
    std::vector<int> compared_;
    MyLoads myLoads_;
    const MyLoadsStore* ownLoads_ = nullptr;
    std::vector<std::string> comparedOwn_;           // own loads' names (UTF-8)
    CatalogTab comparedSection_ = CatalogTab::Rifle; // the section of the compared loads
    QAction* compareAction_ = nullptr;
    QToolButton* chartButton_ = nullptr;
    QAction* chartItem_ = nullptr;
    std::vector<QAction*> otherActions_;
};

} // namespace corvane
