// Tests of foliar moisture, fuel consumption, crown fraction burned and intensity.
#include "fbp/crown_consumption.h"

#include <gtest/gtest.h>

#include <cmath>

#include "fbp/fbp_records.h"

namespace emberlin {
namespace {

constexpr double kFmc = 108.57;  // the calculator defaults' foliar moisture
constexpr double kSfc = 1.8435817724653702;

TEST(FoliarMoistureContent, DayOfMinimumAndDistanceBands) {
    const struct {
        const char* name;
        double latitude, longitude;
        int elevation, julianDay, minFmcDay;
        double fmc;
    } cases[] = {{"worked_out_nd35", 55, 110, 0, 196, 0, 108.57},  // D0 161
                 {"elevation_1m", 55, 110, 1, 196, 0, 116.6232},   // D0 152, nd 44
                 {"given_day", -80, 999, 0, 150, 150, 85.0},
                 {"nd29", 0, 0, 0, 129, 100, 100.8949},
                 {"nd30", 0, 0, 0, 130, 100, 102.08},
                 {"nd49", 0, 0, 0, 51, 100, 119.0812},
                 {"nd50", 0, 0, 0, 150, 100, 120.0}};
    for (const auto& c : cases) {
        EXPECT_NEAR(
            FoliarMoistureContent(c.latitude, c.longitude, c.elevation, c.julianDay, c.minFmcDay),
            c.fmc, 1e-9)
            << c.name;
    }
}

TEST(SurfaceFuelConsumption, FuelRules) {
    const double floor = 0.000001;
    const struct {
        const char* name;
        int fuel;
        double ffmc, bui, gfl, sfc, tolerance;
    } cases[] = {{"c1_ffmc81_floor", kC1, 81, 40, 0.3, floor, 0},
                 {"c7_wet_fine_fuel_lowers", kC7, 68, 40, 0.3, 0.366271, 5e-7},
                 {"c7_fine_fuel_zero", kC7, 70, 40, 0.3, 0.828697, 5e-7},
                 {"d2_bui79_floor", kD2, 87, 79, 0.3, floor, 0},
                 {"o1a_grass_load", kO1a, 87, 40, 1.7, 1.7, 0},
                 {"s1_bui0_floor", kS1, 87, 0, 0.3, floor, 0}};
    for (const auto& c : cases) {
        EXPECT_NEAR(SurfaceFuelConsumption(c.fuel, c.ffmc, c.bui, 50, c.gfl), c.sfc, c.tolerance)
            << c.name;
    }
    // D2 from BUI 80 burns one fifth of D1; a mixedwood blends C2 and D1 by pc.
    EXPECT_DOUBLE_EQ(SurfaceFuelConsumption(kD2, 87, 80, 50, 0.3),
                     0.2 * SurfaceFuelConsumption(kD1, 87, 80, 50, 0.3));
    EXPECT_DOUBLE_EQ(SurfaceFuelConsumption(kM1, 87, 40, 25, 0.3),
                     0.25 * kSfc + 0.75 * SurfaceFuelConsumption(kD1, 87, 40, 25, 0.3));
}

TEST(CrownFire, CriticalRateConsumptionAndIntensity) {
    const double rso = 0.001 * std::pow(3.0, 1.5) * std::pow(460 + 25.9 * kFmc, 1.5) / (300 * kSfc);
    EXPECT_NEAR(rso, 1.76, 0.005);
    EXPECT_EQ(CrownFractionBurned(kC2, kFmc, kSfc, rso), 0.0);  // crowning only above RSO
    EXPECT_GT(CrownFractionBurned(kC2, kFmc, kSfc, rso * (1 + 1e-9)), 0.0);
    EXPECT_DOUBLE_EQ(TotalFuelConsumption(kM1, 0.5, 1.0, 50), 1.2);  // conifer half only
    EXPECT_DOUBLE_EQ(TotalFuelConsumption(kM3, 0.5, 1.0, 10), 1.4);  // pc not used
    EXPECT_DOUBLE_EQ(TotalFuelConsumption(kD1, 0.5, 1.0, 10), 1.0);  // no crown fuel
    EXPECT_DOUBLE_EQ(FireIntensity(2.0, 10.0), 6000.0);
}

}  // namespace
}  // namespace emberlin
