#include "ballistics/TrajectorySampling.h"

#include "common/UnitConversion.h"

#include <algorithm>

namespace corvane {

int SamplesPerIncrement(std::int32_t incrementUnits, std::int32_t rangeCount) {
    if (incrementUnits <= 0 || rangeCount <= 0) {
        return 1;
    }
    const int byStep = incrementUnits / kFinestSampleStep;
    const int byCapacity = kMaxRangeCount / std::min(rangeCount, kMaxRangeCount);
    return std::max(1, std::min(byStep, byCapacity));
}

FineTrajectory SampleTrajectory(const EngineInputs& tableInputs, const PanelRanges& ranges,
                                bool english) {
    FineTrajectory fine;
    const int rangeCount = std::clamp(tableInputs.RangeCount, 0, kMaxRangeCount);
    fine.PerIncrement = SamplesPerIncrement(ranges.Increment, rangeCount);
    fine.Step = static_cast<double>(ranges.Increment) / fine.PerIncrement;
    fine.ZeroRange = ranges.ZeroAt;

    EngineInputs inputs = tableInputs;
    inputs.RangeCount = rangeCount * fine.PerIncrement;
    inputs.PointsPerIncrement = fine.PerIncrement;
    fine.Results = ComputeBallistics(inputs);
    if (fine.Results.Status == kStatusSkipped) {
        return fine;
    }
    fine.TrajectoryValid = fine.Results.TrajectoryValid;

    // The same factors as the table's cells, so that both show the same numbers.
    const double speed = english ? 1.0 : kMetersPerSecondPerFootPerSecond;
    const double energy = english ? 1.0 : kJoulesPerFootPound;
    const double length = english ? 1.0 : kCentimetersPerInch;
    for (int i = 0; i <= fine.Results.RangeCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        if (!(fine.Results.Velocity[index] > 0)) {
            break; // cut off from here on
        }
        const int whole = i / fine.PerIncrement;
        const int part = i % fine.PerIncrement;
        TrajectorySample sample;
        sample.Range = static_cast<double>(whole) * ranges.Increment + part * fine.Step;
        sample.Velocity = fine.Results.Velocity[index] * speed;
        sample.Energy = fine.Results.Energy[index] * energy;
        sample.Drift = fine.Results.Drift[index] * length;
        sample.Trajectory = fine.Results.Trajectory[index] * length;
        fine.Samples.push_back(sample);
    }
    return fine;
}

} // namespace corvane
