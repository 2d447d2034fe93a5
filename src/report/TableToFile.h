#pragma once
// "Table to file": the catalog grid as comma-separated lines, cell texts exactly as shown, no
// quoting; one byte per character (Windows-1252), lines ended by CR LF.
#include "ballistics/GridData.h"
#include "common/FileWrite.h"

#include <filesystem>
#include <string>
#include <vector>

namespace corvane {

// Line 1: each group's text once, in its first column's field; line 2: the lower headings;
// then one line per load row. Without line ends.
std::vector<std::string> TableFileLines(const GridData& grid);

// The whole file: every line followed by CR LF.
std::string TableFileText(const GridData& grid);

// Writes the file whole or not at all (WriteFileWhole).
WriteResult WriteTableFile(const std::filesystem::path& file, const GridData& grid);

} // namespace corvane
