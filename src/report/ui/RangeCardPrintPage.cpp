#include "report/ui/RangeCardPrintPage.h"

#include "common/ui/QtText.h"

#include <algorithm>

namespace corvane {

namespace {

constexpr double kDetailLabelWidth = 1.3;
constexpr double kLargestTableFont = 10;
constexpr double kSmallestTableFont = 5;
// Below this one block of rows becomes two.
constexpr double kOneBlockSmallestFont = 7;
constexpr double kBlockGap = 0.15;
constexpr double kRoomyColumn = 0.8;

// "Velocity (ft/s)" is headed "Velocity" over "(ft/s)", so the columns stay narrow.
std::pair<QString, QString> HeadingLines(const std::string& heading) {
    const QString text = ToQString(heading);
    const qsizetype open = text.indexOf(QStringLiteral(" ("));
    return open < 0 ? std::pair{text, QString()} : std::pair{text.left(open), text.mid(open + 1)};
}

} // namespace

void RangeCardPrintPage::SetPictures(const QImage& header, const QImage&) {
    header_ = header; // the card keeps its page for the table: no footer
}

void RangeCardPrintPage::Draw(ReportEngine& r) const {
    const ReportPageSize& page = r.Page();
    const double centerX = page.Width / 2;
    const double bottom = page.Height - page.BottomMargin;

    PrintPageHead(r, header_, ToQString(card_.title));

    // The details in two columns of label and value, filled down the left column first.
    r.SetFont(ReportTypeface(), 10);
    r.SetYPos(1.95);
    r.ClearTabs();
    const double half = (page.Width - page.LeftMargin - page.RightMargin) / 2;
    for (int c = 0; c < 2; ++c) {
        r.SetTab(page.LeftMargin + c * half, TabJustify::Right, kDetailLabelWidth,
                 kReportCellMargin, BoxLineNone, 0);
        r.SetTab(std::nullopt, TabJustify::Left, half - kDetailLabelWidth, kReportCellMargin,
                 BoxLineNone, 0);
    }
    const std::size_t down = (card_.details.size() + 1) / 2;
    for (std::size_t line = 0; line < down; ++line) {
        for (const std::size_t i : {line, line + down}) {
            if (i < card_.details.size()) {
                r.SetBold(true);
                r.PrintTab(QLatin1Char('\t') + ToQString(card_.details[i].label));
                r.SetBold(false);
                r.PrintTab(QLatin1Char('\t') + ToQString(card_.details[i].value));
            } else {
                r.PrintTab(QStringLiteral("\t\t"));
            }
        }
        r.NewLine();
    }
    r.NewLine();
    r.SetFont(ReportTypeface(), 11);
    r.SetBold(true);
    if (!card_.problem.empty()) {
        r.PrintCenter(ToQString(card_.problem), centerX);
        tableFontSize_ = 0;
        lowestBaseline_ = r.YPos();
        return;
    }
    r.PrintCenter(ToQString(card_.pointBlankLine), centerX);
    r.NewLine();
    // The energy line keeps two lines below the table.
    DrawTable(r, bottom - 2 * r.LineHeight());
    r.SetFont(ReportTypeface(), 11);
    r.SetBold(true);
    r.NewLine();
    r.PrintCenter(ToQString(card_.energyLine), centerX);
    lowestBaseline_ = r.YPos();
}

std::vector<double> RangeCardPrintPage::ColumnWidths(ReportEngine& r, double points,
                                                     int blocks) const {
    // Each column as wide as its widest text; one block keeps the roomy even columns.
    std::vector<double> widths(card_.headings.size(), blocks == 1 ? kRoomyColumn : 0);
    r.SetFont(ReportTypeface(), points);
    r.SetBold(true);
    for (std::size_t c = 0; c < widths.size(); ++c) {
        const auto [name, unit] = HeadingLines(card_.headings[c]);
        widths[c] = std::max({widths[c], r.TextWidth(name) + 2 * kReportCellMargin,
                              r.TextWidth(unit) + 2 * kReportCellMargin});
    }
    r.SetBold(false);
    for (const std::vector<std::string>& row : card_.rows) {
        for (std::size_t c = 0; c < widths.size() && c < row.size(); ++c) {
            widths[c] = std::max(widths[c], r.TextWidth(ToQString(row[c])) + 2 * kReportCellMargin);
        }
    }
    return widths;
}

void RangeCardPrintPage::DrawTable(ReportEngine& r, double bottom) const {
    const double top = r.YPos();
    const ReportPageSize& page = r.Page();
    const double printWidth = page.Width - page.LeftMargin - page.RightMargin;
    const std::size_t count = card_.rows.size();
    // The largest type that fits every row and the columns' widths on the page: in one block
    // while it can be read, else in two side by side.
    int blocks = 1;
    double points = kSmallestTableFont;
    std::vector<double> widths;
    bool found = false;
    for (const int tryBlocks : {1, 2}) {
        const std::size_t rows =
            (count + static_cast<std::size_t>(tryBlocks) - 1) / static_cast<std::size_t>(tryBlocks);
        const double smallest = tryBlocks == 1 ? kOneBlockSmallestFont : kSmallestTableFont;
        for (double tryPoints = kLargestTableFont; tryPoints >= smallest && !found;
             tryPoints -= 0.5) {
            widths = ColumnWidths(r, tryPoints, tryBlocks);
            double total = 0;
            for (const double width : widths) {
                total += width;
            }
            r.SetFont(ReportTypeface(), tryPoints);
            found = top + static_cast<double>(rows + 1) * r.LineHeight() <= bottom &&
                    tryBlocks * total + (tryBlocks - 1) * kBlockGap <= printWidth;
            blocks = tryBlocks;
            points = tryPoints;
        }
        if (found) {
            break;
        }
    }
    if (!found) {
        widths = ColumnWidths(r, points, blocks); // the smallest type: as close as it gets
    }
    r.SetFont(ReportTypeface(), points);
    tableFontSize_ = points;

    double blockWidth = 0;
    for (const double width : widths) {
        blockWidth += width;
    }
    const double first = (page.Width - blocks * blockWidth - (blocks - 1) * kBlockGap) / 2;
    const std::size_t perBlock =
        (count + static_cast<std::size_t>(blocks) - 1) / static_cast<std::size_t>(blocks);
    double lowest = top;
    for (int b = 0; b < blocks; ++b) {
        r.SetYPos(top);
        const std::size_t from = static_cast<std::size_t>(b) * perBlock;
        DrawBlock(r, first + b * (blockWidth + kBlockGap), widths, from,
                  std::min(count, from + perBlock));
        lowest = std::max(lowest, r.YPos());
    }
    r.SetYPos(lowest);
}

void RangeCardPrintPage::DrawBlock(ReportEngine& r, double left, const std::vector<double>& widths,
                                   std::size_t from, std::size_t to) const {
    const auto setTabs = [&](unsigned boxLines, int shade) {
        r.ClearTabs();
        for (std::size_t c = 0; c < widths.size(); ++c) {
            r.SetTab(c == 0 ? std::optional<double>(left) : std::nullopt, TabJustify::Right,
                     widths[c], kReportCellMargin, boxLines, shade);
        }
    };
    setTabs(BoxLineLeft | BoxLineRight, 0);
    r.SetBold(true);
    QString names;
    QString units;
    for (const std::string& heading : card_.headings) {
        const auto [name, unit] = HeadingLines(heading);
        names += QLatin1Char('\t') + name;
        units += QLatin1Char('\t') + unit;
    }
    r.PrintlnTab(names);
    r.PrintlnTab(units);
    r.SetBold(false);

    // Rows alternate shaded and white, so a line is easy to follow across.
    const int shade = colorPrinting_ ? 25 : 0;
    bool shaded = true;
    for (std::size_t i = from; i < to; ++i) {
        r.SetTabShadeColor(shaded ? QColor(255, 255, 0) : QColor(255, 255, 255));
        setTabs(BoxLineAll, shaded ? shade : 0);
        QString line;
        for (const std::string& cell : card_.rows[i]) {
            line += QLatin1Char('\t') + ToQString(cell);
        }
        r.PrintlnTab(line);
        shaded = !shaded;
    }
}

} // namespace corvane
