// Tests of the fuel type lookup, the fuel families and the fire type rule.
#include "fbp/fbp_records.h"

#include <gtest/gtest.h>

namespace emberlin {
namespace {

TEST(FbpRecords, FindFuelTypeInAnyCase) {
    const std::pair<const char*, int> cases[] = {{"C1", 0},   {"c2", 1},   {"d2", 8},   {"M4", 12},
                                                 {"o1A", 16}, {"O1B", 17}, {"C8", -1},  {"", -1},
                                                 {"C2 ", -1}, {"O1", -1},  {"O1ab", -1}};
    for (const auto& [code, index] : cases) EXPECT_EQ(FindFuelType(code), index) << code;
    for (int i = 0; i < 18; ++i) EXPECT_EQ(FindFuelType(FuelTypeTable[i].code), i);
}

// Each row's family follows its code's letter; only the two grasses are grass.
TEST(FbpRecords, FamiliesFollowTheCodes) {
    const std::pair<char, FuelFamily> letters[] = {{'C', FuelFamily::Conifer},
                                                   {'D', FuelFamily::Deciduous},
                                                   {'M', FuelFamily::Mixedwood},
                                                   {'S', FuelFamily::Slash},
                                                   {'O', FuelFamily::Grass}};
    int grasses = 0;
    for (int i = 0; i < 18; ++i) {
        const FuelTypeRow& row = FuelTypeTable[static_cast<std::size_t>(i)];
        int families = 0;
        for (const auto& [letter, family] : letters) {
            if (row.code.front() == letter) {
                EXPECT_EQ(row.family, family) << row.code;
                ++families;
            }
        }
        EXPECT_EQ(families, 1) << row.code;
        EXPECT_EQ(IsGrassFuel(i), row.family == FuelFamily::Grass) << row.code;
        if (IsGrassFuel(i)) ++grasses;
    }
    EXPECT_EQ(grasses, 2);
    EXPECT_TRUE(IsGrassFuel(kO1a));
    EXPECT_TRUE(IsGrassFuel(kO1b));
    EXPECT_FALSE(IsGrassFuel(kS3));
    EXPECT_FALSE(IsGrassFuel(-1));
    EXPECT_FALSE(IsGrassFuel(18));
}

TEST(FbpRecords, ClassifyFireTypeBoundaries) {
    const std::pair<double, FireType> cases[] = {{0.0, FireType::Surface},
                                                 {0.0999, FireType::Surface},
                                                 {0.1, FireType::IntermittentCrown},
                                                 {0.8999, FireType::IntermittentCrown},
                                                 {0.9, FireType::Crown},
                                                 {1.0, FireType::Crown}};
    for (const auto& [cfb, type] : cases) EXPECT_EQ(ClassifyFireType(cfb), type) << cfb;
}

}  // namespace
}  // namespace emberlin
