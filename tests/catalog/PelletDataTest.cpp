#include "catalog/PelletData.h"

#include "CatalogTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using ::testing::ElementsAre;

// An index whose line k names entry k - 1, so shot size ID e + 1 gives entry e.
std::vector<int> IdentityIndex() {
    std::vector<int> index;
    for (int entry = 0; entry < 24; ++entry) {
        index.push_back(entry);
    }
    return index;
}

LoadRecord Shotshell(double ounces, std::initializer_list<int> shotSizeIds,
                     std::string shotSizeText = "7 1/2") {
    LoadRecord load;
    load.LoadNumber = "XT12";
    load.ShotWeight = ounces;
    load.ShotSizeText = std::move(shotSizeText);
    for (int id : shotSizeIds) {
        load.ShotSizeFlags[static_cast<std::size_t>(id)] = true;
    }
    return load;
}

TEST(PelletDataTest, LeadCountsRoundHalvesToEven) {
    const PelletTable oneEighth =
        BuildPelletTable(Shotshell(1.125, {12}), IdentityIndex(), "Lead", true);
    ASSERT_EQ(oneEighth.rows.size(), 1u);
    EXPECT_EQ(oneEighth.rows[0].name, "7.5");
    EXPECT_EQ(oneEighth.rows[0].countText, "394"); // 393.75
    EXPECT_EQ(oneEighth.rows[0].diameterText, "0.095");
    EXPECT_EQ(oneEighth.loadCaption, "Load:  XT12  Weight:  1.125 oz.");

    const PelletTable quarter =
        BuildPelletTable(Shotshell(1.25, {14}), IdentityIndex(), "Plated lead", true);
    EXPECT_EQ(quarter.rows[0].countText, "621"); // 621.25

    // 1.5 oz of entry 15 ("9", 585 per ounce) is 877.5 exactly: the half goes to even.
    const PelletTable half = BuildPelletTable(Shotshell(1.5, {15}), IdentityIndex(), "LEAD", true);
    EXPECT_EQ(half.rows[0].countText, "878");
    const PelletTable half2 = BuildPelletTable(Shotshell(0.5, {3}), IdentityIndex(), "lead", true);
    EXPECT_EQ(half2.rows[0].countText, "22"); // 43 * 0.5 = 21.5
}

TEST(PelletDataTest, SteelRowsInEnglishAndMetric) {
    // Shot size IDs 2 and 5 mapped by the index file to entries 3 and 7.
    const std::vector<int> index{0, 3, 0, 0, 7};
    const LoadRecord load = Shotshell(1.0, {2, 5});

    const PelletTable english = BuildPelletTable(load, index, "Steel", true);
    EXPECT_THAT(english.headings,
                ElementsAre("Shot Size", "Typical Pellet Count", "Pellet Size in Inches"));
    EXPECT_THAT(PelletGridCells(english),
                ElementsAre(ElementsAre("    BB", "        72", "        0.180"),
                            ElementsAre("    4", "        192", "        0.130")));

    const PelletTable metric = BuildPelletTable(Shotshell(1.125, {2}), index, "Steel", false);
    EXPECT_EQ(metric.headings.back(), "Pellet Size in Centimeters");
    EXPECT_EQ(metric.rows[0].diameterText, "0.46");
    EXPECT_EQ(metric.weightText, "31.90 Grams");
    EXPECT_EQ(metric.loadCaption, "Load:  XT12  Weight:  31.90 Grams");
}

TEST(PelletDataTest, MaterialClassesAndUnofferedShot) {
    EXPECT_EQ(ShotMaterialOf("Hevi tungsten-iron"), ShotMaterial::Tungsten);
    EXPECT_EQ(ShotMaterialOf("Plated steel"), ShotMaterial::Steel);
    EXPECT_EQ(ShotMaterialOf("Steel over lead"), ShotMaterial::Lead);
    EXPECT_EQ(ShotMaterialOf(""), ShotMaterial::None);

    // Tungsten "7" (entry 10) is not offered: count 0, not "---".
    const PelletTable tungsten =
        BuildPelletTable(Shotshell(1.0, {11}), IdentityIndex(), "Tungsten", true);
    EXPECT_EQ(tungsten.rows[0].countText, "0");

    const PelletTable none =
        BuildPelletTable(Shotshell(1.0, {4, 10}), IdentityIndex(), "Bismuth", true);
    EXPECT_THAT(PelletGridCells(none),
                ElementsAre(ElementsAre("    BB", "        ---", "        0.180"),
                            ElementsAre("    6", "        ---", "        0.110")));
    EXPECT_FALSE(none.rows[0].count.has_value());
}

TEST(PelletDataTest, BuckshotHasTwoColumns) {
    const PelletTable buck = BuildPelletTable(Shotshell(1.5, {17, 18}, "12 Pellets - 00 Buck"),
                                              IdentityIndex(), "Lead", true);
    EXPECT_TRUE(buck.buckshot);
    EXPECT_THAT(buck.headings, ElementsAre("Buck Shot", "Pellet Size in Inches"));
    EXPECT_THAT(PelletGridCells(buck), ElementsAre(ElementsAre("    000", "        0.360"),
                                                   ElementsAre("    00", "        0.330")));
    // Buckshot entries have no pellets per ounce: a count of 0 rather than a read past the table.
    EXPECT_EQ(buck.rows[0].countText, "0");
}

TEST(PelletDataTest, BadIndexLinesGiveNoRow) {
    // ID 1 -> entry 24 (outside the table), ID 2 -> -1, ID 3 -> entry 23, ID 9 has no line.
    const std::vector<int> index{24, -1, 23};
    const PelletTable table =
        BuildPelletTable(Shotshell(1.0, {1, 2, 3, 9, 29}), index, "Lead", true);
    ASSERT_EQ(table.rows.size(), 1u);
    EXPECT_EQ(table.rows[0].name, "blank");
    EXPECT_EQ(table.rows[0].countText, "0");
    EXPECT_THAT(table.unmappedShotSizeIds, ElementsAre(1, 2, 9, 29));

    const PelletTable noFlags = BuildPelletTable(Shotshell(1.0, {}), index, "Lead", true);
    EXPECT_TRUE(noFlags.rows.empty());
    EXPECT_EQ(noFlags.headings.size(), 3u);
}

TEST(PelletDataTest, PelletDiameterOfFirstShotSize) {
    const std::vector<int> index{0, 17, 16};
    EXPECT_FLOAT_EQ(*PelletDiameter(Shotshell(1.0, {3, 2}), index, true), 0.330f);
    EXPECT_NEAR(*PelletDiameter(Shotshell(1.0, {3, 2}), index, false), 0.33 * 2.54, 1e-6);
    EXPECT_EQ(*PelletDiameter(Shotshell(1.0, {}), index, true), 0.0);
    EXPECT_FALSE(PelletDiameter(Shotshell(1.0, {7}), index, true).has_value());
}

TEST(PelletDataTest, ReadsIndexAndMaterialFromCatalog) {
    test::TempProgramDir dir;
    LoadRecord load = Shotshell(1.0, {1, 2});
    load.MaterialId = 1;
    test::WriteTable(dir.Data() / "t04dr.dat", RecordFamily::Shotshell, {load});
    test::WriteFile(dir.Data() / "t4pm.lst", "Lead\r\nSteel\r\n");
    test::WriteFile(dir.Data() / "t4indx.lst", " 3 \r\nx\r\n");
    test::RecordingPrompts prompts;
    Catalog catalog(dir.Root(), prompts);

    EXPECT_THAT(PelletGridCells(BuildPelletTable(catalog, 0, true).Value()),
                ElementsAre(ElementsAre("    BB", "        72", "        0.180"),
                            ElementsAre("    F", "        40", "        0.220")));
    EXPECT_EQ(BuildPelletTable(catalog, 1, true).Error().kind, ReadError::Kind::MissingEntry);

    std::filesystem::remove(dir.Data() / "t4indx.lst");
    EXPECT_EQ(BuildPelletTable(catalog, 0, true).Error().file, dir.Data() / "t4indx.lst");
}

} // namespace
} // namespace corvane
