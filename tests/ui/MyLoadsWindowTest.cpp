// The My Loads window with real keys and clicks: a load typed in survives a restart, nothing
// typed is lost when another entry is picked, an entry out of range is refused with its range,
// a broken file is set aside with a message while the window opens empty, and a shared file
// imports beside the user's own.
#include "rifle/ui/MyLoadsWindow.h"
#include "rifle/ui/MyLoadsStore.h"
#include "rifle/ui/RangeCardWindow.h"

#include "MainWindowFixture.h"
#include "OffscreenApp.h"
#include "app/CatalogGridView.h"
#include "app/MyLoadsLink.h"
#include "app/RangeCardLink.h"
#include "app/TrajectoryChart.h"
#include "app/TrajectoryChartLink.h"
#include "catalog/CatalogTestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <fstream>

namespace corvane {
namespace {

namespace fs = std::filesystem;

class MyLoadsWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::EnsureOffscreenApp(); }
    void SetUp() override {
        // One folder per case: CTest runs the cases side by side.
        dir_ = fs::temp_directory_path() /
               ("corvane-myloads-" +
                std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    static void ShowActive(QWidget& window) {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    static void TypeAndLeave(QLineEdit* edit, const char* text) {
        edit->setFocus(Qt::TabFocusReason);
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromUtf8(text));
        QTest::keyClick(edit, Qt::Key_Tab);
    }
    static void ClickRow(QListWidget* list, int row) {
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
    QPushButton* Button(QWidget& window, const char* name) {
        return window.findChild<QPushButton*>(QString::fromLatin1(name));
    }

    fs::path File() const { return dir_ / "app" / "my-loads.json"; }

    fs::path dir_;
    test::RecordingPrompts prompts_;
};

TEST_F(MyLoadsWindowTest, TypedLoadsSurviveARestartAndSwitchingEntries) {
    {
        MyLoadsStore store(File(), prompts_);
        MyLoadsWindow window(store, prompts_, false);
        ShowActive(window);
        QTest::mouseClick(Button(window, "btnNewLoad"), Qt::LeftButton);
        EXPECT_EQ(QApplication::focusWidget(), window.LoadNameEdit());
        // A name beyond Windows-1252, as a keyboard layout types it.
        QTest::keyClicks(window.LoadNameEdit(), QStringLiteral("Hirvi "));
        QTest::sendKeyEvent(QTest::Click, window.LoadNameEdit(), Qt::Key_unknown,
                            QStringLiteral("\u041b\u043e\u0441\u044c"), Qt::NoModifier);
        QTest::keyClick(window.LoadNameEdit(), Qt::Key_Tab);
        TypeAndLeave(window.Edit(OwnField::BulletWeight), "16.2");
        TypeAndLeave(window.Edit(OwnField::MuzzleVelocity), "700");

        // A second load; the first one's velocity is typed, then the first row is clicked.
        QTest::mouseClick(Button(window, "btnNewLoad"), Qt::LeftButton);
        QLineEdit* velocity = window.Edit(OwnField::MuzzleVelocity);
        velocity->setFocus(Qt::TabFocusReason);
        velocity->selectAll();
        QTest::keyClicks(velocity, QStringLiteral("800"));
        ClickRow(window.LoadList(), 0);
        EXPECT_EQ(velocity->text(), QStringLiteral("700"));
        ClickRow(window.LoadList(), 1);
        EXPECT_EQ(velocity->text(), QStringLiteral("800"));
        // Typed, then closed with Escape before leaving the field.
        TypeAndLeave(window.Edit(OwnField::Twist), "25.4");
        QTest::keyClicks(window.NoteEdit(), QStringLiteral("sighted in June"));
        QTest::keyClick(window.NoteEdit(), Qt::Key_Escape);
        EXPECT_FALSE(window.isVisible());
    }
    EXPECT_TRUE(prompts_.errors.empty());

    MyLoadsStore again(File(), prompts_);
    const MyLoads& read = again.Document();
    ASSERT_EQ(read.loads.size(), 2u);
    EXPECT_EQ(read.loads[0].name, "Hirvi \xD0\x9B\xD0\xBE\xD1\x81\xD1\x8C");
    EXPECT_NEAR(read.loads[0].bulletWeight, 250, 0.01); // 16.2 g
    EXPECT_NEAR(read.loads[1].muzzleVelocity, 2624.67, 0.01);
    EXPECT_NEAR(*read.loads[1].twist, 10, 1e-9);
    EXPECT_EQ(read.loads[1].note, "sighted in June");

    // The same loads, shown in English after the restart.
    MyLoadsWindow window(again, prompts_, true);
    ShowActive(window);
    ClickRow(window.LoadList(), 1);
    EXPECT_EQ(window.Edit(OwnField::MuzzleVelocity)->text(), QStringLiteral("2624.7"));
    EXPECT_EQ(window.UnitLabel(OwnField::Twist)->text(), QStringLiteral("inches per turn"));

    // The first load's name typed for the second: the store numbers it, the field shows it.
    window.LoadNameEdit()->setFocus(Qt::TabFocusReason);
    window.LoadNameEdit()->selectAll();
    QTest::keyClicks(window.LoadNameEdit(), QStringLiteral("Hirvi "));
    QTest::sendKeyEvent(QTest::Click, window.LoadNameEdit(), Qt::Key_unknown,
                        QStringLiteral("\u041b\u043e\u0441\u044c"), Qt::NoModifier);
    QTest::keyClick(window.LoadNameEdit(), Qt::Key_Tab);
    EXPECT_EQ(window.LoadNameEdit()->text(), QStringLiteral("Hirvi \u041b\u043e\u0441\u044c (2)"));
    EXPECT_EQ(again.Document().loads[1].name, "Hirvi \xD0\x9B\xD0\xBE\xD1\x81\xD1\x8C (2)");
}

TEST_F(MyLoadsWindowTest, OutOfRangeEntryIsRefusedWithItsRangeWhenLeft) {
    MyLoadsStore store(File(), prompts_);
    MyLoadsWindow window(store, prompts_, true);
    ShowActive(window);
    QTest::mouseClick(Button(window, "btnNewLoad"), Qt::LeftButton);
    TypeAndLeave(window.Edit(OwnField::MuzzleVelocity), "9000");
    ASSERT_EQ(prompts_.errors.size(), 1u);
    EXPECT_EQ(prompts_.errors[0], "Muzzle velocity must be from 100 to 5000 ft/s.");
    EXPECT_EQ(window.Edit(OwnField::MuzzleVelocity)->text(), QStringLiteral("2800"));
    EXPECT_EQ(QApplication::focusWidget(), window.Edit(OwnField::MuzzleVelocity));
    // A refused entry keeps the window open on Escape, and nothing of it is stored.
    QTest::keyClicks(window.Edit(OwnField::MuzzleVelocity), QStringLiteral("50"));
    QTest::keyClick(window.Edit(OwnField::MuzzleVelocity), Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(prompts_.errors.size(), 2u);
    EXPECT_EQ(store.Document().loads.at(0).muzzleVelocity, 2800);
}

TEST_F(MyLoadsWindowTest, BrokenFileIsSetAsideAndTheWindowOpensEmpty) {
    fs::create_directories(File().parent_path());
    std::ofstream(File()) << "{\"version\": 1, \"loads\": [{\"name\": 5}]}";
    MyLoadsStore store(File(), prompts_);
    MyLoadsWindow window(store, prompts_, true);
    ASSERT_EQ(prompts_.errors.size(), 1u);
    EXPECT_NE(prompts_.errors[0].find(File().string() + "\": load 1: name is not a text"),
              std::string::npos);
    EXPECT_NE(prompts_.errors[0].find(File().string() + ".broken-1"), std::string::npos);
    EXPECT_TRUE(fs::exists(File().string() + ".broken-1"));
    EXPECT_EQ(window.LoadList()->count(), 0);
    EXPECT_FALSE(window.LoadNameEdit()->isEnabled());
}

TEST_F(MyLoadsWindowTest, ImportAddsTheFilesEntriesAndABrokenFileNothing) {
    MyLoadsStore store(File(), prompts_);
    MyLoadsWindow window(store, prompts_, true);
    ShowActive(window);
    QTest::mouseClick(Button(window, "btnNewLoad"), Qt::LeftButton);
    fs::create_directories(dir_);
    const fs::path shared = dir_ / "shared.json";
    window.SetFileChooser([&shared](bool) { return QString::fromStdString(shared.string()); });
    QTest::mouseClick(Button(window, "btnExport"), Qt::LeftButton);
    QTest::mouseClick(Button(window, "btnImport"), Qt::LeftButton);
    ASSERT_EQ(store.Document().loads.size(), 2u);
    EXPECT_EQ(store.Document().loads[1].name, "New load (2)");
    EXPECT_EQ(window.LoadNameEdit()->text(), QStringLiteral("New load (2)"));
    ASSERT_FALSE(prompts_.messages.empty());
    EXPECT_EQ(prompts_.messages.back(), "Imported 1 load and 0 rifles.");

    std::ofstream(shared) << "{\"version\": 1, \"loads\": [{\"name\": 5}]}";
    QTest::mouseClick(Button(window, "btnImport"), Qt::LeftButton);
    EXPECT_EQ(store.Document().loads.size(), 2u);
    ASSERT_EQ(prompts_.errors.size(), 1u);
    EXPECT_NE(prompts_.errors[0].find("load 1: name is not a text.\nNothing was imported."),
              std::string::npos)
        << prompts_.errors[0];
}

class CopyToMyLoadsTest : public test::MainWindowFixture {
protected:
    // The main window's own loads live in the test folder of the data location.
    void SetUp() override {
        MainWindowFixture::SetUp();
        QStandardPaths::setTestModeEnabled(true);
        fs::remove(MyLoadsStore::DefaultFile());
    }
    void TearDown() override {
        fs::remove(MyLoadsStore::DefaultFile());
        QStandardPaths::setTestModeEnabled(false);
    }
};

TEST_F(CopyToMyLoadsTest, GridMenuStartsAnOwnLoadFromTheRow) {
    auto window = OpenSection(CatalogTab::Rifle);
    CatalogGridView* grid = window->Grid();
    const QPoint at = grid->visualRect(grid->model()->index(2, 2)).center();
    QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, at);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
    QApplication::sendEvent(grid->viewport(), &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> items = menu->actions();
    const auto found = std::find_if(items.begin(), items.end(), [](QAction* item) {
        return item->objectName() == QStringLiteral("CopyToMyLoads");
    });
    ASSERT_NE(found, items.end());
    QAction* copy = *found;
    EXPECT_TRUE(copy->isEnabled());
    menu->close();
    copy->trigger();

    const std::string loadNumber =
        grid->model()->index(2, 1).data().toString().trimmed().toStdString();
    MyLoadsWindow* loads = window->OwnLoads()->Window();
    ASSERT_NE(loads, nullptr);
    EXPECT_TRUE(loads->isVisible());
    const MyLoads& document = window->OwnLoads()->Store().Document();
    ASSERT_EQ(document.loads.size(), 1u);
    EXPECT_NE(document.loads[0].name.find(loadNumber), std::string::npos) << loadNumber;
    EXPECT_EQ(loads->focusWidget(), loads->Edit(OwnField::MuzzleVelocity));

    // The range card and the chart offer it too.
    auto* cardLoads =
        window->CardLink()->Window()->findChild<QComboBox*>(QStringLiteral("cbxLoad"));
    ASSERT_NE(cardLoads, nullptr);
    EXPECT_GE(
        cardLoads->findText(QString::fromStdString(document.loads[0].name), Qt::MatchContains), 0);
    window->ChartLink()->ShowChart();
    EXPECT_TRUE(window->ChartLink()->Window()->AddOwnLoadButton()->isEnabled());
}

} // namespace
} // namespace corvane
