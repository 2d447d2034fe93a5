#include "rifle/RangeCard.h"

#include "ballistics/EngineInputsFromPanel.h"
#include "common/UnitConversion.h"

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

bool Reached(const BallisticResults& results, int i) {
    const auto index = static_cast<std::size_t>(i);
    return i >= 0 && i <= results.RangeCount && results.Time[index] >= 0 &&
           results.Velocity[index] > 0;
}

// Where the straight line through two samples reaches `level`.
double Crossing(double x0, double y0, double x1, double y1, double level) {
    return y1 == y0 ? x1 : x0 + (level - y0) * (x1 - x0) / (y1 - y0);
}

// One flight to 1000 yards or meters in 10-unit samples, for the searches over the range.
constexpr std::int32_t kSearchIncrement = 100;
constexpr int kSearchPerIncrement = 10;
constexpr int kSearchPoints = kPointBlankSamples;

BallisticResults SearchFlight(EngineInputs inputs, bool english) {
    inputs.Increment = PanelFeet(kSearchIncrement, english);
    inputs.PointsPerIncrement = kSearchPerIncrement;
    inputs.RangeCount = kSearchPoints;
    if (!(inputs.ZeroRange > 0)) {
        inputs.ZeroRange = PanelYards(kSearchIncrement, english); // only the drops are used
    }
    return ComputeBallistics(inputs);
}

double SampleRange(int i) {
    return static_cast<double>(i) * kSearchIncrement / kSearchPerIncrement;
}
static_assert(kSearchIncrement / kSearchPerIncrement == kPointBlankSampleStep);

} // namespace

long ClicksFor(double adjustment, double click) {
    return std::lround(adjustment / click);
}

// The samples of a search flight the bullet reached, from the muzzle.
static int LastReached(const BallisticResults& flight) {
    int last = 0;
    while (last < kSearchPoints && Reached(flight, last + 1)) {
        ++last;
    }
    return last;
}

static std::vector<double> ReachedSamples(const BallisticResults& flight,
                                          const std::array<double, kTrajectoryCapacity>& values) {
    const auto end = values.begin() + LastReached(flight) + 1;
    return {values.begin(), end};
}

std::optional<PointBlank> PointBlankOfDrops(const std::vector<double>& drops, double sightHeight,
                                            double zoneInches, bool english) {
    if (drops.empty() || !(zoneInches > 0) || !std::isfinite(zoneInches)) {
        return std::nullopt;
    }
    const double half = zoneInches / 2;
    const int last = std::min(static_cast<int>(drops.size()) - 1, kSearchPoints);
    // The path for a bore angle of `alpha` MOA above the line of sight.
    const auto path = [&](double alpha, int i) {
        const double distanceFeet = SampleRange(i) * (english ? kFeetPerYard : kFeetPerMeter);
        return kMoaInchesPerFoot * distanceFeet * alpha - sightHeight -
               drops[static_cast<std::size_t>(i)];
    };
    const auto highest = [&](double alpha) {
        double top = path(alpha, 0);
        for (int i = 1; i <= last; ++i) {
            top = std::max(top, path(alpha, i));
        }
        return top;
    };
    // The longest reach has the top of the path just touching the zone's upper edge.
    double low = 0;
    double high = 1800; // 30 degrees
    if (highest(high) < half) {
        return std::nullopt;
    }
    for (int n = 0; n < 100 && high - low > 1e-9; ++n) {
        const double middle = (low + high) / 2;
        (highest(middle) > half ? high : low) = middle;
    }
    const double alpha = low;
    int peak = 0;
    for (int i = 1; i <= last; ++i) {
        peak = path(alpha, i) > path(alpha, peak) ? i : peak;
    }
    PointBlank result;
    bool zeroFound = false;
    for (int i = peak + 1; i <= last; ++i) {
        const double before = path(alpha, i - 1);
        const double after = path(alpha, i);
        if (!zeroFound && after <= 0 && before > 0) {
            result.zeroRange = Crossing(SampleRange(i - 1), before, SampleRange(i), after, 0);
            zeroFound = true;
        }
        if (after < -half) {
            result.range = Crossing(SampleRange(i - 1), before, SampleRange(i), after, -half);
            return zeroFound ? std::optional<PointBlank>(result) : std::nullopt;
        }
    }
    return std::nullopt; // still inside the zone where the search ends
}

std::optional<double> EnergyBelowOf(const std::vector<double>& energies, double thresholdFtLbf) {
    const int last = std::min(static_cast<int>(energies.size()) - 1, kSearchPoints);
    for (int i = 1; i <= last; ++i) {
        const double before = energies[static_cast<std::size_t>(i - 1)];
        const double after = energies[static_cast<std::size_t>(i)];
        if (after < thresholdFtLbf) {
            return before < thresholdFtLbf ? 0.0
                                           : Crossing(SampleRange(i - 1), before, SampleRange(i),
                                                      after, thresholdFtLbf);
        }
    }
    return std::nullopt;
}

// The maximum point-blank range of a search flight.
static std::optional<PointBlank> PointBlankOf(const BallisticResults& flight, double sightHeight,
                                              double zoneInches, bool english) {
    if (flight.Status == kStatusSkipped) {
        return std::nullopt;
    }
    return PointBlankOfDrops(ReachedSamples(flight, flight.Drop), sightHeight, zoneInches, english);
}

// Where the energy of a search flight first falls below `threshold` ft-lbf.
static std::optional<double> EnergyBelowOf(const BallisticResults& flight, double threshold) {
    if (flight.Status == kStatusSkipped) {
        return std::nullopt;
    }
    return EnergyBelowOf(ReachedSamples(flight, flight.Energy), threshold);
}

std::optional<double> EnergyFallsBelow(const EngineInputs& inputs, double thresholdFtLbf,
                                       bool english) {
    return EnergyBelowOf(SearchFlight(inputs, english), thresholdFtLbf);
}

std::optional<PointBlank> MaximumPointBlank(const EngineInputs& inputs, double zoneInches,
                                            bool english) {
    return PointBlankOf(SearchFlight(inputs, english), inputs.SightHeight, zoneInches, english);
}

RangeCardProblem RequestProblem(const RangeCardRequest& request) {
    if (request.step <= 0 || request.maxRange < 0 || !(request.click > 0)) {
        return RangeCardProblem::NoSteps;
    }
    return request.maxRange / request.step > kMaxCardRows ? RangeCardProblem::TooManyRows
                                                          : RangeCardProblem::None;
}

RangeCard BuildRangeCard(const RangeCardRequest& request) {
    RangeCard card;
    card.problem = RequestProblem(request);
    if (card.problem != RangeCardProblem::None) {
        return card;
    }
    const std::int32_t rowCount = request.maxRange / request.step;
    const bool english = request.english;
    // The points the engine records for `increment`: every row, and the zero's increment even
    // when it lies beyond the last row, in whole increments.
    const auto pointsFor = [&](std::int32_t increment, int perIncrement) {
        const std::int64_t zeroWhole =
            request.zeroAt > 0 ? (std::int64_t{request.zeroAt} + increment - 1) / increment : 0;
        const std::int64_t points = std::max<std::int64_t>(rowCount, zeroWhole * perIncrement);
        return (points + perIncrement - 1) / perIncrement * perIncrement;
    };
    // Stepping by the grid's increment keeps the grid's time step and zero; finer rows are
    // sampled in between, as long as the flight fits the engine's record.
    std::int32_t engineIncrement = request.step;
    int perIncrement = 1;
    if (request.gridIncrement >= request.step && request.gridIncrement % request.step == 0) {
        const int finer = request.gridIncrement / request.step;
        if (rowCount <= kMaxRangeCount / finer * finer) {
            engineIncrement = request.gridIncrement;
            perIncrement = finer;
        }
    }

    EngineInputs inputs = request.inputs;
    inputs.Increment = PanelFeet(engineIncrement, english);
    inputs.PointsPerIncrement = perIncrement;
    inputs.ZeroRange = PanelYards(request.zeroAt, english);
    inputs.Crosswind = request.holdWindMph;
    inputs.RangeCount = static_cast<std::int32_t>(std::min<std::int64_t>(
        pointsFor(engineIncrement, perIncrement), kMaxRangeCount / perIncrement * perIncrement));
    const BallisticResults results = ComputeBallistics(inputs);
    if (results.Status == kStatusSkipped) {
        card.problem = RangeCardProblem::LoadCannotFly;
        return card;
    }

    const double sightHeight = inputs.SightHeight;
    const bool zeroOnRow = request.zeroAt > 0 && request.zeroAt % request.step == 0 &&
                           Reached(results, request.zeroAt / request.step);
    // The bore angle of the zero as the report takes it: at its row when it has one.
    const bool zeroKnown = results.TrajectoryValid;
    const double zeroAngle =
        zeroOnRow
            ? BoreAngleMoa(results.Drop[static_cast<std::size_t>(request.zeroAt / request.step)],
                           sightHeight, request.zeroAt, english)
            : results.ZeroAngle;
    const double perMoa = request.unit == AdjustmentUnit::Mil ? kMilPerMoa : 1.0;
    const double length = english ? 1.0 : kCentimetersPerInch;
    const double speed = english ? 1.0 : kMetersPerSecondPerFootPerSecond;
    const double energy = english ? 1.0 : kJoulesPerFootPound;

    for (int i = 0; i <= rowCount; ++i) {
        if (std::int64_t{i} * request.step < request.start) {
            continue;
        }
        const auto index = static_cast<std::size_t>(i);
        RangeCardRow row;
        row.range = i * request.step;
        row.reached = Reached(results, i);
        if (row.reached) {
            row.path = results.Trajectory[index] * length;
            row.velocity = results.Velocity[index] * speed;
            row.energy = results.Energy[index] * energy;
            row.time = results.Time[index];
            if (i > 0 && zeroKnown) {
                const double distance = static_cast<double>(std::int64_t{i} * request.step);
                row.comeUp = (BoreAngleMoa(results.Drop[index], sightHeight, distance, english) -
                              zeroAngle) *
                             perMoa;
                row.clicks = ClicksFor(*row.comeUp, request.click);
                row.windHold = BoreAngleMoa(results.Drift[index], 0, distance, english) * perMoa;
                row.windClicks = ClicksFor(*row.windHold, request.click);
            }
        }
        card.rows.push_back(row);
    }

    // One flight to 1000 for both searches along the range.
    const BallisticResults far = SearchFlight(inputs, english);
    card.pointBlank = PointBlankOf(far, inputs.SightHeight, request.vitalZoneInches, english);
    card.energyBelowThreshold = EnergyBelowOf(far, request.energyThreshold);
    return card;
}

} // namespace corvane
