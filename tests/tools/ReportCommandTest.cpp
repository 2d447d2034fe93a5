// `report` on the sample catalog: the load report text of one load, agreeing with `table`.
#include "tools/ToolRunner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane::test {
namespace {

const std::string kData = std::string(CORVANE_BUILT_BIN_DIR) + "/Data";

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t found = text.find(separator, start);
        parts.push_back(text.substr(start, found - start));
        if (found == std::string::npos) {
            return parts;
        }
        start = found + separator.size();
    }
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? ""
                                      : text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

TEST(ReportCommand, RifleReportAgreesWithTheTable) {
    const ToolResult report = RunTool({"report", kData, "0", " v22hh35 "});
    ASSERT_EQ(report.exitCode, 0) << report.err;
    std::vector<std::string> lines = Split(report.out, "\n");
    ASSERT_EQ(lines.back(), ""); // every line ends in LF
    lines.pop_back();
    ASSERT_GE(lines.size(), 22u);
    EXPECT_EQ(
        std::vector<std::string>(lines.begin(), lines.begin() + 15),
        (std::vector<std::string>{
            "Corvane Brisk Varmint Centerfire Rifle", "Usage:|Varmint & Small Game",
            "Corvane Load No.:|V22HH35", "Caliber:|.22 Hornet", "Bullet Weight:|35 Grains",
            "Bullet Style:|Hollow Point", "Ballistic Coefficient:|0.110",
            "Factory Primer No.:|CSR-4", "Barrel Length:|24 Inches",
            "Altitude Above Sea Level:|0 Feet", "Temperature:|59\xC2\xBA Fahrenheit",
            "Crosswind Speed:|10 MPH", "Sight Height:|1.5 Inches", "ENDHEADER", "TABNUMBER|0"}));
    ASSERT_EQ(lines[15].rfind("RANGECOUNT|", 0), 0u);
    const std::size_t n = std::stoul(lines[15].substr(11));
    for (std::size_t i = 16; i < lines.size(); ++i) {
        EXPECT_EQ(Split(lines[i], "|").size(), i == 16 ? n + 1 : n + 2) << lines[i];
    }
    EXPECT_EQ(lines.back().rfind("Zero Adj. (moa)|n/a|", 0), 0u);

    // The velocity line holds the table's velocity cells of the same load.
    const ToolResult table = RunTool({"table", kData, "0"});
    ASSERT_EQ(table.exitCode, 0) << table.err;
    const std::vector<std::string> rows = Split(table.out, "\r\n");
    const std::vector<std::string> headings = Split(rows.at(1), ",");
    std::size_t muzzle = 0;
    while (muzzle < headings.size() && headings[muzzle] != "MUZZLE") {
        ++muzzle;
    }
    std::size_t loadColumn = 0;
    while (loadColumn < headings.size() && headings[loadColumn] != "LOAD NO.") {
        ++loadColumn;
    }
    ASSERT_LT(muzzle + n, headings.size());
    ASSERT_LT(loadColumn, headings.size());
    std::vector<std::string> expected{"Velocity (f/s)"};
    for (const std::string& row : rows) {
        const std::vector<std::string> cells = Split(row, ",");
        if (cells.size() == headings.size() && Trimmed(cells[loadColumn]) == "V22HH35") {
            for (std::size_t k = 0; k <= n; ++k) {
                expected.push_back(Trimmed(cells[muzzle + k]));
            }
            break;
        }
    }
    EXPECT_EQ(Split(lines[17], "|"), expected);
}

TEST(ReportCommand, MetricShotshellWithShotRows) {
    const ToolResult report = RunTool({"report", kData, "4", "C127112", "--metric"});
    ASSERT_EQ(report.exitCode, 0) << report.err;
    const std::vector<std::string> lines = Split(report.out, "\n");
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 9),
              (std::vector<std::string>{
                  "Corvane Clayfield Target", "Usage:|Trap & Skeet and Sporting Clays",
                  "Corvane Load No.:|C127112", "Gauge:|12 Gauge", "Shell Length:|7.0 Centimeters",
                  "Weight:|31.90 Grams", "Muzzle Velocity:|366 meters per second",
                  "Muzzle Energy:|2133 Joules", "Shot Size:|1 1/8 oz - 7 1/2"}));
    // Shot size ID 12 is index entry 11: 7.5 shot, 350 lead pellets per ounce.
    EXPECT_EQ(std::vector<std::string>(lines.end() - 4, lines.end()),
              (std::vector<std::string>{
                  "SHOTDATA|", "Shot Size|Typical Pellet Count|Pellet Diameter in Centimeters",
                  "7.5|394|0.24", ""}));
}

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
