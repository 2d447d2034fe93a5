// The range card window beside the catalog: it follows the ballistics panel until its own
// conditions are edited, refuses a card of too many rows, and its print preview draws one page.
#include "rifle/ui/RangeCardWindow.h"
#include "MainWindowFixture.h"
#include "app/BallisticsPanel.h"
#include "app/ControlStrip.h"
#include "app/MainMenus.h"
#include "app/RangeCardLink.h"
#include "report/ui/MainReport.h"
#include "report/ui/RangeCardPrintPage.h"
#include "report/ui/ReportOutput.h"
#include "report/ui/ReportPreview.h"
#include "rifle/RangeCardPage.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace corvane {
namespace {

class RangeCardWindowTest : public test::MainWindowFixture {
protected:
    // The card opened from the Tools menu on the first rifle load.
    RangeCardWindow* OpenCard(TfrmMain& window) {
        window.SelectGridRow(0);
        window.Menus().RangeCard->trigger();
        RangeCardWindow* card = window.CardLink()->Window();
        EXPECT_TRUE(card->isVisible());
        return card;
    }

    // The wind hold of the card's second row (the first step past the muzzle).
    static QString WindHold(const RangeCardWindow& card) {
        return card.Table()->item(1, 4)->text();
    }
};

TEST_F(RangeCardWindowTest, FollowsThePanelUntilItsOwnConditionsAreEdited) {
    auto window = OpenSection(CatalogTab::Rifle);
    RangeCardWindow* card = OpenCard(*window);
    ASSERT_GE(card->Table()->rowCount(), 2);
    auto* wind = card->findChild<QLineEdit*>(QStringLiteral("edtCrossWind"));
    QSpinBox* panelWind = window->Strip()->Ballistics()->CrossWindEntry();

    const QString calm = WindHold(*card);
    QTest::keyClick(panelWind, Qt::Key_Up);
    EXPECT_EQ(wind->text(), panelWind->text());
    EXPECT_NE(WindHold(*card), calm);

    // Edited here, the card keeps its own wind while the panel changes.
    wind->selectAll();
    QTest::keyClicks(wind, QStringLiteral("0"));
    EXPECT_TRUE(card->ConditionsEdited());
    EXPECT_EQ(WindHold(*card), QStringLiteral("0.00"));
    EXPECT_TRUE(card->findChild<QLabel*>(QStringLiteral("lblConditionsSource"))
                    ->text()
                    .contains(QStringLiteral("edited here")));
    QTest::keyClick(panelWind, Qt::Key_Up);
    EXPECT_EQ(WindHold(*card), QStringLiteral("0.00"));

    auto* follow = card->findChild<QPushButton*>(QStringLiteral("btnFollowPanel"));
    QTest::mouseClick(follow, Qt::LeftButton);
    EXPECT_FALSE(card->ConditionsEdited());
    EXPECT_EQ(wind->text(), panelWind->text());
    EXPECT_NE(WindHold(*card), QStringLiteral("0.00"));

    // Too many rows: the card says so and offers nothing to print.
    card->findChild<QSpinBox*>(QStringLiteral("spnMaxRange"))->setValue(1000);
    card->findChild<QSpinBox*>(QStringLiteral("spnStep"))->setValue(5);
    EXPECT_EQ(card->Table()->rowCount(), 0);
    EXPECT_TRUE(card->findChild<QLabel*>(QStringLiteral("lblProblem"))->isVisibleTo(card));
    EXPECT_TRUE(card->Page().problem.find("at most 102 rows") != std::string::npos);
    EXPECT_FALSE(card->findChild<QPushButton*>(QStringLiteral("btnPreview"))->isEnabled());
    EXPECT_TRUE(prompts.errors.empty());
}

TEST_F(RangeCardWindowTest, PrecisionModelIsChosenCheckedAndNamed) {
    auto window = OpenSection(CatalogTab::Rifle);
    RangeCardWindow* card = OpenCard(*window);
    card->findChild<QSpinBox*>(QStringLiteral("spnMaxRange"))->setValue(1000);
    card->findChild<QSpinBox*>(QStringLiteral("spnStep"))->setValue(100);
    const auto lastRow = [card] {
        return card->Table()->item(card->Table()->rowCount() - 1, 1)->text();
    };
    const QString catalogPath = lastRow();
    EXPECT_NE(RangeCardPageText(card->Page()).find("Model: Catalog standard"), std::string::npos);

    QTest::keyClick(card->ModelChoice(), Qt::Key_Down);
    EXPECT_EQ(card->Table()->item(card->Table()->rowCount() - 1, 0)->text(),
              QStringLiteral("1000"));
    EXPECT_NE(lastRow(), catalogPath);
    EXPECT_NE(RangeCardPageText(card->Page()).find("Model: Precision"), std::string::npos);
    EXPECT_TRUE(card->windowTitle().contains(QStringLiteral("Precision")));

    // A humidity out of range is refused when the field is left.
    auto* humidity = card->findChild<QLineEdit*>(QStringLiteral("edtHumidity"));
    ASSERT_TRUE(humidity->isVisibleTo(card));
    card->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(card));
    humidity->setFocus(Qt::TabFocusReason);
    humidity->selectAll();
    QTest::keyClicks(humidity, QStringLiteral("150"));
    QTest::keyClick(humidity, Qt::Key_Tab);
    EXPECT_TRUE(Reported("Humidity must be from 0 to 100 %."));
    EXPECT_EQ(humidity->text(), QStringLiteral("0"));
}

TEST_F(RangeCardWindowTest, OwnNamesShowWholeInTheListsAndAsWindows1252OnTheCard) {
    auto window = OpenSection(CatalogTab::Rifle);
    RangeCardWindow* card = OpenCard(*window);
    MyLoads mine;
    OwnLoad load;
    load.name = "\u00C9lan \u03A9";
    load.caliber = "6,5 \u00D7 55";
    mine.loads.push_back(load);
    RifleProfile rifle;
    rifle.name = "\u0420\u0443\u0436\u044C\u0451";
    mine.rifles.push_back(rifle);
    card->SetMyLoads(mine);
    auto* loads = card->findChild<QComboBox*>(QStringLiteral("cbxLoad"));
    auto* rifles = card->findChild<QComboBox*>(QStringLiteral("cbxRifle"));
    EXPECT_EQ(loads->itemText(1), QStringLiteral("Own: \u00C9lan \u03A9 (6,5 \u00D7 55)"));
    EXPECT_EQ(rifles->itemText(1), QStringLiteral("\u0420\u0443\u0436\u044C\u0451"));
    loads->setCurrentIndex(1);
    rifles->setCurrentIndex(1);
    // The card's texts are the report's Windows-1252: what it cannot hold shows as "?".
    const std::string text = RangeCardPageText(card->Page());
    EXPECT_EQ(card->Page().title, "Range Card: \xC9lan ?");
    EXPECT_NE(text.find("Rifle: ?????"), std::string::npos) << text;
}

TEST_F(RangeCardWindowTest, PrintPreviewDrawsTheWholeCardOnOnePage) {
    auto window = OpenSection(CatalogTab::Rifle);
    RangeCardWindow* card = OpenCard(*window);
    card->findChild<QSpinBox*>(QStringLiteral("spnMaxRange"))->setValue(1000);
    card->findChild<QSpinBox*>(QStringLiteral("spnStep"))->setValue(10);
    // The precision model's card, whose details are the longest.
    QTest::keyClick(card->ModelChoice(), Qt::Key_Down);
    ASSERT_EQ(card->Table()->rowCount(), 101);

    int pages = -1;
    bool rulers = false;
    double tableFont = 0;
    double lowest = 0;
    card->SetPrintHook([&](TfrmMainReport& report) {
        auto* poll = new QTimer(&report);
        QObject::connect(poll, &QTimer::timeout, poll, [&, poll] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                auto* preview = qobject_cast<ReportPreview*>(top);
                if (preview != nullptr && preview->isVisible()) {
                    poll->stop();
                    pages = preview->View()->pageCount();
                    rulers = preview->TopRuler()->CurrentScale().has_value();
                    preview->reject();
                }
            }
        });
        poll->start(20);
        report.exec();
        const auto& page = dynamic_cast<const RangeCardPrintPage&>(report.Printed());
        tableFont = page.TableFontSize();
        lowest = page.LowestBaseline();
    });
    QTest::mouseClick(card->findChild<QPushButton*>(QStringLiteral("btnPreview")), Qt::LeftButton);
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(rulers);
    // A hundred rows still fit the page, in a type that can be read.
    EXPECT_GE(tableFont, 6);
    EXPECT_LE(lowest, ReportPaperSize().rect(QPageSize::Inch).height() - 0.5);
    EXPECT_TRUE(prompts.errors.empty());
}

} // namespace
} // namespace corvane
