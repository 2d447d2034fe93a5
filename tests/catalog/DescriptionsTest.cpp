#include "CatalogTestSupport.h"

#include "catalog/Descriptions.h"

namespace corvane::test {
namespace {

class DescriptionsTest : public ::testing::Test {
protected:
    TempProgramDir dir;
    Descriptions descriptions{dir.ProductInfo()};

    void Ini(const std::string& contents) {
        WriteFile(dir.ProductInfo() / "descriptions.ini", contents);
    }
    std::string Get(CatalogTab tab, DescriptionKind kind, const std::string& name) {
        return descriptions.GetDescription(tab, kind, name);
    }
};

using enum CatalogTab;
using enum DescriptionKind;

TEST_F(DescriptionsTest, HeadersAndKeysMatchRegardlessOfCaseButKeysAreNotTrimmed) {
    Ini("[brand 1]\r\nSample Brand=pistol text\r\n"
        "  [Brand 0]  \r\n"
        "no equals sign here\r\n"
        "=starts with equals\r\n"
        "Sample Brand =blank before equals\r\n"
        "SAMPLE BRAND=  first wins  \r\n"
        "sample brand=second\r\n"
        "Other=a=b\r\n"
        "[box 0]\r\nSample Brand=box.jpg\r\n");
    EXPECT_EQ(Get(Rifle, Brand, " Sample Brand "), "Sample Brand\r\n\r\nfirst wins");
    EXPECT_EQ(Get(Rifle, Brand, "other"), "other\r\n\r\na=b");
    EXPECT_EQ(Get(Rifle, Box, "sample brand"), "box.jpg");
    // Entries stop at the next header.
    EXPECT_EQ(Get(Rifle, Brand, "x"), "No description for: x");
    EXPECT_EQ(Get(Rifle, Box, "Other"), "");
    // A line starting with "=" names no key, not the empty one.
    EXPECT_EQ(Get(Rifle, Brand, ""), "No description for: ");
}

TEST_F(DescriptionsTest, MissingSectionsEntriesAndKinds) {
    Ini("[bullet 2]\r\nSP=\r\n");
    EXPECT_EQ(Get(Slug, Bullet, "SP"), "No section: [bullet 3]");
    EXPECT_EQ(Get(Slug, Projectile, "SP"), "");
    // An empty value is no description.
    EXPECT_EQ(Get(Rimfire, Bullet, " SP"), "No description for:  SP");
    EXPECT_EQ(Get(Rimfire, static_cast<DescriptionKind>(4), "SP"), "");
}

TEST_F(DescriptionsTest, ShotshellBulletTextsUseTheDerivedShotName) {
    Ini("[bullet 4]\r\n7 1/2=seven and a half\r\nBLANK=no shot\r\n"
        "SHOT (ALL SIZES)=any shot\r\n"
        "[projectile 4]\r\n1 1/8 OZ - 7 1/2=shot.jpg\r\n");
    EXPECT_EQ(Get(Shotshell, Bullet, "1 1/8 oz - 7 1/2"), "7 1/2\r\n\r\nseven and a half");
    EXPECT_EQ(Get(Shotshell, Bullet, "Blank"), "Blank\r\n\r\nno shot");
    EXPECT_EQ(Get(Shotshell, Bullet, "blank"), "Shot (all sizes)\r\n\r\nany shot");
    EXPECT_EQ(Get(Shotshell, Bullet, "-7 1/2"), "Shot (all sizes)\r\n\r\nany shot");
    EXPECT_EQ(Get(Shotshell, Projectile, "1 1/8 oz - 7 1/2"), "shot.jpg");
}

TEST_F(DescriptionsTest, FileIsReadOnceButAgainWhileEmpty) {
    EXPECT_THROW(Get(Rifle, Brand, "A"), CatalogFileError);
    Ini("");
    EXPECT_EQ(Get(Rifle, Brand, "A"), "No section: [brand 0]");
    Ini("[brand 0]\r\nA=first\r\n");
    EXPECT_EQ(Get(Rifle, Brand, "A"), "A\r\n\r\nfirst");
    Ini("[brand 0]\r\nA=changed\r\n");
    EXPECT_EQ(Get(Rifle, Brand, "A"), "A\r\n\r\nfirst");
}

TEST_F(DescriptionsTest, HugeLinesAreHarmless) {
    Ini("[brand 0]\r\n" + std::string(1'000'000, 'x') + "\r\nA=" + std::string(70'000, 'y'));
    EXPECT_EQ(Get(Rifle, Brand, "A").size(), 5u + 70'000u);
}

} // namespace
} // namespace corvane::test
