#pragma once
// The one-page load report composed from the load report text: header picture, rule, title,
// label-value block, the ballistics table (split in two when too wide) or the shot-size table,
// and the optional footer picture. Draws only through the report engine.
#include "report/ui/ReportEngine.h"

#include <QImage>

#include <string>
#include <vector>

namespace corvane {

// Splits a line at "|". A final "|" ends the last field rather than opening an empty one, so
// "Usage:|" has one field and "a|b|" two.
std::vector<std::string> SplitReportFields(const std::string& line);

// Splits the range table starting at `headingLine` in two: the heading line and every later line
// keep their first half of the headings (data lines keep their label too), and the second halves
// are appended to `lines`, heading first, each data line with its label.
void SplitRangeTable(std::vector<std::string>& lines, int headingLine);

// What a composition printed, for callers that check the page.
struct ReportPageResult {
    int RangeTables = 0;
    bool ShotTable = false;
    bool FooterPrinted = false;
    double BottomY = 0; // lowest baseline printed, inches
};

class LoadReportPage {
public:
    // Copies the text and finds its parts (header end, section, range and shot headings).
    void SetReportText(const std::vector<std::string>& text);

    void SetPictures(const QImage& header, const QImage& footer);
    void SetColorPrinting(bool on) { colorPrinting_ = on; }

    // Composes the whole page. The text is not changed, so a page can be composed any
    // number of times (the preview repaints).
    ReportPageResult Compose(ReportEngine& r) const;

    int LastHeaderLine() const { return lastHeaderLine_; }
    int RangeHeadingLine() const { return rangeHeadingLine_; }
    int ShotHeadingLine() const { return shotHeadingLine_; }
    bool HasRangeTable() const { return hasRangeTable_; }
    int Section() const { return section_; }

private:
    struct Layout {
        double CenterX;
        double PrintWidth;
        double PrintHeight;
        int Shade;
    };

    void PrintHeaderBlock(ReportEngine& r, const Layout& layout) const;
    void PrintRangeTable(ReportEngine& r, const Layout& layout,
                         const std::vector<std::string>& lines, int first, int stop) const;
    void PrintShotTable(ReportEngine& r, const Layout& layout) const;

    std::vector<std::string> reportLines_;
    QImage headerBitmap_;
    QImage footerBitmap_;
    bool colorPrinting_ = true;
    bool hasRangeTable_ = true;
    int section_ = -1;
    int lastHeaderLine_ = -1;
    int rangeHeadingLine_ = 0;
    int shotHeadingLine_ = 0;
};

} // namespace corvane
