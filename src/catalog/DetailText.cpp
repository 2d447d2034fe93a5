#include "catalog/DetailText.h"

#include "common/TextUtil.h"

namespace corvane {
namespace {

constexpr char kBullet = '\x95';

// 1-based position of the last `c` at or before position `from`, 0 if none.
std::size_t LastAtOrBefore(std::string_view text, std::size_t from, char c) {
    for (std::size_t i = from; i > 0; --i) {
        if (text[i - 1] == c) {
            return i;
        }
    }
    return 0;
}

} // namespace

WrappedLine WrapDetailLine(std::string_view text, int limit, bool centre,
                           const TextWidthFn& width) {
    std::size_t n = 0;
    while (n < text.size() && (n == 0 || width(text.substr(0, n)) <= limit)) {
        ++n;
    }
    WrappedLine result;
    const std::string_view prefix = text.substr(0, n);
    if (const std::size_t p = prefix.find("\r\n"); p != std::string_view::npos) {
        result.Line = std::string(text.substr(0, p));
        result.Rest = std::string(text.substr(p + 2));
        result.ParagraphEnded = true;
    } else if (n == text.size() || n == 0) {
        result.Line = std::string(text);
    } else {
        std::size_t b = LastAtOrBefore(text, n, ' ');
        if (b == 0) {
            b = LastAtOrBefore(text, n, '-');
        }
        if (b == 0) {
            b = LastAtOrBefore(text, n, kBullet);
        }
        const bool oneLeadingBlank = text.size() >= 2 && text[0] == ' ' && text[1] != ' ';
        const std::size_t from = oneLeadingBlank && b > 0 ? 1 : 0;
        result.Line = std::string(text.substr(from, b - from));
        result.Rest = std::string(text.substr(b));
    }
    if (centre) {
        const int target = (limit - width(result.Line)) / 2;
        std::string blanks;
        // The length cap guards against a font whose blank has no width.
        while (width(blanks) < target && blanks.size() < 1000) {
            blanks += ' ';
        }
        result.Line = blanks + result.Line;
    }
    return result;
}

std::vector<std::string> WrapDescription(std::string_view text, int limit,
                                         const TextWidthFn& width) {
    std::vector<std::string> lines;
    bool centre = true;
    std::string rest(text);
    while (!rest.empty()) {
        WrappedLine next = WrapDetailLine(rest, limit, centre, width);
        lines.push_back(std::move(next.Line));
        if (next.ParagraphEnded) {
            centre = false;
        }
        if (next.Rest.size() >= rest.size()) {
            break;
        }
        rest = std::move(next.Rest);
    }
    return lines;
}

int DetailFontPointSize(int listWidth) {
    if (listWidth >= 526) {
        return 11;
    }
    if (listWidth >= 351) {
        return 10;
    }
    if (listWidth < 251) {
        return 8;
    }
    return 9;
}

int FitTitlePointSize(int labelWidth, const std::function<int(int)>& widthAt) {
    int size = 10;
    while (size > 1 && widthAt(size) > 0.9 * labelWidth) {
        --size;
    }
    return size;
}

int FitRecommendedUsePixelSize(int boxHeight, const std::function<int(int)>& heightAt) {
    int size = 15;
    while (size > 8 && heightAt(size) > boxHeight) {
        --size;
    }
    return size;
}

std::string LargeImageName(std::string_view path) {
    const std::string trimmed = Trim(path);
    // Only a dot in the file name counts: folders may hold dots too.
    const std::size_t nameStart = trimmed.find_last_of("/\\");
    const std::size_t dot = trimmed.rfind('.');
    if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart)) {
        return {};
    }
    return trimmed.substr(0, dot) + "l" + Left(std::string_view(trimmed).substr(dot), 30);
}

} // namespace corvane
