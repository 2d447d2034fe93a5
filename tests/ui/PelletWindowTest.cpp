#include "windows/PelletData.h"

#include "OffscreenApp.h"
#include "catalog/CatalogTestSupport.h"

#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableWidget>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace corvane {
namespace {

class PelletWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::EnsureOffscreenApp(); }

    static LoadRecord Shotshell(double ounces, int firstId, int lastId, const char* text) {
        LoadRecord load;
        load.LoadNumber = "SS125";
        load.ShotWeight = ounces;
        load.ShotSizeText = text;
        for (int id = firstId; id <= lastId; ++id) {
            load.ShotSizeFlags[static_cast<std::size_t>(id)] = true;
        }
        return load;
    }

    static QString Cell(const TfrmPelletData& window, int row, int column) {
        const QTableWidgetItem* item = window.MainGrid()->item(row, column);
        return item ? item->text() : QString();
    }

    static int ColumnWidthSum(const TfrmPelletData& window) {
        int sum = 0;
        for (int c = 0; c < window.MainGrid()->columnCount(); ++c) {
            sum += window.MainGrid()->columnWidth(c);
        }
        return sum;
    }
};

TEST_F(PelletWindowTest, ShowsRowsAndSizesToThem) {
    TfrmPelletData window;
    const std::vector<int> index{3, 7};
    QSignalSpy focus(&window, &TfrmPelletData::catalogFocusWanted);
    window.ShowPelletData(BuildPelletTable(Shotshell(1.0, 1, 2, "BB, 4"), index, "Steel", true));

    EXPECT_EQ(window.windowTitle(), QStringLiteral("Pellet Data"));
    ASSERT_EQ(window.MainGrid()->rowCount(), 3);
    ASSERT_EQ(window.MainGrid()->columnCount(), 3);
    EXPECT_EQ(Cell(window, 0, 1), QStringLiteral("Typical Pellet Count"));
    EXPECT_EQ(Cell(window, 1, 0), QStringLiteral("    BB"));
    EXPECT_EQ(Cell(window, 1, 1), QStringLiteral("        72"));
    EXPECT_EQ(Cell(window, 2, 2), QStringLiteral("        0.130"));
    EXPECT_EQ(window.lblLoadNo()->text(), QStringLiteral("Load:  SS125  Weight:  1.000 oz."));
    EXPECT_EQ(focus.count(), 1);

    // Every column fits its bold heading; the window fits the columns or the caption.
    for (int c = 0; c < 3; ++c) {
        EXPECT_GE(window.MainGrid()->columnWidth(c), 50);
    }
    const int wanted = std::max(5 + ColumnWidthSum(window),
                                window.lblLoadNo()->x() + window.lblLoadNo()->width() + 10);
    EXPECT_EQ(window.width(), wanted);
    EXPECT_EQ(window.height(), (window.RowHeight() + 1) * 3 + 33 + 5);

    // Buckshot refill: two columns and no counts.
    window.ShowPelletData(BuildPelletTable(Shotshell(1.5, 1, 1, "9 PELLETS"), {16}, "Lead", true));
    EXPECT_EQ(window.MainGrid()->columnCount(), 2);
    EXPECT_EQ(Cell(window, 0, 0), QStringLiteral("Buck Shot"));
    EXPECT_EQ(Cell(window, 1, 1), QStringLiteral("        0.360"));
}

TEST_F(PelletWindowTest, ManyRowsStopAtThreeHundredPixelsAndScroll) {
    TfrmPelletData window;
    std::vector<int> index(29, 9);
    window.ShowPelletData(BuildPelletTable(Shotshell(1.0, 1, 29, "6"), index, "Lead", true));
    ASSERT_EQ(window.MainGrid()->rowCount(), 30);
    ASSERT_GT((window.RowHeight() + 1) * 30 + 38, 300);
    EXPECT_EQ(window.height(), 300);
    EXPECT_EQ(window.width(), 5 + ColumnWidthSum(window) + 20);
    window.show();
    EXPECT_TRUE(window.MainGrid()->verticalScrollBar()->isVisible());
    EXPECT_GT(window.MainGrid()->verticalScrollBar()->maximum(), 0);
}

TEST_F(PelletWindowTest, UnreadableIndexReportsTheFileAndEmptiesTheWindow) {
    test::TempProgramDir dir;
    LoadRecord load = Shotshell(1.125, 1, 1, "7 1/2");
    test::WriteTable(dir.Data() / "t04dr.dat", RecordFamily::Shotshell, {load});
    test::WriteFile(dir.Data() / "t4pm.lst", "Lead\r\n");
    test::WriteFile(dir.Data() / "t4indx.lst", "11\r\n");
    test::RecordingPrompts prompts;
    Catalog catalog(dir.Root(), prompts);
    TfrmPelletData window;

    ASSERT_TRUE(FillPelletWindow(window, catalog, 0, true, prompts));
    EXPECT_EQ(Cell(window, 1, 1), QStringLiteral("        394"));

    std::filesystem::remove(dir.Data() / "t4indx.lst");
    EXPECT_FALSE(FillPelletWindow(window, catalog, 0, true, prompts));
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_THAT(prompts.errors[0], ::testing::HasSubstr("t4indx.lst"));
    EXPECT_EQ(window.MainGrid()->rowCount(), 0);
    EXPECT_EQ(window.lblLoadNo()->text(), QStringLiteral("Load #:"));
}

} // namespace
} // namespace corvane
