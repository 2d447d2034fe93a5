#pragma once
// The report page on a printer, real or a preview's (Qt Print Support).
#include "report/ui/ReportPage.h"

#include <functional>

class QPrinter;

namespace corvane {

// A printer set up for the report: its paper (ReportPaperSize), margins of 0.5 inch on all
// sides and the document name "Print Report".
void PrepareReportPrinter(QPrinter& printer);

// The report's page: the printer's paper and its margins.
ReportPageSize ReportPageSizeOf(const QPrinter& printer);

// Paints the page on a printer or a preview's printer (full-page mode). `onNewPage` is told the
// number of each page before it is painted. False when the printer could not be started.
bool PrintReportPage(QPrinter& printer, const PrintablePage& page,
                     const std::function<void(int)>& onNewPage = {});

} // namespace corvane
