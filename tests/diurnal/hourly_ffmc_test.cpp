#include "diurnal/hourly_ffmc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "common/calendar.h"
#include "diurnal_test_days.h"

namespace emberlin {
namespace {

using testing::DayInputs;
using testing::RunDay;

// FFMC -> moisture -> FFMC. The two published conversions are not exact inverses (FFMC 0 is
// 249.87 % one way and 250 % the other), so an hour that leaves the moisture alone still
// moves the FFMC slightly.
double RoundTrip(double ffmc) {
    const double m = 147.2 * (101 - ffmc) / (59.5 + ffmc);
    return 59.5 * (250 - m) / (147.2 + m);
}

// A day of constant weather in every hour.
DiurnalDay SteadyDay(double temperature, double relativeHumidity, double windSpeed) {
    DiurnalDay day;
    for (int h = 1; h <= 24; ++h) {
        day.temperature[h] = temperature;
        day.relativeHumidity[h] = relativeHumidity;
        day.windSpeed[h] = windSpeed;
    }
    return day;
}

TEST(CalcHourlyFfmc, OneHourFromAPreviousValue) {
    struct Row {
        std::string name;
        double temperature, relativeHumidity, windSpeed, previous;
        double vanWagner, tolerance;
    };
    const std::vector<Row> rows = {
        {"drying_from_87", 30, 45, 25, 87, 87.7, 0.05},
        {"wetting_from_101", 30, 45, 25, 101, 98.9, 0.05},
        {"drying_from_0", 30, 45, 25, 0, 9.66, 0.005},
        // Between the two equilibria (m 12.97 between Ew 12.0 and Ed 13.7) nothing moves.
        {"between_equilibria", 20, 50, 10, 88, RoundTrip(88), 1e-12},
        // Saturated air dries nothing (x = 1 makes the drying rate 0), whatever the wind.
        {"saturated_air_does_not_dry", 20, 100, 40, 0, RoundTrip(0), 1e-12},
        // Hot, bone-dry and windy: moisture runs below the FFMC scale; capped at 101.
        {"capped_at_101", 40, 0, 150, 101, 101, 0},
    };
    for (const Row& r : rows) {
        EXPECT_NEAR(
            CalcHourlyFfmcVanWagner(r.temperature, r.relativeHumidity, r.windSpeed, r.previous),
            r.vanWagner, r.tolerance)
            << r.name;
    }
}

TEST(CalcHourlyFfmc, WettingRateInSaturatedCalmAir) {
    // At 100 % and no wind the wetting uses x = 0: k = 0.424 e^(0.0365 T) 0.0579, towards
    // the wetting equilibrium Ew = 0.618 100^0.753 + 10 + 0.18 (21.1 - T)(1 - e^-11.5).
    const double t = 20;
    const double previous = 95;
    const double m0 = 147.2 * (101 - previous) / (59.5 + previous);
    const double ew =
        0.618 * std::pow(100.0, 0.753) + 10 + 0.18 * (21.1 - t) * (1 - std::exp(-11.5));
    const double k = 0.424 * std::exp(0.0365 * t) * 0.0579;
    const double m = ew + (m0 - ew) * std::exp(-2.303 * k);
    EXPECT_NEAR(CalcHourlyFfmcVanWagner(t, 100, 0, previous), 59.5 * (250 - m) / (147.2 + m), 1e-9);
}

TEST(CalcHourlyFfmc, EquilibriumMethod) {
    struct Row {
        std::string name;
        double temperature, relativeHumidity, previous;
        double expected, tolerance;
    };
    const std::vector<Row> rows = {
        {"drying_equilibrium_30_45", 30, 45, 0, 89.9, 0.05},
        {"between_equilibria_unchanged", 20, 50, 88, RoundTrip(88), 1e-12},
        {"wetting_side_goes_to_ew", 20, 50, 95, 88.9, 0.05},
        // Nothing caps the equilibrium: bone-dry air gives a value just above 101.
        {"not_capped", 40, 0, 0, 101.05, 0.005},
    };
    for (const Row& r : rows) {
        EXPECT_NEAR(CalcHourlyFfmcEquilibrium(r.temperature, r.relativeHumidity, r.previous),
                    r.expected, r.tolerance)
            << r.name;
    }
}

TEST(FindStartFfmc, SearchFromBelow) {
    const DiurnalDay formDay = *RunDay(DayInputs{});
    // Saturated still air: nothing dries from above Ed, so the 4 pm value is the guess plus
    // 0.3 to 0.6 of conversion drift over 16 hours: a step of 4 lands inside the window,
    // a step of 6 does not.
    const DiurnalDay saturated = SteadyDay(0, 100, 0);
    // The same, but 4 pm alone is hot, dry and windy: the match is made after that hour.
    DiurnalDay dryAfternoon = saturated;
    dryAfternoon.temperature[16] = 40;
    dryAfternoon.relativeHumidity[16] = 5;
    dryAfternoon.windSpeed[16] = 100;
    struct Row {
        std::string name;
        const DiurnalDay* day;
        double noonFfmc, start;
    };
    const std::vector<Row> rows = {
        {"form_day_first_guess_accepted", &formDay, 87, 67},
        {"form_day_never_in_window", &formDay, 95, 95},
        {"form_day_low_noon_value", &formDay, 10, 10},
        {"window_accepts_miss_of_4", &saturated, 50, 46},
        {"negative_guess_clamped_to_0", &saturated, 2, 0},
        {"zero_noon_value", &saturated, 0, 0},
        {"matched_at_4_pm", &dryAfternoon, 80, 60},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(FindStartFfmc(*r.day, r.noonFfmc), r.start) << r.name;
    }
    const DiurnalFfmc ffmc = CalcDiurnalFfmc(formDay, 87, FfmcMethod::VanWagner);
    EXPECT_NEAR(ffmc[16], 87.0, 0.05);
}

TEST(CalcDiurnalFfmc, Methods) {
    const DiurnalDay day = *RunDay(DayInputs{});
    const DiurnalFfmc vanWagner = CalcDiurnalFfmc(day, 87, FfmcMethod::VanWagner);
    EXPECT_NEAR(vanWagner[10], 75.9, 0.05);
    EXPECT_NEAR(vanWagner[22], 85.7, 0.05);
    // The first hour steps from the searched start value.
    EXPECT_EQ(vanWagner[1], CalcHourlyFfmcVanWagner(day.temperature[1], day.relativeHumidity[1],
                                                    day.windSpeed[1], 67));

    // Equilibrium: each hour from its own temperature and humidity alone.
    DiurnalDay stiller = day;
    for (int h = 1; h <= 24; ++h) stiller.windSpeed[h] = 0;
    const DiurnalFfmc equilibrium = CalcDiurnalFfmc(day, 87, FfmcMethod::Equilibrium);
    const DiurnalFfmc equilibriumStill = CalcDiurnalFfmc(stiller, 3, FfmcMethod::Equilibrium);
    for (int h = 1; h <= 24; ++h) {
        EXPECT_EQ(equilibrium[h], equilibriumStill[h]) << h;
    }

    const DiurnalFfmc lawson = CalcDiurnalFfmc(day, 87, FfmcMethod::Lawson);
    for (int h = 0; h <= 24; ++h) EXPECT_EQ(lawson[h], 0.0) << h;
    EXPECT_EQ(vanWagner[0], 0.0);
    EXPECT_EQ(equilibrium[0], 0.0);
}

// The grid of the form's ranges: corners and typical values of every input. Reversed
// extremes (minimum above maximum), which the form refuses, are included for finiteness.
std::vector<DayInputs> FormRangeGrid() {
    struct Date {
        int month, day;
    };
    struct Pair {
        double min, max;
    };
    const double latitudes[] = {30, 66.5, 80};
    const Date dates[] = {{1, 1}, {6, 21}, {12, 31}};
    const double noonTemperatures[] = {0, 40};
    const double noonHumidities[] = {0, 45, 100};
    const double noonWinds[] = {0, 150};
    const Pair temperatures[] = {{0, 0}, {0, 40}, {15, 32}, {40, 40}, {40, 0}};
    const DiurnalCurveParams temperatureShapes[] = {
        {0.88, 1.86, -2.2}, {0, 0, 0},     {5, 0.01, 4.5},
        {0.01, 4.5, -4.5},  {5, 4.5, 4.5}, {2, 2, 4.5},
    };
    const Pair winds[] = {{0, 0}, {1, 35}, {150, 150}, {150, 0}};
    const DiurnalCurveParams windShapes[] = {{1, 1.24, -3.59}, {-2.5, 7.5, 4.5}, {2.5, 0, -4.5}};

    std::vector<DayInputs> grid;
    DayInputs in;
    in.longitude = -170;
    for (double lat : latitudes) {
        in.latitude = lat;
        for (const Date& date : dates) {
            in.month = date.month;
            in.day = date.day;
            for (double noonT : noonTemperatures) {
                in.noonTemperature = noonT;
                for (double noonRh : noonHumidities) {
                    in.noonRelativeHumidity = noonRh;
                    for (double noonW : noonWinds) {
                        in.noonWindSpeed = noonW;
                        for (const Pair& t : temperatures) {
                            in.minTemperature = t.min;
                            in.maxTemperature = t.max;
                            for (const DiurnalCurveParams& tp : temperatureShapes) {
                                in.temperatureParams = tp;
                                for (const Pair& w : winds) {
                                    in.minWind = w.min;
                                    in.maxWind = w.max;
                                    for (const DiurnalCurveParams& wp : windShapes) {
                                        in.windParams = wp;
                                        grid.push_back(in);
                                    }
                                }
                            }
                        }
                    }
                }
            }
        }
    }
    return grid;
}

// Checks one day; returns what was out of bounds, or an empty text.
std::string CheckDay(const DayInputs& in, double noonFfmc) {
    const std::optional<DiurnalDay> day = RunDay(in);
    const std::optional<DiurnalFit> fit =
        FitDiurnalCurves(in.latitude, in.longitude, *DayOfYear(in.month, in.day),
                         in.noonTemperature, in.noonWindSpeed, in.minTemperature, in.maxTemperature,
                         in.minWind, in.maxWind, in.temperatureParams, in.windParams);
    if (!day || !fit) return "no day";
    // Both curves swing at most their fitted range away from the fitted minimum.
    const double maxT = fit->minTemperature + std::abs(fit->maxTemperature - fit->minTemperature);
    const double maxW = fit->minWind + std::abs(fit->maxWind - fit->minWind);
    // The equilibrium FFMC is not capped at 101: dry hours reach 101.05, hot dry ones more.
    // With the minima at or below the maxima no fitted hour exceeds 40 + 40 C, where the
    // equilibrium FFMC peaks at 104.22 (near 12.7 % humidity).
    const double maxEq =
        in.minTemperature <= in.maxTemperature ? 104.3 : std::numeric_limits<double>::max();
    const DiurnalFfmc vw = CalcDiurnalFfmc(*day, noonFfmc, FfmcMethod::VanWagner);
    const DiurnalFfmc eq = CalcDiurnalFfmc(*day, noonFfmc, FfmcMethod::Equilibrium);
    for (int h = 1; h <= 24; ++h) {
        const double t = day->temperature[h];
        const double rh = day->relativeHumidity[h];
        const double w = day->windSpeed[h];
        const bool ok = std::isfinite(t) && t >= 0 && t <= maxT + 1e-9 && std::isfinite(rh) &&
                        rh >= 0 && rh <= 100 && std::isfinite(w) && w >= 0 && w <= maxW + 1e-9 &&
                        std::isfinite(vw[h]) && vw[h] >= 0 && vw[h] <= 101 &&
                        std::isfinite(eq[h]) && eq[h] >= 0 && eq[h] <= maxEq;
        if (!ok) {
            std::ostringstream out;
            out << "hour " << h << ": T " << t << " RH " << rh << " W " << w << " FFMC " << vw[h]
                << " / " << eq[h];
            return out.str();
        }
    }
    return "";
}

TEST(DiurnalProperty, FormRangeGrid) {
    const std::vector<DayInputs> grid = FormRangeGrid();
    const double noonFfmcs[] = {0, 87, 101};
    int failures = 0;
    for (std::size_t i = 0; i < grid.size(); ++i) {
        const DayInputs& in = grid[i];
        const std::string fault = CheckDay(in, noonFfmcs[i % 3]);
        if (!fault.empty() && ++failures <= 10) {
            ADD_FAILURE() << "lat " << in.latitude << " date " << in.month << "/" << in.day
                          << " noon " << in.noonTemperature << "/" << in.noonRelativeHumidity << "/"
                          << in.noonWindSpeed << " T " << in.minTemperature << ".."
                          << in.maxTemperature << " (" << in.temperatureParams.alpha << ", "
                          << in.temperatureParams.beta << ", " << in.temperatureParams.gamma
                          << ") W " << in.minWind << ".." << in.maxWind << ": " << fault;
        }
    }
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(grid.size(), 38880u);
}

TEST(DiurnalProperty, ReversedExtremesWithGrowingNight) {
    // January, typical minimum 40 above maximum 8, temperature parameters 5, 2, 4: a growing
    // night curve once reached tens of thousands of degrees and a NaN FFMC.
    DayInputs in;
    in.month = 1;
    in.minTemperature = 40;
    in.maxTemperature = 8;
    in.temperatureParams = {5, 2, 4};
    const DiurnalDay day = *RunDay(in);
    const DiurnalFfmc vw = CalcDiurnalFfmc(day, 87, FfmcMethod::VanWagner);
    const DiurnalFfmc eq = CalcDiurnalFfmc(day, 87, FfmcMethod::Equilibrium);
    for (int h = 1; h <= 24; ++h) {
        EXPECT_GE(day.temperature[h], 0) << h;
        // Never above the fitted minimum (at most 40 + 30) plus the fitted range (at most 34).
        EXPECT_LE(day.temperature[h], 104) << h;
        EXPECT_TRUE(std::isfinite(vw[h]) && vw[h] >= 0 && vw[h] <= 101) << h;
        EXPECT_TRUE(std::isfinite(eq[h])) << h;
    }
}

}  // namespace
}  // namespace emberlin
