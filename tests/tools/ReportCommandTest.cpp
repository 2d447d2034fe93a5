// `report`: what it refuses, and the page as PDF (the expected report texts are in
// tests/data/tool).
#include "tools/ToolRunner.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane::test {
namespace {

const std::string kData = std::string(CORVANE_BUILT_BIN_DIR) + "/Data";

TEST(ReportCommand, RefusesWhatItCannotReport) {
    const ToolResult missing = RunTool({"report", kData, "0", "NO-SUCH-LOAD"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("no load NO-SUCH-LOAD"), std::string::npos) << missing.err;
    EXPECT_TRUE(missing.out.empty());
    EXPECT_EQ(RunTool({"report", kData, "5", "X"}).exitCode, 2);
    EXPECT_EQ(RunTool({"report", kData, "0"}).exitCode, 2);
}

// The one-page report rendered by the program's own report painter, written whole.
TEST(ReportCommand, RendersThePdfBesideTheText) {
#ifndef CORVANE_TOOL_HAS_PDF
    GTEST_SKIP() << "a tool built without the UI has no --pdf";
#endif
    const TempDir dir("report-pdf");
    const std::string pdf = (dir.Path() / "load.pdf").string();
    const ToolResult result = RunTool({"report", kData, "0", "V22HH35", "--pdf", pdf});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_FALSE(result.out.empty());
    const std::string bytes = ReadFileBytes(pdf);
    ASSERT_GT(bytes.size(), 1000u);
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");

    const ToolResult unwritable = RunTool(
        {"report", kData, "0", "V22HH35", "--pdf", (dir.Path() / "no/such/dir/x.pdf").string()});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_FALSE(unwritable.err.empty());
}

} // namespace
} // namespace corvane::test
