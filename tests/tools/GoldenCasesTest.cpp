// The tool's outputs on the sample catalog against the expected bytes kept in
// tests/data/tool/<case>/: `args` holds one argument per line ({data} is the built Data folder,
// {bin} the program's folder) and `expected-output` what the tool must print, to the last digit.
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
        for (const std::string& line : SplitLines(ReadFileBytes(folder / "args"))) {
            args.push_back(Expanded(line));
        }
        const ToolResult result = RunTool(args);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, ReadFileBytes(folder / "expected-output"));
    }
}

} // namespace
} // namespace corvane::test
