#pragma once
// The range card window's choices turned into the card's request: the load (a catalog load of a
// section with ballistics, or one of the shooter's own), the rifle (a profile, or the section's
// sight height and the panel's zero), the conditions and the card's own settings, all in the
// units the program shows.
#include "ballistics/EngineInputsFromPanel.h"
#include "rifle/MyLoads.h"
#include "rifle/PrecisionCard.h"
#include "rifle/RangeCard.h"

#include <cstdint>
#include <optional>
#include <string>

namespace corvane {

struct CardLoad {
    std::string name; // as the card's title shows it, in Windows-1252 as all its texts
    CatalogTab section = CatalogTab::Rifle;
    std::optional<LoadRecord> catalog; // a catalog load of `section`, or
    std::optional<OwnLoad> own;        // one of the shooter's own; neither: no load chosen
    bool Chosen() const { return catalog.has_value() || own.has_value(); }
};

// A catalog load's name on the card: "V222P40, .222 Remington"; the load number alone when the
// caliber is not known.
std::string CatalogCardName(const LoadRecord& load, const std::string& caliber);

// Energy thresholds for game, ft-lbf.
inline constexpr double kDeerEnergyFtLbf = 1000;
inline constexpr double kElkEnergyFtLbf = 1500;

// The farthest a card reaches, yards or meters.
inline constexpr std::int32_t kMaxCardRange = 1000;

struct RangeCardChoices {
    // The conditions the card uses and the panel's increment, range and zero, as texts in the
    // shown units.
    PanelTexts panel;
    bool english = true;
    std::optional<RifleProfile> rifle;
    double sectionSightHeight = 1.5; // inches, used when no rifle is chosen
    std::int32_t start = 0;
    std::int32_t step = 100;
    std::int32_t maxRange = 1000;
    AdjustmentUnit unit = AdjustmentUnit::Moa;
    double click = 0.25;           // in `unit`
    double vitalZone = 6;          // inches or centimeters
    double energyThreshold = 1000; // ft-lbf or joules
    BallisticModel model = BallisticModel::Catalog;
    PrecisionConditions precision; // used under the precision model only
};

// 6 inches or 15 centimeters.
double DefaultVitalZone(bool english);

// One click of a common scope: 0.25 MOA or 0.1 mil.
double DefaultClick(AdjustmentUnit unit);

// The vital zone and an energy threshold of one unit system in the other (`toEnglish`), as the
// entries show them: a default zone becomes the other default, others go to 0.1 in or cm; the
// energy is whole ft-lbf or joules.
double VitalZoneInUnits(double shown, bool toEnglish);
double EnergyInUnits(double shown, bool toEnglish);

// An energy in ft-lbf in the shown unit (ft-lbf or joules), whole.
double ShownEnergy(double ftLbf, bool english);

// The zero: the rifle's (kept in yards, shown in meters when Metric, to the nearest meter), else
// the panel's.
std::int32_t CardZeroAt(const RangeCardChoices& choices);

// The sight height in inches: the rifle's, else the section's.
double CardSightHeight(const RangeCardChoices& choices);

RangeCardRequest MakeRangeCardRequest(const CardLoad& load, const RangeCardChoices& choices);

// What the precision model flies for the card's load: an own load's bullet, or a catalog
// load's G1 coefficient.
PrecisionBullet CardBullet(const CardLoad& load, const RangeCardRequest& request);

// The card of the chosen load under the chosen model; none without a load.
RangeCard BuildChosenCard(const CardLoad& load, const RangeCardChoices& choices);

} // namespace corvane
