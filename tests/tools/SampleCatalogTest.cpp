// The bundled sample catalog, built and dumped through corvane-catalog-tool: the round trip,
// the table sizes, and what of the data the golden tables do not show: IDs of brands and
// usages, the lists and the product information.
#include "tools/ToolRunner.h"

#include "catalog/CatalogTestSupport.h"

#include "catalog/Descriptions.h"
#include "catalog/RecordLayout.h"
#include "common/NumberText.h"
#include "common/TextUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <memory>
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

// The sample built once and dumped section by section, for every test of the suite.
class SampleCatalog : public testing::Test {
protected:
    struct Built {
        TempDir out{"sample"};
        ToolResult build = RunTool({"build", kSource.string(), out.Path().string()});
        std::array<ToolResult, 6> dumps;
        RecordingPrompts prompts;
        Catalog catalog{out.Path(), prompts};
    };
    static void SetUpTestSuite() {
        built_ = std::make_unique<Built>();
        for (int tab = 0; tab < 6; ++tab) {
            built_->dumps[tab] =
                RunTool({"dump", (built_->out.Path() / "Data").string(), std::to_string(tab)});
        }
    }
    static void TearDownTestSuite() { built_.reset(); }

    static std::vector<std::string> List(const std::string& name) {
        return SplitLines(ReadFile(built_->out.Path() / "Data" / name));
    }
    // The section's loads as the program reads them.
    static const std::vector<LoadRecord>& Loads(CatalogTab tab) {
        built_->catalog.LoadSectionTable(tab);
        return built_->catalog.Records(tab);
    }

    static inline std::unique_ptr<Built> built_;
};

TEST_F(SampleCatalog, BuildThenDumpGivesBackEverySourceAndWholeTables) {
    ASSERT_EQ(built_->build.exitCode, 0) << built_->build.err;
    const std::array<std::size_t, 6> minimum = {150, 50, 15, 12, 80, 20};
    for (int tab = 0; tab < 6; ++tab) {
        SCOPED_TRACE(kLoadSources[tab]);
        ASSERT_EQ(built_->dumps[tab].exitCode, 0) << built_->dumps[tab].err;
        EXPECT_EQ(built_->dumps[tab].out,
                  WithoutCr(ReadFile(kSource / "loads" / kLoadSources[tab])));
        const SectionTraits& info = Traits(static_cast<CatalogTab>(tab));
        const std::size_t count = Loads(static_cast<CatalogTab>(tab)).size();
        EXPECT_EQ(fs::file_size(built_->out.Path() / "Data" / info.tableFile),
                  count * info.recordSize);
        EXPECT_GE(count, minimum[tab]);
        EXPECT_LE(count, info.capacity);
    }
    // Lists and product files are copied unchanged; the lists keep their CR LF line ends.
    for (const char* list : {"t0br.lst", "t4indx.lst", "t4pm.lst", "t5pt.lst"}) {
        const std::string bytes = ReadFile(built_->out.Path() / "Data" / list);
        EXPECT_EQ(bytes, ReadFile(kSource / "Data" / list)) << list;
        EXPECT_NE(bytes.find("\r\n"), std::string::npos) << list;
    }
    EXPECT_EQ(ReadFile(built_->out.Path() / "ProductInfo" / "splash.jpg"),
              ReadFile(kSource / "ProductInfo" / "splash.jpg"));
}

// Brands, usages and shot size flags show in no table, so the golden tables do not pin them.
TEST_F(SampleCatalog, EveryBrandAndUsageIdNamesALineOfItsList) {
    std::set<int> usages;
    for (int tab = 0; tab <= 4; ++tab) {
        const auto section = static_cast<CatalogTab>(tab);
        for (const LoadRecord& load : Loads(section)) {
            SCOPED_TRACE("section " + std::to_string(tab) + " load " + load.LoadNumber);
            const auto name = [&](int id, ListKind kind) {
                return built_->catalog.LookupName(id, section, kind);
            };
            EXPECT_NE(name(load.BrandId, ListKind::Brand), "");
            for (int id = 0; id < 30; ++id) {
                if (tab == 4 && load.ShotSizeFlags[id]) {
                    EXPECT_NE(name(id, ListKind::Bullet), ""); // the pellet data reads these
                }
                if (id < 20 && load.UsageFlags[id]) {
                    EXPECT_NE(name(id, ListKind::Usage), "") << id;
                    usages.insert(id);
                }
            }
            EXPECT_TRUE(std::find(load.UsageFlags.begin(), load.UsageFlags.end(), true) !=
                        load.UsageFlags.end());
        }
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
    for (int id = 1; id <= 7; ++id) {
        EXPECT_TRUE(usages.count(id)) << "usage " << id;
    }
    // Every shot size has a line in the index that names an entry of the built-in table.
    const auto index = List("t4indx.lst");
    EXPECT_EQ(index.size(), List("t4bu.lst").size());
    for (const std::string& line : index) {
        const auto entry = TryParseInt(line);
        ASSERT_TRUE(entry.has_value()) << line;
        EXPECT_TRUE(*entry >= 0 && *entry <= 23) << line;
    }
    // The match line of the wizard is found by its brand name.
    const auto brands = List("t0br.lst");
    EXPECT_TRUE(std::any_of(brands.begin(), brands.end(), [](const std::string& brand) {
        return UpperCase(brand).find("ARVENTA") != std::string::npos;
    }));
}

TEST_F(SampleCatalog, DescribesAndPicturesEveryBrandAndStyle) {
    const fs::path info = built_->out.Path() / "ProductInfo";
    Descriptions descriptions(info);
    auto expectText = [&](CatalogTab tab, DescriptionKind kind, const std::string& name) {
        const std::string text = descriptions.GetDescription(tab, kind, name);
        EXPECT_FALSE(text.starts_with("No ")) << text;
    };
    auto expectPicture = [&](const std::string& name) {
        ASSERT_FALSE(name.empty());
        EXPECT_TRUE(fs::exists(info / name)) << name;
        const std::size_t dot = name.rfind('.');
        EXPECT_TRUE(fs::exists(info / (name.substr(0, dot) + "l" + name.substr(dot)))) << name;
    };
    for (int tab = 0; tab <= 4; ++tab) {
        const auto section = static_cast<CatalogTab>(tab);
        for (const std::string& brand : List("t" + std::to_string(tab) + "br.lst")) {
            expectText(section, DescriptionKind::Brand, brand);
            expectPicture(descriptions.GetDescription(section, DescriptionKind::Box, brand));
        }
        std::vector<std::string> styles = List("t" + std::to_string(tab) + "bu.lst");
        if (tab == 4) { // shot is described by its shot size text
            styles.clear();
            for (const LoadRecord& load : Loads(section)) {
                styles.push_back(load.ShotSizeText);
            }
        }
        for (const std::string& style : styles) {
            expectText(section, DescriptionKind::Bullet, style);
            expectPicture(descriptions.GetDescription(section, DescriptionKind::Projectile, style));
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
