#pragma once
// Where the report page goes: its pictures, a printer (real or preview) and a PDF file.
#include "report/ui/ReportPage.h"

#include <QImage>
#include <QString>

#include <string>
#include <vector>

class QPrinter;

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

// The report's page: the printer's paper with 0.5 inch margins on all sides.
ReportPageSize ReportPageSizeOf(const QPrinter& printer);

// Paints the page on a printer or a preview's printer (full-page mode).
void PrintReportPage(QPrinter& printer, const LoadReportPage& page);

// The one-page report of `text` as a Letter-size PDF file. False with a message in `error`
// when the header picture is missing or the file cannot be written. Needs a QGuiApplication.
bool RenderReportToPdf(const std::vector<std::string>& text, const QString& productInfoDir,
                       bool colorPrinting, const QString& pdfPath, QString* error);

} // namespace corvane
