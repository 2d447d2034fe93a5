#include "expert/ExpertChoices.h"

#include <array>
#include <utility>

namespace corvane {

namespace {

constexpr const char* kCompetitive = "Competitive shooting";
constexpr const char* kDefense = "Personal defense";
constexpr const char* kTarget = "Target shooting";

constexpr const char* kVarmints = "Varmints, predators, small game";
constexpr const char* kMedium = "Medium game";
constexpr const char* kLarge = "Large, heavy game";
constexpr const char* kDangerous = "Dangerous game";
constexpr const char* kPaper = "Paper";
constexpr const char* kAssailant = "Assailant";
constexpr const char* kMatch = "Match";
constexpr const char* kShotgunGame = "Small game, upland game, waterfowl";

constexpr std::array<std::pair<const char*, int>, 7> kFirearms{{
    {"Centerfire Handgun", kCenterfireHandgun},
    {"Centerfire Rifle", kCenterfireRifle},
    {"Rimfire Handgun", kRimfire},
    {"Rimfire Rifle", kRimfire},
    {"Shotgun with smooth bore barrel", kSmoothBoreShotgun},
    {"Shotgun with rifled barrel", kRifledBarrelShotgun},
    {"Shotgun with rifled choke tube", kRifledChokeShotgun},
}};

constexpr std::array<std::pair<const char*, int>, 8> kUsageCodes{{
    {kVarmints, 1},
    {kMedium, 2},
    {kLarge, 3},
    {kDangerous, 4},
    {kPaper, 5},
    {kAssailant, 6},
    {kMatch, kMatchUsageCode},
    {kShotgunGame, kGuideUsageCode},
}};

} // namespace

const std::vector<std::string>& FirearmTexts() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> result;
        for (const auto& [text, kind] : kFirearms) {
            result.emplace_back(text);
        }
        return result;
    }();
    return texts;
}

int FirearmKindOfItem(int item) {
    if (item < 0 || item >= static_cast<int>(kFirearms.size())) {
        return 0;
    }
    return kFirearms[static_cast<std::size_t>(item)].second;
}

std::vector<std::string> PurposesFor(int firearmKind) {
    switch (firearmKind) {
    case kCenterfireHandgun:
        return {kCompetitive, kHuntingPurpose, kDefense, kTarget};
    case kCenterfireRifle:
    case kRimfire:
        return {kCompetitive, kHuntingPurpose, kTarget};
    case kSmoothBoreShotgun:
        return {kCompetitive, kHuntingPurpose};
    case kRifledBarrelShotgun:
    case kRifledChokeShotgun:
        return {kHuntingPurpose};
    default:
        return {};
    }
}

std::vector<std::string> UsagesFor(const std::string& purpose, int firearmKind) {
    if (purpose == kCompetitive) {
        return {kMatch};
    }
    if (purpose == kDefense) {
        return {kAssailant};
    }
    if (purpose == kTarget) {
        return {kPaper};
    }
    if (purpose != kHuntingPurpose) {
        return {};
    }
    switch (firearmKind) {
    case kCenterfireRifle:
        return {kVarmints, kMedium, kLarge, kDangerous};
    case kCenterfireHandgun:
        return {kVarmints, kMedium};
    case kRimfire:
        return {kVarmints};
    case kSmoothBoreShotgun:
        return {kShotgunGame, kMedium};
    case kRifledBarrelShotgun:
    case kRifledChokeShotgun:
        return {kMedium};
    default:
        return {};
    }
}

int UsageCodeOf(const std::string& usageText) {
    for (const auto& [text, code] : kUsageCodes) {
        if (usageText == text) {
            return code;
        }
    }
    return kUnknownUsageCode;
}

int SearchTabFor(int firearmKind) {
    switch (firearmKind) {
    case kCenterfireRifle:
        return 0;
    case kCenterfireHandgun:
        return 1;
    case kRimfire:
        return 2;
    case kSmoothBoreShotgun:
    case kRifledBarrelShotgun:
    case kRifledChokeShotgun:
        return kShotgunSearchTab;
    default:
        return kNoSearchTab;
    }
}

} // namespace corvane
