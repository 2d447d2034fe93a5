// Load tables read whole-record by whole-record (records beyond the capacity are left to the
// hostile catalog tests), placeholders, and the retried open.
#include "CatalogTestSupport.h"

namespace corvane::test {
namespace {

LoadRecord Numbered(int i) {
    LoadRecord r;
    r.LoadNumber = "L" + std::to_string(i);
    r.BrandId = i;
    return r;
}

TEST(TableFile, CountsOnlyWholeRecords) {
    TempProgramDir dir;
    const fs::path table = dir.Data() / "t00dr.dat";
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 3; ++i) {
        const auto record = EncodeRecord(RecordFamily::BulletLoad, Numbered(i));
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    bytes.resize(bytes.size() + 100, 0xAB);
    WriteBytes(table, bytes);

    RecordingPrompts prompts;
    const auto records = ReadLoadTable(table, RecordFamily::BulletLoad, 162, 300, prompts).Value();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[2].LoadNumber, "L2");

    WriteBytes(table, std::vector<std::uint8_t>(161, 1));
    EXPECT_TRUE(ReadLoadTable(table, RecordFamily::BulletLoad, 162, 300, prompts).Value().empty());
    WriteBytes(table, {});
    EXPECT_TRUE(ReadLoadTable(table, RecordFamily::BulletLoad, 162, 300, prompts).Value().empty());
    EXPECT_TRUE(prompts.questions.empty());
}

TEST(TableFile, MissingTableBecomesTwoBytePlaceholder) {
    TempProgramDir dir;
    const fs::path table = dir.Data() / "t03dr.dat";
    RecordingPrompts prompts;
    EXPECT_TRUE(ReadLoadTable(table, RecordFamily::Slug, 179, 30, prompts).Value().empty());
    EXPECT_TRUE(FileExists(table));
    EXPECT_EQ(TableFileSize(table), 2u);

    // A folder that cannot take the file: no loads and no question.
    const fs::path nowhere = dir.Root() / "missing-folder" / "t03dr.dat";
    EXPECT_FALSE(PrepareTableFile(nowhere));
    EXPECT_EQ(ReadLoadTable(nowhere, RecordFamily::Slug, 179, 30, prompts).Error().file, nowhere);
    EXPECT_TRUE(prompts.questions.empty());
    EXPECT_EQ(TableFileSize(dir.Data()), 0u);
}

TEST(TableFile, ReadOnlyTableIsMadeReadable) {
    TempProgramDir dir;
    const fs::path table = dir.Data() / "t00dr.dat";
    WriteTable(table, RecordFamily::BulletLoad, {Numbered(0), Numbered(1)});
    fs::permissions(table, fs::perms::none);
    EXPECT_TRUE(PrepareTableFile(table));
    const fs::perms perms = fs::status(table).permissions();
    EXPECT_NE(perms & fs::perms::owner_read, fs::perms::none);
    EXPECT_NE(perms & fs::perms::owner_write, fs::perms::none);
}

TEST(OpenWithRetry, RetriesForFiveSecondsThenAbortGivesUp) {
    TempProgramDir dir;
    const fs::path file = dir.Data() / "locked.dat";
    RecordingPrompts prompts;
    FakeClock clock;
    EXPECT_FALSE(OpenWithRetry(file, prompts, clock.Clock()).has_value());
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0], "Unable to open file " + file.string());
    ASSERT_FALSE(clock.waits.empty());
    std::int64_t waited = 0;
    for (int ms : clock.waits) {
        EXPECT_GE(ms, 300);
        EXPECT_LT(ms, 500);
        waited += ms;
    }
    // Tries go on until the 5 s are over, and no longer than one more delay.
    EXPECT_GE(waited, 5000);
    EXPECT_LT(waited, 5500);
    EXPECT_EQ(prompts.eventRuns, static_cast<int>(clock.waits.size()));
}

TEST(OpenWithRetry, RetryAfterTheFileAppearsOpensIt) {
    TempProgramDir dir;
    const fs::path file = dir.Data() / "late.dat";
    RecordingPrompts prompts;
    prompts.answers = {AbortRetryAnswer::Retry};
    prompts.onQuestion = [&] { WriteFile(file, "xy"); };
    FakeClock clock;
    auto stream = OpenWithRetry(file, prompts, clock.Clock());
    ASSERT_TRUE(stream.has_value());
    EXPECT_EQ(prompts.questions.size(), 1u);
    char first = 0;
    stream->get(first);
    EXPECT_EQ(first, 'x');
}

TEST(OpenWithRetry, FileOpenedDuringTheWaitNeedsNoQuestion) {
    TempProgramDir dir;
    const fs::path file = dir.Data() / "soon.dat";
    RecordingPrompts prompts;
    FakeClock clock;
    RetryClock retry = clock.Clock();
    auto wait = retry.waitMs;
    retry.waitMs = [&, wait](int ms) {
        wait(ms);
        if (clock.waits.size() == 2) {
            WriteFile(file, "z");
        }
    };
    EXPECT_TRUE(OpenWithRetry(file, prompts, retry).has_value());
    EXPECT_TRUE(prompts.questions.empty());
    EXPECT_EQ(clock.waits.size(), 2u);
}

} // namespace
} // namespace corvane::test
