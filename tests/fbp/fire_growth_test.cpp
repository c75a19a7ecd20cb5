// Tests of the fire shape and growth routines.
#include "fbp/fire_growth.h"

#include <gtest/gtest.h>

#include "fbp/fbp_records.h"

namespace emberlin {
namespace {

TEST(LengthToBreadth, GrassAndOtherFuels) {
    const struct {
        const char* name;
        int fuel;
        double wsv, lb, tolerance;
    } cases[] = {{"grass_calm", kO1a, 0.5, 1.0, 0.0},
                 {"grass_at_1", kO1b, 1.0, 1.1, 1e-15},
                 {"grass_25", kO1a, 25.0, 4.90, 0.005},
                 {"c2_calm", kC2, 0.0, 1.0, 0.0},
                 {"c2_25", kC2, 25.0, 3.20, 0.005}};
    for (const auto& c : cases)
        EXPECT_NEAR(LengthToBreadth(c.fuel, c.wsv), c.lb, c.tolerance) << c.name;
}

TEST(AccelerationRate, OpenFuelsConstantOthersSlowedByCrowning) {
    EXPECT_NEAR(AccelerationRate(kC2, 0.81576), 0.0985, 0.0001);
    for (int fuel : {kC1, kO1a, kO1b, kS1, kS2, kS3}) EXPECT_EQ(AccelerationRate(fuel, 0.8), 0.115);
    for (double cfb = 0.0; cfb <= 1.0; cfb += 0.01) {
        EXPECT_GT(AccelerationRate(kC4, cfb), 0.03) << cfb;
        EXPECT_LE(AccelerationRate(kC4, cfb), 0.115) << cfb;
    }
}

TEST(RateOfSpreadAtTime, PointIgnitionBuildUp) {
    EXPECT_NEAR(RateOfSpreadAtTime(kC2, 11.0885, 15.0, 0.0), 9.11, 0.005);
    EXPECT_EQ(RateOfSpreadAtTime(kC2, 11.0885, 0.0, 0.0), 0.0);
    EXPECT_NEAR(RateOfSpreadAtTime(kC2, 11.0885, 1000.0, 0.0), 11.0885, 1e-12);
    EXPECT_DOUBLE_EQ(FlankRateOfSpread(10.0, 2.0, 3.0), 2.0);
}

}  // namespace
}  // namespace emberlin
