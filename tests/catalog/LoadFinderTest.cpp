// Quick find's ranking of the loads a typed text finds.
#include "catalog/LoadFinder.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(LoadFinder, WholeNumbersAndBeginningsFirstThenInsideNumbersAndCaliberNames) {
    const std::vector<QuickFindEntry> entries{
        {"R2506A", "", CatalogTab::Rifle, ".25-06 Remington"},
        {"R25", "", CatalogTab::Rifle, ".25 Auto"},
        {"H308S125 ", "", CatalogTab::Rifle, ".308 Winchester"},
        {"308X", "", CatalogTab::Pistol, "Other"},
        {"V22", "", CatalogTab::Rifle, ".308 Winchester"},
        {"S12X", "4 5 6", CatalogTab::Shotshell, "12 Gauge"}};
    EXPECT_EQ(FindLoadNumber(entries, "r25")->LoadNumber, "R25");
    EXPECT_EQ(FindLoadNumber(entries, " r250")->LoadNumber, "R2506A");
    EXPECT_EQ(FindLoadNumber(entries, "s1")->ShotKey, "4 5 6");
    EXPECT_EQ(RankQuickFind(entries, "308"), (std::vector<std::size_t>{3, 2, 4}));
    EXPECT_EQ(RankQuickFind(entries, "gauge"), (std::vector<std::size_t>{5}));
    EXPECT_FALSE(FindLoadNumber(entries, "Z").has_value());
    EXPECT_FALSE(FindLoadNumber(entries, "  ").has_value());
    EXPECT_EQ(QuickFindOfferText(entries[2]), "H308S125   .308 Winchester");
    EXPECT_EQ(QuickFindMissText(" zz "), "No load number or caliber holds zz.");
    EXPECT_EQ(QuickFindMissText("  "), "");
}

} // namespace
} // namespace corvane
