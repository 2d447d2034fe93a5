#pragma once
// Number <-> text rules shared by the grid, the report, the dialogs and the settings.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// C's "%.Nf" on the double: "-0.0" for a tiny negative value, halves as the C library rounds
// the exact binary value. Non-finite values print as "NAN", "INF" or "-INF".
std::string FormatFixed(double value, int decimals);

// Nearest integer, halves to even; non-finite or out-of-range values give 0 or the bound.
std::int64_t RoundHalfEven(double value);

// A whole decimal number, optionally signed, after trimming blanks; nothing else in the text.
// Values outside 32 bits are refused.
std::optional<std::int32_t> TryParseInt(std::string_view text);

// A decimal number with optional sign, fraction and exponent, after trimming blanks. Texts that
// are not numbers, and "inf"/"nan" spellings, are refused; the result is always finite.
std::optional<double> TryParseDouble(std::string_view text);

inline std::int32_t ParseIntDef(std::string_view text, std::int32_t fallback) {
    return TryParseInt(text).value_or(fallback);
}
inline double ParseDoubleDef(std::string_view text, double fallback) {
    return TryParseDouble(text).value_or(fallback);
}

} // namespace corvane
