#pragma once
// Width and height of texts in the grid's current font. The grid logic lays out columns with
// it; the UI measures with its real font, tests with a fake.
#include <string_view>

namespace corvane {

class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    // Width in pixels of a Windows-1252 text, in the regular or the bold grid font.
    virtual int TextWidth(std::string_view text, bool bold) const = 0;
    // Height in pixels of a text in the grid font.
    virtual int TextHeight(std::string_view text, bool bold) const = 0;
};

} // namespace corvane
