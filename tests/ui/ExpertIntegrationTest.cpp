// The Zora Raduzu wizard opened from the main window on a copy of the sample catalog: a double
// click on a result must leave exactly that load selected in the main window's grid.
#include "MainWindowFixture.h"
#include "app/CatalogGridView.h"
#include "app/MainFrm.h"
#include "app/SplashPage.h"
#include "catalog/Catalog.h"
#include "common/ui/QtText.h"
#include "expert/ui/Ammoexpt.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace corvane {
namespace {

class ExpertIntegrationTest : public test::MainWindowFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(catalogCopy.isValid());
        programDir = CopySampleCatalog();
        reader = std::make_unique<Catalog>(programDir, prompts);
        window = OpenMainWindow(programDir);
    }

    TFormAmmoExpt& Wizard() {
        TFormAmmoExpt* wizard = window->ExpertWindow();
        EXPECT_NE(wizard, nullptr);
        return *wizard;
    }

    void Click(const char* button) {
        auto* found = Wizard().findChild<QPushButton*>(QString::fromLatin1(button));
        ASSERT_NE(found, nullptr) << button;
        ASSERT_TRUE(found->isVisible()) << button;
        found->click();
    }

    void Choose(int list, const QString& text) {
        QComboBox* combo = Wizard().ChoiceList(list);
        const int index = combo->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        combo->setCurrentIndex(index);
    }

    // Walks firearm, purpose and usage, then finishes with the first caliber or gauge whose
    // search finds more than one load; fails when none does.
    void WalkToResults(const QString& firearm, const QString& purpose, const QString& usage) {
        ASSERT_EQ(Wizard().CurrentPage(), TFormAmmoExpt::kFirearm);
        Choose(0, firearm);
        Click("bbnNext0");
        Choose(1, purpose);
        Click("bbnNext1");
        Choose(2, usage);
        Click("bbnNext2");
        QComboBox* calibers = Wizard().ChoiceList(TFormAmmoExpt::kCaliber);
        for (int i = 0; i < calibers->count(); ++i) {
            calibers->setCurrentIndex(i);
            Click("bbnFinish3");
            ASSERT_EQ(Wizard().CurrentPage(), TFormAmmoExpt::kLoads);
            if (Wizard().ResultGrid()->rowCount() > 1) {
                return;
            }
            Click("bbnBack4");
        }
        FAIL() << "no caliber with loads for " << usage.toStdString();
    }

    QString ResultText(int row, int column) {
        const QTableWidgetItem* item = Wizard().ResultGrid()->item(row, column);
        return item != nullptr ? item->text() : QString();
    }

    void DoubleClickResult(int row) {
        QTableWidget* grid = Wizard().ResultGrid();
        grid->scrollToItem(grid->item(row, 0));
        const QRect cell = grid->visualRect(grid->model()->index(row, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    }

    // The load selected in the main window's grid, read from the catalog copy itself.
    const LoadRecord* SelectedLoad() {
        const CatalogGridView* grid = window->Grid();
        const int row = grid->SelectedRow();
        const GridData& data = grid->Data();
        if (row < 1 || row >= static_cast<int>(data.RecordIndexes.size())) {
            return nullptr;
        }
        reader->LoadSectionTable(data.Section);
        return &reader->Record(data.Section, data.RecordIndexes[static_cast<std::size_t>(row)]);
    }

    bool InShotshellSection(const std::string& loadNumber) {
        reader->LoadSectionTable(CatalogTab::Shotshell);
        for (const LoadRecord& record : reader->Records(CatalogTab::Shotshell)) {
            if (record.LoadNumber == loadNumber) {
                return true;
            }
        }
        return false;
    }

    std::filesystem::path programDir;
    std::unique_ptr<TfrmMain> window;
    std::unique_ptr<Catalog> reader; // the test's own view of the copy
};

TEST_F(ExpertIntegrationTest, RifleResultDoubleClickedFromTheSplashIsSelectedInTheRifleSection) {
    QTest::mouseClick(window->Splash(), Qt::LeftButton, {},
                      window->Splash()->AreaRect(SplashPage::kExpertArea).center());
    ASSERT_TRUE(window->CatalogShown());
    ASSERT_NE(window->ExpertWindow(), nullptr);
    ASSERT_TRUE(Wizard().isVisible());
    EXPECT_EQ(TabIndex(window->CurrentSection()), 5);

    WalkToResults(QStringLiteral("Centerfire Rifle"), QStringLiteral("Hunting"),
                  QStringLiteral("Medium game"));
    QTableWidget* results = Wizard().ResultGrid();
    // The last row, so that the first load of the section cannot pass by chance.
    const int row = results->rowCount() - 1;
    ASSERT_GT(row, 0);
    const std::string loadNumber = FromQString(ResultText(row, 0));
    ASSERT_FALSE(loadNumber.empty());

    DoubleClickResult(row);
    EXPECT_EQ(TabIndex(window->CurrentSection()), 0);
    const LoadRecord* selected = SelectedLoad();
    ASSERT_NE(selected, nullptr);
    EXPECT_EQ(window->Grid()->Data().Section, CatalogTab::Rifle);
    EXPECT_EQ(selected->LoadNumber, loadNumber);
    EXPECT_TRUE(Wizard().isVisible());
    EXPECT_TRUE(prompts.errors.empty());

    // Result rows as high as a line of text; the caliber list drops down 10 of its rows.
    EXPECT_EQ(results->rowHeight(0), QFontMetrics(results->font()).height() + 4);
    Click("bbnBack4");
    QComboBox* calibers = Wizard().ChoiceList(TFormAmmoExpt::kCaliber);
    ASSERT_GT(calibers->count(), 10);
    calibers->showPopup();
    EXPECT_EQ(calibers->view()->viewport()->height() / calibers->view()->sizeHintForRow(0), 10);
    calibers->hidePopup();
}

TEST_F(ExpertIntegrationTest, ShotshellResultFromTheButtonAndTheButtonKeepsAShownWizard) {
    window->OpenCatalogSection(CatalogTab::Rifle);
    auto* button = window->findChild<QToolButton*>(QStringLiteral("sbnAmmoExpert"));
    ASSERT_NE(button, nullptr);
    button->click();
    ASSERT_NE(window->ExpertWindow(), nullptr);
    ASSERT_TRUE(Wizard().isVisible());

    WalkToResults(QStringLiteral("Shotgun with smooth bore barrel"), QStringLiteral("Hunting"),
                  QStringLiteral("Medium game"));
    // Slugs and shotshells share the list; the first shotshell among them.
    QTableWidget* results = Wizard().ResultGrid();
    int row = -1;
    for (int r = 0; r < results->rowCount() && row < 0; ++r) {
        if (InShotshellSection(FromQString(ResultText(r, 0)))) {
            row = r;
        }
    }
    ASSERT_GE(row, 0) << "no shotshell among the results";
    const std::string loadNumber = FromQString(ResultText(row, 0));
    const std::string shotKey = FromQString(ResultText(row, 2));

    DoubleClickResult(row);
    EXPECT_EQ(TabIndex(window->CurrentSection()), 4);
    const LoadRecord* selected = SelectedLoad();
    ASSERT_NE(selected, nullptr);
    EXPECT_EQ(window->Grid()->Data().Section, CatalogTab::Shotshell);
    EXPECT_EQ(selected->LoadNumber, loadNumber);
    EXPECT_EQ(selected->ShotSizeText, shotKey);
    EXPECT_TRUE(prompts.errors.empty());

    // The button brings a shown wizard back as the user left it; only a closed one starts afresh.
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(Wizard().CurrentPage(), TFormAmmoExpt::kLoads);
    Wizard().close();
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(Wizard().CurrentPage(), TFormAmmoExpt::kFirearm);
}

} // namespace
} // namespace corvane
