#include "catalog/ShotSizes.h"

#include "catalog/TextFile.h"
#include "common/NumberText.h"
#include "common/TextUtil.h"

namespace corvane {

const std::array<ShotSizeInfo, kShotSizeEntries> ShotSizeTable{{
    {"F", 0.220f, PelletsPerOunce{0, 40, 30}},
    {"T", 0.200f, PelletsPerOunce{0, 52, 39}},
    {"BBB", 0.190f, PelletsPerOunce{43, 62, 46}},
    {"BB", 0.180f, PelletsPerOunce{50, 72, 54}},
    {"1", 0.160f, PelletsPerOunce{71, 103, 77}},
    {"2", 0.150f, PelletsPerOunce{87, 125, 92}},
    {"3", 0.140f, PelletsPerOunce{107, 158, 116}},
    {"4", 0.130f, PelletsPerOunce{135, 192, 140}},
    {"5", 0.120f, PelletsPerOunce{170, 243, 177}},
    {"6", 0.110f, PelletsPerOunce{225, 315, 230}},
    {"7", 0.100f, PelletsPerOunce{299, 422, 0}},
    {"7.5", 0.095f, PelletsPerOunce{350, 492, 0}},
    {"8", 0.090f, PelletsPerOunce{410, 0, 0}},
    {"8.5", 0.085f, PelletsPerOunce{497, 0, 0}},
    {"9", 0.080f, PelletsPerOunce{585, 0, 0}},
    {"12", 0.050f, PelletsPerOunce{0, 0, 0}},
    {"000", 0.360f, std::nullopt},
    {"00", 0.330f, std::nullopt},
    {"0", 0.320f, std::nullopt},
    {"1", 0.300f, std::nullopt},
    {"2", 0.270f, std::nullopt},
    {"3", 0.250f, std::nullopt},
    {"4", 0.240f, std::nullopt},
    {"blank", 0.000f, std::nullopt},
}};

const ShotSizeInfo* ShotSizeEntryInfo(int entry) {
    if (entry < 0 || entry >= kShotSizeEntries) {
        return nullptr;
    }
    return &ShotSizeTable[static_cast<std::size_t>(entry)];
}

ReadResult<std::vector<int>> ReadShotSizeIndex(const std::filesystem::path& dataDir, int neededId) {
    const std::filesystem::path file = dataDir / "t4indx.lst";
    const auto lines = ReadTextLines(file);
    if (!lines) {
        return lines.Error();
    }
    std::vector<int> index;
    for (const std::string& line : lines.Value()) {
        index.push_back(ParseIntDef(Trim(line), 0));
    }
    if (neededId > static_cast<int>(index.size())) {
        return ReadError{ReadError::Kind::MissingEntry, file,
                         "no line for shot size " + std::to_string(neededId)};
    }
    return index;
}

std::optional<int> ShotSizeEntryOf(const std::vector<int>& index, int shotSizeId) {
    if (shotSizeId < 1 || shotSizeId > static_cast<int>(index.size())) {
        return std::nullopt;
    }
    const int entry = index[static_cast<std::size_t>(shotSizeId - 1)];
    if (ShotSizeEntryInfo(entry) == nullptr) {
        return std::nullopt;
    }
    return entry;
}

} // namespace corvane
