#pragma once
// The range card on one page: the report's header picture and rule, the title, the load, rifle
// and conditions in two columns, the maximum point-blank range, the table in a type size that
// fits every row on the page, and the energy line. Draws only through the report engine.
#include "report/ui/ReportPage.h"
#include "rifle/RangeCardPage.h"

#include <QImage>

namespace corvane {

class RangeCardPrintPage : public PrintablePage {
public:
    explicit RangeCardPrintPage(RangeCardPage card) : card_(std::move(card)) {}

    const RangeCardPage& Card() const { return card_; }
    void SetPictures(const QImage& header, const QImage& footer) override;
    void SetColorPrinting(bool on) override { colorPrinting_ = on; }
    void Draw(ReportEngine& r) const override;

    // The table's type size on the last drawing, points.
    double TableFontSize() const { return tableFontSize_; }

private:
    void DrawTable(ReportEngine& r, double bottom) const;

    RangeCardPage card_;
    QImage header_;
    bool colorPrinting_ = true;
    mutable double tableFontSize_ = 0;
};

} // namespace corvane
