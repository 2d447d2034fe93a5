#pragma once
// Reading the catalog's text files (name lists, indexes, descriptions) as lines.
#include <filesystem>
#include <string>
#include <vector>

namespace corvane {

// The file's lines (see SplitLines). Throws CatalogFileError naming the file when it cannot be
// read.
std::vector<std::string> ReadTextLines(const std::filesystem::path& file);

} // namespace corvane
