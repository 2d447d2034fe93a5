#include "report/ui/MainReport.h"

#include "common/ui/QtText.h"
#include "report/ui/ReportOutput.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace corvane {

namespace {

// The engine's set-up dialog also chooses the destination; the preview is the default.
class DestinationTab : public QWidget {
public:
    DestinationTab() {
        setWindowTitle(QStringLiteral("Destination"));
        auto* layout = new QVBoxLayout(this);
        preview = new QRadioButton(QStringLiteral("Preview"), this);
        printer = new QRadioButton(QStringLiteral("Printer"), this);
        preview->setChecked(true);
        layout->addWidget(preview);
        layout->addWidget(printer);
        layout->addStretch();
    }
    QRadioButton* preview;
    QRadioButton* printer;
};

} // namespace

TfrmMainReport::TfrmMainReport(QWidget* owner, UserPrompts& prompts, const QString& productInfoDir,
                               bool colorPrinting)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint), prompts_(prompts),
      productInfoDir_(productInfoDir), colorPrinting_(colorPrinting) {
    setModal(true);
    panel1_ = new QLabel(QStringLiteral("Printing report... "), this);
    panel1_->setAlignment(Qt::AlignCenter);
    panel1_->setFrameShape(QFrame::Panel);
    panel1_->setFrameShadow(QFrame::Raised);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    panel1_->setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel1_);
    resize(240, 60);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }

    exitTimer1_ = new QTimer(this);
    exitTimer1_->setInterval(kExitInterval);
    connect(exitTimer1_, &QTimer::timeout, this, [this] {
        exitTimer1_->stop();
        accept();
    });
    page_.SetColorPrinting(colorPrinting_);
}

void TfrmMainReport::SetReportText(const std::vector<std::string>& text) {
    page_.SetReportText(text);
}

void TfrmMainReport::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!activated_) {
        activated_ = true;
        // Started from the event loop, so the engine's dialogs never run inside the show.
        QTimer::singleShot(0, this, &TfrmMainReport::StartReport);
    }
}

void TfrmMainReport::StartReport() {
    ReportPictures pictures;
    QString error;
    if (!LoadReportPictures(productInfoDir_, colorPrinting_, pictures, error)) {
        prompts_.ShowError(FromQString(error));
        exitTimer1_->start();
        return;
    }
    page_.SetPictures(pictures.Header, pictures.Footer);
    RunEngine();
    ReportSystem1AfterPrint();
}

void TfrmMainReport::RunEngine() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Print Report"));
    if (!pdfDestination_.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfDestination_);
        PrintReportPage(printer, page_);
        return;
    }

    bool toPreview = true;
    if (showSetup_) {
        QPrintDialog setup(&printer, this);
        setup.setWindowTitle(QStringLiteral("Report Setup"));
        setup.setOptions(QAbstractPrintDialog::PrintToFile |
                         QAbstractPrintDialog::PrintShowPageSize);
        auto* destination = new DestinationTab;
        setup.setOptionTabs({destination});
        if (setup.exec() != QDialog::Accepted) {
            return;
        }
        toPreview = destination->preview->isChecked();
    }
    if (!toPreview) {
        PrintReportPage(printer, page_);
        return;
    }

    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(QStringLiteral("Report Preview"));
    preview.resize(700, 500);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { PrintReportPage(*target, page_); });
    if (auto* view = preview.findChild<QPrintPreviewWidget*>()) {
        view->setZoomMode(QPrintPreviewWidget::CustomZoom);
        view->setZoomFactor(0.7);
    }
    preview.exec();
}

void TfrmMainReport::ReportSystem1AfterPrint() {
    page_.SetPictures(QImage(), QImage());
    exitTimer1_->start();
}

} // namespace corvane
