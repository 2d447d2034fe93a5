#pragma once
// The range card, the chart's samples and the comparison's values under the precision model,
// in the same shapes the catalog's engine fills, so that the windows show either model alike.
// The catalog's engine inputs (load, altitude, temperature, wind, sight height, zero) carry
// over; the bullet's drag function and the extra conditions come on top.
//
// Point-blank range and energy threshold: one flight with the bore level to the line of sight
// gives the drops every 10 yards or meters; a bore raised by a whole angle adds a straight line
// to them, as the catalog card does with its engine's drops, so one flight serves every zero.
#include "ballistics/BallisticEngine.h"
#include "ballistics/EngineInputsFromPanel.h"
#include "ballistics/LoadComparison.h"
#include "ballistics/TrajectorySampling.h"
#include "precision/PrecisionSolver.h"
#include "rifle/MyLoads.h"
#include "rifle/RangeCard.h"

#include <optional>
#include <string>

namespace corvane {

enum class BallisticModel { Catalog, Precision };

// "Model: Catalog standard" or "Model: Precision", as the windows, the printout and the saved
// files name the model.
std::string ModelLine(BallisticModel model);

// What the precision model knows of a bullet beyond the catalog engine's inputs.
struct PrecisionBullet {
    precision::DragFunction drag = precision::DragFunction::G1;
    double coefficient = 0; // of `drag`, stated for ICAO air
    // Spin drift only when all three are known; inches.
    std::optional<double> twist;
    std::optional<double> diameter;
    std::optional<double> length;
    double powderSensitivity = 0; // ft/s per degree F; 0: the velocity does not change
};

// An own load: G7 when it has a G7 coefficient, else G1 with its coefficient.
PrecisionBullet PrecisionBulletOf(const OwnLoad& load);
// A catalog load: G1 with the coefficient of its engine inputs.
PrecisionBullet PrecisionBulletOf(const EngineInputs& inputs);

// "G7, BC 0.243 (ICAO)": the drag function and the coefficient with its reference air.
std::string DragText(const PrecisionBullet& bullet);

// The conditions only the precision model uses; the wind's speed is the catalog's crosswind.
struct PrecisionConditions {
    std::optional<double> stationPressureInHg; // none: the standard pressure at the altitude
    double humidityPercent = 0;
    double shootingAngleDegrees = 0;
    double windClockHours = 3; // where the wind comes from; 3 o'clock is full value from the right
    std::optional<double> latitudeDegrees; // none: no Coriolis or Eotvos
    double azimuthDegrees = 0;
    // The powder's temperature; none: the air's, as for ammunition carried in the field.
    std::optional<double> powderTemperatureF;
};

precision::PrecisionInputs MakePrecisionInputs(const EngineInputs& inputs,
                                               const PrecisionBullet& bullet,
                                               const PrecisionConditions& conditions);

// The card of `request` under the precision model. Wind hold is the correction into the wind,
// positive to the right, so that a 3 o'clock wind holds as the catalog card does.
RangeCard BuildPrecisionCard(const RangeCardRequest& request, const PrecisionBullet& bullet,
                             const PrecisionConditions& conditions);

// The chart's samples as SampleTrajectory spaces them. Drift is taken downwind of a 3 o'clock
// wind (to the left), as the catalog's drift; Results holds nothing.
FineTrajectory SamplePrecisionTrajectory(const EngineInputs& tableInputs, const PanelRanges& ranges,
                                         bool english, const PrecisionBullet& bullet,
                                         const PrecisionConditions& conditions);

// The values at the table's range points in the engine's shape (English units; Drop is left
// at 0), for the comparison table.
BallisticResults PrecisionTablePoints(const EngineInputs& tableInputs,
                                      const PrecisionBullet& bullet,
                                      const PrecisionConditions& conditions);

// The bullet of the n-th compared load: `bullets[n]` when given, else G1 with its coefficient.
PrecisionBullet BulletAt(const std::vector<PrecisionBullet>& bullets, std::size_t n,
                         const EngineInputs& inputs);

// The compared loads carrying their precision values, so that the comparison table shows the
// precision model with the catalog's texts.
std::vector<ComparedLoad> WithPrecisionResults(std::vector<ComparedLoad> loads,
                                               const std::vector<PrecisionBullet>& bullets,
                                               const PrecisionConditions& conditions);

// The chart's marks under the precision model: MaximumPointBlank and EnergyFallsBelow.
struct PrecisionMarks {
    std::optional<PointBlank> pointBlank;
    std::optional<double> energyBelow;
};
PrecisionMarks PrecisionSearch(const EngineInputs& inputs, double zoneInches, double thresholdFtLbf,
                               bool english, const PrecisionBullet& bullet,
                               const PrecisionConditions& conditions);

} // namespace corvane
