#pragma once
// A range card for one load and rifle: for each range, the path against the line of sight, the
// sight adjustment from the zero (come-up) and the wind hold in MOA or mil and in clicks, the
// velocity, energy and time of flight; with the maximum point-blank range for a vital zone and
// the range where the energy falls below a threshold. Computed by the catalog's engine, stepping
// by the grid's increment, so that at the grid's range points the card shows the grid's numbers.
#include "ballistics/BallisticEngine.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace corvane {

enum class AdjustmentUnit { Moa, Mil };

inline constexpr double kMilPerMoa = 0.2908882;

struct RangeCardRequest {
    // The load, the conditions, the rifle's sight height and zero, as EngineInputsFromPanel
    // makes them (English units; RangeCount, Increment and Crosswind are set by the card).
    EngineInputs inputs;
    bool english = true;            // ranges in yards or meters, path in inches or centimeters
    std::int32_t gridIncrement = 0; // the panel's increment; the engine steps by it when
                                    // `step` divides it, else by `step`
    std::int32_t step = 100;        // between the card's rows
    std::int32_t start = 0;         // rows before this range are left out
    std::int32_t maxRange = 1000;   // the last row
    std::int32_t zeroAt = 100;      // the rifle's zero, yards or meters (sets inputs.ZeroRange)
    AdjustmentUnit unit = AdjustmentUnit::Moa;
    double click = 0.25;           // one click of the scope, in `unit`
    double holdWindMph = 10;       // the full-value wind of the wind hold column
    double vitalZoneInches = 6;    // the point-blank zone's diameter
    double energyThreshold = 1000; // ft-lbf
};

struct RangeCardRow {
    std::int32_t range = 0; // yards or meters
    bool reached = false;   // false beyond the engine's cut-off: no numbers
    double path = 0;        // inches or centimeters above the line of sight
    // Sight adjustments in the request's unit; none at the muzzle or without a valid zero.
    std::optional<double> comeUp;
    std::optional<long> clicks;
    std::optional<double> windHold;
    std::optional<long> windClicks;
    double velocity = 0; // ft/s or m/s
    double energy = 0;   // ft-lbf or joules
    double time = 0;     // s
};

struct PointBlank {
    double range = 0;     // yards or meters: the path stays within half the zone up to here
    double zeroRange = 0; // the zero that gives it
};

// Why a card has no rows.
enum class RangeCardProblem { None, NoSteps, TooManyRows, LoadCannotFly, ZeroOutOfReach };

struct RangeCard {
    RangeCardProblem problem = RangeCardProblem::None;
    std::vector<RangeCardRow> rows; // from the first step at or past `start` to maxRange
    std::optional<PointBlank> pointBlank;
    std::optional<double> energyBelowThreshold; // yards or meters, none within 1000
};

// At most this many rows after the muzzle, as many as the engine records in one flight (rows
// left out before `start` count too: the flight still steps from the muzzle).
inline constexpr std::int32_t kMaxCardRows = kMaxRangeCount;

// What keeps a card of `request` from having rows, under either model: no step or click, or
// more rows than a card holds; None when it can be built.
RangeCardProblem RequestProblem(const RangeCardRequest& request);

RangeCard BuildRangeCard(const RangeCardRequest& request);

// The whole number of clicks nearest to `adjustment` (halves away from zero).
long ClicksFor(double adjustment, double click);

// The farthest range at which the path of the load stays within +-zone/2 of the line of sight
// from where it first enters the zone, over every zero; none when no zero keeps the path inside
// at all. `inputs` as for the card (RangeCount, Increment and the zero are set here).
std::optional<PointBlank> MaximumPointBlank(const EngineInputs& inputs, double zoneInches,
                                            bool english);

// The range (yards or meters) where the load's energy first falls below `thresholdFtLbf`; none
// within 1000. `inputs` as for MaximumPointBlank.
std::optional<double> EnergyFallsBelow(const EngineInputs& inputs, double thresholdFtLbf,
                                       bool english);

// The searches along one flight, whichever model flew it: samples every kPointBlankSampleStep
// yards or meters from the muzzle to 1000 (fewer when the bullet stopped before), drops in
// inches below the bore line, energies in ft-lbf. The point-blank range comes from a bore
// raised by whole angles above these drops, so the one flight serves every zero.
inline constexpr double kPointBlankSampleStep = 10;
inline constexpr int kPointBlankSamples = 100;
std::optional<PointBlank> PointBlankOfDrops(const std::vector<double>& drops, double sightHeight,
                                            double zoneInches, bool english);
std::optional<double> EnergyBelowOf(const std::vector<double>& energies, double thresholdFtLbf);

} // namespace corvane
