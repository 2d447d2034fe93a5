#include "report/ui/ReportPage.h"

#include "common/NumberText.h"
#include "common/TextUtil.h"
#include "common/ui/QtText.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

const QString kTimes = QStringLiteral("Times New Roman");
constexpr double kLabelColumnWidth = 1.2;
constexpr double kValueColumnWidth = 0.75;
constexpr double kCellMargin = 0.05;
// Below this print height a page with split tables has no room for the custom footer.
constexpr double kFooterMinPrintHeight = 9.0;

// Heading rows are white; data rows alternate yellow and white, starting with yellow.
void NextRowShade(ReportEngine& r, bool& shadeToggle) {
    r.SetTabShadeColor(shadeToggle ? QColor(255, 255, 255) : QColor(255, 255, 0));
    shadeToggle = !shadeToggle;
}

std::string Field(const std::vector<std::string>& fields, std::size_t index) {
    return index < fields.size() ? fields[index] : std::string();
}

std::string JoinFields(const std::vector<std::string>& fields, std::size_t from, std::size_t to) {
    std::string joined;
    for (std::size_t i = from; i < to && i < fields.size(); ++i) {
        joined += fields[i];
        joined += '|';
    }
    return joined;
}

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

} // namespace

std::vector<std::string> SplitReportFields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (start < line.size()) {
        const std::size_t bar = line.find('|', start);
        if (bar == std::string::npos) {
            fields.push_back(line.substr(start));
            break;
        }
        fields.push_back(line.substr(start, bar - start));
        start = bar + 1;
    }
    return fields;
}

void SplitRangeTable(std::vector<std::string>& lines, int headingLine) {
    if (headingLine < 0 || headingLine >= static_cast<int>(lines.size())) {
        return;
    }
    const std::size_t count = lines.size();
    const auto heading = static_cast<std::size_t>(headingLine);
    const std::vector<std::string> headings = SplitReportFields(lines[heading]);
    const std::size_t half = headings.size() / 2 + headings.size() % 2;
    lines[heading] = JoinFields(headings, 0, half);
    lines.push_back(JoinFields(headings, half, headings.size()));
    for (std::size_t j = heading + 1; j < count; ++j) {
        const std::vector<std::string> fields = SplitReportFields(lines[j]);
        lines[j] = JoinFields(fields, 0, half + 1);
        lines.push_back(Field(fields, 0) + '|' + JoinFields(fields, half + 1, fields.size()));
    }
}

void LoadReportPage::SetReportText(const std::vector<std::string>& text) {
    reportLines_ = text;
    hasRangeTable_ = true;
    section_ = -1;
    rangeHeadingLine_ = 0;
    shotHeadingLine_ = 0;
    const auto end = std::find(reportLines_.begin(), reportLines_.end(), "ENDHEADER");
    const int endHeader = static_cast<int>(end - reportLines_.begin());
    lastHeaderLine_ = endHeader - 1;
    const int count = static_cast<int>(reportLines_.size());
    for (int i = endHeader + 1; i < count; ++i) {
        const std::string& line = reportLines_[static_cast<std::size_t>(i)];
        if (StartsWith(line, "TABNUMBER|")) {
            std::string digits = line.size() > 10 ? line.substr(10, 4) : std::string();
            std::erase(digits, ' ');
            section_ = TryParseInt(digits).value_or(-1);
            if (section_ == 4) {
                hasRangeTable_ = false;
            }
        } else if (StartsWith(line, "RANGECOUNT|") && i + 1 < count) {
            rangeHeadingLine_ = i + 1;
        } else if (StartsWith(line, "SHOTDATA|") && i + 1 < count) {
            shotHeadingLine_ = i + 1;
        }
    }
}

void LoadReportPage::SetPictures(const QImage& header, const QImage& footer) {
    headerBitmap_ = header;
    footerBitmap_ = footer;
}

ReportPageResult LoadReportPage::Compose(ReportEngine& r) const {
    const ReportPageSize& page = r.Page();
    const Layout layout{page.Width / 2, page.Width - page.LeftMargin - page.RightMargin,
                        page.Height - page.TopMargin - page.BottomMargin, colorPrinting_ ? 25 : 0};
    ReportPageResult result;

    r.PrintBitmapRect(layout.CenterX - 1.8, 0.5, layout.CenterX + 1.8, 1.34, headerBitmap_);
    r.SetPen(Qt::black, Qt::SolidLine, 0.03);
    r.MoveTo(page.LeftMargin + 0.5, 1.42);
    r.LineTo(page.Width - page.RightMargin - 0.5, 1.42);
    r.SetPen(Qt::black, Qt::SolidLine, 0.01);

    r.SetFont(kTimes, 16);
    r.SetYPos(1.65);
    r.SetBold(true);
    if (!reportLines_.empty()) {
        r.PrintCenter(ToQString(reportLines_.front()), layout.CenterX);
    }

    PrintHeaderBlock(r, layout);

    bool footerAllowed = true;
    if (hasRangeTable_ && rangeHeadingLine_ > 0) {
        std::vector<std::string> lines = reportLines_;
        const int count = static_cast<int>(lines.size());
        const auto headings =
            SplitReportFields(lines[static_cast<std::size_t>(rangeHeadingLine_)]).size();
        if (static_cast<double>(headings) < std::trunc(layout.PrintWidth + 0.1)) {
            PrintRangeTable(r, layout, lines, rangeHeadingLine_, count);
            result.RangeTables = 1;
        } else {
            SplitRangeTable(lines, rangeHeadingLine_);
            PrintRangeTable(r, layout, lines, rangeHeadingLine_, count);
            r.NewLine();
            PrintRangeTable(r, layout, lines, count, static_cast<int>(lines.size()));
            result.RangeTables = 2;
            footerAllowed = layout.PrintHeight >= kFooterMinPrintHeight;
        }
    } else if (shotHeadingLine_ > 0) {
        PrintShotTable(r, layout);
        result.ShotTable = true;
    }
    result.BottomY = r.YPos() - r.LineHeight();

    if (!footerBitmap_.isNull() && footerAllowed) {
        const double bottom = page.Height - page.BottomMargin;
        r.PrintBitmapRect(layout.CenterX - 3.3, bottom - 1.3, layout.CenterX + 2.7, bottom - 0.3,
                          footerBitmap_);
        result.FooterPrinted = true;
    }
    return result;
}

void LoadReportPage::PrintHeaderBlock(ReportEngine& r, const Layout& layout) const {
    r.ClearTabs();
    r.SetFont(kTimes, 11);
    r.SetYPos(2.1);
    const double width = layout.PrintWidth / 2 - 0.05;
    r.SetTab(layout.CenterX - width, TabJustify::Right, width, 0.05, BoxLineNone, 0);
    r.SetTab(std::nullopt, TabJustify::Left, width, 0.05, BoxLineNone, 0);
    const auto limit = static_cast<std::size_t>(RoundHalfEven(layout.PrintWidth / 0.15));

    for (int i = 1; i <= lastHeaderLine_; ++i) {
        const std::vector<std::string> fields =
            SplitReportFields(reportLines_[static_cast<std::size_t>(i)]);
        const std::string label = Field(fields, 0);
        const std::string value = Field(fields, 1);
        r.SetBold(true);
        r.PrintTab(QLatin1Char('\t') + ToQString(label));
        r.SetBold(false);
        // A usage list too long for one line breaks once at its last blank within the limit;
        // without such a blank it is printed whole rather than dropped.
        const std::size_t blank =
            value.size() > limit && limit > 0 ? value.rfind(' ', limit - 1) : std::string::npos;
        if (UpperCase(label) == "USAGE:" && blank != std::string::npos && blank > 0) {
            r.PrintlnTab(QLatin1Char('\t') + ToQString(Trim(value.substr(0, blank))));
            r.PrintlnTab(QStringLiteral("\t\t") + ToQString(Trim(value.substr(blank))));
        } else {
            r.PrintlnTab(QLatin1Char('\t') + ToQString(value));
        }
    }
}

void LoadReportPage::PrintRangeTable(ReportEngine& r, const Layout& layout,
                                     const std::vector<std::string>& lines, int first,
                                     int stop) const {
    const std::vector<std::string> headings =
        SplitReportFields(lines[static_cast<std::size_t>(first)]);
    const auto columns = static_cast<int>(headings.size()) + 1;
    r.NewLine();
    r.NewLine();
    const double tableWidth = kLabelColumnWidth + columns * kValueColumnWidth;
    const double left = (r.Page().Width - tableWidth) / 2;
    bool shadeToggle = true;

    r.ClearTabs();
    r.SetTab(left + kLabelColumnWidth, TabJustify::Right, kValueColumnWidth, kCellMargin,
             BoxLineAll, layout.Shade);
    for (int c = 1; c < columns; ++c) {
        r.SetTab(std::nullopt, TabJustify::Right, kValueColumnWidth, kCellMargin, BoxLineAll,
                 layout.Shade);
    }
    r.SetBold(true);
    NextRowShade(r, shadeToggle);
    QString headingRow;
    for (const std::string& heading : headings) {
        headingRow += QLatin1Char('\t') + ToQString(heading);
    }
    r.PrintlnTab(headingRow);

    r.ClearTabs();
    r.SetTab(left, TabJustify::Right, kLabelColumnWidth, kCellMargin, BoxLineAll, layout.Shade);
    for (int c = 0; c < columns; ++c) {
        r.SetTab(std::nullopt, TabJustify::Right, kValueColumnWidth, kCellMargin, BoxLineAll,
                 layout.Shade);
    }
    for (int j = first + 1; j < stop; ++j) {
        NextRowShade(r, shadeToggle);
        const std::vector<std::string> fields =
            SplitReportFields(lines[static_cast<std::size_t>(j)]);
        for (std::size_t f = 0; f < fields.size(); ++f) {
            r.SetBold(f == 0);
            r.PrintTab(QLatin1Char('\t') + ToQString(fields[f]));
        }
        r.NewLine();
    }
    r.SetBold(false);
}

void LoadReportPage::PrintShotTable(ReportEngine& r, const Layout& layout) const {
    r.NewLine();
    r.NewLine();
    bool shadeToggle = true;
    NextRowShade(r, shadeToggle);

    const std::vector<std::string> titles =
        SplitReportFields(reportLines_[static_cast<std::size_t>(shotHeadingLine_)]);
    QStringList framed;
    for (std::size_t i = 0; i < 3; ++i) {
        framed << QLatin1Char(' ') + ToQString(Field(titles, i)) + QLatin1Char(' ');
    }
    r.SetBold(true);
    const double wa = r.TextWidth(framed[0]);
    const double wb = r.TextWidth(framed[1]);
    const double wc = r.TextWidth(framed[2]);
    const double left = (r.Page().Width - wa - wb - wc) / 2;

    r.ClearTabs();
    r.SetTab(left, TabJustify::Center, wa, 0, BoxLineAll, layout.Shade);
    r.SetTab(std::nullopt, TabJustify::Center, wb, 0, BoxLineAll, layout.Shade);
    r.SetTab(std::nullopt, TabJustify::Center, wc, 0, BoxLineAll, layout.Shade);
    r.PrintlnTab(QLatin1Char('\t') + framed.join(QLatin1Char('\t')));

    r.ClearTabs();
    r.SetTab(left, TabJustify::Right, wa, 0.35 * wa, BoxLineAll, layout.Shade);
    r.SetTab(std::nullopt, TabJustify::Right, wb, 0.45 * wb, BoxLineAll, layout.Shade);
    r.SetTab(std::nullopt, TabJustify::Right, wc, 0.40 * wc, BoxLineAll, layout.Shade);
    r.SetBold(false);
    const int lineCount = static_cast<int>(reportLines_.size());
    for (int j = shotHeadingLine_ + 1; j < lineCount; ++j) {
        NextRowShade(r, shadeToggle);
        const std::vector<std::string> fields =
            SplitReportFields(reportLines_[static_cast<std::size_t>(j)]);
        // A row without a pellet count (unknown material) keeps its diameter in the last
        // column and leaves the count cell empty.
        const std::string count = fields.size() == 2 ? std::string() : Field(fields, 1);
        const std::string diameter = fields.size() == 2 ? fields[1] : Field(fields, 2);
        r.PrintlnTab(QLatin1Char('\t') + ToQString(Field(fields, 0)) + QLatin1Char('\t') +
                     ToQString(count) + QLatin1Char('\t') + ToQString(diameter));
    }
}

} // namespace corvane
