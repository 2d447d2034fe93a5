#pragma once
// Text rules of the load detail area: the word wrap of a description, the font sizes that
// follow the widths, and the name of a picture's large form. Texts are Windows-1252.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// Width in pixels of a text in the font being laid out.
using TextWidthFn = std::function<int(std::string_view)>;

struct WrappedLine {
    std::string Line; // as added to the list, centring blanks included
    std::string Rest; // the text still to lay out
    bool ParagraphEnded = false;
};

// Takes one line off `text` for a list `limit` pixels wide: up to a CR LF, else up to the last
// blank, "-" or bullet (0x95) that fits. Centred lines get leading blanks. A text with no
// break point gives an empty line and the whole text back as the rest.
WrappedLine WrapDetailLine(std::string_view text, int limit, bool centre, const TextWidthFn& width);

// The whole description as list lines; the first paragraph is centred. Stops where a line
// cannot be taken off (a word wider than the list).
std::vector<std::string> WrapDescription(std::string_view text, int limit,
                                         const TextWidthFn& width);

// Point size of the description font for a list box `listWidth` pixels wide.
int DetailFontPointSize(int listWidth);

// The largest point size from 10 down at which `widthAt(size)` fits 90 % of `labelWidth`
// (at least 1).
int FitTitlePointSize(int labelWidth, const std::function<int(int)>& widthAt);

// The largest pixel size from the design's 15 down to 8 at which `heightAt(size)`, the height
// of the recommended uses wrapped in their box, fits `boxHeight` (8 when none does).
int FitRecommendedUsePixelSize(int boxHeight, const std::function<int(int)>& heightAt);

// "abc.jpg" gives "abcl.jpg"; the part from the "." on is cut to 30 characters. Empty when the
// file name has no ".".
std::string LargeImageName(std::string_view path);

} // namespace corvane
