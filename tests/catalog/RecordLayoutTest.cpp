#include "CatalogTestSupport.h"

#include <functional>

namespace corvane::test {
namespace {

using R = LoadRecord;

// Fields placed by hand at their offsets, each remembering what the decoder must give back.
class Placed {
public:
    explicit Placed(std::size_t size) : bytes_(size, 0) {}

    Placed& Int(std::size_t at, std::int32_t R::*field, std::int32_t value) {
        PutInt(bytes_, at, value);
        return Expect(at, field, value);
    }
    Placed& Real(std::size_t at, double R::*field, double value) {
        PutDouble(bytes_, at, value);
        return Expect(at, field, value);
    }
    Placed& Text(std::size_t at, std::string R::*field, const std::string& value) {
        PutText(bytes_, at, value);
        return Expect(at, field, value);
    }
    // The common head of the four load families (offsets 0-59); any non-zero flag byte is true.
    Placed& LoadHead() {
        Int(0, &R::YearIntroduced, 2005).Text(4, &R::MarkCode, "NP");
        bytes_[15 + 3] = 1;
        bytes_[15 + 19] = 0xFF;
        trueFlags_.push_back(15 + 19);
        return Text(35, &R::LoadNumber, "AB12").Int(56, &R::CaliberId, 7);
    }
    std::vector<std::uint8_t>& Bytes() { return bytes_; }

    // Decodes, checks every placed field, and encodes back to the same bytes, except that true
    // flags are written as 1.
    LoadRecord Check(RecordFamily family, std::vector<std::size_t> trueFlags = {}) {
        const LoadRecord r = DecodeRecord(family, bytes_);
        for (const auto& check : checks_) {
            check(r);
        }
        trueFlags.insert(trueFlags.end(), trueFlags_.begin(), trueFlags_.end());
        std::vector<std::uint8_t> expected = bytes_;
        for (std::size_t offset : trueFlags) {
            expected[offset] = 1;
        }
        EXPECT_EQ(EncodeRecord(family, r), expected);
        return r;
    }

private:
    template <typename T, typename V> Placed& Expect(std::size_t at, T R::*field, V value) {
        checks_.push_back([=](const R& r) { EXPECT_EQ(r.*field, value) << "offset " << at; });
        return *this;
    }

    std::vector<std::uint8_t> bytes_;
    std::vector<std::size_t> trueFlags_;
    std::vector<std::function<void(const R&)>> checks_;
};

TEST(RecordLayout, BulletLoadAndRimfireFields) {
    const LoadRecord r = Placed(162)
                             .LoadHead()
                             .Int(60, &R::BulletWeight, 150)
                             .Real(64, &R::BallisticCoefficient, 0.415)
                             .Int(72, &R::BulletStyleId, 4)
                             .Text(76, &R::PrimerNumber, "210")
                             .Int(87, &R::MuzzleVelocity, 2910)
                             .Real(91, &R::BarrelLength, 24.0)
                             .Text(99, &R::Note, "a note")
                             .Int(158, &R::BrandId, -3)
                             .Check(RecordFamily::BulletLoad);
    EXPECT_TRUE(r.IsNew());
    for (int u = 0; u < 20; ++u) {
        EXPECT_EQ(r.UsageFlags[u], u == 3 || u == 19) << "usage flag " << u;
    }
    Placed(151)
        .LoadHead()
        .Int(60, &R::BulletWeight, 40)
        .Real(64, &R::BallisticCoefficient, 0.138)
        .Int(72, &R::BulletStyleId, 2)
        .Int(76, &R::MuzzleVelocity, 1255)
        .Real(80, &R::BarrelLength, 18.5)
        .Text(88, &R::Note, "rim")
        .Int(147, &R::BrandId, 9)
        .Check(RecordFamily::Rimfire);
}

TEST(RecordLayout, SlugAndShotshellFields) {
    Placed(179)
        .LoadHead()
        .Real(60, &R::SlugWeight, 1.125)
        .Real(68, &R::BallisticCoefficient, 0.105)
        .Int(76, &R::SlugStyleId, 5)
        .Int(80, &R::MuzzleVelocity, 1600)
        .Real(84, &R::BarrelLength, 30.0)
        .Real(92, &R::ShellLength, 2.75)
        .Text(100, &R::DramEquivalent, "Max Dram 15ch")
        .Text(116, &R::Note, std::string(58, 'n'))
        .Int(175, &R::BrandId, 11)
        .Check(RecordFamily::Slug);

    Placed shell(238);
    shell.LoadHead()
        .Real(60, &R::ShotWeight, 1.25)
        .Text(68, &R::ShotSizeText, "1 1/4 oz - 4")
        .Int(139, &R::MuzzleVelocity, 1330)
        .Int(143, &R::MuzzleEnergy, 2100)
        .Real(147, &R::ShellLength, 3.0)
        .Text(155, &R::DramEquivalent, "3 3/4")
        .Text(171, &R::Note, "shot")
        .Int(230, &R::BrandId, 12)
        .Int(234, &R::MaterialId, 2);
    shell.Bytes()[109 + 3] = 1;
    shell.Bytes()[109 + 29] = 7;
    const LoadRecord r = shell.Check(RecordFamily::Shotshell, {109 + 29});
    for (int k = 0; k < 30; ++k) {
        EXPECT_EQ(r.ShotSizeFlags[k], k == 3 || k == 29) << "shot size flag " << k;
    }
}

TEST(RecordLayout, ComponentFields) {
    Placed(194)
        .Int(0, &R::Reserved, 77)
        .Int(4, &R::ComponentTypeId, 10)
        .Text(8, &R::ItemNumber, " P-210 ")
        .Text(21, &R::Gauge, "12 ga")
        .Real(32, &R::PrimerDiameter, 0.2105)
        .Text(40, &R::Product, "Primer")
        .Text(51, &R::BrandName, "Sample Brand")
        .Text(92, &R::Description, "Large rifle")
        .Text(133, &R::UsageText, std::string(60, 'u'))
        .Check(RecordFamily::Component);
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
