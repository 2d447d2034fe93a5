#include "tools/ToolRunner.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>

namespace corvane::test {

namespace fs = std::filesystem;

namespace {

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

} // namespace

ToolResult RunTool(const std::vector<std::string>& args) {
    TempDir scratch("stderr");
    const fs::path errFile = scratch.Path() / "stderr.txt";
    std::string command = ShellQuoted(CORVANE_TOOL_PATH);
    for (const std::string& arg : args) {
        command += " " + ShellQuoted(arg);
    }
    command += " 2>" + ShellQuoted(errFile.string());
    ToolResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        throw std::runtime_error("cannot run " + command);
    }
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        result.out.append(buffer, got);
    }
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.err = ReadFileBytes(errFile);
    return result;
}

std::string ReadFileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFileBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TempDir::TempDir(const std::string& tag) {
    std::random_device seed;
    path_ = fs::temp_directory_path() /
            ("corvane-" + tag + "-" + std::to_string(seed()) + std::to_string(seed()));
    fs::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::vector<std::vector<std::string>> SplitCsv(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        std::vector<std::string> fields(1);
        bool quoted = false;
        for (std::size_t i = 0; i < line.size(); ++i) {
            const char c = line[i];
            if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = !quoted;
            } else if (c == ',' && !quoted) {
                fields.emplace_back();
            } else {
                fields.back() += c;
            }
        }
        rows.push_back(fields);
    }
    return rows;
}

std::string JoinCsv(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        std::string field = fields[i];
        if (field.find_first_of(",\"") != std::string::npos) {
            std::string quoted = "\"";
            for (char c : field) {
                quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
            }
            field = quoted + "\"";
        }
        line += (i == 0 ? "" : ",") + field;
    }
    return line;
}

} // namespace corvane::test
