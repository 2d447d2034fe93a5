#include "catalog/TextFile.h"

#include "catalog/Catalog.h"
#include "common/TextUtil.h"

#include <fstream>

namespace corvane {

std::vector<std::string> ReadTextLines(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::error_code error;
    if (!in.is_open() || std::filesystem::is_directory(file, error)) {
        throw CatalogFileError("Cannot open file \"" + file.string() + "\"");
    }
    std::string contents;
    char chunk[8192];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        contents.append(chunk, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        throw CatalogFileError("Cannot read file \"" + file.string() + "\"");
    }
    return SplitLines(contents);
}

} // namespace corvane
