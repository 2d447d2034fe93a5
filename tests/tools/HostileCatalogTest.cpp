// Hostile catalogs end to end: every data file missing, empty, one byte, cut mid-record, beyond
// the capacity, random, with length bytes of 255, IDs beyond every list, non-finite doubles, a
// read-only data folder and odd "descriptions.ini" lines. `table` and `dump` must end cleanly
// (0, or 1 with a message) within a time limit, never crash or hang.
#include "hostile/HostileTables.h"
#include "tools/ToolRunner.h"

#include "common/TextUtil.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

namespace corvane::test {
namespace {

namespace fs = std::filesystem;

// Ended by itself with 0, or with 1 and a message; never a signal, a hang or silence.
void ExpectClean(const ToolResult& result, const std::string& what) {
    EXPECT_TRUE(result.exitCode == 0 || result.exitCode == 1)
        << what << ": exit " << result.exitCode << " (124: hung, above 128: signal)\n"
        << result.err;
    if (result.exitCode == 1) {
        EXPECT_FALSE(result.err.empty()) << what << ": failed without a message";
    }
}

// How many cells of the CSV lines read as a NaN or an infinity.
int NonFiniteCells(const std::string& text) {
    int count = 0;
    for (const std::vector<std::string>& row : SplitCsv(text)) {
        for (const std::string& cell : row) {
            const std::string value = LowerCase(Trim(cell));
            count += value == "nan" || value == "-nan" || value == "inf" || value == "-inf";
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
            dump = RunTool({"dump", data().string(), std::to_string(section)}, launcher_);
            ExpectClean(dump, what + ", dump " + std::to_string(section));
        }
        const ToolResult table =
            RunTool({"table", program().string(), std::to_string(section)}, launcher_);
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
        const std::string original = existed ? ReadFile(path) : std::string();
        if (bytes == nullptr) {
            fs::remove(path);
        } else {
            WriteFile(path, *bytes);
        }
        auto results = RunBoth(section, file + " " + what, withDump);
        if (existed) {
            WriteFile(path, original);
        } else {
            fs::remove(path);
        }
        return results;
    }

    TempDir dir_{"hostile"};
    std::vector<std::string> launcher_{CORVANE_TOOL_PATH};
};

TEST_F(HostileCatalog, LoadTablesMissingOrDamaged) {
    for (CatalogTab tab : AllSections()) {
        const SectionTraits& info = Traits(tab);
        const int section = TabIndex(tab);
        SCOPED_TRACE(info.tableFile);
        const std::string sample = ReadFile(data() / info.tableFile);
        ASSERT_GE(sample.size(), 2 * info.recordSize);

        // Missing: `table` makes the placeholder and shows no loads; `dump` does not write.
        auto [table, dump] = WithFile(info.tableFile, nullptr, section, "missing");
        EXPECT_EQ(table.exitCode, 0) << table.err;
        EXPECT_EQ(dump.exitCode, 1);

        for (const DamagedTable& damaged : DamagedTables(tab, sample)) {
            std::tie(table, dump) = WithFile(info.tableFile, &damaged.bytes, section, damaged.what);
            if (damaged.what == "cut in the second record") {
                EXPECT_EQ(SplitCsv(dump.out).size(), 2u) << dump.out; // heading and one record
            } else if (damaged.what == "beyond the capacity") {
                // The capacity is read, the rest ignored.
                EXPECT_EQ(SplitCsv(dump.out).size(), info.capacity + 1);
            } else if (damaged.what == "non-finite doubles" && section <= 3) {
                EXPECT_EQ(table.exitCode, 0) << table.err;
                // A value that is no number shows as an empty cell, and a load the engine
                // cannot fly keeps its ballistics cells empty or cut off.
                EXPECT_EQ(NonFiniteCells(table.out), 0) << table.out;
            }
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
    const ToolResult before = RunTool({"table", program().string(), "0"});
    ASSERT_EQ(before.exitCode, 0) << before.err;
    const fs::path ini = program() / "ProductInfo" / "descriptions.ini";
    WriteFile(ini, "[brand 0]\r\nno equals here\r\n=starts with equals\r\n" +
                       std::string(2 << 20, 'k') + "=" + std::string(2 << 20, 'v') + "\r\n[" +
                       std::string(100000, 'x') + "\r\n" + RandomBytes(5000, 5));
    for (int section = 0; section <= 5; ++section) {
        RunBoth(section, "odd descriptions.ini", false);
    }
    EXPECT_EQ(RunTool({"table", program().string(), "0"}).out, before.out);
    fs::remove(ini);
    EXPECT_EQ(RunTool({"table", program().string(), "0"}).out, before.out);
}

TEST_F(HostileCatalog, ReadOnlyDataFolderGivesEmptySectionsWithoutPlaceholders) {
    for (CatalogTab tab : AllSections()) {
        fs::remove(data() / Traits(tab).tableFile);
    }
    fs::permissions(data(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read |
                                fs::perms::others_exec);
    if (::geteuid() == 0) {
        // Root writes anyway, so the tool runs as "nobody" from a copy it may execute (the
        // build folder may be closed to other users). Leak checks are off for that one run:
        // the suppressions file may be closed to it too.
        const fs::path tool = dir_.Path() / "tool";
        fs::copy_file(CORVANE_TOOL_PATH, tool);
        fs::permissions(tool, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
        launcher_ = {"setpriv",        "--reuid=65534", "--regid=65534",
                     "--clear-groups", "env",           "ASAN_OPTIONS=detect_leaks=0",
                     "LSAN_OPTIONS=",  tool.string()};
        if (std::system("setpriv --reuid=65534 --regid=65534 --clear-groups true") != 0) {
            GTEST_SKIP() << "cannot run the tool as another user here";
        }
    }
    for (CatalogTab tab : AllSections()) {
        SCOPED_TRACE(Traits(tab).tableFile);
        auto [table, dump] = RunBoth(TabIndex(tab), "read-only Data");
        EXPECT_EQ(table.exitCode, 0) << table.err;
        EXPECT_EQ(dump.exitCode, 1) << dump.err; // nothing to read
        EXPECT_FALSE(fs::exists(data() / Traits(tab).tableFile));
    }
    // The same catalog with the folder writable again gets its placeholders.
    fs::permissions(data(),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::add);
    EXPECT_EQ(RunBoth(0, "writable Data", false).first.exitCode, 0);
    EXPECT_TRUE(fs::exists(data() / Traits(CatalogTab::Rifle).tableFile));
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
        const ToolResult result = RunTool(args);
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
