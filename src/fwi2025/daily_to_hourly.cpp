#include "fwi2025/daily_to_hourly.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "fwi2025/station_series.h"

namespace emberlin::fwi2025 {

namespace {

constexpr double kPi = std::numbers::pi;

double SaturationVapourPressureHpa(double t) { return 6.108 * std::exp(17.27 * t / (t + 237.3)); }

double SpecificHumidity(double t, double h) {
    return 217 * (SaturationVapourPressureHpa(t) * h / 100) / (273.17 + t);
}

double HumidityFromSpecific(double q, double t) {
    return 100 * ((273.17 + t) * q / 217) / SaturationVapourPressureHpa(t);
}

// Diurnal curve constants: hours after sunrise of the minimum, hours after solar noon of the
// maximum, and the evening decay rate.
struct Curve {
    double alphaH;
    double betaH;
    double gamma;
};
constexpr Curve kTemperatureCurve = {0.0, 2.75, -1.9};
constexpr Curve kDrynessCurve = {0.25, 2.75, -2.0};  // X = 1 - RH/100
constexpr Curve kWindCurve = {1.0, 1.5, -1.3};

struct DayCurve {
    double sunsetH;
    double minTimeH;
    double maxTimeH;
    double minValue;
    double maxValue;
    double atSunset;
};

DayCurve MakeCurve(const SunTimes& sun, const Curve& curve, double vmin, double vmax) {
    DayCurve c;
    const double solarNoon = sun.sunriseH + (sun.sunsetH - sun.sunriseH) / 2;
    c.sunsetH = sun.sunsetH;
    c.minTimeH = sun.sunriseH + curve.alphaH;
    c.maxTimeH = solarNoon + curve.betaH;
    c.minValue = vmin;
    c.maxValue = vmax;
    c.atSunset = vmin + (vmax - vmin) * std::sin(kPi / 2 * (c.sunsetH - c.minTimeH) /
                                                 (c.maxTimeH - c.minTimeH));
    return c;
}

// Decision: the night's fraction f is kept within [0, 1] and is 0 when there is no night
// (under the midnight sun the span 24 - sunset + next minimum time can be 0); in every
// ordinary day f already lies in [0, 1].
double NightFraction(double numerator, double span) {
    if (!(span > 0)) return 0;
    return std::clamp(numerator / span, 0.0, 1.0);
}

double HourValue(int hour, const Curve& curve, const DayCurve& previous, const DayCurve& day,
                 const DayCurve& next) {
    const double h = hour;
    if (h <= day.minTimeH) {
        // Before the minimum: the previous evening's decay, with this day's sunset.
        const double f = NightFraction(h + 24 - day.sunsetH, 24 - day.sunsetH + day.minTimeH);
        return day.minValue + (previous.atSunset - day.minValue) * std::exp(curve.gamma * f);
    }
    if (h < day.sunsetH) {
        return day.minValue +
               (day.maxValue - day.minValue) *
                   std::sin(kPi / 2 * (h - day.minTimeH) / (day.maxTimeH - day.minTimeH));
    }
    const double f = NightFraction(h - day.sunsetH, 24 - day.sunsetH + next.minTimeH);
    return next.minValue + (day.atSunset - next.minValue) * std::exp(curve.gamma * f);
}

}  // namespace

DailyMinMax MinMaxFromObservation(const DailyObservation& o) {
    const double t = o.temperatureC;
    const double h = o.relativeHumidityPct;
    const double range = 0.22 * t - 0.16 * h + 17;
    double tmax = 0;
    double tmin = 0;
    if (range <= 2) {
        tmax = t + 1;
        tmin = t - 1;
    } else {
        tmax = t + 2;
        tmin = tmax - range;
    }
    const double q0 = SpecificHumidity(t, h);
    DailyMinMax day;
    day.date = o.date;
    day.temperatureMinC = RoundToFourDecimals(tmin);
    day.temperatureMaxC = RoundToFourDecimals(tmax);
    day.humidityMinPct = RoundToFourDecimals(std::min(100.0, HumidityFromSpecific(q0, tmax)));
    day.humidityMaxPct = RoundToFourDecimals(std::min(100.0, HumidityFromSpecific(q0, tmin)));
    day.windMinKmh = RoundToFourDecimals(0.15 * o.windSpeedKmh);
    day.windMaxKmh = RoundToFourDecimals(1.25 * o.windSpeedKmh);
    day.rainMm = o.rainMm;
    return day;
}

DailyMinMax ShiftedCopy(const DailyMinMax& day, int shiftDays) {
    DailyMinMax copy = day;
    copy.date = DateOfDayNumber(DayNumber(day.date) + shiftDays);
    return copy;
}

std::array<HourlyWeather, 24> HourlyFromMinMax(const Site& site, const DailyMinMax& previous,
                                               const DailyMinMax& day, const DailyMinMax& next,
                                               std::optional<int> rainHour) {
    // Each day's curves use the sun times of its own date.
    const SunTimes sun[3] = {CalcSunTimes(site, previous.date), CalcSunTimes(site, day.date),
                             CalcSunTimes(site, next.date)};
    const DailyMinMax* days[3] = {&previous, &day, &next};
    DayCurve temperature[3];
    DayCurve dryness[3];
    DayCurve wind[3];
    for (int i = 0; i < 3; ++i) {
        const DailyMinMax& d = *days[i];
        temperature[i] = MakeCurve(sun[i], kTemperatureCurve, d.temperatureMinC, d.temperatureMaxC);
        dryness[i] = MakeCurve(sun[i], kDrynessCurve, 1 - d.humidityMaxPct / 100,
                               1 - d.humidityMinPct / 100);
        wind[i] = MakeCurve(sun[i], kWindCurve, d.windMinKmh, d.windMaxKmh);
    }
    // The rain hour is clamped for this day alone.
    const int wetHour =
        rainHour ? *rainHour : static_cast<int>(std::clamp(std::ceil(sun[1].sunriseH), 0.0, 23.0));
    std::array<HourlyWeather, 24> hours{};
    for (int h = 0; h < 24; ++h) {
        HourlyWeather& w = hours[static_cast<std::size_t>(h)];
        w.date = day.date;
        w.hour = h;
        w.temperatureC = RoundToFourDecimals(
            HourValue(h, kTemperatureCurve, temperature[0], temperature[1], temperature[2]));
        const double x =
            std::clamp(HourValue(h, kDrynessCurve, dryness[0], dryness[1], dryness[2]), 0.0, 1.0);
        w.relativeHumidityPct = RoundToFourDecimals(100 * (1 - x));
        w.windSpeedKmh =
            RoundToFourDecimals(std::max(HourValue(h, kWindCurve, wind[0], wind[1], wind[2]), 0.0));
        w.rainMm = h == wetHour ? day.rainMm : 0.0;
    }
    return hours;
}

std::vector<HourlyWeather> HourlyFromDailySeries(const Site& site,
                                                 std::span<const DailyMinMax> days,
                                                 std::optional<int> rainHour) {
    std::vector<HourlyWeather> hours;
    hours.reserve(days.size() * 24);
    for (std::size_t i = 0; i < days.size(); ++i) {
        const DailyMinMax previous = i == 0 ? ShiftedCopy(days[0], -1) : days[i - 1];
        const DailyMinMax next = i + 1 == days.size() ? ShiftedCopy(days[i], 1) : days[i + 1];
        const auto day = HourlyFromMinMax(site, previous, days[i], next, rainHour);
        hours.insert(hours.end(), day.begin(), day.end());
    }
    return hours;
}

}  // namespace emberlin::fwi2025
