// An own load with a catalog load's numbers flies exactly as that load does, in the comparison
// and in the chart's marks, English and Metric.
#include "ballistics/LoadComparison.h"
#include "rifle/OwnLoadInputs.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(OwnLoadComparison, FliesAsTheCatalogLoadWithTheSameNumbers) {
    LoadRecord catalog;
    catalog.LoadNumber = "R308W2 ";
    catalog.BulletWeight = 150;
    catalog.BallisticCoefficient = 0.314;
    catalog.MuzzleVelocity = 2820;
    OwnLoad own;
    own.name = "Mine";
    own.bulletWeight = 150;
    own.ballisticCoefficient = 0.314;
    own.muzzleVelocity = 2820;
    for (const bool english : {true, false}) {
        const PanelTexts panel = english ? PanelTexts{"5000", "20", "10", "100", "500", "200"}
                                         : PanelTexts{"1500", "-5", "4", "50", "400", "100"};
        const ComparedLoad fromCatalog =
            CatalogComparedLoad(CatalogTab::Rifle, catalog, panel, english, 1.5);
        const ComparisonRows rows = LoadComparisonRows(
            CatalogTab::Rifle,
            {fromCatalog, {"Mine", EngineInputsForOwnLoad(panel, own, english, 1.5)}}, panel,
            english, 1.5);
        ASSERT_EQ(rows.size(), 13u); // heading, then a group heading and two loads, four times
        for (std::size_t group = 1; group < rows.size(); group += 3) {
            EXPECT_EQ(rows[group + 1].Cells[0], "R308W2");
            EXPECT_EQ(rows[group + 2].Cells[0], "Mine");
            EXPECT_EQ(std::vector(rows[group + 1].Cells.begin() + 1, rows[group + 1].Cells.end()),
                      std::vector(rows[group + 2].Cells.begin() + 1, rows[group + 2].Cells.end()));
            EXPECT_NE(rows[group + 2].Cells[2], "");
        }
        const EngineInputs inputs = EngineInputsForOwnLoad(panel, own, english, 1.5);
        EXPECT_EQ(EnergyFallsBelow(inputs, 1000, english),
                  EnergyFallsBelow(fromCatalog.Inputs, 1000, english));
        ASSERT_TRUE(EnergyFallsBelow(inputs, 1000, english).has_value());
    }
}

} // namespace
} // namespace corvane
