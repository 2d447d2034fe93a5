#include "report/ReportLines.h"

#include "common/NumberText.h"

#include <algorithm>

namespace corvane {

namespace {

std::string Joined(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        line += (i > 0 ? "|" : "") + fields[i];
    }
    return line;
}

std::string RowLine(const std::string& label, const std::vector<std::string>& values) {
    std::string line = label;
    for (const std::string& value : values) {
        line += '|' + value;
    }
    return line;
}

// Every field, an empty last one too: "a|" is "a" and "".
std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = line.find('|', start);
        fields.push_back(line.substr(start, bar - start));
        if (bar == std::string::npos) {
            return fields;
        }
        start = bar + 1;
    }
}

ReportRow Row(const std::string& line) {
    std::vector<std::string> fields = Fields(line);
    return {fields.front(), std::vector<std::string>(fields.begin() + 1, fields.end())};
}

} // namespace

LoadReportText ReportLines(const LoadReport& report) {
    LoadReportText lines{report.Title};
    for (const ReportPair& pair : report.Header) {
        lines.push_back(pair.Label + '|' + pair.Value);
    }
    lines.push_back("ENDHEADER");
    lines.push_back("TABNUMBER|" + std::to_string(report.Section));
    if (report.Ranges) {
        const ReportRangeTable& table = *report.Ranges;
        const std::size_t points = std::max<std::size_t>(table.Headings.size(), 1) - 1;
        lines.push_back("RANGECOUNT|" + std::to_string(points));
        lines.push_back(Joined(table.Headings));
        for (const ReportRow& row : table.Rows) {
            lines.push_back(RowLine(row.Label, row.Values));
        }
    }
    if (report.Shots) {
        lines.push_back("SHOTDATA|");
        lines.push_back(Joined(report.Shots->Headings));
        for (const ReportShotRow& row : report.Shots->Rows) {
            lines.push_back(row.Size + (row.Count ? '|' + *row.Count : std::string()) + '|' +
                            row.Diameter);
        }
    }
    return lines;
}

std::optional<LoadReport> ReadReportLines(const LoadReportText& lines) {
    const auto end = std::find(lines.begin(), lines.end(), "ENDHEADER");
    if (lines.empty() || end == lines.begin() || end == lines.end() || end + 1 == lines.end() ||
        end[1].rfind("TABNUMBER|", 0) != 0) {
        return std::nullopt;
    }
    LoadReport report;
    report.Title = lines.front();
    for (auto line = lines.begin() + 1; line != end; ++line) {
        const std::size_t bar = line->find('|');
        report.Header.push_back({line->substr(0, bar),
                                 bar == std::string::npos ? std::string() : line->substr(bar + 1)});
    }
    report.Section = TryParseInt(end[1].substr(10)).value_or(-1);
    const auto blockStart = end + 2;
    if (blockStart == lines.end() || blockStart + 1 == lines.end()) {
        return report;
    }
    if (blockStart->rfind("RANGECOUNT|", 0) == 0) {
        ReportRangeTable& table = report.Ranges.emplace();
        table.Headings = Fields(blockStart[1]);
        for (auto line = blockStart + 2; line != lines.end(); ++line) {
            table.Rows.push_back(Row(*line));
        }
    } else if (*blockStart == "SHOTDATA|") {
        ReportShotTable& table = report.Shots.emplace();
        table.Headings = Fields(blockStart[1]);
        for (auto line = blockStart + 2; line != lines.end(); ++line) {
            const std::vector<std::string> fields = Fields(*line);
            ReportShotRow row{fields.front(), std::nullopt, fields.back()};
            if (fields.size() > 2) {
                row.Count = fields[1];
            }
            table.Rows.push_back(std::move(row));
        }
    }
    return report;
}

} // namespace corvane
