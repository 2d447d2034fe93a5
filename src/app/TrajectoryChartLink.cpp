#include "app/TrajectoryChartLink.h"

#include "app/BallisticsPanel.h"
#include "app/CatalogGridModel.h"
#include "app/CatalogGridView.h"
#include "app/MainFrm.h"
#include "ballistics/GridLayout.h"
#include "common/Cp1252.h"
#include "common/TextUtil.h"
#include "common/UnitConversion.h"
#include "common/ui/QtScreenPlacement.h"
#include "common/ui/QtText.h"
#include "report/ReportText.h"
#include "rifle/OwnLoadInputs.h"
#include "rifle/ui/MyLoadsStore.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

namespace corvane {
namespace {

bool HasBallistics(CatalogTab section) {
    return Traits(section).HasBallistics();
}

const OwnLoad* FindOwnLoad(const MyLoads& document, const std::string& name) {
    const auto found = std::find_if(document.loads.begin(), document.loads.end(),
                                    [&name](const OwnLoad& load) { return load.name == name; });
    return found == document.loads.end() ? nullptr : &*found;
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
    connect(&grid_, &CatalogGridView::contextMenuWanted, this,
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
    chartButton_ = button;
    return button;
}

void TrajectoryChartLink::Attach(QAction* menuItem) {
    if (menuItem != nullptr) {
        connect(menuItem, &QAction::triggered, this, &TrajectoryChartLink::ShowChart);
        chartItem_ = menuItem;
    }
}

void TrajectoryChartLink::GridContextMenu(const QPoint& at) {
    if (QMenu* menu = BuildGridContextMenu(at)) {
        menu->popup(grid_.viewport()->mapToGlobal(at));
    }
}

QMenu* TrajectoryChartLink::BuildGridContextMenu(const QPoint& at) {
    if (!HasBallistics(window_.CurrentSection())) {
        return nullptr;
    }
    // The menu acts on the load under the pointer, which becomes the selection (a right press
    // has usually made it current already).
    const QModelIndex index = grid_.indexAt(at);
    if (index.isValid() && index.row() != grid_.currentIndex().row()) {
        grid_.setCurrentIndex(index);
    }
    const int record = SelectedRecord();
    auto* menu = new QMenu(&grid_);
    menu->setObjectName(QStringLiteral("GridContextMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    compareAction_->setEnabled(record >= 0);
    compareAction_->setCheckable(true);
    compareAction_->setChecked(std::find(compared_.begin(), compared_.end(), record) !=
                               compared_.end());
    menu->addAction(compareAction_);
    QAction* clear = menu->addAction(QStringLiteral("Clear comparison"));
    clear->setEnabled(!compared_.empty());
    connect(clear, &QAction::triggered, this, &TrajectoryChartLink::ClearComparison);
    if (!otherActions_.empty()) {
        menu->addSeparator();
        for (QAction* action : otherActions_) {
            action->setEnabled(record >= 0);
            menu->addAction(action);
        }
    }
    // The shortcut works again on whatever load is selected next.
    connect(menu, &QMenu::aboutToHide, compareAction_,
            [this] { compareAction_->setEnabled(HasBallistics(window_.CurrentSection())); });
    return menu;
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
        connect(chart_, &TrajectoryChart::ownLoadPicked, this,
                &TrajectoryChartLink::CompareOwnLoad);
        SetMyLoads(ownLoads_ != nullptr ? ownLoads_->Document() : myLoads_);
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
    } else if (compared_.size() + comparedOwn_.size() >=
               static_cast<std::size_t>(kMaxComparedLoads)) {
        QMessageBox::information(&window_, QStringLiteral("Compare"),
                                 QStringLiteral("Up to four loads can be compared. Unmark one "
                                                "first, or clear the comparison."));
        return;
    } else {
        compared_.push_back(record);
        comparedSection_ = window_.CurrentSection();
    }
    MarkComparedRows();
    ShowChart();
}

void TrajectoryChartLink::SetMyLoads(const MyLoads& document) {
    myLoads_ = document;
    std::erase_if(comparedOwn_, [this](const std::string& name) {
        return FindOwnLoad(myLoads_, name) == nullptr;
    });
    if (chart_ != nullptr) {
        QStringList names;
        for (const OwnLoad& load : myLoads_.loads) {
            names << QString::fromStdString(load.name);
        }
        chart_->SetOwnLoadNames(names);
    }
    Refresh();
}

void TrajectoryChartLink::UseOwnLoads(const MyLoadsStore& store) {
    ownLoads_ = &store;
    connect(&store, &MyLoadsStore::Changed, this, [this] {
        if (chart_ != nullptr) {
            SetMyLoads(ownLoads_->Document());
        }
    });
}

void TrajectoryChartLink::CompareOwnLoad(const QString& name) {
    const std::string wanted = name.toStdString();
    if (FindOwnLoad(myLoads_, wanted) == nullptr ||
        std::find(comparedOwn_.begin(), comparedOwn_.end(), wanted) != comparedOwn_.end()) {
        return;
    }
    // The selection shown so far stays in the chart beside the own load.
    if (compared_.empty() && comparedOwn_.empty() && SelectedRecord() >= 0) {
        compared_.push_back(SelectedRecord());
        comparedSection_ = window_.CurrentSection();
        MarkComparedRows();
    }
    if (compared_.size() + comparedOwn_.size() >= static_cast<std::size_t>(kMaxComparedLoads)) {
        QMessageBox::information(&window_, QStringLiteral("Compare"),
                                 QStringLiteral("Up to four loads can be compared. Unmark one "
                                                "first, or clear the comparison."));
        return;
    }
    comparedOwn_.push_back(wanted);
    ShowChart();
}

void TrajectoryChartLink::ClearComparison() {
    compared_.clear();
    comparedOwn_.clear();
    MarkComparedRows();
    Refresh();
}

void TrajectoryChartLink::SectionChanged() {
    // The chart, its menu item and Compare only serve the sections with ballistics.
    const bool ballistics = HasBallistics(window_.CurrentSection());
    if (chartButton_ != nullptr) {
        chartButton_->setEnabled(ballistics);
    }
    if (chartItem_ != nullptr) {
        chartItem_->setEnabled(ballistics);
    }
    compareAction_->setEnabled(ballistics);
    const QString dropped = ComparedNames();
    compared_.clear();
    if (chart_ == nullptr || !chartShown_) {
        return;
    }
    if (dropped.isEmpty() && comparedOwn_.empty()) {
        chart_->close();
        chartShown_ = false;
        return;
    }
    if (dropped.isEmpty()) {
        return; // the own loads stay, and the refill that follows shows them
    }
    // The chart stays open to say why it empties; the refill that follows empties it.
    chart_->ShowNote(QStringLiteral("The comparison of %1 was cleared because another catalog "
                                    "section was shown. Mark loads of this section to compare "
                                    "them.")
                         .arg(dropped));
}

QString TrajectoryChartLink::ComparedNames() const {
    if (compared_.empty()) {
        return {};
    }
    const std::vector<LoadRecord>& records = catalog_.Records(comparedSection_);
    std::string names;
    for (int record : compared_) {
        if (record >= 0 && static_cast<std::size_t>(record) < records.size()) {
            names += Trim(records[static_cast<std::size_t>(record)].LoadNumber) + ",";
        }
    }
    return ToQString(JoinWithAnd(names));
}

void TrajectoryChartLink::MarkComparedRows() {
    std::vector<int> order(shown_.Count(), -1);
    for (std::size_t row = 0; row < shown_.Count(); ++row) {
        const auto marked = std::find(compared_.begin(), compared_.end(), shown_[row].recordIndex);
        if (marked != compared_.end()) {
            order[row] = static_cast<int>(marked - compared_.begin());
        }
    }
    grid_.GridModel()->SetComparedOrder(std::move(order));
}

void TrajectoryChartLink::GridRefilled() {
    MarkComparedRows();
    Refresh();
}

void TrajectoryChartLink::Refresh() {
    if (!chartShown_ || chart_ == nullptr) {
        return;
    }
    const CatalogTab section = window_.CurrentSection();
    ChartRequest request;
    request.Panel = panel_.Texts();
    request.English = settings_.EnglSys;
    if (HasBallistics(section)) {
        const CatalogTab tab = section;
        request.Section = tab;
        request.SightHeight = SectionSightHeight(settings_, tab);
        std::vector<int> records = compared_;
        if (records.empty() && SelectedRecord() >= 0) {
            records.push_back(SelectedRecord());
        }
        const std::vector<LoadRecord>& all = catalog_.Records(tab);
        for (int record : records) {
            if (record >= 0 && static_cast<std::size_t>(record) < all.size()) {
                request.Loads.push_back(
                    CatalogComparedLoad(tab, all[static_cast<std::size_t>(record)], request.Panel,
                                        request.English, request.SightHeight));
                request.Bullets.push_back(PrecisionBulletOf(request.Loads.back().Inputs));
            }
        }
        for (const std::string& name : comparedOwn_) {
            if (const OwnLoad* load = FindOwnLoad(myLoads_, name)) {
                request.Loads.push_back(
                    {name, EngineInputsForOwnLoad(request.Panel, *load, request.English,
                                                  request.SightHeight)});
                request.Bullets.push_back(PrecisionBulletOf(*load));
            }
        }
    }
    // The card's defaults: a 6 in (15 cm) vital zone and 1000 ft-lbf.
    request.VitalZoneInches = request.English ? 6.0 : 15.0 / kCentimetersPerInch;
    chart_->ClearComparisonButton()->setEnabled(!compared_.empty() || !comparedOwn_.empty());
    chart_->ShowRequest(request);
}

} // namespace corvane
