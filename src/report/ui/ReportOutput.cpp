#include "report/ui/ReportOutput.h"

#include "common/ui/JpegDecoder.h"
#include "common/ui/QtText.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace corvane {

namespace {

constexpr double kReportMargin = 0.5;

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

ReportPageSize ReportPageSizeOf(const QPrinter& printer) {
    const QRectF paper = printer.pageLayout().fullRect(QPageLayout::Inch);
    ReportPageSize size;
    size.Width = paper.width();
    size.Height = paper.height();
    size.LeftMargin = size.RightMargin = size.TopMargin = size.BottomMargin = kReportMargin;
    return size;
}

void PrintReportPage(QPrinter& printer, const LoadReportPage& page) {
    // The engine places everything from the paper's corner; the report keeps its own margins.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return;
    }
    ReportEngine engine(painter, ReportPageSizeOf(printer));
    page.Compose(engine);
    painter.end();
}

bool RenderReportToPdf(const std::vector<std::string>& text, const QString& productInfoDir,
                       bool colorPrinting, const QString& pdfPath, QString* error) {
    QString message;
    ReportPictures pictures;
    if (!LoadReportPictures(productInfoDir, colorPrinting, pictures, message)) {
        if (error != nullptr) {
            *error = message;
        }
        return false;
    }
    LoadReportPage page;
    page.SetReportText(text);
    page.SetPictures(pictures.Header, pictures.Footer);
    page.SetColorPrinting(colorPrinting);

    // Rendered to memory first, so that a failing file write is seen and reported.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(600);
        writer.setCreator(QStringLiteral("Corvane Ammo Catalog"));
        writer.setTitle(text.empty() ? QStringLiteral("Load report") : ToQString(text.front()));
        QPainter painter;
        if (!painter.begin(&writer)) {
            if (error != nullptr) {
                *error = QStringLiteral("cannot start the PDF page");
            }
            return false;
        }
        ReportPageSize size;
        const QRectF paper = QPageSize(QPageSize::Letter).rect(QPageSize::Inch);
        size.Width = paper.width();
        size.Height = paper.height();
        ReportEngine engine(painter, size);
        page.Compose(engine);
        painter.end();
    }
    buffer.close();

    QSaveFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(buffer.data()) != buffer.size() ||
        !file.commit()) {
        if (error != nullptr) {
            *error = QStringLiteral("cannot write %1: %2").arg(pdfPath, file.errorString());
        }
        return false;
    }
    return true;
}

} // namespace corvane
