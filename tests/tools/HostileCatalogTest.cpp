// Hostile catalogs end to end: every data file missing, empty, one byte, cut mid-record, beyond
// the capacity, random, with length bytes of 255, IDs beyond every list, non-finite doubles, a
// read-only data folder and odd "descriptions.ini" lines. `table` and `dump` must end cleanly
// (0, or 1 with a message) within a time limit, never crash or hang.
#include "tools/ToolRunner.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace corvane::test {
namespace {

namespace fs = std::filesystem;

// Where each record family keeps its strings, doubles and list IDs.
struct FamilyLayout {
    int section;
    const char* table;
    std::size_t recordSize;
    std::size_t capacity;
    std::vector<std::size_t> strings;
    std::vector<std::size_t> doubles;
    std::vector<std::size_t> ids;
    std::size_t firstFlag; // usage flags of families 0-4 (20), 0 for none
};

const std::array<FamilyLayout, 6> kSections{{
    {0, "t00dr.dat", 162, 300, {4, 35, 76, 99}, {64, 91}, {56, 72, 158}, 15},
    {1, "t01dr.dat", 162, 100, {4, 35, 76, 99}, {64, 91}, {56, 72, 158}, 15},
    {2, "t02dr.dat", 151, 30, {4, 35, 88}, {64, 80}, {56, 72, 147}, 15},
    {3, "t03dr.dat", 179, 30, {4, 35, 100, 116}, {60, 68, 84, 92}, {56, 76, 175}, 15},
    {4, "t04dr.dat", 238, 130, {4, 35, 68, 155, 171}, {60, 147}, {56, 230, 234}, 15},
    {5, "t05dr.dat", 194, 30, {8, 21, 40, 51, 92, 133}, {32}, {4}, 0},
}};

constexpr int kTimeLimitSeconds = 60;

// Runs the tool under `timeout`, so a hang ends as exit code 124 instead of stalling the suite.
ToolResult RunBounded(const std::vector<std::string>& args) {
    std::vector<std::string> bounded = {"-k", "5", std::to_string(kTimeLimitSeconds),
                                        CORVANE_TOOL_PATH};
    bounded.insert(bounded.end(), args.begin(), args.end());
    TempDir scratch("hostile-run");
    const fs::path outFile = scratch.Path() / "out";
    const fs::path errFile = scratch.Path() / "err";
    std::string command = "timeout";
    for (const std::string& arg : bounded) {
        std::string quoted = "'";
        for (char c : arg) {
            quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
        }
        command += " " + quoted + "'";
    }
    command += " >'" + outFile.string() + "' 2>'" + errFile.string() + "'";
    const int status = std::system(command.c_str());
    ToolResult result;
    result.exitCode = status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadFileBytes(outFile);
    result.err = ReadFileBytes(errFile);
    return result;
}

// Ended by itself with 0, or with 1 and a message; never a signal, a hang or silence.
void ExpectClean(const ToolResult& result, const std::string& what) {
    EXPECT_TRUE(result.exitCode == 0 || result.exitCode == 1)
        << what << ": exit " << result.exitCode << " (124: hung, above 128: signal)\n"
        << result.err;
    if (result.exitCode == 1) {
        EXPECT_FALSE(result.err.empty()) << what << ": failed without a message";
    }
}

std::string RandomBytes(std::size_t count, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(count, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(random() & 0xFF);
    }
    return bytes;
}

void PutInt(std::string& bytes, std::size_t offset, std::int32_t value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value); // the build machine is little-endian
}
void PutDouble(std::string& bytes, std::size_t offset, double value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

// How many cells of the CSV lines read as a NaN or an infinity.
int NonFiniteCells(const std::string& text) {
    int count = 0;
    std::string cell;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : ',';
        if (c == ',' || c == '\r' || c == '\n') {
            const std::size_t first = cell.find_first_not_of(' ');
            const std::string trimmed = first == std::string::npos ? "" : cell.substr(first);
            for (const char* odd : {"nan", "-nan", "NAN", "-NAN", "inf", "-inf", "INF", "-INF"}) {
                count += trimmed == odd ? 1 : 0;
            }
            cell.clear();
        } else {
            cell += c;
        }
    }
    return count;
}

class HostileCatalog : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(program() / "ProductInfo");
        fs::copy(fs::path(CORVANE_BUILT_BIN_DIR) / "Data", data(), fs::copy_options::recursive);
        fs::copy_file(fs::path(CORVANE_BUILT_BIN_DIR) / "ProductInfo" / "descriptions.ini",
                      program() / "ProductInfo" / "descriptions.ini");
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(data(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }

    void CheckNameLists(const std::vector<int>& sections);

    fs::path program() const { return dir_.Path() / "program"; }
    fs::path data() const { return program() / "Data"; }

    // `table` and `dump` of the section, both ending cleanly.
    // `dump` reads only the load table, so it runs only where `withDump` asks.
    std::pair<ToolResult, ToolResult> RunBoth(int section, const std::string& what,
                                              bool withDump = true) {
        // `dump` first: `table`, like the program, turns a missing table into a placeholder.
        ToolResult dump;
        if (withDump) {
            dump = RunBounded({"dump", data().string(), std::to_string(section)});
            ExpectClean(dump, what + ", dump " + std::to_string(section));
        }
        const ToolResult table = RunBounded({"table", program().string(), std::to_string(section)});
        ExpectClean(table, what + ", table " + std::to_string(section));
        return {table, dump};
    }

    // Replaces `file` with `bytes` (nothing: removes it), runs both commands on the section,
    // and puts the original back.
    std::pair<ToolResult, ToolResult> WithFile(const std::string& file, const std::string* bytes,
                                               int section, const std::string& what,
                                               bool withDump = true) {
        const fs::path path = data() / file;
        const bool existed = fs::exists(path);
        const std::string original = existed ? ReadFileBytes(path) : std::string();
        if (bytes == nullptr) {
            fs::remove(path);
        } else {
            WriteFileBytes(path, *bytes);
        }
        auto results = RunBoth(section, file + " " + what, withDump);
        if (existed) {
            WriteFileBytes(path, original);
        } else {
            fs::remove(path);
        }
        return results;
    }

    std::string Table(const FamilyLayout& layout) const {
        return ReadFileBytes(data() / layout.table);
    }

    TempDir dir_{"hostile"};
};

TEST_F(HostileCatalog, LoadTablesMissingEmptyOneByteCutRandomOrTooLong) {
    for (const FamilyLayout& layout : kSections) {
        SCOPED_TRACE(layout.table);
        const std::string sample = Table(layout);
        ASSERT_GE(sample.size(), 2 * layout.recordSize);

        // Missing: `table` makes the placeholder and shows no loads; `dump` does not write.
        auto [table, dump] = WithFile(layout.table, nullptr, layout.section, "missing");
        EXPECT_EQ(table.exitCode, 0) << table.err;
        EXPECT_EQ(dump.exitCode, 1);

        for (const std::string& bytes :
             {std::string(), std::string(1, '\x7f'), RandomBytes(7 * layout.recordSize + 3, 17),
              std::string(5 * layout.recordSize, '\xff')}) {
            WithFile(layout.table, &bytes, layout.section,
                     "of " + std::to_string(bytes.size()) + " bytes");
        }

        // Cut in the middle of the second record: only the first is read.
        const std::string cut = sample.substr(0, layout.recordSize + layout.recordSize / 2);
        std::tie(table, dump) = WithFile(layout.table, &cut, layout.section, "cut");
        EXPECT_EQ(SplitCsv(dump.out).size(), 2u) << dump.out; // heading and one record

        // Beyond the capacity: the capacity is read, the rest ignored.
        std::string tooLong;
        while (tooLong.size() < (layout.capacity + 5) * layout.recordSize) {
            tooLong += sample.substr(0, layout.recordSize);
        }
        std::tie(table, dump) = WithFile(layout.table, &tooLong, layout.section, "too long");
        EXPECT_EQ(SplitCsv(dump.out).size(), layout.capacity + 1);
    }
}

TEST_F(HostileCatalog, RecordsWithLongLengthBytesAlienIdsAndNonFiniteDoubles) {
    constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInf = std::numeric_limits<double>::infinity();
    for (const FamilyLayout& layout : kSections) {
        SCOPED_TRACE(layout.table);
        const std::string sample = Table(layout);
        const std::size_t records = sample.size() / layout.recordSize;

        std::string lengths = sample;
        std::string ids = sample;
        std::string doubles = sample;
        int nonFiniteWritten = 0;
        for (std::size_t r = 0; r < records; ++r) {
            const std::size_t base = r * layout.recordSize;
            for (std::size_t offset : layout.strings) {
                lengths[base + offset] = '\xff';
            }
            for (std::size_t offset : layout.ids) {
                const std::int32_t alien[] = {9999, -1, std::numeric_limits<std::int32_t>::min(),
                                              std::numeric_limits<std::int32_t>::max()};
                PutInt(ids, base + offset, alien[r % 4]);
            }
            if (layout.firstFlag != 0) {
                // Every usage flag (and in shotshells every shot size flag) set.
                std::memset(ids.data() + base + layout.firstFlag, 1, 20);
                if (layout.section == 4) {
                    std::memset(ids.data() + base + 109, 1, 30);
                }
            }
            const double odd[] = {kNan, kInf, -kInf, -0.0, 1e308, 5e-324};
            for (std::size_t offset : layout.doubles) {
                const double value = odd[(r + offset) % 6];
                PutDouble(doubles, base + offset, value);
                nonFiniteWritten += std::isfinite(value) ? 0 : 1;
            }
        }
        WithFile(layout.table, &lengths, layout.section, "length bytes of 255");
        WithFile(layout.table, &ids, layout.section, "IDs beyond every list");
        auto [table, dump] = WithFile(layout.table, &doubles, layout.section, "non-finite doubles");
        if (layout.section <= 3) {
            EXPECT_EQ(table.exitCode, 0) << table.err;
            // The factory columns show the odd values as they are, but the engine adds none: a
            // load it cannot fly keeps its ballistics cells empty or cut off.
            EXPECT_LE(NonFiniteCells(table.out), nonFiniteWritten) << table.out;
        }
    }
}

// Every name list of the sections, missing, empty, a lone line end, a zero byte, random bytes
// or with an enormous line; the material and shot-size index lists go with section 4.
void HostileCatalog::CheckNameLists(const std::vector<int>& sections) {
    std::vector<std::pair<std::string, int>> lists;
    for (int section : sections) {
        if (section == 5) {
            lists.emplace_back("t5pt.lst", 5);
            continue;
        }
        for (const char* kind : {"br", "ca", "bu", "us"}) {
            lists.emplace_back("t" + std::to_string(section) + kind + ".lst", section);
        }
        if (section == 4) {
            lists.emplace_back("t4pm.lst", 4);
            lists.emplace_back("t4indx.lst", 4);
        }
    }
    const std::string enormous = std::string(1 << 20, 'N') + "\r\n" + std::string(300000, '=');
    for (const auto& [file, section] : lists) {
        SCOPED_TRACE(file);
        auto [table, dump] = WithFile(file, nullptr, section, "missing", false);
        if (file != "t4indx.lst") {
            // A list that cannot be read is reported with its name.
            EXPECT_EQ(table.exitCode, 1);
            EXPECT_NE(table.err.find(file), std::string::npos) << table.err;
        }
        for (const std::string& bytes : {std::string(), std::string("\n"), std::string(1, '\0'),
                                         RandomBytes(3000, 23), enormous}) {
            WithFile(file, &bytes, section, "of " + std::to_string(bytes.size()) + " bytes", false);
        }
    }
}

TEST_F(HostileCatalog, NameListsOfRifleHandgunAndRimfire) {
    CheckNameLists({0, 1, 2});
}

TEST_F(HostileCatalog, NameListsOfSlugShotshellAndComponents) {
    CheckNameLists({3, 4, 5});
}

TEST_F(HostileCatalog, DescriptionsWithoutEqualsOrWithEnormousLinesChangeNoTable) {
    const ToolResult before = RunBounded({"table", program().string(), "0"});
    ASSERT_EQ(before.exitCode, 0) << before.err;
    const fs::path ini = program() / "ProductInfo" / "descriptions.ini";
    WriteFileBytes(ini, "[brand 0]\r\nno equals here\r\n=starts with equals\r\n" +
                            std::string(2 << 20, 'k') + "=" + std::string(2 << 20, 'v') + "\r\n[" +
                            std::string(100000, 'x') + "\r\n" + RandomBytes(5000, 5));
    for (int section = 0; section <= 5; ++section) {
        RunBoth(section, "odd descriptions.ini", false);
    }
    EXPECT_EQ(RunBounded({"table", program().string(), "0"}).out, before.out);
    fs::remove(ini);
    EXPECT_EQ(RunBounded({"table", program().string(), "0"}).out, before.out);
}

TEST_F(HostileCatalog, ReadOnlyDataFolderGivesEmptySectionsWithoutPlaceholders) {
    for (const FamilyLayout& layout : kSections) {
        fs::remove(data() / layout.table);
    }
    fs::permissions(data(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec);
    // Root writes anyway: the refusal cannot be tested then.
    if (::access(data().c_str(), W_OK) == 0) {
        GTEST_SKIP() << "permissions are not enforced for this user";
    }
    for (const FamilyLayout& layout : kSections) {
        SCOPED_TRACE(layout.table);
        auto [table, dump] = RunBoth(layout.section, "read-only Data");
        EXPECT_EQ(table.exitCode, 0) << table.err;
        EXPECT_FALSE(fs::exists(data() / layout.table));
    }
}

TEST_F(HostileCatalog, NonFiniteAndExtremeConditionsAreRefusedOrComputed) {
    const std::vector<std::vector<std::string>> conditions = {
        {"--temperature", "nan"},    {"--temperature", "-459.688"},
        {"--altitude", "inf"},       {"--altitude", "1e308"},
        {"--altitude", "-1e308"},    {"--crosswind", "-inf"},
        {"--sight-height", "1e308"}, {"--increment", "1", "--range", "45", "--zero", "2000000000"},
    };
    for (const auto& extra : conditions) {
        std::vector<std::string> args = {"table", program().string(), "0"};
        args.insert(args.end(), extra.begin(), extra.end());
        const ToolResult result = RunBounded(args);
        SCOPED_TRACE(extra[0] + " " + extra[1]);
        // A refused option is a usage error (2); anything else must end cleanly.
        if (result.exitCode != 2) {
            ExpectClean(result, "conditions");
            EXPECT_EQ(NonFiniteCells(result.out), 0) << result.out;
        }
    }
}

} // namespace
} // namespace corvane::test
