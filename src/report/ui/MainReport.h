#pragma once
// TfrmMainReport: the small window that shows "Printing report... " while the report engine
// sends the one-page load report to the preview, the printer or a PDF file, then closes
// itself through its timer.
#include "common/UserPrompts.h"
#include "report/ui/ReportPage.h"

#include <QDialog>
#include <QString>

#include <memory>

class QLabel;
class QPrinter;
class QTimer;

namespace corvane {

class TfrmMainReport : public QDialog {
    Q_OBJECT

public:
    static constexpr int kExitInterval = 200; // ms

    // `productInfoDir` holds the report pictures; `prompts` shows the abort message.
    TfrmMainReport(QWidget* owner, UserPrompts& prompts, const QString& productInfoDir,
                   bool colorPrinting);

    // Copies the load report; call before the window is shown.
    void SetReport(const LoadReport& report) { page_.SetReport(report); }
    // Prints `page` (the range card) instead of the load report; call before the window is
    // shown.
    void SetPrintedPage(std::unique_ptr<PrintablePage> page);
    // Shows the "Report Setup" print dialog before the report is produced.
    void SetShowSetup(bool showSetup) { showSetup_ = showSetup; }
    // Sends the report to this PDF file instead of the preview (scripted output and tests).
    void SetPdfDestination(const QString& path) { pdfDestination_ = path; }
    // The preview's rulers are in inches in English units, in centimetres in Metric.
    void SetEnglSys(bool englSys) { englSys_ = englSys; }
    bool EnglSys() const { return englSys_; }

    const LoadReportPage& Page() const { return page_; }
    const PrintablePage& Printed() const;
    QTimer* ExitTimer1() const { return exitTimer1_; }
    bool Activated() const { return activated_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void StartReport();
    // Shows the set-up dialog when asked, then produces the page to the chosen destination.
    void RunEngine();
    void ReportSystem1AfterPrint();
    // Paints the page on `printer` while the "Report Status" window shows `status` ("%p" is the
    // page number).
    void ProducePage(QPrinter& printer, const QString& status);
    void ShowStatus(const QString& text);

    UserPrompts& prompts_;
    QString productInfoDir_;
    bool colorPrinting_;
    bool showSetup_ = false;
    bool englSys_ = true;
    bool activated_ = false;
    QString pdfDestination_;
    LoadReportPage page_;
    std::unique_ptr<PrintablePage> other_;
    QLabel* panel1_ = nullptr;
    QTimer* exitTimer1_ = nullptr;
    QDialog* status_ = nullptr;
    QLabel* statusText_ = nullptr;
};

} // namespace corvane
