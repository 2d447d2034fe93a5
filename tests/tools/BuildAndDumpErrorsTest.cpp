// Broken catalog sources are refused without touching the built catalog, and `dump` never
// creates a table.
#include "tools/ToolRunner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace corvane::test {
namespace {

namespace fs = std::filesystem;

class BrokenSource : public testing::Test {
protected:
    void SetUp() override {
        fs::copy(CORVANE_SAMPLE_SRC_DIR, src(), fs::copy_options::recursive);
        const ToolResult first = RunTool({"build", src().string(), out().string()});
        ASSERT_EQ(first.exitCode, 0) << first.err;
        builtRifle_ = ReadFile(out() / "Data" / "t00dr.dat");
    }

    fs::path src() const { return dir_.Path() / "src"; }
    fs::path out() const { return dir_.Path() / "out"; }

    // Rewrites one source file with `edit` applied to its CSV rows, builds, and checks the
    // refusal: exit code 1, the message, and the earlier build left as it was.
    void ExpectRefused(const char* file,
                       const std::function<void(std::vector<std::vector<std::string>>&)>& edit,
                       const std::string& message) {
        SCOPED_TRACE(message);
        const fs::path path = src() / "loads" / file;
        const std::string original = ReadFile(path);
        const auto rewrite = [](const fs::path& target, const std::string& source, auto change) {
            auto rows = SplitCsv(source);
            change(rows);
            std::string text;
            for (const auto& row : rows) {
                text += JoinCsv(row) + "\n";
            }
            WriteFile(target, text);
        };
        rewrite(path, original, edit);
        // A valid change to the rifle table, which is built first: a build that wrote as it
        // went would leave a new rifle table behind.
        const fs::path rifle = src() / "loads" / "t0-rifle.txt";
        const std::string rifleSource = ReadFile(rifle);
        if (path != rifle) {
            rewrite(rifle, rifleSource, [](auto& rows) { rows[1][9] = "1234"; });
        }
        const ToolResult result = RunTool({"build", src().string(), out().string()});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
        EXPECT_EQ(ReadFile(out() / "Data" / "t00dr.dat"), builtRifle_);
        WriteFile(rifle, rifleSource);
        WriteFile(path, original);
    }

    TempDir dir_{"broken"};
    std::string builtRifle_;
};

TEST_F(BrokenSource, MalformedLinesTooLongTextsAndTooManyRecordsAreRefused) {
    using Rows = std::vector<std::vector<std::string>>;
    const auto set = [](std::size_t row, std::size_t column, std::string value) {
        return [=](Rows& rows) { rows[row][column] = value; };
    };
    const struct {
        const char* file;
        std::function<void(Rows&)> edit;
        const char* message;
    } cases[] = {
        {"t0-rifle.txt", set(3, 5, "heavy"),
         "t0-rifle.txt:4: BulletWeight: 'heavy' is not a whole number"},
        {"t1-pistol.txt", set(2, 11, std::string(59, 'x')),
         "t1-pistol.txt:3: Note: the text has 59 characters, more than the field's 58"},
        {"t4-shotshell.txt", set(1, 7, "7;30"),
         "t4-shotshell.txt:2: ShotSizeFlags: '30' is not a flag ID from 0 to 29"},
        {"t3-slug.txt", [](Rows& rows) { rows[1].pop_back(); },
         "t3-slug.txt:2: 13 fields where 14 are expected"},
        {"t2-rimfire.txt", set(0, 0, "Year"),
         "t2-rimfire.txt:1: the header must be YearIntroduced,"},
        {"t5-components.txt", [](Rows& rows) { rows.resize(32, Rows::value_type(rows[1])); },
         "t5-components.txt: 31 records, more than the section's capacity of 30"},
        // A text the single-byte code page cannot hold is refused rather than turned into '?'.
        {"t0-rifle.txt", set(1, 11, "\xE2\x86\x92 arrow"),
         "t0-rifle.txt:2: Note: the text is not valid UTF-8 or has characters outside"},
    };
    for (const auto& c : cases) {
        ExpectRefused(c.file, c.edit, c.message);
    }
}

TEST_F(BrokenSource, AnUnclosedQuoteIsRefusedAtItsLine) {
    const fs::path path = src() / "loads" / "t3-slug.txt";
    WriteFile(path, ReadFile(path) + "2005,,2,\"open,2,1,0.1,1,1560,24,2.75,Max,,2\n");
    const ToolResult result = RunTool({"build", src().string(), out().string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("t3-slug.txt:16: a quoted field is not closed"), std::string::npos)
        << result.err;
}

// What it shows is compared with the sources in SampleCatalogTest; a cut table in the hostile
// tests.
TEST(DumpCommand, AMissingTableIsReportedNotCreated) {
    TempDir dir("dump");
    EXPECT_EQ(RunTool({"dump", dir.Path().string(), "1"}).exitCode, 1);
    EXPECT_FALSE(fs::exists(dir.Path() / "t01dr.dat"));
}

} // namespace
} // namespace corvane::test
