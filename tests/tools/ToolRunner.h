#pragma once
// Runs corvane-catalog-tool as a separate process, for the end-to-end tests.
#include "catalog/CatalogTestSupport.h"

#include <string>
#include <vector>

namespace corvane::test {

struct ToolResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the tool with the arguments under `timeout`, so that a hang ends as exit code 124 (above
// 128: a signal) instead of stalling the suite, and captures both streams. `launcher` is the
// command that starts the tool (the tool itself unless another user runs it).
ToolResult RunTool(const std::vector<std::string>& args,
                   const std::vector<std::string>& launcher = {CORVANE_TOOL_PATH});

// RFC 4180 rows of single-line CSV text (the sample holds no line breaks inside fields).
std::vector<std::vector<std::string>> SplitCsv(const std::string& text);
std::string JoinCsv(const std::vector<std::string>& fields);

} // namespace corvane::test
