#pragma once
// "Table to file": the catalog grid as comma-separated lines, cell texts exactly as shown, no
// quoting; one byte per character (Windows-1252), lines ended by CR LF.
#include "ballistics/GridData.h"

#include <filesystem>
#include <string>
#include <vector>

namespace corvane {

// Line 1: each group's text once, in its first column's field; line 2: the lower headings;
// then one line per load row. Without line ends.
std::vector<std::string> TableFileLines(const GridData& grid);

// The whole file: every line followed by CR LF.
std::string TableFileText(const GridData& grid);

struct WriteResult {
    bool Ok = false;
    std::string Error; // why the file was not written, when not Ok
};

// Writes the file whole or not at all: the text goes to a temporary file beside it, which then
// replaces the named file (a read-only file is replaced too). On failure the named file is left
// as it was, and the error names it: the temporary file is none of the user's business.
WriteResult WriteTableFile(const std::filesystem::path& file, const GridData& grid);

} // namespace corvane
