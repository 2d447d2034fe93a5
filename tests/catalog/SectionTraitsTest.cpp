#include "CatalogTestSupport.h"

#include "catalog/SectionTraits.h"

namespace corvane::test {
namespace {

TEST(SectionTraits, EverySectionHasItsTableTextsAndParts) {
    struct Expected {
        std::size_t recordSize, capacity;
        const char *file, *caption;
        int ballisticsSlot;
        bool gauge;
        const char *styleCaption, *caliberHint, *stylePrompt, *styleShowAll;
    };
    const Expected expected[kSectionCount] = {
        {162, 300, "t00dr.dat", "Centerfire Rifle", 0, false, "Bullet Style", "Pick a Caliber",
         "Pick a bullet style", "** Show all bullet styles **"},
        {162, 100, "t01dr.dat", "Centerfire Pistol", 1, false, "Bullet Style", "Pick a Caliber",
         "Pick a bullet style", "** Show all bullet styles **"},
        {151, 30, "t02dr.dat", "Rimfire", 2, false, "Bullet Style", "Pick a Caliber",
         "Pick a bullet style", "** Show all bullet styles **"},
        {179, 30, "t03dr.dat", "Slug", 3, true, "Slug Style", "Pick a Gauge", "Pick a slug style",
         "** Show all slug styles **"},
        {238, 130, "t04dr.dat", "Shotshell", -1, true, "Pellet Style", "Pick a Gauge",
         "Pick a pellet size", "** Show all pellet sizes **"},
        {194, 30, "t05dr.dat", "Components", -1, false, "Bullet Style", "", "", ""},
    };
    for (int t = 0; t < kSectionCount; ++t) {
        const SectionTraits& traits = Traits(static_cast<CatalogTab>(t));
        const Expected& e = expected[t];
        EXPECT_EQ(traits.recordSize, e.recordSize) << t;
        EXPECT_EQ(EncodeRecord(traits.family, LoadRecord{}).size(), traits.recordSize) << t;
        EXPECT_EQ(traits.capacity, e.capacity) << t;
        EXPECT_STREQ(traits.tableFile, e.file);
        EXPECT_STREQ(traits.caption, e.caption);
        EXPECT_EQ(traits.ballisticsSlot, e.ballisticsSlot) << t;
        EXPECT_EQ(traits.gauge, e.gauge) << t;
        EXPECT_STREQ(traits.styleCaption, e.styleCaption);
        EXPECT_STREQ(traits.List(FilterListKind::Caliber).hint, e.caliberHint);
        EXPECT_STREQ(traits.List(FilterListKind::Style).prompt, e.stylePrompt);
        EXPECT_STREQ(traits.List(FilterListKind::Style).showAll, e.styleShowAll);
    }
    EXPECT_EQ(Traits(CatalogTab::Rifle).List(FilterListKind::Brand).prompt,
              std::string("Pick a brand"));
    const FilterListTexts& types = Traits(CatalogTab::Components).List(kComponentTypeList);
    EXPECT_STREQ(types.prompt, "Pick a component");
    EXPECT_STREQ(types.hint, "Pick a Component"); // the components list is no caliber list
}

} // namespace
} // namespace corvane::test
