#include "expert/ui/Ammoexpt.h"

#include "OffscreenApp.h"
#include "expert/ExpertTestCatalog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <algorithm>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace corvane {
namespace {

struct FakeHost : ExpertHost {
    struct LoadCall {
        std::string loadNumber;
        std::string shotKey;
        int section;
    };
    void ShowExpertLoad(const std::string& loadNumber, const std::string& shotKey,
                        CatalogTab section) override {
        loads.push_back({loadNumber, shotKey, TabIndex(section)});
    }
    void ShowShotshellSection() override { ++shotshellCalls; }
    void ExpertWindowClosed() override { ++closedCalls; }

    std::vector<LoadCall> loads;
    int shotshellCalls = 0;
    int closedCalls = 0;
};

class ExpertWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<TFormAmmoExpt>(data.Get(), settings, host);
        window->ShowAndReset();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void Click(const char* button) {
        auto* found = window->findChild<QPushButton*>(QString::fromLatin1(button));
        ASSERT_NE(found, nullptr) << button;
        ASSERT_TRUE(found->isVisible()) << button;
        found->click();
    }

    void Choose(int list, const QString& text) {
        QComboBox* combo = window->ChoiceList(list);
        const int index = combo->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        combo->setCurrentIndex(index);
    }

    void DoubleClickRow(int row) {
        QTableWidget* grid = window->ResultGrid();
        const QRect cell = grid->visualRect(grid->model()->index(row, 0));
        // A real double click: press and release, then the second press as a double click.
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    }

    test::ExpertTestCatalog data;
    AppSettings settings;
    FakeHost host;
    std::unique_ptr<TFormAmmoExpt> window;
};

TEST_F(ExpertWindowTest, WalksToShotgunResultsAndShowsTheDoubleClickedLoad) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Corvane Zora Raduzu"));
    EXPECT_EQ(window->CurrentPage(), TFormAmmoExpt::kFirearm);

    Choose(0, QStringLiteral("Shotgun with rifled barrel"));
    Click("bbnNext0");
    Click("bbnNext1");
    Click("bbnNext2");
    EXPECT_EQ(window->CaliberHeading()->text(), QStringLiteral("Select Gauge"));
    EXPECT_EQ(window->CaliberFinishButton()->text(), QStringLiteral("&Finish"));
    Click("bbnFinish3");

    ASSERT_EQ(window->CurrentPage(), TFormAmmoExpt::kLoads);
    QTableWidget* grid = window->ResultGrid();
    ASSERT_EQ(grid->rowCount(), 3); // the core's table (tests/expert), one load shown here
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("bk12"));
    EXPECT_EQ(grid->currentRow(), 0);
    // The long shot size text widens the window to show every column.
    int columns = 0;
    for (int c = 0; c < grid->columnCount(); ++c) {
        columns += grid->columnWidth(c);
    }
    EXPECT_GT(window->ClientWidth(), kExpertBaseClientWidth);
    EXPECT_EQ(window->ClientWidth(), 30 + columns);

    DoubleClickRow(1);
    ASSERT_EQ(host.loads.size(), 1u);
    EXPECT_EQ(host.loads[0].loadNumber, "SL12A");
    EXPECT_EQ(host.loads[0].shotKey, "Rifled Slug");
    EXPECT_EQ(host.loads[0].section, 3);

    Click("bbnBack4");
    EXPECT_EQ(window->CurrentPage(), TFormAmmoExpt::kCaliber);
    EXPECT_EQ(window->ClientWidth(),
              std::max(kExpertBaseClientWidth, window->minimumSizeHint().width()));
}

TEST_F(ExpertWindowTest, FinishWithoutCaliberShowsAnEmptyResult) {
    Choose(0, QStringLiteral("Centerfire Handgun")); // the catalog has no handgun loads
    Click("bbnNext0");
    Click("bbnNext1");
    Click("bbnNext2");
    Click("bbnFinish3");

    ASSERT_EQ(window->CurrentPage(), TFormAmmoExpt::kLoads);
    ASSERT_EQ(window->ResultGrid()->rowCount(), 1);
    DoubleClickRow(0); // the empty row opens nothing
    EXPECT_TRUE(host.loads.empty());
    Click("bbnNew4");
    EXPECT_EQ(window->CurrentPage(), TFormAmmoExpt::kFirearm);
}

TEST_F(ExpertWindowTest, ShotgunGuideShowsRecommendationsAndTheShotshellSection) {
    settings.EnglSys = false;
    Choose(0, QStringLiteral("Shotgun with smooth bore barrel"));
    Click("bbnNext0");
    Click("bbnNext1");
    Click("bbnNext2");
    EXPECT_EQ(window->CaliberHeading()->text(), QStringLiteral("Select Game"));
    EXPECT_EQ(window->CaliberFinishButton()->text(), QStringLiteral("&Next"));
    Choose(3, QStringLiteral("Rabbit, Squirrel"));
    Click("bbnFinish3");
    ASSERT_EQ(window->CurrentPage(), TFormAmmoExpt::kGuideGauge);
    Choose(5, QStringLiteral("410"));
    Click("bbnNext5");
    EXPECT_EQ(host.shotshellCalls, 0);
    Click("bbnFinish6");

    ASSERT_EQ(window->CurrentPage(), TFormAmmoExpt::kGuide);
    // The guide's texts are the core's (tests/expert); the heading shows the choices made.
    EXPECT_EQ(window->GuideHeading()->text(), QStringLiteral("Game at 18 - 27 meters using 410:"));
    EXPECT_EQ(window->ChokeLine(0)->text(), QStringLiteral("Improved Cylinder, Modified"));
    EXPECT_EQ(host.shotshellCalls, 1);

    Click("bbnNew7");
    EXPECT_EQ(window->CurrentPage(), TFormAmmoExpt::kFirearm);
    window->close();
    EXPECT_TRUE(window->isHidden());
    EXPECT_EQ(host.closedCalls, 1);
}

} // namespace
} // namespace corvane
