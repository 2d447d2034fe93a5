#pragma once
// Point-mass exterior ballistics in English units: Runge-Kutta-Gill integration over time with
// a tabulated drag function scaled by ballistic coefficient, air density and speed of sound;
// the zero is applied afterwards as a straight rising bore line.
#include <array>
#include <cstdint>

namespace corvane {

struct EngineInputs {
    std::int32_t RangeCount = 0; // N: range points 0..N
    double Increment = 0;        // feet between range points
    double BallisticCoefficient = 0;
    double MuzzleVelocity = 0; // ft/s
    double BulletWeight = 0;   // grains
    double Altitude = 0;       // feet
    double Pressure = 29.53;   // inHg, sea-level reference
    double Temperature = 59;   // degrees F
    double Crosswind = 0;      // mph
    double ZeroRange = 0;      // yards
    double SightHeight = 0;    // inches
    // Points recorded per increment. Above 1 the flight is also sampled between the range
    // points (RangeCount then counts every sampled point) while the time step, the cut-off test
    // and the zero still follow whole increments, so the range points keep the table's values
    // bit for bit. The table uses 1.
    std::int32_t PointsPerIncrement = 1;
};

struct Atmosphere {
    double StandardTemperature = 0;
    double StandardPressure = 0;
    double StationPressure = 0;
    double DensityRatio = 0;
    double SpeedOfSound = 0;
    double MachFactor = 0;
};

inline constexpr int kTrajectoryCapacity = 103; // points 0..102
inline constexpr int kMaxRangeCount = kTrajectoryCapacity - 1;

enum EngineStatus : std::int32_t {
    kStatusComplete = 0,
    kStatusCutOff = 301,
    kStatusZeroOutOfLimits = 307,
    kStatusSkipped = -1, // inputs that can never reach the first range point
};

struct TrajectoryPoint {
    double Velocity = 0;   // ft/s, -1 past the cut-off
    double Time = 0;       // s, -1 past the cut-off
    double Drop = 0;       // inches below the bore line, -1 past the cut-off
    double Energy = 0;     // ft-lbf
    double Drift = 0;      // inches
    double Trajectory = 0; // inches above the line of sight
};

struct BallisticResults {
    int RangeCount = 0; // N actually computed; points 0..RangeCount are valid
    std::array<double, kTrajectoryCapacity> Velocity{};
    std::array<double, kTrajectoryCapacity> Time{};
    std::array<double, kTrajectoryCapacity> Drop{};
    std::array<double, kTrajectoryCapacity> Energy{};
    std::array<double, kTrajectoryCapacity> Drift{};
    std::array<double, kTrajectoryCapacity> Trajectory{};
    double ZeroAngle = 0; // minutes of angle
    std::int32_t Status = kStatusComplete;
    bool TrajectoryValid = false; // false after status 307 or a skipped computation

    TrajectoryPoint Point(int i) const;
};

// The whole computation. Never reads or writes out of bounds and always ends: a load that can
// never reach the first range point (velocity or coefficient not positive, any input not finite,
// increment not positive) gives kStatusSkipped; RangeCount is clamped to 0..kMaxRangeCount.
BallisticResults ComputeBallistics(const EngineInputs& inputs);

// Two loads at once, each with exactly the results ComputeBallistics gives it: while one flight
// waits for a sine or a division the processor works on the other. For tables of many loads;
// the two results must be different objects.
void ComputeBallisticsPair(const EngineInputs& first, const EngineInputs& second,
                           BallisticResults& firstResults, BallisticResults& secondResults);

// ---- The steps of ComputeBallistics, in the order it runs them. ----

Atmosphere ComputeAtmosphere(const EngineInputs& inputs);

// Drag table entries F[1..121] (F[j] at j x 50 ft/s), single precision as tabulated.
inline constexpr int kDragTableSize = 121;
float DragTableValue(int j);

// A[j] + (u - 50 j) x B[j] is the retarding factor at standard velocity u, already divided by the
// ballistic coefficient and scaled by the density ratio. All 120 intervals are always prepared.
struct ScaledDrag {
    std::array<double, kDragTableSize + 1> A{};
    std::array<double, kDragTableSize + 1> B{};
};
ScaledDrag BuildDragTable(double ballisticCoefficient, double densityRatio);

// Integration state and its time derivatives, in the integration order v, theta, x, y.
struct FlightState {
    double Velocity = 0; // ft/s
    double Angle = 0;    // radians, positive upward
    double X = 0;        // feet
    double Y = 0;        // feet
};
FlightState EvaluateDerivatives(const FlightState& state, const ScaledDrag& drag,
                                double machFactor);

// Fills Velocity, Time and Drop of points 0..results.RangeCount and sets kStatusCutOff when the
// flight ends early. Expects validated inputs (as ComputeBallistics checks them).
void IntegrateTrajectory(const EngineInputs& inputs, const ScaledDrag& drag, double machFactor,
                         BallisticResults& results);
void ComputeEnergy(const EngineInputs& inputs, BallisticResults& results);
void ComputeWindDrift(const EngineInputs& inputs, BallisticResults& results);
// Sets ZeroAngle and Trajectory; kStatusZeroOutOfLimits (trajectory not valid) when the angle is
// above 30 degrees, not finite, or the zero range is not positive.
void ZeroTrajectory(const EngineInputs& inputs, BallisticResults& results);

} // namespace corvane
