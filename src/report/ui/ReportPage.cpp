#include "report/ui/ReportPage.h"

#include "common/NumberText.h"
#include "common/TextUtil.h"
#include "common/ui/QtText.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

constexpr double kLabelColumnWidth = 1.2;
constexpr double kValueColumnWidth = 0.75;
// Below this print height a page with split tables has no room for the custom footer.
constexpr double kFooterMinPrintHeight = 9.0;

// Heading rows are white; data rows alternate yellow and white, starting with yellow.
void NextRowShade(ReportEngine& r, bool& shadeToggle) {
    r.SetTabShadeColor(shadeToggle ? QColor(255, 255, 255) : QColor(255, 255, 0));
    shadeToggle = !shadeToggle;
}

} // namespace

void LoadReportPage::SetPictures(const QImage& header, const QImage& footer) {
    headerBitmap_ = header;
    footerBitmap_ = footer;
}

ReportPageResult LoadReportPage::Compose(ReportEngine& r) const {
    const ReportPageSize& page = r.Page();
    const Layout layout{page.Width / 2, page.Width - page.LeftMargin - page.RightMargin,
                        page.Height - page.TopMargin - page.BottomMargin, colorPrinting_ ? 25 : 0};
    ReportPageResult result;

    PrintPageHead(r, headerBitmap_, ToQString(report_.Title));

    PrintHeaderBlock(r, layout);

    bool footerAllowed = true;
    if (report_.Ranges) {
        const ReportRangeTable& table = *report_.Ranges;
        const auto headings = static_cast<double>(table.Headings.size());
        if (headings < std::trunc(layout.PrintWidth + 0.1)) {
            PrintRangeTable(r, layout, table);
            result.RangeTables = 1;
        } else {
            const auto [first, second] = SplitRangeTable(table);
            PrintRangeTable(r, layout, first);
            r.NewLine();
            PrintRangeTable(r, layout, second);
            result.RangeTables = 2;
            footerAllowed = layout.PrintHeight >= kFooterMinPrintHeight;
        }
    } else if (report_.Shots) {
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
    r.SetFont(ReportTypeface(), 11);
    r.SetYPos(2.1);
    const double width = layout.PrintWidth / 2 - 0.05;
    r.SetTab(layout.CenterX - width, TabJustify::Right, width, 0.05, BoxLineNone, 0);
    r.SetTab(std::nullopt, TabJustify::Left, width, 0.05, BoxLineNone, 0);
    const auto limit = static_cast<std::size_t>(RoundHalfEven(layout.PrintWidth / 0.15));

    for (const auto& [label, value] : report_.Header) {
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
                                     const ReportRangeTable& table) const {
    const auto columns = static_cast<int>(table.Headings.size()) + 1;
    r.NewLine();
    r.NewLine();
    const double tableWidth = kLabelColumnWidth + columns * kValueColumnWidth;
    const double left = (r.Page().Width - tableWidth) / 2;
    bool shadeToggle = true;

    r.ClearTabs();
    r.SetTab(left + kLabelColumnWidth, TabJustify::Right, kValueColumnWidth, kReportCellMargin,
             BoxLineAll, layout.Shade);
    for (int c = 1; c < columns; ++c) {
        r.SetTab(std::nullopt, TabJustify::Right, kValueColumnWidth, kReportCellMargin, BoxLineAll,
                 layout.Shade);
    }
    r.SetBold(true);
    NextRowShade(r, shadeToggle);
    QString headingRow;
    for (const std::string& heading : table.Headings) {
        headingRow += QLatin1Char('\t') + ToQString(heading);
    }
    r.PrintlnTab(headingRow);

    r.ClearTabs();
    r.SetTab(left, TabJustify::Right, kLabelColumnWidth, kReportCellMargin, BoxLineAll,
             layout.Shade);
    for (int c = 0; c < columns; ++c) {
        r.SetTab(std::nullopt, TabJustify::Right, kValueColumnWidth, kReportCellMargin, BoxLineAll,
                 layout.Shade);
    }
    for (const ReportRow& row : table.Rows) {
        NextRowShade(r, shadeToggle);
        r.SetBold(true);
        r.PrintTab(QLatin1Char('\t') + ToQString(row.Label));
        r.SetBold(false);
        for (const std::string& value : row.Values) {
            r.PrintTab(QLatin1Char('\t') + ToQString(value));
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

    const ReportShotTable& table = *report_.Shots;
    QStringList framed;
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string title = i < table.Headings.size() ? table.Headings[i] : std::string();
        framed << QLatin1Char(' ') + ToQString(title) + QLatin1Char(' ');
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
    for (const ReportShotRow& row : table.Rows) {
        NextRowShade(r, shadeToggle);
        // A row without a pellet count (unknown material) leaves the count cell empty.
        r.PrintlnTab(QLatin1Char('\t') + ToQString(row.Size) + QLatin1Char('\t') +
                     ToQString(row.Count.value_or(std::string())) + QLatin1Char('\t') +
                     ToQString(row.Diameter));
    }
}

} // namespace corvane
