#pragma once
// A small hand-made catalog for the wizard tests: rifle calibers that include handgun rounds,
// a match brand, rimfire loads, and slug and shotshell gauges that partly share names.
#include "catalog/CatalogTestSupport.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace corvane::test {

inline constexpr int kPlainBrand = 2;
inline constexpr int kMatchBrand = 3; // its name contains the match line's word

inline LoadRecord MakeLoad(std::string number, int caliber, std::initializer_list<int> usages,
                           int brand = kPlainBrand) {
    LoadRecord record;
    record.LoadNumber = std::move(number);
    record.CaliberId = caliber;
    record.BrandId = brand;
    for (int usage : usages) {
        record.UsageFlags[static_cast<std::size_t>(usage)] = true;
    }
    return record;
}

inline LoadRecord WithBullet(LoadRecord record, int grains, int style) {
    record.BulletWeight = grains;
    record.BulletStyleId = style;
    return record;
}

inline LoadRecord WithSlug(LoadRecord record, double ounces, int style) {
    record.SlugWeight = ounces;
    record.SlugStyleId = style;
    return record;
}

inline LoadRecord WithShot(LoadRecord record, double ounces, std::string shotText) {
    record.ShotWeight = ounces;
    record.ShotSizeText = std::move(shotText);
    return record;
}

class ExpertTestCatalog {
public:
    ExpertTestCatalog() {
        for (const char* section : {"0", "1", "2", "3", "4"}) {
            List(section, "br", "Corvane\nArventa Match Line\n");
            List(section, "us", "Varmint\nMedium\nLarge\nDangerous\nPaper\nAssailant\nMatch\n");
        }
        List("0", "ca", "223 rem.\n357 magnum\n44 rem. magnum\n308 win.\n");
        List("0", "bu", "Soft Point\nHollow Point\n");
        WriteTable(dir.Data() / "t00dr.dat", RecordFamily::BulletLoad,
                   {
                       WithBullet(MakeLoad("R223", 1, {1, 5}), 55, 2),
                       WithBullet(MakeLoad("R357", 2, {1, 5, 7}), 158, 1),
                       WithBullet(MakeLoad("R44", 3, {1, 2, 5, 7}), 240, 1),
                       WithBullet(MakeLoad("R308M", 4, {}, kMatchBrand), 168, 2),
                       WithBullet(MakeLoad("R308", 4, {2}), 150, 1),
                   });

        List("2", "ca", "22 lr\n17 hmr\n");
        List("2", "bu", "Round Nose\n");
        WriteTable(dir.Data() / "t02dr.dat", RecordFamily::Rimfire,
                   {
                       WithBullet(MakeLoad("RF17", 2, {1}), 17, 1),
                       WithBullet(MakeLoad("RF22", 1, {1, 5}), 40, 1),
                       WithBullet(MakeLoad("RF22M", 1, {}, kMatchBrand), 40, 1),
                   });

        // "20 Gauge" of the shotshells is the slug list's "20 gauge" under another ID.
        List("3", "ca", "12 gauge\n20 gauge\n");
        List("3", "bu", "Rifled Slug\nSabot Slug\n");
        List("4", "ca", "12 gauge\n16 gauge\n20 Gauge\n");
        WriteTable(dir.Data() / "t03dr.dat", RecordFamily::Slug,
                   {
                       WithSlug(MakeLoad("SL12A", 1, {2}), 1.0, 1),
                       WithSlug(MakeLoad("SL20", 2, {2}), 0.75, 2),
                   });
        WriteTable(
            dir.Data() / "t04dr.dat", RecordFamily::Shotshell,
            {
                WithShot(MakeLoad("Tx12", 1, {2}), 1.5, "00 Buck Copper Plated Buffered Magnum"),
                WithShot(MakeLoad("bk12", 1, {2}), 1.25, "4 Buck"),
                WithShot(MakeLoad("AA12", 1, {}, kMatchBrand), 1.125, "8"),
                WithShot(MakeLoad("TG16", 2, {1, 7}), 1.0, "7 1/2"),
                WithShot(MakeLoad("B20", 3, {2}), 0.875, "3 Buck"),
            });
        // The handgun section has no table: it is created empty on first use.
    }

    Catalog& Get() { return catalog; }

    TempProgramDir dir;
    RecordingPrompts prompts;
    Catalog catalog{dir.Root(), prompts};

private:
    void List(const std::string& section, const std::string& kind, const std::string& lines) {
        WriteFile(dir.Data() / ("t" + section + kind + ".lst"), lines);
    }
};

} // namespace corvane::test
