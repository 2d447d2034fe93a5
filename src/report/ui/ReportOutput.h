#pragma once
// Where the report page goes: its pictures, a printer (real or preview) and a PDF file.
#include "report/ui/ReportPage.h"

#include <QImage>
#include <QPageSize>
#include <QString>

#include <functional>
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

// The report's paper: the default printer's, Letter when there is no printer. The preview, the
// printer and every PDF of the report (the program's and the tool's) take it from here, so they
// all show the same page.
QPageSize ReportPaperSize();

// A printer set up for the report: its paper, margins of 0.5 inch on all sides and the
// document name "Print Report".
void PrepareReportPrinter(QPrinter& printer);

// The report's page: the printer's paper and its margins.
ReportPageSize ReportPageSizeOf(const QPrinter& printer);

// Paints the page on a printer or a preview's printer (full-page mode). `onNewPage` is told the
// number of each page before it is painted. False when the printer could not be started.
bool PrintReportPage(QPrinter& printer, const LoadReportPage& page,
                     const std::function<void(int)>& onNewPage = {});

// Writes the page as a one-page PDF file on the report's paper. False with a message in `error`
// when the file cannot be written.
bool WriteReportPdf(const LoadReportPage& page, const QString& title, const QString& pdfPath,
                    QString* error);

// The one-page report of `text` as a PDF file (WriteReportPdf). False with a message in `error`
// when the header picture is missing or the file cannot be written. Needs a QGuiApplication.
bool RenderReportToPdf(const std::vector<std::string>& text, const QString& productInfoDir,
                       bool colorPrinting, const QString& pdfPath, QString* error);

} // namespace corvane
