#include "catalog/RecordLayout.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace corvane {

namespace {

std::size_t FamilySize(RecordFamily family) {
    switch (family) {
    case RecordFamily::BulletLoad:
        return 162;
    case RecordFamily::Rimfire:
        return 151;
    case RecordFamily::Slug:
        return 179;
    case RecordFamily::Shotshell:
        return 238;
    case RecordFamily::Component:
        return 194;
    }
    return 0;
}

// Reads fields from a buffer of exactly the record size.
class FieldReader {
public:
    explicit FieldReader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    void Int(std::size_t offset, std::int32_t& value) const {
        std::uint32_t raw = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            raw |= static_cast<std::uint32_t>(bytes_[offset + i]) << (8 * i);
        }
        value = static_cast<std::int32_t>(raw);
    }
    void Real(std::size_t offset, double& value) const {
        std::uint64_t raw = 0;
        for (std::size_t i = 0; i < 8; ++i) {
            raw |= static_cast<std::uint64_t>(bytes_[offset + i]) << (8 * i);
        }
        value = std::bit_cast<double>(raw);
    }
    // string[n]: a length byte, then n bytes; a length beyond n is cut to n.
    void Text(std::size_t offset, std::size_t n, std::string& value) const {
        const std::size_t length = std::min<std::size_t>(bytes_[offset], n);
        const auto* first = reinterpret_cast<const char*>(bytes_.data() + offset + 1);
        value.assign(first, length);
    }
    template <std::size_t N> void Flags(std::size_t offset, std::array<bool, N>& flags) const {
        for (std::size_t i = 0; i < N; ++i) {
            flags[i] = bytes_[offset + i] != 0;
        }
    }

private:
    const std::vector<std::uint8_t>& bytes_;
};

// Writes fields into a zero-filled buffer of the record size.
class FieldWriter {
public:
    explicit FieldWriter(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    void Int(std::size_t offset, const std::int32_t& value) const {
        const auto raw = static_cast<std::uint32_t>(value);
        for (std::size_t i = 0; i < 4; ++i) {
            bytes_[offset + i] = static_cast<std::uint8_t>(raw >> (8 * i));
        }
    }
    void Real(std::size_t offset, const double& value) const {
        const auto raw = std::bit_cast<std::uint64_t>(value);
        for (std::size_t i = 0; i < 8; ++i) {
            bytes_[offset + i] = static_cast<std::uint8_t>(raw >> (8 * i));
        }
    }
    void Text(std::size_t offset, std::size_t n, const std::string& value) const {
        const std::size_t length = std::min(value.size(), n);
        bytes_[offset] = static_cast<std::uint8_t>(length);
        std::memcpy(bytes_.data() + offset + 1, value.data(), length);
    }
    template <std::size_t N>
    void Flags(std::size_t offset, const std::array<bool, N>& flags) const {
        for (std::size_t i = 0; i < N; ++i) {
            bytes_[offset + i] = flags[i] ? 1 : 0;
        }
    }

private:
    std::vector<std::uint8_t>& bytes_;
};

// One description of every family's layout, walked by both the reader and the writer so the
// two can never disagree. `Rec` is LoadRecord or const LoadRecord.
template <class Fields, class Rec> void WalkLayout(RecordFamily family, const Fields& f, Rec& r) {
    if (family == RecordFamily::Component) {
        f.Int(0, r.Reserved);
        f.Int(4, r.ComponentTypeId);
        f.Text(8, 12, r.ItemNumber);
        f.Text(21, 10, r.Gauge);
        f.Real(32, r.PrimerDiameter);
        f.Text(40, 10, r.Product);
        f.Text(51, 40, r.BrandName);
        f.Text(92, 40, r.Description);
        f.Text(133, 60, r.UsageText);
        return;
    }
    // Offsets 0-59 are common to the four load families.
    f.Int(0, r.YearIntroduced);
    f.Text(4, 10, r.MarkCode);
    f.Flags(15, r.UsageFlags);
    f.Text(35, 20, r.LoadNumber);
    f.Int(56, r.CaliberId);
    switch (family) {
    case RecordFamily::BulletLoad:
        f.Int(60, r.BulletWeight);
        f.Real(64, r.BallisticCoefficient);
        f.Int(72, r.BulletStyleId);
        f.Text(76, 10, r.PrimerNumber);
        f.Int(87, r.MuzzleVelocity);
        f.Real(91, r.BarrelLength);
        f.Text(99, 58, r.Note);
        f.Int(158, r.BrandId);
        break;
    case RecordFamily::Rimfire:
        f.Int(60, r.BulletWeight);
        f.Real(64, r.BallisticCoefficient);
        f.Int(72, r.BulletStyleId);
        f.Int(76, r.MuzzleVelocity);
        f.Real(80, r.BarrelLength);
        f.Text(88, 58, r.Note);
        f.Int(147, r.BrandId);
        break;
    case RecordFamily::Slug:
        f.Real(60, r.SlugWeight);
        f.Real(68, r.BallisticCoefficient);
        f.Int(76, r.SlugStyleId);
        f.Int(80, r.MuzzleVelocity);
        f.Real(84, r.BarrelLength);
        f.Real(92, r.ShellLength);
        f.Text(100, 15, r.DramEquivalent);
        f.Text(116, 58, r.Note);
        f.Int(175, r.BrandId);
        break;
    case RecordFamily::Shotshell:
        f.Real(60, r.ShotWeight);
        f.Text(68, 40, r.ShotSizeText);
        f.Flags(109, r.ShotSizeFlags);
        f.Int(139, r.MuzzleVelocity);
        f.Int(143, r.MuzzleEnergy);
        f.Real(147, r.ShellLength);
        f.Text(155, 15, r.DramEquivalent);
        f.Text(171, 58, r.Note);
        f.Int(230, r.BrandId);
        f.Int(234, r.MaterialId);
        break;
    case RecordFamily::Component:
        break;
    }
}

} // namespace

LoadRecord DecodeRecord(RecordFamily family, std::span<const std::uint8_t> bytes) {
    // A short buffer reads as if padded with zeros; extra bytes are ignored.
    std::vector<std::uint8_t> buffer(FamilySize(family), 0);
    std::copy_n(bytes.begin(), std::min(bytes.size(), buffer.size()), buffer.begin());
    LoadRecord record;
    WalkLayout(family, FieldReader(buffer), record);
    return record;
}

std::vector<std::uint8_t> EncodeRecord(RecordFamily family, const LoadRecord& record) {
    std::vector<std::uint8_t> buffer(FamilySize(family), 0);
    WalkLayout(family, FieldWriter(buffer), record);
    return buffer;
}

} // namespace corvane
