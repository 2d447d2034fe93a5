// The range card under the precision model against the tool's `solve` output for the same load
// and conditions (tests/data/tool/solve-g7-all-effects), and the bullet an own load gives it.
#include "rifle/PrecisionCard.h"

#include "common/UnitConversion.h"
#include "rifle/PrecisionEntries.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

namespace corvane {
namespace {

// Each "key": value of the JSON, in order.
std::map<std::string, std::vector<double>> SolveColumns() {
    std::ifstream file(CORVANE_TEST_DATA_DIR "/tool/solve-g7-all-effects/expected-output");
    std::map<std::string, std::vector<double>> columns;
    std::string line;
    while (std::getline(file, line)) {
        const auto open = line.find('"');
        const auto close = line.find("\": ");
        if (open != std::string::npos && close != std::string::npos) {
            std::istringstream value(line.substr(close + 3));
            double number = 0;
            if (value >> number) {
                columns[line.substr(open + 1, close - open - 1)].push_back(number);
            }
        }
    }
    return columns;
}

TEST(PrecisionCard, AgreesWithTheSolveCommandAtItsRows) {
    OwnLoad load;
    load.bulletWeight = 175;
    load.ballisticCoefficient = 0.5; // G1, not used: the G7 coefficient is known
    load.g7Coefficient = 0.3;
    load.muzzleVelocity = 2800;
    load.bulletDiameter = 0.308;
    load.bulletLength = 1.24;
    load.twist = 10;
    load.powderSensitivity = 1.2;
    const PrecisionBullet bullet = PrecisionBulletOf(load);
    EXPECT_EQ(DragText(bullet), "G7, BC 0.300 (ICAO)");
    EXPECT_EQ(DragText(PrecisionBulletOf(OwnLoad{})), "G1, BC 0.400 (ICAO)");

    RangeCardRequest request;
    request.inputs.MuzzleVelocity = load.muzzleVelocity;
    request.inputs.BulletWeight = load.bulletWeight;
    request.inputs.Altitude = 3000;
    request.inputs.Temperature = 40;
    request.inputs.SightHeight = 1.5;
    request.step = 250;
    request.holdWindMph = 10;
    PrecisionConditions conditions;
    conditions.stationPressureInHg = 26.5;
    conditions.humidityPercent = 50;
    conditions.shootingAngleDegrees = 5;
    conditions.latitudeDegrees = 45;
    conditions.azimuthDegrees = 90; // wind from 3 o'clock and the powder at the air's 40 F
    const RangeCard card = BuildPrecisionCard(request, bullet, conditions);

    auto solve = SolveColumns();
    ASSERT_EQ(card.rows.size(), 5u);
    ASSERT_EQ(solve["path_in"].size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        const RangeCardRow& row = card.rows[i];
        SCOPED_TRACE(row.range);
        EXPECT_EQ(row.range, solve["range_yd"][i]);
        EXPECT_NEAR(row.path, solve["path_in"][i], 0.005);
        EXPECT_NEAR(row.velocity, solve["velocity_fps"][i], 0.05);
        EXPECT_NEAR(row.time, solve["time_s"][i], 0.00005);
        if (i > 0) {
            EXPECT_NEAR(*row.comeUp, solve["come_up_moa"][i], 0.005);
            // Held into the wind, to the right for a wind from the right.
            EXPECT_NEAR(*row.windHold * kMoaInchesPerFoot * row.range * 3, -solve["windage_in"][i],
                        0.005);
        }
    }
    // The chart's samples and the comparison's values meet the same points.
    EngineInputs table = request.inputs;
    table.RangeCount = 4;
    table.Increment = 750; // feet
    table.ZeroRange = 100;
    table.Crosswind = 10;
    const BallisticResults points = PrecisionTablePoints(table, bullet, conditions);
    const FineTrajectory fine =
        SamplePrecisionTrajectory(table, {250, 1000, 100}, true, bullet, conditions);
    ASSERT_EQ(points.RangeCount, 4);
    ASSERT_EQ(fine.Samples.size(), 4u * fine.PerIncrement + 1);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_NEAR(points.Velocity[i], solve["velocity_fps"][i], 0.05);
        EXPECT_NEAR(points.Drift[i], -solve["windage_in"][i], 0.005);
        const TrajectorySample& sample = fine.Samples[i * fine.PerIncrement];
        EXPECT_EQ(sample.Range, solve["range_yd"][i]);
        EXPECT_NEAR(sample.Trajectory, solve["path_in"][i], 0.005);
    }
    ASSERT_TRUE(card.pointBlank.has_value());
    EXPECT_GT(card.pointBlank->range, card.pointBlank->zeroRange);
}

TEST(PrecisionCard, EntriesRefusedWithTheirRangeAndUnit) {
    EXPECT_EQ(CheckPrecisionEntry(PrecisionEntry::Humidity, "120", true).message,
              "Humidity must be from 0 to 100 %.");
    const FieldCheck pressure = CheckPrecisionEntry(PrecisionEntry::StationPressure, "30", false);
    EXPECT_EQ(pressure.message, "Station pressure must be from 169.32 to 1185.24 hPa, or blank "
                                "for the standard pressure at the altitude.");
    EXPECT_EQ(pressure.text, "");
    EXPECT_TRUE(CheckPrecisionEntry(PrecisionEntry::Latitude, " ", true).accepted);
    EXPECT_FALSE(CheckPrecisionEntry(PrecisionEntry::WindClock, "13", true).accepted);
    EXPECT_EQ(ReadPrecisionEntries({"", "1013", "", "12", "", ""}, false).windClockHours, 12);
}

} // namespace
} // namespace corvane
