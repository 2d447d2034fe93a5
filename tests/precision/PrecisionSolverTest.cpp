// The precision model against published reference trajectories of independent solvers
// (tests/data/precision/references.txt), and the behaviour no reference covers.
#include "precision/SolveOptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
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

} // namespace
} // namespace corvane::precision
