// The main window's menu items, print path and help, driven offscreen on the sample catalog
// with the modal windows replaced by hooks.
#include "MainWindowFixture.h"
#include "app/BallisticsPanel.h"
#include "app/ControlStrip.h"
#include "app/HelpViewer.h"
#include "app/MainFrm.h"
#include "app/SideWindows.h"
#include "common/TextUtil.h"
#include "report/ReportLines.h"
#include "report/ui/MainReport.h"
#include "settings/SettingsStore.h"
#include "settings/ui/ColorsFontSize.h"
#include "settings/ui/DefaultBallistics.h"
#include "settings/ui/SetSightHeight.h"
#include "windows/PelletData.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace corvane {
namespace {

namespace fs = std::filesystem;

class MainMenusTest : public test::MainWindowFixture {
protected:
    // The catalog open on `section` with grid row `row` selected.
    std::unique_ptr<TfrmMain> Open(int section, int row, fs::path dir = CORVANE_BUILT_BIN_DIR) {
        auto window = OpenMainWindow(std::move(dir));
        window->SetReportHook([this](TfrmMainReport&, const LoadReport& report) {
            reports.push_back(ReportLines(report));
        });
        window->OpenCatalogSection(static_cast<CatalogTab>(section));
        window->SelectGridRow(row - 1);
        return window;
    }

    bool ReportHas(std::size_t report, const std::string& line) const {
        const auto& text = reports.at(report);
        return std::find(text.begin(), text.end(), line) != text.end();
    }

    static std::string Cell(const TfrmMain& window, int row, int column) {
        return window.Grid()
            ->Data()
            .Cells.at(static_cast<std::size_t>(row))
            .at(static_cast<std::size_t>(column));
    }

    std::vector<std::vector<std::string>> reports;
};

// Each settings dialog's OK stores its values and recomputes the grid, keeping the selected load;
// Cancel stores nothing. The report and its preview's rulers follow the sight height and units.
TEST_F(MainMenusTest, SettingsDialogsOkStoreAndRefillKeepingTheLoad) {
    auto window = Open(0, 3);
    bool rulersInInches = false;
    window->SetReportHook([&](TfrmMainReport& report, const LoadReport& made) {
        rulersInInches = report.EnglSys();
        reports.push_back(ReportLines(made));
    });
    const ColumnIndexes index = window->Grid()->Data().Headings.Index;
    ASSERT_GE(index.Drift, 0);
    ASSERT_GE(index.Trajectory, 0);
    const std::string driftBefore = Cell(*window, 3, index.Drift + 2);
    const int rowHeightBefore = window->Grid()->Data().Headings.RowHeight;

    for (const bool ok : {false, true}) {
        window->SetModalHook([ok](QDialog& dialog) {
            auto& settings = dynamic_cast<TfrmDefaultBallistics&>(dialog);
            settings.AltitudeEdit()->setText(QStringLiteral("5000"));
            settings.CrossWindEdit()->setText(QStringLiteral("20"));
            (ok ? settings.OkButton() : settings.CancelButton())->click();
        });
        window->EditBallisticsSettings();
        EXPECT_EQ(ReadSettings(store).DefaultCrossWind, ok ? 20 : 10);
    }
    EXPECT_EQ(ReadSettings(store).DefaultAltitude, 5000);
    EXPECT_EQ(window->Strip()->Ballistics()->AltitudeEntry()->text(), QStringLiteral("5000"));
    EXPECT_NE(Cell(*window, 3, index.Drift + 2), driftBefore);

    const std::string pathBefore = Cell(*window, 3, index.Trajectory);
    window->SetModalHook([](QDialog& dialog) {
        auto& heights = dynamic_cast<TfrmSightHeight&>(dialog);
        heights.Edit(SightField::Rifle)->setText(QStringLiteral("3.0"));
        heights.OkButton()->click();
    });
    window->EditSightHeights();
    EXPECT_DOUBLE_EQ(ReadSettings(store).RifleSightHeight, 3.0);
    EXPECT_NE(Cell(*window, 3, index.Trajectory), pathBefore);

    window->SetModalHook([](QDialog& dialog) {
        auto& colors = dynamic_cast<TfrmColorsFontSize&>(dialog);
        colors.FontSizeUpDown()->setValue(14);
        colors.OkButton()->click();
    });
    window->EditColorsAndFontSize();
    EXPECT_EQ(ReadSettings(store).GridFontSize, 14);
    EXPECT_EQ(window->Settings().GridFontSize, 14);
    // Rows are measured again with the larger font.
    EXPECT_GT(window->Grid()->Data().Headings.RowHeight, rowHeightBefore);
    EXPECT_EQ(window->Grid()->SelectedRow(), 3);

    window->PrintSelectedLoad();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_TRUE(ReportHas(0, "Sight Height:|3.0 Inches"));
    EXPECT_TRUE(rulersInInches);
    // A Metric user's preview measures in centimetres.
    window->SetUnitSystem(false);
    window->SelectGridRow(1);
    window->PrintSelectedLoad();
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_FALSE(rulersInInches);
    EXPECT_TRUE(prompts.errors.empty());
}

// Printing needs a selected load of a section with reports, and applies edited conditions first.
TEST_F(MainMenusTest, PrintRefreshesFirstAndReportsTheSelectedLoadOnly) {
    auto window = Open(2, 0);
    ASSERT_EQ(window->Grid()->SelectedRow(), 0);
    window->PrintSelectedLoad();
    EXPECT_TRUE(reports.empty());

    window->SectionTabs()->setCurrentIndex(0);
    window->SelectGridRow(4);
    const std::string loadNumber =
        Trim(Cell(*window, 5, window->Grid()->Data().Headings.Index.LoadNumber));
    window->Strip()->Ballistics()->AltitudeEntry()->setText(QStringLiteral("3000"));
    ASSERT_TRUE(window->Strip()->RefreshButton()->isEnabled());
    window->Menus().PrintLoadReport->trigger();
    EXPECT_FALSE(window->Strip()->RefreshButton()->isEnabled());
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].at(2), "Corvane Load No.:|" + loadNumber);
    EXPECT_TRUE(ReportHas(0, "Altitude Above Sea Level:|3000 Feet"));
    window->Menus().SetUpPrinter->trigger();
    EXPECT_EQ(reports.size(), 2u);

    window->SectionTabs()->setCurrentIndex(5); // components have no report
    window->SelectGridRow(1);
    window->PrintSelectedLoad();
    EXPECT_EQ(reports.size(), 2u);
    EXPECT_TRUE(prompts.errors.empty());
}

// The shot size index is read for every pellet table and shotshell report: once it is gone,
// the open pellet window empties and the report is abandoned, each time with the file's name.
TEST_F(MainMenusTest, LostShotSizeIndexEmptiesThePelletWindowAndAbandonsTheReport) {
    const fs::path root = CopySampleCatalog();
    auto window = Open(4, 1, root);
    window->ShowPelletWindowForLoad();
    TfrmPelletData* pellet = window->Side()->PelletWindow();
    ASSERT_GT(pellet->MainGrid()->rowCount(), 1);
    fs::remove(root / "Data" / "t4indx.lst");
    window->SelectGridRow(1);
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_TRUE(Reported("t4indx.lst")) << prompts.errors[0];
    EXPECT_EQ(pellet->MainGrid()->rowCount(), 0);
    EXPECT_EQ(pellet->lblLoadNo()->text(), QStringLiteral("Load #:"));

    prompts.errors.clear();
    window->PrintSelectedLoad();
    EXPECT_TRUE(reports.empty());
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_TRUE(Reported("t4indx.lst")) << prompts.errors[0];
    EXPECT_TRUE(window->isVisible());
}

// Missing catalog files are reported by name and abandon only what needs them.
TEST_F(MainMenusTest, MissingReportPictureOrHelpPageIsReported) {
    auto window =
        Open(0, 1, CopySampleCatalog({"ProductInfo/RprtClr.bmp", "ProductInfo/RprtBW.bmp"}));
    window->SetReportHook([](TfrmMainReport& report, const LoadReport&) {
        report.exec(); // closes itself through its timer after the message
    });
    window->PrintSelectedLoad();
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_TRUE(Reported("<<< REPORT ABORTED >>>"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Grid()->SelectedRow(), 1);
    // The copy has no help pages.
    window->ShowHelpTopic(HelpViewer::kCatalogGridTopic);
    ASSERT_EQ(prompts.errors.size(), 2u);
    EXPECT_TRUE(Reported("catalog-grid.html"));
}

TEST_F(MainMenusTest, HelpOpensTheContentsAndF1OverTheGridItsTopic) {
    auto window = Open(0, 1);
    window->findChild<QToolButton*>(QStringLiteral("sbnHelp"))->click();
    ASSERT_NE(window->Help(), nullptr);
    EXPECT_TRUE(window->Help()->isVisible());
    EXPECT_TRUE(window->Help()->Browser()->source().path().endsWith(QStringLiteral("index.html")));
    EXPECT_FALSE(window->Help()->Browser()->toPlainText().isEmpty());

    QTest::keyClick(window->Grid(), Qt::Key_F1);
    EXPECT_TRUE(window->Help()->Browser()->source().path().endsWith(
        HelpViewer::TopicFile(HelpViewer::kCatalogGridTopic)));
    EXPECT_TRUE(window->Help()->Browser()->toPlainText().contains(QStringLiteral("Load No.")));

    QTest::keyClick(window->Strip()->Ballistics()->AltitudeEntry(), Qt::Key_F1);
    EXPECT_TRUE(window->Help()->Browser()->source().path().endsWith(QStringLiteral("index.html")));
    EXPECT_TRUE(prompts.errors.empty());
}

} // namespace
} // namespace corvane
