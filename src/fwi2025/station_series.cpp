#include "fwi2025/station_series.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace emberlin::fwi2025 {

StationRunner::StationRunner(const StartValues& start, const RunOptions& options)
    : start_(start), options_(options) {}

HourOrder StationRunner::Order(const HourlyWeather& weather) const {
    if (!run_) return HourOrder::First;
    const std::int64_t hour = HourNumber(weather.date, weather.hour);
    if (interrupted_ && hour > lastHour_) return HourOrder::NewRun;
    const bool laterYear = weather.date.year > lastYear_;
    if (hour == lastHour_ + 1) {
        return laterYear && !options_.continuous ? HourOrder::NewRun : HourOrder::Next;
    }
    if (hour == lastHour_) return HourOrder::Repeat;
    if (hour < lastHour_) return HourOrder::Backwards;
    return laterYear && !options_.continuous ? HourOrder::NewRun : HourOrder::Gap;
}

HourlyOutput StationRunner::Step(const Site& site, double grassFuelLoadKgM2,
                                 const HourlyWeather& weather) {
    const HourOrder order = Order(weather);
    if (order == HourOrder::First || order == HourOrder::NewRun) {
        interrupted_ = false;
        run_.emplace(site, StartState(start_), grassFuelLoadKgM2, options_.grassTransition);
    }
    lastHour_ = HourNumber(weather.date, weather.hour);
    lastYear_ = weather.date.year;
    return run_->Step(weather);
}

std::string HourOrderProblem(HourOrder order) {
    switch (order) {
        case HourOrder::Gap:
            return "leaves hours missing after";
        case HourOrder::Repeat:
            return "repeats";
        case HourOrder::Backwards:
            return "is earlier than";
        default:
            return "";
    }
}

double RoundToFourDecimals(double x) {
    if (!std::isfinite(x)) return x;
    char text[400];
    const auto written = std::to_chars(text, text + sizeof text, x, std::chars_format::fixed, 4);
    double rounded = x;
    std::from_chars(text, written.ptr, rounded);
    return rounded;
}

std::string ClockText(double hours) {
    const bool negative = hours < 0;
    const double magnitude = std::fabs(hours);
    const double whole = std::trunc(magnitude);
    const int hh = whole < 1e6 ? static_cast<int>(whole) : 999999;
    const int mm = static_cast<int>(std::trunc(60 * (magnitude - whole)));
    char text[32];
    std::snprintf(text, sizeof text, "%s%02d:%02d", negative ? "-" : "", hh, mm);
    return text;
}

std::optional<DailySummary> DailySummariser::Add(const HourlyWeather& weather,
                                                 const HourlyOutput& output) {
    // The fire day of an hour before 05:00 is the previous date's.
    const std::int64_t day = DayNumber(weather.date) - (weather.hour < kFireDayResetHour ? 1 : 0);
    std::optional<DailySummary> closed;
    if (!started_) {
        started_ = true;
        julyFirstDay_ = DayNumber({weather.date.year, 7, 1});
    } else if (day != fireDay_) {
        closed = Close();
    }
    fireDay_ = day;
    // The summaries are made from the table rounded to 4 decimals; Close rounds the values it
    // reads (the FFMC of every hour, the rest at the peak and first rows only).
    rows_.push_back({weather.date, weather.hour, weather.windSpeedKmh, output});
    return closed;
}

std::optional<DailySummary> DailySummariser::Finish() {
    std::optional<DailySummary> closed = Close();
    return closed;
}

std::optional<DailySummary> DailySummariser::Close() {
    std::vector<Row> rows;
    rows.swap(rows_);
    rows_.reserve(rows.size());
    const std::size_t n = rows.size();
    if (n <= 12) return std::nullopt;  // partial fire days of 12 hours or fewer are skipped

    // Smoothed wind, added left to right exactly as written (the division by 16 makes ties
    // at the 5th decimal).
    std::vector<double> ws(n);
    for (std::size_t i = 0; i < n; ++i) {
        const auto w = [&](std::size_t j) { return rows[j].windKmh; };
        if (i >= 2 && i + 2 < n) {
            ws[i] = (w(i + 2) + 4 * w(i + 1) + 6 * w(i) + 4 * w(i - 1) + w(i - 2)) / 16;
        } else if (i == 1 || i + 2 == n) {
            ws[i] = (w(i - 1) + 2 * w(i) + w(i + 1)) / 4;
        } else {
            ws[i] = w(i);
        }
    }
    std::vector<double> isiSmooth(n);
    double maxFfmc = RoundToFourDecimals(rows[0].output.ffmc);
    for (std::size_t i = 0; i < n; ++i) {
        const double ffmc = RoundToFourDecimals(rows[i].output.ffmc);
        isiSmooth[i] = Isi(ws[i], ffmc);  // hourly, not smoothed, FFMC
        maxFfmc = std::max(maxFfmc, ffmc);
    }
    std::size_t peak = 12;  // 17:00 on a full day when the fuel is too moist
    if (!(maxFfmc < 85)) {
        peak = 0;
        for (std::size_t i = 1; i < n; ++i) {
            if (isiSmooth[i] > isiSmooth[peak]) peak = i;  // the first of equal maxima
        }
    }
    int first = -1;
    int last = -1;
    for (std::size_t i = 0; i < n; ++i) {
        if (isiSmooth[i] >= kActiveBurningIsi) {
            if (first < 0) first = static_cast<int>(i);
            last = static_cast<int>(i);
        }
    }

    DailySummary day;
    day.date = rows[0].date;
    day.sunriseH = RoundToFourDecimals(rows[0].output.sun.sunriseH);
    day.sunsetH = RoundToFourDecimals(rows[0].output.sun.sunsetH);
    day.peakHour = rows[peak].hour;
    day.durationH = first < 0 ? 0 : last - first + 1;
    day.firstHour = rows[0].hour;
    day.activeStartH = first;
    const HourlyOutput& p = rows[peak].output;
    for (auto [to, from] : {std::pair{&day.ffmc, p.ffmc},
                            {&day.dmc, p.dmc},
                            {&day.dc, p.dc},
                            {&day.isi, p.isi},
                            {&day.bui, p.bui},
                            {&day.fwi, p.fwi},
                            {&day.dsr, p.dsr},
                            {&day.gfmc, p.gfmc},
                            {&day.gsi, p.gsi},
                            {&day.gfwi, p.gfwi}}) {
        *to = RoundToFourDecimals(from);
    }
    day.windSmoothKmh = RoundToFourDecimals(ws[peak]);
    day.isiSmooth = RoundToFourDecimals(isiSmooth[peak]);
    // The grass state here is the fire day's first date against 1 July of the station's
    // first year, with no next-year rule (unlike the hourly chain).
    const bool standing = !grassTransition_ || DayNumber(rows[0].date) >= julyFirstDay_;
    const double mc = RoundToFourDecimals(standing ? p.mcgfmcStandingPct : p.mcgfmcMattedPct);
    day.gsiSmooth =
        RoundToFourDecimals(Gsi(ws[peak], mc, RoundToFourDecimals(p.percentCured), standing));
    return day;
}

SeriesResult RunStationSeries(const Site& site, std::optional<double> grassFuelLoadKgM2,
                              std::span<const HourlyWeather> weather, const StartValues& start,
                              const RunOptions& options) {
    SeriesResult result;
    StationRunner runner(start, options);
    DailySummariser summariser(options.grassTransition);
    result.hours.reserve(weather.size());
    for (std::size_t i = 0; i < weather.size(); ++i) {
        const HourOrder order = runner.Order(weather[i]);
        if (order == HourOrder::Gap || order == HourOrder::Repeat ||
            order == HourOrder::Backwards) {
            result.problem = HourOrderProblem(order) + " the previous row";
            result.problemRow = i;
            return result;
        }
        result.hours.push_back(
            runner.Step(site, grassFuelLoadKgM2.value_or(kDefaultGrassFuelLoadKgM2), weather[i]));
        if (auto day = summariser.Add(weather[i], result.hours.back())) {
            result.days.push_back(*day);
        }
    }
    if (auto day = summariser.Finish()) result.days.push_back(*day);
    return result;
}

}  // namespace emberlin::fwi2025
