// The fuel catalogue: one row per engine fuel type, and places that never collide.
#include "forms/content/fuel_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace emberlin::forms {
namespace {

TEST(FuelCatalogue, RowsFollowTheEngineTableWithUniqueIdsAndPlaces) {
    ASSERT_EQ(FuelCatalogue().size(), FuelTypeTable.size());
    std::set<std::string_view> ids;
    std::set<std::pair<int, int>> gridPlaces;
    std::set<std::pair<int, int>> galleryPlaces;
    std::set<std::string_view> pictures;
    for (int i = 0; i < kFuelCount; ++i) {
        const FuelType& fuel = CatalogueFuel(i);
        SCOPED_TRACE(std::string(fuel.code));
        EXPECT_EQ(fuel.index, i);
        EXPECT_EQ(fuel.code, FuelTypeTable[static_cast<std::size_t>(i)].code);
        EXPECT_EQ(FuelBoxId(i), "fuel" + std::string(fuel.code));
        // Every label a form shows starts with (or, in the projection, holds) the code.
        EXPECT_EQ(fuel.calculatorLabel.find(fuel.code), 0u);
        EXPECT_EQ(fuel.detectionLabel.find(fuel.code), 0u);
        EXPECT_EQ(fuel.acronymLine.find(fuel.code), 0u);
        EXPECT_NE(fuel.projectionLabel.find(fuel.code), std::string_view::npos);
        EXPECT_TRUE(ids.insert(fuel.buttonId).second);
        EXPECT_TRUE(gridPlaces.insert({fuel.gridRow, fuel.gridColumn}).second);
        EXPECT_GE(fuel.gridRow, 0);
        EXPECT_LT(fuel.gridRow, FuelGridRows());
        EXPECT_TRUE(fuel.gridColumn == 0 || fuel.gridColumn == 1);
        if (fuel.InGallery()) {
            EXPECT_TRUE(galleryPlaces.insert({fuel.galleryRow, fuel.galleryColumn}).second);
            EXPECT_TRUE(pictures.insert(fuel.pictureName).second);
            EXPECT_EQ(fuel.titleLine.find(fuel.code), 0u);
            EXPECT_FALSE(fuel.paragraph.empty());
            EXPECT_LT(fuel.galleryRow, GalleryRows());
        } else {
            EXPECT_TRUE(fuel.pictureName.empty() && fuel.windowTitle.empty());
        }
    }
    EXPECT_EQ(FuelGridRows(), 9);
    EXPECT_EQ(GalleryRows(), 3);
    EXPECT_EQ(GalleryFuelTypes().size(), 17u);
    EXPECT_FALSE(CatalogueFuel(kD2).InGallery());
}

TEST(FuelCatalogue, OutOfRangeIndexesHaveNoBoxAndGrassCodesJoin) {
    EXPECT_EQ(FuelBoxId(-1), "");
    EXPECT_EQ(FuelBoxId(kFuelCount), "");
    EXPECT_THROW(CatalogueFuel(kFuelCount), std::out_of_range);
    EXPECT_EQ(GrassFuelCodes("/"), "O1a/O1b");
    EXPECT_EQ(GrassFuelCodes(", "), "O1a, O1b");
}

TEST(FuelCatalogue, CodeListsWriteRunsOfThreeOrMoreAsRanges) {
    const struct {
        const char* name;
        std::string list;
        std::string expected;
    } cases[] = {
        {"messages", FuelCodeList(" to "), "C1 to C7, D1, D2, M1 to M4, S1 to S3, O1a, O1b"},
        {"help", FuelCodeList(".."), "C1..C7, D1, D2, M1..M4, S1..S3, O1a, O1b"},
        {"without grass", FuelCodeList("..", false), "C1..C7, D1, D2, M1..M4, S1..S3"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.list, c.expected) << c.name;
}

}  // namespace
}  // namespace emberlin::forms
