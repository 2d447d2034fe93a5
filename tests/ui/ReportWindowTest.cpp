// The load report page and window: composition on an image, the table split, the pictures'
// rules, the abort message and PDF output.
#include "OffscreenApp.h"
#include "report/ui/MainReport.h"
#include "report/ui/ReportOutput.h"
#include "report/ui/ReportPage.h"
#include "report/ui/ReportPreview.h"
#include "report/ui/ReportPrinting.h"
#include "support/ReportStatusWatcher.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFile>
#include <QGraphicsView>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace corvane {
namespace {

constexpr int kDpi = 60;

// A rifle report with `points` range points after the muzzle.
LoadReport RifleReport(int points, const std::string& usage = "Deer and Elk") {
    LoadReport report{
        0,
        "Corvane Centerfire Rifle",
        {{"Usage:", usage},
         {"Corvane Load No.:", "R308W1"},
         {"Caliber:", "308 Winchester"},
         {"Bullet Weight:", "150 Grains"},
         {"Bullet Style:", "Pointed Soft Point"},
         {"Ballistic Coefficient:", "0.314"},
         {"Factory Primer No.:", "9-1/2"},
         {"Barrel Length:", "24 Inches"},
         {"Altitude Above Sea Level:", "0 Feet"},
         {"Temperature:", "59\xBA Fahrenheit"},
         {"Crosswind Speed:", "10 MPH"},
         {"Sight Height:", "1.5 Inches"}},
        ReportRangeTable{{"Muzzle"}, {{"Velocity (f/s)", {"2820"}}, {"Wind Drift (in)", {"0"}}}},
        std::nullopt};
    for (int i = 1; i <= points; ++i) {
        report.Ranges->Headings.push_back(std::to_string(100 * i) + " Yds.");
        report.Ranges->Rows[0].Values.push_back(std::to_string(2820 - 200 * i));
        report.Ranges->Rows[1].Values.push_back(std::to_string(i) + ".5");
    }
    return report;
}

LoadReport ShotshellReport() {
    return {4,
            "Corvane",
            {{"Usage:", "Upland Game"},
             {"Corvane Load No.:", "S12U"},
             {"Gauge:", "12 Gauge"},
             {"Shell Length:", "2.75 Inches"},
             {"Weight:", "1.25 Ounces"},
             {"Shot Size:", "6"},
             {"Shot Material:", "Lead"}},
            std::nullopt,
            ReportShotTable{
                {"Shot Size", "Typical Pellet Count", "Pellet Diameter in inches"},
                {{"6", "281", "0.110"}, {"7 1/2", "438", "0.095"}, {"BB", std::nullopt, "0.180"}}}};
}

QImage WhitePage(double width, double height) {
    QImage image(static_cast<int>(width * kDpi), static_cast<int>(height * kDpi),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(kDpi / 0.0254 + 0.5));
    image.setDotsPerMeterY(static_cast<int>(kDpi / 0.0254 + 0.5));
    image.fill(Qt::white);
    return image;
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
    Rendered rendered{WhitePage(8.5, pageHeight), {}};
    QPainter painter(&rendered.Image);
    ReportEngine engine(painter, ReportPageSize{8.5, pageHeight, 0.5, 0.5, 0.5, 0.5});
    rendered.Result = page.Compose(engine);
    return rendered;
}

int CountPixels(const QImage& image, const std::function<bool(QRgb)>& match) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += match(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

bool IsPaleYellow(QRgb pixel) {
    return qRed(pixel) == 255 && qGreen(pixel) == 255 && qBlue(pixel) < 220;
}

class ReportWindowTest : public ::testing::Test {
protected:
    void SetUp() override { test::EnsureOffscreenApp(); }
};

TEST_F(ReportWindowTest, PageStaysWithinMarginsAndSplitsWideTables) {
    std::map<int, double> bottoms;
    for (const int points : {5, 6, 12}) {
        SCOPED_TRACE(points);
        const Rendered rendered = Render(RifleReport(points));
        EXPECT_EQ(rendered.Result.RangeTables, points < 6 ? 1 : 2);
        // Header picture in its rectangle, 1.8 inches either side of the centre.
        EXPECT_EQ(rendered.Image.pixel(static_cast<int>(4.25 * kDpi), kDpi), qRgb(0, 0, 255));
        EXPECT_EQ(rendered.Image.pixel(static_cast<int>(2.3 * kDpi), kDpi), qRgb(255, 255, 255));
        // Nothing is drawn in the margins.
        const int margin = kDpi / 2;
        const QImage& image = rendered.Image;
        int inkOutside = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const bool inside = x >= margin && x < image.width() - margin && y >= margin &&
                                    y < image.height() - margin;
                inkOutside += !inside && image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
            }
        }
        EXPECT_EQ(inkOutside, 0);
        bottoms[points] = rendered.Result.BottomY;
    }
    // The second table adds an empty line, two blank lines, its heading and two data rows.
    EXPECT_NEAR(bottoms[6] - bottoms[5], 6 * 11.0 / 72 * 1.15, 0.1);
    EXPECT_DOUBLE_EQ(bottoms[12], bottoms[6]);
    EXPECT_EQ(Render(LoadReport{}).Result.RangeTables, 0);

    // A row whose last value is empty keeps its last cell, framed like the others.
    LoadReport open = RifleReport(3);
    open.Ranges->Rows[0].Values.back() = "";
    LoadReport blank = open;
    blank.Ranges->Rows[0].Values.back() = " ";
    EXPECT_EQ(Render(open).Image, Render(blank).Image);
}

TEST_F(ReportWindowTest, LongUsageBreaksOnceAtALastBlankWithinTheLimit) {
    const double shortBottom = Render(RifleReport(3)).Result.BottomY;
    // 60 characters; the limit on a 7.5 inch print area is 50.
    const std::string usage = "Varmints, Predators, Deer, Antelope, Black Bear and Elk.";
    const std::string longUsage = usage + std::string(60 - usage.size(), 'x');
    const double longBottom = Render(RifleReport(3, longUsage)).Result.BottomY;
    EXPECT_GT(longBottom - shortBottom, 0.15);
    EXPECT_LT(longBottom - shortBottom, 0.25);
    // No blank within the limit: one line, nothing lost.
    const double unbroken = Render(RifleReport(3, std::string(60, 'x'))).Result.BottomY;
    EXPECT_DOUBLE_EQ(unbroken, shortBottom);
}

TEST_F(ReportWindowTest, FooterAndShadeFollowTheirRules) {
    const QImage footer = SolidPicture(Qt::green);
    const auto isGreen = [](QRgb p) { return p == qRgb(0, 255, 0); };
    const Rendered one = Render(RifleReport(5), true, 11.0, footer);
    EXPECT_TRUE(one.Result.FooterPrinted);
    EXPECT_GT(CountPixels(one.Image, isGreen), 1000);
    EXPECT_GT(CountPixels(one.Image, IsPaleYellow), 100);
    // Split tables on a print area under 9 inches high leave no room for the footer.
    const Rendered split = Render(RifleReport(6), true, 9.5, footer);
    EXPECT_FALSE(split.Result.FooterPrinted);
    EXPECT_EQ(CountPixels(split.Image, isGreen), 0);
    EXPECT_TRUE(Render(RifleReport(6), true, 10.0, footer).Result.FooterPrinted);

    const Rendered shot = Render(ShotshellReport(), true);
    EXPECT_TRUE(shot.Result.ShotTable);
    EXPECT_EQ(shot.Result.RangeTables, 0);
    EXPECT_GT(CountPixels(shot.Image, IsPaleYellow), 100);
    // Black and white: no tint anywhere.
    EXPECT_EQ(CountPixels(Render(ShotshellReport(), false).Image, IsPaleYellow), 0);
    EXPECT_EQ(CountPixels(Render(RifleReport(8), false).Image, IsPaleYellow), 0);
}

class RecordingPrompts : public SilentPrompts {
public:
    void ShowError(const std::string& text) override { errors.push_back(text); }
    std::vector<std::string> errors;
};

void WritePicture(const QString& path, const QColor& color) {
    ASSERT_TRUE(SolidPicture(color).save(path, "BMP"));
}

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

TEST_F(ReportWindowTest, MissingHeaderPictureAbortsWithItsMessage) {
    QTemporaryDir dir;
    WritePicture(dir.filePath(QStringLiteral("RprtClr.bmp")), Qt::blue);
    RecordingPrompts prompts;
    // Black and white printing needs "RprtBW.bmp", which is missing.
    TfrmMainReport window(nullptr, prompts, dir.path(), false);
    window.SetReport(RifleReport(3));
    window.SetPdfDestination(dir.filePath(QStringLiteral("out.pdf")));
    window.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 3000));
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(prompts.errors[0], "          <<< REPORT ABORTED >>>\n\nFile missing: " +
                                     dir.filePath(QStringLiteral("RprtBW.bmp")).toStdString());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("out.pdf"))));

    QString error;
    EXPECT_FALSE(RenderReportToPdf(RifleReport(3), dir.path(), false,
                                   dir.filePath(QStringLiteral("x.pdf")), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("File missing: ")));
}

TEST_F(ReportWindowTest, WritesPdfFromTheWindowAndTheRenderFunction) {
    QTemporaryDir dir;
    WritePicture(dir.filePath(QStringLiteral("RprtClr.bmp")), Qt::blue);
    WritePicture(dir.filePath(QStringLiteral("CustomFooter.bmp")), Qt::green);
    RecordingPrompts prompts;
    test::ReportStatusWatcher status;
    TfrmMainReport window(nullptr, prompts, dir.path(), true);
    window.SetReport(ShotshellReport());
    const QString windowPdf = dir.filePath(QStringLiteral("window.pdf"));
    window.SetPdfDestination(windowPdf);
    window.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 5000));
    EXPECT_TRUE(window.Activated());
    EXPECT_TRUE(prompts.errors.empty());
    EXPECT_EQ(status.texts, QStringList{QStringLiteral("Generating page 1")});

    // Both PDFs are on the default printer's paper, Letter without a printer.
    const QSizeF paper = ReportPaperSize().sizePoints();
    if (QPrinterInfo::defaultPrinter().isNull()) {
        EXPECT_EQ(paper, QSizeF(612, 792));
    }
    EXPECT_EQ(PdfPaper(windowPdf), paper);
    const QString pdf = dir.filePath(QStringLiteral("rifle.pdf"));
    QString error;
    EXPECT_TRUE(RenderReportToPdf(RifleReport(8), dir.path(), true, pdf, &error))
        << error.toStdString();
    EXPECT_EQ(PdfPaper(pdf), paper);
    // A folder that does not exist: the write error is reported.
    EXPECT_FALSE(RenderReportToPdf(RifleReport(8), dir.path(), true,
                                   dir.filePath(QStringLiteral("none/rifle.pdf")), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("none/rifle.pdf")));
    QPrinter unwritable;
    unwritable.setOutputFormat(QPrinter::PdfFormat);
    unwritable.setOutputFileName(dir.filePath(QStringLiteral("none/printed.pdf")));
    EXPECT_FALSE(PrintReportPage(unwritable, LoadReportPage()));
}

// Runs `handle` on the first visible top-level dialog of type D once it is shown.
template <typename D> void HandleDialogWhenShown(const std::function<void(D*)>& handle) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, handle] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<D*>(widget);
            if (dialog != nullptr && dialog->isVisible()) {
                timer->stop();
                timer->deleteLater();
                handle(dialog);
                return;
            }
        }
    });
    timer->start(20);
}

TEST_F(ReportWindowTest, PreviewHasRulersAndSetupOffersOnlyTheReportsChoices) {
    // Without the main window, closing a test window would quit the dialogs' event loops.
    QApplication::setQuitOnLastWindowClosed(false);
    QCoreApplication::removePostedEvents(qApp, QEvent::Quit);
    QTemporaryDir dir;
    WritePicture(dir.filePath(QStringLiteral("RprtClr.bmp")), Qt::blue);
    RecordingPrompts prompts;
    for (const bool english : {true, false}) {
        SCOPED_TRACE(english);
        TfrmMainReport window(nullptr, prompts, dir.path(), true);
        window.SetReport(RifleReport(4));
        window.SetEnglSys(english);
        QString title;
        int pages = -1;
        double zoom = 0;
        HandleDialogWhenShown<ReportPreview>([&](ReportPreview* preview) {
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
        window.show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 5000));
        EXPECT_EQ(title, QStringLiteral("Report Preview"));
        EXPECT_EQ(pages, 1);
        EXPECT_NEAR(zoom, 0.7, 0.01);
    }
    {
        TfrmMainReport window(nullptr, prompts, dir.path(), true);
        window.SetReport(RifleReport(4));
        window.SetShowSetup(true);
        QString title;
        std::set<std::string> offered;
        HandleDialogWhenShown<QPrintDialog>([&](QPrintDialog* setup) {
            title = setup->windowTitle();
            EXPECT_EQ(setup->printer()->pageLayout().margins(QPageLayout::Inch),
                      QMarginsF(0.5, 0.5, 0.5, 0.5));
            for (QPushButton* button : setup->findChildren<QPushButton*>()) {
                if (button->text().contains(QStringLiteral("Options"))) {
                    QTest::mouseClick(button, Qt::LeftButton);
                }
            }
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
        window.show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 5000));
        EXPECT_EQ(title, QStringLiteral("Report Setup"));
        offered.erase("properties"); // the printer's own set-up, with a printer
        EXPECT_EQ(offered, (std::set<std::string>{"DestinationPreview", "DestinationPrinter",
                                                  "copies", "printers"}));
    }
    EXPECT_TRUE(prompts.errors.empty());
    QApplication::setQuitOnLastWindowClosed(true);
}

} // namespace
} // namespace corvane
