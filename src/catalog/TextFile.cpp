#include "catalog/TextFile.h"

#include "common/TextUtil.h"

#include <fstream>

namespace corvane {

ReadResult<std::vector<std::string>> ReadTextLines(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::error_code error;
    if (!in.is_open() || std::filesystem::is_directory(file, error)) {
        return ReadError{ReadError::Kind::CannotOpen, file, {}};
    }
    std::string contents;
    char chunk[8192];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        contents.append(chunk, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        return ReadError{ReadError::Kind::CannotRead, file, {}};
    }
    return SplitLines(contents);
}

} // namespace corvane
