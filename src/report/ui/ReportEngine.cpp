#include "report/ui/ReportEngine.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QRectF>
#include <QStringList>

#include <algorithm>

namespace corvane {

void InstallReportFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
}

ReportEngine::ReportEngine(QPainter& painter, const ReportPageSize& page)
    : painter_(painter), page_(page), dpiX_(painter.device()->logicalDpiX()),
      dpiY_(painter.device()->logicalDpiY()), yPos_(page.TopMargin), xPos_(page.LeftMargin) {
    InstallReportFontSubstitutes();
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    SetPen(Qt::black, Qt::SolidLine, 0.01);
    SetFont(QStringLiteral("Arial"), 10);
}

QPointF ReportEngine::ToDevice(double x, double y) const {
    return {x * dpiX_, y * dpiY_};
}

void ReportEngine::PrintBitmapRect(double x1, double y1, double x2, double y2,
                                   const QImage& picture) {
    if (picture.isNull()) {
        return;
    }
    painter_.drawImage(QRectF(ToDevice(x1, y1), ToDevice(x2, y2)), picture);
}

void ReportEngine::SetPen(const QColor& color, Qt::PenStyle style, double width) {
    pen_ = QPen(color, std::max(width, 0.0) * dpiX_, style, Qt::SquareCap, Qt::MiterJoin);
}

void ReportEngine::MoveTo(double x, double y) {
    penPos_ = ToDevice(x, y);
}

void ReportEngine::LineTo(double x, double y) {
    const QPointF to = ToDevice(x, y);
    painter_.setPen(pen_);
    painter_.drawLine(penPos_, to);
    penPos_ = to;
}

void ReportEngine::SetFont(const QString& name, double points) {
    font_ = QFont(name);
    font_.setPointSizeF(points);
    font_.setBold(false);
    font_.setItalic(false);
    font_.setUnderline(false);
    UpdateLineHeight();
}

void ReportEngine::SetBold(bool bold) {
    font_.setBold(bold);
}

void ReportEngine::UpdateLineHeight() {
    const QFontMetricsF metrics(font_, painter_.device());
    lineHeight_ = metrics.lineSpacing() / dpiY_;
    descent_ = metrics.descent() / dpiY_;
}

double ReportEngine::TextWidth(const QString& text) const {
    const QFontMetricsF metrics(font_, painter_.device());
    return metrics.horizontalAdvance(text) / dpiX_;
}

void ReportEngine::DrawText(double x, const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    painter_.setFont(font_);
    painter_.setPen(QPen(Qt::black));
    painter_.drawText(ToDevice(x, yPos_), text);
}

void ReportEngine::PrintCenter(const QString& text, double x) {
    DrawText(x - TextWidth(text) / 2, text);
}

void ReportEngine::PrintInTab(const Tab& tab, const QString& text) {
    // The cell spans the whole line: from one line height above the line's bottom to the
    // bottom of the descenders, so consecutive rows share their box lines.
    const double bottom = yPos_ + descent_;
    const double top = bottom - lineHeight_;
    const double right = tab.Left + tab.Width;
    const QRectF cell(ToDevice(tab.Left, top), ToDevice(right, bottom));
    if (tab.ShadePercent > 0) {
        const double share = std::min(tab.ShadePercent, 100) / 100.0;
        const auto tint = [share](int channel) {
            return static_cast<int>(255 - (255 - channel) * share + 0.5);
        };
        painter_.fillRect(cell, QColor(tint(shadeColor_.red()), tint(shadeColor_.green()),
                                       tint(shadeColor_.blue())));
    }
    painter_.setPen(pen_);
    if ((tab.BoxLines & BoxLineLeft) != 0) {
        painter_.drawLine(cell.topLeft(), cell.bottomLeft());
    }
    if ((tab.BoxLines & BoxLineRight) != 0) {
        painter_.drawLine(cell.topRight(), cell.bottomRight());
    }
    if ((tab.BoxLines & BoxLineTop) != 0) {
        painter_.drawLine(cell.topLeft(), cell.topRight());
    }
    if ((tab.BoxLines & BoxLineBottom) != 0) {
        painter_.drawLine(cell.bottomLeft(), cell.bottomRight());
    }
    const double width = TextWidth(text);
    double x = tab.Left + tab.Margin;
    if (tab.Justify == TabJustify::Right) {
        x = right - tab.Margin - width;
    } else if (tab.Justify == TabJustify::Center) {
        x = tab.Left + (tab.Width - width) / 2;
    }
    DrawText(x, text);
    xPos_ = right;
}

void ReportEngine::PrintTab(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('\t'));
    if (!parts.front().isEmpty()) {
        DrawText(xPos_, parts.front());
        xPos_ += TextWidth(parts.front());
    }
    for (qsizetype i = 1; i < parts.size(); ++i) {
        ++currentTab_;
        if (currentTab_ >= TabCount()) {
            return;
        }
        PrintInTab(tabs_[static_cast<std::size_t>(currentTab_)], parts[i]);
    }
}

void ReportEngine::PrintlnTab(const QString& text) {
    PrintTab(text);
    NewLine();
}

void ReportEngine::NewLine() {
    yPos_ += lineHeight_;
    xPos_ = page_.LeftMargin;
    currentTab_ = -1;
}

void ReportEngine::ClearTabs() {
    tabs_.clear();
    currentTab_ = -1;
}

void ReportEngine::SetTab(std::optional<double> left, TabJustify justify, double width,
                          double margin, unsigned boxLines, int shadePercent) {
    double start = page_.LeftMargin;
    if (left.has_value()) {
        start = *left;
    } else if (!tabs_.empty()) {
        start = tabs_.back().Left + tabs_.back().Width;
    }
    tabs_.push_back({start, width, justify, margin, boxLines, shadePercent});
}

void PrintPageHead(ReportEngine& r, const QImage& header, const QString& title) {
    const ReportPageSize& page = r.Page();
    const double centerX = page.Width / 2;
    r.PrintBitmapRect(centerX - 1.8, 0.5, centerX + 1.8, 1.34, header);
    r.SetPen(Qt::black, Qt::SolidLine, 0.03);
    r.MoveTo(page.LeftMargin + 0.5, 1.42);
    r.LineTo(page.Width - page.RightMargin - 0.5, 1.42);
    r.SetPen(Qt::black, Qt::SolidLine, 0.01);
    r.SetFont(ReportTypeface(), 16);
    r.SetYPos(1.65);
    r.SetBold(true);
    r.PrintCenter(title, centerX);
}

} // namespace corvane
