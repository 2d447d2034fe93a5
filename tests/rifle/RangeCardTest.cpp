// The range card against the grid and the load report, its clicks, and the maximum point-blank
// range against a search over every zero.
#include "rifle/RangeCard.h"

#include "common/NumberText.h"
#include "report/LoadReport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace corvane {
namespace {

LoadRecord RifleLoad() {
    LoadRecord load;
    load.BulletWeight = 150;
    load.BallisticCoefficient = 0.415;
    load.MuzzleVelocity = 2910;
    return load;
}

// At the grid's range points the card shows the grid's path and velocity and the report's zero
// adjustments, whether its rows step by the grid's increment or finer.
TEST(RangeCard, AgreesWithTheGridAndTheReportAtTheGridsPoints) {
    struct Case {
        bool english;
        PanelTexts panel;
    };
    for (const Case& c : {Case{true, {"0", "59", "10", "100", "500", "200"}},
                          Case{false, {"1500", "-5", "4", "100", "500", "100"}}}) {
        SCOPED_TRACE(c.english ? "English" : "Metric");
        const double sightHeight = 1.5;
        const EngineInputs grid =
            EngineInputsFromPanel(c.panel, CatalogTab::Rifle, RifleLoad(), c.english, sightHeight);
        const BallisticResults table = ComputeBallistics(grid);
        const std::vector<std::string> zeroAdjustments =
            ZeroAdjustmentRow(RifleLoad(), CatalogTab::Rifle, c.panel, c.english, sightHeight, 5)
                .Values;
        ASSERT_EQ(zeroAdjustments.size(), 6u); // "n/a" at the muzzle, then the five ranges
        const double length = c.english ? 1.0 : 2.54;

        for (const std::int32_t step : {100, 25}) {
            RangeCardRequest request;
            request.inputs = grid;
            request.english = c.english;
            request.gridIncrement = 100;
            request.step = step;
            request.maxRange = 500;
            request.zeroAt = ParseIntDef(c.panel.ZeroAt, 0);
            const RangeCard card = BuildRangeCard(request);
            ASSERT_EQ(card.rows.size(), static_cast<std::size_t>(500 / step + 1));
            for (int point = 1; point <= 5; ++point) {
                const RangeCardRow& row = card.rows[static_cast<std::size_t>(point * 100 / step)];
                const auto index = static_cast<std::size_t>(point);
                EXPECT_EQ(row.range, point * 100);
                EXPECT_EQ(row.path, table.Trajectory[index] * length) << row.range;
                EXPECT_EQ(row.velocity / (c.english ? 1.0 : 0.3048), table.Velocity[index]);
                ASSERT_TRUE(row.comeUp.has_value());
                EXPECT_EQ(FormatFixed(*row.comeUp, 1),
                          zeroAdjustments[static_cast<std::size_t>(point)])
                    << row.range;
            }
        }
    }
}

TEST(RangeCard, ClicksMilsAndRowsWithoutAnswers) {
    EXPECT_EQ(ClicksFor(1.37, 0.25), 5);
    EXPECT_EQ(ClicksFor(-1.37, 0.25), -5);
    EXPECT_EQ(ClicksFor(0.125, 0.25), 1); // a half click rounds away from zero

    RangeCardRequest request;
    request.inputs = EngineInputsFromPanel({"0", "59", "10", "100", "1000", "200"},
                                           CatalogTab::Rifle, RifleLoad(), true, 1.5);
    request.gridIncrement = 100;
    request.zeroAt = 200;
    const RangeCard moa = BuildRangeCard(request);
    request.unit = AdjustmentUnit::Mil;
    request.click = 0.1;
    const RangeCard mil = BuildRangeCard(request);
    ASSERT_EQ(mil.rows.size(), 11u);
    EXPECT_FALSE(mil.rows[0].comeUp.has_value()); // no angle at the muzzle
    EXPECT_NEAR(*mil.rows[2].comeUp, 0, 1e-9);
    for (std::size_t i = 1; i < mil.rows.size(); ++i) {
        EXPECT_DOUBLE_EQ(*mil.rows[i].comeUp, *moa.rows[i].comeUp * kMilPerMoa);
        EXPECT_EQ(*mil.rows[i].clicks, std::lround(*mil.rows[i].comeUp / 0.1));
        EXPECT_GT(*mil.rows[i].windHold, 0);
    }
    EXPECT_GT(*mil.rows[10].comeUp, *mil.rows[5].comeUp); // dial up with the range

    request.step = 5;
    EXPECT_EQ(BuildRangeCard(request).problem, RangeCardProblem::TooManyRows);
    request.step = 0;
    EXPECT_EQ(BuildRangeCard(request).problem, RangeCardProblem::NoSteps);
    request.step = 100;
    request.inputs.MuzzleVelocity = 0;
    EXPECT_EQ(BuildRangeCard(request).problem, RangeCardProblem::LoadCannotFly);
}

// The farthest range within the zone over every zero range in 1-yard steps, each flown by the
// engine with its own zero; the path between its 10-yard points taken as straight.
double BruteForcePointBlank(EngineInputs inputs, double zone) {
    inputs.Increment = 30;
    inputs.RangeCount = 100;
    double best = 0;
    for (int zero = 50; zero <= 450; ++zero) {
        inputs.ZeroRange = zero;
        const BallisticResults r = ComputeBallistics(inputs);
        bool entered = false;
        for (int i = 1; i <= r.RangeCount && r.Velocity[static_cast<std::size_t>(i)] > 0; ++i) {
            const double before = r.Trajectory[static_cast<std::size_t>(i - 1)];
            const double after = r.Trajectory[static_cast<std::size_t>(i)];
            entered = entered || after >= -zone / 2;
            if (entered && (after > zone / 2 || after < -zone / 2)) {
                const double edge = after > zone / 2 ? zone / 2 : -zone / 2;
                best = std::max(best, 10 * (i - 1 + (edge - before) / (after - before)));
                break;
            }
        }
    }
    return best;
}

TEST(RangeCard, MaximumPointBlankAgreesWithASearchOverEveryZero) {
    for (const double zone : {6.0, 10.0}) {
        const EngineInputs inputs = EngineInputsFromPanel(
            {"0", "59", "10", "100", "500", "200"}, CatalogTab::Rifle, RifleLoad(), true, 1.5);
        const std::optional<PointBlank> found = MaximumPointBlank(inputs, zone, true);
        ASSERT_TRUE(found.has_value());
        EXPECT_NEAR(found->range, BruteForcePointBlank(inputs, zone), 1.0) << zone;
        EXPECT_GT(found->zeroRange, 100);
        EXPECT_LT(found->zeroRange, found->range);
    }
}

} // namespace
} // namespace corvane
