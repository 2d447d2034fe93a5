#include "precision/SolveOptions.h"

#include "common/NumberText.h"
#include "common/TextUtil.h"

#include <cmath>
#include <functional>
#include <map>

namespace corvane::precision {

namespace {

using Setter = std::function<void(SolveRequest&, double)>;

struct NumberOption {
    const InputLimit* Limit;
    Setter Set;
};

const std::map<std::string, NumberOption, std::less<>>& NumberOptions() {
    using R = SolveRequest;
    static const std::map<std::string, NumberOption, std::less<>> options = {
        {"--bc", {&kBcLimit, [](R& r, double v) { r.Inputs.BallisticCoefficient = v; }}},
        {"--mv", {&kVelocityLimit, [](R& r, double v) { r.Inputs.MuzzleVelocityFps = v; }}},
        {"--weight", {&kWeightLimit, [](R& r, double v) { r.Inputs.BulletWeightGrains = v; }}},
        {"--diameter",
         {&kDiameterLimit, [](R& r, double v) { r.Inputs.BulletDiameterInches = v; }}},
        {"--length", {&kLengthLimit, [](R& r, double v) { r.Inputs.BulletLengthInches = v; }}},
        {"--sight-height",
         {&kSightHeightLimit, [](R& r, double v) { r.Inputs.SightHeightInches = v; }}},
        {"--zero", {&kZeroLimit, [](R& r, double v) { r.Inputs.ZeroRangeYards = v; }}},
        {"--bore-angle", {&kBoreAngleLimit, [](R& r, double v) { r.Inputs.BoreAngleMoa = v; }}},
        {"--increment", {&kIncrementLimit, [](R& r, double v) { r.IncrementYards = v; }}},
        {"--range", {&kRangeLimit, [](R& r, double v) { r.RangeYards = v; }}},
        {"--altitude", {&kAltitudeLimit, [](R& r, double v) { r.Inputs.Site.AltitudeFt = v; }}},
        {"--pressure",
         {&kPressureLimit, [](R& r, double v) { r.Inputs.Site.StationPressureInHg = v; }}},
        {"--temperature",
         {&kTemperatureLimit, [](R& r, double v) { r.Inputs.Site.TemperatureF = v; }}},
        {"--humidity",
         {&kHumidityLimit, [](R& r, double v) { r.Inputs.Site.HumidityPercent = v; }}},
        {"--wind", {&kWindLimit, [](R& r, double v) { r.Inputs.WindMph = v; }}},
        {"--angle", {&kAngleLimit, [](R& r, double v) { r.Inputs.ShootingAngleDegrees = v; }}},
        {"--latitude", {&kLatitudeLimit, [](R& r, double v) { r.Inputs.LatitudeDegrees = v; }}},
        {"--azimuth", {&kAzimuthLimit, [](R& r, double v) { r.Inputs.AzimuthDegrees = v; }}},
        {"--powder-temperature",
         {&kPowderTemperatureLimit, [](R& r, double v) { r.Inputs.PowderTemperatureF = v; }}},
        {"--powder-sensitivity",
         {&kPowderSensitivityLimit, [](R& r, double v) { r.Inputs.PowderSensitivityFpsPerF = v; }}},
    };
    return options;
}

std::optional<std::string> SetChoice(SolveRequest& request, std::string_view option,
                                     std::string_view value) {
    if (option == "--drag") {
        if (!EqualsNoCase(value, "G1") && !EqualsNoCase(value, "G7")) {
            return "--drag must be G1 or G7";
        }
        request.Inputs.Drag = EqualsNoCase(value, "G7") ? DragFunction::G7 : DragFunction::G1;
        return std::nullopt;
    }
    if (!EqualsNoCase(value, "icao") && !EqualsNoCase(value, "asm")) {
        return "--bc-reference must be icao or asm";
    }
    request.Inputs.BcReference =
        EqualsNoCase(value, "asm") ? BcAtmosphere::ArmyStandardMetro : BcAtmosphere::Icao;
    return std::nullopt;
}

// Degrees, or clock hours with an "h" ("3h" is 90 degrees, from the right).
std::optional<std::string> SetWindDirection(SolveRequest& request, std::string_view value) {
    const bool clock = !value.empty() && (value.back() == 'h' || value.back() == 'H');
    const std::optional<double> number =
        TryParseDouble(clock ? value.substr(0, value.size() - 1) : value);
    const bool inRange = number && (clock ? *number >= 0 && *number <= 12
                                          : !CheckLimit(*number, kWindDirectionLimit));
    if (!inRange) {
        return "--wind-direction must be degrees from 0 to 360 or clock hours from 0h to 12h";
    }
    request.Inputs.WindFromDegrees = clock ? ClockToDegrees(*number) : *number;
    return std::nullopt;
}

} // namespace

std::optional<std::string> SetSolveOption(SolveRequest& request, std::string_view option,
                                          std::string_view value) {
    const std::string name(option);
    if (!request.Given.insert(name).second) {
        return name + " is given twice";
    }
    if (option == "--drag" || option == "--bc-reference") {
        return SetChoice(request, option, value);
    }
    if (option == "--wind-direction") {
        return SetWindDirection(request, value);
    }
    if (option == "--twist") {
        const std::optional<double> twist = TryParseDouble(value);
        if (!twist || CheckLimit(std::abs(*twist), kTwistLimit)) {
            return "--twist must be from 1 to 100 inches per turn (negative for a left-hand "
                   "twist)";
        }
        request.Inputs.TwistInches = *twist;
        return std::nullopt;
    }
    const auto found = NumberOptions().find(option);
    if (found == NumberOptions().end()) {
        return "unknown option '" + name + "'";
    }
    const std::optional<double> number = TryParseDouble(value);
    if (!number) {
        return name + " wants a number, not '" + std::string(value) + "'";
    }
    if (auto problem = CheckLimit(*number, *found->second.Limit)) {
        return problem->Message;
    }
    found->second.Set(request, *number);
    return std::nullopt;
}

std::optional<std::string> CheckSolveRequest(const SolveRequest& request) {
    const auto given = [&](const char* option) { return request.Given.count(option) > 0; };
    for (const char* option :
         {"--drag", "--bc", "--mv", "--weight", "--sight-height", "--increment", "--range"}) {
        if (!given(option)) {
            return std::string("missing option ") + option;
        }
    }
    if (given("--zero") == given("--bore-angle")) {
        return std::string("give either --zero or --bore-angle");
    }
    if (given("--powder-temperature") != given("--powder-sensitivity")) {
        return std::string("--powder-temperature and --powder-sensitivity go together");
    }
    if (given("--twist") && !(given("--diameter") && given("--length"))) {
        return std::string("--twist needs --diameter and --length for the spin drift");
    }
    if (request.RangeYards / request.IncrementYards >= static_cast<double>(kMaxRanges)) {
        return "at most " + std::to_string(kMaxRanges - 1) +
               " points after the muzzle: raise --increment or lower --range";
    }
    if (auto problem = CheckInputs(request.Inputs, {})) {
        return problem->Message;
    }
    return std::nullopt;
}

std::vector<double> RequestedRanges(const SolveRequest& request) {
    std::vector<double> ranges{0};
    const double count = request.RangeYards / request.IncrementYards;
    if (!(request.IncrementYards >= kIncrementLimit.Low) || !(count < kMaxRanges)) {
        return ranges; // only after CheckSolveRequest has passed is there more to give
    }
    // Counted in whole steps, so that no rounding drifts the last point past the range.
    const auto steps = static_cast<long>(std::floor(request.RangeYards / request.IncrementYards));
    for (long i = 1; i <= steps; ++i) {
        ranges.push_back(static_cast<double>(i) * request.IncrementYards);
    }
    return ranges;
}

} // namespace corvane::precision
