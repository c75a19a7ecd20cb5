// Hourly weather built from daily values: a 13:00 daylight-time observation gives the day's
// minima and maxima, and the minima and maxima give 24 hourly values through diurnal curves.
#pragma once

#include <array>
#include <span>
#include <vector>

#include "fwi2025/hourly_fwi.h"

namespace emberlin::fwi2025 {

// One 13:00 local daylight time (noon standard time) observation.
struct DailyObservation {
    ClockDate date;
    double temperatureC = 0;
    double relativeHumidityPct = 0;
    double windSpeedKmh = 0;
    double rainMm = 0;  // the day's total
};

// The day's extremes, rounded to 4 decimals (the rain passes unchanged).
struct DailyMinMax {
    ClockDate date;
    double temperatureMinC = 0;
    double temperatureMaxC = 0;
    double humidityMinPct = 0;
    double humidityMaxPct = 0;
    double windMinKmh = 0;
    double windMaxKmh = 0;
    double rainMm = 0;
};

DailyMinMax MinMaxFromObservation(const DailyObservation& observation);

// The 24 hours (0..23) of `day`, with the previous and next days of the series (at the
// ends of a series, copies of the first or last day dated a day earlier or later). The
// day's rain falls in `rainHour`, or by default in the hour ceil(sunrise) clamped to 0..23.
// Temperature, RH and wind are rounded to 4 decimals.
std::array<HourlyWeather, 24> HourlyFromMinMax(const Site& site, const DailyMinMax& previous,
                                               const DailyMinMax& day, const DailyMinMax& next,
                                               std::optional<int> rainHour = std::nullopt);

// A copy of `day` dated `shiftDays` later, as the series ends use.
DailyMinMax ShiftedCopy(const DailyMinMax& day, int shiftDays);

// A whole run of consecutive days (one station-year): 24 hours per day.
std::vector<HourlyWeather> HourlyFromDailySeries(const Site& site,
                                                 std::span<const DailyMinMax> days,
                                                 std::optional<int> rainHour = std::nullopt);

}  // namespace emberlin::fwi2025
