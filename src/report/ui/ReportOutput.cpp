#include "report/ui/ReportOutput.h"

#include "common/ui/JpegDecoder.h"
#include "common/ui/QtText.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <cups/cups.h>

#include <string>

namespace corvane {

namespace {

QString InDir(const QString& dir, const QString& name) {
    return QDir(dir).filePath(name);
}

} // namespace

QString ReportHeaderPicturePath(const QString& productInfoDir, bool colorPrinting) {
    return InDir(productInfoDir,
                 colorPrinting ? QStringLiteral("RprtClr.bmp") : QStringLiteral("RprtBW.bmp"));
}

QString ReportAbortedMessage(const QString& missingPath) {
    return QStringLiteral("          <<< REPORT ABORTED >>>\n\nFile missing: ") + missingPath;
}

bool LoadReportPictures(const QString& productInfoDir, bool colorPrinting, ReportPictures& pictures,
                        QString& error) {
    pictures = ReportPictures();
    const QString header = ReportHeaderPicturePath(productInfoDir, colorPrinting);
    if (!QFileInfo(header).isFile()) {
        error = ReportAbortedMessage(header);
        return false;
    }
    // An unreadable header picture leaves the header area blank rather than losing the report.
    pictures.Header = ReadPictureFile(header);
    const QString footer = InDir(productInfoDir, QStringLiteral("CustomFooter.bmp"));
    if (QFileInfo(footer).isFile()) {
        pictures.Footer = ReadPictureFile(footer);
    }
    return true;
}

QPageSize ReportPaperSize() {
    QPageSize paper(QPageSize::Letter);
    cups_dest_t* printer = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (printer == nullptr) {
        return paper;
    }
    // The user's own choice for the queue first, else the queue's default ("media-default").
    std::string media;
    if (const char* chosen = cupsGetOption("media", printer->num_options, printer->options)) {
        media = chosen;
    } else {
        ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
        char uri[HTTP_MAX_URI];
        httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                         "/printers/%s", printer->name);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                     "media-default");
        ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
        const char* name =
            ippGetString(ippFindAttribute(response, "media-default", IPP_TAG_ZERO), 0, nullptr);
        media = name != nullptr ? name : "";
        ippDelete(response);
    }
    cupsFreeDests(1, printer);
    pwg_media_t* size = pwgMediaForPWG(media.c_str());
    if (size == nullptr) {
        size = pwgMediaForPPD(media.c_str());
    }
    if (size != nullptr && size->width > 0 && size->length > 0) {
        // Hundredths of millimetres; a standard size is matched, so Letter stays 612 x 792 points.
        paper = QPageSize(QSizeF(size->width / 100.0, size->length / 100.0), QPageSize::Millimeter);
    }
    return paper;
}

WriteResult WriteReportPdf(const PrintablePage& page, const QString& title,
                           const QString& pdfPath) {
    const QPageSize paper = ReportPaperSize();
    // Rendered to memory first, so that a failing file write is seen and reported.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(paper);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(600);
        writer.setCreator(QStringLiteral("Corvane Ammo Catalog"));
        writer.setTitle(title);
        QPainter painter;
        if (!painter.begin(&writer)) {
            return {false, "cannot start the PDF page"};
        }
        const QRectF inches = paper.rect(QPageSize::Inch);
        ReportPageSize size;
        size.Width = inches.width();
        size.Height = inches.height();
        ReportEngine engine(painter, size);
        page.Draw(engine);
        painter.end();
    }
    buffer.close();

    QSaveFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(buffer.data()) != buffer.size() ||
        !file.commit()) {
        return {
            false,
            QStringLiteral("cannot write %1: %2").arg(pdfPath, file.errorString()).toStdString()};
    }
    return {true, {}};
}

WriteResult RenderReportToPdf(const LoadReport& report, const QString& productInfoDir,
                              bool colorPrinting, const QString& pdfPath) {
    QString message;
    ReportPictures pictures;
    if (!LoadReportPictures(productInfoDir, colorPrinting, pictures, message)) {
        return {false, message.toStdString()};
    }
    LoadReportPage page;
    page.SetReport(report);
    page.SetPictures(pictures.Header, pictures.Footer);
    page.SetColorPrinting(colorPrinting);
    return WriteReportPdf(page, ToQString(report.Title), pdfPath);
}

} // namespace corvane
