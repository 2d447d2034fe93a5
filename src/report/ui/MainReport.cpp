#include "report/ui/MainReport.h"

#include "common/ui/QtScreenPlacement.h"
#include "common/ui/QtText.h"
#include "report/ui/ReportOutput.h"
#include "report/ui/ReportPreview.h"
#include "report/ui/ReportPrinting.h"
#include "report/ui/ReportSetup.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPrinter>
#include <QTimer>
#include <QVBoxLayout>

namespace corvane {

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
    PlaceWindow(*this, nullptr, Placement::Centred);

    exitTimer1_ = new QTimer(this);
    exitTimer1_->setInterval(kExitInterval);
    connect(exitTimer1_, &QTimer::timeout, this, [this] {
        exitTimer1_->stop();
        accept();
    });
    page_.SetColorPrinting(colorPrinting_);
}

void TfrmMainReport::SetPrintedPage(std::unique_ptr<PrintablePage> page) {
    other_ = std::move(page);
    if (other_) {
        other_->SetColorPrinting(colorPrinting_);
    }
}

const PrintablePage& TfrmMainReport::Printed() const {
    return other_ ? *other_ : static_cast<const PrintablePage&>(page_);
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
    (other_ ? *other_ : static_cast<PrintablePage&>(page_))
        .SetPictures(pictures.Header, pictures.Footer);
    RunEngine();
    ReportSystem1AfterPrint();
}

void TfrmMainReport::RunEngine() {
    if (!pdfDestination_.isEmpty()) {
        ShowStatus(QStringLiteral("Generating page 1"));
        const WriteResult written =
            WriteReportPdf(Printed(), QStringLiteral("Print Report"), pdfDestination_);
        if (!written.Ok) {
            prompts_.ShowError(FromQString(QString::fromStdString(written.Error)));
        }
        status_->hide();
        return;
    }

    QPrinter printer(QPrinter::HighResolution);
    PrepareReportPrinter(printer);
    bool toPreview = true;
    if (showSetup_) {
        ReportSetupDialog setup(&printer, true, this);
        if (setup.exec() != QDialog::Accepted) {
            return;
        }
        toPreview = setup.PreviewChosen();
    }
    if (!toPreview) {
        ProducePage(printer, QStringLiteral("Printing page %p"));
        return;
    }

    ReportPreview preview(&printer, !englSys_, this);
    connect(&preview, &ReportPreview::paintRequested, this,
            [this](QPrinter* target) { PrintReportPage(*target, Printed()); });
    connect(&preview, &ReportPreview::printRequested, this, [this, &printer, &preview] {
        ReportSetupDialog setup(&printer, false, &preview);
        if (setup.exec() == QDialog::Accepted) {
            ProducePage(printer, QStringLiteral("Printing page %p"));
            preview.accept();
        }
    });
    preview.exec();
}

void TfrmMainReport::ProducePage(QPrinter& printer, const QString& status) {
    const bool printed = PrintReportPage(printer, Printed(), [this, &status](int pageNumber) {
        ShowStatus(QString(status).replace(QStringLiteral("%p"), QString::number(pageNumber)));
    });
    status_->hide();
    if (!printed) {
        prompts_.ShowError("The report could not be sent to the printer " +
                           FromQString(printer.printerName()) + ".");
    }
}

void TfrmMainReport::ShowStatus(const QString& text) {
    if (status_ == nullptr) {
        status_ = new QDialog(this);
        status_->setWindowTitle(QStringLiteral("Report Status"));
        statusText_ = new QLabel(status_);
        statusText_->setObjectName(QStringLiteral("StatusText"));
        statusText_->setAlignment(Qt::AlignCenter);
        auto* layout = new QVBoxLayout(status_);
        layout->addWidget(statusText_);
        status_->resize(220, 70);
    }
    statusText_->setText(text);
    status_->show();
    // Printing holds the event loop; the window is drawn before the page is produced.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrmMainReport::ReportSystem1AfterPrint() {
    page_.SetPictures(QImage(), QImage());
    if (other_) {
        other_->SetPictures(QImage(), QImage());
    }
    exitTimer1_->start();
}

} // namespace corvane
