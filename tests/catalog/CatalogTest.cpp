#include "CatalogTestSupport.h"

namespace corvane::test {
namespace {

class CatalogNames : public ::testing::Test {
protected:
    TempProgramDir dir;
    RecordingPrompts prompts;
    Catalog catalog{dir.Root(), prompts};

    void List(const std::string& file, const std::string& contents) {
        WriteFile(dir.Data() / file, contents);
    }
};

TEST_F(CatalogNames, EachListKindHasItsIdBaseAndIdsWithoutALineNameNothing) {
    List("t1br.lst", "BrandA\r\nBrandB\r\n");
    List("t1ca.lst", "Cal1\r\nCal2\r\n");
    List("t1bu.lst", "Bul1\r\n");
    List("t1us.lst", "Use1\nUse2");
    List("t4pm.lst", "Lead\r\nSteel\r\n");
    const auto name = [&](int id, CatalogTab tab, ListKind kind) {
        return catalog.LookupName(id, tab, kind);
    };
    EXPECT_EQ(name(2, CatalogTab::Pistol, ListKind::Brand), "BrandA");
    EXPECT_EQ(name(3, CatalogTab::Pistol, ListKind::Brand), "BrandB");
    EXPECT_EQ(name(1, CatalogTab::Pistol, ListKind::Caliber), "Cal1");
    EXPECT_EQ(name(1, CatalogTab::Pistol, ListKind::Bullet), "Bul1");
    EXPECT_EQ(name(2, CatalogTab::Pistol, ListKind::Usage), "Use2");
    EXPECT_EQ(name(0, CatalogTab::Shotshell, ListKind::Material), "Lead");
    EXPECT_EQ(name(1, CatalogTab::Shotshell, ListKind::Material), "Steel");
    for (int id : {0, 1, 4, -5, 1000000}) {
        EXPECT_EQ(name(id, CatalogTab::Pistol, ListKind::Brand), "") << id;
    }
    EXPECT_EQ(name(0, CatalogTab::Pistol, ListKind::Caliber), "");
    EXPECT_EQ(name(3, CatalogTab::Pistol, ListKind::Caliber), "");
    EXPECT_EQ(name(-1, CatalogTab::Shotshell, ListKind::Material), "");
    EXPECT_EQ(name(2, CatalogTab::Shotshell, ListKind::Material), "");
}

TEST_F(CatalogNames, ListsAreKeptOnceReadAndReadAgainWhileEmpty) {
    List("t2ca.lst", "");
    EXPECT_EQ(catalog.LookupName(1, CatalogTab::Rimfire, ListKind::Caliber), "");
    List("t2ca.lst", ".22 LR\r\n");
    EXPECT_EQ(catalog.LookupName(1, CatalogTab::Rimfire, ListKind::Caliber), ".22 LR");
    List("t2ca.lst", "changed\r\n");
    EXPECT_EQ(catalog.LookupName(1, CatalogTab::Rimfire, ListKind::Caliber), ".22 LR");
}

TEST_F(CatalogNames, UnreadableListThrowsNamingTheFile) {
    try {
        catalog.LookupName(2, CatalogTab::Slug, ListKind::Brand);
        FAIL() << "no error";
    } catch (const CatalogFileError& error) {
        EXPECT_NE(std::string(error.what()).find("t3br.lst"), std::string::npos) << error.what();
    }
    List("t3br.lst", "Now\r\n");
    EXPECT_EQ(catalog.LookupName(2, CatalogTab::Slug, ListKind::Brand), "Now");
}

TEST_F(CatalogNames, SectionTableIsReadOnceItHasLoads) {
    EXPECT_EQ(catalog.LoadSectionTable(CatalogTab::Pistol), 0); // placeholder created
    LoadRecord r;
    r.LoadNumber = "P1";
    WriteTable(dir.Data() / "t01dr.dat", RecordFamily::BulletLoad, {r, r});
    EXPECT_EQ(catalog.LoadSectionTable(CatalogTab::Pistol), 2);
    WriteTable(dir.Data() / "t01dr.dat", RecordFamily::BulletLoad, {r});
    EXPECT_EQ(catalog.LoadSectionTable(CatalogTab::Pistol), 2);
    EXPECT_EQ(catalog.LoadCount(CatalogTab::Pistol), 2);
    EXPECT_EQ(catalog.Record(CatalogTab::Pistol, 1).LoadNumber, "P1");
    EXPECT_EQ(catalog.LoadCount(CatalogTab::Rifle), 0);
}

} // namespace
} // namespace corvane::test
