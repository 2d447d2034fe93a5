// The precision model against published reference trajectories of independent solvers
// (tests/data/precision/references.txt), and the behaviour no reference covers.
#include "precision/SolveOptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>

namespace corvane::precision {
namespace {

constexpr double kInchesPerMoaAt100Yards = 1.0471975511965976;

SolveRequest Request(const std::string& args) {
    SolveRequest request;
    std::istringstream words(args);
    std::string option;
    std::string value;
    while (words >> option >> value) {
        const auto error = SetSolveOption(request, option, value);
        EXPECT_FALSE(error) << *error;
    }
    return request;
}

// Within 0.15 % velocity and 0.1 MOA path to 1000 yd, the zero within 0.05 MOA.
TEST(PrecisionSolver, AgreesWithPublishedReferences) {
    std::ifstream file(std::string(CORVANE_TEST_DATA_DIR) + "/precision/references.txt");
    ASSERT_TRUE(file);
    std::string line;
    std::string name;
    SolveRequest request;
    int checked = 0;
    double worstVelocity = 0;
    double worstPath = 0;
    while (std::getline(file, line)) {
        std::istringstream words(line);
        std::string key;
        words >> key;
        std::string rest;
        std::getline(words >> std::ws, rest);
        if (key == "case") {
            name = rest;
        } else if (key == "args") {
            request = Request(rest);
        } else if (key == "at" || key == "zero") {
            SCOPED_TRACE(name + ": " + line);
            std::istringstream values(rest);
            double range = 0;
            double velocity = 0;
            double path = 0;
            const bool isZero = key == "zero";
            if (isZero) {
                values >> path;
            } else {
                values >> range >> velocity >> path;
            }
            const PrecisionSolution solution = SolvePrecision(request.Inputs, {range});
            ASSERT_EQ(solution.Status, SolveStatus::Complete);
            if (isZero) {
                EXPECT_NEAR(solution.ZeroAngleMoa, path, 0.05);
            } else {
                const PrecisionPoint& point = solution.Points.at(0);
                const double velocityPercent = 100 * std::abs(point.VelocityFps / velocity - 1);
                const double pathMoa =
                    std::abs(point.PathInches - path) / (kInchesPerMoaAt100Yards * range / 100);
                EXPECT_LE(velocityPercent, 0.15) << point.VelocityFps;
                EXPECT_LE(pathMoa, 0.1) << point.PathInches;
                worstVelocity = std::max(worstVelocity, velocityPercent);
                worstPath = std::max(worstPath, pathMoa);
                std::printf("%-36s %5.0f yd  velocity %+.3f %%  path %+.3f MOA\n", name.c_str(),
                            range, 100 * (point.VelocityFps / velocity - 1),
                            (point.PathInches - path) / (kInchesPerMoaAt100Yards * range / 100));
            }
            ++checked;
        } else if (key == "air") {
            SCOPED_TRACE(name);
            std::string ratio;
            std::string sound;
            std::istringstream(rest) >> ratio >> sound;
            const Air air = AirAt(request.Inputs.Site);
            if (ratio != "-") {
                EXPECT_NEAR(air.DensityRatio, std::stod(ratio), 0.001);
            }
            if (sound != "-") {
                EXPECT_NEAR(air.SpeedOfSoundFps, std::stod(sound), 0.5);
            }
            ++checked;
        }
    }
    EXPECT_GE(checked, 80);
    std::printf("worst: velocity %.3f %%, path %.3f MOA\n", worstVelocity, worstPath);
}

constexpr const char* kPlainLoad =
    "--drag G7 --bc 0.3 --mv 2800 --weight 175 --sight-height 1.5 --zero 100 --diameter 0.308 "
    "--length 1.24";

PrecisionPoint At(const std::string& extra, double range) {
    const PrecisionSolution solution =
        SolvePrecision(Request(std::string(kPlainLoad) + " " + extra).Inputs, {range});
    EXPECT_EQ(solution.Status, SolveStatus::Complete) << extra;
    return solution.Points.empty() ? PrecisionPoint{} : solution.Points[0];
}

TEST(PrecisionSolver, EffectsNotAskedForLeaveThePlainTrajectoryBitForBit) {
    const PrecisionPoint plain = At("", 800);
    const PrecisionPoint off = At("--humidity 0 --wind 0 --wind-direction 3h --angle 0 "
                                  "--powder-temperature 59 --powder-sensitivity 1.5",
                                  800);
    EXPECT_EQ(off.VelocityFps, plain.VelocityFps);
    EXPECT_EQ(off.TimeS, plain.TimeS);
    EXPECT_EQ(off.PathInches, plain.PathInches);
    EXPECT_EQ(off.WindageInches, plain.WindageInches);
    EXPECT_EQ(plain.WindageInches, 0);
}

TEST(PrecisionSolver, EachEffectPullsTheRightWay) {
    const PrecisionPoint plain = At("", 800);
    EXPECT_GT(At("--twist 10", 800).WindageInches, 2);   // right-hand twist drifts right
    EXPECT_LT(At("--twist -10", 800).WindageInches, -2); // left-hand to the left
    EXPECT_LT(At("--wind 10 --wind-direction 90", 800).WindageInches, -20); // from the right
    EXPECT_GT(At("--angle 30", 800).PathInches, plain.PathInches + 20);     // up or down, the
    EXPECT_GT(At("--angle -30", 800).PathInches, plain.PathInches + 20);    // path drops less
    EXPECT_GT(At("--latitude 45", 800).WindageInches, 0); // northern hemisphere: right
    EXPECT_LT(At("--latitude -45", 800).WindageInches, 0);
    EXPECT_GT(At("--latitude 45 --azimuth 90", 800).PathInches,
              At("--latitude 45 --azimuth 270", 800).PathInches + 1); // east shots rise
    EXPECT_DOUBLE_EQ(At("--powder-temperature 99 --powder-sensitivity 1.5", 0).VelocityFps, 2860);
    EXPECT_LT(At("--bc-reference asm", 800).VelocityFps, plain.VelocityFps - 5);
    EXPECT_GT(At("--altitude 5000", 800).PathInches, plain.PathInches + 5); // thinner air
}

TEST(PrecisionSolver, RefusesWhatCannotBeSolvedAndAlwaysEnds) {
    SolveRequest far = Request("--drag G1 --bc 0.1 --mv 1000 --weight 40 --sight-height 1.5 "
                               "--zero 2500");
    EXPECT_EQ(SolvePrecision(far.Inputs, {100}).Status, SolveStatus::ZeroOutOfReach);
    far.Inputs.BoreAngleMoa = 0;
    const PrecisionSolution short_ = SolvePrecision(far.Inputs, {100, 5000, 0});
    EXPECT_EQ(short_.Status, SolveStatus::FellShort);
    ASSERT_EQ(short_.Points.size(), 2u); // those reached, in the order asked
    EXPECT_EQ(short_.Points[1].RangeYards, 0);

    const PrecisionInputs good = Request(kPlainLoad).Inputs;
    for (const double bad : {std::nan(""), std::numeric_limits<double>::infinity(), -1000.0, 1e9}) {
        PrecisionInputs in = good;
        in.BallisticCoefficient = bad;
        EXPECT_EQ(SolvePrecision(in, {100}).Status, SolveStatus::InvalidInput) << bad;
        in = good;
        in.Site.TemperatureF = bad;
        EXPECT_EQ(SolvePrecision(in, {100}).Status, SolveStatus::InvalidInput) << bad;
        EXPECT_EQ(SolvePrecision(good, {bad}).Status, SolveStatus::InvalidInput) << bad;
    }
    SolveRequest request;
    for (const auto& [option, value] : {std::pair{"--bc", "nan"},
                                        {"--mv", "1e9"},
                                        {"--wind-direction", "13h"},
                                        {"--drag", "G5"},
                                        {"--twist", "0"},
                                        {"--speed", "1"}}) {
        EXPECT_TRUE(SetSolveOption(request, option, value)) << option << ' ' << value;
    }
    EXPECT_EQ(
        CheckSolveRequest(Request(std::string(kPlainLoad) + " --increment 1 --range 1000 "
                                                            "--twist 7 --powder-temperature 90")),
        "--powder-temperature and --powder-sensitivity go together");
}

} // namespace
} // namespace corvane::precision
