#pragma once
// Writing a file whole or not at all, for every file the program saves for the user.
#include <filesystem>
#include <string>
#include <string_view>

namespace corvane {

struct [[nodiscard]] WriteResult {
    bool Ok = false;
    std::string Error; // why the file was not written, naming it, when not Ok
};

// The bytes go to a temporary file beside `file`, which then replaces it (a read-only file is
// replaced too). On failure the named file is left as it was, and the error names it: the
// temporary file is none of the user's business.
WriteResult WriteFileWhole(const std::filesystem::path& file, std::string_view bytes);

} // namespace corvane
