// The detail area's heading of a load: the grid's caliber cell in the title, and the
// description keys of each section.
#include "report/LoadHeading.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(LoadDetailHeading, TitleAndKeysFollowTheSection) {
    LoadRecord load;
    load.LoadNumber = " R7 ";
    load.BrandId = 1;
    load.BulletStyleId = 2;
    load.SlugStyleId = 3;
    load.ShotSizeText = "4 BK";
    load.UsageFlags[0] = load.UsageFlags[5] = true;
    const NameLookup names = [](int id, ListKind kind) {
        return (kind == ListKind::Usage ? "use" : "name") + std::to_string(id);
    };
    GridData grid;
    grid.Headings.Index.Caliber = 1;
    grid.Cells = {{}, {" R7", " 30-06 "}};

    const LoadDetailHeading rifle = BuildLoadDetailHeading(grid, 1, load, names);
    EXPECT_EQ(rifle.Title, "Load: R7    Caliber:  30-06    Brand: name1");
    EXPECT_EQ(rifle.Usage, "use0 and use5");
    EXPECT_EQ(rifle.BrandKey, "name1");
    EXPECT_EQ(rifle.StyleKey, "name2");

    grid.Section = CatalogTab::Slug;
    const LoadDetailHeading slug = BuildLoadDetailHeading(grid, 1, load, names);
    EXPECT_EQ(slug.Title, "Load: R7    Gauge:  30-06    Brand: name1");
    EXPECT_EQ(slug.StyleKey, "name3");
    grid.Section = CatalogTab::Shotshell;
    grid.Headings.Index.Caliber = -1;
    const LoadDetailHeading shot = BuildLoadDetailHeading(grid, 1, load, names);
    EXPECT_EQ(shot.Title, "Load: R7    Gauge:    Brand: name1");
    EXPECT_EQ(shot.StyleKey, "4 BK");
}

} // namespace
} // namespace corvane
