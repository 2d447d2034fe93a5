#pragma once
// The wizard's fixed choices: firearms, purposes per firearm, usages per purpose and the usage
// codes, which are the usage IDs of the loads' usage flags.
#include <string>
#include <vector>

namespace corvane {

// What the chosen firearm is; it decides the purposes, usages and sections searched.
enum FirearmKind : int {
    kCenterfireRifle = 1,
    kCenterfireHandgun = 2,
    kRimfire = 3,
    kSmoothBoreShotgun = 4,
    kRifledBarrelShotgun = 5,
    kRifledChokeShotgun = 6,
};

// The section searched: 0 rifle, 1 handgun, 2 rimfire, 3 slug and shotshell together.
inline constexpr int kNoSearchTab = -1;
inline constexpr int kShotgunSearchTab = 3;

// Usage code of the shotgun guide's "Small game, upland game, waterfowl"; -1 for a text that
// is no usage.
inline constexpr int kGuideUsageCode = 0;
inline constexpr int kMatchUsageCode = 7;
inline constexpr int kUnknownUsageCode = -1;

inline constexpr const char* kHuntingPurpose = "Hunting";
// Firearm item selected when the wizard is (re)started: "Centerfire Rifle".
inline constexpr int kDefaultFirearmItem = 1;

// The seven firearm texts in list order.
const std::vector<std::string>& FirearmTexts();
// Kind of the firearm list item; 0 for an item outside the list.
int FirearmKindOfItem(int item);

// Purposes offered for the firearm kind, in list order ("Hunting" is the default).
std::vector<std::string> PurposesFor(int firearmKind);
// Usages offered for the purpose and firearm kind, in list order (the first is selected).
std::vector<std::string> UsagesFor(const std::string& purpose, int firearmKind);
// Usage code of a usage text; kUnknownUsageCode for any other text.
int UsageCodeOf(const std::string& usageText);

// Section searched for the firearm kind; kNoSearchTab for an unknown kind.
int SearchTabFor(int firearmKind);
// True for the three shotguns, whose lists show gauges and slug or shot weights.
inline bool IsShotgunKind(int firearmKind) {
    return firearmKind >= kSmoothBoreShotgun;
}

} // namespace corvane
