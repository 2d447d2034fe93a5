#include "rifle/RangeCardSetup.h"

#include "common/NumberText.h"
#include "common/TextUtil.h"
#include "common/UnitConversion.h"
#include "rifle/OwnLoadInputs.h"

namespace corvane {

std::string CatalogCardName(const LoadRecord& load, const std::string& caliber) {
    const std::string number = Trim(load.LoadNumber);
    const std::string name = Trim(caliber);
    return name.empty() ? number : number + ", " + name;
}

double DefaultVitalZone(bool english) {
    return english ? 6.0 : 15.0;
}

double DefaultClick(AdjustmentUnit unit) {
    return unit == AdjustmentUnit::Mil ? 0.1 : 0.25;
}

double VitalZoneInUnits(double shown, bool toEnglish) {
    if (shown == DefaultVitalZone(!toEnglish)) {
        return DefaultVitalZone(toEnglish);
    }
    const double converted = toEnglish ? CentimetersToInches(shown) : shown * kCentimetersPerInch;
    return static_cast<double>(RoundHalfEven(converted * 10)) / 10;
}

double EnergyInUnits(double shown, bool toEnglish) {
    return static_cast<double>(
        RoundHalfEven(toEnglish ? shown / kJoulesPerFootPound : shown * kJoulesPerFootPound));
}

double ShownEnergy(double ftLbf, bool english) {
    return english ? ftLbf : static_cast<double>(RoundHalfEven(ftLbf * kJoulesPerFootPound));
}

std::int32_t CardZeroAt(const RangeCardChoices& choices) {
    if (!choices.rifle) {
        return ReadPanelRanges(choices.panel).ZeroAt;
    }
    const double yards = choices.rifle->zeroRange;
    return static_cast<std::int32_t>(
        RoundHalfEven(choices.english ? yards : yards * kFeetPerYard / kFeetPerMeter));
}

double CardSightHeight(const RangeCardChoices& choices) {
    return choices.rifle ? choices.rifle->sightHeight : choices.sectionSightHeight;
}

RangeCardRequest MakeRangeCardRequest(const CardLoad& load, const RangeCardChoices& choices) {
    const bool english = choices.english;
    const double sightHeight = CardSightHeight(choices);
    RangeCardRequest request;
    request.english = english;
    if (load.own) {
        request.inputs = EngineInputsForOwnLoad(choices.panel, *load.own, english, sightHeight);
    } else {
        request.inputs = EngineInputsFromPanel(
            choices.panel, load.section, load.catalog.value_or(LoadRecord{}), english, sightHeight);
    }
    request.gridIncrement = ReadPanelRanges(choices.panel).Increment;
    request.start = choices.start;
    request.step = choices.step;
    request.maxRange = choices.maxRange;
    request.zeroAt = CardZeroAt(choices);
    request.unit = choices.unit;
    request.click = choices.click;
    request.holdWindMph = request.inputs.Crosswind;
    request.vitalZoneInches = english ? choices.vitalZone : CentimetersToInches(choices.vitalZone);
    request.energyThreshold =
        english ? choices.energyThreshold : choices.energyThreshold / kJoulesPerFootPound;
    return request;
}

PrecisionBullet CardBullet(const CardLoad& load, const RangeCardRequest& request) {
    return load.own ? PrecisionBulletOf(*load.own) : PrecisionBulletOf(request.inputs);
}

RangeCard BuildChosenCard(const CardLoad& load, const RangeCardChoices& choices) {
    if (!load.Chosen()) {
        return {};
    }
    const RangeCardRequest request = MakeRangeCardRequest(load, choices);
    return choices.model == BallisticModel::Precision
               ? BuildPrecisionCard(request, CardBullet(load, request), choices.precision)
               : BuildRangeCard(request);
}

} // namespace corvane
