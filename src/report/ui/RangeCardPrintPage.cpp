#include "report/ui/RangeCardPrintPage.h"

#include "common/ui/QtText.h"

#include <algorithm>

namespace corvane {

namespace {

const QString kTimes = QStringLiteral("Times New Roman");
constexpr double kCellMargin = 0.05;
constexpr double kDetailLabelWidth = 1.3;
constexpr double kLargestTableFont = 10;
constexpr double kSmallestTableFont = 5;

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

    r.PrintBitmapRect(centerX - 1.8, 0.5, centerX + 1.8, 1.34, header_);
    r.SetPen(Qt::black, Qt::SolidLine, 0.03);
    r.MoveTo(page.LeftMargin + 0.5, 1.42);
    r.LineTo(page.Width - page.RightMargin - 0.5, 1.42);
    r.SetPen(Qt::black, Qt::SolidLine, 0.01);

    r.SetFont(kTimes, 16);
    r.SetYPos(1.65);
    r.SetBold(true);
    r.PrintCenter(ToQString(card_.title), centerX);

    // The details in two columns of label and value, filled down the left column first.
    r.SetFont(kTimes, 10);
    r.SetYPos(1.95);
    r.ClearTabs();
    const double half = (page.Width - page.LeftMargin - page.RightMargin) / 2;
    for (int c = 0; c < 2; ++c) {
        r.SetTab(page.LeftMargin + c * half, TabJustify::Right, kDetailLabelWidth, kCellMargin,
                 BoxLineNone, 0);
        r.SetTab(std::nullopt, TabJustify::Left, half - kDetailLabelWidth, kCellMargin, BoxLineNone,
                 0);
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
    r.SetFont(kTimes, 11);
    r.SetBold(true);
    if (!card_.problem.empty()) {
        r.PrintCenter(ToQString(card_.problem), centerX);
        tableFontSize_ = 0;
        return;
    }
    r.PrintCenter(ToQString(card_.pointBlankLine), centerX);
    r.NewLine();
    // The energy line keeps two lines below the table.
    DrawTable(r, bottom - 2 * r.LineHeight());
    r.SetFont(kTimes, 11);
    r.SetBold(true);
    r.NewLine();
    r.PrintCenter(ToQString(card_.energyLine), centerX);
}

void RangeCardPrintPage::DrawTable(ReportEngine& r, double bottom) const {
    // The largest type that fits the two heading lines and every row above `bottom`.
    const auto lines = static_cast<double>(card_.rows.size() + 2);
    double points = kLargestTableFont;
    for (; points > kSmallestTableFont; points -= 0.5) {
        r.SetFont(kTimes, points);
        if (r.YPos() + (lines - 1) * r.LineHeight() <= bottom) {
            break;
        }
    }
    r.SetFont(kTimes, points);
    tableFontSize_ = points;

    const ReportPageSize& page = r.Page();
    const auto columns = static_cast<int>(card_.headings.size());
    const double width =
        std::min(0.8, (page.Width - page.LeftMargin - page.RightMargin) / std::max(columns, 1));
    const double left = (page.Width - width * columns) / 2;
    const int shade = colorPrinting_ ? 25 : 0;
    r.ClearTabs();
    for (int c = 0; c < columns; ++c) {
        r.SetTab(c == 0 ? std::optional<double>(left) : std::nullopt, TabJustify::Right, width,
                 kCellMargin, BoxLineLeft | BoxLineRight, 0);
    }
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
    bool shaded = true;
    for (const std::vector<std::string>& row : card_.rows) {
        r.ClearTabs();
        r.SetTabShadeColor(shaded ? QColor(255, 255, 0) : QColor(255, 255, 255));
        for (int c = 0; c < columns; ++c) {
            r.SetTab(c == 0 ? std::optional<double>(left) : std::nullopt, TabJustify::Right, width,
                     kCellMargin, BoxLineAll, shaded ? shade : 0);
        }
        QString line;
        for (const std::string& cell : row) {
            line += QLatin1Char('\t') + ToQString(cell);
        }
        r.PrintlnTab(line);
        shaded = !shaded;
    }
}

} // namespace corvane
