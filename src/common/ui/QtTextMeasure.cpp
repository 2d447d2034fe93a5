#include "common/ui/QtTextMeasure.h"

#include "common/ui/QtText.h"

namespace corvane {
namespace {

QFont Bolded(QFont font) {
    font.setBold(true);
    return font;
}

} // namespace

QtTextMeasure::QtTextMeasure(const QFont& font)
    : regular_(font), bold_(Bolded(font)), regularMetrics_(regular_), boldMetrics_(bold_) {}

void QtTextMeasure::SetFont(const QFont& font) {
    regular_ = font;
    bold_ = Bolded(font);
    regularMetrics_ = QFontMetrics(regular_);
    boldMetrics_ = QFontMetrics(bold_);
}

int QtTextMeasure::TextWidth(std::string_view text, bool bold) const {
    return (bold ? boldMetrics_ : regularMetrics_).horizontalAdvance(ToQString(text));
}

int QtTextMeasure::TextHeight(std::string_view text, bool bold) const {
    // The line height of the font, as the grid sizes its rows by it, not the glyph box.
    (void)text;
    return (bold ? boldMetrics_ : regularMetrics_).height();
}

} // namespace corvane
