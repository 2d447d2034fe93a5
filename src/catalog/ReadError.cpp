#include "catalog/ReadError.h"

namespace corvane {

std::string ReadError::Message() const {
    // Appended piece by piece: GCC 12 at -O3 reports a false -Wrestrict for literal + string.
    std::string text = kind == Kind::CannotOpen ? "Cannot open file \"" : "Cannot read file \"";
    text += file.string();
    text += '"';
    if (!detail.empty()) {
        text += ": ";
        text += detail;
    }
    return text;
}

} // namespace corvane
