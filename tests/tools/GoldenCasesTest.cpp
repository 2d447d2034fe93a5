// The tool's outputs on the sample catalog against the expected bytes kept in
// tests/data/tool/<case>/: `args` holds one argument per line ({data} is the built Data folder,
// {bin} the program's folder) and `expected-output` what the tool must print, to the last digit;
// and the arguments it refuses, from tests/data/tool-refusals.txt.
#include "tools/ToolRunner.h"

#include "common/TextUtil.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace corvane::test {
namespace {

namespace fs = std::filesystem;

std::string Expanded(std::string arg) {
    for (const auto& [name, value] : {std::pair<std::string, std::string>{
                                          "{data}", std::string(CORVANE_BUILT_BIN_DIR) + "/Data"},
                                      {"{bin}", CORVANE_BUILT_BIN_DIR}}) {
        if (const std::size_t at = arg.find(name); at != std::string::npos) {
            arg.replace(at, name.size(), value);
        }
    }
    return arg;
}

TEST(GoldenCases, ToolPrintsTheExpectedBytes) {
    std::set<fs::path> cases;
    for (const auto& entry : fs::directory_iterator(fs::path(CORVANE_TEST_DATA_DIR) / "tool")) {
        cases.insert(entry.path());
    }
    ASSERT_GE(cases.size(), 10u);
    for (const fs::path& folder : cases) {
        SCOPED_TRACE(folder.filename().string());
        std::vector<std::string> args;
        for (const std::string& line : SplitLines(ReadFile(folder / "args"))) {
            args.push_back(Expanded(line));
        }
        const ToolResult result = RunTool(args);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, ReadFile(folder / "expected-output"));
    }
}

// One refusal a line, fields separated by tabs: the exit code (2 for a usage error, which then
// prints the usage; 1 for a catalog it cannot use), a text the error must hold, the arguments.
TEST(GoldenCases, RefusalsEndWithTheirCodeAndSayWhy) {
    const auto lines = SplitLines(ReadFile(fs::path(CORVANE_TEST_DATA_DIR) / "tool-refusals.txt"));
    ASSERT_GE(lines.size(), 10u);
    for (const std::string& line : lines) {
        SCOPED_TRACE(line);
        std::vector<std::string> fields;
        for (std::size_t start = 0, tab = 0; tab != std::string::npos; start = tab + 1) {
            tab = line.find('\t', start);
            fields.push_back(Expanded(line.substr(start, tab - start)));
        }
        const ToolResult result = RunTool({fields.begin() + 2, fields.end()});
        EXPECT_EQ(std::to_string(result.exitCode), fields[0]);
        EXPECT_NE(result.err.find(fields[1]), std::string::npos) << result.err;
        EXPECT_EQ(result.err.find("usage:") != std::string::npos, result.exitCode == 2);
        EXPECT_EQ(result.out, "");
    }
}

} // namespace
} // namespace corvane::test
