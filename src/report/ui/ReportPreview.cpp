#include "report/ui/ReportPreview.h"

#include "common/UnitConversion.h"
#include "common/ui/QtText.h"
#include "report/RulerTicks.h"

#include <QAction>
#include <QEvent>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGridLayout>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace corvane {

namespace {

constexpr int kRulerThickness = 22;

} // namespace

PreviewRuler::PreviewRuler(Qt::Orientation orientation, QPrintPreviewWidget* preview,
                           const QPrinter* printer, bool metric, QWidget* parent)
    : QWidget(parent), orientation_(orientation), preview_(preview), printer_(printer),
      metric_(metric) {
    setObjectName(orientation == Qt::Horizontal ? QStringLiteral("RulerTop")
                                                : QStringLiteral("RulerLeft"));
    setSizePolicy(orientation == Qt::Horizontal ? QSizePolicy::Expanding : QSizePolicy::Fixed,
                  orientation == Qt::Horizontal ? QSizePolicy::Fixed : QSizePolicy::Expanding);
}

QSize PreviewRuler::sizeHint() const {
    return {kRulerThickness, kRulerThickness};
}

// The preview widget draws its pages in a graphics view whose scene is in printer pixels; that
// view is the only place that knows the zoom and the scroll position together.
QGraphicsView* PreviewRuler::PageView() const {
    auto* view = preview_->findChild<QGraphicsView*>();
    return view != nullptr && view->scene() != nullptr ? view : nullptr;
}

std::optional<PreviewRuler::Scale> PreviewRuler::CurrentScale() const {
    QGraphicsView* view = PageView();
    if (view == nullptr || view->scene()->items().isEmpty()) {
        return std::nullopt;
    }
    // The first page is the topmost, leftmost one; its position is the paper's corner.
    QPointF corner = view->scene()->items().constFirst()->pos();
    for (const QGraphicsItem* item : view->scene()->items()) {
        const QPointF at = item->pos();
        if (at.y() < corner.y() || (at.y() == corner.y() && at.x() < corner.x())) {
            corner = at;
        }
    }
    const QPointF onScreen = view->viewport()->mapToGlobal(view->viewportTransform().map(corner));
    const QPointF here = mapFromGlobal(onScreen);
    const bool across = orientation_ == Qt::Horizontal;
    const double pixelsPerInch =
        (across ? view->viewportTransform().m11() : view->viewportTransform().m22()) *
        printer_->resolution();
    const QRectF paper = printer_->pageLayout().fullRect(QPageLayout::Inch);
    const double unit = metric_ ? 1 / kCentimetersPerInch : 1.0;
    return Scale{across ? here.x() : here.y(), pixelsPerInch * unit,
                 (across ? paper.width() : paper.height()) / unit};
}

void PreviewRuler::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    const std::optional<Scale> scale = CurrentScale();
    if (!scale) {
        return;
    }
    const bool across = orientation_ == Qt::Horizontal;
    const double length = across ? width() : height();
    const double paperEnd = scale->Origin + scale->PaperUnits * scale->PixelsPerUnit;
    const QRectF paper = across ? QRectF(scale->Origin, 0, paperEnd - scale->Origin, height())
                                : QRectF(0, scale->Origin, width(), paperEnd - scale->Origin);
    painter.fillRect(paper, palette().color(QPalette::Base));

    QFont font = painter.font();
    font.setPixelSize(9);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::WindowText));
    const double depth = across ? height() : width();
    for (const RulerTick& tick :
         RulerTicks(scale->Origin, scale->PixelsPerUnit, scale->PaperUnits, length, metric_)) {
        const double size = depth * (tick.Level == 0 ? 0.5 : tick.Level == 1 ? 0.35 : 0.2);
        if (across) {
            painter.drawLine(QPointF(tick.Position, depth - size), QPointF(tick.Position, depth));
        } else {
            painter.drawLine(QPointF(depth - size, tick.Position), QPointF(depth, tick.Position));
        }
        if (!tick.Label.empty()) {
            const QString label = ToQString(tick.Label);
            if (across) {
                painter.drawText(QPointF(tick.Position + 2, 10), label);
            } else {
                painter.drawText(QPointF(2, tick.Position + 10), label);
            }
        }
    }
}

ReportPreview::ReportPreview(QPrinter* printer, bool metric, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Report Preview"));
    view_ = new QPrintPreviewWidget(printer, this);
    view_->setZoomMode(QPrintPreviewWidget::CustomZoom);
    view_->setZoomFactor(kInitialZoom);
    connect(view_, &QPrintPreviewWidget::paintRequested, this, &ReportPreview::paintRequested);

    auto* tools = new QToolBar(this);
    QAction* print = tools->addAction(QStringLiteral("Print"));
    print->setObjectName(QStringLiteral("PreviewPrint"));
    connect(print, &QAction::triggered, this, &ReportPreview::printRequested);
    tools->addSeparator();
    connect(tools->addAction(QStringLiteral("Zoom in")), &QAction::triggered, view_,
            [this] { view_->zoomIn(); });
    connect(tools->addAction(QStringLiteral("Zoom out")), &QAction::triggered, view_,
            [this] { view_->zoomOut(); });
    connect(tools->addAction(QStringLiteral("Fit width")), &QAction::triggered, view_,
            &QPrintPreviewWidget::fitToWidth);
    connect(tools->addAction(QStringLiteral("Whole page")), &QAction::triggered, view_,
            &QPrintPreviewWidget::fitInView);
    tools->addSeparator();
    connect(tools->addAction(QStringLiteral("Close")), &QAction::triggered, this, &QDialog::reject);

    top_ = new PreviewRuler(Qt::Horizontal, view_, printer, metric, this);
    left_ = new PreviewRuler(Qt::Vertical, view_, printer, metric, this);
    auto* page = new QGridLayout;
    page->setSpacing(0);
    page->addWidget(top_, 0, 1);
    page->addWidget(left_, 1, 0);
    page->addWidget(view_, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addLayout(page, 1);
    resize(700, 500);

    // Zooming and scrolling repaint the page view; the rulers follow each repaint.
    if (auto* pages = view_->findChild<QGraphicsView*>()) {
        pages->viewport()->installEventFilter(this);
    }
}

bool ReportPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint || event->type() == QEvent::Resize) {
        top_->update();
        left_->update();
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace corvane
