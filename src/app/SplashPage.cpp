#include "app/SplashPage.h"

#include "common/NumberText.h"

#include <QMouseEvent>
#include <QPainter>

namespace corvane {
namespace {

// Rifle, pistol, rimfire, slug, shotshell, components, Zora Raduzu on the design picture.
constexpr std::array<QRect, SplashPage::kAreaCount> kDesignAreas{{
    {53, 247, 142, 30},
    {218, 247, 147, 30},
    {386, 247, 71, 30},
    {471, 247, 48, 30},
    {534, 247, 87, 30},
    {636, 247, 100, 30},
    {525, 430, 150, 30},
}};
const QColor kFrameColor(0x70, 0x70, 0x70); // colour number 7368816

int Scaled(int value, double factor) {
    return static_cast<int>(RoundHalfEven(value * factor));
}

} // namespace

SplashPage::SplashPage(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setObjectName(QStringLiteral("Splash"));
    ScaleSplashOverlays();
}

void SplashPage::SetPicture(const QImage& picture) {
    picture_ = picture;
    ScaleSplashOverlays();
    update();
}

void SplashPage::HighlightSplashItem(int area) {
    const int next = area >= 0 && area < kAreaCount ? area : -1;
    if (next != highlighted_) {
        highlighted_ = next;
        update();
    }
}

void SplashPage::ScaleSplashOverlays() {
    // The hot areas are placed on the picture's own pixels; it is stretched to the page.
    const QSize design = picture_.isNull() ? kDesignSize : picture_.size();
    const double sx = static_cast<double>(width()) / design.width();
    const double sy = static_cast<double>(height()) / design.height();
    for (int i = 0; i < kAreaCount; ++i) {
        const QRect& d = kDesignAreas[static_cast<std::size_t>(i)];
        areas_[static_cast<std::size_t>(i)] = QRect(Scaled(d.left(), sx), Scaled(d.top(), sy),
                                                    Scaled(d.width(), sx), Scaled(d.height(), sy));
        penWidths_[static_cast<std::size_t>(i)] = Scaled(i == kExpertArea ? 35 : 17, sy);
    }
}

int SplashPage::AreaAt(QPoint pos) const {
    for (int i = 0; i < kAreaCount; ++i) {
        if (areas_[static_cast<std::size_t>(i)].contains(pos)) {
            return i;
        }
    }
    return -1;
}

void SplashPage::paintEvent(QPaintEvent*) {
    // The frame is OR-ed into the picture, so it is drawn on an image of the page first.
    QImage page(size(), QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter p(&page);
        if (!picture_.isNull()) {
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(rect(), picture_);
        }
        if (highlighted_ >= 0) {
            const QRect area = areas_[static_cast<std::size_t>(highlighted_)];
            const int pen = std::max(1, penWidths_[static_cast<std::size_t>(highlighted_)]);
            // The pen stays inside the area; a pen wider than the area fills it.
            const int inset = std::min(pen / 2, std::min(area.width(), area.height()) / 2);
            QPen framePen(kFrameColor, pen);
            framePen.setJoinStyle(Qt::MiterJoin);
            p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
            p.setPen(framePen);
            p.setBrush(Qt::NoBrush);
            p.setClipRect(area);
            p.drawRect(QRectF(area).adjusted(inset, inset, -inset, -inset));
        }
    }
    QPainter(this).drawImage(0, 0, page);
}

void SplashPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ScaleSplashOverlays();
}

void SplashPage::mouseMoveEvent(QMouseEvent* event) {
    const int area = AreaAt(event->position().toPoint());
    setCursor(area >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    HighlightSplashItem(area);
}

void SplashPage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const int area = AreaAt(event->position().toPoint());
    HighlightSplashItem(-1);
    if (area >= 0) {
        emit hotAreaClicked(area);
    }
}

void SplashPage::leaveEvent(QEvent* event) {
    HighlightSplashItem(-1);
    QWidget::leaveEvent(event);
}

} // namespace corvane
