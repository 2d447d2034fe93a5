#pragma once
// A text measure without a font: every character is 7 pixels wide (8 in bold) and a line is 15
// pixels high. Used by the tool, whose output does not depend on widths, and by tests that need
// predictable layouts.
#include "common/TextMeasure.h"

namespace corvane {

class FixedWidthMeasure : public TextMeasure {
public:
    static constexpr int kRegularWidth = 7;
    static constexpr int kBoldWidth = 8;
    static constexpr int kHeight = 15;

    int TextWidth(std::string_view text, bool bold) const override {
        return static_cast<int>(text.size()) * (bold ? kBoldWidth : kRegularWidth);
    }
    int TextHeight(std::string_view, bool) const override { return kHeight; }
};

} // namespace corvane
