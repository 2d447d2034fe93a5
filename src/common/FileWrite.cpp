#include "common/FileWrite.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace corvane {

WriteResult WriteFileWhole(const std::filesystem::path& file, std::string_view bytes) {
    std::filesystem::path temporary = file;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return {false, "Cannot create " + file.string() + ": " + std::strerror(errno)};
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return {false, "Cannot write " + file.string()};
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, file, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return {false, "Cannot replace " + file.string() + ": " + error.message()};
    }
    return {true, {}};
}

} // namespace corvane
