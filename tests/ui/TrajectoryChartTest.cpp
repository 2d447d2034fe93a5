// The trajectory chart beside the catalog: follows the selection, the units and the comparison,
// and closes on a section change. Quick find's matching.
#include "app/TrajectoryChart.h"
#include "MainWindowFixture.h"
#include "app/CatalogGridModel.h"
#include "app/GridPainting.h"
#include "app/MainFrm.h"
#include "app/QuickFind.h"
#include "app/TrajectoryChartLink.h"
#include "catalog/CatalogTestSupport.h"
#include "common/TextUtil.h"
#include "common/ui/QtText.h"

#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QValueAxis>

#include <gtest/gtest.h>

namespace corvane {
namespace {

class TrajectoryChartTest : public test::MainWindowFixture {
protected:
    static QString LoadNumberOfRow(const TfrmMain& window, int index) {
        const GridData& grid = window.Grid()->Data();
        const int column = grid.Headings.Index.LoadNumber;
        return ToQString(Trim(
            grid.Cells[static_cast<std::size_t>(index + 1)][static_cast<std::size_t>(column)]));
    }

    // The load lines, in order (markers, line of sight and zero line left out).
    static QList<QLineSeries*> LoadLines(const TrajectoryChart& chart) {
        QList<QLineSeries*> lines;
        for (QAbstractSeries* s : chart.Chart()->series()) {
            auto* line = qobject_cast<QLineSeries*>(s);
            if (line != nullptr && s->type() == QAbstractSeries::SeriesTypeLine &&
                !line->name().startsWith(QStringLiteral("Zero")) &&
                line->name() != QStringLiteral("Line of sight")) {
                lines << line;
            }
        }
        return lines;
    }
};

TEST_F(TrajectoryChartTest, FollowsSelectionAndUnitsAndClosesOnSectionChange) {
    auto window = OpenSection(CatalogTab::Rifle);
    ASSERT_GE(window->Shown().Count(), 2U);
    window->SelectGridRow(0);
    TrajectoryChartLink* link = window->ChartLink();
    link->ShowChart();
    TrajectoryChart* chart = link->Window();
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->isVisible());

    auto lines = LoadLines(*chart);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0]->name(), LoadNumberOfRow(*window, 0));
    ASSERT_GT(lines[0]->count(), 20); // sampled between the range points
    EXPECT_DOUBLE_EQ(lines[0]->at(0).y(), -window->Settings().SightHeightOf(BallisticsSlot::Rifle));

    window->SelectGridRow(1);
    lines = LoadLines(*chart);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0]->name(), LoadNumberOfRow(*window, 1));

    chart->SetSeries(TrajectoryChart::Series::Velocity);
    const double englishMuzzle = LoadLines(*chart)[0]->at(0).y();
    window->SetUnitSystem(false);
    lines = LoadLines(*chart);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_NEAR(lines[0]->at(0).y(), englishMuzzle * 0.3048, 1e-9);
    auto* xAxis = qobject_cast<QValueAxis*>(chart->Chart()->axes(Qt::Horizontal).value(0));
    ASSERT_NE(xAxis, nullptr);
    EXPECT_TRUE(xAxis->titleText().contains(QStringLiteral("meters")));

    // The precision model flies its own curve and says so in the title and the caption.
    const double catalogLast = lines[0]->at(lines[0]->count() - 1).y();
    EXPECT_FALSE(chart->Chart()->title().contains(QStringLiteral("Model")));
    QTest::keyClick(chart->ModelChoice(), Qt::Key_Down);
    lines = LoadLines(*chart);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_NE(lines[0]->at(lines[0]->count() - 1).y(), catalogLast);
    EXPECT_TRUE(chart->Chart()->title().endsWith(QStringLiteral("Model: Precision")));
    EXPECT_TRUE(chart->Caption().endsWith(QStringLiteral("Model:\u00A0Precision")));

    window->SectionTabs()->setCurrentIndex(1);
    EXPECT_FALSE(link->ChartShown());
    EXPECT_FALSE(chart->isVisible());
}

TEST_F(TrajectoryChartTest, ComparesUpToFourLoadsAndSavesChartAndTable) {
    auto window = OpenSection(CatalogTab::Rifle);
    ASSERT_GE(window->Shown().Count(), 5U);
    TrajectoryChartLink* link = window->ChartLink();
    for (int i = 0; i < 3; ++i) {
        window->SelectGridRow(i);
        link->ToggleCompare();
    }
    ASSERT_TRUE(link->ChartShown());
    TrajectoryChart* chart = link->Window();
    auto lines = LoadLines(*chart);
    ASSERT_EQ(lines.size(), 3);
    CatalogGridView* grid = window->Grid();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(lines[i]->name(), LoadNumberOfRow(*window, i));
        // The grid marks the row in the load's chart colour.
        EXPECT_EQ(grid->model()->index(i, 1).data(CatalogGridModel::kComparedRole), QVariant(i));
        const QRect first = grid->visualRect(grid->model()->index(i, 0));
        EXPECT_EQ(
            grid->viewport()->grab().toImage().pixelColor(first.left() + 1, first.center().y()),
            ComparedLoadColor(i));
    }
    EXPECT_FALSE(grid->model()->index(3, 1).data(CatalogGridModel::kComparedRole).isValid());
    const QString firstLoad = LoadNumberOfRow(*window, 0);
    // The selection no longer drives the chart while loads are compared.
    window->SelectGridRow(4);
    EXPECT_EQ(LoadLines(*chart).size(), 3);
    EXPECT_EQ(chart->ValuesTable()->rowCount(), 1 + 4 * (1 + 3));

    window->SelectGridRow(1); // unmark the second
    link->ToggleCompare();
    EXPECT_EQ(LoadLines(*chart).size(), 2);

    // The saved picture has the conditions below the chart.
    QTemporaryDir dir;
    ASSERT_TRUE(chart->SaveChartPng(dir.filePath(QStringLiteral("c.png"))));
    EXPECT_GT(QImage(dir.filePath(QStringLiteral("c.png"))).height(),
              chart->findChild<QChartView*>()->grab().height());
    // The texts are the core's (tests/ballistics); the file starts with the conditions.
    ASSERT_TRUE(chart->SaveComparisonCsv(dir.filePath(QStringLiteral("c.csv"))).Ok);
    QFile csv(dir.filePath(QStringLiteral("c.csv")));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readAll().startsWith("# Altitude: 0 Feet\r\n"));

    // Another section drops the comparison and the chart says so.
    window->SectionTabs()->setCurrentIndex(2);
    EXPECT_TRUE(link->Compared().empty());
    EXPECT_TRUE(chart->isVisible());
    EXPECT_TRUE(chart->Note()->isVisible());
    EXPECT_TRUE(chart->Note()->text().contains(firstLoad));
    EXPECT_TRUE(LoadLines(*chart).isEmpty());
    // Sections without ballistics offer no chart and no comparison.
    window->SectionTabs()->setCurrentIndex(4);
    EXPECT_FALSE(
        window->findChild<QToolButton*>(QStringLiteral("sbnTrajectoryChart"))->isEnabled());
    EXPECT_FALSE(grid->actions().value(0)->isEnabled());
}

// An own load joins the selection from the chart's menu, follows its edits, leaves when deleted,
// and, being of no section, stays through a section change.
TEST_F(TrajectoryChartTest, OwnLoadsJoinTheComparison) {
    auto window = OpenSection(CatalogTab::Rifle);
    window->SelectGridRow(0);
    TrajectoryChartLink* link = window->ChartLink();
    link->ShowChart();
    TrajectoryChart* chart = link->Window();
    EXPECT_FALSE(chart->AddOwnLoadButton()->isEnabled());
    MyLoads document;
    OwnLoad mine;
    mine.name = "Mine & yours \u0425"; // beyond Windows-1252
    mine.muzzleVelocity = 2600;
    document.loads = {mine};
    link->SetMyLoads(document);
    ASSERT_TRUE(chart->AddOwnLoadButton()->isEnabled());
    chart->AddOwnLoadButton()->menu()->actions().value(0)->trigger();

    auto lines = LoadLines(*chart);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0]->name(), LoadNumberOfRow(*window, 0));
    EXPECT_EQ(lines[1]->name(), QStringLiteral("Mine & yours \u0425"));
    EXPECT_TRUE(
        chart->Marks()->text().contains(QStringLiteral("Mine & yours \u0425: point-blank to")));
    EXPECT_EQ(chart->ValuesTable()->item(3, 0)->text(), QStringLiteral("Mine & yours \u0425"));
    const double slow = lines[1]->at(lines[1]->count() - 1).y();
    document.loads[0].muzzleVelocity = 3200;
    link->SetMyLoads(document);
    lines = LoadLines(*chart);
    EXPECT_GT(lines[1]->at(lines[1]->count() - 1).y(), slow); // faster drops less

    window->SectionTabs()->setCurrentIndex(1);
    EXPECT_TRUE(chart->isVisible());
    lines = LoadLines(*chart);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.back()->name(), QStringLiteral("Mine & yours \u0425"));
    link->SetMyLoads({});
    EXPECT_EQ(LoadLines(*chart).size(), lines.size() - 1);
}

// Right-clicking a row, also after scrolling, selects that row; the menu's check mark is its own.
TEST_F(TrajectoryChartTest, ContextMenuActsOnTheRowUnderThePointer) {
    auto window = OpenSection(CatalogTab::Rifle);
    window->resize(800, 600);
    CatalogGridView* grid = window->Grid();
    grid->verticalScrollBar()->setValue(5);
    auto rightClick = [grid](int row) {
        const QPoint at = grid->visualRect(grid->model()->index(row, 2)).center();
        QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, at);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid->viewport(), &event);
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    };
    for (int row : {7, 9}) {
        QMenu* menu = rightClick(row);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(grid->SelectedRow(), row + 1);
        QAction* compare = menu->actions().value(0);
        EXPECT_FALSE(compare->isChecked());
        menu->close();
        compare->trigger();
    }
    QMenu* menu = rightClick(7);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->actions().value(0)->isChecked());
    menu->close();
    EXPECT_EQ(window->ChartLink()->Compared(),
              (std::vector<int>{window->Shown()[7].recordIndex, window->Shown()[9].recordIndex}));
}

// A chart moved to other loads and conditions in place looks as one drawn for them afresh: no
// name, mark, line or table cell is left from before.
TEST(TrajectoryChart, UpdatedInPlaceLooksAsDrawnAfresh) {
    auto request = [](const PanelTexts& panel, bool english, int firstLoad) {
        ChartRequest r;
        r.Panel = panel;
        r.English = english;
        r.SightHeight = 1.5;
        for (int n = firstLoad; n < firstLoad + 2; ++n) {
            LoadRecord load;
            load.LoadNumber = "R" + std::to_string(n);
            load.BulletWeight = 150 + 10 * n;
            load.BallisticCoefficient = 0.3 + 0.05 * n;
            load.MuzzleVelocity = 2900 - 50 * n;
            r.Loads.push_back(CatalogComparedLoad(CatalogTab::Rifle, load, panel, english, 1.5));
        }
        return r;
    };
    // The second has no marks on the chart, where the first had: its point-blank range lies
    // beyond its end and its energy stays above the threshold.
    ChartRequest before = request({"0", "59", "10", "100", "1000", "200"}, true, 0);
    before.VitalZoneInches = 4;
    for (const auto series :
         {TrajectoryChart::Series::Trajectory, TrajectoryChart::Series::Energy}) {
        const bool trajectory = series == TrajectoryChart::Series::Trajectory;
        ChartRequest after = request(
            {"5000", "20", "5", trajectory ? "25" : "100", trajectory ? "300" : "1000", "100"},
            false, 2);
        after.VitalZoneInches = 16;
        after.EnergyThreshold = 10;
        TrajectoryChart moved(nullptr);
        TrajectoryChart fresh(nullptr);
        for (TrajectoryChart* chart : {&moved, &fresh}) {
            chart->resize(720, 760);
            chart->SetSeries(series);
            chart->show();
        }
        moved.ShowRequest(before);
        QApplication::processEvents();
        moved.ShowRequest(after);
        fresh.ShowRequest(after);
        QApplication::processEvents(); // the chart lays its items out late
        EXPECT_TRUE(moved.grab().toImage() == fresh.grab().toImage());
    }
}

// Typing in quick find offers the loads the core finds, with their caliber names.
TEST(QuickFind, TypingOffersLoadsByNumberAndCaliber) {
    test::RecordingPrompts prompts;
    Catalog catalog(CORVANE_BUILT_BIN_DIR, prompts);
    const std::vector<QuickFindEntry> entries = QuickFindEntries(catalog);
    QuickFindDialog dialog(entries, nullptr);
    dialog.show();
    QTest::keyClicks(dialog.Entry(), QStringLiteral("308"));
    ASSERT_GT(dialog.Offers()->rowCount(), 5);
    for (int row = 0; row < dialog.Offers()->rowCount(); ++row) {
        EXPECT_TRUE(dialog.Offers()->item(row)->text().contains(QStringLiteral(".308 Winchester")));
    }
    EXPECT_TRUE(prompts.errors.empty());
}

} // namespace
} // namespace corvane
