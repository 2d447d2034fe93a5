#include "precision/PrecisionSolver.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

namespace corvane::precision {

namespace {

constexpr double kGravityFtPerS2 = 32.17405;
// (pi / 8) times the ICAO sea-level density (lb/ft^3) over 144 in^2/ft^2: the deceleration of a
// bullet of BC 1 in standard air is this times Cd(M) v^2.
constexpr double kDragScale = std::numbers::pi / 8 * kIcaoDensityLbPerCuFt / 144;
constexpr double kEarthRotationRadPerS = 7.2921159e-5;
constexpr double kRadiansPerMoa = std::numbers::pi / (180 * 60);
constexpr double kRadiansPerDegree = std::numbers::pi / 180;
constexpr double kFpsPerMph = 5280.0 / 3600.0;
constexpr double kGrainsPerPound = 7000;
// The ICAO troposphere's density exponent, g M / (R L) - 1, and its lapse per foot.
constexpr double kDensityExponent = 4.2558797;
constexpr double kLapseRankinePerFt = 0.00356616;
constexpr double kRankineOffset = 459.67;
// Flight ends when the bullet is this slow, after this long, or after this many steps.
constexpr double kStopSpeedFps = 50;
constexpr double kStopTimeS = 60;
constexpr int kStepBudget = 200000;
constexpr double kStepFeet = 30;
// At most this fraction of the drag's own time scale (v / deceleration) per step.
constexpr double kStepDragFraction = 0.3;

struct Vec {
    double X = 0;
    double Y = 0;
    double Z = 0;
};
Vec operator+(Vec a, Vec b) {
    return {a.X + b.X, a.Y + b.Y, a.Z + b.Z};
}
Vec operator-(Vec a, Vec b) {
    return {a.X - b.X, a.Y - b.Y, a.Z - b.Z};
}
Vec operator*(Vec a, double s) {
    return {a.X * s, a.Y * s, a.Z * s};
}
double Length(Vec a) {
    return std::sqrt(a.X * a.X + a.Y * a.Y + a.Z * a.Z);
}
Vec Cross(Vec a, Vec b) {
    return {a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z, a.X * b.Y - a.Y * b.X};
}

struct State {
    Vec Position; // feet, line-of-sight frame
    Vec Velocity; // ft/s
    double Time = 0;
};

// What stays the same through one flight.
struct Flight {
    DragFunction Drag = DragFunction::G1;
    double DragFactor = 0; // kDragScale * density ratio / BC, at the muzzle's height
    double SoundSpeed = 1;
    Vec Gravity;
    Vec Wind;
    bool Rotating = false;
    Vec TwiceOmega;
    // The earth's vertical in the line of sight's frame, and the standard lapse over the site's
    // absolute temperature: the air thins and cools as an inclined shot climbs.
    Vec Up{0, 1, 0};
    double LapsePerFoot = 0;

    // The drag's rate (1/s) at an air speed: deceleration over speed.
    double DragRate(double airSpeed, double densityFactor = 1, double soundFactor = 1) const {
        return DragFactor * densityFactor *
               DragCoefficient(Drag, airSpeed / (SoundSpeed * soundFactor)) * airSpeed;
    }

    Vec Acceleration(Vec position, Vec velocity) const {
        // Density goes with (1 - lapse h)^4.256 and the speed of sound with its square root;
        // taken to first order, within 0.3 % up to 3000 ft above the muzzle, and kept positive
        // for any height a lobbed shot may reach.
        const double climb = LapsePerFoot * (position.X * Up.X + position.Y * Up.Y);
        const double densityFactor = std::max(1 - kDensityExponent * climb, 0.05);
        const double soundFactor = std::max(1 - climb / 2, 0.5);
        const Vec air = velocity - Wind;
        Vec acceleration = Gravity - air * DragRate(Length(air), densityFactor, soundFactor);
        if (Rotating) {
            acceleration = acceleration - Cross(TwiceOmega, velocity);
        }
        return acceleration;
    }

    State Step(const State& s, double dt) const {
        const Vec p1 = s.Position;
        const Vec v1 = s.Velocity;
        const Vec a1 = Acceleration(p1, v1);
        const Vec p2 = p1 + v1 * (dt / 2);
        const Vec v2 = v1 + a1 * (dt / 2);
        const Vec a2 = Acceleration(p2, v2);
        const Vec p3 = p1 + v2 * (dt / 2);
        const Vec v3 = v1 + a2 * (dt / 2);
        const Vec a3 = Acceleration(p3, v3);
        const Vec p4 = p1 + v3 * dt;
        const Vec v4 = v1 + a3 * dt;
        const Vec a4 = Acceleration(p4, v4);
        State next;
        next.Position = p1 + (v1 + (v2 + v3) * 2 + v4) * (dt / 6);
        next.Velocity = v1 + (a1 + (a2 + a3) * 2 + a4) * (dt / 6);
        next.Time = s.Time + dt;
        return next;
    }
};

// Flies from `start` and calls `reached(i, state)` at each of the distances along the line of
// sight (feet, increasing). Returns how many were reached.
template <typename Reached>
std::size_t Fly(const Flight& flight, State s, const std::vector<double>& targets,
                Reached&& reached) {
    std::size_t next = 0;
    for (int steps = 0; next < targets.size(); ++steps) {
        const double speed = Length(s.Velocity);
        if (!(speed >= kStopSpeedFps) || s.Time > kStopTimeS || steps > kStepBudget) {
            break;
        }
        double dt = kStepFeet / speed;
        const double rate = flight.DragRate(Length(s.Velocity - flight.Wind));
        if (rate * dt > kStepDragFraction) {
            dt = kStepDragFraction / rate;
        }
        const double toGo = targets[next] - s.Position.X;
        if (s.Velocity.X > 0 && s.Velocity.X * dt >= toGo) {
            // Shorten the step to end on the target; two corrections make it exact.
            double h = toGo / s.Velocity.X;
            State end = flight.Step(s, h);
            for (int i = 0; i < 3 && end.Velocity.X > 0; ++i) {
                const double miss = targets[next] - end.Position.X;
                if (std::abs(miss) < 1e-9) {
                    break;
                }
                h += miss / end.Velocity.X;
                end = flight.Step(s, h);
            }
            s = end;
            reached(next, s);
            ++next;
        } else {
            s = flight.Step(s, dt);
        }
    }
    return next;
}

double MuzzleVelocity(const PrecisionInputs& in) {
    if (!in.PowderTemperatureF) {
        return in.MuzzleVelocityFps;
    }
    return in.MuzzleVelocityFps +
           in.PowderSensitivityFpsPerF * (*in.PowderTemperatureF - kPowderReferenceF);
}

State Muzzle(const PrecisionInputs& in, double boreRadians) {
    const double mv = MuzzleVelocity(in);
    State s;
    s.Position = {0, -in.SightHeightInches / 12, 0};
    s.Velocity = {mv * std::cos(boreRadians), mv * std::sin(boreRadians), 0};
    return s;
}

// The level, still flight the rifle is zeroed in.
Flight ZeroFlight(const PrecisionInputs& in, const Air& air) {
    Flight flight;
    flight.Drag = in.Drag;
    flight.DragFactor =
        kDragScale * air.DensityRatio / (in.BallisticCoefficient * IcaoBcFactor(in.BcReference));
    flight.SoundSpeed = air.SpeedOfSoundFps;
    flight.Gravity = {0, -kGravityFtPerS2, 0};
    flight.LapsePerFoot = kLapseRankinePerFt / (air.TemperatureF + kRankineOffset);
    return flight;
}

Flight ShotFlight(const PrecisionInputs& in, const Air& air) {
    Flight flight = ZeroFlight(in, air);
    // Vectors in the level frame (x downrange, y up, z right) turned into the line of sight's.
    const double incline = in.ShootingAngleDegrees * kRadiansPerDegree;
    const double cosIncline = std::cos(incline);
    const double sinIncline = std::sin(incline);
    const auto toSight = [&](Vec level) {
        return Vec{level.X * cosIncline + level.Y * sinIncline,
                   -level.X * sinIncline + level.Y * cosIncline, level.Z};
    };
    flight.Gravity = toSight({0, -kGravityFtPerS2, 0});
    flight.Up = toSight({0, 1, 0});
    const double windFrom = in.WindFromDegrees * kRadiansPerDegree;
    const double wind = in.WindMph * kFpsPerMph;
    flight.Wind = toSight({-wind * std::cos(windFrom), 0, -wind * std::sin(windFrom)});
    if (in.LatitudeDegrees) {
        const double latitude = *in.LatitudeDegrees * kRadiansPerDegree;
        const double azimuth = in.AzimuthDegrees * kRadiansPerDegree;
        const double omega = 2 * kEarthRotationRadPerS;
        // The earth's axis seen from the shooter: toward north and up, here in downrange, up
        // and right components.
        flight.Rotating = true;
        flight.TwiceOmega =
            toSight({omega * std::cos(latitude) * std::cos(azimuth), omega * std::sin(latitude),
                     -omega * std::cos(latitude) * std::sin(azimuth)});
    }
    return flight;
}

// The path at the zero range for a bore angle, or none when the bullet does not get there.
std::optional<double> PathAtZero(const PrecisionInputs& in, const Flight& flight, double bore) {
    std::optional<double> path;
    Fly(flight, Muzzle(in, bore), {in.ZeroRangeYards * 3},
        [&](std::size_t, const State& s) { path = s.Position.Y; });
    return path;
}

std::optional<double> ZeroAngle(const PrecisionInputs& in, const Air& air) {
    const Flight flight = ZeroFlight(in, air);
    const double zeroFeet = in.ZeroRangeYards * 3;
    constexpr double kTolerance = 1e-7; // feet
    // Below the line of sight at a level bore (the sight sits above the bore and gravity pulls
    // down); the crossing, if there is one, lies between that and 45 degrees.
    double low = 0;
    const std::optional<double> lowPath = PathAtZero(in, flight, low);
    if (!lowPath) {
        return std::nullopt;
    }
    if (*lowPath >= 0) {
        return low;
    }
    double high = std::numbers::pi / 4;
    // Secant steps from the low end (the path grows about linearly with the angle there),
    // bisection whenever a step leaves the bracket or the bullet falls short.
    double angle = low - *lowPath / zeroFeet;
    double previous = low;
    double previousPath = *lowPath;
    for (int i = 0; i < 200 && high - low > 1e-15; ++i) {
        if (!(angle > low && angle < high)) {
            angle = (low + high) / 2;
        }
        const std::optional<double> path = PathAtZero(in, flight, angle);
        if (!path) {
            high = angle; // too steep to get there within the flight's limits
            angle = (low + high) / 2;
            continue;
        }
        if (std::abs(*path) < kTolerance) {
            return angle;
        }
        (*path < 0 ? low : high) = angle;
        const double slope = (*path - previousPath) / (angle - previous);
        previous = angle;
        previousPath = *path;
        angle = slope > 0 ? angle - *path / slope : (low + high) / 2;
    }
    // The bracket closed without a crossing: the path jumps there (the bullet stops reaching the
    // zero range), which is no zero.
    const double last = (low + high) / 2;
    const std::optional<double> path = PathAtZero(in, flight, last);
    return path && std::abs(*path) < 1e-3 ? std::optional<double>(last) : std::nullopt;
}

double SpinDriftInches(const PrecisionInputs& in, const Air& air, double time) {
    if (!in.TwistInches) {
        return 0;
    }
    const double drift = 1.25 * (MillerStability(in, air) + 1.2) * std::pow(time, 1.83);
    return *in.TwistInches > 0 ? drift : -drift;
}

bool Within(double value, const InputLimit& limit) {
    return std::isfinite(value) && value >= limit.Low && value <= limit.High;
}

} // namespace

std::optional<InputProblem> CheckLimit(double value, const InputLimit& limit) {
    if (Within(value, limit)) {
        return std::nullopt;
    }
    const auto text = [](double number) {
        std::string s = std::to_string(number);
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.') {
            s.pop_back();
        }
        return s;
    };
    return InputProblem{limit.Option, std::string(limit.Option) + " must be from " +
                                          text(limit.Low) + " to " + text(limit.High)};
}

double ClockToDegrees(double hours) {
    return std::fmod(hours * 30, 360);
}

double MillerStability(const PrecisionInputs& in, const Air& air) {
    const double diameter = in.BulletDiameterInches;
    const double twistCalibers = std::abs(in.TwistInches.value_or(0)) / diameter;
    const double lengthCalibers = in.BulletLengthInches / diameter;
    const double sg = 30 * in.BulletWeightGrains /
                      (twistCalibers * twistCalibers * diameter * diameter * diameter *
                       lengthCalibers * (1 + lengthCalibers * lengthCalibers));
    // Miller's corrections from 2800 ft/s and the 59 F, 29.92 inHg his rule is stated for.
    return sg * std::cbrt(MuzzleVelocity(in) / 2800) * (air.TemperatureF + 460) / (59 + 460) *
           29.92 / air.PressureInHg;
}

std::optional<InputProblem> CheckInputs(const PrecisionInputs& in,
                                        const std::vector<double>& rangesYards) {
    const std::pair<double, const InputLimit*> checks[] = {
        {in.BallisticCoefficient, &kBcLimit},       {in.MuzzleVelocityFps, &kVelocityLimit},
        {in.BulletWeightGrains, &kWeightLimit},     {in.SightHeightInches, &kSightHeightLimit},
        {in.ZeroRangeYards, &kZeroLimit},           {in.Site.AltitudeFt, &kAltitudeLimit},
        {in.Site.HumidityPercent, &kHumidityLimit}, {in.WindMph, &kWindLimit},
        {in.WindFromDegrees, &kWindDirectionLimit}, {in.ShootingAngleDegrees, &kAngleLimit},
        {in.AzimuthDegrees, &kAzimuthLimit},
    };
    for (const auto& [value, limit] : checks) {
        if (auto problem = CheckLimit(value, *limit)) {
            return problem;
        }
    }
    const std::pair<const std::optional<double>*, const InputLimit*> optionals[] = {
        {&in.BoreAngleMoa, &kBoreAngleLimit},
        {&in.Site.StationPressureInHg, &kPressureLimit},
        {&in.Site.TemperatureF, &kTemperatureLimit},
        {&in.LatitudeDegrees, &kLatitudeLimit},
        {&in.PowderTemperatureF, &kPowderTemperatureLimit},
    };
    for (const auto& [value, limit] : optionals) {
        if (*value) {
            if (auto problem = CheckLimit(**value, *limit)) {
                return problem;
            }
        }
    }
    if (in.PowderTemperatureF) {
        if (auto problem = CheckLimit(in.PowderSensitivityFpsPerF, kPowderSensitivityLimit)) {
            return problem;
        }
        if (!Within(MuzzleVelocity(in), kVelocityLimit)) {
            return InputProblem{kPowderSensitivityLimit.Option,
                                "the powder temperature takes the muzzle velocity out of range"};
        }
    }
    if (in.TwistInches) {
        if (auto problem = CheckLimit(std::abs(*in.TwistInches), kTwistLimit)) {
            return problem;
        }
        if (auto problem = CheckLimit(in.BulletDiameterInches, kDiameterLimit)) {
            return problem;
        }
        if (auto problem = CheckLimit(in.BulletLengthInches, kLengthLimit)) {
            return problem;
        }
    }
    if (rangesYards.size() > kMaxRanges) {
        return InputProblem{kRangeLimit.Option,
                            "at most " + std::to_string(kMaxRanges) + " ranges at a time"};
    }
    for (const double range : rangesYards) {
        if (auto problem = CheckLimit(range, kRangeLimit)) {
            return problem;
        }
    }
    return std::nullopt;
}

PrecisionSolution SolvePrecision(const PrecisionInputs& in,
                                 const std::vector<double>& rangesYards) {
    PrecisionSolution solution;
    solution.Problem = CheckInputs(in, rangesYards);
    if (solution.Problem) {
        return solution;
    }
    const Air air = AirAt(in.Site);
    solution.Conditions = air;
    double bore = 0;
    if (in.BoreAngleMoa) {
        bore = *in.BoreAngleMoa * kRadiansPerMoa;
    } else if (const std::optional<double> zero = ZeroAngle(in, air)) {
        bore = *zero;
    } else {
        solution.Status = SolveStatus::ZeroOutOfReach;
        return solution;
    }
    solution.ZeroAngleMoa = bore / kRadiansPerMoa;

    // Flown once, in increasing order of range; the points go back in the order asked.
    std::vector<std::size_t> order(rangesYards.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return rangesYards[a] < rangesYards[b]; });
    std::vector<double> targets;
    targets.reserve(order.size());
    for (const std::size_t index : order) {
        targets.push_back(rangesYards[index] * 3);
    }
    std::vector<std::optional<PrecisionPoint>> points(rangesYards.size());
    const double weight = in.BulletWeightGrains;
    const std::size_t reached =
        Fly(ShotFlight(in, air), Muzzle(in, bore), targets, [&](std::size_t i, const State& s) {
            PrecisionPoint point;
            point.RangeYards = rangesYards[order[i]];
            point.VelocityFps = Length(s.Velocity);
            point.EnergyFtLb = weight / kGrainsPerPound * point.VelocityFps * point.VelocityFps /
                               (2 * kGravityFtPerS2);
            point.TimeS = s.Time;
            point.PathInches = s.Position.Y * 12;
            point.WindageInches = s.Position.Z * 12 + SpinDriftInches(in, air, s.Time);
            point.ComeUpMoa =
                targets[i] > 0 ? -std::atan2(s.Position.Y, targets[i]) / kRadiansPerMoa : 0;
            points[order[i]] = point;
        });
    for (const std::optional<PrecisionPoint>& point : points) {
        if (point) {
            solution.Points.push_back(*point);
        }
    }
    solution.Status = reached == targets.size() ? SolveStatus::Complete : SolveStatus::FellShort;
    return solution;
}

} // namespace corvane::precision
