#include "expert/ExpertSearch.h"
#include "expert/ExpertChoices.h"
#include "expert/ExpertResultTable.h"

#include "ExpertTestCatalog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using test::ExpertTestCatalog;
using ::testing::ElementsAre;

std::vector<std::string> Names(const CaliberChoices& choices) {
    std::vector<std::string> names;
    for (const NamedId& entry : choices.entries) {
        names.push_back(entry.name);
    }
    return names;
}

std::vector<std::string> LoadNumbers(const std::vector<ExpertResult>& results) {
    std::vector<std::string> numbers;
    for (const ExpertResult& result : results) {
        numbers.push_back(result.loadNumber);
    }
    return numbers;
}

std::vector<std::string> Column(const ExpertResultTable& table, std::size_t column) {
    std::vector<std::string> texts;
    for (const ExpertRow& row : table.rows) {
        texts.push_back(row[column]);
    }
    return texts;
}

TEST(ExpertChoicesTest, RifledBarrelShotgunOffersHuntingMediumGameOnly) {
    const int kind = FirearmKindOfItem(5);
    EXPECT_EQ(FirearmTexts()[5], "Shotgun with rifled barrel");
    EXPECT_THAT(PurposesFor(kind), ElementsAre("Hunting"));
    EXPECT_THAT(UsagesFor("Hunting", kind), ElementsAre("Medium game"));
    EXPECT_EQ(UsageCodeOf("Medium game"), 2);
    EXPECT_EQ(SearchTabFor(kind), kShotgunSearchTab);
}

// The calibers offered for a firearm and usage, and the loads found for the first of them.
TEST(ExpertCaliberListTest, OffersFollowTheFirearmUsageAndMatchBrand) {
    ExpertTestCatalog data;
    const struct {
        const char* what;
        int firearmItem, usage;
        std::vector<std::string> calibers, firstCaliberLoads;
    } cases[] = {
        // Varmint and paper leave out the handgun rounds; medium game keeps the magnum.
        {"rifle varmint", 1, 1, {"223 rem."}, {"R223"}},
        {"rifle paper", 1, 5, {"223 rem."}, {"R223"}},
        {"rifle medium game", 1, 2, {"308 win.", "44 rem. magnum"}, {"R308"}},
        // Match leaves out only the 44; 308 win. comes from the match brand's load, which has
        // no match flag.
        {"rifle match", 1, 7, {"308 win.", "357 magnum"}, {"R308M"}},
        // TG16 carries the match flag but not the brand: its 16 gauge is not offered.
        {"shotgun match", 4, 7, {"12 gauge"}, {"AA12"}},
        // The shotshell list calls it "20 Gauge" under ID 3; it is listed once, as a slug gauge.
        {"rifled barrel", 5, 2, {"12 gauge", "20 gauge"}, {"bk12", "SL12A", "Tx12"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CaliberChoices choices =
            BuildCaliberChoices(data.Get(), FirearmKindOfItem(c.firearmItem), c.usage);
        ASSERT_EQ(Names(choices), c.calibers);
        EXPECT_EQ(LoadNumbers(FindExpertLoads(data.Get(), choices.searchTab, c.usage,
                                              choices.entries[0].id)),
                  c.firstCaliberLoads);
    }
    const CaliberChoices gauges = BuildCaliberChoices(data.Get(), FirearmKindOfItem(5), 2);
    EXPECT_EQ(gauges.entries[1].id, 2);
}

TEST(ExpertCaliberListTest, RimfireHandgunAndRifleGiveTheSameListsAndResults) {
    ExpertTestCatalog data;
    const int handgun = FirearmKindOfItem(2);
    const int rifle = FirearmKindOfItem(3);
    EXPECT_EQ(PurposesFor(handgun), PurposesFor(rifle));
    for (const std::string& purpose : PurposesFor(handgun)) {
        const auto usages = UsagesFor(purpose, handgun);
        ASSERT_EQ(usages, UsagesFor(purpose, rifle)) << purpose;
        const int usage = UsageCodeOf(usages.front());
        const CaliberChoices fromHandgun = BuildCaliberChoices(data.Get(), handgun, usage);
        const CaliberChoices fromRifle = BuildCaliberChoices(data.Get(), rifle, usage);
        EXPECT_EQ(fromHandgun.searchTab, 2);
        ASSERT_EQ(Names(fromHandgun), Names(fromRifle)) << purpose;
        ASSERT_FALSE(fromHandgun.entries.empty()) << purpose;
        const auto loads =
            Column(FinishExpertSearch(data.Get(), handgun, usage, fromHandgun, 0, true), 0);
        // Headings and at least one load: two empty results would compare equal.
        EXPECT_GE(loads.size(), 2u) << purpose;
        EXPECT_EQ(loads,
                  Column(FinishExpertSearch(data.Get(), rifle, usage, fromRifle, 0, true), 0))
            << purpose;
    }
}

TEST(ExpertResultTest, RifledBarrelResultsMixSlugsAndBuckshotByLoadNumber) {
    ExpertTestCatalog data;
    const int kind = FirearmKindOfItem(5);
    const CaliberChoices choices = BuildCaliberChoices(data.Get(), kind, 2);
    const auto results = FindExpertLoads(data.Get(), choices.searchTab, 2, choices.entries[0].id);
    // Case does not count: "bk12" before "SL12A" before "Tx12".
    EXPECT_THAT(LoadNumbers(results), ElementsAre("bk12", "SL12A", "Tx12"));
    EXPECT_EQ(results[0].section, CatalogTab::Shotshell);
    EXPECT_EQ(results[1].section, CatalogTab::Slug);

    const ExpertResultTable table = BuildExpertResultTable(data.Get(), results, kind, true);
    EXPECT_EQ(table.rows[0], (ExpertRow{"Load No.", "Wgt.", "Slug or Shot"}));
    EXPECT_EQ(table.rows[1], (ExpertRow{"bk12", "1.250", "4 Buck"}));
    EXPECT_EQ(table.rows[2], (ExpertRow{"SL12A", "1.000", "Rifled Slug"}));
    // A double-clicked result opens the section it was found in.
    EXPECT_EQ(ExpertLoadOfResult(table, 0)->section, CatalogTab::Shotshell);
    EXPECT_EQ(ExpertLoadOfResult(table, 0)->shotKey, "4 Buck");
    EXPECT_EQ(ExpertLoadOfResult(table, 1)->section, CatalogTab::Slug);
    EXPECT_FALSE(ExpertLoadOfResult(table, 3));
    EXPECT_FALSE(ExpertLoadOfResult({}, 0));
}

TEST(ExpertResultTest, MetricWeightsAreGrams) {
    ExpertTestCatalog data;
    const int rifle = FirearmKindOfItem(1);
    const auto rifleLoads = FindExpertLoads(data.Get(), 0, 2, 4);
    ASSERT_THAT(LoadNumbers(rifleLoads), ElementsAre("R308"));
    const auto rifleTable = BuildExpertResultTable(data.Get(), rifleLoads, rifle, false);
    EXPECT_EQ(rifleTable.rows[0][2], "Bullet Style");
    EXPECT_EQ(rifleTable.rows[1], (ExpertRow{"R308", "9.72", "Soft Point"}));
    EXPECT_EQ(BuildExpertResultTable(data.Get(), rifleLoads, rifle, true).rows[1][1], "150");

    const int shotgun = FirearmKindOfItem(6);
    const auto slugTable = BuildExpertResultTable(
        data.Get(), FindExpertLoads(data.Get(), kShotgunSearchTab, 2, 1), shotgun, false);
    EXPECT_THAT(Column(slugTable, 1), ElementsAre("Wgt.", "35.44", "28.35", "42.53"));

    EXPECT_EQ(ExpertWeightText(0, true, true), "");
    EXPECT_EQ(ExpertWeightText(0.00005, false, false), "");
}

TEST(ExpertResultTest, FinishWithNoCaliberToChooseGivesAnEmptyResult) {
    ExpertTestCatalog data;
    // The handgun section has no loads, so there is no caliber to choose.
    const int handgun = FirearmKindOfItem(0);
    const CaliberChoices choices = BuildCaliberChoices(data.Get(), handgun, 2);
    ASSERT_TRUE(choices.entries.empty());
    EXPECT_TRUE(FinishExpertSearch(data.Get(), handgun, 2, choices, 0, true).Empty());
    EXPECT_TRUE(FinishExpertSearch(data.Get(), handgun, 2, choices, -1, true).Empty());

    // A caliber with no load for the usage gives no rows either.
    const CaliberChoices rifle = BuildCaliberChoices(data.Get(), FirearmKindOfItem(1), 1);
    EXPECT_TRUE(FindExpertLoads(data.Get(), rifle.searchTab, 1, 4).empty());
}

class CharWidthMeasure : public TextMeasure {
public:
    int TextWidth(std::string_view text, bool) const override {
        return 6 * static_cast<int>(text.size());
    }
    int TextHeight(std::string_view, bool) const override { return 12; }
};

TEST(ExpertResultTest, WideResultsWidenTheWindow) {
    ExpertResultTable table;
    table.rows = {{"Load No.", "Wgt.", "Slug or Shot"},
                  {"L1", "1.000", "BB, 2, 4, Steel Shot, Buffered"}};
    const auto widths = ExpertColumnWidths(table, CharWidthMeasure{});
    EXPECT_THAT(widths, ElementsAre(8 * 6 + 7, 5 * 6 + 7, 30 * 6 + 7));
    EXPECT_EQ(ExpertClientWidth(kExpertBaseClientWidth, widths), 30 + 55 + 37 + 187);

    table.rows = {{"No.", "W", "S"}, {"L1", "1", "B"}};
    EXPECT_EQ(
        ExpertClientWidth(kExpertBaseClientWidth, ExpertColumnWidths(table, CharWidthMeasure{})),
        kExpertBaseClientWidth);
}

} // namespace
} // namespace corvane
