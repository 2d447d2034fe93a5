// Prints a load report from the report window, offscreen, the way a user sends it to the
// printer: "Set up printer", the Printer destination, Print. The print test's script runs it
// against its own print server and compares what comes out with the report's PDF.
//   print_report_driver PRODUCT_INFO_DIR REPORT_TEXT
// REPORT_TEXT holds the report lines in UTF-8 (the tool's `report` output). Exits 0 when the
// page went to the printer while the "Report Status" window said so.
#include "common/Cp1252.h"
#include "common/UserPrompts.h"
#include "report/ReportLines.h"
#include "report/ui/MainReport.h"
#include "support/PrintDialogSupport.h"
#include "support/ReportStatusWatcher.h"

#include <QDialogButtonBox>
#include <QTabBar>
#include <QTabWidget>

#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

class StderrPrompts : public corvane::SilentPrompts {
public:
    void ShowError(const std::string& text) override {
        std::fprintf(stderr, "error shown: %s\n", text.c_str());
        ++errors;
    }
    int errors = 0;
};

void ClickPrinterDestinationAndPrint(QPrintDialog& setup) {
    corvane::test::OpenPrintOptions(setup);
    auto* tabs = setup.findChild<QTabWidget*>();
    for (int tab = 0; tab < tabs->count(); ++tab) {
        if (tabs->tabText(tab) == QStringLiteral("Destination")) {
            QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {},
                              tabs->tabBar()->tabRect(tab).center());
        }
    }
    QCoreApplication::processEvents(); // lays the destination tab out
    auto* printer = setup.findChild<QAbstractButton*>(QStringLiteral("DestinationPrinter"));
    // On the round button, as a user would: the blank right of the text does not take clicks.
    QTest::mouseClick(printer, Qt::LeftButton, {}, QPoint(8, printer->height() / 2));
    auto* buttons = setup.findChild<QDialogButtonBox*>();
    for (QAbstractButton* button : buttons->buttons()) {
        if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc != 3) {
        std::fputs("usage: print_report_driver PRODUCT_INFO_DIR REPORT_TEXT\n", stderr);
        return 2;
    }
    std::vector<std::string> text;
    std::ifstream in(argv[2]);
    for (std::string line; std::getline(in, line);) {
        text.push_back(corvane::Utf8ToCp1252(line));
    }
    const std::optional<corvane::LoadReport> report = corvane::ReadReportLines(text);
    if (!report) {
        std::fprintf(stderr, "no report text in %s\n", argv[2]);
        return 2;
    }

    StderrPrompts prompts;
    corvane::test::ReportStatusWatcher status;
    corvane::TfrmMainReport window(nullptr, prompts, QString::fromLocal8Bit(argv[1]), true);
    window.SetReport(*report);
    window.SetShowSetup(true);
    bool setupSeen = false;
    corvane::test::HandleDialogWhenShown<QPrintDialog>([&](QPrintDialog* setup) {
        setupSeen = true;
        ClickPrinterDestinationAndPrint(*setup);
    });
    window.show();
    if (!QTest::qWaitFor([&] { return !window.isVisible(); }, 60000)) {
        std::fputs("the report window did not close\n", stderr);
        return 1;
    }
    std::fprintf(stderr, "status shown: %s\n",
                 status.texts.join(QStringLiteral(", ")).toUtf8().constData());
    const bool ok = setupSeen && prompts.errors == 0 &&
                    status.texts == QStringList{QStringLiteral("Printing page 1")};
    return ok ? 0 : 1;
}
