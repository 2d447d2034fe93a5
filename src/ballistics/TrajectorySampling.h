#pragma once
// The trajectory of one load sampled finely for the chart. The engine runs with several points
// per increment, so the sampled curve passes through the very values the table shows at every
// range point: same time step, same cut-off and same zero angle.
#include "ballistics/BallisticEngine.h"
#include "ballistics/EngineInputsFromPanel.h"

#include <cstdint>
#include <vector>

namespace corvane {

// Smallest spacing of the samples, in yards or meters.
inline constexpr int kFinestSampleStep = 5;

// Samples per increment: as many as keep them at least kFinestSampleStep apart and the whole
// range within the engine's capacity; at least 1.
int SamplesPerIncrement(std::int32_t incrementUnits, std::int32_t rangeCount);

// One sampled point in the shown units.
struct TrajectorySample {
    double Range = 0;      // yards or meters
    double Velocity = 0;   // ft/s or m/s
    double Energy = 0;     // ft-lbf or joules
    double Drift = 0;      // inches or centimeters
    double Trajectory = 0; // inches or centimeters above the line of sight
};

struct FineTrajectory {
    int PerIncrement = 1; // samples per increment
    double Step = 0;      // yards or meters between samples
    // From the muzzle up to the last sample before any cut-off; empty when the load cannot be
    // computed.
    std::vector<TrajectorySample> Samples;
    bool TrajectoryValid = false; // false when the zero is out of limits
    double ZeroRange = 0;         // yards or meters, as the panel shows it
    BallisticResults Results;     // the engine's own numbers, English units
};

// `tableInputs` are the inputs of the load's table row (EngineInputsFromPanel); `ranges` the
// panel's integers in the shown units.
FineTrajectory SampleTrajectory(const EngineInputs& tableInputs, const PanelRanges& ranges,
                                bool english);

} // namespace corvane
