// The hourly FWI System window (FWI2025): a station's hourly weather read from a CSV file or
// pasted from a spreadsheet, run through the hourly system with its daily summaries and, beside
// each day, the 1987 daily system's codes from the same weather. A file of daily noon
// observations runs the daily system over the season instead.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/exports/result_table.h"
#include "forms/kit/form_model.h"
#include "forms/models/hand_over.h"
#include "fwi/fwi_index.h"
#include "fwi2025/station_series.h"

namespace emberlin::forms {

// What the weather grid holds.
enum class WeatherKind {
    Hourly,  // one row per hour: the hourly system
    Daily,   // one noon observation per day: the 1987 daily system over the season
};

// A column of the result grids: its caption and unit.
struct GridColumn {
    std::string name;
    std::string unit;
    std::string Heading() const { return unit.empty() ? name : name + " (" + unit + ")"; }
};

// Columns of the editable weather grid, in order.
enum WeatherColumn : int {
    kWxYear,
    kWxMonth,
    kWxDay,
    kWxHour,
    kWxTemperature,
    kWxHumidity,
    kWxWind,
    kWxRain,
    kWeatherColumnCount
};

class HourlyFwiForm : public FormModel {
  public:
    static constexpr const char* kNoResultsMessage =
        "There are no results yet: open or paste weather, then Calculate.";
    static constexpr const char* kNoFwiMessage =
        "The FWI Calculator holds no results yet: calculate a day there first.";

    explicit HourlyFwiForm(HandOver& shared);

    // --- The weather ---------------------------------------------------------------------
    // Reads CSV text in the layout of the batch commands: the fwi2025 hourly layout (columns
    // yr, mon, day, hr, temp, rh, ws, prec, optionally id, lat, long, timezone), or the daily
    // layout of `emberlin fwi` (mon, temp, rh, ws, prec; yr and day optional). `name` is the
    // file's name for the source line. On a refusal ("line 12, column rh: ...") nothing
    // changes and the refusal is returned; "" on success.
    std::string LoadCsv(std::string_view text, std::string_view name);
    // Cells copied from a spreadsheet: tab-separated rows, with a heading row naming the
    // columns as a file does, or without one, in the weather grid's column order (for daily
    // weather without the hour). Replaces the weather; refusals name the row and column.
    std::string PasteCells(std::string_view text);
    // One cell of the weather grid typed in; "" or why it is refused (the cell keeps its value).
    std::string SetWeatherCell(std::size_t row, int column, std::string_view text);

    WeatherKind Kind() const { return kind_; }
    std::size_t WeatherRows() const { return weather_.size(); }
    // The weather grid's columns (the hour column is blank for daily weather).
    static const std::vector<GridColumn>& WeatherColumns();
    double WeatherValue(std::size_t row, int column) const;
    std::string WeatherText(std::size_t row, int column) const;

    // --- The results ----------------------------------------------------------------------
    void Calculate();
    bool HasResults() const { return hasResults_; }
    // The result grid: one row per hour (hourly weather) or per day (daily weather).
    const std::vector<GridColumn>& ResultColumns() const;
    std::size_t ResultRows() const;
    double ResultValue(std::size_t row, int column) const;
    std::string ResultText(std::size_t row, int column) const;
    // The daily grid: the hourly system's summary of each fire day and beside it the 1987
    // system's codes at the chosen hour (blank where the day has no observation then).
    static const std::vector<GridColumn>& DayColumns();
    std::size_t DayRows() const { return hasResults_ ? days_.size() : 0; }
    std::optional<double> DayValue(std::size_t row, int column) const;
    std::string DayText(std::size_t row, int column) const;

    const fwi2025::SeriesResult& Series() const { return series_; }
    // The weather rows of the last calculation (hourly weather).
    const std::vector<fwi2025::HourlyWeather>& CalculatedWeather() const { return computedWx_; }
    // The 1987 codes of each day (daily weather: each row; hourly weather: each fire day).
    const std::vector<std::optional<emberlin::FwiCodes>>& DailyCodes() const { return daily1987_; }
    const std::vector<emberlin::FwiCodes>& Season() const { return season_; }

    // For the charts: per result row, the hours since the first row (hourly) or the day index.
    struct ChartRow {
        double x;
        double ffmc, isi, fwi, rain;
        double gfmc, gsi, gfwi;
    };
    ChartRow ChartPoint(std::size_t row) const;
    // The rows where a new date starts, and each day's active burning window [first, last]
    // in result rows (days without one are left out).
    std::vector<std::size_t> DayStarts() const;
    struct Window {
        std::size_t first;
        std::size_t last;
    };
    std::vector<Window> BurningWindows() const;

    // --- Handing a day to Fire Behaviour by Hour -----------------------------------------
    // Puts the FFMC and wind speed of the day's 24 hours (01:00 of its date to the next midnight)
    // and the BUI at its peak hour in the hand-over. False with a message when an hour is missing.
    bool HandOverDay(std::size_t dayRow);
    // The date of a day of the daily grid as "2007-06-15".
    std::string DayDate(std::size_t dayRow) const;

    // The FWI Calculator's day as this form's start-up values.
    void TakeFwiCalculator();

    const std::string& SourceText() const { return source_; }
    // Hours the weather's clock runs ahead of local standard time (0, or 1 for a daylight
    // saving clock), by which the daily system's hour moves on that clock.
    int DaylightShiftHours() const;

  private:
    struct Parsed;
    std::string Load(Parsed& parsed, std::string_view name);
    void ComputeHourly();
    void ComputeDaily();
    void ClearResults();

    HandOver& shared_;
    WeatherKind kind_ = WeatherKind::Hourly;
    std::vector<fwi2025::HourlyWeather> weather_;

    // The inputs, which open with their declared defaults.
    double latitude_ = 0;
    double longitude_ = 0;
    double utcOffset_ = 0;
    double startFfmc_ = 0;
    double startDmc_ = 0;
    double startDc_ = 0;
    int dailyHour_ = 0;
    std::string source_ = "No weather yet: open a file or paste cells.";

    bool hasResults_ = false;
    fwi2025::SeriesResult series_;
    std::vector<fwi2025::HourlyWeather> computedWx_;
    std::vector<fwi2025::DailySummary> days_;
    std::vector<std::optional<emberlin::FwiCodes>> daily1987_;
    std::vector<emberlin::FwiCodes> season_;
    std::vector<fwi2025::HourlyWeather> seasonWx_;
};

ResultTable MakeResultsTable(const HourlyFwiForm& form);
std::string HowComputed(const HourlyFwiForm& form);

}  // namespace emberlin::forms
