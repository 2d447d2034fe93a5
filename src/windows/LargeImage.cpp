#include "windows/LargeImage.h"

#include "common/ui/JpegDecoder.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QWheelEvent>

namespace corvane {
namespace {

constexpr int kCloseWidth = 45;
constexpr int kCloseHeight = 21;

} // namespace

QImage DrawClosePicture() {
    QImage image(kCloseWidth, kCloseHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(QColor(240, 240, 240, 220));
    painter.drawRoundedRect(QRectF(0.5, 0.5, kCloseWidth - 1, kCloseHeight - 1), 4, 4);
    // A small cross, then the word.
    painter.setPen(QPen(QColor(170, 30, 30), 2));
    painter.drawLine(QPointF(5, 7), QPointF(11, 13));
    painter.drawLine(QPointF(11, 7), QPointF(5, 13));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(10);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(14, 0, kCloseWidth - 15, kCloseHeight), Qt::AlignCenter,
                     QStringLiteral("Close"));
    return image;
}

TfrmLargeImagePopup::TfrmLargeImagePopup(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                         Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint) {
    setWindowTitle(QStringLiteral(" Large Image"));
    resize(kInitialClientWidth, kInitialClientHeight);

    image1_ = new QLabel(this);
    image1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image1_->setScaledContents(false);
    image1_->setMouseTracking(true);
    image1_->installEventFilter(this);
    image1_->setGeometry(rect());

    image2_ = new QLabel(this);
    image2_->setPixmap(QPixmap::fromImage(DrawClosePicture()));
    image2_->setFixedSize(kCloseWidth, kCloseHeight);
    image2_->setCursor(Qt::PointingHandCursor);
    image2_->setAttribute(Qt::WA_TranslucentBackground);
    image2_->installEventFilter(this);
    image2_->move(width() - kCloseMargin - kCloseWidth, height() - kCloseMargin - kCloseHeight);
    image2_->raise();
}

bool TfrmLargeImagePopup::LoadLargeImage(const QString& fileName) {
    image1_->setVisible(true);
    image1_->setScaledContents(false);
    const QImage picture = ReadPictureFile(fileName);
    if (picture.isNull()) {
        return false;
    }
    image1_->setPixmap(QPixmap::fromImage(picture));
    resize(picture.width(), height());
    PlaceChildren(); // a hidden window gets its resize event only when shown
    return true;
}

bool TfrmLargeImagePopup::ShowLargePicture(const QString& largeFile, const QString& noImageFile) {
    if (!largeFile.isEmpty() && QFileInfo(largeFile).isFile()) {
        LoadLargeImage(largeFile);
        showNormal();
    } else if (isVisible()) {
        LoadLargeImage(noImageFile);
        showNormal();
    }
    emit catalogFocusWanted();
    return isVisible();
}

void TfrmLargeImagePopup::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closed();
}

void TfrmLargeImagePopup::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceChildren();
}

void TfrmLargeImagePopup::PlaceChildren() {
    image1_->setGeometry(rect());
    // Anchored to the top and right edges: the close picture follows the right edge only.
    image2_->move(width() - kCloseMargin - kCloseWidth, image2_->y());
}

void TfrmLargeImagePopup::wheelEvent(QWheelEvent* event) {
    HandleWheel(event);
}

void TfrmLargeImagePopup::HandleWheel(QWheelEvent* event) {
    emit catalogFocusWanted();
    emit wheelTurned(event->angleDelta().y());
    event->accept();
}

bool TfrmLargeImagePopup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == image1_ && event->type() == QEvent::MouseMove) {
        emit catalogFocusWanted();
    } else if (watched == image1_ && event->type() == QEvent::Wheel) {
        HandleWheel(static_cast<QWheelEvent*>(event));
        return true;
    } else if (watched == image2_ && event->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace corvane
