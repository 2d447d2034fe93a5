#include "rifle/PrecisionCard.h"

#include "common/NumberText.h"
#include "common/UnitConversion.h"

#include <algorithm>
#include <cmath>

namespace corvane {

using precision::DragFunction;
using precision::PrecisionInputs;
using precision::PrecisionPoint;
using precision::PrecisionSolution;
using precision::SolveStatus;

namespace {

// The points of one flight in the order asked (only those reached) and whether the path is
// against a zeroed bore: a zero the bullet cannot reach leaves the bore level to the line of
// sight, so that velocity, energy and time are still known.
struct Flown {
    bool usable = false;
    bool zeroed = false;
    std::vector<PrecisionPoint> points;
};

Flown Fly(PrecisionInputs inputs, const std::vector<double>& rangesYards) {
    if (!inputs.BoreAngleMoa && inputs.ZeroRangeYards < precision::kZeroLimit.Low) {
        inputs.BoreAngleMoa = 0.0;
    }
    PrecisionSolution solution = precision::SolvePrecision(inputs, rangesYards);
    const bool zeroed = !inputs.BoreAngleMoa && solution.Status != SolveStatus::ZeroOutOfReach;
    if (solution.Status == SolveStatus::ZeroOutOfReach) {
        inputs.BoreAngleMoa = 0.0;
        solution = precision::SolvePrecision(inputs, rangesYards);
    }
    Flown flown;
    flown.usable = solution.Status == SolveStatus::Complete ||
                   (solution.Status == SolveStatus::FellShort && !solution.Points.empty());
    flown.zeroed = zeroed;
    flown.points = std::move(solution.Points);
    return flown;
}

double ShownYards(double units, bool english) {
    return english ? units : units * kYardsPerMeter;
}

} // namespace

std::string ModelLine(BallisticModel model) {
    return model == BallisticModel::Precision ? "Model: Precision" : "Model: Catalog standard";
}

PrecisionBullet PrecisionBulletOf(const OwnLoad& load) {
    PrecisionBullet bullet;
    if (load.g7Coefficient) {
        bullet.drag = DragFunction::G7;
        bullet.coefficient = *load.g7Coefficient;
    } else {
        bullet.coefficient = load.ballisticCoefficient;
    }
    bullet.twist = load.twist;
    bullet.diameter = load.bulletDiameter;
    bullet.length = load.bulletLength;
    bullet.powderSensitivity = load.powderSensitivity.value_or(0);
    return bullet;
}

PrecisionBullet PrecisionBulletOf(const EngineInputs& inputs) {
    PrecisionBullet bullet;
    bullet.coefficient = inputs.BallisticCoefficient;
    return bullet;
}

std::string DragText(const PrecisionBullet& bullet) {
    return std::string(bullet.drag == DragFunction::G7 ? "G7" : "G1") + ", BC " +
           FormatFixed(bullet.coefficient, 3) + " (ICAO)";
}

PrecisionInputs MakePrecisionInputs(const EngineInputs& inputs, const PrecisionBullet& bullet,
                                    const PrecisionConditions& conditions) {
    PrecisionInputs p;
    p.Drag = bullet.drag;
    p.BallisticCoefficient = bullet.coefficient;
    p.MuzzleVelocityFps = inputs.MuzzleVelocity;
    p.BulletWeightGrains = inputs.BulletWeight;
    if (bullet.twist && bullet.diameter && bullet.length) {
        p.TwistInches = bullet.twist;
        p.BulletDiameterInches = *bullet.diameter;
        p.BulletLengthInches = *bullet.length;
    }
    p.SightHeightInches = inputs.SightHeight;
    p.ZeroRangeYards = inputs.ZeroRange;
    p.Site.AltitudeFt = inputs.Altitude;
    p.Site.TemperatureF = inputs.Temperature;
    p.Site.StationPressureInHg = conditions.stationPressureInHg;
    p.Site.HumidityPercent = conditions.humidityPercent;
    p.WindMph = inputs.Crosswind;
    p.WindFromDegrees = precision::ClockToDegrees(conditions.windClockHours);
    p.ShootingAngleDegrees = conditions.shootingAngleDegrees;
    p.LatitudeDegrees = conditions.latitudeDegrees;
    p.AzimuthDegrees = conditions.azimuthDegrees;
    if (bullet.powderSensitivity != 0) {
        p.PowderTemperatureF = conditions.powderTemperatureF.value_or(inputs.Temperature);
        p.PowderSensitivityFpsPerF = bullet.powderSensitivity;
    }
    return p;
}

PrecisionMarks PrecisionSearch(const EngineInputs& inputs, double zoneInches, double thresholdFtLbf,
                               bool english, const PrecisionBullet& bullet,
                               const PrecisionConditions& conditions) {
    PrecisionInputs p = MakePrecisionInputs(inputs, bullet, conditions);
    p.BoreAngleMoa = 0.0;
    std::vector<double> ranges;
    for (int i = 0; i <= kPointBlankSamples; ++i) {
        ranges.push_back(ShownYards(i * kPointBlankSampleStep, english));
    }
    const Flown flight = Fly(p, ranges);
    if (!flight.usable) {
        return {};
    }
    std::vector<double> drops;
    std::vector<double> energies;
    for (const PrecisionPoint& point : flight.points) {
        drops.push_back(-point.PathInches - p.SightHeightInches);
        energies.push_back(point.EnergyFtLb);
    }
    return {PointBlankOfDrops(drops, p.SightHeightInches, zoneInches, english),
            EnergyBelowOf(energies, thresholdFtLbf)};
}

RangeCard BuildPrecisionCard(const RangeCardRequest& request, const PrecisionBullet& bullet,
                             const PrecisionConditions& conditions) {
    RangeCard card;
    card.problem = RequestProblem(request);
    if (card.problem != RangeCardProblem::None) {
        return card;
    }
    const std::int32_t rowCount = request.maxRange / request.step;
    const bool english = request.english;
    EngineInputs inputs = request.inputs;
    inputs.ZeroRange = PanelYards(request.zeroAt, english);
    inputs.Crosswind = request.holdWindMph;
    std::vector<std::int32_t> shown;
    std::vector<double> ranges;
    for (std::int32_t i = 0; i <= rowCount; ++i) {
        if (std::int64_t{i} * request.step >= request.start) {
            shown.push_back(i * request.step);
            ranges.push_back(PanelYards(i * request.step, english));
        }
    }
    const Flown flight = Fly(MakePrecisionInputs(inputs, bullet, conditions), ranges);
    if (!flight.usable) {
        card.problem = RangeCardProblem::LoadCannotFly;
        return card;
    }
    if (!flight.zeroed) {
        card.problem = RangeCardProblem::ZeroOutOfReach;
        return card;
    }
    const double perMoa = request.unit == AdjustmentUnit::Mil ? kMilPerMoa : 1.0;
    const double length = english ? 1.0 : kCentimetersPerInch;
    const double speed = english ? 1.0 : kMetersPerSecondPerFootPerSecond;
    const double energy = english ? 1.0 : kJoulesPerFootPound;
    for (std::size_t n = 0; n < shown.size(); ++n) {
        RangeCardRow row;
        row.range = shown[n];
        row.reached = n < flight.points.size();
        if (row.reached) {
            const PrecisionPoint& point = flight.points[n];
            row.path = point.PathInches * length;
            row.velocity = point.VelocityFps * speed;
            row.energy = point.EnergyFtLb * energy;
            row.time = point.TimeS;
            if (row.range > 0) {
                row.comeUp = point.ComeUpMoa * perMoa;
                row.clicks = ClicksFor(*row.comeUp, request.click);
                row.windHold = BoreAngleMoa(-point.WindageInches, 0, row.range, english) * perMoa;
                row.windClicks = ClicksFor(*row.windHold, request.click);
            }
        }
        card.rows.push_back(row);
    }
    const PrecisionMarks marks = PrecisionSearch(
        inputs, request.vitalZoneInches, request.energyThreshold, english, bullet, conditions);
    card.pointBlank = marks.pointBlank;
    card.energyBelowThreshold = marks.energyBelow;
    return card;
}

FineTrajectory SamplePrecisionTrajectory(const EngineInputs& tableInputs, const PanelRanges& ranges,
                                         bool english, const PrecisionBullet& bullet,
                                         const PrecisionConditions& conditions) {
    FineTrajectory fine;
    const int rangeCount = std::clamp(tableInputs.RangeCount, 0, kMaxRangeCount);
    fine.PerIncrement = SamplesPerIncrement(ranges.Increment, rangeCount);
    fine.Step = static_cast<double>(ranges.Increment) / fine.PerIncrement;
    fine.ZeroRange = ranges.ZeroAt;
    std::vector<double> shown;
    std::vector<double> yards;
    for (int i = 0; i <= rangeCount * fine.PerIncrement; ++i) {
        const int whole = i / fine.PerIncrement;
        const int part = i % fine.PerIncrement;
        shown.push_back(static_cast<double>(whole) * ranges.Increment + part * fine.Step);
        yards.push_back(ShownYards(shown.back(), english));
    }
    const Flown flight = Fly(MakePrecisionInputs(tableInputs, bullet, conditions), yards);
    if (!flight.usable) {
        return fine;
    }
    fine.TrajectoryValid = flight.zeroed;
    const double speed = english ? 1.0 : kMetersPerSecondPerFootPerSecond;
    const double energy = english ? 1.0 : kJoulesPerFootPound;
    const double length = english ? 1.0 : kCentimetersPerInch;
    for (std::size_t n = 0; n < flight.points.size(); ++n) {
        const PrecisionPoint& point = flight.points[n];
        TrajectorySample sample;
        sample.Range = shown[n];
        sample.Velocity = point.VelocityFps * speed;
        sample.Energy = point.EnergyFtLb * energy;
        sample.Drift = -point.WindageInches * length;
        sample.Trajectory = point.PathInches * length;
        fine.Samples.push_back(sample);
    }
    return fine;
}

BallisticResults PrecisionTablePoints(const EngineInputs& tableInputs,
                                      const PrecisionBullet& bullet,
                                      const PrecisionConditions& conditions) {
    BallisticResults results;
    results.Status = kStatusSkipped;
    const int rangeCount = std::clamp(tableInputs.RangeCount, 0, kMaxRangeCount);
    std::vector<double> yards;
    for (int i = 0; i <= rangeCount; ++i) {
        yards.push_back(i * tableInputs.Increment / kFeetPerYard);
    }
    const Flown flight = Fly(MakePrecisionInputs(tableInputs, bullet, conditions), yards);
    if (!flight.usable) {
        return results;
    }
    results.RangeCount = static_cast<int>(flight.points.size()) - 1;
    results.Status = results.RangeCount == rangeCount ? kStatusComplete : kStatusCutOff;
    results.TrajectoryValid = flight.zeroed;
    for (std::size_t n = 0; n < flight.points.size(); ++n) {
        const PrecisionPoint& point = flight.points[n];
        results.Velocity[n] = point.VelocityFps;
        results.Time[n] = point.TimeS;
        results.Energy[n] = point.EnergyFtLb;
        results.Drift[n] = -point.WindageInches;
        results.Trajectory[n] = point.PathInches;
    }
    return results;
}

PrecisionBullet BulletAt(const std::vector<PrecisionBullet>& bullets, std::size_t n,
                         const EngineInputs& inputs) {
    return n < bullets.size() ? bullets[n] : PrecisionBulletOf(inputs);
}

std::vector<ComparedLoad> WithPrecisionResults(std::vector<ComparedLoad> loads,
                                               const std::vector<PrecisionBullet>& bullets,
                                               const PrecisionConditions& conditions) {
    for (std::size_t n = 0; n < loads.size(); ++n) {
        loads[n].Results = PrecisionTablePoints(loads[n].Inputs,
                                                BulletAt(bullets, n, loads[n].Inputs), conditions);
    }
    return loads;
}

} // namespace corvane
