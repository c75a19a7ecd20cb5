#include "diurnal/diurnal_weather.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "common/calendar.h"
#include "diurnal_test_days.h"

namespace emberlin {
namespace {

using testing::DayInputs;
using testing::RunDay;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

void ExpectSameSeries(const DiurnalDay& a, const DiurnalDay& b, const std::string& name) {
    for (int h = 0; h <= 24; ++h) {
        EXPECT_EQ(a.temperature[h], b.temperature[h]) << name << " hour " << h;
        EXPECT_EQ(a.relativeHumidity[h], b.relativeHumidity[h]) << name << " hour " << h;
        EXPECT_EQ(a.windSpeed[h], b.windSpeed[h]) << name << " hour " << h;
    }
}

TEST(DiurnalCalendar, DayNumbersAndRefusedDates) {
    struct Row {
        std::string name;
        int month, day, dayOfYear;
    };
    for (const Row& r : std::vector<Row>{{"july_15", 7, 15, 196},
                                         {"december_31_no_leap_year", 12, 31, 365},
                                         {"april_31_is_not_checked", 4, 31, 121}}) {
        EXPECT_EQ(DayOfYear(r.month, r.day), r.dayOfYear) << r.name;
    }

    DayInputs april31;
    april31.month = 4;
    april31.day = 31;
    DayInputs may1 = april31;
    may1.month = 5;
    may1.day = 1;
    ExpectSameSeries(*RunDay(april31), *RunDay(may1), "april_31_is_may_1");

    struct Refused {
        std::string name;
        int month, day;
    };
    for (const Refused& r :
         std::vector<Refused>{{"month_0", 0, 1},
                              {"month_13", 13, 1},
                              {"day_0", 6, 0},
                              {"day_32", 6, 32},
                              {"day_int_max", 12, std::numeric_limits<int>::max()}}) {
        DayInputs in;
        in.month = r.month;
        in.day = r.day;
        EXPECT_FALSE(RunDay(in).has_value()) << r.name;
    }
}

TEST(CalcSunTimes, DayLengthsSymmetricAboutNoon) {
    struct Row {
        std::string name;
        double latitude, longitude;
        int dayOfYear;
        double minHalfDay, maxHalfDay;  // hours
    };
    // Half day lengths from the sun's geometry: 6 h at the equator plus about 3 minutes for
    // the sun's disc and refraction; 55 degrees north has about 17 h in mid July, 7 h at
    // midwinter.
    const std::vector<Row> rows = {
        {"equator_equinox", 0, 0, 80, 6.04, 6.07},
        {"equator_june", 0, 0, 172, 6.04, 6.07},
        {"lat55_july_15", 55, -110, 196, 8.3, 8.6},
        {"lat55_december", 55, -110, 355, 3.45, 3.7},
        {"lat_minus55_july_is_winter", -55, -110, 196, 3.6, 4.0},
        {"polar_day_within_a_millionth", 80, 180, 172, 12 - 1e-6, 12 + 1e-6},
        {"polar_night", -80, -180, 172, 0, 0},
    };
    for (const Row& r : rows) {
        const std::optional<SunTimes> sun = CalcSunTimes(r.latitude, r.longitude, r.dayOfYear);
        ASSERT_TRUE(sun.has_value()) << r.name;
        const double halfDay = (sun->sunset - sun->sunrise) / 2;
        EXPECT_GE(halfDay, r.minHalfDay) << r.name;
        EXPECT_LE(halfDay, r.maxHalfDay) << r.name;
        EXPECT_NEAR(sun->sunrise + sun->sunset, 24.0, 1e-12) << r.name;
        // Longitude is checked but never shifts the times.
        const std::optional<SunTimes> elsewhere = CalcSunTimes(r.latitude, 0.5, r.dayOfYear);
        EXPECT_EQ(sun->sunrise, elsewhere->sunrise) << r.name;
    }
    const std::optional<SunTimes> polarNight = CalcSunTimes(80, 0, 355);
    EXPECT_EQ(polarNight->sunrise, 12.0);
    EXPECT_EQ(polarNight->sunset, 12.0);
}

TEST(DiurnalPlace, OutsideTheSunTimeDomainIsReported) {
    struct Row {
        std::string name;
        double latitude, longitude;
    };
    const std::vector<Row> rows = {
        {"latitude_just_above_80", 80.000001, 0},
        {"latitude_85", 85, -110},
        {"latitude_90", 90, -110},
        {"latitude_below_minus_80", -80.5, 0},
        {"longitude_above_180", 55, 180.5},
        {"longitude_below_minus_180", 55, -181},
        {"latitude_nan", kNaN, 0},
        {"longitude_nan", 55, kNaN},
        {"latitude_infinite", kInf, 0},
    };
    for (const Row& r : rows) {
        EXPECT_FALSE(IsInSunTimeDomain(r.latitude, r.longitude)) << r.name;
        EXPECT_FALSE(CalcSunTimes(r.latitude, r.longitude, 196).has_value()) << r.name;
        EXPECT_FALSE(CalcHourWeather(r.latitude, r.longitude, 196, 12, 15, 32, 19, 1, 35,
                                     kDefaultTemperatureParams, kDefaultWindParams)
                         .has_value())
            << r.name;
        DayInputs in;
        in.latitude = r.latitude;
        in.longitude = r.longitude;
        EXPECT_FALSE(RunDay(in).has_value()) << r.name;
    }
    for (const Row& r :
         std::vector<Row>{{"corner_80_180", 80, 180}, {"corner_m80_m180", -80, -180}}) {
        DayInputs in;
        in.latitude = r.latitude;
        in.longitude = r.longitude;
        EXPECT_TRUE(RunDay(in).has_value()) << r.name;
    }
}

TEST(CalcVapourPressure, GoffGratchAndDewPoint) {
    struct Pressure {
        std::string name;
        double temperature, expected, tolerance;
    };
    // Saturation over water: 1013.246 hPa at the steam point by construction, 6.1078 hPa at
    // 0 C, 23.37 at 20 C, 42.43 at 30 C (standard tables).
    for (const Pressure& r : std::vector<Pressure>{{"steam_point", 100, 1013.246, 1e-9},
                                                   {"freezing", 0, 6.1078, 5e-4},
                                                   {"twenty", 20, 23.37, 5e-3},
                                                   {"thirty", 30, 42.43, 5e-3},
                                                   {"at_minus_273_16", -273.16, -999, 0},
                                                   {"below_absolute_zero", -300, -999, 0}}) {
        EXPECT_NEAR(CalcVapourPressure(r.temperature), r.expected, r.tolerance) << r.name;
    }

    struct Dew {
        std::string name;
        double temperature, relativeHumidity;
    };
    // The dew point's saturation pressure is the air's vapour pressure: RH % of saturation
    // at the air temperature, to within the dew point formula's approximation.
    for (const Dew& r : std::vector<Dew>{{"noon_default", 30, 45},
                                         {"humid", 20, 80},
                                         {"cool_dry", 10, 30},
                                         {"hot_very_dry", 40, 5},
                                         {"saturated", 0, 100}}) {
        const double dew = CalcDewPoint(r.temperature, r.relativeHumidity);
        EXPECT_LE(dew, r.temperature) << r.name;
        EXPECT_NEAR(CalcVapourPressure(dew) / CalcVapourPressure(r.temperature),
                    r.relativeHumidity / 100, 0.01)
            << r.name;
    }
    EXPECT_NEAR(CalcDewPoint(30, 45), 17.0, 0.05);
    EXPECT_NEAR(CalcDewPoint(25, 100), 25.0, 1e-9);
    EXPECT_EQ(CalcDewPoint(20, 0), -999);
    EXPECT_EQ(CalcDewPoint(20, -3), -999);
}

// One hour of the form's initial day after the fit, with chosen parameter sets.
std::optional<HourWeather> DefaultHour(double hour,
                                       DiurnalCurveParams tp = kDefaultTemperatureParams,
                                       DiurnalCurveParams wp = kDefaultWindParams) {
    const double e = CalcVapourPressure(CalcDewPoint(30, 45));
    return CalcHourWeather(55, -110, 196, hour, 13.8, 30.8, e, 0, 26.6, tp, wp);
}

TEST(CalcHourWeather, MinimumTimeAndSunsetBelongToTheNight) {
    const SunTimes sun = *CalcSunTimes(55, -110, 196);
    const double tn = sun.sunrise + kDefaultTemperatureParams.alpha;
    const HourWeather atMinimum = *DefaultHour(tn);
    const HourWeather justBefore = *DefaultHour(tn - 1e-9);
    const HourWeather justAfter = *DefaultHour(tn + 1e-9);
    // At tn the night curve still holds (well above the minimum); the day curve starts
    // from the minimum itself just after.
    EXPECT_NEAR(atMinimum.temperature, justBefore.temperature, 1e-6);
    EXPECT_NEAR(justAfter.temperature, 13.8, 1e-6);
    EXPECT_GT(atMinimum.temperature - justAfter.temperature, 0.5);
    EXPECT_NEAR(atMinimum.windSpeed, justBefore.windSpeed, 1e-6);

    // The night starts from the day curve's sunset value: no jump at sunset.
    const HourWeather atSunset = *DefaultHour(sun.sunset);
    for (double offset : {-1e-9, 1e-9}) {
        const HourWeather near = *DefaultHour(sun.sunset + offset);
        EXPECT_NEAR(atSunset.temperature, near.temperature, 1e-6) << offset;
        EXPECT_NEAR(atSunset.windSpeed, near.windSpeed, 1e-6) << offset;
    }
}

TEST(CalcHourWeather, HourWrapsIntoTheDay) {
    struct Row {
        std::string name;
        double hour, sameAs;
    };
    for (const Row& r : std::vector<Row>{{"25_is_1", 25, 1},
                                         {"minus_1_is_23", -1, 23},
                                         {"48_is_24", 48, 24},
                                         {"0_is_24", 0, 24},
                                         {"huge_1e17_is_16", 1e17, 16}}) {
        const HourWeather a = *DefaultHour(r.hour);
        const HourWeather b = *DefaultHour(r.sameAs);
        EXPECT_EQ(a.temperature, b.temperature) << r.name;
        EXPECT_EQ(a.relativeHumidity, b.relativeHumidity) << r.name;
        EXPECT_EQ(a.windSpeed, b.windSpeed) << r.name;
    }
    EXPECT_FALSE(DefaultHour(kNaN).has_value());
    EXPECT_FALSE(DefaultHour(-kInf).has_value());
}

TEST(CalcDiurnalDay, ZeroParameterFallBack) {
    struct Row {
        std::string name;
        DiurnalCurveParams temperature, wind;  // as entered
        DiurnalCurveParams temperatureUsed, windUsed;
    };
    const DiurnalCurveParams t0 = kDefaultTemperatureParams;
    const DiurnalCurveParams w0 = kDefaultWindParams;
    const std::vector<Row> rows = {
        {"temperature_alpha_0_replaces_all_three", {0, 4, 3}, w0, t0, w0},
        {"temperature_beta_0", {3, 0, 3}, w0, t0, w0},
        {"temperature_gamma_0", {3, 4, 0}, w0, t0, w0},
        {"wind_alpha_0_replaces_only_gamma", t0, {0, 1.24, -1.0}, t0, {1, 1.24, -3.59}},
        {"wind_beta_0", t0, {2, 0, -1.0}, t0, {2, 5, -3.59}},
        {"wind_alpha_and_beta_shape_nothing", t0, {2.5, 7.5, -1.0}, t0, {-2.5, 0.5, -1.0}},
    };
    for (const Row& r : rows) {
        DayInputs entered;
        entered.temperatureParams = r.temperature;
        entered.windParams = r.wind;
        DayInputs used = entered;
        used.temperatureParams = r.temperatureUsed;
        used.windParams = r.windUsed;
        ExpectSameSeries(*RunDay(entered), *RunDay(used), r.name);
    }
    // The fall-back is real: a non-zero gamma of its own does change the day.
    DayInputs own;
    own.windParams = {1, 1.24, -1.0};
    EXPECT_NE(RunDay(own)->windSpeed[2], RunDay(DayInputs{})->windSpeed[2]);
}

TEST(CalcDiurnalDay, FittedToTheNoonObservation) {
    struct Row {
        std::string name;
        double noon, min, max;                   // temperature, or wind speed, as entered
        double modelNoon, fittedMin, fittedMax;  // expected; NaN: see the checks below
    };
    const std::vector<Row> rows = {
        {"published_temperature_fit", 30, 15, 32, 31.2, 13.8, 30.8},
        // Curve from 0 to 40 with a noon observation of 0: the minimum would fall to -38.
        {"minimum_never_below_0", 0, 0, 40, kNaN, 0, kNaN},
        // A model noon of 0 leaves the minimum at 0 however warm the noon observation.
        {"model_noon_at_0", 40, 0, 0, 0, 0, 40},
    };
    for (const Row& r : rows) {
        // The same numbers for temperature and wind: both curves are fitted alike.
        const DiurnalFit fit =
            *FitDiurnalCurves(55, -110, 196, r.noon, r.noon, r.min, r.max, r.min, r.max,
                              kDefaultTemperatureParams, kDefaultWindParams);
        for (const double* got : {&fit.modelNoonTemperature, &fit.modelNoonWind}) {
            if (!std::isnan(r.modelNoon)) {
                EXPECT_NEAR(*got, r.modelNoon, 0.05) << r.name;
            }
        }
        for (const double* got : {&fit.minTemperature, &fit.minWind}) {
            EXPECT_NEAR(*got, r.fittedMin, 0.05) << r.name;
        }
        // The maxima move by the noon error, unclamped.
        EXPECT_EQ(fit.maxTemperature, r.max + r.noon - fit.modelNoonTemperature) << r.name;
        EXPECT_EQ(fit.maxWind, r.max + r.noon - fit.modelNoonWind) << r.name;
        if (!std::isnan(r.fittedMax)) {
            EXPECT_NEAR(fit.maxTemperature, r.fittedMax, 0.05) << r.name;
        }
    }

    const DiurnalDay day = *RunDay(DayInputs{});
    EXPECT_NEAR(day.temperature[12], 30.0, 1e-9);
    int coldest = 1;
    int warmest = 1;
    for (int h = 1; h <= 24; ++h) {
        if (day.temperature[h] < day.temperature[coldest]) coldest = h;
        if (day.temperature[h] > day.temperature[warmest]) warmest = h;
    }
    EXPECT_EQ(coldest, 4);
    EXPECT_EQ(warmest, 14);
    EXPECT_EQ(day.temperature[0], 0.0);
    EXPECT_EQ(day.relativeHumidity[0], 0.0);
    EXPECT_EQ(day.windSpeed[0], 0.0);

    // Hours 10 and 22 of the form's initial day, to the shown tenth.
    EXPECT_NEAR(day.temperature[10], 27.4, 0.05);
    EXPECT_NEAR(day.relativeHumidity[10], 53.2, 0.05);
    EXPECT_NEAR(day.windSpeed[10], 21.3, 0.05);
    EXPECT_NEAR(day.temperature[22], 18.9, 0.05);
    EXPECT_NEAR(day.relativeHumidity[22], 89.2, 0.05);
    EXPECT_NEAR(day.windSpeed[22], 6.0, 0.05);
    // Below the noon dew point (17.0 C) the air is saturated.
    for (int h : {1, 2, 3, 4, 5, 24}) EXPECT_EQ(day.relativeHumidity[h], 100.0) << h;

    // Without a clamp on the minimum the wind curve also passes through noon.
    DayInputs steadyWind;
    steadyWind.minWind = 10;
    EXPECT_NEAR(RunDay(steadyWind)->windSpeed[12], 25.0, 1e-9);

    DayInputs bone;
    bone.noonRelativeHumidity = 0;
    const DiurnalDay dry = *RunDay(bone);
    for (int h = 1; h <= 24; ++h) EXPECT_EQ(dry.relativeHumidity[h], 0.0) << h;
}

TEST(CalcHourWeather, MinimumAndMaximumAtTheSameTime) {
    // Polar night at 80 N in December puts sunrise at 12, so alpha = beta makes tn = tx.
    struct Row {
        std::string name;
        DiurnalCurveParams temperature;
    };
    for (const Row& r :
         std::vector<Row>{{"decaying_night", {2, 2, -2.2}}, {"growing_night", {4.5, 4.5, 4.5}}}) {
        for (double hour = 0.5; hour <= 24; hour += 0.5) {
            const std::optional<HourWeather> w = CalcHourWeather(80, 0, 355, hour, 5, 30, 6, 3, 40,
                                                                 r.temperature, kDefaultWindParams);
            ASSERT_TRUE(w.has_value());
            EXPECT_EQ(w->temperature, 5.0) << r.name << " hour " << hour;
            EXPECT_EQ(w->windSpeed, 3.0) << r.name << " hour " << hour;
            EXPECT_TRUE(std::isfinite(w->relativeHumidity)) << r.name << " hour " << hour;
        }
        DayInputs in;
        in.latitude = 80;
        in.month = 12;
        in.day = 21;
        in.temperatureParams = r.temperature;
        const DiurnalDay day = *RunDay(in);
        for (int h = 1; h <= 24; ++h) {
            EXPECT_EQ(day.temperature[h], day.temperature[1]) << r.name << " hour " << h;
            EXPECT_TRUE(std::isfinite(day.temperature[h])) << r.name << " hour " << h;
            EXPECT_TRUE(std::isfinite(day.windSpeed[h])) << r.name << " hour " << h;
        }
    }
}

TEST(CalcDiurnalDay, NightNeverClimbsAboveSunset) {
    struct Row {
        std::string name;
        double temperatureGamma, windGamma;
        bool flatNight;  // a positive gamma holds the night at its sunset value
    };
    // Night hours of July 15 at 55 N: sunset 20.4, minimum at 4.5.
    const int nightHours[] = {21, 22, 23, 24, 1, 2, 3, 4};
    for (const Row& r : std::vector<Row>{{"published_decay", -2.2, -3.59, false},
                                         {"temperature_gamma_4_5", 4.5, -3.59, true},
                                         {"wind_gamma_4_5", -2.2, 4.5, true},
                                         {"tiny_positive_gammas", 1e-9, 1e-9, true}}) {
        DayInputs in;
        in.temperatureParams.gamma = r.temperatureGamma;
        in.windParams.gamma = r.windGamma;
        const DiurnalDay day = *RunDay(in);
        const double sunsetT = day.temperature[21];
        for (int i = 1; i < 8; ++i) {
            const int h = nightHours[i];
            const int before = nightHours[i - 1];
            EXPECT_LE(day.temperature[h], day.temperature[before]) << r.name << " hour " << h;
            EXPECT_LE(day.windSpeed[h], day.windSpeed[before]) << r.name << " hour " << h;
            EXPECT_LE(day.temperature[h], sunsetT) << r.name << " hour " << h;
            if (r.flatNight && r.temperatureGamma > 0) {
                EXPECT_EQ(day.temperature[h], sunsetT) << r.name << " hour " << h;
            } else if (!r.flatNight) {
                EXPECT_LT(day.temperature[h], day.temperature[before]) << r.name << " " << h;
            }
            if (r.flatNight && r.windGamma > 0) {
                EXPECT_EQ(day.windSpeed[h], day.windSpeed[21]) << r.name << " hour " << h;
            }
        }
        for (int h = 1; h <= 24; ++h) {
            EXPECT_LE(day.temperature[h], 32.0) << r.name << " hour " << h;
            EXPECT_LE(day.windSpeed[h], 35.0) << r.name << " hour " << h;
        }
    }
}

}  // namespace
}  // namespace emberlin
