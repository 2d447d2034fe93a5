#pragma once
// Text helpers over Windows-1252 byte strings, as the catalog files and the core use them.
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// Removes blanks and control characters (bytes <= 0x20) at both ends, as the catalog's
// trimming always did.
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);

// Case mapping of Windows-1252 letters (ASCII, Latin-1 letters, and the few in 0x80..0x9F).
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);

// Case-insensitive comparison: <0, 0, >0. Orders by the upper-case forms, byte by byte.
int CompareNoCase(std::string_view a, std::string_view b);
bool EqualsNoCase(std::string_view a, std::string_view b);
bool ContainsNoCase(std::string_view text, std::string_view part);

// Splits a text file's contents into lines: CR LF, a lone CR or a lone LF end a line and a
// zero byte ends the text. A final line without a line end counts; an empty file has no lines.
std::vector<std::string> SplitLines(std::string_view contents);

// The first `count` characters of text (all of it when shorter).
std::string Left(std::string_view text, std::size_t count);

// One field as written to CSV: quoted, with doubled quotes, when it holds a comma, a quote or a
// line break.
std::string CsvField(std::string_view text);

} // namespace corvane
