#pragma once
// report --pdf: the one-page load report rendered by the program's own report engine. Only a
// tool built with the Qt layer can draw it.
#include "report/LoadReport.h"

#include <string>

namespace corvane::tool {

// Whether this build of the tool can write the report PDF.
bool ReportPdfAvailable();

// Writes the page of `report` to `pdfPath`, with the report pictures of `productInfoDir`.
// Returns an empty text on success, else what went wrong (UTF-8).
std::string WriteReportPdf(const LoadReport& report, const std::string& productInfoDir,
                           bool colorPrinting, const std::string& pdfPath);

} // namespace corvane::tool
