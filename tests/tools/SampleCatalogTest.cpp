// The bundled sample catalog, built and dumped through corvane-catalog-tool: the round trip,
// the table sizes, and that the data exercises every feature of the catalog.
#include "tools/ToolRunner.h"

#include "catalog/RecordLayout.h"
#include "common/NumberText.h"
#include "common/TextUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <regex>
#include <set>

namespace corvane::test {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = CORVANE_SAMPLE_SRC_DIR;
const std::array<const char*, 6> kLoadSources = {"t0-rifle.txt",     "t1-pistol.txt",
                                                 "t2-rimfire.txt",   "t3-slug.txt",
                                                 "t4-shotshell.txt", "t5-components.txt"};

std::string WithoutCr(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

// One dumped section as rows of named fields.
struct Table {
    std::vector<std::map<std::string, std::string>> rows;

    int Int(std::size_t row, const std::string& field) const {
        return ParseIntDef(rows.at(row).at(field), -999);
    }
    std::set<int> Flags(std::size_t row, const std::string& field) const {
        std::set<int> ids;
        std::string text = rows.at(row).at(field);
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = std::min(text.find(';', start), text.size());
            ids.insert(ParseIntDef(text.substr(start, end - start), -999));
            start = end + 1;
        }
        return ids;
    }
};

class SampleCatalog : public testing::Test {
protected:
    static void SetUpTestSuite() {
        out_ = std::make_unique<TempDir>("sample");
        build_ = RunTool({"build", kSource.string(), out_->Path().string()});
        for (int tab = 0; tab < 6; ++tab) {
            dumps_[tab] = RunTool({"dump", (out_->Path() / "Data").string(), std::to_string(tab)});
            const auto csv = SplitCsv(dumps_[tab].out);
            for (std::size_t r = 1; r < csv.size(); ++r) {
                std::map<std::string, std::string> row;
                for (std::size_t f = 0; f < csv[0].size() && f < csv[r].size(); ++f) {
                    row[csv[0][f]] = csv[r][f];
                }
                tables_[tab].rows.push_back(row);
            }
        }
    }
    static void TearDownTestSuite() { out_.reset(); }

    static std::vector<std::string> List(const std::string& name) {
        return SplitLines(ReadFileBytes(out_->Path() / "Data" / name));
    }
    static std::string ListName(int tab, const char* kind, int line) {
        const auto lines = List("t" + std::to_string(tab) + kind + ".lst");
        return line >= 1 && line <= static_cast<int>(lines.size()) ? lines[line - 1] : "";
    }

    static std::unique_ptr<TempDir> out_;
    static ToolResult build_;
    static std::array<ToolResult, 6> dumps_;
    static std::array<Table, 6> tables_;
};

std::unique_ptr<TempDir> SampleCatalog::out_;
ToolResult SampleCatalog::build_;
std::array<ToolResult, 6> SampleCatalog::dumps_;
std::array<Table, 6> SampleCatalog::tables_;

TEST_F(SampleCatalog, BuildThenDumpGivesBackEverySourceAndWholeTables) {
    ASSERT_EQ(build_.exitCode, 0) << build_.err;
    for (int tab = 0; tab < 6; ++tab) {
        SCOPED_TRACE(kLoadSources[tab]);
        ASSERT_EQ(dumps_[tab].exitCode, 0) << dumps_[tab].err;
        EXPECT_EQ(dumps_[tab].out, WithoutCr(ReadFileBytes(kSource / "loads" / kLoadSources[tab])));
        const SectionTraits& info = Traits(static_cast<CatalogTab>(tab));
        EXPECT_EQ(fs::file_size(out_->Path() / "Data" / info.tableFile),
                  tables_[tab].rows.size() * info.recordSize);
    }
    // Lists and product files are copied unchanged; the lists keep their CR LF line ends.
    for (const char* list : {"t0br.lst", "t4indx.lst", "t4pm.lst", "t5pt.lst"}) {
        const std::string bytes = ReadFileBytes(out_->Path() / "Data" / list);
        EXPECT_EQ(bytes, ReadFileBytes(kSource / "Data" / list)) << list;
        EXPECT_NE(bytes.find("\r\n"), std::string::npos) << list;
    }
    EXPECT_EQ(ReadFileBytes(out_->Path() / "ProductInfo" / "splash.jpg"),
              ReadFileBytes(kSource / "ProductInfo" / "splash.jpg"));
}

TEST_F(SampleCatalog, HoldsTheMinimumCountsWithinTheCapacities) {
    const std::array<std::size_t, 6> minimum = {150, 50, 15, 12, 80, 20};
    for (int tab = 0; tab < 6; ++tab) {
        const std::size_t count = tables_[tab].rows.size();
        EXPECT_GE(count, minimum[tab]) << "section " << tab;
        EXPECT_LE(count, Traits(static_cast<CatalogTab>(tab)).capacity) << "section " << tab;
    }
}

TEST_F(SampleCatalog, EveryIdNamesALineOfItsList) {
    for (int tab = 0; tab <= 4; ++tab) {
        const Table& t = tables_[tab];
        const char* styleField = tab == 3 ? "SlugStyleId" : "BulletStyleId";
        for (std::size_t r = 0; r < t.rows.size(); ++r) {
            SCOPED_TRACE("section " + std::to_string(tab) + " load " + t.rows[r].at("LoadNumber"));
            EXPECT_NE(ListName(tab, "br", t.Int(r, "BrandId") - 1), "");
            EXPECT_NE(ListName(tab, "ca", t.Int(r, "CaliberId")), "");
            if (tab < 4) {
                EXPECT_NE(ListName(tab, "bu", t.Int(r, styleField)), "");
            } else {
                EXPECT_FALSE(t.Flags(r, "ShotSizeFlags").empty());
                for (int id : t.Flags(r, "ShotSizeFlags")) {
                    EXPECT_NE(ListName(tab, "bu", id), "");
                }
            }
            EXPECT_FALSE(t.Flags(r, "UsageFlags").empty());
            for (int id : t.Flags(r, "UsageFlags")) {
                EXPECT_NE(ListName(tab, "us", id), "") << id;
            }
        }
    }
    // Every shot size has a line in the index that names an entry of the built-in table.
    const auto index = List("t4indx.lst");
    EXPECT_EQ(index.size(), List("t4bu.lst").size());
    for (const std::string& line : index) {
        const auto entry = TryParseInt(line);
        ASSERT_TRUE(entry.has_value()) << line;
        EXPECT_TRUE(*entry >= 0 && *entry <= 23) << line;
    }
}

TEST_F(SampleCatalog, ExercisesMarksNewLoadsAndUsages) {
    std::set<std::string> marks;
    bool lowerCaseMark = false;
    std::set<int> usages;
    for (int tab = 0; tab <= 4; ++tab) {
        bool newLoad = false;
        for (std::size_t r = 0; r < tables_[tab].rows.size(); ++r) {
            const std::string mark = tables_[tab].rows[r].at("MarkCode");
            marks.insert(UpperCase(Trim(mark)));
            lowerCaseMark = lowerCaseMark || (UpperCase(mark) != mark);
            newLoad = newLoad || tables_[tab].Int(r, "YearIntroduced") == 2005;
            const auto ids = tables_[tab].Flags(r, "UsageFlags");
            usages.insert(ids.begin(), ids.end());
        }
        EXPECT_TRUE(newLoad) << "no NEW load in section " << tab;
        // Usage IDs 1 to 7 mean the same in every section.
        const auto list = List("t" + std::to_string(tab) + "us.lst");
        ASSERT_GE(list.size(), 7u);
        EXPECT_TRUE(std::equal(list.begin(), list.begin() + 7, List("t0us.lst").begin()));
        // The recommended-use line joins the names with ", " and " and ", then splits them
        // again: a name holding either would come apart.
        for (const std::string& name : list) {
            EXPECT_EQ(name.find(','), std::string::npos) << name;
            EXPECT_EQ(name.find(" and "), std::string::npos) << name;
        }
    }
    for (const char* mark : {"NP", "HE", "NE", "L"}) {
        EXPECT_TRUE(marks.count(mark)) << mark;
    }
    EXPECT_TRUE(lowerCaseMark);
    for (int id = 1; id <= 7; ++id) {
        EXPECT_TRUE(usages.count(id)) << "usage " << id;
    }
    // The match line of the wizard is found by its brand name.
    bool arventa = false;
    for (const std::string& brand : List("t0br.lst")) {
        arventa = arventa || UpperCase(brand).find("ARVENTA") != std::string::npos;
    }
    EXPECT_TRUE(arventa);
}

TEST_F(SampleCatalog, ExercisesShotshellsSlugsAndComponents) {
    const Table& shot = tables_[4];
    std::set<std::string> materials;
    bool buckshot = false, blank = false, newStar = false, ounceForm = false;
    const std::regex ounces(R"(\d+( \d+/\d+)? oz - \d+( \d+/\d+)?)");
    const auto materialList = List("t4pm.lst");
    std::set<int> shotGauges;
    for (std::size_t r = 0; r < shot.rows.size(); ++r) {
        const std::string text = shot.rows[r].at("ShotSizeText");
        buckshot = buckshot || ContainsNoCase(text, "PELLET");
        blank = blank || text == "Blank";
        newStar = newStar ||
                  (shot.Int(r, "YearIntroduced") == 2005 && text.find('*') != std::string::npos);
        ounceForm = ounceForm || std::regex_match(text, ounces);
        const int material = shot.Int(r, "MaterialId");
        ASSERT_TRUE(material >= 0 && material < static_cast<int>(materialList.size()));
        materials.insert(UpperCase(materialList[static_cast<std::size_t>(material)]));
        shotGauges.insert(shot.Int(r, "CaliberId"));
    }
    EXPECT_TRUE(buckshot && blank && newStar && ounceForm);
    for (const char* kind : {"LEAD", "STEEL", "TUNGSTEN"}) {
        EXPECT_TRUE(std::any_of(materials.begin(), materials.end(), [&](const std::string& m) {
            return m.find(kind) != std::string::npos;
        })) << kind;
    }
    // Slug and shotshell loads share gauge IDs, and the two gauge lists agree on them.
    int shared = 0;
    for (std::size_t r = 0; r < tables_[3].rows.size(); ++r) {
        const int gauge = tables_[3].Int(r, "CaliberId");
        if (shotGauges.count(gauge)) {
            ++shared;
            EXPECT_EQ(ListName(3, "ca", gauge), ListName(4, "ca", gauge));
        }
    }
    EXPECT_GT(shared, 0);
    std::set<int> types;
    const Table& parts = tables_[5];
    for (std::size_t r = 0; r < parts.rows.size(); ++r) {
        const int type = parts.Int(r, "ComponentTypeId");
        types.insert(type);
        if (type == 1 || type == 2) {
            EXPECT_GT(ParseDoubleDef(parts.rows[r].at("PrimerDiameter"), 0), 0.1);
        } else if (type == 3) {
            EXPECT_NE(parts.rows[r].at("Gauge"), "");
        }
    }
    EXPECT_TRUE(types.count(1) && types.count(2) && types.count(3));
}

// Entries of one descriptions.ini section, keyed by upper-case key.
std::map<std::string, std::string> IniSection(const std::vector<std::string>& lines,
                                              const std::string& header) {
    std::map<std::string, std::string> entries;
    bool inside = false;
    for (const std::string& raw : lines) {
        const std::string line = Trim(raw);
        if (!line.empty() && line[0] == '[') {
            inside = LowerCase(line) == header;
            continue;
        }
        const std::size_t eq = line.find('=');
        if (inside && eq != std::string::npos && eq > 0) {
            entries.emplace(UpperCase(line.substr(0, eq)), Trim(line.substr(eq + 1)));
        }
    }
    return entries;
}

std::string DerivedShotName(const std::string& text) {
    const std::size_t dash = text.find('-');
    if (dash != std::string::npos && dash >= 1) {
        return Trim(text.substr(dash + 1));
    }
    return text == "Blank" ? text : "Shot (all sizes)";
}

TEST_F(SampleCatalog, DescribesAndPicturesEveryBrandAndStyle) {
    const fs::path info = out_->Path() / "ProductInfo";
    const auto lines = SplitLines(ReadFileBytes(info / "descriptions.ini"));
    auto expectPicture = [&](const std::string& name) {
        ASSERT_FALSE(name.empty());
        EXPECT_TRUE(fs::exists(info / name)) << name;
        const std::size_t dot = name.rfind('.');
        EXPECT_TRUE(fs::exists(info / (name.substr(0, dot) + "l" + name.substr(dot)))) << name;
    };
    for (int tab = 0; tab <= 4; ++tab) {
        const std::string n = std::to_string(tab);
        auto brands = IniSection(lines, "[brand " + n + "]");
        auto boxes = IniSection(lines, "[box " + n + "]");
        for (const std::string& brand : List("t" + n + "br.lst")) {
            EXPECT_FALSE(brands[UpperCase(brand)].empty()) << brand;
            expectPicture(boxes[UpperCase(brand)]);
        }
        auto bullets = IniSection(lines, "[bullet " + n + "]");
        auto projectiles = IniSection(lines, "[projectile " + n + "]");
        if (tab < 4) {
            for (const std::string& style : List("t" + n + "bu.lst")) {
                EXPECT_FALSE(bullets[UpperCase(style)].empty()) << style;
                expectPicture(projectiles[UpperCase(style)]);
            }
            continue;
        }
        for (const auto& row : tables_[4].rows) {
            const std::string text = row.at("ShotSizeText");
            EXPECT_FALSE(bullets[UpperCase(DerivedShotName(text))].empty()) << text;
            expectPicture(projectiles[UpperCase(text)]);
        }
    }
    for (const char* picture : {"ts0.jpg", "ts1.jpg", "ts2.jpg", "ts3.jpg", "ts4.jpg", "ts5.jpg",
                                "splash.jpg", "RprtClr.bmp", "RprtBW.bmp", "CustomFooter.bmp"}) {
        EXPECT_TRUE(fs::exists(info / picture)) << picture;
    }
    expectPicture("noimage.jpg");
}

} // namespace
} // namespace corvane::test
