// solve: the precision model's trajectory of one load, as JSON.
#include "Commands.h"

#include "precision/SolveOptions.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <string>

namespace corvane::tool {

namespace {

using Json = nlohmann::ordered_json;
using namespace corvane::precision;

constexpr const char* kSolveUsage =
    "usage: corvane-catalog-tool solve --drag G1|G7 --bc X --mv FPS --weight GR\n"
    "         [--diameter IN] [--length IN] [--twist IN] --sight-height IN --zero YD\n"
    "         --increment YD --range YD [--altitude FT] [--pressure INHG] [--temperature F]\n"
    "         [--humidity PCT] [--wind MPH] [--wind-direction DEG] [--angle DEG]\n"
    "         [--latitude DEG] [--azimuth DEG]\n"
    "         [--powder-temperature F --powder-sensitivity FPS_PER_F] [--bc-reference icao|asm]\n"
    "  --bc-reference   the air the BC is stated for: ICAO (default) or Army Standard Metro\n"
    "  --twist          inches per turn, negative for a left-hand twist; needs --diameter and\n"
    "                   --length (spin drift)\n"
    "  --pressure       station pressure, what a barometer at the site reads; default the\n"
    "                   standard pressure at --altitude (and --temperature the standard one)\n"
    "  --wind-direction where the wind comes from, clockwise from the line of fire: 0 from the\n"
    "                   target, 90 (or 3h, 3 o'clock) from the right, 180 from behind\n"
    "  --angle          the line of sight's angle up (positive) or down; path and come-up are\n"
    "                   along the line of sight\n"
    "  --latitude       turns on Coriolis and Eotvos; --azimuth the shot's bearing from north\n"
    "  --powder-temperature with --powder-sensitivity: the muzzle velocity changes by that many\n"
    "                   ft/s per degree F away from 59 F, where --mv is taken to be measured\n"
    "  Humidity 0 and no wind, angle, twist or latitude mean none of those effects.\n";

int UsageError(const std::string& message) {
    std::fprintf(stderr, "corvane-catalog-tool solve: %s\n%s", message.c_str(), kSolveUsage);
    return 2;
}

// Printed to a fixed number of decimals, so that the output is the same on every machine.
double Rounded(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(value * scale) / scale;
    return rounded == 0 ? 0.0 : rounded; // no "-0.0"
}

} // namespace

int RunSolve(const Args& args) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::fputs(kSolveUsage, stdout);
        return 0;
    }
    SolveRequest request;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) {
            return UsageError("option " + args[i] + " needs a value");
        }
        if (const auto error = SetSolveOption(request, args[i], args[i + 1])) {
            return UsageError(*error);
        }
    }
    if (const auto error = CheckSolveRequest(request)) {
        return UsageError(*error);
    }
    const PrecisionSolution solution = SolvePrecision(request.Inputs, RequestedRanges(request));
    if (solution.Status == SolveStatus::InvalidInput) {
        return UsageError(solution.Problem ? solution.Problem->Message : "unusable input");
    }
    if (solution.Status == SolveStatus::ZeroOutOfReach) {
        std::fprintf(stderr, "corvane-catalog-tool solve: no bore angle reaches a zero at %g yd\n",
                     request.Inputs.ZeroRangeYards);
        return 1;
    }
    Json points = Json::array();
    for (const PrecisionPoint& point : solution.Points) {
        Json row;
        row["range_yd"] = point.RangeYards;
        row["velocity_fps"] = Rounded(point.VelocityFps, 1);
        row["energy_ftlb"] = Rounded(point.EnergyFtLb, 1);
        row["time_s"] = Rounded(point.TimeS, 4);
        row["path_in"] = Rounded(point.PathInches, 2);
        row["windage_in"] = Rounded(point.WindageInches, 2);
        row["come_up_moa"] = Rounded(point.ComeUpMoa, 2);
        points.push_back(row);
    }
    Json document;
    document["points"] = points;
    document["zero_angle_moa"] = Rounded(solution.ZeroAngleMoa, 4);
    document["density_altitude_ft"] = Rounded(solution.Conditions.DensityAltitudeFt, 0);
    std::printf("%s\n", document.dump(2).c_str());
    if (solution.Status == SolveStatus::FellShort) {
        std::fprintf(stderr,
                     "corvane-catalog-tool solve: the bullet stops before %g yd; the points "
                     "reached are printed\n",
                     request.RangeYards);
        return 1;
    }
    return 0;
}

} // namespace corvane::tool
