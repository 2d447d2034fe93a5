#pragma once
// Runs corvane-catalog-tool as a separate process and reads files, for the end-to-end tests.
#include <filesystem>
#include <string>
#include <vector>

namespace corvane::test {

struct ToolResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the tool with the arguments (each quoted for the shell) and captures both streams.
ToolResult RunTool(const std::vector<std::string>& args);

std::string ReadFileBytes(const std::filesystem::path& file);
void WriteFileBytes(const std::filesystem::path& file, const std::string& bytes);

// A fresh folder under the system's temporary folder, removed by the destructor.
class TempDir {
public:
    explicit TempDir(const std::string& tag);
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// RFC 4180 rows of single-line CSV text (the sample holds no line breaks inside fields).
std::vector<std::vector<std::string>> SplitCsv(const std::string& text);
std::string JoinCsv(const std::vector<std::string>& fields);

} // namespace corvane::test
