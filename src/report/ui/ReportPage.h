#pragma once
// The one-page load report: header picture, rule, title,
// label-value block, the ballistics table (split in two when too wide) or the shot-size table,
// and the optional footer picture. Draws only through the report engine.
#include "report/LoadReport.h"
#include "report/ui/ReportEngine.h"

#include <QImage>

namespace corvane {

// What a composition printed, for callers that check the page.
struct ReportPageResult {
    int RangeTables = 0;
    bool ShotTable = false;
    bool FooterPrinted = false;
    double BottomY = 0; // lowest baseline printed, inches
};

// A one-page printout the report window, its preview, the printer and the PDF writer produce.
class PrintablePage {
public:
    virtual ~PrintablePage() = default;
    // The header picture and the custom footer (null when none).
    virtual void SetPictures(const QImage& header, const QImage& footer) = 0;
    virtual void SetColorPrinting(bool on) = 0;
    virtual void Draw(ReportEngine& r) const = 0;
};

class LoadReportPage : public PrintablePage {
public:
    void SetReport(const LoadReport& report) { report_ = report; }
    const LoadReport& Report() const { return report_; }

    void SetPictures(const QImage& header, const QImage& footer) override;
    void SetColorPrinting(bool on) override { colorPrinting_ = on; }
    void Draw(ReportEngine& r) const override { Compose(r); }

    // Composes the whole page; a page can be composed any number of times (the preview
    // repaints).
    ReportPageResult Compose(ReportEngine& r) const;

private:
    struct Layout {
        double CenterX;
        double PrintWidth;
        double PrintHeight;
        int Shade;
    };

    void PrintHeaderBlock(ReportEngine& r, const Layout& layout) const;
    void PrintRangeTable(ReportEngine& r, const Layout& layout,
                         const ReportRangeTable& table) const;
    void PrintShotTable(ReportEngine& r, const Layout& layout) const;

    LoadReport report_;
    QImage headerBitmap_;
    QImage footerBitmap_;
    bool colorPrinting_ = true;
};

} // namespace corvane
