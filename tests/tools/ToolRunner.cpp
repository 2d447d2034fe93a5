#include "tools/ToolRunner.h"

#include <cstdlib>
#include <sstream>

#include <sys/wait.h>

namespace corvane::test {

namespace {

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

} // namespace

ToolResult RunTool(const std::vector<std::string>& args, const std::vector<std::string>& launcher) {
    const TempDir scratch("tool-run");
    const fs::path out = scratch.Path() / "out";
    const fs::path err = scratch.Path() / "err";
    std::string command = "timeout -k 5 60";
    for (const std::vector<std::string>* words : {&launcher, &args}) {
        for (const std::string& word : *words) {
            command += " " + ShellQuoted(word);
        }
    }
    command += " >" + ShellQuoted(out.string()) + " 2>" + ShellQuoted(err.string());
    const int status = std::system(command.c_str());
    return {status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out),
            ReadFile(err)};
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
