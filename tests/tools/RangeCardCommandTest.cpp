// `range-card`: what it refuses (its cards are compared with expected files in tests/data/tool).
#include "tools/ToolRunner.h"

#include <gtest/gtest.h>

namespace corvane::test {
namespace {

TEST(RangeCardCommand, RefusesWhatItCannotCompute) {
    const std::string data = std::string(CORVANE_BUILT_BIN_DIR) + "/Data";
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"range-card", "--bc", "0.4", "--mv", "3000"},
             {"range-card", "--bc", "0", "--mv", "3000", "--weight", "150"},
             {"range-card", "--bc", "0.4", "--mv", "3000", "--weight", "150", "--unit", "deg"},
             {"range-card", "--bc", "0.4", "--mv", "3000", "--weight", "150", "--increment", "5",
              "--range", "1000"},
             {"range-card", "--load", data, "4", "C127112"}}) {
        const ToolResult result = RunTool(args);
        EXPECT_EQ(result.exitCode, 2) << args[3];
        EXPECT_NE(result.err.find("usage:"), std::string::npos);
    }
    const ToolResult missing = RunTool({"range-card", "--load", data, "0", "NO-SUCH-LOAD"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("no load NO-SUCH-LOAD"), std::string::npos);
}

} // namespace
} // namespace corvane::test
