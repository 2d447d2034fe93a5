// The own loads document: written and read back whole, and every kind of broken file refused
// with what is wrong, without touching the file.
#include "rifle/MyLoads.h"

#include "catalog/CatalogTestSupport.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

namespace fs = std::filesystem;

class MyLoadsFile : public testing::Test {
protected:
    void Write(const std::string& bytes) { test::WriteFile(File(), bytes); }
    fs::path File() const { return dir_.Path() / "my-loads.json"; }

    test::TempDir dir_{"myloads"};
};

MyLoads Sample() {
    MyLoads document;
    OwnLoad load;
    load.name = "Handload 168 \xC3\xA9t\xC3\xA9"; // UTF-8 as typed
    load.caliber = ".308 Win";
    load.bulletWeight = 168.5;
    load.ballisticCoefficient = 0.462;
    load.muzzleVelocity = 2650;
    load.g7Coefficient = 0.224;
    load.twist = 10;
    document.loads = {load, OwnLoad{}};
    document.loads[1].name = "Second";
    document.rifles = {RifleProfile{"Bolt gun", 1.75, 100, AdjustmentUnit::Mil, 0.1}};
    return document;
}

TEST_F(MyLoadsFile, WrittenAndReadBackWhole) {
    EXPECT_TRUE(ReadMyLoadsFile(File()).Value().loads.empty()); // nothing saved yet
    ASSERT_TRUE(WriteMyLoadsFile(File(), Sample()).Ok);
    const auto read = ReadMyLoadsFile(File());
    ASSERT_TRUE(read.Ok()) << read.Error().Message();
    EXPECT_EQ(read.Value(), Sample());
    EXPECT_FALSE(read.Value().loads[1].g7Coefficient.has_value());

    const WriteResult refused = WriteMyLoadsFile(File() / "x", Sample());
    EXPECT_FALSE(refused.Ok);
    EXPECT_NE(refused.Error.find("my-loads.json"), std::string::npos);
}

TEST_F(MyLoadsFile, BrokenFilesAreRefusedWithWhatIsWrong) {
    const std::string good = MyLoadsJson(Sample());
    std::string absurd = good;
    absurd.replace(absurd.find("2650"), 4, "26500000");
    std::string wrongKind = good;
    wrongKind.replace(wrongKind.find("0.462"), 5, "\"fast\"");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {good.substr(0, good.size() / 2), "no JSON object"},
        {"not json at all", "no JSON object"},
        {"[1, 2]", "no JSON object"},
        {R"({"version": 7, "loads": []})", "another version"},
        {R"({"loads": []})", "another version"},
        {absurd, "load 1: muzzleVelocityFps 26500000.000 is outside 100.00 to 5000.00"},
        {wrongKind, "load 1: ballisticCoefficientG1 is not a number"},
        {R"({"version": 1, "loads": [{"caliber": "x"}]})", "load 1: name is missing"},
        {R"({"version": 1, "rifles": [{"name": "r", "sightHeightIn": 1.5, "zeroRangeYd": 100,
            "unit": "deg", "click": 0.25}]})",
         "rifle 1: unit is neither moa nor mil"},
        {R"({"version": 1, "loads": 5})", "loads is not a list"},
        {std::string(5 * 1024 * 1024, ' '), "larger than 4 MB"},
    };
    for (const auto& [bytes, problem] : cases) {
        Write(bytes);
        const auto read = ReadMyLoadsFile(File());
        ASSERT_FALSE(read.Ok()) << problem;
        EXPECT_EQ(read.Error().kind, ReadError::Kind::Malformed);
        EXPECT_NE(read.Error().Message().find(problem), std::string::npos)
            << read.Error().Message();
        EXPECT_NE(read.Error().Message().find(File().string()), std::string::npos);
    }
}

TEST_F(MyLoadsFile, MovedAsideUnderAFreeName) {
    Write("broken");
    fs::path taken = File();
    taken += ".broken-1";
    test::WriteFile(taken, "earlier");
    const auto aside = MoveAside(File());
    ASSERT_TRUE(aside.has_value());
    EXPECT_EQ(aside->filename(), "my-loads.json.broken-2");
    EXPECT_FALSE(fs::exists(File()));
    EXPECT_FALSE(MoveAside(File()).has_value()); // nothing left to move

    // Opening a broken file sets it aside and says which file, what is wrong and where it went.
    Write("{\"version\": 9}");
    const OpenedMyLoads opened = OpenMyLoadsFile(File());
    EXPECT_TRUE(opened.document.loads.empty());
    EXPECT_TRUE(opened.writable);
    EXPECT_EQ(opened.message, "Cannot read file \"" + File().string() +
                                  "\": written by another version of the program.\nIt was moved "
                                  "to \"" +
                                  File().string() + ".broken-3\" and My Loads starts empty.");
    EXPECT_TRUE(fs::exists(dir_.Path() / "my-loads.json.broken-3"));
}

// The chart and the card pick own loads by name: repeats (a load copied twice, a file imported
// twice) are numbered, without passing the length limit or cutting a character.
TEST(MyLoadsNames, RepeatedNamesAreNumbered) {
    MyLoads document;
    const std::string longName = std::string(195, 'x') + "\xC3\xA9yy"; // 199 bytes
    for (const std::string& name :
         std::vector<std::string>{"A", "A", "A (2)", "A", longName, longName}) {
        document.loads.push_back(OwnLoad{});
        document.loads.back().name = name;
    }
    document.rifles = {RifleProfile{"A", 1.5, 100, AdjustmentUnit::Moa, 0.25},
                       RifleProfile{"A", 1.5, 100, AdjustmentUnit::Moa, 0.25}};
    MakeNamesDistinct(document);
    const std::vector<std::string> expected = {"A",     "A (2)",  "A (2) (2)",
                                               "A (3)", longName, std::string(195, 'x') + " (2)"};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(document.loads[i].name, expected[i]) << i;
    }
    EXPECT_EQ(document.rifles[1].name, "A (2)"); // rifles apart from loads
}

} // namespace
} // namespace corvane
