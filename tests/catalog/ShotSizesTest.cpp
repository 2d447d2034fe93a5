#include "CatalogTestSupport.h"

#include "catalog/ShotSizes.h"

namespace corvane::test {
namespace {

TEST(ShotSizes, IndexLinesMapIdsToTableEntries) {
    TempProgramDir dir;
    EXPECT_EQ(ReadShotSizeIndex(dir.Data()).Error().Message(),
              "Cannot open file \"" + (dir.Data() / "t4indx.lst").string() + "\"");
    WriteFile(dir.Data() / "t4indx.lst", " 7 \r\nx\r\n23\r\n24\r\n-1\r\n16\r\n");
    EXPECT_EQ(ReadShotSizeIndex(dir.Data(), 7).Error().detail, "no line for shot size 7");
    const std::vector<int> index = ReadShotSizeIndex(dir.Data(), 6).Value();
    ASSERT_EQ(index.size(), 6u);

    EXPECT_EQ(ShotSizeEntryOf(index, 1), 7);
    EXPECT_EQ(ShotSizeEntryOf(index, 2), 0); // not a number
    EXPECT_EQ(ShotSizeEntryOf(index, 3), 23);
    EXPECT_EQ(ShotSizeEntryOf(index, 4), std::nullopt); // beyond the table
    EXPECT_EQ(ShotSizeEntryOf(index, 5), std::nullopt);
    EXPECT_EQ(ShotSizeEntryOf(index, 7), std::nullopt); // no line
    EXPECT_EQ(ShotSizeEntryOf(index, 0), std::nullopt);
}

} // namespace
} // namespace corvane::test
