// Tests of the fuel type lookup and the fire type rule.
#include "fbp/fbp_records.h"

#include <gtest/gtest.h>

#include <string>

namespace emberlin {
namespace {

TEST(FindFuelType, CodesInAnyCase) {
    const struct {
        const char* code;
        int index;
    } cases[] = {{"C1", 0},   {"c2", 1},   {"C2", 1},   {"d2", 8},  {"M4", 12},
                 {"O1a", 16}, {"o1A", 16}, {"O1B", 17}, {"C8", -1}, {"", -1},
                 {"C2 ", -1}, {"O1", -1},  {"O1ab", -1}};
    for (const auto& c : cases) EXPECT_EQ(FindFuelType(c.code), c.index) << c.code;
    for (int i = 0; i < static_cast<int>(FuelTypeTable.size()); ++i) {
        EXPECT_EQ(FindFuelType(FuelTypeTable[i].code), i);
    }
}

TEST(ClassifyFireType, Boundaries) {
    const struct {
        double cfb;
        FireType type;
    } cases[] = {{0.0, FireType::Surface},
                 {0.0999, FireType::Surface},
                 {0.1, FireType::IntermittentCrown},
                 {0.8999, FireType::IntermittentCrown},
                 {0.9, FireType::Crown},
                 {1.0, FireType::Crown}};
    for (const auto& c : cases) EXPECT_EQ(ClassifyFireType(c.cfb), c.type) << c.cfb;
}

}  // namespace
}  // namespace emberlin
