#pragma once
// Texts of the data files and of the core are single-byte Windows-1252; the UI and the tool's
// output speak UTF-8. These two functions are the only crossing between the two.
#include <string>
#include <string_view>

namespace corvane {

// Every byte maps to one code point; the five bytes Windows-1252 leaves undefined map to the
// C1 control of the same value, so the round trip is lossless.
std::string Cp1252ToUtf8(std::string_view cp1252);

// Code points without a Windows-1252 byte, and malformed UTF-8, become '?'.
std::string Utf8ToCp1252(std::string_view utf8);

} // namespace corvane
