#include "ballistics/BallisticEngine.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace corvane {

namespace {

// The standard drag function, stored exactly as its five-decimal single-precision values.
constexpr std::array<float, kDragTableSize> kDragTable = {
    0.00512f, 0.00512f, 0.00749f, 0.00973f, 0.01185f, 0.01386f, 0.01577f, 0.01760f, 0.01938f,
    0.02114f, 0.02295f, 0.02486f, 0.02698f, 0.02942f, 0.03236f, 0.03605f, 0.04088f, 0.04732f,
    0.05613f, 0.06819f, 0.08394f, 0.10250f, 0.12145f, 0.13867f, 0.15353f, 0.16623f, 0.17723f,
    0.18696f, 0.19554f, 0.20334f, 0.21039f, 0.21692f, 0.22287f, 0.22846f, 0.23361f, 0.23845f,
    0.24300f, 0.24729f, 0.25138f, 0.25529f, 0.25907f, 0.26272f, 0.26630f, 0.26968f, 0.27299f,
    0.27626f, 0.27959f, 0.28285f, 0.28612f, 0.28938f, 0.29263f, 0.29592f, 0.29931f, 0.30268f,
    0.30615f, 0.30967f, 0.31321f, 0.31678f, 0.32043f, 0.32419f, 0.32808f, 0.33200f, 0.33591f,
    0.33989f, 0.34408f, 0.34819f, 0.35248f, 0.35679f, 0.36124f, 0.36567f, 0.37019f, 0.37481f,
    0.37940f, 0.38406f, 0.38880f, 0.39349f, 0.39824f, 0.40295f, 0.40762f, 0.41240f, 0.41722f,
    0.42207f, 0.42696f, 0.43188f, 0.43680f, 0.44172f, 0.44667f, 0.45162f, 0.45655f, 0.46146f,
    0.46638f, 0.47134f, 0.47636f, 0.48136f, 0.48641f, 0.49143f, 0.49647f, 0.50151f, 0.50655f,
    0.51156f, 0.51660f, 0.52166f, 0.52672f, 0.53178f, 0.53684f, 0.54193f, 0.54698f, 0.55204f,
    0.55712f, 0.56218f, 0.56723f, 0.57228f, 0.57736f, 0.58241f, 0.58755f, 0.59272f, 0.59789f,
    0.60306f, 0.60830f, 0.61350f, 0.61350f,
};

constexpr int kLastInterval = kDragTableSize - 1; // look-ups use A[j], B[j] for j = 0..120
constexpr double kGravity = 32.1741;              // ft/s^2
constexpr double kMoaInchesPerFoot = 0.00349066;  // rise per foot of distance for one MOA
constexpr double kMaxZeroAngle = 1800;            // 30 degrees, in MOA
constexpr double kRefineStep = 0.0001;            // MOA

// Far beyond any real flight (12 points of 200 m at the coarsest step stay under 2e4 steps);
// only inputs that can never reach the next range point get here.
constexpr std::int64_t kMaxSteps = 200000;
constexpr double kMaxDrop = 750000; // inches
// The exact-point refinement needs a handful of steps for a real load.
constexpr std::int64_t kMaxRefineSteps = 1000000;

int ClampedRangeCount(int rangeCount) {
    return std::clamp(rangeCount, 0, kMaxRangeCount);
}

int PointsPerIncrement(const EngineInputs& inputs) {
    return std::clamp(inputs.PointsPerIncrement, 1, kMaxRangeCount);
}

// Distance of point i in feet. A whole range point is computed exactly as with one point per
// increment, so sampled and table runs meet on the same doubles.
double PointDistance(int i, double increment, int perIncrement) {
    const int whole = i / perIncrement;
    const int part = i % perIncrement;
    if (part == 0) {
        return whole * increment;
    }
    return whole * increment + part * (increment / perIncrement);
}

// The drag table interval of standard velocity u. Beyond the table the last interval
// extrapolates; below it (or not a number) the first.
int DragIntervalIndex(double u) {
    const double interval = std::trunc(u / 50);
    if (interval >= kLastInterval) {
        return kLastInterval;
    }
    return interval > 0 ? static_cast<int>(interval) : 0;
}

// The interval of the previous evaluation, kept with the velocities it holds. The velocity stays
// many steps in one interval: two comparisons then stand for the division and truncation of the
// look-up, and the flight does not wait for the table. They agree with the look-up everywhere:
// a u below j x 50 never divides to j (the quotient lies more than half a unit in the last place
// below j), and not a number fails both comparisons and takes the look-up.
struct DragInterval {
    double From = 0;  // the look-up gives this interval for From <= u < To
    double To = -1;   // nothing at first
    double Start = 0; // interval x 50
    double A = 0;
    double B = 0;
};

// Inlined in every stage: returned through memory its results would wait for a store and a load.
[[gnu::always_inline]] inline FlightState Derivatives(const FlightState& state,
                                                      const ScaledDrag& drag, double machFactor,
                                                      DragInterval& interval) {
    const double v = state.Velocity;
    const double u = v * machFactor;
    if (!(u >= interval.From && u < interval.To)) [[unlikely]] {
        constexpr double kInfinity = std::numeric_limits<double>::infinity();
        const int j = DragIntervalIndex(u);
        const auto index = static_cast<std::size_t>(j);
        const double start = j * 50;
        interval = {j == 0 ? -kInfinity : start, j == kLastInterval ? kInfinity : start + 50, start,
                    drag.A[index], drag.B[index]};
    }
    const double r = (u - interval.Start) * interval.B + interval.A;
    const double dragDeceleration = r * v / machFactor;
    const double sine = std::sin(state.Angle);
    const double cosine = std::cos(state.Angle);
    FlightState rates;
    rates.Velocity = -(kGravity * sine + dragDeceleration);
    rates.Angle = -kGravity * cosine / v;
    rates.X = v * cosine;
    rates.Y = v * sine;
    return rates;
}

struct GillStage {
    double a;
    double b;
    double c;
};
constexpr std::array<GillStage, 4> kGillStages = {{
    {0.5, 2, 0.5},
    {0.2928932188, 1, 0.2928932188},
    {1.7071067812, 1, 1.7071067812},
    {1.0 / 6.0, 2, 0.5},
}};

void GillUpdate(double& variable, double& accumulator, double derivative, double h,
                const GillStage& stage) {
    const double k1 = h * derivative;
    const double r = stage.a * (k1 - stage.b * accumulator);
    variable += r;
    accumulator = accumulator + 3 * r - stage.c * k1;
}

void MarkCutOff(BallisticResults& results, int from, int last) {
    for (int i = from; i <= last; ++i) {
        results.Velocity[i] = -1;
        results.Time[i] = -1;
        results.Drop[i] = -1;
    }
    results.Status = kStatusCutOff;
}

// The integration of one load, run step by step so that two flights can share the processor
// (IntegrateTwo): BeginStep records the points reached and prepares a step, Step or
// StepTogether takes it. Run alone it does what IntegrateTrajectory describes.
class Flight {
public:
    Flight(const EngineInputs& inputs, const ScaledDrag& drag, double machFactor,
           BallisticResults& results)
        : results_(results), drag_(drag), machFactor_(machFactor),
          last_(ClampedRangeCount(results.RangeCount)), increment_(inputs.Increment),
          perIncrement_(PointsPerIncrement(inputs)),
          // Past this much time in one interval (mean speed surely below the cut-off speed of
          // 100 ft/s) or this deep a fall, the point is surely cut off: stop without finishing
          // its steps.
          hopelessInterval_(2 * (inputs.Increment / 100)),
          hopelessHeight_(-2 * kMaxDrop / 12), state_{inputs.MuzzleVelocity, 0, 0, 0} {
        results.Velocity[0] = inputs.MuzzleVelocity;
        results.Time[0] = 0;
        results.Drop[0] = 0;
        if (last_ == 0) {
            done_ = true;
            return;
        }
        h_ = increment_ / (3 * inputs.MuzzleVelocity);
        if (h_ > 0.005) {
            h_ = 0.005;
        }
        derivatives_ = Derivatives(state_, drag_, machFactor_, interval_);
        StartPoint(1);
    }

    // Records the range points the flight has reached; when it must go on, prepares the next
    // step and is true: Step or StepTogether takes it before BeginStep is called again. False
    // when the flight is finished or cut off.
    bool BeginStep() {
        while (!done_) {
            if (!(state_.X >= target_)) {
                const double elapsed = static_cast<double>(m_) * h_ -
                                       results_.Time[static_cast<std::size_t>(intervalStart_)];
                if (m_ >= kMaxSteps || elapsed > hopelessInterval_ || state_.Y < hopelessHeight_) {
                    CutOff();
                    return false;
                }
                xBefore_ = state_.X;
                yBefore_ = state_.Y;
                vBefore_ = state_.Velocity;
                ++m_;
                return true;
            }
            RecordPoint();
        }
        return false;
    }

    // One Runge-Kutta-Gill step. The state is copied out of the object and back so that the
    // stages work on registers, not on memory the processor must wait for.
    void Step() {
        Stepper stepper(*this);
        for (const GillStage& stage : kGillStages) {
            stepper.Update(stage);
            stepper.Evaluate();
        }
        stepper.Finish();
    }

    // One step of each flight, stage by stage in turn.
    static void StepTogether(Flight& first, Flight& second) {
        Stepper one(first);
        Stepper two(second);
        for (const GillStage& stage : kGillStages) {
            one.Update(stage);
            two.Update(stage);
            one.Evaluate();
            two.Evaluate();
        }
        one.Finish();
        two.Finish();
    }

private:
    class Stepper {
    public:
        explicit Stepper(Flight& flight)
            : flight_(flight), state_(flight.state_), accumulators_(flight.accumulators_),
              derivatives_(flight.derivatives_), interval_(flight.interval_), h_(flight.h_) {}
        void Update(const GillStage& stage) {
            GillUpdate(state_.Velocity, accumulators_.Velocity, derivatives_.Velocity, h_, stage);
            GillUpdate(state_.Angle, accumulators_.Angle, derivatives_.Angle, h_, stage);
            GillUpdate(state_.X, accumulators_.X, derivatives_.X, h_, stage);
            GillUpdate(state_.Y, accumulators_.Y, derivatives_.Y, h_, stage);
        }
        void Evaluate() {
            derivatives_ = Derivatives(state_, flight_.drag_, flight_.machFactor_, interval_);
        }
        // A flight that stopped being numbers (a velocity through zero, an absurd drag) is cut
        // off here rather than passing NaN or infinities on to the cells.
        void Finish() {
            flight_.state_ = state_;
            flight_.accumulators_ = accumulators_;
            flight_.derivatives_ = derivatives_;
            flight_.interval_ = interval_;
            if (!std::isfinite(state_.Velocity) || !std::isfinite(state_.Angle) ||
                !std::isfinite(state_.X) || !std::isfinite(state_.Y)) {
                flight_.CutOff();
            }
        }

    private:
        Flight& flight_;
        FlightState state_;
        FlightState accumulators_;
        FlightState derivatives_;
        DragInterval interval_;
        double h_;
    };

    void StartPoint(int i) {
        i_ = i;
        target_ = PointDistance(i, increment_, perIncrement_);
        // The cut-off is judged over whole increments: a cut-off range point takes the sampled
        // points of its interval with it.
        intervalStart_ = (i - 1) / perIncrement_ * perIncrement_;
    }

    void CutOff() {
        MarkCutOff(results_, intervalStart_ + 1, last_);
        done_ = true;
    }

    void RecordPoint() {
        const auto index = static_cast<std::size_t>(i_);
        const double f = (target_ - xBefore_) / (state_.X - xBefore_);
        const double y = yBefore_ + (state_.Y - yBefore_) * f;
        const double v = vBefore_ + (state_.Velocity - vBefore_) * f;
        const double mh = static_cast<double>(m_) * h_;
        const double previousMh = static_cast<double>(m_ - 1) * h_;
        results_.Velocity[index] = v;
        results_.Drop[index] = -12 * y;
        results_.Time[index] = (mh - previousMh) * f + previousMh;
        if (i_ % perIncrement_ == 0) {
            const auto previous = static_cast<std::size_t>(i_ - perIncrement_);
            if (increment_ / (results_.Time[index] - results_.Time[previous]) < 100 ||
                results_.Drop[index] > kMaxDrop) {
                CutOff();
                return;
            }
        }
        if (i_ == last_) {
            done_ = true;
            return;
        }
        StartPoint(i_ + 1);
    }

    BallisticResults& results_;
    const ScaledDrag& drag_;
    const double machFactor_;
    const int last_;
    const double increment_;
    const int perIncrement_;
    const double hopelessInterval_;
    const double hopelessHeight_;
    double h_ = 0;
    FlightState state_;
    FlightState accumulators_{};
    FlightState derivatives_{};
    DragInterval interval_;
    std::int64_t m_ = 0;
    double xBefore_ = 0;
    double yBefore_ = 0;
    double vBefore_ = 0;
    int i_ = 0;
    double target_ = 0;
    int intervalStart_ = 0;
    bool done_ = false;
};

// Two flights in step: while one waits for its sine or a division the processor works on the
// other. Each flight's arithmetic is exactly its own, in its own order.
void IntegrateTwo(Flight& first, Flight& second) {
    bool firstRuns = first.BeginStep();
    bool secondRuns = second.BeginStep();
    while (firstRuns && secondRuns) {
        Flight::StepTogether(first, second);
        firstRuns = first.BeginStep();
        secondRuns = second.BeginStep();
    }
    for (; firstRuns; firstRuns = first.BeginStep()) {
        first.Step();
    }
    for (; secondRuns; secondRuns = second.BeginStep()) {
        second.Step();
    }
}

bool InputsCanFly(const EngineInputs& in) {
    const double values[] = {
        in.Increment, in.BallisticCoefficient, in.MuzzleVelocity, in.BulletWeight, in.Altitude,
        in.Pressure,  in.Temperature,          in.Crosswind,      in.ZeroRange,    in.SightHeight};
    for (double value : values) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    return in.MuzzleVelocity > 0 && in.BallisticCoefficient > 0 && in.Increment > 0;
}

} // namespace

TrajectoryPoint BallisticResults::Point(int i) const {
    if (i < 0 || i >= kTrajectoryCapacity) {
        return {};
    }
    const auto index = static_cast<std::size_t>(i);
    return {Velocity[index], Time[index],  Drop[index],
            Energy[index],   Drift[index], Trajectory[index]};
}

float DragTableValue(int j) {
    return kDragTable[static_cast<std::size_t>(std::clamp(j, 1, kDragTableSize) - 1)];
}

Atmosphere ComputeAtmosphere(const EngineInputs& inputs) {
    const double h = inputs.Altitude;
    const double t = inputs.Temperature;
    Atmosphere air;
    air.StandardTemperature = 59 - 0.003573 * h;
    const double sigma = (h * h * 3.267963e-10 + (1 - 2.926207e-05 * h)) - h * h * h * 1.584073e-15;
    air.StandardPressure = 29.53 * sigma / (518.688 / (459.688 + air.StandardTemperature));
    air.StationPressure =
        air.StandardPressure - (29.53 - inputs.Pressure) * (air.StandardPressure / 29.53);
    air.DensityRatio = (518.688 / (459.688 + t)) * (air.StationPressure / 29.53);
    air.SpeedOfSound = std::sqrt((459.688 + t) / 518.688) * 1120.27;
    air.MachFactor = 1120.27 / air.SpeedOfSound;
    return air;
}

ScaledDrag BuildDragTable(double ballisticCoefficient, double densityRatio) {
    // Every interval is prepared, whatever the muzzle velocity: a bullet can speed up while
    // falling and must never look up an entry left from another load.
    const double s = densityRatio / ballisticCoefficient;
    ScaledDrag drag;
    for (int j = 1; j <= kLastInterval; ++j) {
        const double f = DragTableValue(j);
        const double next = DragTableValue(j + 1);
        const auto index = static_cast<std::size_t>(j);
        drag.A[index] = f * s;
        drag.B[index] = (next - f) / 50 * s;
    }
    drag.A[kDragTableSize] = static_cast<double>(DragTableValue(kDragTableSize)) * s;
    drag.B[kDragTableSize] = 0;
    drag.A[0] = drag.A[1];
    drag.B[0] = drag.B[1];
    return drag;
}

FlightState EvaluateDerivatives(const FlightState& state, const ScaledDrag& drag,
                                double machFactor) {
    DragInterval interval;
    return Derivatives(state, drag, machFactor, interval);
}

void IntegrateTrajectory(const EngineInputs& inputs, const ScaledDrag& drag, double machFactor,
                         BallisticResults& results) {
    Flight flight(inputs, drag, machFactor, results);
    while (flight.BeginStep()) {
        flight.Step();
    }
}

void ComputeEnergy(const EngineInputs& inputs, BallisticResults& results) {
    const int last = ClampedRangeCount(results.RangeCount);
    for (int i = 0; i <= last; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const double v = results.Velocity[index];
        results.Energy[index] = (inputs.BulletWeight / 450240) * (v * v);
    }
}

void ComputeWindDrift(const EngineInputs& inputs, BallisticResults& results) {
    const int last = ClampedRangeCount(results.RangeCount);
    const int perIncrement = PointsPerIncrement(inputs);
    const double w = 17.6 * inputs.Crosswind; // inches per second per mph
    for (int i = 0; i <= last; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const double distance = PointDistance(i, inputs.Increment, perIncrement);
        results.Drift[index] = (results.Time[index] - distance / results.Velocity[0]) * w;
    }
}

void ZeroTrajectory(const EngineInputs& inputs, BallisticResults& results) {
    const int last = ClampedRangeCount(results.RangeCount);
    const double increment = inputs.Increment;
    const double sightHeight = inputs.SightHeight;
    const double zeroFeet = inputs.ZeroRange * 3;
    results.ZeroAngle = 0;
    results.TrajectoryValid = false;
    results.Trajectory.fill(0);
    if (!(zeroFeet > 0) || !std::isfinite(zeroFeet) || !(increment > 0)) {
        results.Status = kStatusZeroOutOfLimits;
        return;
    }
    const int perIncrement = PointsPerIncrement(inputs);
    const int lastWhole = last / perIncrement; // last whole range point
    const double point = std::trunc(zeroFeet / increment);
    const double e = zeroFeet - point * increment; // feet past point j
    // A zero beyond the computed points aims through the last one.
    const bool beyondLast = point > lastWhole;
    const int j = beyondLast ? lastWhole : static_cast<int>(point);
    const auto jIndex = static_cast<std::size_t>(j * perIncrement);
    const auto nextIndex = static_cast<std::size_t>((j + 1) * perIncrement);

    double zeroDrop = results.Drop[static_cast<std::size_t>(lastWhole * perIncrement)];
    if (j + 1 <= lastWhole) {
        zeroDrop =
            results.Drop[jIndex] + e * (results.Drop[nextIndex] - results.Drop[jIndex]) / increment;
    }
    double alpha = (zeroDrop + sightHeight) / (kMoaInchesPerFoot * zeroFeet);

    // Bring the bore line onto the exact range point: the interpolation can leave it a hair low.
    if (!beyondLast && e < 0.0001 && results.Velocity[jIndex] > 0) {
        for (std::int64_t step = 0;
             step < kMaxRefineSteps && alpha <= kMaxZeroAngle &&
             j * kMoaInchesPerFoot * increment * alpha - sightHeight - results.Drop[jIndex] < 0;
             ++step) {
            const double raised = alpha + kRefineStep;
            if (raised == alpha) {
                break;
            }
            alpha = raised;
        }
    }
    results.ZeroAngle = alpha;
    if (!std::isfinite(alpha) || alpha > kMaxZeroAngle) {
        results.Status = kStatusZeroOutOfLimits;
        return;
    }

    const double risePerPoint = kMoaInchesPerFoot * increment * alpha;
    for (int i = 0; i <= last; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const int whole = i / perIncrement;
        const int part = i % perIncrement;
        const double rise = part == 0 ? whole * risePerPoint
                                      : whole * risePerPoint + part * (risePerPoint / perIncrement);
        results.Trajectory[index] =
            results.Velocity[index] > 0 ? rise - sightHeight - results.Drop[index] : 0;
    }
    if (std::fabs(results.Trajectory[jIndex]) < 0.0001) {
        results.Trajectory[jIndex] = 0;
    }
    if (j + 1 <= lastWhole && std::fabs(results.Trajectory[nextIndex]) < 0.0001) {
        results.Trajectory[nextIndex] = 0;
    }
    results.TrajectoryValid = true;
}

namespace {

// What a load's results hold before its flight; false when it cannot fly, and then they are
// complete.
bool StartResults(const EngineInputs& inputs, BallisticResults& results) {
    results = BallisticResults{};
    if (!InputsCanFly(inputs)) {
        results.Status = kStatusSkipped;
        results.RangeCount = 0;
        results.TrajectoryValid = false;
        results.Velocity[0] = std::isfinite(inputs.MuzzleVelocity) ? inputs.MuzzleVelocity : 0;
        return false;
    }
    results.RangeCount = ClampedRangeCount(inputs.RangeCount);
    return true;
}

void FinishResults(const EngineInputs& inputs, BallisticResults& results) {
    ComputeEnergy(inputs, results);
    ComputeWindDrift(inputs, results);
    ZeroTrajectory(inputs, results);
}

} // namespace

BallisticResults ComputeBallistics(const EngineInputs& inputs) {
    BallisticResults results;
    if (StartResults(inputs, results)) {
        const Atmosphere air = ComputeAtmosphere(inputs);
        const ScaledDrag drag = BuildDragTable(inputs.BallisticCoefficient, air.DensityRatio);
        IntegrateTrajectory(inputs, drag, air.MachFactor, results);
        FinishResults(inputs, results);
    }
    return results;
}

void ComputeBallisticsPair(const EngineInputs& first, const EngineInputs& second,
                           BallisticResults& firstResults, BallisticResults& secondResults) {
    const bool firstFlies = StartResults(first, firstResults);
    const bool secondFlies = StartResults(second, secondResults);
    if (!firstFlies || !secondFlies) {
        if (firstFlies) {
            firstResults = ComputeBallistics(first);
        }
        if (secondFlies) {
            secondResults = ComputeBallistics(second);
        }
        return;
    }
    const Atmosphere firstAir = ComputeAtmosphere(first);
    const Atmosphere secondAir = ComputeAtmosphere(second);
    const ScaledDrag firstDrag = BuildDragTable(first.BallisticCoefficient, firstAir.DensityRatio);
    const ScaledDrag secondDrag =
        BuildDragTable(second.BallisticCoefficient, secondAir.DensityRatio);
    Flight firstFlight(first, firstDrag, firstAir.MachFactor, firstResults);
    Flight secondFlight(second, secondDrag, secondAir.MachFactor, secondResults);
    IntegrateTwo(firstFlight, secondFlight);
    FinishResults(first, firstResults);
    FinishResults(second, secondResults);
}

} // namespace corvane
