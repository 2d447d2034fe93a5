#include "report/ReportText.h"

#include "common/TextUtil.h"

#include <vector>

namespace corvane {

namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::vector<std::string> SplitAt(std::string_view text, std::string_view separator) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (;;) {
        const std::size_t found = text.find(separator, start);
        if (found == std::string_view::npos) {
            pieces.emplace_back(text.substr(start));
            return pieces;
        }
        pieces.emplace_back(text.substr(start, found - start));
        start = found + separator.size();
    }
}

} // namespace

std::string CollapseBlanks(std::string_view text) {
    const std::string trimmed = Trim(text);
    std::string result;
    result.reserve(trimmed.size());
    for (std::size_t i = 0; i < trimmed.size(); ++i) {
        if (trimmed[i] == ' ' && i > 0 && trimmed[i - 1] == ' ') {
            continue;
        }
        result += trimmed[i];
    }
    return result;
}

std::string TitleCase(std::string_view text) {
    std::string result = LowerCase(text);
    for (std::size_t i = 0; i < result.size(); ++i) {
        const char c = result[i];
        if (c >= 'a' && c <= 'z' && (i == 0 || !IsAsciiLetter(result[i - 1]))) {
            result[i] = static_cast<char>(c - 'a' + 'A');
        }
    }
    return result;
}

std::string JoinWithAnd(std::string_view text) {
    std::string list = Trim(text);
    if (list.find(',') == std::string::npos) {
        return list;
    }
    if (list.find(" and ") != std::string::npos) {
        std::string joined;
        for (const std::string& piece : SplitAt(list, " and ")) {
            std::string item = Trim(piece);
            if (item.empty() || item.back() != ',') {
                item += ',';
            }
            joined += item;
        }
        list = joined;
    }
    std::vector<std::string> items = SplitAt(list, ",");
    if (items.size() > 1 && items.back().empty()) {
        items.pop_back();
    }
    for (std::string& item : items) {
        item = Trim(item);
    }
    const std::size_t n = items.size();
    if (n < 2) {
        return items.empty() ? std::string() : items.front();
    }
    std::string result;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        if (i > 0) {
            result += ", ";
        }
        result += items[i];
    }
    return result + " and " + items[n - 1];
}

} // namespace corvane
