// Tests of ISI, BUI effect, rates of spread and the net effective wind.
#include "fbp/surface_spread.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

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

TEST(SurfaceSpread, InitialSpreadIndexAndBuiEffect) {
    EXPECT_NEAR(InitialSpreadIndex(87, 25), 9.83, 0.005);
    // From 40 km/h the wind function is 12 (1 - e^(-0.0818 * 12)), not e^(0.05039 * 40).
    EXPECT_NEAR(InitialSpreadIndex(87, 40) / InitialSpreadIndex(87, 0), 7.503467, 1e-6);
    EXPECT_NEAR(InitialSpreadIndex(87, 39.999) / InitialSpreadIndex(87, 0), 7.504851, 1e-6);
    EXPECT_EQ(InitialSpreadIndex(101.05, 10), InitialSpreadIndex(101, 10));  // as dry as 101
    for (double bui : {0.0, -1.0}) EXPECT_EQ(BuiEffect(kC2, bui), 1.0);
    EXPECT_EQ(BuiEffect(kC2, 64), 1.0);  // at bui0
    EXPECT_EQ(BuiEffect(kO1a, 200), 1.0);
    EXPECT_LT(BuiEffect(kC2, 40), 1.0);
}

TEST(SurfaceSpread, RateOfSpreadFuelRules) {
    const double isi = 9.83161;
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
        {"m4_pdf0_floor", Ros(kM4, isi, 40, 50, 0), kFloor}};
    for (const auto& c : cases) EXPECT_NEAR(c.ros, c.expected, c.expected * 1e-12) << c.name;
    // Only rates of 0 or below are floored; a small positive rate stands.
    EXPECT_GT(Ros(kC2, 0.00005, 40), 0.0);
    EXPECT_LT(Ros(kC2, 0.00005, 40), kFloor);
}

TEST(SurfaceSpread, NetEffectiveWind) {
    const double south = kPi;
    const double north = 2 * kPi;
    auto net = [](int fuel, double ffmc, double wind, double waz, double slope, double saz,
                  double pdf = 50, double gc = 85) {
        return NetEffectiveWind(fuel, ffmc, 40, wind, waz, slope, saz, kFmc, kSfc, 50, pdf, gc);
    };
    // Wind straight upslope: the vectors add along the wind (arccos near -1 loses digits).
    EXPECT_NEAR(net(kC2, 87, 25, 0.5 * south, 30, 0.5 * south).raz, 0.5 * south, 1e-12);
    // Floored zero-wind rates give no equivalent wind (never a downslope one); in calm air
    // the fire heads upslope.
    const struct {
        const char* name;
        int fuel;
        double pdf, gc;
    } none[] = {{"d2", kD2, 50, 85},
                {"grass_50", kO1a, 50, 50},
                {"m3_pdf0", kM3, 0, 85},
                {"m4_pdf1", kM4, 1, 85}};
    for (const auto& c : none) {
        EXPECT_NEAR(net(c.fuel, 87, 10, south, 30, north, c.pdf, c.gc).wsv, 10, 1e-12) << c.name;
        EXPECT_NEAR(net(c.fuel, 87, 10, south, 30, north, c.pdf, c.gc).raz, south, 1e-6) << c.name;
        EXPECT_EQ(net(c.fuel, 87, 0, south, 30, north, c.pdf, c.gc).wsv, 0.0) << c.name;
        EXPECT_EQ(net(c.fuel, 87, 0, south, 30, north, c.pdf, c.gc).raz, north) << c.name;
    }
    // Dry fuel on the capped slope: the inverse stays finite with the bracket held at 0.01.
    EXPECT_NEAR(net(kC1, 101, 0, south, 100, south).wsv,
                std::log(std::log(0.01) / -0.0649 / (0.208 * 91.9)) / 0.05039, 1e-9);
}

// Without wind, the net wind's ISI spreads the fire at the zero-wind rate times the slope
// factor: the slope-equivalent ISI inverts each fuel's power form (blends and C6 aside).
struct NamedFuel {
    const char* name;
    int fuel;
};

void PrintTo(const NamedFuel& fuel, std::ostream* out) { *out << fuel.name; }

class SlopeEquivalentIsi : public ::testing::TestWithParam<NamedFuel> {};

TEST_P(SlopeEquivalentIsi, InvertsTheRate) {
    const int fuel = GetParam().fuel;
    const double slopeFactor = std::exp(3.533 * std::pow(0.3, 1.2));
    const double wsv = NetEffectiveWind(fuel, 87, 40, 0, kPi, 30, kPi, kFmc, kSfc, 50, 50, 85).wsv;
    ASSERT_LT(wsv, 40.0) << fuel;
    EXPECT_NEAR(
        Ros(fuel, InitialSpreadIndex(87, wsv), -1) / Ros(fuel, InitialSpreadIndex(87, 0), -1),
        slopeFactor, 1e-9)
        << fuel;
}

INSTANTIATE_TEST_SUITE_P(
    SurfaceSpread, SlopeEquivalentIsi,
    ::testing::Values(NamedFuel{"C1", kC1}, NamedFuel{"C2", kC2}, NamedFuel{"C3", kC3},
                      NamedFuel{"C4", kC4}, NamedFuel{"C5", kC5}, NamedFuel{"C7", kC7},
                      NamedFuel{"D1", kD1}, NamedFuel{"M3", kM3}, NamedFuel{"M4", kM4},
                      NamedFuel{"S1", kS1}, NamedFuel{"S2", kS2}, NamedFuel{"S3", kS3},
                      NamedFuel{"O1a", kO1a}, NamedFuel{"O1b", kO1b}),
    [](const ::testing::TestParamInfo<NamedFuel>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace emberlin
