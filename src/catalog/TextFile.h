#pragma once
// Reading the catalog's text files (name lists, indexes, descriptions) as lines.
#include "catalog/ReadError.h"

#include <filesystem>
#include <string>
#include <vector>

namespace corvane {

// The file's lines (see SplitLines), or why it could not be read.
ReadResult<std::vector<std::string>> ReadTextLines(const std::filesystem::path& file);

} // namespace corvane
