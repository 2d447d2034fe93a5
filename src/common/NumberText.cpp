#include "common/NumberText.h"

#include "common/TextUtil.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace corvane {

std::string FormatFixed(double value, int decimals) {
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    // The largest double has 309 integer digits; 20 decimals is far beyond any use here.
    decimals = decimals < 0 ? 0 : (decimals > 20 ? 20 : decimals);
    std::array<char, 400> buffer{};
    const int size = std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, value);
    return std::string(buffer.data(), static_cast<std::size_t>(size));
}

std::int64_t RoundHalfEven(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    // nearbyint follows the default rounding mode, which rounds halves to even.
    const double rounded = std::nearbyint(value);
    constexpr double kLimit = 9.0e18;
    if (rounded >= kLimit) {
        return static_cast<std::int64_t>(kLimit);
    }
    if (rounded <= -kLimit) {
        return -static_cast<std::int64_t>(kLimit);
    }
    return static_cast<std::int64_t>(rounded);
}

std::optional<std::int32_t> TryParseInt(std::string_view text) {
    const std::string trimmed = Trim(text);
    std::string_view digits = trimmed;
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
        if (!digits.empty() && digits.front() == '-') {
            return std::nullopt;
        }
    }
    if (digits.empty()) {
        return std::nullopt;
    }
    std::int32_t value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec != std::errc{} || result.ptr != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> TryParseDouble(std::string_view text) {
    const std::string trimmed = Trim(text);
    std::string_view number = trimmed;
    if (!number.empty() && number.front() == '+') {
        number.remove_prefix(1);
        if (!number.empty() && number.front() == '-') {
            return std::nullopt;
        }
    }
    if (number.empty()) {
        return std::nullopt;
    }
    // Only digits, one sign, a point and an exponent may appear: from_chars alone would also
    // take "inf", "nan" and hexadecimal forms.
    for (char c : number) {
        const bool allowed = (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' ||
                             c == 'e' || c == 'E';
        if (!allowed) {
            return std::nullopt;
        }
    }
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::general);
    if (result.ec != std::errc{} || result.ptr != number.data() + number.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace corvane
