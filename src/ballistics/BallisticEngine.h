#pragma once
// Point-mass exterior ballistics in English units: Runge-Kutta-Gill integration over time with
// a tabulated drag function scaled by ballistic coefficient, air density and speed of sound;
// the zero is applied afterwards as a straight rising bore line.
#include <array>
#include <cstdint>

namespace corvane {

struct EngineInputs {
    std::int32_t RangeCount = 0;       // N: range points 0..N
    double Increment = 0;              // feet between range points
    double BallisticCoefficient = 0;
    double MuzzleVelocity = 0;         // ft/s
    double BulletWeight = 0;           // grains
    double Altitude = 0;               // feet
    double Pressure = 29.53;           // inHg, sea-level reference
    double Temperature = 59;           // degrees F
    double Crosswind = 0;              // mph
    double ZeroRange = 0;              // yards
    double SightHeight = 0;            // inches
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
    double ZeroAngle = 0;            // minutes of angle
    std::int32_t Status = kStatusComplete;
    bool TrajectoryValid = false;    // false after status 307 or a skipped computation

    TrajectoryPoint Point(int i) const;
};

BallisticResults ComputeBallistics(const EngineInputs& inputs);

} // namespace corvane
