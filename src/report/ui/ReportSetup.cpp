#include "report/ui/ReportSetup.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace corvane {

ReportSetupDialog::ReportSetupDialog(QPrinter* printer, bool chooseDestination, QWidget* parent)
    : QPrintDialog(printer, parent) {
    setWindowTitle(QStringLiteral("Report Setup"));
    // No file output, page range or collation; the printer's own set-up stays.
    setOptions(QAbstractPrintDialog::PrintShowPageSize);
    if (chooseDestination) {
        auto* destination = new QWidget;
        destination->setWindowTitle(QStringLiteral("Destination"));
        auto* layout = new QVBoxLayout(destination);
        preview_ = new QRadioButton(QStringLiteral("Preview"), destination);
        preview_->setObjectName(QStringLiteral("DestinationPreview"));
        auto* toPrinter = new QRadioButton(QStringLiteral("Printer"), destination);
        toPrinter->setObjectName(QStringLiteral("DestinationPrinter"));
        preview_->setChecked(true);
        layout->addWidget(preview_);
        layout->addWidget(toPrinter);
        layout->addStretch();
        setOptionTabs({destination});
    }
    // Qt shows the page range box again whenever the dialog opens, whatever the options say;
    // inside a widget that is never shown, these stay hidden and keep their defaults (all pages,
    // normal order, the printer's colour mode, one-sided).
    auto* outOfReach = new QWidget(this);
    outOfReach->hide();
    for (const char* name : {"gbPrintRange", "reverse", "optionsTab"}) {
        if (auto* widget = findChild<QWidget*>(QLatin1String(name))) {
            widget->setParent(outOfReach);
        }
    }
}

bool ReportSetupDialog::PreviewChosen() const {
    return preview_ != nullptr && preview_->isChecked();
}

} // namespace corvane
