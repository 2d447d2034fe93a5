#include "app/TrajectoryChartLink.h"

#include "app/BallisticsPanel.h"
#include "app/CatalogGridView.h"
#include "app/MainFrm.h"
#include "common/ui/QtScreenPlacement.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

namespace corvane {
namespace {

bool HasBallistics(int section) {
    return section >= 0 && section <= 3;
}

} // namespace

TrajectoryChartLink::TrajectoryChartLink(TfrmMain& window, const Catalog& catalog,
                                         const AppSettings& settings, const ShownLoads& shown,
                                         CatalogGridView& grid, const BallisticsPanel& panel)
    : QObject(&window), window_(window), catalog_(catalog), settings_(settings), shown_(shown),
      grid_(grid), panel_(panel) {
    compareAction_ = new QAction(QStringLiteral("Compare"), &grid_);
    compareAction_->setObjectName(QStringLiteral("Compare1"));
    compareAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    compareAction_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    grid_.addAction(compareAction_);
    connect(compareAction_, &QAction::triggered, this, &TrajectoryChartLink::ToggleCompare);
    grid_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&grid_, &QWidget::customContextMenuRequested, this,
            &TrajectoryChartLink::GridContextMenu);
    connect(&grid_, &CatalogGridView::loadClicked, this, &TrajectoryChartLink::Refresh);
}

QToolButton* TrajectoryChartLink::NewToolButton(QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QStringLiteral("sbnTrajectoryChart"));
    button->setText(QStringLiteral("Chart"));
    button->setToolTip(QStringLiteral("Trajectory chart"));
    button->setAutoRaise(true);
    connect(button, &QToolButton::clicked, this, &TrajectoryChartLink::ShowChart);
    return button;
}

void TrajectoryChartLink::Attach(QAction* menuItem) {
    if (menuItem != nullptr) {
        connect(menuItem, &QAction::triggered, this, &TrajectoryChartLink::ShowChart);
    }
}

void TrajectoryChartLink::GridContextMenu(const QPoint& at) {
    if (!HasBallistics(window_.CurrentSection())) {
        return;
    }
    const QModelIndex index = grid_.indexAt(at);
    if (index.isValid() && index.row() >= 1 && index.row() != grid_.SelectedRow()) {
        window_.SelectGridRow(index.row() - 1);
    }
    const int record = SelectedRecord();
    QMenu menu(&grid_);
    compareAction_->setEnabled(record >= 0);
    compareAction_->setCheckable(true);
    compareAction_->setChecked(std::find(compared_.begin(), compared_.end(), record) !=
                               compared_.end());
    menu.addAction(compareAction_);
    QAction* clear = menu.addAction(QStringLiteral("Clear comparison"));
    clear->setEnabled(!compared_.empty());
    connect(clear, &QAction::triggered, this, &TrajectoryChartLink::ClearComparison);
    menu.exec(grid_.viewport()->mapToGlobal(at));
}

int TrajectoryChartLink::SelectedRecord() const {
    const int row = grid_.SelectedRow();
    if (row < 1 || static_cast<std::size_t>(row - 1) >= shown_.Count()) {
        return -1;
    }
    return shown_[static_cast<std::size_t>(row - 1)].recordIndex;
}

void TrajectoryChartLink::ShowChart() {
    if (!window_.CatalogShown() || !HasBallistics(window_.CurrentSection())) {
        QApplication::beep();
        return;
    }
    if (chart_ == nullptr) {
        chart_ = new TrajectoryChart(&window_);
        connect(chart_, &TrajectoryChart::closed, this, [this] { chartShown_ = false; });
        connect(chart_, &TrajectoryChart::clearComparisonClicked, this,
                &TrajectoryChartLink::ClearComparison);
    }
    if (!chart_->isVisible()) {
        PlaceWindow(*chart_, &window_, Placement::BesideOwner);
    }
    chartShown_ = true;
    Refresh();
    chart_->show();
    chart_->raise();
}

void TrajectoryChartLink::ToggleCompare() {
    const int record = SelectedRecord();
    if (record < 0 || !HasBallistics(window_.CurrentSection())) {
        return;
    }
    const auto marked = std::find(compared_.begin(), compared_.end(), record);
    if (marked != compared_.end()) {
        compared_.erase(marked);
    } else if (compared_.size() >= static_cast<std::size_t>(kMaxComparedLoads)) {
        QMessageBox::information(&window_, QStringLiteral("Compare"),
                                 QStringLiteral("Up to four loads can be compared. Unmark one "
                                                "first, or clear the comparison."));
        return;
    } else {
        compared_.push_back(record);
    }
    ShowChart();
}

void TrajectoryChartLink::ClearComparison() {
    compared_.clear();
    Refresh();
}

void TrajectoryChartLink::SectionChanged() {
    compared_.clear();
    if (chart_ != nullptr && chartShown_) {
        chart_->close();
    }
    chartShown_ = false;
}

void TrajectoryChartLink::GridRefilled() {
    Refresh();
}

void TrajectoryChartLink::Refresh() {
    if (!chartShown_ || chart_ == nullptr) {
        return;
    }
    const int section = window_.CurrentSection();
    if (!HasBallistics(section)) {
        return;
    }
    const auto tab = static_cast<CatalogTab>(section);
    ChartRequest request;
    request.Section = tab;
    request.Panel = panel_.Texts();
    request.English = settings_.EnglSys;
    request.SightHeight = settings_.SightHeightOf(section);
    std::vector<int> records = compared_;
    if (records.empty() && SelectedRecord() >= 0) {
        records.push_back(SelectedRecord());
    }
    const std::vector<LoadRecord>& all = catalog_.Records(tab);
    for (int record : records) {
        if (record >= 0 && static_cast<std::size_t>(record) < all.size()) {
            request.Loads.push_back(all[static_cast<std::size_t>(record)]);
        }
    }
    chart_->ClearComparisonButton()->setEnabled(!compared_.empty());
    chart_->ShowRequest(request);
}

} // namespace corvane
