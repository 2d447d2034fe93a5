#pragma once
// The range card on one page: the report's header picture and rule, the title, the load, rifle
// and conditions in two columns, the maximum point-blank range, the table in a type size that
// fits every row on the page, and the energy line. Draws only through the report engine.
#include "report/ui/ReportPage.h"
#include "rifle/RangeCardPage.h"

#include <QImage>

#include <vector>

namespace corvane {

class RangeCardPrintPage : public PrintablePage {
public:
    explicit RangeCardPrintPage(RangeCardPage card) : card_(std::move(card)) {}

    const RangeCardPage& Card() const { return card_; }
    void SetPictures(const QImage& header, const QImage& footer) override;
    void SetColorPrinting(bool on) override { colorPrinting_ = on; }
    void Draw(ReportEngine& r) const override;

    // The table's type size and the lowest baseline (inches) on the last drawing.
    double TableFontSize() const { return tableFontSize_; }
    double LowestBaseline() const { return lowestBaseline_; }

private:
    // The rows in one block, or in two side by side when they are many.
    void DrawTable(ReportEngine& r, double bottom) const;
    void DrawBlock(ReportEngine& r, double left, const std::vector<double>& widths,
                   std::size_t from, std::size_t to) const;
    // The table's column widths in `points` type, inches.
    std::vector<double> ColumnWidths(ReportEngine& r, double points, int blocks) const;

    RangeCardPage card_;
    QImage header_;
    bool colorPrinting_ = true;
    mutable double tableFontSize_ = 0;
    mutable double lowestBaseline_ = 0;
};

} // namespace corvane
