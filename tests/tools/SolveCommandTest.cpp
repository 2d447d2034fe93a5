// `solve`: usage errors and the unreachable zero (its output is compared in tests/data/tool).
#include "tools/ToolRunner.h"

#include <gtest/gtest.h>

namespace corvane::test {
namespace {

TEST(SolveCommand, RefusesWhatItCannotSolve) {
    const std::vector<std::string> load = {
        "solve", "--drag",   "G1",  "--bc",           "0.4", "--mv",
        "2800",  "--weight", "150", "--zero",         "100", "--increment",
        "100",   "--range",  "500", "--sight-height", "1.5"};
    for (const auto& [extra, message] :
         std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"--humidity", "101"}, "--humidity must be from 0 to 100"},
             {{"--pressure", "inf"}, "--pressure wants a number, not 'inf'"},
             {{"--twist", "10"}, "--twist needs --diameter and --length"},
             {{"--powder-sensitivity", "1"}, "go together"},
             {{"--wind-direction", "north"}, "--wind-direction must be"},
             {{"--angle"}, "--angle needs a value"}}) {
        std::vector<std::string> args = load;
        args.insert(args.end(), extra.begin(), extra.end());
        const ToolResult result = RunTool(args);
        EXPECT_EQ(result.exitCode, 2) << message;
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
    }
    std::vector<std::string> far = load;
    far[10] = "2900"; // the zero
    far[4] = "0.05";
    const ToolResult unreachable = RunTool(far);
    EXPECT_EQ(unreachable.exitCode, 1);
    EXPECT_NE(unreachable.err.find("no bore angle reaches a zero at 2900 yd"), std::string::npos);
}

} // namespace
} // namespace corvane::test
