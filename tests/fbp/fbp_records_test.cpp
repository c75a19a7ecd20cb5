// Tests of the fuel type lookup and the fire type rule.
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
