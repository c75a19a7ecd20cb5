// A station's hourly series: runs restarted per calendar year (or one continuous run), the
// order of its hours checked, and the daily summaries of its fire days.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "fwi2025/hourly_fwi.h"

namespace emberlin::fwi2025 {

// How an hour follows the station's previous one.
enum class HourOrder {
    First,      // the station's first hour: a run starts
    Next,       // exactly one hour later, same run
    NewRun,     // a new calendar year (not continuous): a run starts from the start-up values
    Gap,        // hours missing
    Repeat,     // the same hour again
    Backwards,  // an earlier hour
};

class StationRunner {
  public:
    StationRunner(const StartValues& start, const RunOptions& options);

    // Where `weather` stands relative to the last hour stepped. Each station-year is its own
    // run, so a jump forward into a later year is a NewRun (seasons of several years in one
    // file); in continuous mode it is a Gap.
    HourOrder Order(const HourlyWeather& weather) const;
    // Steps the hour; a First or NewRun hour starts a run at `site` with the load (kg/m2).
    // The caller has refused Gap, Repeat and Backwards hours.
    HourlyOutput Step(const Site& site, double grassFuelLoadKgM2, const HourlyWeather& weather);
    // The chain is broken (a refused hour): the next later hour starts a new run.
    void Interrupt() { interrupted_ = true; }

  private:
    StartValues start_;
    RunOptions options_;
    std::optional<HourlyRun> run_;
    std::int64_t lastHour_ = 0;
    int lastYear_ = 0;
    bool interrupted_ = false;
};

// "repeats", "is earlier than", "leaves hours missing after", for refusals that go on to
// name the earlier hour; "" for First, Next and NewRun.
std::string HourOrderProblem(HourOrder order);

// x rounded to 4 decimals: the double nearest the correctly rounded decimal text.
double RoundToFourDecimals(double x);

// "05:44": hours and minutes both truncated toward zero (5.9999 h is "05:59"). Decision:
// times past 24 h (midnight sun) are written as they are ("25:10"), negative ones with a
// leading minus on the hour ("-00:30").
std::string ClockText(double hours);

// One fire day (05:00 to 04:59) of a station.
struct DailySummary {
    ClockDate date;       // of the fire day's first row
    double sunriseH = 0;  // of the first row's date (4 decimals)
    double sunsetH = 0;
    int peakHour = 0;       // clock hour of the peak row
    int durationH = 0;      // active burning (smoothed ISI >= 5), first to last hour
    int firstHour = 0;      // clock hour of the fire day's first row
    int activeStartH = -1;  // hours after the first row where active burning starts; -1: none
    double ffmc = 0, dmc = 0, dc = 0, isi = 0, bui = 0, fwi = 0, dsr = 0;
    double gfmc = 0, gsi = 0, gfwi = 0;
    double windSmoothKmh = 0;
    double isiSmooth = 0;
    double gsiSmooth = 0;

    // The day's numbers after its date, in the order of the summary columns: sunrise, sunset,
    // peak hour, duration, then FFMC to GFWI and the three smoothed values.
    std::array<double, 17> Numbers() const {
        return {sunriseH,
                sunsetH,
                static_cast<double>(peakHour),
                static_cast<double>(durationH),
                ffmc,
                dmc,
                dc,
                isi,
                bui,
                fwi,
                dsr,
                gfmc,
                gsi,
                gfwi,
                windSmoothKmh,
                isiSmooth,
                gsiSmooth};
    }
};

// Collects a station's hours in order and closes each fire day when the next begins.
// Memory: the rows of one fire day.
class DailySummariser {
  public:
    explicit DailySummariser(bool grassTransition = true) : grassTransition_(grassTransition) {}

    // The station's next hour and its output (full precision; the summaries round what they
    // read to 4 decimals, as they are made from the rounded table). Returns the fire day this hour
    // closed, if it had more than 12 rows.
    std::optional<DailySummary> Add(const HourlyWeather& weather, const HourlyOutput& output);
    // Closes the last fire day.
    std::optional<DailySummary> Finish();

  private:
    struct Row {
        ClockDate date;
        int hour;
        double windKmh;  // full precision
        HourlyOutput output;
    };
    std::optional<DailySummary> Close();

    bool grassTransition_;
    bool started_ = false;
    std::int64_t julyFirstDay_ = 0;  // 1 July of the station's first year
    std::int64_t fireDay_ = 0;
    std::vector<Row> rows_;
};

// Fire-day parameters: the day resets at 05:00, active burning is smoothed ISI >= 5.
inline constexpr int kFireDayResetHour = 5;
inline constexpr double kActiveBurningIsi = 5;

// A whole station series at once (a form model's call). Hours must be consecutive within
// each run; `problem` names the first row that is not, with `problemRow` its index.
struct SeriesResult {
    std::vector<HourlyOutput> hours;
    std::vector<DailySummary> days;
    std::string problem;
    std::size_t problemRow = 0;
};
SeriesResult RunStationSeries(const Site& site, std::optional<double> grassFuelLoadKgM2,
                              std::span<const HourlyWeather> weather, const StartValues& start,
                              const RunOptions& options);

}  // namespace emberlin::fwi2025
