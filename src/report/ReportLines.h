#pragma once
// The load report as text lines, for the tool's report command and scripted checks. Fields
// within a line are separated by "|": the title, one "label|value" line per header pair,
// "ENDHEADER", "TABNUMBER|<section>", then either "RANGECOUNT|<range points>", the headings and
// one line per row, or "SHOTDATA|", the headings and "size|count|diameter" per shot row
// ("size|diameter" without a count). Texts are Windows-1252.
#include "report/LoadReport.h"

#include <optional>
#include <string>
#include <vector>

namespace corvane {

using LoadReportText = std::vector<std::string>;

LoadReportText ReportLines(const LoadReport& report);

// Reads lines written by ReportLines back; nothing when they are no load report (no title,
// or no "ENDHEADER" and "TABNUMBER|" line).
std::optional<LoadReport> ReadReportLines(const LoadReportText& lines);

} // namespace corvane
