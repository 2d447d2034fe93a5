#include "report/TableToFile.h"

namespace corvane {

namespace {

// Fields joined by ",": the line without its final separator.
std::string JoinFields(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        line += fields[i];
    }
    return line;
}

} // namespace

std::vector<std::string> TableFileLines(const GridData& grid) {
    const GridHeadings& headings = grid.Headings;
    const int columns = headings.ColumnCount();
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(grid.RowCount()) + 1);

    std::vector<std::string> fields(static_cast<std::size_t>(columns));
    std::string last;
    for (int c = 0; c < columns; ++c) {
        const std::string& group = headings.GroupTextOf(c);
        const bool inGroup = headings.Columns[static_cast<std::size_t>(c)].GroupNumber > 0;
        if (inGroup && group != last) {
            last = group;
            fields[static_cast<std::size_t>(c)] = group;
        }
    }
    lines.push_back(JoinFields(fields));

    for (int c = 0; c < columns; ++c) {
        fields[static_cast<std::size_t>(c)] =
            headings.Columns[static_cast<std::size_t>(c)].HeadingText;
    }
    lines.push_back(JoinFields(fields));

    for (int r = 1; r < grid.RowCount(); ++r) {
        lines.push_back(JoinFields(grid.Cells[static_cast<std::size_t>(r)]));
    }
    return lines;
}

std::string TableFileText(const GridData& grid) {
    std::string text;
    for (const std::string& line : TableFileLines(grid)) {
        text += line;
        text += "\r\n";
    }
    return text;
}

WriteResult WriteTableFile(const std::filesystem::path& file, const GridData& grid) {
    return WriteFileWhole(file, TableFileText(grid));
}

} // namespace corvane
