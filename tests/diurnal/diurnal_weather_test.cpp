#include "diurnal/diurnal_weather.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "diurnal_test_days.h"

namespace emberlin {
namespace {

using testing::DayInputs;
using testing::RunDay;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct SunRow {
    std::string name;
    double latitude, longitude;
    int dayOfYear;
    double minHalfDay, maxHalfDay;  // hours; NaN: outside the domain, refused
};

void PrintTo(const SunRow& row, std::ostream* out) { *out << row.name; }

class CalcSunTimesDay : public ::testing::TestWithParam<SunRow> {};

TEST_P(CalcSunTimesDay, DayLengthsAndDomain) {
    const SunRow& r = GetParam();
    const std::optional<SunTimes> sun = CalcSunTimes(r.latitude, r.longitude, r.dayOfYear);
    const bool inDomain = !std::isnan(r.minHalfDay);
    ASSERT_EQ(sun.has_value(), inDomain) << r.name;
    EXPECT_EQ(RunDay({.latitude = r.latitude, .longitude = r.longitude}).has_value(), inDomain)
        << r.name;
    if (!inDomain) return;
    const double halfDay = (sun->sunset - sun->sunrise) / 2;
    EXPECT_TRUE(halfDay >= r.minHalfDay && halfDay <= r.maxHalfDay) << r.name << " " << halfDay;
    EXPECT_NEAR(sun->sunrise + sun->sunset, 24.0, 1e-12) << r.name;
    EXPECT_EQ(sun->sunrise, CalcSunTimes(r.latitude, 0.5, r.dayOfYear)->sunrise) << r.name;
}

// 6 h at the equator plus ~3 min for disc and refraction; 55 N has ~17 h in mid July.
INSTANTIATE_TEST_SUITE_P(
    CalcSunTimes, CalcSunTimesDay,
    ::testing::Values(SunRow{"equator", 0, 0, 80, 6.04, 6.07},
                      SunRow{"lat55_july_15", 55, -110, 196, 8.3, 8.6},
                      SunRow{"lat_minus55_july_winter", -55, 180, 196, 3.6, 4.0},
                      SunRow{"polar_day", 80, -180, 172, 12 - 1e-6, 12 + 1e-6},
                      SunRow{"polar_night", 80, 0, 355, 0, 0},
                      SunRow{"latitude_above_80", 80.000001, 0, 196, kNaN, kNaN},
                      SunRow{"latitude_90", 90, -110, 196, kNaN, kNaN},
                      SunRow{"longitude_beyond_180", -55, -180.5, 196, kNaN, kNaN},
                      SunRow{"latitude_nan", kNaN, 0, 196, kNaN, kNaN},
                      SunRow{"longitude_infinite", 0, std::numeric_limits<double>::infinity(), 196,
                             kNaN, kNaN}),
    [](const ::testing::TestParamInfo<SunRow>& row) { return row.param.name; });

TEST(CalcVapourPressure, GoffGratchAndDewPoint) {
    // Standard saturation table values over water.
    EXPECT_NEAR(CalcVapourPressure(100), 1013.246, 1e-9);
    EXPECT_NEAR(CalcVapourPressure(0), 6.1078, 5e-4);
    EXPECT_NEAR(CalcVapourPressure(30), 42.43, 5e-3);
    EXPECT_EQ(CalcVapourPressure(-273.16), -999);
    EXPECT_NEAR(CalcDewPoint(30, 45), 17.0, 0.05);
    EXPECT_NEAR(CalcDewPoint(25, 100), 25.0, 1e-9);
    EXPECT_EQ(CalcDewPoint(20, 0), -999);
    // The dew point's saturation pressure is RH % of the air's, within the formula's 1 %.
    EXPECT_NEAR(CalcVapourPressure(CalcDewPoint(10, 30)) / CalcVapourPressure(10), 0.3, 0.01);
}

TEST(CalcDiurnalDay, InputsThatChangeNothing) {
    struct Row {
        std::string name;
        DayInputs entered, used;
    };
    for (const Row& r : std::vector<Row>{
             {"april_31_is_may_1", {.month = 4, .day = 31}, {.month = 5, .day = 1}},
             {"temperature_alpha_0_replaces_all_three", {.temperatureParams = {0, 4, 3}}, {}},
             {"temperature_beta_0", {.temperatureParams = {3, 0, 3}}, {}},
             {"temperature_gamma_0", {.temperatureParams = {3, 4, 0}}, {}},
             {"wind_alpha_0_replaces_only_gamma",
              {.windParams = {0, 1.24, -1}},
              {.windParams = {1, 2, -3.59}}},
             {"wind_alpha_beta_shape_nothing",
              {.windParams = {2.5, 7.5, -1}},
              {.windParams = {-2.5, 0.5, -1}}},
         }) {
        const DiurnalDay a = *RunDay(r.entered), b = *RunDay(r.used);
        EXPECT_TRUE(a.temperature == b.temperature && a.relativeHumidity == b.relativeHumidity &&
                    a.windSpeed == b.windSpeed)
            << r.name;
    }
    for (const DayInputs& in : {DayInputs{.month = 0}, DayInputs{.month = 13}, DayInputs{.day = 0},
                                DayInputs{.month = 12, .day = std::numeric_limits<int>::max()}}) {
        EXPECT_FALSE(RunDay(in)) << in.month << "/" << in.day;
    }
}

TEST(CalcDiurnalDay, FormInitialDay) {
    const DiurnalFit fit = *FitDiurnalCurves(55, -110, 196, 30, 25, 15, 32, 1, 35,
                                             kDefaultTemperatureParams, kDefaultWindParams);
    EXPECT_NEAR(fit.modelNoonTemperature, 31.2, 0.05);
    EXPECT_NEAR(fit.minTemperature, 13.8, 0.05);
    EXPECT_NEAR(fit.maxTemperature, 30.8, 0.05);
    EXPECT_EQ(fit.minWind, 0.0);  // 1 + 25 - 33.4 is held at 0
    // Curves flat at 0 model a noon of 0: the minima stay 0, the maxima take the noon values.
    const DiurnalFit flat = *FitDiurnalCurves(55, -110, 196, 40, 50, 0, 0, 0, 0,
                                              kDefaultTemperatureParams, kDefaultWindParams);
    EXPECT_TRUE(flat.minTemperature == 0 && flat.minWind == 0 && flat.maxTemperature == 40 &&
                flat.maxWind == 50);

    const DiurnalDay day = *RunDay({});
    EXPECT_NEAR(day.temperature[12], 30.0, 1e-9);
    const double* t = day.temperature.data();
    EXPECT_EQ(std::min_element(t + 1, t + 25) - t, 4);
    EXPECT_EQ(std::max_element(t + 1, t + 25) - t, 14);
    const double shown[][3] = {{27.4, 53.2, 21.3}, {18.9, 89.2, 6.0}};  // 10 am, 10 pm
    for (int i = 0; i < 2; ++i) {
        EXPECT_NEAR(day.temperature[10 + 12 * i], shown[i][0], 0.05) << i;
        EXPECT_NEAR(day.relativeHumidity[10 + 12 * i], shown[i][1], 0.05) << i;
        EXPECT_NEAR(day.windSpeed[10 + 12 * i], shown[i][2], 0.05) << i;
    }
    // Below the noon dew point the air is saturated.
    for (int h : {1, 2, 3, 4, 5, 24}) EXPECT_EQ(day.relativeHumidity[h], 100.0) << h;
    EXPECT_EQ(day.temperature[0] + day.relativeHumidity[0] + day.windSpeed[0], 0.0);

    const SunTimes sun = *CalcSunTimes(55, -110, 196);
    const double e = CalcVapourPressure(CalcDewPoint(30, 45));
    const auto hour = [&](double h, double gamma = -2.2) {
        return CalcHourWeather(55, -110, 196, h, 13.8, 30.8, e, 0, 26.6, {0.88, 1.86, gamma},
                               {1, 1.24, gamma});
    };
    // The hour of the minimum belongs to the night curve, well above the day's minimum.
    const double tn = sun.sunrise + 0.88;
    EXPECT_NEAR(hour(tn)->temperature, hour(tn - 1e-9)->temperature, 1e-6);
    EXPECT_GT(hour(tn)->temperature, hour(tn + 1e-9)->temperature + 0.5);
    const double wraps[][2] = {{25, 1}, {-13, 11}, {48, 24}, {1e17, 16}};  // 1e17 = 16 mod 24
    for (const auto& w : wraps) EXPECT_EQ(hour(w[0])->windSpeed, hour(w[1])->windSpeed) << w[0];
    EXPECT_FALSE(hour(kNaN));
    // A growing night is held at its value at sunset (where exp(gamma B) is exactly 1).
    EXPECT_EQ(hour(23, 4.5)->temperature, hour(sun.sunset, 4.5)->temperature);
    EXPECT_EQ(hour(2, 0.01)->windSpeed, hour(sun.sunset, 0.01)->windSpeed);
}

TEST(CalcDiurnalDay, GuardedCurves) {
    // Polar night puts sunrise at 12, so alpha = beta puts the minimum's time on the
    // maximum's: every hour sits at the curve minimum.
    const DiurnalDay same =
        *RunDay({.latitude = 80, .month = 12, .day = 21, .temperatureParams = {2, 2, 4.5}});
    for (int h = 1; h <= 24; ++h) {
        EXPECT_TRUE(same.temperature[h] == same.temperature[1] &&
                    same.windSpeed[h] == same.windSpeed[1])
            << h;
    }
    const auto hour =
        CalcHourWeather(80, 0, 355, 7.5, 5, 30, 6, 3, 40, {4.5, 4.5, -1}, kDefaultWindParams);
    EXPECT_TRUE(hour->temperature == 5 && hour->windSpeed == 3);

    // Negative gammas decay through the night; positive ones hold it at its sunset value.
    const int night[] = {21, 22, 23, 24, 1, 2, 3, 4};  // sunset 20.4, minimum at 4.5
    const DiurnalDay decay = *RunDay({});
    const DiurnalDay held =
        *RunDay({.temperatureParams = {0.88, 1.86, 4.5}, .windParams = {1, 1.24, 4.5}});
    for (int i = 1; i < 8; ++i) {
        EXPECT_LT(decay.temperature[night[i]], decay.temperature[night[i - 1]]) << night[i];
        EXPECT_EQ(held.temperature[night[i]], held.temperature[21]) << night[i];
        EXPECT_EQ(held.windSpeed[night[i]], held.windSpeed[21]) << night[i];
    }
    // January, minimum 40 above maximum 8, parameters 5, 2, 4: once tens of thousands of
    // degrees; now at most the fitted minimum (40 + 30) plus the fitted range (34).
    const DiurnalDay reversed = *RunDay(
        {.month = 1, .minTemperature = 40, .maxTemperature = 8, .temperatureParams = {5, 2, 4}});
    EXPECT_LE(*std::max_element(reversed.temperature.begin(), reversed.temperature.end()), 104);

    // A fitted minimum of -38 is held at 0 (else the night would sit on the 0 floor).
    const double cold =
        RunDay({.noonTemperature = 0, .minTemperature = 0, .maxTemperature = 40})->temperature[4];
    EXPECT_TRUE(cold > 0 && cold < 1) << cold;
    EXPECT_EQ(RunDay({.noonRelativeHumidity = 0})->relativeHumidity, (std::array<double, 25>{}));
}

}  // namespace
}  // namespace emberlin
