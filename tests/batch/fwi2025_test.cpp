// emberlin fwi2025 against the published PRF2007 tables and the engine called directly: the
// hourly rows, the daily summaries, the hours built from daily observations, and the runs
// restarted per year or carried on.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "batch/batch.h"
#include "batch/command.h"
#include "batch_test_support.h"
#include "common/number_text.h"
#include "fwi2025/daily_to_hourly.h"
#include "fwi2025/station_series.h"
#include "support/test_data.h"

namespace emberlin::batch {
namespace {

using testing_support::ParseCsv;
using testing_support::ReadFile;
using testing_support::Table;

struct RunOutput {
    int status = 0;
    std::string errors;
    Table output;
};

std::string DataFile(const std::string& name) {
    std::ifstream file(test_files::TestDataPath("fwi2025/" + name), std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// `emberlin fwi2025 <args>` reading `input` on standard input.
RunOutput RunFwi2025(std::vector<std::string_view> args, const std::string& input) {
    std::FILE* in = std::tmpfile();
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    args.insert(args.begin(), "fwi2025");
    args.push_back("-");
    RunOutput run;
    run.status = RunBatch(args, in, out, err);
    run.errors = ReadFile(err);
    run.output = ParseCsv(ReadFile(out));
    for (std::FILE* f : {in, out, err}) std::fclose(f);
    return run;
}

double Number(const std::string& text) { return ParseDouble(text).value_or(-999); }

std::size_t ColumnOf(const Table& table, const std::string& name) {
    for (std::size_t i = 0; i < table[0].size(); ++i) {
        if (table[0][i] == name) return i;
    }
    ADD_FAILURE() << "no column " << name;
    return 0;
}

// Every cell of `got` equals `want` with the same heading: texts exactly, numbers after
// rounding `got` to 4 decimals (the published tables' rounding).
void ExpectSameTable(const Table& got, const Table& want) {
    ASSERT_FALSE(want.empty());
    ASSERT_EQ(got.size(), want.size());
    ASSERT_EQ(got[0], want[0]);
    int mismatches = 0;
    for (std::size_t r = 1; r < want.size(); ++r) {
        for (std::size_t c = 0; c < want[r].size(); ++c) {
            const std::optional<double> expected = ParseDouble(want[r][c]);
            const bool same = expected
                                  ? fwi2025::RoundToFourDecimals(Number(got[r][c])) == *expected
                                  : got[r][c] == want[r][c];
            if (!same && ++mismatches <= 5) {
                ADD_FAILURE() << "line " << r + 1 << " " << want[0][c] << ": " << got[r][c]
                              << " != " << want[r][c];
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

// The command on the published weather gives the published hourly table, and with
// --summaries the published daily rows.
TEST(Fwi2025Command, Prf2007EqualsPublishedTables) {
    const std::string weather = DataFile("PRF2007_hourly_wx.csv");
    const RunOutput hourly = RunFwi2025({}, weather);
    EXPECT_EQ(hourly.status, 0) << hourly.errors;
    EXPECT_EQ(hourly.output.size(), 2624u);
    ExpectSameTable(hourly.output, ParseCsv(DataFile("PRF2007_standard_hourly_FWI.csv")));

    const RunOutput daily = RunFwi2025({"--summaries"}, weather);
    EXPECT_EQ(daily.status, 0) << daily.errors;
    EXPECT_EQ(daily.output.size(), 110u);
    ExpectSameTable(daily.output, ParseCsv(DataFile("PRF2007_standard_daily_summaries.csv")));
}

// --from-daily builds the same hours as the converters and computes them as the engine
// does, at full precision.
TEST(Fwi2025Command, FromDailyEqualsConvertersAndEngine) {
    const RunOutput run = RunFwi2025({"--from-daily"}, DataFile("PRF2007_daily_wx.csv"));
    EXPECT_EQ(run.status, 0) << run.errors;
    ASSERT_EQ(run.output.size(), 2617u);

    const Table daily = ParseCsv(DataFile("PRF2007_daily_wx.csv"));
    std::vector<fwi2025::DailyMinMax> days;
    for (std::size_t r = 1; r < daily.size(); ++r) {
        fwi2025::DailyObservation o;
        o.date = {static_cast<int>(Number(daily[r][4])), static_cast<int>(Number(daily[r][5])),
                  static_cast<int>(Number(daily[r][6]))};
        o.temperatureC = Number(daily[r][7]);
        o.relativeHumidityPct = Number(daily[r][8]);
        o.windSpeedKmh = Number(daily[r][9]);
        o.rainMm = Number(daily[r][10]);
        days.push_back(fwi2025::MinMaxFromObservation(o));
    }
    const fwi2025::Site site = {45.996, -77.427, -4};
    const std::vector<fwi2025::HourlyWeather> hours = fwi2025::HourlyFromDailySeries(site, days);
    const fwi2025::SeriesResult season =
        fwi2025::RunStationSeries(site, std::nullopt, hours, {}, {});
    ASSERT_EQ(season.hours.size() + 1, run.output.size());
    const Table& out = run.output;
    for (std::size_t i = 0; i < hours.size(); ++i) {
        const std::vector<std::string>& row = out[i + 1];
        ASSERT_EQ(row[ColumnOf(out, "id")], "PRF");
        ASSERT_EQ(Number(row[ColumnOf(out, "hr")]), hours[i].hour) << i;
        ASSERT_EQ(Number(row[ColumnOf(out, "temp")]), hours[i].temperatureC) << i;
        ASSERT_EQ(Number(row[ColumnOf(out, "rh")]), hours[i].relativeHumidityPct) << i;
        ASSERT_EQ(Number(row[ColumnOf(out, "prec")]), hours[i].rainMm) << i;
        ASSERT_EQ(Number(row[ColumnOf(out, "ffmc")]), season.hours[i].ffmc) << i;
        ASSERT_EQ(Number(row[ColumnOf(out, "dc")]), season.hours[i].dc) << i;
        ASSERT_EQ(Number(row[ColumnOf(out, "gfwi")]), season.hours[i].gfwi) << i;
    }
}

// Hours of `days` consecutive days from `first` 00:00, all with the same weather.
std::string SameWeatherHours(const std::string& id, fwi2025::ClockDate first, int count,
                             const std::string& weather = "25,30,20,0") {
    std::string rows;
    const std::int64_t start = fwi2025::HourNumber(first, 0);
    for (std::int64_t h = start; h < start + count; ++h) {
        const fwi2025::ClockDate d = fwi2025::DateOfDayNumber(h / 24);
        rows += id + ",60,-120,-7," + std::to_string(d.year) + "," + std::to_string(d.month) + "," +
                std::to_string(d.day) + "," + std::to_string(h % 24) + "," + weather + "\n";
    }
    return rows;
}

const std::string kHead = "id,lat,long,timezone,yr,mon,day,hr,temp,rh,ws,prec\n";

// A new calendar year restarts from the start-up values (after a season's gap too), and a
// new station always; --continuous carries a station's state over 1 January; the start-up
// options set the first hour's state.
TEST(Fwi2025Command, RunsRestartPerStationAndYear) {
    const std::string twoYears = kHead + SameWeatherHours("A", {2023, 12, 31}, 48) +
                                 SameWeatherHours("B", {2024, 6, 1}, 24) +
                                 SameWeatherHours("B", {2025, 6, 1}, 24);
    const RunOutput perYear = RunFwi2025({}, twoYears);
    const RunOutput continuous = RunFwi2025({"--continuous"}, twoYears);
    ASSERT_EQ(perYear.status, 0) << perYear.errors;
    ASSERT_EQ(perYear.output.size(), 97u);
    // Continuous refuses the year's gap of station B, naming both lines.
    EXPECT_EQ(continuous.status, 1);
    EXPECT_EQ(continuous.errors,
              "line 74, column hr: 2025-06-01 00:00 leaves hours missing after line 73 "
              "(2024-06-01 23:00)\n");

    const std::size_t dmc = ColumnOf(perYear.output, "dmc");
    const std::size_t mcffmc = ColumnOf(perYear.output, "mcffmc");
    const Table& rows = perYear.output;
    // Rows 1 (A, 31 Dec 00:00), 25 (A, 1 Jan 00:00), 49 (B 2024), 73 (B 2025) all start.
    for (std::size_t row : {25u, 49u, 73u}) {
        EXPECT_EQ(rows[row][dmc], rows[1][dmc]) << row;
        EXPECT_EQ(rows[row][mcffmc], rows[1][mcffmc]) << row;
    }
    const RunOutput carried =
        RunFwi2025({"--continuous"}, kHead + SameWeatherHours("A", {2023, 12, 31}, 48));
    ASSERT_EQ(carried.status, 0) << carried.errors;
    EXPECT_NE(carried.output[25][mcffmc], rows[1][mcffmc]);
    EXPECT_EQ(carried.output[24][mcffmc], rows[24][mcffmc]);

    // Start-up moisture given instead of the code: the first hour starts from it.
    const RunOutput wet = RunFwi2025({"--mcffmc", "60", "--dmc", "0", "--dc", "0"},
                                     kHead + SameWeatherHours("A", {2024, 6, 1}, 1));
    ASSERT_EQ(wet.status, 0) << wet.errors;
    fwi2025::StartValues start;
    start.fineFuelMoisturePct = 60;
    start.dmc = 0;
    start.dc = 0;
    fwi2025::HourlyRun run({60, -120, -7}, fwi2025::StartState(start), 0.35);
    fwi2025::HourlyWeather w;
    w.date = {2024, 6, 1};
    w.temperatureC = 25;
    w.relativeHumidityPct = 30;
    w.windSpeedKmh = 20;
    const fwi2025::HourlyOutput first = run.Step(w);
    EXPECT_EQ(Number(wet.output[1][mcffmc]), first.mcffmcPct);
    EXPECT_EQ(Number(wet.output[1][dmc]), first.dmc);
}

// With --keep-going a refused hour breaks the chain once: the station's next good hour
// starts a new run instead of every later hour being refused as a gap.
TEST(Fwi2025Command, KeepGoingRestartsAfterARefusedHour) {
    std::string input = kHead + SameWeatherHours("A", {2024, 6, 1}, 6);
    input.replace(input.find("25,30,20,0\nA,60,-120,-7,2024,6,1,3,"), 2, "99");
    const RunOutput run = RunFwi2025({"--keep-going"}, input);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors, "line 4, column temp: 99 is outside -90 to 90\n");
    ASSERT_EQ(run.output.size(), 6u);
    const std::size_t mcffmc = ColumnOf(run.output, "mcffmc");
    const std::size_t hr = ColumnOf(run.output, "hr");
    EXPECT_EQ(run.output[3][hr], "3");
    EXPECT_EQ(run.output[3][mcffmc], run.output[1][mcffmc]);  // restarted at 03:00
}

// The program's usage lists the command, and its own help every option.
TEST(Fwi2025Command, HelpListsTheCommandAndEveryOption) {
    std::FILE* usage = std::tmpfile();
    PrintUsage(usage);
    EXPECT_NE(ReadFile(usage).find("\n  fwi2025   the hourly FWI System"), std::string::npos);
    std::fclose(usage);
    std::FILE* help = std::tmpfile();
    const std::string_view args[] = {"fwi2025", "--help"};
    EXPECT_EQ(RunBatch(args, stdin, help, stderr), 0);
    const std::string text = ReadFile(help);
    std::fclose(help);
    EXPECT_TRUE(text.starts_with("Usage: emberlin fwi2025 [options]")) << text;
    for (const CommandOption& option : kFwi2025Command.options) {
        EXPECT_NE(text.find("  --" + std::string(option.name) + " "), std::string::npos)
            << option.name;
    }
}

}  // namespace
}  // namespace emberlin::batch
