#include "ReportPdf.h"

#ifdef CORVANE_TOOL_HAS_PDF
#include "report/ui/ReportOutput.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QString>

#include <memory>
#endif

namespace corvane::tool {

#ifdef CORVANE_TOOL_HAS_PDF

bool ReportPdfAvailable() {
    return true;
}

WriteResult WriteReportPdf(const LoadReport& report, const std::string& productInfoDir,
                           bool colorPrinting, const std::string& pdfPath) {
    // Fonts and painting need a GUI application; the tool never opens a window.
    std::unique_ptr<QGuiApplication> app;
    if (QCoreApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
        static int argc = 1;
        static char name[] = "corvane-catalog-tool";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    return RenderReportToPdf(report, QString::fromStdString(productInfoDir), colorPrinting,
                             QString::fromStdString(pdfPath));
}

#else

bool ReportPdfAvailable() {
    return false;
}

WriteResult WriteReportPdf(const LoadReport&, const std::string&, bool, const std::string&) {
    return {false, "--pdf is not available in this build"};
}

#endif

} // namespace corvane::tool
