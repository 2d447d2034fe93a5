#pragma once
// The report's pictures, its paper and its PDF file: Qt GUI only, so the tool renders the same
// page without the widgets. Printing is in ReportPrinting.h.
#include "common/FileWrite.h"
#include "report/ui/ReportPage.h"

#include <QImage>
#include <QPageSize>
#include <QString>

namespace corvane {

struct ReportPictures {
    QImage Header;
    QImage Footer; // null when there is no custom footer
};

// "RprtClr.bmp" with colour printing, "RprtBW.bmp" without, in `productInfoDir`.
QString ReportHeaderPicturePath(const QString& productInfoDir, bool colorPrinting);

// The message that aborts a report whose header picture file is missing.
QString ReportAbortedMessage(const QString& missingPath);

// Loads the header picture (required) and "CustomFooter.bmp" (optional). A missing header
// picture file gives false and the abort message in `error`.
bool LoadReportPictures(const QString& productInfoDir, bool colorPrinting, ReportPictures& pictures,
                        QString& error);

// The report's paper: the default printer's (as CUPS reports it), Letter when there is no
// printer. The preview, the printer and every PDF of the report (the program's and the tool's)
// take it from here, so they all show the same page.
QPageSize ReportPaperSize();

// Writes the page as a one-page PDF file on the report's paper; the error (UTF-8) names what
// went wrong when the file cannot be written.
WriteResult WriteReportPdf(const PrintablePage& page, const QString& title, const QString& pdfPath);

// The one-page report as a PDF file (WriteReportPdf); an error when the header picture is
// missing or the file cannot be written. Needs a QGuiApplication.
WriteResult RenderReportToPdf(const LoadReport& report, const QString& productInfoDir,
                              bool colorPrinting, const QString& pdfPath);

} // namespace corvane
