#include "CatalogTestSupport.h"

namespace corvane::test {
namespace {

// Bytes of the four load families' common head (offsets 0-59).
std::vector<std::uint8_t> LoadHead(std::size_t size) {
    std::vector<std::uint8_t> bytes(size, 0);
    PutInt(bytes, 0, 2005);
    PutText(bytes, 4, "NP");
    bytes[15 + 3] = 1;
    bytes[15 + 19] = 0xFF; // any non-zero byte is true
    PutText(bytes, 35, "AB12");
    PutInt(bytes, 56, 7);
    return bytes;
}

void ExpectLoadHead(const LoadRecord& r) {
    EXPECT_EQ(r.YearIntroduced, 2005);
    EXPECT_TRUE(r.IsNew());
    EXPECT_EQ(r.MarkCode, "NP");
    for (int u = 0; u < 20; ++u) {
        EXPECT_EQ(r.UsageFlags[u], u == 3 || u == 19) << "usage flag " << u;
    }
    EXPECT_EQ(r.LoadNumber, "AB12");
    EXPECT_EQ(r.CaliberId, 7);
}

// Encoding what was decoded from zero-filled bytes must give the same bytes back, except that
// true flags are written as 1.
void ExpectReencodes(RecordFamily family, std::vector<std::uint8_t> bytes,
                     std::vector<std::size_t> trueFlags = {}) {
    const auto encoded = EncodeRecord(family, DecodeRecord(family, bytes));
    if (family != RecordFamily::Component) {
        trueFlags.push_back(15 + 19);
    }
    for (std::size_t offset : trueFlags) {
        bytes[offset] = 1;
    }
    EXPECT_EQ(encoded, bytes);
}

TEST(RecordLayout, BulletLoadFields) {
    auto bytes = LoadHead(162);
    PutInt(bytes, 60, 150);
    PutDouble(bytes, 64, 0.415);
    PutInt(bytes, 72, 4);
    PutText(bytes, 76, "210");
    PutInt(bytes, 87, 2910);
    PutDouble(bytes, 91, 24.0);
    PutText(bytes, 99, "a note");
    PutInt(bytes, 158, -3);
    const LoadRecord r = DecodeRecord(RecordFamily::BulletLoad, bytes);
    ExpectLoadHead(r);
    EXPECT_EQ(r.BulletWeight, 150);
    EXPECT_EQ(r.BallisticCoefficient, 0.415);
    EXPECT_EQ(r.BulletStyleId, 4);
    EXPECT_EQ(r.PrimerNumber, "210");
    EXPECT_EQ(r.MuzzleVelocity, 2910);
    EXPECT_EQ(r.BarrelLength, 24.0);
    EXPECT_EQ(r.Note, "a note");
    EXPECT_EQ(r.BrandId, -3);
    ExpectReencodes(RecordFamily::BulletLoad, bytes);
}

TEST(RecordLayout, RimfireFields) {
    auto bytes = LoadHead(151);
    PutInt(bytes, 60, 40);
    PutDouble(bytes, 64, 0.138);
    PutInt(bytes, 72, 2);
    PutInt(bytes, 76, 1255);
    PutDouble(bytes, 80, 18.5);
    PutText(bytes, 88, "rim");
    PutInt(bytes, 147, 9);
    const LoadRecord r = DecodeRecord(RecordFamily::Rimfire, bytes);
    ExpectLoadHead(r);
    EXPECT_EQ(r.BulletWeight, 40);
    EXPECT_EQ(r.BallisticCoefficient, 0.138);
    EXPECT_EQ(r.BulletStyleId, 2);
    EXPECT_EQ(r.PrimerNumber, "");
    EXPECT_EQ(r.MuzzleVelocity, 1255);
    EXPECT_EQ(r.BarrelLength, 18.5);
    EXPECT_EQ(r.Note, "rim");
    EXPECT_EQ(r.BrandId, 9);
    ExpectReencodes(RecordFamily::Rimfire, bytes);
}

TEST(RecordLayout, SlugFields) {
    auto bytes = LoadHead(179);
    PutDouble(bytes, 60, 1.125);
    PutDouble(bytes, 68, 0.105);
    PutInt(bytes, 76, 5);
    PutInt(bytes, 80, 1600);
    PutDouble(bytes, 84, 30.0);
    PutDouble(bytes, 92, 2.75);
    PutText(bytes, 100, "Max Dram 15ch");
    PutText(bytes, 116, std::string(58, 'n'));
    PutInt(bytes, 175, 11);
    const LoadRecord r = DecodeRecord(RecordFamily::Slug, bytes);
    ExpectLoadHead(r);
    EXPECT_EQ(r.SlugWeight, 1.125);
    EXPECT_EQ(r.BallisticCoefficient, 0.105);
    EXPECT_EQ(r.SlugStyleId, 5);
    EXPECT_EQ(r.MuzzleVelocity, 1600);
    EXPECT_EQ(r.BarrelLength, 30.0);
    EXPECT_EQ(r.ShellLength, 2.75);
    EXPECT_EQ(r.DramEquivalent, "Max Dram 15ch");
    EXPECT_EQ(r.Note, std::string(58, 'n'));
    EXPECT_EQ(r.BrandId, 11);
    ExpectReencodes(RecordFamily::Slug, bytes);
}

TEST(RecordLayout, ShotshellFields) {
    auto bytes = LoadHead(238);
    PutDouble(bytes, 60, 1.25);
    PutText(bytes, 68, "1 1/4 oz - 4");
    bytes[109 + 3] = 1;
    bytes[109 + 29] = 7;
    PutInt(bytes, 139, 1330);
    PutInt(bytes, 143, 2100);
    PutDouble(bytes, 147, 3.0);
    PutText(bytes, 155, "3 3/4");
    PutText(bytes, 171, "shot");
    PutInt(bytes, 230, 12);
    PutInt(bytes, 234, 2);
    const LoadRecord r = DecodeRecord(RecordFamily::Shotshell, bytes);
    ExpectLoadHead(r);
    EXPECT_EQ(r.ShotWeight, 1.25);
    EXPECT_EQ(r.ShotSizeText, "1 1/4 oz - 4");
    for (int k = 0; k < 30; ++k) {
        EXPECT_EQ(r.ShotSizeFlags[k], k == 3 || k == 29) << "shot size flag " << k;
    }
    EXPECT_EQ(r.MuzzleVelocity, 1330);
    EXPECT_EQ(r.MuzzleEnergy, 2100);
    EXPECT_EQ(r.ShellLength, 3.0);
    EXPECT_EQ(r.DramEquivalent, "3 3/4");
    EXPECT_EQ(r.Note, "shot");
    EXPECT_EQ(r.BrandId, 12);
    EXPECT_EQ(r.MaterialId, 2);
    ExpectReencodes(RecordFamily::Shotshell, bytes, {109 + 29});
}

TEST(RecordLayout, ComponentFields) {
    std::vector<std::uint8_t> bytes(194, 0);
    PutInt(bytes, 0, 77);
    PutInt(bytes, 4, 10);
    PutText(bytes, 8, " P-210 ");
    PutText(bytes, 21, "12 ga");
    PutDouble(bytes, 32, 0.2105);
    PutText(bytes, 40, "Primer");
    PutText(bytes, 51, "Sample Brand");
    PutText(bytes, 92, "Large rifle");
    PutText(bytes, 133, std::string(60, 'u'));
    const LoadRecord r = DecodeRecord(RecordFamily::Component, bytes);
    EXPECT_EQ(r.Reserved, 77);
    EXPECT_EQ(r.ComponentTypeId, 10);
    EXPECT_EQ(r.ItemNumber, " P-210 ");
    EXPECT_EQ(r.Gauge, "12 ga");
    EXPECT_EQ(r.PrimerDiameter, 0.2105);
    EXPECT_EQ(r.Product, "Primer");
    EXPECT_EQ(r.BrandName, "Sample Brand");
    EXPECT_EQ(r.Description, "Large rifle");
    EXPECT_EQ(r.UsageText, std::string(60, 'u'));
    ExpectReencodes(RecordFamily::Component, bytes);
}

TEST(RecordLayout, LengthByteDecidesTheText) {
    std::vector<std::uint8_t> bytes(162, 0);
    // Zero length with garbage filler reads as empty.
    bytes[35] = 0;
    std::memset(bytes.data() + 36, 'Z', 20);
    // A length beyond the field reads only the field; the next field is untouched.
    bytes[4] = 200;
    std::memcpy(bytes.data() + 5, "ABCDEFGHIJ", 10);
    bytes[99] = 255;
    std::memset(bytes.data() + 100, 'q', 58);
    PutInt(bytes, 158, 42);
    const LoadRecord r = DecodeRecord(RecordFamily::BulletLoad, bytes);
    EXPECT_EQ(r.LoadNumber, "");
    EXPECT_EQ(r.MarkCode, "ABCDEFGHIJ");
    EXPECT_EQ(r.Note, std::string(58, 'q'));
    EXPECT_EQ(r.BrandId, 42);
}

TEST(RecordLayout, EncodingCutsLongTextsAndZeroesFiller) {
    LoadRecord r;
    r.MarkCode = "12345678901234";
    r.LoadNumber = "X";
    const auto bytes = EncodeRecord(RecordFamily::BulletLoad, r);
    EXPECT_EQ(bytes[4], 10);
    EXPECT_EQ(std::string(bytes.begin() + 5, bytes.begin() + 15), "1234567890");
    EXPECT_EQ(bytes[35], 1);
    EXPECT_EQ(bytes[36], 'X');
    for (std::size_t i = 37; i < 56; ++i) {
        EXPECT_EQ(bytes[i], 0) << "filler byte " << i;
    }
}

TEST(RecordLayout, ShortInputDecodesWithoutOverrun) {
    std::vector<std::uint8_t> bytes(10, 0xFF);
    const LoadRecord r = DecodeRecord(RecordFamily::Shotshell, bytes);
    EXPECT_EQ(r.YearIntroduced, -1);
    EXPECT_EQ(r.BrandId, 0);
}

} // namespace
} // namespace corvane::test
