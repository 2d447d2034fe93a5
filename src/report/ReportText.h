#pragma once
// Small text rules of the load report and the load detail area (Windows-1252 texts).
#include <string>
#include <string_view>

namespace corvane {

// Trims, then keeps only the first blank of every run of blanks.
std::string CollapseBlanks(std::string_view text);

// Lower-cases the text, then upper-cases every letter that does not follow a letter:
// "100 YDS." becomes "100 Yds.".
std::string TitleCase(std::string_view text);

// Turns a comma list into "a, b and c"; a text that already holds " and " is first turned back
// into a comma list, so the result never holds "b, and c". Without a comma the text is only
// trimmed.
std::string JoinWithAnd(std::string_view text);

} // namespace corvane
