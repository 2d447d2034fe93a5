#pragma once
// The "Report Setup" dialog: the printer with its own set-up, the number of copies and, when
// asked for, where the report goes (the preview or the printer). Qt's dialog offers more on CUPS
// (page ranges, page sets, reverse order, colour mode, duplex); a one-page report has no use for
// them, so they are kept out of reach.
#include <QPrintDialog>

class QRadioButton;

namespace corvane {

class ReportSetupDialog : public QPrintDialog {
    Q_OBJECT

public:
    // With `chooseDestination` a "Destination" tab offers the preview (the default) and the
    // printer.
    ReportSetupDialog(QPrinter* printer, bool chooseDestination, QWidget* parent);

    // Whether the preview was chosen; never without the destination tab.
    bool PreviewChosen() const;

private:
    QRadioButton* preview_ = nullptr;
};

} // namespace corvane
