#pragma once
// The "Report Preview" window: the page as it will print, at 70 %, with a ruler along the top
// and the left edge in inches or centimetres that follows the zoom and the scrolling, and a
// toolbar to zoom, print and close.
#include <QDialog>

#include <optional>

class QGraphicsView;
class QPrintPreviewWidget;
class QPrinter;

namespace corvane {

class PreviewRuler : public QWidget {
    Q_OBJECT

public:
    PreviewRuler(Qt::Orientation orientation, QPrintPreviewWidget* preview, const QPrinter* printer,
                 bool metric, QWidget* parent);

    bool Metric() const { return metric_; }

    // Where the paper's edge lies on this ruler (pixels), the pixels of one unit and the paper's
    // length in units, as the preview shows the first page now; nothing before it is laid out.
    struct Scale {
        double Origin = 0;
        double PixelsPerUnit = 0;
        double PaperUnits = 0;
    };
    std::optional<Scale> CurrentScale() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QGraphicsView* PageView() const;

    Qt::Orientation orientation_;
    QPrintPreviewWidget* preview_;
    const QPrinter* printer_;
    bool metric_;
};

class ReportPreview : public QDialog {
    Q_OBJECT

public:
    static constexpr double kInitialZoom = 0.7;

    // `printer` is the one the page is drawn for; it must outlive the window.
    ReportPreview(QPrinter* printer, bool metric, QWidget* parent);

    QPrintPreviewWidget* View() const { return view_; }
    PreviewRuler* TopRuler() const { return top_; }
    PreviewRuler* LeftRuler() const { return left_; }

signals:
    // The page is needed on `printer` (the preview's or a later one).
    void paintRequested(QPrinter* printer);
    // The user asked to print from the preview.
    void printRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPrintPreviewWidget* view_;
    PreviewRuler* top_;
    PreviewRuler* left_;
};

} // namespace corvane
