#pragma once
// The precision model: a point-mass trajectory solver with the standard drag functions, a full
// atmosphere, inclined fire, wind from any direction, spin drift, Coriolis and Eotvos, and the
// powder's temperature. It stands apart from the catalog's own engine, which stays as it is.
//
// Equations of motion, in a frame whose x axis runs along the line of sight (inclined by the
// shooting angle), y perpendicular to it upward and z to the right:
//   dv/dt = -k rho/rho0 Cd(M) |v - w| (v - w) / BC + g - 2 Omega x v
// with k = (pi / 8) rho0 / 144 (the G functions' scale, rho0 the ICAO sea-level density), w the
// wind, g gravity turned into the inclined frame, Omega the earth's rotation (only when a
// latitude is given; it carries both the sideways Coriolis drift and the vertical Eotvos
// effect). rho and the speed of sound in M follow the standard lapse with the bullet's height
// above the muzzle, which matters for steep shots. Integrated with classical fourth-order
// Runge-Kutta in time, each step covering about 30 ft of flight (against 1 ft steps the error at
// 1500 yd stays below 0.01 in and 0.001 ft/s) but never more than a third of the time the drag
// needs to take the speed down noticeably, so that a very light or very slow bullet stays
// stable. Every requested range is met exactly: the step that would pass it is shortened to end
// on it. The flight ends below 50 ft/s, after a minute or after 200000 steps, whichever first.
//
// Zeroing: the bore angle (to the line of sight) that puts the path on the line of sight at the
// zero range, in the same air but level, without wind or the earth's rotation - where a rifle is
// zeroed. Secant steps on the path error from a level bore, kept by bisection inside the
// bracket of 0 to 45 degrees, at most 200 flights, so it always ends; when the bracket closes
// without the path crossing the line of sight at the zero range, the zero is out of reach.
//
// Coriolis and Eotvos are in the equations of motion, not the flat-fire formulas: the sideways
// speed they give the bullet is slowed by the drag like any other, so at 1000 yd they come out
// some 15 to 30 % smaller than the flat-fire estimate Omega X t.
//
// Spin drift is added to the windage from Litz's formula, 1.25 (Sg + 1.2) t^1.83 inches, with
// Sg from Miller's twist rule (velocity and air corrected); a positive twist is right-hand
// and drifts right, a negative one left-hand.
#include "precision/Atmosphere.h"
#include "precision/DragFunctions.h"

#include <optional>
#include <string>
#include <vector>

namespace corvane::precision {

struct PrecisionInputs {
    DragFunction Drag = DragFunction::G1;
    double BallisticCoefficient = 0;
    BcAtmosphere BcReference = BcAtmosphere::Icao;
    double MuzzleVelocityFps = 0;
    double BulletWeightGrains = 0;
    // Spin drift needs all three; twist in inches per turn, negative for a left-hand twist.
    std::optional<double> TwistInches;
    double BulletDiameterInches = 0;
    double BulletLengthInches = 0;
    double SightHeightInches = 0;
    double ZeroRangeYards = 100;
    // Instead of zeroing: the bore's angle to the line of sight, in MOA.
    std::optional<double> BoreAngleMoa;
    SiteConditions Site;
    double WindMph = 0;
    // Where the wind comes from, clockwise from the line of fire: 0 from the target (head wind),
    // 90 from the right (3 o'clock), 180 from behind, 270 from the left.
    double WindFromDegrees = 0;
    // Line of sight above (positive) or below the horizon.
    double ShootingAngleDegrees = 0;
    // The earth's rotation acts only when a latitude is given; azimuth clockwise from north.
    std::optional<double> LatitudeDegrees;
    double AzimuthDegrees = 0;
    // The muzzle velocity is measured with the powder at 59 F; at another powder temperature it
    // changes by the sensitivity per degree Fahrenheit.
    std::optional<double> PowderTemperatureF;
    double PowderSensitivityFpsPerF = 0;
};

// The accepted range of each input, one table for the solver's guard and the tool's messages.
struct InputLimit {
    const char* Option; // the tool's option
    double Low;
    double High;
};
inline constexpr InputLimit kBcLimit{"--bc", 0.01, 2};
inline constexpr InputLimit kVelocityLimit{"--mv", 100, 5000};
inline constexpr InputLimit kWeightLimit{"--weight", 1, 2000};
inline constexpr InputLimit kDiameterLimit{"--diameter", 0.1, 2};
inline constexpr InputLimit kLengthLimit{"--length", 0.1, 5};
inline constexpr InputLimit kTwistLimit{"--twist", 1, 100}; // its size; the sign is the hand
inline constexpr InputLimit kSightHeightLimit{"--sight-height", 0, 10};
inline constexpr InputLimit kZeroLimit{"--zero", 1, 3000};
inline constexpr InputLimit kBoreAngleLimit{"--bore-angle", -600, 600};
inline constexpr InputLimit kRangeLimit{"--range", 0, 5000};
inline constexpr InputLimit kIncrementLimit{"--increment", 1, 1000};
inline constexpr InputLimit kAltitudeLimit{"--altitude", -1500, 30000};
inline constexpr InputLimit kPressureLimit{"--pressure", 5, 35};
inline constexpr InputLimit kTemperatureLimit{"--temperature", -60, 140};
inline constexpr InputLimit kHumidityLimit{"--humidity", 0, 100};
inline constexpr InputLimit kWindLimit{"--wind", 0, 100};
inline constexpr InputLimit kWindDirectionLimit{"--wind-direction", 0, 360};
inline constexpr InputLimit kAngleLimit{"--angle", -80, 80};
inline constexpr InputLimit kLatitudeLimit{"--latitude", -90, 90};
inline constexpr InputLimit kAzimuthLimit{"--azimuth", 0, 360};
inline constexpr InputLimit kPowderTemperatureLimit{"--powder-temperature", -60, 160};
inline constexpr InputLimit kPowderSensitivityLimit{"--powder-sensitivity", -10, 10};
inline constexpr double kPowderReferenceF = 59;
inline constexpr std::size_t kMaxRanges = 10001;

// The first input outside its limits (or not finite), with its option and a message; none when
// every input may be used. The ranges are checked too.
struct InputProblem {
    std::string Option;
    std::string Message;
};
std::optional<InputProblem> CheckLimit(double value, const InputLimit& limit);
std::optional<InputProblem> CheckInputs(const PrecisionInputs& inputs,
                                        const std::vector<double>& rangesYards);

struct PrecisionPoint {
    double RangeYards = 0; // along the line of sight
    double VelocityFps = 0;
    double EnergyFtLb = 0;
    double TimeS = 0;
    double PathInches = 0;    // above the line of sight
    double WindageInches = 0; // to the right, spin drift included
    double ComeUpMoa = 0;     // the sight correction that puts the path on the line of sight
};

enum class SolveStatus {
    Complete,
    InvalidInput,   // see Problem
    ZeroOutOfReach, // no bore angle up to 45 degrees reaches the zero range
    FellShort,      // the bullet stopped (or took a minute) before the last range
};

struct PrecisionSolution {
    SolveStatus Status = SolveStatus::InvalidInput;
    std::optional<InputProblem> Problem;
    // In the order asked; with FellShort only the ranges the bullet reached.
    std::vector<PrecisionPoint> Points;
    double ZeroAngleMoa = 0;
    Air Conditions;
};

// The trajectory at each range (yards along the line of sight, any order). Never hangs and never
// gives a number that is not finite.
PrecisionSolution SolvePrecision(const PrecisionInputs& inputs,
                                 const std::vector<double>& rangesYards);

// A wind's clock direction (3 o'clock: from the right) as degrees clockwise from the line of fire.
double ClockToDegrees(double hours);

// Miller's gyroscopic stability factor for the bullet at the muzzle in the given air.
double MillerStability(const PrecisionInputs& inputs, const Air& air);

} // namespace corvane::precision
