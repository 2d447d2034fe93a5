// The main window driven offscreen on the sample catalog beside the built program.
#include "MainWindowFixture.h"
#include "app/BallisticsPanel.h"
#include "app/CatalogGridModel.h"
#include "app/ControlStrip.h"
#include "app/DetailArea.h"
#include "app/FilterCombo.h"
#include "app/MainFrm.h"
#include "app/SplashPage.h"
#include "app/SteppedSpinBox.h"
#include "app/TrajectoryChart.h"
#include "app/TrajectoryChartLink.h"
#include "expert/ui/Ammoexpt.h"
#include "support/PaintTestSupport.h"
#include "windows/Disclaim.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace corvane {
namespace {

class MainWindowTest : public test::MainWindowFixture {
protected:
    void ClickArea(TfrmMain& window, int area) {
        SplashPage* splash = window.Splash();
        QTest::mouseClick(splash, Qt::LeftButton, {}, splash->AreaRect(area).center());
    }

    static QString HeadingOf(const TfrmMain& window, int column) {
        return window.Grid()->model()->headerData(column, Qt::Horizontal).toString();
    }
};

TEST_F(MainWindowTest, EachSplashAreaOpensItsSectionWithNothingSelected) {
    for (int area = 0; area < SplashPage::kAreaCount; ++area) {
        auto window = OpenMainWindow();
        ClickArea(*window, area);
        const int section = area == SplashPage::kExpertArea ? 5 : area;
        ASSERT_TRUE(window->CatalogShown()) << area;
        EXPECT_EQ(TabIndex(window->CurrentSection()), section);
        EXPECT_TRUE(window->EventsEnabled());
        EXPECT_GT(window->Grid()->model()->rowCount(), 0) << section;
        EXPECT_EQ(window->Grid()->SelectedRow(), 0);
        EXPECT_EQ(window->Strip()->currentIndex(), section <= 3 ? 0 : section - 3);
        // The Zora Raduzu area opens the wizard over the components section.
        EXPECT_EQ(window->ExpertWindow() != nullptr && window->ExpertWindow()->isVisible(),
                  area == SplashPage::kExpertArea);
    }
    EXPECT_TRUE(prompts.errors.empty());
}

TEST_F(MainWindowTest, SplashIsFixedAndTheCatalogOpensWithoutHidingTheWindow) {
    auto window = OpenMainWindow();
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    // Never hidden on the way: shown again, it would open a title bar lower than it stood.
    struct HideCounter : QObject {
        int hides = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            hides += event->type() == QEvent::Hide ? 1 : 0;
            return false;
        }
    } counter;
    window->installEventFilter(&counter);
    ClickArea(*window, 0);
    EXPECT_EQ(counter.hides, 0);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_NE(window->minimumSize(), window->maximumSize());

    auto declined = OpenMainWindow(CORVANE_BUILT_BIN_DIR, true);
    ClickArea(*declined, 0);
    EXPECT_TRUE(declined->Declined());
    EXPECT_FALSE(declined->isVisible());
}

TEST_F(MainWindowTest, SplashAreasScaleWithTheWindowAndHighlightOnHover) {
    auto window = OpenMainWindow();
    SplashPage* splash = window->Splash();
    auto move = [splash](QPoint pos) {
        QMouseEvent event(QEvent::MouseMove, pos, splash->mapToGlobal(pos), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(splash, &event);
    };
    move(splash->AreaRect(4).center());
    EXPECT_EQ(splash->HighlightedArea(), 4);
    move(QPoint(2, 2));
    EXPECT_EQ(splash->HighlightedArea(), -1);

    const QRect before = splash->AreaRect(0);
    const int penBefore = splash->FramePenWidth(SplashPage::kExpertArea);
    splash->resize(splash->width() * 2, splash->height() * 2);
    EXPECT_NEAR(splash->AreaRect(0).left(), before.left() * 2, 2);
    EXPECT_NEAR(splash->AreaRect(0).height(), before.height() * 2, 2);
    EXPECT_NEAR(splash->FramePenWidth(SplashPage::kExpertArea), penBefore * 2, 2);
}

// The lists' texts are the core's (SectionFilters); here the widgets must apply them: the
// prompt goes when the list drops down, and a pick refills the grid and narrows the others.
TEST_F(MainWindowTest, DropDownReplacesThePromptAndAPickNarrowsGridAndLists) {
    auto window = OpenSection(CatalogTab::Rifle);
    FilterCombo* brand = window->Strip()->BrandList();
    FilterCombo* caliber = window->Strip()->CaliberList();
    brand->showPopup();
    EXPECT_EQ(brand->itemText(0), QStringLiteral("** Show all brands **"));
    brand->hidePopup();

    const int rows = window->Grid()->model()->rowCount();
    const int brandsBefore = brand->count();
    // Item 2 is the first caliber after the prompt and "show all".
    const QString picked = caliber->itemText(2);
    caliber->setCurrentIndex(2);
    emit caliber->activated(2);
    EXPECT_LT(window->Grid()->model()->rowCount(), rows);
    EXPECT_LT(brand->count(), brandsBefore);
    EXPECT_EQ(caliber->currentText(), picked);
    EXPECT_EQ(window->Grid()->SelectedRow(), 1);
    const int column = window->Grid()->Data().Headings.Index.Caliber;
    ASSERT_GE(column, 0);
    for (int r = 0; r < window->Grid()->model()->rowCount(); ++r) {
        EXPECT_EQ(window->Grid()->model()->index(r, column).data().toString().trimmed(),
                  picked.trimmed());
    }
    EXPECT_TRUE(window->Detail()->Title().startsWith(QStringLiteral("Load: ")));
    EXPECT_EQ(window->Strip()->ComponentList()->toolTip(), QStringLiteral("Pick a Component"));
}

// Only the user's edits and steps light Refresh, not a section's panel being rebuilt. Refresh
// keeps the selected load and the scroll position; the step values are the core's
// (PanelStepping), here applied by a key, kept with the section and reset by the defaults.
TEST_F(MainWindowTest, RefreshLightsOnEditsAndStepsAndKeepsSelectionAndScroll) {
    auto window = OpenMainWindow();
    window->resize(800, 600);
    window->OpenCatalogSection(CatalogTab::Pistol);
    window->SectionTabs()->setCurrentIndex(0);
    QPushButton* refresh = window->Strip()->RefreshButton();
    EXPECT_FALSE(refresh->isEnabled());
    ASSERT_GT(window->Grid()->model()->rowCount(), 20);
    window->SelectGridRow(15);
    const GridPosition before = window->Grid()->Position();
    ASSERT_EQ(before.Row, 16);
    BallisticsPanel* panel = window->Strip()->Ballistics();
    panel->AltitudeEntry()->setText(QStringLiteral("5000"));
    EXPECT_TRUE(refresh->isEnabled());
    refresh->click();
    EXPECT_FALSE(refresh->isEnabled());
    const GridPosition after = window->Grid()->Position();
    EXPECT_EQ(after.Row, before.Row);
    EXPECT_EQ(after.TopRow, before.TopRow);
    EXPECT_EQ(after.LeftColumn, before.LeftColumn);

    QTest::keyClick(panel->IncrementEntry(), Qt::Key_Up);
    EXPECT_EQ(panel->IncrementEntry()->Text(), QStringLiteral("200"));
    EXPECT_EQ(panel->RangeEntry()->Text(), QStringLiteral("600"));
    EXPECT_TRUE(refresh->isEnabled());
    refresh->click();
    window->SectionTabs()->setCurrentIndex(1);
    window->SectionTabs()->setCurrentIndex(0);
    EXPECT_EQ(panel->IncrementEntry()->Text(), QStringLiteral("200"));
    window->Strip()->DefaultsButton()->click();
    EXPECT_EQ(panel->IncrementEntry()->Text(), QStringLiteral("100"));
}

// Conditions outside the ballistics settings' ranges are refused when the entry is left, with
// that dialog's messages, and the entry gets back its last valid value.
TEST_F(MainWindowTest, ImpossibleConditionsAreRefusedOnLeavingTheEntry) {
    auto window = OpenSection(CatalogTab::Rifle);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    BallisticsPanel* panel = window->Strip()->Ballistics();
    auto enter = [](QLineEdit* edit, const char* text) {
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, QString::fromLatin1(text));
        QTest::keyClick(edit, Qt::Key_Tab);
        return edit->text();
    };
    EXPECT_EQ(enter(panel->AltitudeEntry(), "1200"), QStringLiteral("1200"));
    EXPECT_EQ(enter(panel->AltitudeEntry(), "99999"), QStringLiteral("1200"));
    EXPECT_EQ(enter(panel->TemperatureEntry(), "-99"), QStringLiteral("59"));
    window->SetUnitSystem(false);
    EXPECT_EQ(enter(panel->AltitudeEntry(), "5000"), QStringLiteral("0"));
    EXPECT_EQ(prompts.errors,
              (std::vector<std::string>{"Altitude must be from 0 to 15000 Feet.",
                                        "Temperature must be from 0\xBA to 120\xBA  Fahrenheit.",
                                        "Altitude must be from 0 to 4572 Meters."}));
}

// The keyboard starts at the filter lists; Ctrl+Tab, Ctrl+PgDn and their reverses step through
// the sections, going round at either end, wherever the focus is.
TEST_F(MainWindowTest, KeyboardStartsAtTheFiltersAndStepsThroughSections) {
    auto window = OpenSection(CatalogTab::Rifle);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(QApplication::focusWidget(), window->Strip()->BrandList());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->Strip()->UsageList());
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int section;
    } steps[] = {{Qt::Key_Tab, ctrl, 1},      {Qt::Key_PageUp, ctrl, 0},
                 {Qt::Key_PageUp, ctrl, 5},   {Qt::Key_Backtab, ctrl | Qt::ShiftModifier, 4},
                 {Qt::Key_PageDown, ctrl, 5}, {Qt::Key_Tab, ctrl, 0}};
    for (const auto& step : steps) {
        window->Grid()->setFocus();
        QTest::keyClick(window->Grid(), step.key, step.modifiers);
        EXPECT_EQ(TabIndex(window->CurrentSection()), step.section) << step.key;
    }
}

TEST_F(MainWindowTest, SavedPlacementIsAppliedAndStoredAtTheEndTooSmallOneCentred) {
    store.Put("PriorStateLeft", StoredValue::OfInteger(40));
    store.Put("PriorStateTop", StoredValue::OfInteger(30));
    store.Put("PriorStateWidth", StoredValue::OfInteger(700));
    store.Put("PriorStateHeight", StoredValue::OfInteger(500));
    auto window = OpenSection(CatalogTab::Rimfire);
    EXPECT_EQ(window->size(), QSize(700, 500));
    window->resize(720, 510);
    window->close();
    EXPECT_EQ(store.Get("PriorStateWidth").integer, 720);
    EXPECT_EQ(store.Get("PriorStateHeight").integer, 510);

    // Remembered on a larger screen: brought onto this one.
    store.Put("PriorStateWidth", StoredValue::OfInteger(3000));
    store.Put("PriorStateHeight", StoredValue::OfInteger(2000));
    window = OpenSection(CatalogTab::Rimfire);
    EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()))
        << window->frameGeometry().width() << " x " << window->frameGeometry().height();

    store.Put("PriorStateWidth", StoredValue::OfInteger(399));
    window = OpenSection(CatalogTab::Rifle);
    const QSize screen = window->screen()->geometry().size();
    EXPECT_EQ(window->Settings().PriorStateWidth, 800);
    EXPECT_EQ(window->Settings().PriorStateLeft, (screen.width() - 800) / 2);
    EXPECT_NE(window->width(), 399);
    // At that size every section tab shows whole, without scroll arrows.
    QTabBar* tabs = window->SectionTabs();
    EXPECT_GE(tabs->width(), tabs->sizeHint().width());
    EXPECT_LE(tabs->tabRect(5).right(), tabs->width());
}

TEST_F(MainWindowTest, WholeBallisticsPanelShowsBesideTheFiltersWithItsButtons) {
    auto window = OpenSection(CatalogTab::Rifle);
    ControlStrip* strip = window->Strip();
    auto* scroll = strip->findChild<QScrollArea*>(QStringLiteral("ScrollBoxGridControls"));
    ASSERT_NE(scroll, nullptr);
    const auto rectIn = [&window](const QWidget* w) {
        return QRect(w->mapTo(window.get(), QPoint()), w->size());
    };
    const QSize maximised = window->screen()->availableGeometry().size();
    for (const QSize size : {QSize(635, 450), QSize(800, 600), maximised, QSize(1280, 1024)}) {
        SCOPED_TRACE(size.width());
        window->resize(size);
        QCoreApplication::processEvents();
        const QRect visible = rectIn(scroll->viewport());
        for (const QComboBox* combo :
             std::initializer_list<const QComboBox*>{strip->BrandList(), strip->UsageList(),
                                                     strip->CaliberList(), strip->StyleList()}) {
            EXPECT_FALSE(rectIn(combo).intersects(rectIn(scroll)));
        }
        for (const QWidget* button : {strip->DefaultsButton(), strip->RefreshButton()}) {
            // Beside the panel, not at the far edge of a wide window.
            EXPECT_TRUE(window->rect().contains(rectIn(button)));
            EXPECT_LE(button->x() - scroll->geometry().right(), 8);
        }
        for (const QWidget* child : strip->Ballistics()->findChildren<QWidget*>()) {
            if (size.width() >= 800 && child->isVisibleTo(window.get())) {
                EXPECT_TRUE(visible.contains(rectIn(child))) << child->metaObject()->className();
            }
        }
    }
}

TEST_F(MainWindowTest, SideWindowsStayAboveTheMainWindowAndOpenWhollyOnItsScreen) {
    auto window = OpenSection(CatalogTab::Rifle);
    window->SelectGridRow(0);
    const QRect screen = window->screen()->availableGeometry();
    for (const bool maximised : {false, true}) {
        if (maximised) {
            window->showMaximized();
        }
        window->ChartLink()->ShowChart();
        window->ShowExpertWindow();
        for (QWidget* side : {static_cast<QWidget*>(window->ChartLink()->Window()),
                              static_cast<QWidget*>(window->ExpertWindow())}) {
            SCOPED_TRACE(side->objectName().toStdString());
            // Tool windows of the main window: the window manager keeps them above it.
            EXPECT_EQ(side->windowType(), Qt::Tool);
            EXPECT_EQ(side->parentWidget(), window.get());
            EXPECT_TRUE(screen.contains(side->frameGeometry()));
            side->close();
        }
    }
}

// The grid follows sections, units, columns and a wizard's load while its model stays
// consistent: the tester fails the test at the first fault.
TEST_F(MainWindowTest, GridFollowsSectionsUnitsAndColumnsWithAConsistentModel) {
    auto window = OpenSection(CatalogTab::Rifle);
    CatalogGridView* grid = window->Grid();
    QAbstractItemModelTester tester(grid->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    for (int s : {1, 4, 5, 3, 0}) {
        window->SectionTabs()->setCurrentIndex(s);
    }
    const int weight = grid->Data().Headings.Index.Weight;
    ASSERT_GE(weight, 0);
    EXPECT_TRUE(HeadingOf(*window, weight).contains(QStringLiteral("GRAINS")));
    window->SetUnitSystem(false);
    EXPECT_TRUE(HeadingOf(*window, weight).contains(QStringLiteral("GRAMS")));
    EXPECT_EQ(window->Strip()->Ballistics()->TemperatureEntry()->text(), QStringLiteral("15"));
    EXPECT_EQ(store.Get("EnglSys").text, "0");

    const int columns = grid->model()->columnCount();
    window->ToggleHeading(HeadingItem::Velocity);
    EXPECT_LT(grid->model()->columnCount(), columns);
    EXPECT_EQ(grid->Data().Headings.Index.Velocity, -1);
    EXPECT_EQ(store.Get("VelocitySw").text, "0");
    window->UpdateToolsMenuChecks();
    EXPECT_FALSE(window->Menus().Headings[static_cast<int>(HeadingItem::Velocity)]->isChecked());
    // A store that refuses the writes is told once a run, not at every change.
    store.SetFailWrites(true);
    const std::size_t told = prompts.errors.size();
    window->ToggleHeading(HeadingItem::Energy);
    window->ToggleHeading(HeadingItem::Energy);
    EXPECT_EQ(prompts.errors.size(), told + 1);
    store.SetFailWrites(false);

    const int loadNumber = grid->Data().Headings.Index.LoadNumber;
    window->ShowExpertLoad(
        grid->model()->index(4, loadNumber).data().toString().trimmed().toStdString(), {},
        CatalogTab::Rifle);
    EXPECT_EQ(grid->SelectedRow(), 5);
}

TEST_F(MainWindowTest, MissingCatalogFolderShowsAnEmptySection) {
    QTemporaryDir empty;
    auto window = OpenSection(CatalogTab::Rifle, empty.path().toStdString());
    EXPECT_TRUE(window->CatalogShown());
    EXPECT_EQ(window->Grid()->model()->rowCount(), 0);
    window->SectionTabs()->setCurrentIndex(5);
    EXPECT_EQ(window->Grid()->model()->rowCount(), 0);
}

} // namespace
} // namespace corvane

namespace corvane {
namespace {

// Lit, Refresh shows red text; unlit it shows none, on a light and on a dark palette.
TEST(ControlStripTest, RefreshLitAndUnlitLookDifferent) {
    QWidget host;
    auto* strip = new ControlStrip(&host);
    host.resize(900, ControlStrip::kHeight);
    host.show();
    QPushButton* refresh = strip->RefreshButton();
    auto redPixels = [refresh](bool lit) {
        refresh->setEnabled(lit);
        return test::CountPixels(refresh->grab().toImage(), [](QRgb c) {
            return qRed(c) > qGreen(c) + 90 && qRed(c) > qBlue(c) + 90;
        });
    };
    for (const QColor button : {QColor(239, 239, 239), QColor(53, 53, 53)}) {
        host.setPalette(QPalette(button));
        EXPECT_GT(redPixels(true), 20) << button.name().toStdString();
        EXPECT_EQ(redPixels(false), 0) << button.name().toStdString();
    }
}

TEST(DisclaimFormTest, EscapeDisagreesAndTheTextIsExact) {
    TDisclaimForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Disclaimer"));
    // The window system shows the caption as it is: no display name for it to append.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    // A dialog border: neither minimise nor maximise, and a size the user cannot change.
    EXPECT_FALSE(form.windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_TRUE(form.DisclaimerText().endsWith(
        QStringLiteral("during the production ofthis software, or that errors may have been "
                       "present in the original data.  YOU AGREE to take full responsibility "
                       "for your use of the data contained in this software.")));
    EXPECT_EQ(form.AgreeButton()->text(), QStringLiteral("&Yes, I Agree"));
    EXPECT_EQ(form.DisagreeButton()->text(), QStringLiteral("&No, I Disagree"));
    form.show();
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_TRUE(form.Declined());
    EXPECT_FALSE(form.isVisible());

    TDisclaimForm closed;
    closed.show();
    closed.close();
    EXPECT_FALSE(closed.Declined());
}

} // namespace
} // namespace corvane
