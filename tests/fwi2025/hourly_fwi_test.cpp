// The hourly FWI System against the published PRF2007 season (every computed column of
// every hour, every daily summary), the converters against their published spot values,
// and the edge cases the tables cannot reach.
#include "fwi2025/hourly_fwi.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "batch/csv.h"
#include "common/number_text.h"
#include "fwi2025/daily_to_hourly.h"
#include "fwi2025/station_series.h"
#include "support/test_data.h"

namespace emberlin::fwi2025 {
namespace {

// A CSV file as rows of named text fields.
struct CsvTable {
    std::vector<std::string> names;
    std::vector<std::vector<std::string>> rows;
    std::size_t Column(const std::string& name) const {
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (names[i] == name) return i;
        }
        ADD_FAILURE() << "no column " << name;
        return 0;
    }
    double Number(std::size_t row, const std::string& name) const {
        const std::optional<double> value = ParseDouble(rows[row][Column(name)]);
        EXPECT_TRUE(value.has_value()) << name << " row " << row;
        return value.value_or(NAN);
    }
};

CsvTable ReadTable(const std::string& name) {
    std::ifstream file(test_files::TestDataPath("fwi2025/" + name), std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    const std::string content = text.str();
    EXPECT_FALSE(content.empty()) << name;
    batch::CsvReader reader(content);
    CsvTable table;
    if (reader.Next()) table.names.assign(reader.Fields().begin(), reader.Fields().end());
    while (reader.Next()) table.rows.emplace_back(reader.Fields().begin(), reader.Fields().end());
    return table;
}

const Site kPrf = {45.996, -77.427, -4};

std::vector<HourlyWeather> PrfWeather() {
    const CsvTable input = ReadTable("PRF2007_hourly_wx.csv");
    std::vector<HourlyWeather> weather;
    for (std::size_t r = 0; r < input.rows.size(); ++r) {
        HourlyWeather w;
        w.date = {static_cast<int>(input.Number(r, "yr")), static_cast<int>(input.Number(r, "mon")),
                  static_cast<int>(input.Number(r, "day"))};
        w.hour = static_cast<int>(input.Number(r, "hr"));
        w.temperatureC = input.Number(r, "temp");
        w.relativeHumidityPct = input.Number(r, "rh");
        w.windSpeedKmh = input.Number(r, "ws");
        w.rainMm = input.Number(r, "prec");
        weather.push_back(w);
    }
    return weather;
}

// The PRF2007 season from the default start-up, computed once.
const SeriesResult& PrfSeason() {
    static const SeriesResult result = [] {
        const std::vector<HourlyWeather> weather = PrfWeather();
        return RunStationSeries(kPrf, std::nullopt, weather, StartValues{}, RunOptions{});
    }();
    return result;
}

struct OutputColumn {
    const char* name;
    std::function<double(const HourlyOutput&)> value;
};

const std::vector<OutputColumn>& HourlyColumns() {
    static const std::vector<OutputColumn> columns = {
        {"grass_fuel_load", [](const HourlyOutput& o) { return o.grassFuelLoadKgM2; }},
        {"percent_cured", [](const HourlyOutput& o) { return o.percentCured; }},
        {"solrad", [](const HourlyOutput& o) { return o.solarRadiationKwM2; }},
        {"sunrise", [](const HourlyOutput& o) { return o.sun.sunriseH; }},
        {"sunset", [](const HourlyOutput& o) { return o.sun.sunsetH; }},
        {"sunlight_hours", [](const HourlyOutput& o) { return o.sun.sunlightHours; }},
        {"mcffmc", [](const HourlyOutput& o) { return o.mcffmcPct; }},
        {"ffmc", [](const HourlyOutput& o) { return o.ffmc; }},
        {"dmc", [](const HourlyOutput& o) { return o.dmc; }},
        {"dc", [](const HourlyOutput& o) { return o.dc; }},
        {"isi", [](const HourlyOutput& o) { return o.isi; }},
        {"bui", [](const HourlyOutput& o) { return o.bui; }},
        {"fwi", [](const HourlyOutput& o) { return o.fwi; }},
        {"dsr", [](const HourlyOutput& o) { return o.dsr; }},
        {"mcgfmc_matted", [](const HourlyOutput& o) { return o.mcgfmcMattedPct; }},
        {"mcgfmc_standing", [](const HourlyOutput& o) { return o.mcgfmcStandingPct; }},
        {"gfmc", [](const HourlyOutput& o) { return o.gfmc; }},
        {"gsi", [](const HourlyOutput& o) { return o.gsi; }},
        {"gfwi", [](const HourlyOutput& o) { return o.gfwi; }},
        {"prec_cumulative", [](const HourlyOutput& o) { return o.precCumulativeMm; }},
        {"canopy_drying", [](const HourlyOutput& o) { return o.canopyDryingH; }},
    };
    return columns;
}

// Every computed column of every PRF2007 hour equals the published table at 4 decimals.
class PrfHourlyColumn : public ::testing::TestWithParam<std::size_t> {};

TEST_P(PrfHourlyColumn, EqualsPublishedTableInEveryHour) {
    static const CsvTable expected = ReadTable("PRF2007_standard_hourly_FWI.csv");
    const SeriesResult& season = PrfSeason();
    ASSERT_EQ(season.problem, "");
    ASSERT_EQ(expected.rows.size(), 2623u);
    ASSERT_EQ(season.hours.size(), expected.rows.size());
    const OutputColumn& column = HourlyColumns()[GetParam()];
    int mismatches = 0;
    for (std::size_t r = 0; r < expected.rows.size(); ++r) {
        const double got = RoundToFourDecimals(column.value(season.hours[r]));
        const double want = expected.Number(r, column.name);
        if (got != want && ++mismatches <= 5) {
            ADD_FAILURE() << column.name << " row " << r + 2 << ": " << got << " != " << want;
        }
    }
    EXPECT_EQ(mismatches, 0) << column.name;
}

INSTANTIATE_TEST_SUITE_P(Prf2007, PrfHourlyColumn, ::testing::Range<std::size_t>(0, 21),
                         [](const ::testing::TestParamInfo<std::size_t>& row) {
                             return std::string(HourlyColumns()[row.param].name);
                         });

// Every daily summary row equals the published one: labels, peak hour and duration exactly,
// the numbers at 4 decimals.
TEST(Prf2007, DailySummariesEqualPublishedRows) {
    const CsvTable expected = ReadTable("PRF2007_standard_daily_summaries.csv");
    const std::vector<DailySummary>& days = PrfSeason().days;
    ASSERT_EQ(expected.rows.size(), 109u);
    ASSERT_EQ(days.size(), expected.rows.size());
    for (std::size_t r = 0; r < days.size(); ++r) {
        const DailySummary& d = days[r];
        SCOPED_TRACE("summary row " + std::to_string(r + 2));
        EXPECT_EQ(d.date.year, expected.Number(r, "yr"));
        EXPECT_EQ(d.date.month, expected.Number(r, "mon"));
        EXPECT_EQ(d.date.day, expected.Number(r, "day"));
        EXPECT_EQ(ClockText(d.sunriseH), expected.rows[r][expected.Column("sunrise")]);
        EXPECT_EQ(ClockText(d.sunsetH), expected.rows[r][expected.Column("sunset")]);
        EXPECT_EQ(d.peakHour, expected.Number(r, "peak_hr"));
        EXPECT_EQ(d.durationH, expected.Number(r, "duration"));
        const std::pair<const char*, double> numbers[] = {{"ffmc", d.ffmc},
                                                          {"dmc", d.dmc},
                                                          {"dc", d.dc},
                                                          {"isi", d.isi},
                                                          {"bui", d.bui},
                                                          {"fwi", d.fwi},
                                                          {"dsr", d.dsr},
                                                          {"gfmc", d.gfmc},
                                                          {"gsi", d.gsi},
                                                          {"gfwi", d.gfwi},
                                                          {"ws_smooth", d.windSmoothKmh},
                                                          {"isi_smooth", d.isiSmooth},
                                                          {"gsi_smooth", d.gsiSmooth}};
        for (const auto& [name, value] : numbers) {
            EXPECT_EQ(RoundToFourDecimals(value), expected.Number(r, name)) << name;
        }
    }
}

// The converters reproduce the published spot values: the min/max of the last two days
// and the first day's hours.
TEST(Converters, ReproducePublishedSpotValues) {
    const CsvTable daily = ReadTable("PRF2007_daily_wx.csv");
    std::vector<DailyMinMax> days;
    for (std::size_t r = 0; r < daily.rows.size(); ++r) {
        DailyObservation o;
        o.date = {static_cast<int>(daily.Number(r, "yr")), static_cast<int>(daily.Number(r, "mon")),
                  static_cast<int>(daily.Number(r, "day"))};
        o.temperatureC = daily.Number(r, "temp");
        o.relativeHumidityPct = daily.Number(r, "rh");
        o.windSpeedKmh = daily.Number(r, "ws");
        o.rainMm = daily.Number(r, "prec");
        days.push_back(MinMaxFromObservation(o));
    }
    ASSERT_EQ(days.size(), 109u);
    const std::vector<HourlyWeather> hours = HourlyFromDailySeries(kPrf, days);
    ASSERT_EQ(hours.size(), 2616u);

    const CsvTable spots = ReadTable("converter_spot_values.csv");
    int checked = 0;
    for (std::size_t r = 0; r < spots.rows.size(); ++r) {
        const ClockDate date = {static_cast<int>(spots.Number(r, "yr")),
                                static_cast<int>(spots.Number(r, "mon")),
                                static_cast<int>(spots.Number(r, "day"))};
        SCOPED_TRACE("spot row " + std::to_string(r + 2));
        if (spots.rows[r][0] == "minmax") {
            const DailyMinMax* day = nullptr;
            for (const DailyMinMax& d : days) {
                if (DayNumber(d.date) == DayNumber(date)) day = &d;
            }
            ASSERT_NE(day, nullptr);
            EXPECT_EQ(day->temperatureMinC, spots.Number(r, "temp_min"));
            EXPECT_EQ(day->temperatureMaxC, spots.Number(r, "temp_max"));
            EXPECT_EQ(day->humidityMinPct, spots.Number(r, "rh_min"));
            EXPECT_EQ(day->humidityMaxPct, spots.Number(r, "rh_max"));
            EXPECT_EQ(day->windMinKmh, spots.Number(r, "ws_min"));
            EXPECT_EQ(day->windMaxKmh, spots.Number(r, "ws_max"));
        } else {
            const std::size_t index =
                static_cast<std::size_t>(DayNumber(date) - DayNumber(days[0].date)) * 24 +
                static_cast<std::size_t>(spots.Number(r, "hr"));
            const HourlyWeather& w = hours[index];
            EXPECT_EQ(w.hour, spots.Number(r, "hr"));
            EXPECT_EQ(w.temperatureC, spots.Number(r, "temp"));
            EXPECT_EQ(w.relativeHumidityPct, spots.Number(r, "rh"));
            EXPECT_EQ(w.windSpeedKmh, spots.Number(r, "ws"));
            EXPECT_EQ(w.rainMm, spots.Number(r, "prec"));
        }
        ++checked;
    }
    EXPECT_EQ(checked, 17);
}

// --- Edge cases the published season does not reach ------------------------------------

HourlyWeather Hour(ClockDate date, int hour, double t, double rh, double ws, double rain) {
    HourlyWeather w;
    w.date = date;
    w.hour = hour;
    w.temperatureC = t;
    w.relativeHumidityPct = rh;
    w.windSpeedKmh = ws;
    w.rainMm = rain;
    return w;
}

struct EdgeCase {
    const char* name;
    std::function<void()> check;
};

class EdgeCases : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(EdgeCases, Hold) { GetParam().check(); }

INSTANTIATE_TEST_SUITE_P(
    Decisions, EdgeCases,
    ::testing::Values(
        // Far above ~49 deg C at ~1 % RH both equilibria are negative: the moisture is
        // held at 0 % (FFMC 101) and the ISI stays finite.
        EdgeCase{"ExtremeHeatHoldsFineFuelAtZero",
                 [] {
                     HourlyRun run(kPrf, StartState({}), 0.35);
                     for (int h = 0; h < 48; ++h) {
                         const HourlyOutput o =
                             run.Step(Hour({2007, 7, 1 + h / 24}, h % 24, 85, 1, 30, 0));
                         EXPECT_GE(o.mcffmcPct, 0.0);
                         EXPECT_LE(o.ffmc, 101.0);
                         EXPECT_TRUE(std::isfinite(o.isi) && std::isfinite(o.dsr));
                     }
                     EXPECT_EQ(run.State().fineFuelMoisturePct, 0.0);
                     EXPECT_EQ(FfmcFromMoisture(0), 101.0);
                 }},
        // Green-up is the calendar date 12 March, also in a leap year (where it is day 72).
        EdgeCase{"LeapYearGreenUpOnTwelfthOfMarch",
                 [] {
                     EXPECT_EQ(SeasonalCuring({2024, 3, 11}), 96.0);
                     EXPECT_EQ(SeasonalCuring({2024, 3, 12}), 96.0 + (95.0 - 96.0) * 0.1);
                     EXPECT_EQ(SeasonalCuring({2007, 5, 10}), 84.4);
                     EXPECT_EQ(DayOfYear({2000, 12, 31}), 366);
                     EXPECT_EQ(DayOfYear({1900, 12, 31}), 365);
                 }},
        // The matted -> standing switch is 1 July of the first row's year, or of the next
        // year when the run starts after it; the summaries use 1 July of the station's first
        // year without that rule, so a run starting in August summarises standing grass.
        EdgeCase{
            "RunAfterFirstOfJulyIsMattedUntilNextJuly",
            [] {
                HourlyRun onJuly(kPrf, StartState({}), 0.35);
                EXPECT_TRUE(onJuly.Step(Hour({2007, 7, 1}, 0, 20, 40, 10, 0)).standingGrass);
                HourlyRun afterJuly(kPrf, StartState({}), 0.35);
                EXPECT_FALSE(afterJuly.Step(Hour({2007, 7, 2}, 0, 20, 40, 10, 0)).standingGrass);
                std::vector<HourlyWeather> august;
                for (int h = 5; h < 24; ++h) august.push_back(Hour({2007, 8, 1}, h, 25, 30, 20, 0));
                const SeriesResult r = RunStationSeries(kPrf, std::nullopt, august, {}, {});
                ASSERT_EQ(r.days.size(), 1u);
                EXPECT_FALSE(r.hours.back().standingGrass);
                const DailySummary& d = r.days[0];
                const HourlyOutput& peak = r.hours[static_cast<std::size_t>(d.peakHour - 5)];
                EXPECT_EQ(d.gsiSmooth,
                          RoundToFourDecimals(Gsi(d.windSmoothKmh,
                                                  RoundToFourDecimals(peak.mcgfmcStandingPct),
                                                  RoundToFourDecimals(peak.percentCured), true)));
            }},
        // Under the midnight sun the small hours dry the duff; in the polar night no hour
        // does (sunrise = sunset).
        EdgeCase{"MidnightSunAndPolarNight",
                 [] {
                     const Site arctic = {75, 20, 2};  // the clock ahead: sunset past 24 h
                     const SunTimes june = CalcSunTimes(arctic, {2024, 6, 21});
                     EXPECT_GT(june.sunsetH, 24.0);
                     HourlyRun summer(arctic, StartState({}), 0.35);
                     EXPECT_GT(summer.Step(Hour({2024, 6, 21}, 0, 10, 50, 10, 0)).dmc, 6.0);
                     const SunTimes december = CalcSunTimes(arctic, {2024, 12, 21});
                     EXPECT_EQ(december.sunriseH, december.sunsetH);
                     HourlyRun winter(arctic, StartState({}), 0.35);
                     for (int h = 0; h < 24; ++h) {
                         const HourlyOutput o = winter.Step(Hour({2024, 12, 21}, h, 5, 50, 10, 0));
                         EXPECT_NEAR(o.dmc, 6.0, 1e-12) << h;
                         EXPECT_NEAR(o.dc, 15.0, 1e-12) << h;
                     }
                 }},
        // Start-up codes far beyond observation level off instead of turning infinite.
        EdgeCase{"HugeStartCodesStayFinite",
                 [] {
                     StartValues start;
                     start.dmc = 1e6;
                     start.dc = 1e6;
                     HourlyRun run(kPrf, StartState(start), 0.35);
                     const HourlyOutput o = run.Step(Hour({2007, 7, 1}, 12, 30, 20, 20, 0));
                     EXPECT_TRUE(std::isfinite(o.dmc) && o.dmc > 1000) << o.dmc;
                     EXPECT_TRUE(std::isfinite(o.dc) && o.dc > 1000) << o.dc;
                     EXPECT_TRUE(std::isfinite(o.fwi));
                 }},
        // Sun times as HH:MM truncate, past 24 h and before 0 h as they are.
        EdgeCase{"ClockTextTruncates",
                 [] {
                     EXPECT_EQ(ClockText(5.9999), "05:59");
                     EXPECT_EQ(ClockText(20.4498), "20:26");
                     EXPECT_EQ(ClockText(25.5), "25:30");
                     EXPECT_EQ(ClockText(-0.5), "-00:30");
                 }},
        // Hours of a station follow one another; a later year is a new run (from the start-up
        // values) unless the runs are continuous.
        EdgeCase{
            "HourOrderAndRunsPerYear",
            [] {
                StationRunner perYear(StartValues{}, RunOptions{});
                const HourlyWeather last = Hour({2023, 12, 31}, 23, 20, 40, 10, 0);
                EXPECT_EQ(perYear.Order(last), HourOrder::First);
                perYear.Step(kPrf, 0.35, last);
                EXPECT_EQ(perYear.Order(Hour({2024, 1, 1}, 0, 20, 40, 10, 0)), HourOrder::NewRun);
                EXPECT_EQ(perYear.Order(Hour({2024, 6, 1}, 0, 20, 40, 10, 0)), HourOrder::NewRun);
                EXPECT_EQ(perYear.Order(Hour({2023, 12, 31}, 23, 20, 40, 10, 0)),
                          HourOrder::Repeat);
                EXPECT_EQ(perYear.Order(Hour({2023, 12, 31}, 21, 20, 40, 10, 0)),
                          HourOrder::Backwards);
                EXPECT_EQ(perYear.Order(Hour({2023, 12, 30}, 23, 20, 40, 10, 0)),
                          HourOrder::Backwards);
                RunOptions options;
                options.continuous = true;
                StationRunner continuous(StartValues{}, options);
                continuous.Step(kPrf, 0.35, last);
                EXPECT_EQ(continuous.Order(Hour({2024, 1, 1}, 0, 20, 40, 10, 0)), HourOrder::Next);
                EXPECT_EQ(continuous.Order(Hour({2024, 1, 1}, 1, 20, 40, 10, 0)), HourOrder::Gap);
            }}),
    [](const ::testing::TestParamInfo<EdgeCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace emberlin::fwi2025
