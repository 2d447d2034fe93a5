#pragma once
// report --pdf: the one-page load report rendered by the program's own report engine. Only a
// tool built with the Qt layer can draw it.
#include "common/FileWrite.h"
#include "report/LoadReport.h"

#include <string>

namespace corvane::tool {

// Whether this build of the tool can write the report PDF.
bool ReportPdfAvailable();

// Writes the page of `report` to `pdfPath`, with the report pictures of `productInfoDir`.
// The error (UTF-8) says what went wrong.
WriteResult WriteReportPdf(const LoadReport& report, const std::string& productInfoDir,
                           bool colorPrinting, const std::string& pdfPath);

} // namespace corvane::tool
