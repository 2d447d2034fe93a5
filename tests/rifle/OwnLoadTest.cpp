// An own load started from a catalog row, and the own loads window's entry rules: the limits
// in the unit on show, rounded inward, and the English value kept.
#include "rifle/OwnLoadEntry.h"
#include "rifle/OwnLoadFromCatalog.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(OwnLoadFromCatalog, TakesTheRowsNumbersWithSlugOuncesInGrains) {
    LoadRecord rifle;
    rifle.LoadNumber = "R308A ";
    rifle.BulletWeight = 150;
    rifle.BallisticCoefficient = 0.415;
    rifle.MuzzleVelocity = 2820;
    rifle.BarrelLength = 24;
    const auto own = OwnLoadFromCatalog(rifle, CatalogTab::Rifle, "Tarvo", "308 Win \xE9");
    ASSERT_TRUE(own.has_value());
    EXPECT_EQ(own->name, "Tarvo R308A");
    EXPECT_EQ(own->caliber, "308 Win \xC3\xA9"); // UTF-8 from the catalog's Windows-1252
    EXPECT_EQ(own->bulletWeight, 150);
    EXPECT_EQ(own->ballisticCoefficient, 0.415);
    EXPECT_EQ(own->muzzleVelocity, 2820);

    LoadRecord slug;
    slug.BulletWeight = 99; // not a slug's field
    slug.SlugWeight = 1.25;
    slug.BallisticCoefficient = 0.1;
    slug.MuzzleVelocity = 1600;
    EXPECT_DOUBLE_EQ(OwnLoadFromCatalog(slug, CatalogTab::Slug, "B", "12 Gauge")->bulletWeight,
                     546.875);

    slug.BallisticCoefficient = 0; // an own load must have one
    EXPECT_FALSE(OwnLoadFromCatalog(slug, CatalogTab::Slug, "B", "12 Gauge").has_value());
    EXPECT_FALSE(OwnLoadFromCatalog(rifle, CatalogTab::Shotshell, "B", "12").has_value());
}

TEST(OwnLoadEntry, MetricEntriesCheckedInwardAndKeptInEnglish) {
    // 1 to 1000 grains is 0.0648 to 64.799 g: the message offers only values that are kept.
    const FieldCheck low = CheckOwnFieldEntry(OwnField::BulletWeight, "0.06", false, 150);
    EXPECT_FALSE(low.accepted);
    EXPECT_EQ(low.message, "Bullet weight must be from 0.07 to 64.79 grams.");
    EXPECT_EQ(low.text, "9.72"); // the previous 150 gr, shown again
    const FieldCheck ok = CheckOwnFieldEntry(OwnField::BulletWeight, " 10.894 g", false, 150);
    ASSERT_TRUE(ok.accepted);
    EXPECT_EQ(ok.text, "10.89");
    EXPECT_TRUE(CheckOwnFieldEntry(OwnField::BulletWeight, "64.79", false, 150).accepted);
    EXPECT_NEAR(*OwnFieldValue(OwnField::BulletWeight, "64.79", false), 999.862, 1e-3);

    // The zero's high end converts to just above 1000 yards and is kept at the limit.
    EXPECT_EQ(CheckOwnFieldEntry(OwnField::ZeroRange, "5000", false, 100).message,
              "Zero range must be from 9.2 to 914.4 meters.");
    EXPECT_EQ(*OwnFieldValue(OwnField::ZeroRange, "914.4", false), 1000);
    EXPECT_EQ(OwnFieldText(OwnField::ZeroRange, 100, false), "91.4");

    // An unknown optional number is empty, a required one is not.
    EXPECT_TRUE(CheckOwnFieldEntry(OwnField::Twist, " ", true, 10).accepted);
    EXPECT_FALSE(OwnFieldValue(OwnField::Twist, "", true).has_value());
    EXPECT_EQ(CheckOwnFieldEntry(OwnField::Twist, "0", true, std::nullopt).message,
              "Twist must be from 1 to 100 inches per turn, or empty when not known.");
    EXPECT_FALSE(CheckOwnFieldEntry(OwnField::MuzzleVelocity, "", true, 2800).accepted);
    EXPECT_EQ(CheckOwnFieldEntry(OwnField::Click, "3", true, 0.1, AdjustmentUnit::Mil).message,
              "Click value must be from 0.01 to 2 mil.");
}

} // namespace
} // namespace corvane
