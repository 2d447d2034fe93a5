#pragma once
// Measures texts in a real font, for the grid's column layout.
#include "common/TextMeasure.h"

#include <QFont>
#include <QFontMetrics>

namespace corvane {

class QtTextMeasure : public TextMeasure {
public:
    explicit QtTextMeasure(const QFont& font);
    void SetFont(const QFont& font);
    const QFont& Font() const { return regular_; }
    const QFont& BoldFont() const { return bold_; }

    int TextWidth(std::string_view text, bool bold) const override;
    int TextHeight(std::string_view text, bool bold) const override;

private:
    QFont regular_;
    QFont bold_;
    QFontMetrics regularMetrics_;
    QFontMetrics boldMetrics_;
};

} // namespace corvane
