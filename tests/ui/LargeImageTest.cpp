#include "windows/LargeImage.h"

#include "OffscreenApp.h"
#include "catalog/DetailText.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace corvane {
namespace {

class LargeImageTest : public ::testing::Test {
protected:
    QString Picture(const char* name, int width, int height, QColor colour) const {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = dir_.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(image.save(path, "JPG"));
        return path;
    }
    QString Missing() const { return dir_.filePath(QStringLiteral("absentl.jpg")); }

    QTemporaryDir dir_;
};

TEST_F(LargeImageTest, WidthFollowsThePictureAndCloseKeepsItsPlace) {
    TfrmLargeImagePopup popup;
    EXPECT_EQ(popup.windowTitle(), QStringLiteral(" Large Image"));
    EXPECT_EQ(popup.size(), QSize(600, 250));
    const int closeTop = popup.Image2()->y();
    EXPECT_EQ(popup.width() - popup.Image2()->geometry().right() - 1,
              TfrmLargeImagePopup::kCloseMargin);

    ASSERT_TRUE(popup.LoadLargeImage(Picture("wide.jpg", 800, 120, Qt::darkGreen)));
    EXPECT_EQ(popup.size(), QSize(800, 250));
    EXPECT_EQ(popup.Image1()->pixmap().size(), QSize(800, 120)); // unscaled
    EXPECT_EQ(popup.width() - popup.Image2()->geometry().right() - 1,
              TfrmLargeImagePopup::kCloseMargin);
    EXPECT_EQ(popup.Image2()->y(), closeTop);

    // A missing or broken file leaves the previous picture and width.
    EXPECT_FALSE(popup.LoadLargeImage(Missing()));
    QFile broken(dir_.filePath(QStringLiteral("brokenl.jpg")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\xFF\xD8\xFF garbage");
    broken.close();
    EXPECT_FALSE(popup.LoadLargeImage(broken.fileName()));
    EXPECT_EQ(popup.width(), 800);
    EXPECT_EQ(popup.Image1()->pixmap().size(), QSize(800, 120));
}

TEST_F(LargeImageTest, EveryLargePictureOfTheSampleShowsWhole) {
    TfrmLargeImagePopup popup;
    const QDir pictures(QStringLiteral(CORVANE_BUILT_BIN_DIR "/ProductInfo"));
    int shown = 0;
    for (const QString& small : pictures.entryList({QStringLiteral("*.jpg")})) {
        const QString large =
            QString::fromStdString(LargeImageName(pictures.filePath(small).toStdString()));
        if (QFileInfo(large).isFile()) {
            ASSERT_TRUE(popup.LoadLargeImage(large));
            EXPECT_TRUE(popup.rect().contains(QRect({0, 0}, popup.Image1()->pixmap().size())))
                << large.toStdString();
            ++shown;
        }
    }
    EXPECT_GT(shown, 10);
}

TEST_F(LargeImageTest, ClosePictureClosesAndPointerGivesFocusBack) {
    TfrmLargeImagePopup popup;
    popup.show();
    QSignalSpy closed(&popup, &TfrmLargeImagePopup::closed);
    QSignalSpy focus(&popup, &TfrmLargeImagePopup::catalogFocusWanted);
    QSignalSpy wheel(&popup, &TfrmLargeImagePopup::wheelTurned);

    QMouseEvent move(QEvent::MouseMove, QPointF(60, 60), QPointF(60, 60), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(popup.Image1(), &move);
    EXPECT_GE(focus.count(), 1);

    const int before = focus.count();
    QWheelEvent turn(QPointF(60, 60), QPointF(60, 60), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(popup.Image1(), &turn);
    EXPECT_EQ(focus.count(), before + 1);
    ASSERT_EQ(wheel.count(), 1);
    EXPECT_EQ(wheel.at(0).at(0).toInt(), -120);

    QTest::mouseClick(popup.Image2(), Qt::LeftButton);
    EXPECT_FALSE(popup.isVisible());
    EXPECT_EQ(closed.count(), 1);
}

} // namespace
} // namespace corvane
