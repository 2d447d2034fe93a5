// The load detail area and its side windows, driven through the main window offscreen on a
// copy of the sample catalog.
#include "app/DetailArea.h"
#include "MainWindowFixture.h"
#include "app/BallisticsPanel.h"
#include "app/ControlStrip.h"
#include "app/MainFrm.h"
#include "app/SideWindows.h"
#include "common/ui/JpegDecoder.h"
#include "windows/LargeImage.h"
#include "windows/PelletData.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>

namespace corvane {
namespace {

namespace fs = std::filesystem;

class DetailAreaTest : public test::MainWindowFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(catalogCopy.isValid());
        root = CopySampleCatalog();
    }

    std::unique_ptr<TfrmMain> Open(int section) {
        auto window = OpenMainWindow(root);
        window->resize(900, 650);
        window->OpenCatalogSection(static_cast<CatalogTab>(section));
        return window;
    }

    fs::path Picture(const char* name) const { return root / "ProductInfo" / name; }

    fs::path root;
};

// The texts are the core's (LoadHeading, DetailText); here the widgets must show the selected
// load's, keep the picture's proportions and switch between the packaging and the style view.
TEST_F(DetailAreaTest, SelectionFillsTheDetailViewAndTheViewsSwitch) {
    auto window = Open(0);
    DetailArea* detail = window->Detail();
    EXPECT_TRUE(detail->ShowsTitlePicture());
    window->SelectGridRow(0);
    ASSERT_FALSE(detail->ShowsTitlePicture());
    EXPECT_TRUE(detail->Title().startsWith(QStringLiteral("Load: ")));
    EXPECT_FALSE(detail->RecommendedUse().isEmpty());
    // Packaging view: the brand's description under its name.
    const QString brand = detail->Title().section(QStringLiteral("Brand: "), 1);
    ASSERT_GE(detail->DescriptionLines().size(), 3);
    EXPECT_EQ(detail->DescriptionLines()[0].trimmed(), brand);

    const QString small =
        detail->LargeImagePath().replace(QStringLiteral("l.jpg"), QStringLiteral(".jpg"));
    const QImage picture = ReadPictureFile(small);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(detail->SmallPicture()->height(), DetailArea::kPictureHeight);
    EXPECT_EQ(detail->SmallPicture()->width(),
              std::lround(125.0 * picture.width() / picture.height()));
    EXPECT_TRUE(detail->LargeImageExists());

    QTest::mouseClick(detail->StyleButton(), Qt::LeftButton);
    EXPECT_TRUE(detail->StyleViewDown());
    ASSERT_GE(detail->DescriptionLines().size(), 3);
    EXPECT_NE(detail->DescriptionLines()[0].trimmed(), brand);
    EXPECT_TRUE(detail->LargeImagePath().contains(QStringLiteral("bullet-")));

    // The view choice stays for the next load and section.
    window->SectionTabs()->setCurrentIndex(3);
    EXPECT_TRUE(detail->ShowsTitlePicture());
    EXPECT_EQ(detail->StyleButton()->text(), QStringLiteral("Slug Style"));
    window->SelectGridRow(0);
    EXPECT_TRUE(detail->StyleViewDown());
    EXPECT_TRUE(detail->LargeImagePath().contains(QStringLiteral("slug")));
    EXPECT_TRUE(prompts.errors.empty());

    // Every load's recommended uses fit their box, three lines too.
    const auto* use = detail->findChild<QLabel*>(QStringLiteral("lblRecommendedUseTabPage0"));
    for (int i = 0; i < static_cast<int>(window->Shown().Count()); ++i) {
        window->SelectGridRow(i);
        EXPECT_LE(use->heightForWidth(use->contentsRect().width()), use->contentsRect().height())
            << use->text().toStdString();
    }

    // A wider window rewraps the description in a larger font.
    const auto lines = detail->DescriptionLines().size();
    const int points = detail->DescriptionList()->font().pointSize();
    window->resize(1500, 650);
    QApplication::processEvents();
    EXPECT_GT(detail->DescriptionList()->font().pointSize(), points);
    EXPECT_LE(detail->DescriptionLines().size(), lines);
}

TEST_F(DetailAreaTest, SizeButtonShrinksAndExpandsAndComponentsKeepTheTitlePicture) {
    auto window = Open(1);
    DetailArea* detail = window->Detail();
    window->SelectGridRow(1);
    QTest::mouseClick(detail->SizeButton(), Qt::LeftButton);
    EXPECT_EQ(detail->height(), DetailArea::kShrunkHeight);
    EXPECT_EQ(detail->SizeButton()->toolTip(), QStringLiteral("Expand load detail area"));
    EXPECT_FALSE(detail->DescriptionList()->isVisible());
    window->SelectGridRow(2); // stays shrunk across loads
    EXPECT_EQ(detail->height(), DetailArea::kShrunkHeight);
    QTest::mouseClick(detail->SizeButton(), Qt::LeftButton);
    EXPECT_EQ(detail->height(), DetailArea::kHeight);
    EXPECT_TRUE(detail->DescriptionList()->isVisible());

    window->SectionTabs()->setCurrentIndex(5);
    window->SelectGridRow(1);
    EXPECT_TRUE(detail->ShowsTitlePicture());
}

TEST_F(DetailAreaTest, BadPicturesKeepThePreviousOneAndMissingDescriptionsAreReported) {
    auto window = Open(0);
    DetailArea* detail = window->Detail();
    window->SelectGridRow(0);
    const qint64 before = detail->SmallPicture()->pixmap().cacheKey();
    QFile garbage(QString::fromStdString(Picture("broken.jpg").string()));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a picture");
    garbage.close();
    EXPECT_FALSE(detail->LoadDetailImage(garbage.fileName()));
    EXPECT_FALSE(detail->LoadDetailImage(garbage.fileName() + QStringLiteral("-missing.jpg")));
    EXPECT_EQ(detail->SmallPicture()->pixmap().cacheKey(), before);
    // Without a large form the picture is inert.
    EXPECT_FALSE(detail->LargeImageExists());
    QTest::mouseClick(detail->SmallPicture(), Qt::LeftButton);
    EXPECT_FALSE(window->Side()->LargeImagePopup()->isVisible());
    EXPECT_TRUE(prompts.errors.empty());

    // Without descriptions: no text, "noimage.jpg", and the file named at every selection.
    fs::remove(Picture("descriptions.ini"));
    auto fresh = Open(0);
    fresh->SelectGridRow(0);
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_TRUE(Reported("descriptions.ini"));
    EXPECT_TRUE(fresh->Detail()->DescriptionLines().isEmpty());
    EXPECT_TRUE(fresh->Detail()->LargeImagePath().endsWith(QStringLiteral("noimagel.jpg")));
    fresh->SelectGridRow(1);
    EXPECT_EQ(prompts.errors.size(), 2u);
}

TEST_F(DetailAreaTest, LargeImagePopupFollowsTheSelection) {
    fs::remove(Picture("bullet-spl.jpg"));
    fs::remove(Picture("bullet-rnl.jpg"));
    fs::remove(Picture("bullet-hpl.jpg"));
    auto window = Open(0);
    DetailArea* detail = window->Detail();
    TfrmLargeImagePopup* popup = window->Side()->LargeImagePopup();
    window->SelectGridRow(0);
    ASSERT_TRUE(detail->LargeImageExists());
    QSignalSpy focus(popup, &TfrmLargeImagePopup::catalogFocusWanted);
    QTest::mouseClick(detail->SmallPicture(), Qt::LeftButton);
    ASSERT_TRUE(popup->isVisible());
    EXPECT_EQ(focus.count(), 1); // the keyboard stays with the catalog
    EXPECT_TRUE(window->Side()->LargeImageShown());
    const QImage large = ReadPictureFile(detail->LargeImagePath());
    EXPECT_EQ(popup->width(), large.width());

    // A load whose large picture is missing switches the shown popup to "noimagel.jpg".
    QTest::mouseClick(detail->StyleButton(), Qt::LeftButton);
    int missing = -1;
    for (int i = 0; i < static_cast<int>(window->Shown().Count()) && missing < 0; ++i) {
        window->SelectGridRow(i);
        if (!detail->LargeImageExists()) {
            missing = i;
        }
    }
    ASSERT_GE(missing, 0);
    EXPECT_TRUE(popup->isVisible());
    const QImage noImage = ReadPictureFile(QString::fromStdString(Picture("noimagel.jpg")));
    EXPECT_EQ(popup->Image1()->pixmap().size(), noImage.size());

    // Closed, it stays closed for loads without a large picture.
    popup->close();
    EXPECT_FALSE(window->Side()->LargeImageShown());
    window->SelectGridRow(missing);
    QTest::mouseClick(detail->SmallPicture(), Qt::LeftButton);
    EXPECT_FALSE(popup->isVisible());
}

TEST_F(DetailAreaTest, PelletWindowRefillsWhileOpenAndClosesOnSectionOrUnitChange) {
    auto window = Open(4);
    TfrmPelletData* pellet = window->Side()->PelletWindow();
    EXPECT_FALSE(window->Strip()->PelletButton()->isEnabled());
    window->SelectGridRow(0);
    ASSERT_TRUE(window->Strip()->PelletButton()->isEnabled());
    QTest::mouseClick(window->Strip()->PelletButton(), Qt::LeftButton);
    ASSERT_TRUE(pellet->isVisible());
    EXPECT_TRUE(window->Side()->PelletWindowShown());
    const QString first = pellet->lblLoadNo()->text();
    EXPECT_TRUE(window->Detail()->Title().contains(first.section(QLatin1Char(' '), 2, 2)));

    window->SelectGridRow(3);
    EXPECT_NE(pellet->lblLoadNo()->text(), first);

    window->SetUnitSystem(false);
    EXPECT_FALSE(pellet->isVisible());
    EXPECT_FALSE(window->Side()->PelletWindowShown());
    window->SelectGridRow(1);
    EXPECT_FALSE(pellet->isVisible());

    QTest::mouseClick(window->Strip()->PelletButton(), Qt::LeftButton);
    EXPECT_TRUE(pellet->lblLoadNo()->text().contains(QStringLiteral("Grams")));
    window->SectionTabs()->setCurrentIndex(0);
    EXPECT_FALSE(pellet->isVisible());
    EXPECT_TRUE(prompts.errors.empty());
}

// Only the user or a filter change selects a load: not closing a side window, a section switch,
// Refresh or a column choice, whichever widget gets the focus on the way.
TEST_F(DetailAreaTest, NoLoadIsSelectedByItself) {
    auto window = Open(4);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    CatalogGridView* grid = window->Grid();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(2, 1)).center());
    QTest::mouseClick(window->Strip()->PelletButton(), Qt::LeftButton);
    TfrmPelletData* pellet = window->Side()->PelletWindow();
    pellet->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(pellet));
    QTest::mouseClick(pellet->bbnClose(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::mouseClick(window->SectionTabs(), Qt::LeftButton, {},
                      window->SectionTabs()->tabRect(0).center());
    ASSERT_EQ(TabIndex(window->CurrentSection()), 0);
    EXPECT_EQ(grid->SelectedRow(), 0);
    EXPECT_TRUE(window->Detail()->ShowsTitlePicture());

    QTest::keyClick(window->Strip()->Ballistics()->AltitudeEntry(), Qt::Key_1);
    QTest::mouseClick(window->Strip()->RefreshButton(), Qt::LeftButton);
    window->Menus().Headings[static_cast<int>(HeadingItem::Note)]->trigger();
    EXPECT_EQ(grid->SelectedRow(), 0);
    EXPECT_TRUE(window->Detail()->ShowsTitlePicture());
    QTest::keyClick(grid, Qt::Key_Down); // the keyboard still starts at the first load
    EXPECT_EQ(grid->SelectedRow(), 1);
    EXPECT_FALSE(window->Detail()->ShowsTitlePicture());
}

} // namespace
} // namespace corvane
