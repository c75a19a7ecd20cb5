// Tests of ISI, BUI effect, rates of spread and the net effective wind.
#include "fbp/surface_spread.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/constants.h"
#include "fbp/fbp_records.h"

namespace emberlin {
namespace {

constexpr double kFmc = 108.57;  // the calculator defaults' foliar moisture
constexpr double kSfc = 1.8435817724653702;
constexpr double kFloor = 0.000001;

double Ros(int fuel, double isi, double bui, double pc = 50, double pdf = 50, double gc = 85) {
    return RateOfSpread(fuel, isi, bui, kFmc, kSfc, pc, pdf, gc);
}

TEST(InitialSpreadIndex, WindFunctionAndDryLimit) {
    EXPECT_NEAR(InitialSpreadIndex(87, 25), 9.83, 0.005);
    // From 40 km/h the wind function saturates: 12 (1 - e^(-0.0818 * 12)), not e^(0.05039 * 40).
    EXPECT_NEAR(InitialSpreadIndex(87, 40) / InitialSpreadIndex(87, 0), 7.503467, 1e-6);
    EXPECT_NEAR(InitialSpreadIndex(87, 39.999) / InitialSpreadIndex(87, 0), 7.504851, 1e-6);
    // An FFMC above 101 is as dry as 101.
    EXPECT_EQ(InitialSpreadIndex(101.05, 10), InitialSpreadIndex(101, 10));
    EXPECT_GT(InitialSpreadIndex(101, 10), InitialSpreadIndex(100, 10));
}

TEST(BuiEffect, NeutralCases) {
    EXPECT_EQ(BuiEffect(kC2, 0), 1.0);
    EXPECT_EQ(BuiEffect(kC2, -1), 1.0);
    EXPECT_EQ(BuiEffect(kC2, 64), 1.0);  // at bui0
    EXPECT_EQ(BuiEffect(kO1a, 200), 1.0);
    EXPECT_LT(BuiEffect(kC2, 40), 1.0);
    EXPECT_GT(BuiEffect(kC2, 100), 1.0);
}

TEST(RateOfSpread, FuelRules) {
    const double isi = 9.83161;
    EXPECT_NEAR(Ros(kC2, isi, 40), 11.09, 0.005);
    EXPECT_NEAR(BackRateOfSpread(kC2, 87, 40, 25, kFmc, kSfc, 50, 50, 85), 0.305, 0.0005);
    const struct {
        const char* name;
        double ros, expected;
    } cases[] = {
        {"d2_bui79.9_floor", Ros(kD2, isi, 79.9), kFloor},
        {"d2_bui80_fifth_of_d1", Ros(kD2, isi, 80), 0.2 * Ros(kD1, isi, -1) * BuiEffect(kD2, 80)},
        {"grass_cured_50_floor", Ros(kO1a, isi, 40, 50, 50, 50), kFloor},
        {"grass_cured_100_factor_1", 0.7 * Ros(kO1b, isi, 40, 50, 50, 100), Ros(kO1b, isi, 40)},
        {"m1_pc100_is_c2", Ros(kM1, isi, 40, 100), Ros(kC2, isi, -1) * BuiEffect(kM1, 40)},
        {"m1_pc0_is_d1", Ros(kM1, isi, 40, 0), Ros(kD1, isi, -1) * BuiEffect(kM1, 40)},
        {"m2_pc0_fifth_of_m1", Ros(kM2, isi, 40, 0), 0.2 * Ros(kM1, isi, 40, 0)},
        {"m3_pdf0_floor", Ros(kM3, isi, 40, 50, 0), kFloor},
        {"m4_pdf0_floor", Ros(kM4, isi, 40, 50, 0), kFloor},
    };
    for (const auto& c : cases) EXPECT_NEAR(c.ros, c.expected, c.expected * 1e-12) << c.name;
    // Only rates of 0 or below are floored; a small positive rate stands.
    EXPECT_GT(Ros(kC2, 0.00005, 40), 0.0);
    EXPECT_LT(Ros(kC2, 0.00005, 40), kFloor);
}

TEST(NetEffectiveWind, SlopeEquivalentWind) {
    const double south = kPi;
    const double north = 2 * kPi;
    // Wind straight upslope: the vectors add along the wind.
    const NetWind up = NetEffectiveWind(kC2, 87, 40, 25, south, 30, south, kFmc, kSfc, 50, 50, 85);
    EXPECT_NEAR(up.raz, south, 1e-6);  // arccos near -1 loses digits
    EXPECT_NEAR(up.wsv, 36.6, 0.05);
    // Floored zero-wind rates and uncured grass give no equivalent wind, never a downslope one.
    const struct {
        const char* name;
        int fuel;
        double pdf, gc;
    } none[] = {{"d2", kD2, 50, 85},
                {"grass_cured_50", kO1a, 50, 50},
                {"m3_pdf0", kM3, 0, 85},
                {"m4_pdf1", kM4, 1, 85}};
    for (const auto& c : none) {
        const NetWind net =
            NetEffectiveWind(c.fuel, 87, 40, 10, south, 30, north, kFmc, kSfc, 50, c.pdf, c.gc);
        EXPECT_NEAR(net.wsv, 10.0, 1e-12) << c.name;
        EXPECT_NEAR(net.raz, south, 1e-6) << c.name;
        const NetWind calm =
            NetEffectiveWind(c.fuel, 87, 40, 0, south, 30, north, kFmc, kSfc, 50, c.pdf, c.gc);
        EXPECT_EQ(calm.wsv, 0.0) << c.name;
        EXPECT_EQ(calm.raz, north) << c.name;  // heads upslope
    }
    // Dry fuel on the capped slope: the inverse stays finite (bracket held at 0.01).
    const NetWind steep =
        NetEffectiveWind(kC1, 101, 40, 0, south, 100, south, kFmc, kSfc, 50, 50, 85);
    EXPECT_NEAR(steep.wsv, std::log(std::log(0.01) / -0.0649 / (0.208 * 91.9)) / 0.05039, 1e-9);
}

}  // namespace
}  // namespace emberlin
