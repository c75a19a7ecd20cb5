// Tests of the fire shape and growth routines.
#include "fbp/fire_growth.h"

#include <gtest/gtest.h>

#include "fbp/fbp_records.h"

namespace emberlin {
namespace {

TEST(FireGrowth, LengthToBreadth) {
    const struct {
        const char* name;
        int fuel;
        double wsv, lb, tolerance;
    } cases[] = {{"grass_calm", kO1a, 0.5, 1.0, 0.0},
                 {"grass_at_1", kO1b, 1.0, 1.1, 1e-15},
                 {"grass_25", kO1a, 25, 4.90, 0.005},
                 {"c2_calm", kC2, 0.0, 1.0, 0.0},
                 {"c2_25", kC2, 25, 3.20, 0.005}};
    for (const auto& c : cases) {
        EXPECT_NEAR(LengthToBreadth(c.fuel, c.wsv), c.lb, c.tolerance) << c.name;
    }
}

TEST(FireGrowth, AccelerationRate) {
    for (int fuel : {kC1, kO1a, kO1b, kS1, kS2, kS3}) EXPECT_EQ(AccelerationRate(fuel, 0.8), 0.115);
    for (double cfb = 0.0; cfb <= 1.0; cfb += 0.01) EXPECT_GT(AccelerationRate(kC4, cfb), 0.03);
}

}  // namespace
}  // namespace emberlin
