// The load report page and window: composition on an image, the table split, the pictures'
// rules, the abort message and PDF output. The reports are the tool's golden reports of the
// sample catalog (the texts themselves are compared in tests/tools and tests/report).
#include "OffscreenApp.h"
#include "catalog/CatalogTestSupport.h"
#include "common/Cp1252.h"
#include "report/ReportLines.h"
#include "report/ui/MainReport.h"
#include "report/ui/ReportOutput.h"
#include "report/ui/ReportPage.h"
#include "report/ui/ReportPreview.h"
#include "report/ui/ReportPrinting.h"
#include "support/PaintTestSupport.h"
#include "support/PrintDialogSupport.h"
#include "support/ReportStatusWatcher.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFile>
#include <QGraphicsView>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <string>

namespace corvane {
namespace {

constexpr int kDpi = 60;

// The report a tool case prints (UTF-8 there, Windows-1252 in the report).
LoadReport GoldenReport(const char* toolCase) {
    std::ifstream in(std::string(CORVANE_TEST_DATA_DIR "/tool/") + toolCase + "/expected-output");
    LoadReportText lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(Utf8ToCp1252(line));
    }
    const std::optional<LoadReport> report = ReadReportLines(lines);
    EXPECT_TRUE(report.has_value()) << toolCase;
    return report.value_or(LoadReport{});
}

// The sample rifle report with `points` range points after the muzzle (the last one repeated)
// and, when given, another usage.
LoadReport RifleReport(int points, const std::string& usage = "") {
    LoadReport report = GoldenReport("report-rifle");
    report.Ranges->Headings.resize(static_cast<std::size_t>(points) + 1, "999 Yds.");
    for (ReportRow& row : report.Ranges->Rows) {
        row.Values.resize(static_cast<std::size_t>(points) + 1, row.Values.back());
    }
    if (!usage.empty()) {
        report.Header[0].Value = usage;
    }
    return report;
}

QImage SolidPicture(const QColor& color) {
    QImage picture(40, 10, QImage::Format_RGB32);
    picture.fill(color);
    return picture;
}

struct Rendered {
    QImage Image;
    ReportPageResult Result;
};

Rendered Render(const LoadReport& report, bool color = true, double pageHeight = 11.0,
                const QImage& footer = QImage()) {
    LoadReportPage page;
    page.SetReport(report);
    page.SetPictures(SolidPicture(Qt::blue), footer);
    page.SetColorPrinting(color);
    Rendered rendered{test::WhitePage(8.5, pageHeight, kDpi), {}};
    QPainter painter(&rendered.Image);
    ReportEngine engine(painter, ReportPageSize{8.5, pageHeight, 0.5, 0.5, 0.5, 0.5});
    rendered.Result = page.Compose(engine);
    return rendered;
}

bool IsPaleYellow(QRgb pixel) {
    return qRed(pixel) == 255 && qGreen(pixel) == 255 && qBlue(pixel) < 220;
}

TEST(ReportWindowTest, PageStaysWithinMarginsAndSplitsWideTables) {
    std::map<int, double> bottoms;
    for (const int points : {5, 6, 12}) {
        SCOPED_TRACE(points);
        const Rendered rendered = Render(RifleReport(points));
        EXPECT_EQ(rendered.Result.RangeTables, points < 6 ? 1 : 2);
        // Header picture stretched into its rectangle, 1.8 inches either side of the centre.
        EXPECT_EQ(rendered.Image.pixel(static_cast<int>(4.25 * kDpi), kDpi), qRgb(0, 0, 255));
        EXPECT_EQ(rendered.Image.pixel(static_cast<int>(2.5 * kDpi), 78), qRgb(0, 0, 255));
        EXPECT_EQ(rendered.Image.pixel(static_cast<int>(2.3 * kDpi), kDpi), qRgb(255, 255, 255));
        // Nothing is drawn in the margins.
        QImage margins = rendered.Image;
        QPainter(&margins).fillRect(kDpi / 2, kDpi / 2, margins.width() - kDpi,
                                    margins.height() - kDpi, Qt::white);
        EXPECT_EQ(test::CountPixels(margins, [](QRgb p) { return p != qRgb(255, 255, 255); }), 0);
        bottoms[points] = rendered.Result.BottomY;
    }
    // The second table adds an empty line, two blank lines, its heading and five data rows.
    EXPECT_NEAR(bottoms[6] - bottoms[5], 9 * 11.0 / 72 * 1.15, 0.1);
    EXPECT_DOUBLE_EQ(bottoms[12], bottoms[6]);
    EXPECT_EQ(Render(LoadReport{}).Result.RangeTables, 0);

    // A row whose last value is empty keeps its last cell, framed like the others.
    LoadReport open = RifleReport(3);
    open.Ranges->Rows[0].Values.back() = "";
    LoadReport blank = open;
    blank.Ranges->Rows[0].Values.back() = " ";
    EXPECT_EQ(Render(open).Image, Render(blank).Image);

    // A long usage breaks once at its last blank within the limit (50 characters on a 7.5 inch
    // print area); without a blank within the limit it stays one line, nothing lost.
    const double shortBottom = Render(RifleReport(3)).Result.BottomY;
    const std::string usage = "Varmints, Predators, Deer, Antelope, Black Bear and Elk.";
    const double longBottom =
        Render(RifleReport(3, usage + std::string(60 - usage.size(), 'x'))).Result.BottomY;
    EXPECT_GT(longBottom - shortBottom, 0.15);
    EXPECT_LT(longBottom - shortBottom, 0.25);
    EXPECT_DOUBLE_EQ(Render(RifleReport(3, std::string(60, 'x'))).Result.BottomY, shortBottom);
}

TEST(ReportWindowTest, FooterAndShadeFollowTheirRules) {
    const QImage footer = SolidPicture(Qt::green);
    const auto isGreen = [](QRgb p) { return p == qRgb(0, 255, 0); };
    const Rendered one = Render(RifleReport(5), true, 11.0, footer);
    EXPECT_TRUE(one.Result.FooterPrinted);
    EXPECT_GT(test::CountPixels(one.Image, isGreen), 1000);
    EXPECT_GT(test::CountPixels(one.Image, IsPaleYellow), 100);
    // Split tables on a print area under 9 inches high leave no room for the footer.
    const Rendered split = Render(RifleReport(6), true, 9.5, footer);
    EXPECT_FALSE(split.Result.FooterPrinted);
    EXPECT_EQ(test::CountPixels(split.Image, isGreen), 0);
    EXPECT_TRUE(Render(RifleReport(6), true, 10.0, footer).Result.FooterPrinted);

    LoadReport shotshell = GoldenReport("report-shotshell-metric");
    shotshell.Shots->Rows.push_back({"BB", std::nullopt, "0.46"}); // a material without counts
    const Rendered shot = Render(shotshell, true);
    EXPECT_TRUE(shot.Result.ShotTable);
    EXPECT_EQ(shot.Result.RangeTables, 0);
    EXPECT_GT(test::CountPixels(shot.Image, IsPaleYellow), 100);
    // Black and white: no tint anywhere.
    EXPECT_EQ(test::CountPixels(Render(shotshell, false).Image, IsPaleYellow), 0);
    EXPECT_EQ(test::CountPixels(Render(RifleReport(8), false).Image, IsPaleYellow), 0);
}

// A folder holding the colour header picture and, when asked, the footer.
struct PictureDir {
    explicit PictureDir(bool footer = false) {
        EXPECT_TRUE(SolidPicture(Qt::blue).save(Path("RprtClr.bmp"), "BMP"));
        EXPECT_TRUE(!footer || SolidPicture(Qt::green).save(Path("CustomFooter.bmp"), "BMP"));
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
};

// The paper a PDF file declares, in points; empty when it is no PDF.
QSizeF PdfPaper(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.read(4) != "%PDF") {
        return {};
    }
    const QByteArray bytes = file.readAll();
    const qsizetype at = bytes.indexOf("/MediaBox [");
    const QList<QByteArray> box = bytes.mid(at + 11, bytes.indexOf(']', at) - at - 11).split(' ');
    return at < 0 || box.size() != 4 ? QSizeF() : QSizeF(box[2].toDouble(), box[3].toDouble());
}

// Shows the window and waits until it has closed itself.
bool RunsToTheEnd(TfrmMainReport& window) {
    window.show();
    return QTest::qWaitFor([&] { return !window.isVisible(); }, 5000);
}

TEST(ReportWindowTest, MissingHeaderPictureAbortsElseThePdfIsWrittenOnTheReportPaper) {
    PictureDir pictures(true);
    test::RecordingPrompts prompts;
    // Black and white printing needs "RprtBW.bmp", which is missing.
    TfrmMainReport aborted(nullptr, prompts, pictures.dir.path(), false);
    aborted.SetReport(RifleReport(3));
    aborted.SetPdfDestination(pictures.Path("out.pdf"));
    EXPECT_TRUE(RunsToTheEnd(aborted));
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(prompts.errors[0], "          <<< REPORT ABORTED >>>\n\nFile missing: " +
                                     pictures.Path("RprtBW.bmp").toStdString());
    EXPECT_FALSE(QFile::exists(pictures.Path("out.pdf")));
    const WriteResult missing =
        RenderReportToPdf(RifleReport(3), pictures.dir.path(), false, pictures.Path("x.pdf"));
    EXPECT_FALSE(missing.Ok);
    EXPECT_NE(missing.Error.find("File missing: "), std::string::npos);

    test::ReportStatusWatcher status;
    TfrmMainReport window(nullptr, prompts, pictures.dir.path(), true);
    window.SetReport(GoldenReport("report-shotshell-metric"));
    window.SetPdfDestination(pictures.Path("window.pdf"));
    EXPECT_TRUE(RunsToTheEnd(window));
    EXPECT_TRUE(window.Activated());
    EXPECT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(status.texts, QStringList{QStringLiteral("Generating page 1")});
    // Both PDFs are on the default printer's paper, Letter without a printer.
    const QSizeF paper = ReportPaperSize().sizePoints();
    if (QPrinterInfo::defaultPrinter().isNull()) {
        EXPECT_EQ(paper, QSizeF(612, 792));
    }
    EXPECT_EQ(PdfPaper(pictures.Path("window.pdf")), paper);
    const WriteResult rifle =
        RenderReportToPdf(RifleReport(8), pictures.dir.path(), true, pictures.Path("rifle.pdf"));
    EXPECT_TRUE(rifle.Ok) << rifle.Error;
    EXPECT_EQ(PdfPaper(pictures.Path("rifle.pdf")), paper);
    QPrinter unwritable;
    unwritable.setOutputFormat(QPrinter::PdfFormat);
    unwritable.setOutputFileName(pictures.Path("none/printed.pdf"));
    EXPECT_FALSE(PrintReportPage(unwritable, LoadReportPage()));
}

TEST(ReportWindowTest, PreviewHasRulersAndSetupOffersOnlyTheReportsChoices) {
    // Without the main window, closing a test window would quit the dialogs' event loops.
    QApplication::setQuitOnLastWindowClosed(false);
    QCoreApplication::removePostedEvents(qApp, QEvent::Quit);
    PictureDir pictures;
    test::RecordingPrompts prompts;
    for (const bool english : {true, false}) {
        SCOPED_TRACE(english);
        TfrmMainReport window(nullptr, prompts, pictures.dir.path(), true);
        window.SetReport(RifleReport(4));
        window.SetEnglSys(english);
        QString title;
        int pages = -1;
        double zoom = 0;
        test::HandleDialogWhenShown<ReportPreview>([&](ReportPreview* preview) {
            title = preview->windowTitle();
            pages = preview->View()->pageCount();
            zoom = preview->View()->zoomFactor();
            // The rulers follow the zoom and the scrolling, in the user's units.
            const double unit = (english ? 1 : 1 / 2.54) * preview->View()->logicalDpiY();
            preview->View()->setZoomFactor(2);
            QScrollBar* across =
                preview->View()->findChild<QGraphicsView*>()->horizontalScrollBar();
            const auto before = preview->TopRuler()->CurrentScale();
            across->setValue(across->value() + 40);
            for (PreviewRuler* ruler : {preview->TopRuler(), preview->LeftRuler()}) {
                ASSERT_TRUE(ruler->CurrentScale().has_value());
                EXPECT_EQ(ruler->Metric(), !english);
                EXPECT_NEAR(ruler->CurrentScale()->PixelsPerUnit, 2 * unit, 0.01);
            }
            EXPECT_NEAR(preview->TopRuler()->CurrentScale()->Origin, before->Origin - 40, 1);
            preview->reject();
        });
        EXPECT_TRUE(RunsToTheEnd(window));
        EXPECT_EQ(title, QStringLiteral("Report Preview"));
        EXPECT_EQ(pages, 1);
        EXPECT_NEAR(zoom, 0.7, 0.01);
    }
    TfrmMainReport window(nullptr, prompts, pictures.dir.path(), true);
    window.SetReport(RifleReport(4));
    window.SetShowSetup(true);
    QString title;
    std::set<std::string> offered;
    test::HandleDialogWhenShown<QPrintDialog>([&](QPrintDialog* setup) {
        title = setup->windowTitle();
        EXPECT_EQ(setup->printer()->pageLayout().margins(QPageLayout::Inch),
                  QMarginsF(0.5, 0.5, 0.5, 0.5));
        test::OpenPrintOptions(*setup);
        // Every control the user can reach on every tab.
        auto* tabs = setup->findChild<QTabWidget*>();
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            for (QWidget* control : setup->findChildren<QWidget*>()) {
                if (control->isVisible() && !control->objectName().isEmpty() &&
                    (qobject_cast<QAbstractButton*>(control) != nullptr ||
                     qobject_cast<QAbstractSpinBox*>(control) != nullptr ||
                     qobject_cast<QComboBox*>(control) != nullptr)) {
                    offered.insert(control->objectName().toStdString());
                }
            }
        }
        setup->reject();
    });
    EXPECT_TRUE(RunsToTheEnd(window));
    EXPECT_EQ(title, QStringLiteral("Report Setup"));
    offered.erase("properties"); // the printer's own set-up, with a printer
    EXPECT_EQ(offered, (std::set<std::string>{"DestinationPreview", "DestinationPrinter", "copies",
                                              "printers"}));
    EXPECT_TRUE(prompts.errors.empty());
    QApplication::setQuitOnLastWindowClosed(true);
}

} // namespace
} // namespace corvane
