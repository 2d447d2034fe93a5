#include "app/DetailArea.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace corvane {

DetailArea::DetailArea(QWidget* parent) : QStackedWidget(parent) {
    setObjectName(QStringLiteral("pnlDetailTabPage0"));
    setFixedHeight(kHeight);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    ImageDetailTabPage0 = new QLabel(this);
    ImageDetailTabPage0->setAlignment(Qt::AlignCenter);
    ImageDetailTabPage0->setMinimumSize(1, 1);
    addWidget(ImageDetailTabPage0);

    auto* detail = new QWidget(this);
    lblLoadDetailTitleTabPage0 = new QLabel(QStringLiteral("Load Title"), detail);
    lblLoadDetailTitleTabPage0->setAlignment(Qt::AlignCenter);
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(17);
    titleFont.setBold(true);
    lblLoadDetailTitleTabPage0->setFont(titleFont);
    lblRecommendedUseTabPage0 = new QLabel(detail);
    lblRecommendedUseTabPage0->setAlignment(Qt::AlignCenter);
    lblRecommendedUseTabPage0->setWordWrap(true);
    QFont useFont(QStringLiteral("Arial"));
    useFont.setPixelSize(15);
    useFont.setBold(true);
    lblRecommendedUseTabPage0->setFont(useFont);
    QPalette navy = lblRecommendedUseTabPage0->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    lblRecommendedUseTabPage0->setPalette(navy);
    auto* layout = new QVBoxLayout(detail);
    layout->addWidget(lblLoadDetailTitleTabPage0);
    layout->addWidget(lblRecommendedUseTabPage0, 1);
    addWidget(detail);
}

void DetailArea::ShowTitlePicture(const QImage& picture) {
    if (!picture.isNull()) {
        titlePicture_ = picture;
    }
    setCurrentIndex(0);
    FitTitlePicture();
}

void DetailArea::ShowLoadTitle(const QString& title, const QString& recommendedUse) {
    lblLoadDetailTitleTabPage0->setText(title);
    lblRecommendedUseTabPage0->setText(recommendedUse);
    setCurrentIndex(1);
}

QString DetailArea::Title() const {
    return lblLoadDetailTitleTabPage0->text();
}

void DetailArea::resizeEvent(QResizeEvent* event) {
    QStackedWidget::resizeEvent(event);
    FitTitlePicture();
}

void DetailArea::FitTitlePicture() {
    if (titlePicture_.isNull()) {
        ImageDetailTabPage0->clear();
        return;
    }
    ImageDetailTabPage0->setPixmap(QPixmap::fromImage(
        titlePicture_.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

} // namespace corvane
