#include "report/ui/ReportPrinting.h"

#include "report/ui/ReportOutput.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

namespace corvane {

namespace {

constexpr double kReportMargin = 0.5;

} // namespace

void PrepareReportPrinter(QPrinter& printer) {
    printer.setDocName(QStringLiteral("Print Report"));
    printer.setPageSize(ReportPaperSize());
    printer.setPageMargins(QMarginsF(kReportMargin, kReportMargin, kReportMargin, kReportMargin),
                           QPageLayout::Inch);
}

ReportPageSize ReportPageSizeOf(const QPrinter& printer) {
    const QPageLayout layout = printer.pageLayout();
    const QRectF paper = layout.fullRect(QPageLayout::Inch);
    const QMarginsF margins = layout.margins(QPageLayout::Inch);
    return {paper.width(),   paper.height(), margins.left(),
            margins.right(), margins.top(),  margins.bottom()};
}

bool PrintReportPage(QPrinter& printer, const PrintablePage& page,
                     const std::function<void(int)>& onNewPage) {
    const ReportPageSize size = ReportPageSizeOf(printer);
    // The engine places everything from the paper's corner; the report keeps its own margins.
    printer.setFullPage(true);
    if (onNewPage) {
        onNewPage(1);
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    ReportEngine engine(painter, size);
    page.Draw(engine);
    return painter.end();
}

} // namespace corvane
