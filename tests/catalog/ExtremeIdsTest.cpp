// IDs from a hostile load table reach the name lookup unchecked: the most negative and most
// positive IDs must name nothing. (The overflow this once hit shows only under UBSan, which the
// sanitizer CI build runs.)
#include "CatalogTestSupport.h"

#include "catalog/FilterLists.h"

#include <limits>

namespace corvane::test {
namespace {

constexpr int kMin = std::numeric_limits<int>::min();
constexpr int kMax = std::numeric_limits<int>::max();

TEST(ExtremeIds, NameNothingAndTheLoadsAreStillShown) {
    TempProgramDir dir;
    RecordingPrompts prompts;
    for (const char* list : {"t0br.lst", "t0ca.lst", "t0bu.lst", "t0us.lst", "t4pm.lst"}) {
        WriteFile(dir.Data() / list, "One\r\nTwo\r\n");
    }
    LoadRecord extreme;
    extreme.LoadNumber = "X1";
    extreme.BrandId = kMin;
    extreme.CaliberId = kMin;
    extreme.BulletStyleId = kMax;
    LoadRecord other = extreme;
    other.LoadNumber = "X2";
    other.BrandId = kMax;
    other.CaliberId = kMax;
    other.BulletStyleId = kMin;
    WriteTable(dir.Data() / "t00dr.dat", RecordFamily::BulletLoad, {extreme, other});

    Catalog catalog(dir.Root(), prompts);
    for (ListKind kind : {ListKind::Brand, ListKind::Caliber, ListKind::Bullet, ListKind::Usage,
                          ListKind::Material}) {
        for (int id : {kMin, kMin + 1, -1, kMax - 1, kMax}) {
            EXPECT_EQ(catalog.LookupName(id, CatalogTab::Rifle, kind), "") << id;
        }
    }
    EXPECT_EQ(catalog.LookupName(2, CatalogTab::Rifle, ListKind::Brand), "One");

    FilterBox brand, usage, bullet, caliber;
    ShownLoads shown;
    BuildFilterLists(catalog, CatalogTab::Rifle, brand, usage, bullet, caliber, shown);
    EXPECT_EQ(shown.Count(), 2u);
    // Brand, caliber and bullet of both loads name nothing: one message of each kind, no names
    // offered.
    EXPECT_EQ(prompts.messages.size(), 3u);
    EXPECT_EQ(caliber.items.size(), 1u);
    EXPECT_EQ(bullet.items.size(), 1u);
}

} // namespace
} // namespace corvane::test
