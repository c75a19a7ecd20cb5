#include "diurnal/hourly_ffmc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "common/calendar.h"
#include "diurnal_test_days.h"

namespace emberlin {
namespace {

using testing::DayInputs;
using testing::RunDay;

// The two published FFMC/moisture conversions are not exact inverses (FFMC 0 is 249.87 %
// one way, 250 % the other): an hour that leaves the moisture alone still moves the FFMC.
double RoundTrip(double ffmc) {
    const double m = 147.2 * (101 - ffmc) / (59.5 + ffmc);
    return 59.5 * (250 - m) / (147.2 + m);
}

TEST(CalcHourlyFfmc, OneHour) {
    struct Row {
        std::string name;
        bool vanWagner;
        double temperature, relativeHumidity, windSpeed, previous, expected, tolerance;
    };
    for (const Row& r : std::vector<Row>{
             {"drying_from_87", true, 30, 45, 25, 87, 87.7, 0.05},
             {"wetting_from_101", true, 30, 45, 25, 101, 98.9, 0.05},
             {"drying_from_0", true, 30, 45, 25, 0, 9.66, 0.005},
             // m 12.97 lies between Ew 12.0 and Ed 13.7: the moisture stays.
             {"between_equilibria", true, 20, 50, 10, 88, RoundTrip(88), 1e-12},
             {"saturated_air_does_not_dry", true, 20, 100, 40, 0, RoundTrip(0), 1e-12},
             {"capped_at_101", true, 40, 0, 150, 101, 101, 0},
             {"equilibrium_30_45", false, 30, 45, 0, 0, 89.9, 0.05},
             {"equilibrium_between", false, 20, 50, 0, 88, RoundTrip(88), 1e-12},
             {"equilibrium_wetting_to_ew", false, 20, 50, 0, 95, 88.9, 0.05},
             {"equilibrium_not_capped", false, 40, 0, 0, 0, 101.05, 0.005},
         }) {
        const double got =
            r.vanWagner ? CalcHourlyFfmcVanWagner(r.temperature, r.relativeHumidity, r.windSpeed,
                                                  r.previous)
                        : CalcHourlyFfmcEquilibrium(r.temperature, r.relativeHumidity, r.previous);
        EXPECT_NEAR(got, r.expected, r.tolerance) << r.name;
    }
    // Saturated calm air wets with x = 0: k = 0.424 e^(0.0365 T) 0.0579, towards
    // Ew = 0.618 100^0.753 + 10 + 0.18 (21.1 - T)(1 - e^-11.5). From FFMC 95 at 20 C:
    const double m0 = 147.2 * 6 / 154.5;
    const double ew = 0.618 * std::pow(100, 0.753) + 10 + 0.18 * 1.1 * (1 - std::exp(-11.5));
    const double m = ew + (m0 - ew) * std::exp(-2.303 * 0.424 * std::exp(0.0365 * 20) * 0.0579);
    EXPECT_NEAR(CalcHourlyFfmcVanWagner(20, 100, 0, 95), 59.5 * (250 - m) / (147.2 + m), 1e-9);
}

TEST(FindStartFfmc, SearchFromBelow) {
    const DiurnalDay formDay = *RunDay({});
    // Saturated still air dries nothing: the 4 pm value is the guess plus 0.3 to 0.6 of
    // conversion drift, so a step of 4 lands in the window and a step of 6 does not.
    DiurnalDay saturated;
    saturated.relativeHumidity.fill(100);
    DiurnalDay dryAfternoon = saturated;  // 4 pm alone hot, dry and windy
    dryAfternoon.temperature[16] = 40, dryAfternoon.relativeHumidity[16] = 5;
    dryAfternoon.windSpeed[16] = 100;
    struct Row {
        std::string name;
        const DiurnalDay* day;
        double noonFfmc, start;
    };
    for (const Row& r : std::vector<Row>{
             {"form_day_first_guess", &formDay, 87, 67},
             {"form_day_never_in_window", &formDay, 95, 95},
             {"form_day_low_noon_value", &formDay, 10, 10},
             {"window_takes_4_not_6", &saturated, 50, 46},
             {"negative_guess_clamped_to_0", &saturated, 2, 0},
             {"matched_after_4_pm", &dryAfternoon, 80, 60},
         }) {
        EXPECT_EQ(FindStartFfmc(*r.day, r.noonFfmc), r.start) << r.name;
    }
}

TEST(CalcDiurnalFfmc, Methods) {
    const DiurnalDay day = *RunDay({});
    const DiurnalFfmc vw = CalcDiurnalFfmc(day, 87, FfmcMethod::VanWagner);
    EXPECT_NEAR(vw[10], 75.9, 0.05);
    EXPECT_NEAR(vw[16], 87.0, 0.05);
    EXPECT_NEAR(vw[22], 85.7, 0.05);
    // Equilibrium: each hour from its temperature and humidity alone.
    DiurnalDay still = day;
    still.windSpeed.fill(0);
    const DiurnalFfmc eq = CalcDiurnalFfmc(day, 87, FfmcMethod::Equilibrium);
    EXPECT_EQ(eq, CalcDiurnalFfmc(still, 3, FfmcMethod::Equilibrium));
    EXPECT_EQ(CalcDiurnalFfmc(day, 87, FfmcMethod::Lawson), DiurnalFfmc{});
    EXPECT_EQ(vw[0] + eq[0], 0.0);
}

// A grid over the form's ranges (corners and typical values of every input) gives finite,
// bounded days and FFMC. Reversed extremes, which the form refuses, are included too.
TEST(DiurnalProperty, FormRangeGrid) {
    const double lats[] = {30, 66.5, 80}, noonTs[] = {0, 40}, noonRhs[] = {0, 45, 100};
    const double noonWs[] = {0, 150}, ffmcs[] = {0, 87, 101};
    const int dates[][2] = {{1, 1}, {6, 21}, {12, 31}};
    const double temps[][2] = {{0, 0}, {0, 40}, {15, 32}, {40, 40}, {40, 0}};
    const double winds[][2] = {{0, 0}, {1, 35}, {150, 150}, {150, 0}};
    const DiurnalCurveParams tps[] = {{0.88, 1.86, -2.2}, {0, 0, 0},     {5, 0.01, 4.5},
                                      {0.01, 4.5, -4.5},  {5, 4.5, 4.5}, {2, 2, 4.5}};
    const DiurnalCurveParams wps[] = {{1, 1.24, -3.59}, {-2.5, 7.5, 4.5}, {2.5, 0, -4.5}};
    int failures = 0;
    for (int i = 0; i < 3 * 3 * 2 * 3 * 2 * 5 * 6 * 4 * 3; ++i) {
        int k = i;
        const auto pick = [&k](int n) { return std::exchange(k, k / n) % n; };
        const double lat = lats[pick(3)];
        const int* date = dates[pick(3)];
        const double noonT = noonTs[pick(2)], noonRh = noonRhs[pick(3)], noonW = noonWs[pick(2)];
        const double* t = temps[pick(5)];
        const DiurnalCurveParams tp = tps[pick(6)];
        const double* w = winds[pick(4)];
        const DiurnalCurveParams wp = wps[pick(3)];
        const auto day = CalcDiurnalDay(lat, 170, date[0], date[1], noonT, noonRh, noonW, t[0],
                                        t[1], w[0], w[1], tp, wp);
        const auto fit = FitDiurnalCurves(lat, 170, *DayOfYear(date[0], date[1]), noonT, noonW,
                                          t[0], t[1], w[0], w[1], tp, wp);
        if (!day || !fit) {  // counted like a bad hour, so the grid goes on to its end
            if (++failures <= 10) ADD_FAILURE() << "grid point " << i << ": no day";
            continue;
        }
        // Both curves swing at most their fitted range away from the fitted minimum.
        const double maxT =
            fit->minTemperature + std::abs(fit->maxTemperature - fit->minTemperature);
        const double maxW = fit->minWind + std::abs(fit->maxWind - fit->minWind);
        // The equilibrium FFMC is not capped: dry hours give 101.05. With minimum <= maximum
        // no fitted hour is above 40 + 40 C, where it peaks at 104.22 (near 12.7 % humidity).
        const double maxEq = t[0] <= t[1] ? 104.3 : 1e300;
        const DiurnalFfmc vw = CalcDiurnalFfmc(*day, ffmcs[i % 3], FfmcMethod::VanWagner);
        const DiurnalFfmc eq = CalcDiurnalFfmc(*day, ffmcs[i % 3], FfmcMethod::Equilibrium);
        for (int h = 1; h <= 24; ++h) {
            const double T = day->temperature[h], rh = day->relativeHumidity[h];
            const double W = day->windSpeed[h];
            // Written so that NaN fails every comparison.
            const bool ok = T >= 0 && T <= maxT + 1e-9 && rh >= 0 && rh <= 100 && W >= 0 &&
                            W <= maxW + 1e-9 && vw[h] >= 0 && vw[h] <= 101 && eq[h] >= 0 &&
                            eq[h] <= maxEq;
            if (!ok && ++failures <= 10) {
                ADD_FAILURE() << "grid point " << i << " hour " << h << ": T " << T << " RH " << rh
                              << " W " << W << " FFMC " << vw[h] << " / " << eq[h];
            }
        }
    }
    EXPECT_EQ(failures, 0);
}

}  // namespace
}  // namespace emberlin
