#include "CatalogTestSupport.h"

#include "catalog/FilterLists.h"
#include "catalog/SectionFilters.h"

#include <gmock/gmock.h>

namespace corvane::test {
namespace {

using ::testing::ElementsAre;

LoadRecord Load(const std::string& number, int brand, int caliber, int bullet, int usage,
                int weight, int year = 2004) {
    LoadRecord r;
    r.LoadNumber = number;
    r.BrandId = brand;
    r.CaliberId = caliber;
    r.BulletStyleId = bullet;
    r.SlugStyleId = bullet;
    r.UsageFlags[static_cast<std::size_t>(usage)] = true;
    r.BulletWeight = weight;
    r.YearIntroduced = year;
    return r;
}

std::vector<std::string> Texts(const FilterBox& box) {
    std::vector<std::string> texts;
    for (const auto& item : box.items) {
        texts.push_back(item.text);
    }
    return texts;
}

std::vector<int> ShownIndexes(const ShownLoads& shown) {
    std::vector<int> indexes;
    for (const auto& entry : shown.Entries()) {
        indexes.push_back(entry.recordIndex);
    }
    return indexes;
}

void Select(FilterBox& box, const std::string& text) {
    for (std::size_t i = 0; i < box.items.size(); ++i) {
        if (box.items[i].text == text) {
            box.selected = static_cast<int>(i);
            return;
        }
    }
    FAIL() << "no item " << text;
}

class FilterListsTest : public ::testing::Test {
protected:
    TempProgramDir dir;
    RecordingPrompts prompts;
    Catalog catalog{dir.Root(), prompts};
    FilterBox brand, usage, bullet, caliber;
    ShownLoads shown;

    void SetUp() override {
        // Brand IDs 2, 3, 4; "alpha" repeats "Alpha" in another case.
        WriteFile(dir.Data() / "t0br.lst", "Alpha\r\nBeta\r\nalpha\r\n");
        WriteFile(dir.Data() / "t0ca.lst", "Cal1\r\nCal2\r\nCal3\r\n");
        WriteFile(dir.Data() / "t0bu.lst", "SP\r\nFMJ\r\n");
        WriteFile(dir.Data() / "t0us.lst", "Varmint\r\nDeer\r\n");
        WriteTable(dir.Data() / "t00dr.dat", RecordFamily::BulletLoad,
                   {Load("C1", 4, 1, 2, 1, 150), Load("B1", 3, 2, 2, 2, 55, 2005),
                    Load("A1", 2, 1, 1, 1, 150), Load("D1", 3, 3, 1, 2, 9)});
    }

    void Build(CatalogTab tab = CatalogTab::Rifle) {
        BuildFilterLists(catalog, tab, brand, usage, bullet, caliber, shown);
    }
};

TEST_F(FilterListsTest, ShowAllOffersEveryNameOnceAndEveryLoadInKeyOrder) {
    Build();
    EXPECT_THAT(Texts(brand),
                ElementsAre("** Show all brands **", "** Show NEW loads **", "alpha", "Beta"));
    // The repeated name keeps the ID of the load that brought it first.
    EXPECT_EQ(brand.items[2].id, 4);
    EXPECT_THAT(Texts(usage), ElementsAre("** Show all usage **", "Deer", "Varmint"));
    EXPECT_THAT(Texts(caliber), ElementsAre("** Show all calibers **", "Cal1", "Cal2", "Cal3"));
    EXPECT_THAT(Texts(bullet), ElementsAre("** Show all bullet styles **", "FMJ", "SP"));
    EXPECT_EQ(ShownIndexes(shown), (std::vector<int>{2, 0, 1, 3}));
    EXPECT_EQ(shown[0].key, "001150A1");
    for (const FilterBox* box : {&brand, &usage, &caliber, &bullet}) {
        EXPECT_EQ(box->selected, 0);
    }
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(FilterListsTest, ChoicesNarrowTheOtherBoxesButNotTheirOwn) {
    Build();
    Select(caliber, "Cal1");
    Build();
    EXPECT_EQ(ShownIndexes(shown), (std::vector<int>{2, 0}));
    EXPECT_THAT(Texts(caliber), ElementsAre("** Show all calibers **", "Cal1", "Cal2", "Cal3"));
    EXPECT_EQ(caliber.SelectedText(), "Cal1");
    // No NEW load among calibre 1, so NEW is not offered.
    EXPECT_THAT(Texts(brand), ElementsAre("** Show all brands **", "alpha"));
    EXPECT_THAT(Texts(usage), ElementsAre("** Show all usage **", "Varmint"));

    Select(bullet, "SP");
    Build();
    EXPECT_EQ(ShownIndexes(shown), (std::vector<int>{2}));
    EXPECT_THAT(Texts(caliber), ElementsAre("** Show all calibers **", "Cal1", "Cal3"));
    EXPECT_THAT(Texts(brand), ElementsAre("** Show all brands **", "Alpha"));
    EXPECT_EQ(brand.items[1].id, 2); // load A1 is the only one left to bring it
}

TEST_F(FilterListsTest, NewLoadsChoice) {
    Build();
    Select(brand, "** Show NEW loads **");
    Build();
    EXPECT_EQ(ShownIndexes(shown), (std::vector<int>{1}));
    EXPECT_EQ(brand.selected, 1);
    EXPECT_EQ(brand.SelectedId(), 1);
    EXPECT_THAT(Texts(usage), ElementsAre("** Show all usage **", "Deer"));
    EXPECT_THAT(Texts(caliber), ElementsAre("** Show all calibers **", "Cal2"));

    // With a calibre holding no NEW load (set from outside the box's own offer), NEW
    // disappears and item 1 is the first brand.
    caliber.items = {{"** Show all calibers **", 0}, {"Cal1", 1}};
    caliber.selected = 1;
    Build();
    EXPECT_TRUE(shown.Empty());
    EXPECT_THAT(Texts(brand), ElementsAre("** Show all brands **", "alpha"));
    EXPECT_EQ(brand.selected, 1);
    EXPECT_THAT(Texts(caliber), ElementsAre("** Show all calibers **", "Cal2"));
    EXPECT_EQ(caliber.selected, 0);
}

TEST_F(FilterListsTest, VanishedChoiceFallsBackToShowAll) {
    Build();
    Select(usage, "Deer");
    Build();
    Select(brand, "Beta");
    Build();
    EXPECT_EQ(ShownIndexes(shown), (std::vector<int>{1, 3}));
    usage.items[usage.selected].text = "DEER"; // matched whatever the case
    Build();
    EXPECT_EQ(usage.SelectedText(), "Deer");
    usage.items[usage.selected].text = "Gone";
    Build();
    EXPECT_EQ(usage.selected, 0);
    EXPECT_EQ(brand.SelectedText(), "Beta");
}

TEST_F(FilterListsTest, MissingNamesAreReportedAndLoadsStillShown) {
    WriteTable(dir.Data() / "t00dr.dat", RecordFamily::BulletLoad, {Load("X9 ", 9, 7, 5, 4, 100)});
    Build();
    EXPECT_THAT(prompts.messages,
                ElementsAre("No name for Load #: X9 ", "No usage for Load #: X9 ",
                            "No name for caliber ID: 7", "No name for bullet ID: 5"));
    EXPECT_EQ(shown.Count(), 1u);
    EXPECT_EQ(brand.items.size(), 2u); // show all and NEW
}

TEST_F(FilterListsTest, ManyLoadsWithoutNamesGiveOneMessageOfEachKind) {
    // A damaged table: without folding, one message box per load and usage flag.
    std::vector<LoadRecord> loads;
    for (int i = 0; i < 40; ++i) {
        loads.push_back(Load("Y" + std::to_string(i), 9, 7, 5, 4, 100));
    }
    WriteTable(dir.Data() / "t00dr.dat", RecordFamily::BulletLoad, loads);
    Build();
    EXPECT_THAT(prompts.messages, ElementsAre("No name for Load #: Y0\n(39 more like it)",
                                              "No usage for Load #: Y0\n(39 more like it)",
                                              "No name for caliber ID: 7\n(39 more like it)",
                                              "No name for bullet ID: 5\n(39 more like it)"));
    EXPECT_EQ(shown.Count(), 40u);
}

TEST_F(FilterListsTest, UnreadableNameListAbandonsTheBuild) {
    fs::remove(dir.Data() / "t0us.lst");
    EXPECT_THROW(Build(), CatalogFileError);
}

TEST_F(FilterListsTest, EmptySectionOffersOnlyShowAllAndNew) {
    Build(CatalogTab::Pistol);
    EXPECT_THAT(Texts(brand), ElementsAre("** Show all brands **", "** Show NEW loads **"));
    EXPECT_EQ(caliber.items.size(), 1u);
    EXPECT_TRUE(shown.Empty());
}

TEST_F(FilterListsTest, SlugSectionFiltersBySlugStyle) {
    WriteFile(dir.Data() / "t3br.lst", "Alpha\r\n");
    WriteFile(dir.Data() / "t3ca.lst", "12 Gauge\r\n");
    WriteFile(dir.Data() / "t3bu.lst", "Rifled\r\nSabot\r\n");
    WriteFile(dir.Data() / "t3us.lst", "Deer\r\n");
    LoadRecord rifled = Load("S1", 2, 1, 1, 1, 0);
    LoadRecord sabot = Load("S2", 2, 1, 2, 1, 0);
    rifled.BulletStyleId = 2; // not read in the slug section
    sabot.BulletStyleId = 1;
    WriteTable(dir.Data() / "t03dr.dat", RecordFamily::Slug, {rifled, sabot});
    Build(CatalogTab::Slug);
    EXPECT_EQ(caliber.items[0].text, "** Show all gauges **");
    EXPECT_EQ(bullet.items[0].text, "** Show all slug styles **");
    Select(bullet, "Sabot");
    Build(CatalogTab::Slug);
    EXPECT_EQ(ShownIndexes(shown), (std::vector<int>{1}));
}

TEST_F(FilterListsTest, ShotshellOffersEveryFlaggedShotSize) {
    WriteFile(dir.Data() / "t4br.lst", "Alpha\r\n");
    WriteFile(dir.Data() / "t4ca.lst", "12 Gauge\r\n");
    std::string sizes;
    for (int k = 1; k <= 29; ++k) {
        sizes += "Size" + std::string(k < 10 ? "0" : "") + std::to_string(k) + "\r\n";
    }
    WriteFile(dir.Data() / "t4bu.lst", sizes);
    WriteFile(dir.Data() / "t4us.lst", "Ducks\r\n");
    LoadRecord load = Load("W1", 2, 1, 0, 1, 0);
    load.UsageFlags[0] = true;
    load.ShotSizeFlags[0] = true;
    load.ShotSizeFlags[1] = true;
    load.ShotSizeFlags[3] = true;
    load.ShotSizeFlags[7] = true;
    LoadRecord other = Load("W2", 2, 1, 0, 1, 0);
    other.ShotSizeFlags[29] = true;
    WriteTable(dir.Data() / "t04dr.dat", RecordFamily::Shotshell, {load, other});

    Build(CatalogTab::Shotshell);
    EXPECT_THAT(Texts(bullet),
                ElementsAre("** Show all pellet sizes **", "Size01", "Size03", "Size07", "Size29"));
    EXPECT_THAT(Texts(usage), ElementsAre("** Show all usage **", "Ducks"));
    for (const char* size : {"Size01", "Size03", "Size07"}) {
        Select(bullet, size);
        Build(CatalogTab::Shotshell);
        EXPECT_EQ(ShownIndexes(shown), (std::vector<int>{0})) << size;
    }
    bullet.items[bullet.selected] = {"Size30", 30}; // beyond the flags: matches nothing
    Build(CatalogTab::Shotshell);
    EXPECT_TRUE(shown.Empty());
    EXPECT_EQ(bullet.selected, 0);
}

TEST(ShownLoadsOrder, EqualKeysPutTheLaterLoadFirst) {
    ShownLoads shown;
    shown.Add("012abc", 0);
    shown.Add("011", 1);
    shown.Add("012ABC", 2);
    shown.Add("013", 3);
    EXPECT_EQ(ShownIndexes(shown), (std::vector<int>{1, 2, 0, 3}));
}

TEST(ShownLoadsOrder, SortKeys) {
    LoadRecord r;
    r.CaliberId = 7;
    r.BulletWeight = 150;
    r.LoadNumber = " AB12 ";
    EXPECT_EQ(LoadSortKey(CatalogTab::Rifle, r), "007150AB12");
    r.CaliberId = 45;
    r.BulletWeight = 1000;
    EXPECT_EQ(LoadSortKey(CatalogTab::Rimfire, r), "0451000AB12");
    r.CaliberId = 12;
    r.ShotWeight = 1.125;
    r.SlugWeight = 12.5;
    EXPECT_EQ(LoadSortKey(CatalogTab::Shotshell, r), "012001.125AB12");
    EXPECT_EQ(LoadSortKey(CatalogTab::Slug, r), "012012.500AB12");
    r.CaliberId = 100;
    r.ShotWeight = 100;
    EXPECT_EQ(LoadSortKey(CatalogTab::Shotshell, r), "100100.000AB12");
    r.ComponentTypeId = 10;
    r.ItemNumber = " P1 ";
    EXPECT_EQ(ComponentSortKey(r), "10P1");
}

// The prompt goes first at every showing, once; the first drop-down makes it a second "show
// all"; a pick in a load section rebuilds the lists without it.
TEST_F(FilterListsTest, SectionFiltersPromptFirstUntilAPick) {
    SectionFilters filters(catalog, CatalogTab::Rifle);
    filters.Show(CatalogTab::Rifle, shown);
    EXPECT_THAT(Texts(filters.List(FilterListKind::Caliber)),
                ElementsAre("Pick a caliber", "** Show all calibers **", "Cal1", "Cal2", "Cal3"));
    filters.ReplacePrompt(FilterListKind::Brand);
    const std::vector<std::string> brands = Texts(filters.List(FilterListKind::Brand));
    EXPECT_EQ(brands.at(0), "** Show all brands **");
    EXPECT_EQ(brands.at(1), "** Show all brands **");
    EXPECT_FALSE(filters.Filtered());

    filters.Pick(FilterListKind::Caliber, 2, shown); // "Cal1"
    EXPECT_EQ(ShownIndexes(shown), (std::vector<int>{2, 0}));
    EXPECT_EQ(filters.List(FilterListKind::Caliber).SelectedText(), "Cal1");
    EXPECT_EQ(Texts(filters.List(FilterListKind::Usage)).at(0), "** Show all usage **");
    EXPECT_TRUE(filters.Filtered());

    filters.Show(CatalogTab::Rifle, shown);
    EXPECT_FALSE(filters.Filtered());
    EXPECT_EQ(shown.Count(), 4u);
    EXPECT_THAT(Texts(filters.List(FilterListKind::Style)),
                ElementsAre("Pick a bullet style", "** Show all bullet styles **", "FMJ", "SP"));
}

TEST(ComponentList, TypeListIsFilledOnceKeepsOnePromptAndFilters) {
    TempProgramDir dir;
    RecordingPrompts prompts;
    Catalog catalog(dir.Root(), prompts);
    SectionFilters filters(catalog, CatalogTab::Components);
    ShownLoads shown;
    EXPECT_THROW(filters.Show(CatalogTab::Components, shown), CatalogFileError);
    EXPECT_THAT(Texts(filters.List(kComponentTypeList)), ElementsAre("Pick a component"));

    WriteFile(dir.Data() / "t5pt.lst", "Primers\r\nWads\r\nprimers\r\n");
    std::vector<LoadRecord> records(3);
    records[0].ComponentTypeId = 2;
    records[0].ItemNumber = "W1";
    records[1].ComponentTypeId = 10;
    records[1].ItemNumber = "Z";
    records[2].ComponentTypeId = 1;
    records[2].ItemNumber = "P1";
    WriteTable(dir.Data() / "t05dr.dat", RecordFamily::Component, records);

    const std::vector<std::string> listed{"Pick a component", "** Show all components **",
                                          "Primers", "Wads"};
    filters.Show(CatalogTab::Components, shown);
    filters.ReplacePrompt(kComponentTypeList);
    filters.Show(CatalogTab::Components, shown);
    EXPECT_EQ(Texts(filters.List(kComponentTypeList)), listed);
    EXPECT_EQ(ShownIndexes(shown), (std::vector<int>{1, 2, 0})); // "10Z", "1P1", "2W1"

    fs::remove(dir.Data() / "t5pt.lst");        // not read again
    filters.Pick(kComponentTypeList, 3, shown); // "Wads"
    EXPECT_EQ(ShownIndexes(shown), (std::vector<int>{0}));
    EXPECT_EQ(Texts(filters.List(kComponentTypeList)), listed);
    EXPECT_TRUE(filters.Filtered());
}

} // namespace
} // namespace corvane::test
