// The range card as the window and the printed card show it, against tests/data: an own load on
// a rifle profile from a start range, a catalog load in Metric mil without a rifle, and a card
// asked for too many rows.
#include "rifle/RangeCardPage.h"

#include "catalog/CatalogTestSupport.h"
#include "common/Cp1252.h"
#include "rifle/PrecisionEntries.h"
#include "rifle/RangeCardText.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

std::string PageOf(const CardLoad& load, const RangeCardChoices& choices) {
    const RangeCard card = BuildChosenCard(load, choices);
    return Cp1252ToUtf8(RangeCardPageText(BuildRangeCardPage(load, choices, card)));
}

TEST(RangeCardPage, ShowsTheCardOfAnOwnOrCatalogLoadAsTheDataFileHasIt) {
    CardLoad own{"Mountain 150", CatalogTab::Rifle, std::nullopt, OwnLoad{}};
    own.own->bulletWeight = 150;
    own.own->ballisticCoefficient = 0.415;
    own.own->muzzleVelocity = 2910;
    RangeCardChoices english;
    english.panel = {"4000", "30", "10", "50", "600", "100"};
    english.rifle = RifleProfile{"Mountain rifle", 1.5, 200, AdjustmentUnit::Moa, 0.25};
    english.start = 100;
    english.step = 50;
    english.maxRange = 600;
    english.energyThreshold = kElkEnergyFtLbf;

    LoadRecord record;
    record.BulletWeight = 55;
    record.BallisticCoefficient = 0.245;
    record.MuzzleVelocity = 3240;
    const CardLoad catalog{"R223R1", CatalogTab::Rifle, record, std::nullopt};
    RangeCardChoices metric;
    metric.english = false;
    metric.panel = {"500", "-5", "4", "100", "300", "100"};
    metric.sectionSightHeight = 1.75;
    metric.step = 25;
    metric.maxRange = 300;
    metric.unit = AdjustmentUnit::Mil;
    metric.click = 0.1;
    metric.vitalZone = DefaultVitalZone(false);
    metric.energyThreshold = ShownEnergy(kDeerEnergyFtLbf, false);

    RangeCardChoices tooMany = metric;
    tooMany.step = 2;
    // The own load under the precision model: its G1 coefficient, humid air, a downhill shot.
    RangeCardChoices precise = english;
    precise.model = BallisticModel::Precision;
    precise.precision = ReadPrecisionEntries({"60", "", "-10", "9", "", "0"}, true);

    const std::string pages = PageOf(own, english) + "--\n" + PageOf(catalog, metric) + "--\n" +
                              PageOf(catalog, tooMany) + "--\n" + PageOf(CardLoad{}, english) +
                              "--\n" + PageOf(own, precise) +
                              RangeCardCsv(BuildChosenCard(own, precise), precise.model);
    EXPECT_EQ(pages, test::ReadFile(CORVANE_TEST_DATA_DIR "/range-card-pages.txt"));

    // The window's entries carried to the other units.
    EXPECT_EQ(VitalZoneInUnits(6, false), 15);
    EXPECT_EQ(VitalZoneInUnits(8, false), 20.3);
    EXPECT_EQ(VitalZoneInUnits(20.3, true), 8);
    EXPECT_EQ(EnergyInUnits(1500, false), 2034);
    EXPECT_EQ(EnergyInUnits(2034, true), 1500);
}

} // namespace
} // namespace corvane
