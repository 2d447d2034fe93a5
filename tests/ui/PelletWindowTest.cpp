#include "windows/PelletData.h"

#include "OffscreenApp.h"
#include "catalog/PelletData.h"

#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace corvane {
namespace {

class PelletWindowTest : public ::testing::Test {
protected:
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

TEST_F(PelletWindowTest, ShowsRowsAndSizesToThemUpToThreeHundredPixels) {
    TfrmPelletData window;
    const std::vector<int> index{3, 7};
    QSignalSpy focus(&window, &TfrmPelletData::catalogFocusWanted);
    window.ShowPelletData(BuildPelletTable(Shotshell(1.0, 1, 2, "BB, 4"), index, "Steel", true));

    EXPECT_EQ(window.windowTitle(), QStringLiteral("Pellet Data"));
    ASSERT_EQ(window.MainGrid()->rowCount(), 3);
    ASSERT_EQ(window.MainGrid()->columnCount(), 3);
    // Headings above the core's cells (every text is pinned by the pellet table's tests).
    EXPECT_EQ(Cell(window, 0, 1), QStringLiteral("Typical Pellet Count"));
    EXPECT_EQ(Cell(window, 1, 1), QStringLiteral("        72"));
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

    // A buckshot refill has two columns.
    window.ShowPelletData(BuildPelletTable(Shotshell(1.5, 1, 1, "9 PELLETS"), {16}, "Lead", true));
    EXPECT_EQ(window.MainGrid()->columnCount(), 2);
    EXPECT_EQ(Cell(window, 0, 0), QStringLiteral("Buck Shot"));

    // Many rows stop at 300 pixels and scroll.
    window.ShowPelletData(
        BuildPelletTable(Shotshell(1.0, 1, 29, "6"), std::vector<int>(29, 9), "Lead", true));
    ASSERT_EQ(window.MainGrid()->rowCount(), 30);
    ASSERT_GT((window.RowHeight() + 1) * 30 + 38, 300);
    EXPECT_EQ(window.height(), 300);
    EXPECT_EQ(window.width(), 5 + ColumnWidthSum(window) + 20);
    window.show();
    EXPECT_TRUE(window.MainGrid()->verticalScrollBar()->isVisible());
    EXPECT_GT(window.MainGrid()->verticalScrollBar()->maximum(), 0);
}

} // namespace
} // namespace corvane
