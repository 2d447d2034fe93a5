#pragma once
// What the program sets up once, before its first window: the C library's number format, the
// application's name and the interface font.

namespace corvane {

// Returns false when the interface font is not installed (the font is then left alone).
bool SetUpProgram();

} // namespace corvane
