// The main window on broken catalogs, offscreen: every section opened, loads selected, their
// details, pellet data, report and exported table made, units switched. Nothing may crash or
// hang; what cannot be read is reported with the file's name or shown as an empty section.
#include "MainWindowFixture.h"
#include "app/ControlStrip.h"
#include "app/DetailArea.h"
#include "app/FilterCombo.h"
#include "app/MainFrm.h"
#include "app/SideWindows.h"
#include "app/TrajectoryChartLink.h"
#include "catalog/CatalogTestSupport.h"
#include "expert/ui/Ammoexpt.h"
#include "hostile/HostileTables.h"
#include "report/TableExport.h"
#include "report/ui/ReportOutput.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace corvane {
namespace {

namespace fs = std::filesystem;

class HostileCatalogWindowTest : public test::MainWindowFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(catalogCopy.isValid());
        root = CopySampleCatalog();
    }

    fs::path Data(const std::string& file) const { return root / "Data" / file; }

    // Opens a window on the catalog and uses every section in `sections` the way a user would.
    // Returns the number of loads each section showed.
    std::vector<int> UseSections(const std::vector<int>& sections, const std::string& what) {
        auto window = OpenMainWindow(root);
        window->resize(1000, 700);
        window->SetReportHook([this](TfrmMainReport&, const LoadReport& report) {
            // The page goes through the same painter as the preview and the printer.
            reportsMade +=
                RenderReportToPdf(report, QString::fromStdString((root / "ProductInfo").string()),
                                  true, QString::fromStdString((root / "report.pdf").string()))
                        .Ok
                    ? 1
                    : 0;
        });
        std::vector<int> shown;
        for (std::size_t i = 0; i < sections.size(); ++i) {
            const int section = sections[i];
            if (i == 0) {
                window->OpenCatalogSection(static_cast<CatalogTab>(section));
            } else {
                window->SectionTabs()->setCurrentIndex(section);
            }
            EXPECT_EQ(TabIndex(window->CurrentSection()), section) << what;
            const int rows = window->Grid()->model()->rowCount();
            EXPECT_EQ(rows, static_cast<int>(window->Shown().Count())) << what;
            shown.push_back(rows);
            UseLoads(*window, rows);
            if (section <= 4 && rows > 0) {
                // The last brand narrows the other lists and refills the grid.
                FilterCombo* brand = section == 4 ? window->Strip()->ShotshellBrandList()
                                                  : window->Strip()->BrandList();
                const int last = brand->count() - 1;
                brand->setCurrentIndex(last);
                emit brand->activated(last);
                UseLoads(*window, window->Grid()->model()->rowCount());
            }
            const fs::path exported = root / "data_tbl.1";
            EXPECT_TRUE(ExportTable(exported, window->Grid()->Data(), store).Ok) << what;
        }
        window->SetUnitSystem(false);
        UseLoads(*window, window->Grid()->model()->rowCount());
        window->SetUnitSystem(true);
        window->close();
        return shown;
    }

    // Selects the first, second and last loads, both detail views, the large picture, the pellet
    // window, the trajectory chart with a compared load and the report of the selected load.
    void UseLoads(TfrmMain& window, int rows) {
        for (int row : {0, 1, rows - 1}) {
            window.SelectGridRow(row);
        }
        if (rows == 0) {
            return;
        }
        DetailArea* detail = window.Detail();
        detail->ShowStyleView();
        detail->ShowPackagingView();
        if (detail->LargeImageExists()) {
            detail->SmallPictureClicked();
        }
        window.ShowPelletWindowForLoad();
        window.ChartLink()->ShowChart();
        window.ChartLink()->ToggleCompare();
        window.PrintSelectedLoad();
        window.Side()->ClosePelletWindow();
    }

    // Walks the wizard through every firearm (first purpose and usage) and every caliber or
    // gauge it then offers, and takes the first result of each search into the main window.
    // `searches` counts the searches that reached the result page.
    void WalkWizard(TfrmMain& window, int& searches) {
        window.ShowExpertWindow();
        TFormAmmoExpt* wizard = window.ExpertWindow();
        ASSERT_NE(wizard, nullptr);
        auto click = [wizard](const char* name) {
            auto* button = wizard->findChild<QPushButton*>(QString::fromLatin1(name));
            if (button != nullptr && button->isVisible()) {
                button->click();
            }
        };
        // Starts afresh (only a closed wizard does) and walks to the caliber page; false where
        // the shotgun guide follows.
        auto toCalibers = [&](int firearm) {
            wizard->close();
            window.ShowExpertWindow();
            wizard->ChoiceList(TFormAmmoExpt::kFirearm)->setCurrentIndex(firearm);
            click("bbnNext0");
            click("bbnNext1");
            click("bbnNext2");
            return wizard->CurrentPage() == TFormAmmoExpt::kCaliber;
        };
        QComboBox* calibers = wizard->ChoiceList(TFormAmmoExpt::kCaliber);
        const int firearms = wizard->ChoiceList(TFormAmmoExpt::kFirearm)->count();
        for (int f = 0; f < firearms; ++f) {
            for (int c = 0; toCalibers(f) && c < calibers->count(); ++c) {
                calibers->setCurrentIndex(c);
                click("bbnFinish3");
                // A gauge may lead to the shotgun guide instead of a search.
                if (wizard->CurrentPage() == TFormAmmoExpt::kLoads) {
                    ++searches;
                    wizard->ResultGrid()->setCurrentCell(0, 0);
                    wizard->ShowChosenLoad();
                }
            }
        }
        wizard->close();
    }

    // Damaged tables are data, not file errors: at most the four "no name" messages of each
    // rebuild of the lists (a few per section visited), never one per load. A damaged shotshell
    // may name shot sizes the index has no line for; its report is then abandoned.
    void ExpectOnlyFoldedNameMessages(const std::string& what, std::size_t sectionsVisited) const {
        EXPECT_LE(prompts.errors.size(), 16 * sectionsVisited) << what;
        for (const std::string& error : prompts.errors) {
            EXPECT_TRUE(error.starts_with("No name for ") || error.starts_with("No usage for ") ||
                        error.find("t4indx.lst\": no line for shot size ") != std::string::npos)
                << what << ": " << error;
        }
    }

    fs::path root;
    int reportsMade = 0;
};

// One family per case, so that each stays well inside the test runner's time limit even in
// the sanitizer build.
class DamagedLoadTable : public HostileCatalogWindowTest,
                         public testing::WithParamInterface<std::size_t> {};

TEST_P(DamagedLoadTable, ShowsWhatCanBeRead) {
    const CatalogTab tab = test::AllSections()[GetParam()];
    const SectionTraits& info = Traits(tab);
    const std::string sample = test::ReadFile(Data(info.tableFile));
    ASSERT_GE(sample.size(), 2 * info.recordSize) << info.tableFile;

    fs::remove(Data(info.tableFile));
    const std::string missing = std::string(info.tableFile) + " missing";
    EXPECT_EQ(UseSections({TabIndex(tab)}, missing), std::vector<int>{0}) << missing;
    // An empty placeholder stands in for the missing table.
    EXPECT_TRUE(fs::exists(Data(info.tableFile))) << missing;

    for (const test::DamagedTable& damaged : test::DamagedTables(tab, sample)) {
        const std::string what = std::string(info.tableFile) + " " + damaged.what;
        test::WriteFile(Data(info.tableFile), damaged.bytes);
        prompts.errors.clear();
        const std::vector<int> shown = UseSections({TabIndex(tab)}, what);
        EXPECT_LE(shown[0], static_cast<int>(info.capacity)) << what;
        ExpectOnlyFoldedNameMessages(what, 1);
    }
    if (tab != CatalogTab::Components) {
        EXPECT_GT(reportsMade, 0); // components have no report
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFamily, DamagedLoadTable,
                         testing::Range<std::size_t>(0, kSectionCount));

TEST_F(HostileCatalogWindowTest, EveryFileBrokenAtOnceStillOpensEverySection) {
    for (CatalogTab tab : test::AllSections()) {
        test::WriteFile(Data(Traits(tab).tableFile), test::AllBrokenRecords(tab));
    }
    for (const auto& entry : fs::directory_iterator(root / "Data")) {
        if (entry.path().extension() == ".lst") {
            test::WriteFile(entry.path(), test::RandomBytes(2000, 41) + std::string(1 << 20, 'N'));
        }
    }
    test::WriteFile(root / "ProductInfo" / "descriptions.ini",
                    "[brand 0]\r\nno equals here\r\n" + std::string(1 << 20, 'k') + "\r\n=v\r\n");
    for (const auto& entry : fs::directory_iterator(root / "ProductInfo")) {
        if (entry.path().extension() == ".jpg") {
            test::WriteFile(entry.path(), test::RandomBytes(3000, 43));
        }
    }
    const std::vector<int> shown = UseSections({0, 1, 2, 3, 4, 5, 0}, "everything broken");
    EXPECT_GT(shown[0], 0);
    // Only the lists' and the tables' faults: unreadable pictures and descriptions show nothing.
    ExpectOnlyFoldedNameMessages("everything broken", 7);
}

TEST_F(HostileCatalogWindowTest, WizardSearchesDamagedTables) {
    // Every table's damaged copies, made once; variant v of all six is written together.
    std::vector<std::vector<test::DamagedTable>> damagedTables;
    for (CatalogTab tab : test::AllSections()) {
        damagedTables.push_back(
            test::DamagedTables(tab, test::ReadFile(Data(Traits(tab).tableFile))));
    }
    for (std::size_t v = 0; v < damagedTables[0].size(); ++v) {
        const std::string what = "every table " + damagedTables[0][v].what;
        bool wholeRecords = true;
        for (CatalogTab tab : test::AllSections()) {
            const SectionTraits& info = Traits(tab);
            const std::string& bytes = damagedTables[TabIndex(tab)][v].bytes;
            test::WriteFile(Data(info.tableFile), bytes);
            wholeRecords = wholeRecords && bytes.size() >= info.recordSize;
        }
        auto window = OpenMainWindow(root);
        window->OpenCatalogSection(CatalogTab::Rifle);
        int searches = 0;
        WalkWizard(*window, searches);
        // Tables with whole records offer calibers or gauges to search for.
        EXPECT_TRUE(searches > 0 || !wholeRecords) << what;
        window->close();
    }
}

TEST_F(HostileCatalogWindowTest, MissingOrEmptyNameListsAreReportedByName) {
    const std::vector<std::pair<std::string, int>> lists = {
        {"t0br.lst", 0}, {"t1ca.lst", 1}, {"t2bu.lst", 2},   {"t3us.lst", 3},
        {"t4br.lst", 4}, {"t4pm.lst", 4}, {"t4indx.lst", 4}, {"t5pt.lst", 5}};
    for (const auto& [file, section] : lists) {
        const std::string original = test::ReadFile(Data(file));
        fs::remove(Data(file));
        prompts.errors.clear();
        UseSections({section}, file + " missing");
        // Each list is needed at some step of using the section; its loss is named.
        EXPECT_TRUE(Reported(file)) << file;

        for (const std::string& bytes : {std::string(), std::string("\r\n"), std::string(1, '\0'),
                                         test::RandomBytes(3000, 23)}) {
            test::WriteFile(Data(file), bytes);
            UseSections({section}, file + " of " + std::to_string(bytes.size()) + " bytes");
        }
        test::WriteFile(Data(file), original);
    }
}

} // namespace
} // namespace corvane
