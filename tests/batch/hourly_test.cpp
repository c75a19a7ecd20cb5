// emberlin hourly against the fire behaviour by hour calculation and its form, and its
// refusals.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "batch/batch.h"
#include "batch/csv.h"
#include "batch_test_support.h"
#include "common/number_text.h"
#include "diurnal/diurnal_weather.h"
#include "diurnal/hourly_ffmc.h"
#include "forms/content/fire_description.h"
#include "forms/models/diurnal_form.h"
#include "forms/models/fbp_calc_form.h"
#include "forms/models/fire_by_hour_form.h"
#include "forms/models/hand_over.h"

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

// `emberlin hourly <args>` reading `input` on standard input.
RunOutput RunHourly(std::vector<std::string_view> args, const std::string& input) {
    std::FILE* in = std::tmpfile();
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    args.insert(args.begin(), "hourly");
    args.push_back("-");
    RunOutput run;
    run.status = RunBatch(args, in, out, err);
    run.errors = ReadFile(err);
    run.output = ParseCsv(ReadFile(out));
    for (std::FILE* f : {in, out, err}) std::fclose(f);
    return run;
}

double Number(const std::string& text) { return ParseDouble(text).value_or(-999); }

// The diurnal form's initial day, as columns.
const std::string kDayHead = "site,FuelType,mon,day,lat,long,temp,rh,ws,ffmc,tmin,tmax,wsmin,wsmax";
const std::string kDefaultDay = "7,15,55,-110,30,45,25,87,15,32,1,35";

emberlin::HourlyTables DefaultDayTable() {
    const std::optional<DiurnalDay> day = CalcDiurnalDay(
        55, -110, 7, 15, 30, 45, 25, 15, 32, 1, 35, kDefaultTemperatureParams, kDefaultWindParams);
    EXPECT_TRUE(day);
    const DiurnalFfmc ffmc = CalcDiurnalFfmc(*day, 87, FfmcMethod::VanWagner);
    emberlin::HourlyTables table;
    for (std::size_t h = 1; h <= 24; ++h) {
        table.ffmc[h] = ffmc[h];
        table.windSpeed[h] = day->windSpeed[h];
    }
    return table;
}

// Each row's 24 hours equal the calculation on the same inputs, value for value.
struct HourlyCase {
    const char* name;
    const char* extraHead;  // site columns after the day's
    const char* extraRow;
    const char* fuel;  // as written in the file
    int fuelIndex;
    emberlin::ProjectionSite site;
    int ignition, startHour, duration;
};

void PrintTo(const HourlyCase& c, std::ostream* os) { *os << c.name; }

class HourlyRows : public testing::TestWithParam<HourlyCase> {};

TEST_P(HourlyRows, EqualTheCalculationHourByHour) {
    const HourlyCase& c = GetParam();
    const RunOutput run = RunHourly(
        {}, kDayHead + c.extraHead + "\nA," + c.fuel + "," + kDefaultDay + c.extraRow + "\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    ASSERT_EQ(run.output.size(), 25u);
    EXPECT_EQ(run.output[0],
              (std::vector<std::string>{"site", "hour", "ffmc", "ws", "isi", "ros", "hfi", "cfb",
                                        "fireType", "intensityClass", "area", "perimeter"}));
    emberlin::FireByHourCase fireCase;
    emberlin::FbpSettings settings;
    settings.fuelIndex = c.fuelIndex;
    settings.site = c.site;
    settings.ignition =
        c.ignition == 1 ? emberlin::IgnitionType::Point : emberlin::IgnitionType::Line;
    fireCase.fire = emberlin::EngineInputs(settings, 196);
    fireCase.startHour = c.startHour;
    fireCase.durationHours = c.duration;
    const emberlin::FireByHourResult expected =
        emberlin::CalcFireByHour(fireCase, DefaultDayTable());
    for (int h = 1; h <= 24; ++h) {
        SCOPED_TRACE(h);
        const std::vector<std::string>& row = run.output[static_cast<std::size_t>(h)];
        const emberlin::HourBehaviour& e = expected.hours[static_cast<std::size_t>(h - 1)];
        ASSERT_EQ(row.size(), 12u);
        EXPECT_EQ(row[0], "A");
        EXPECT_EQ(row[1], std::to_string(h));
        EXPECT_EQ(Number(row[2]), e.ffmc);
        EXPECT_EQ(Number(row[3]), e.windSpeed);
        EXPECT_EQ(Number(row[4]), e.isi);
        EXPECT_EQ(Number(row[5]), e.out.ros);
        EXPECT_EQ(Number(row[6]), e.out.hfi);
        EXPECT_EQ(Number(row[7]), e.out.cfb);
        EXPECT_EQ(row[8], forms::FireDescription(e.out.cfb));
        EXPECT_EQ(Number(row[9]), e.intensityClass);
        EXPECT_EQ(row[10].empty(), !e.grows);
        if (e.grows) {
            EXPECT_EQ(Number(row[10]), e.area);
            EXPECT_EQ(Number(row[11]), e.perimeter);
        }
    }
}

emberlin::ProjectionSite Site(int pdf, double slope, double aspect, double bui) {
    emberlin::ProjectionSite site;
    site.pdf = pdf;
    site.slope = slope;
    site.aspect = aspect;
    site.bui = bui;
    return site;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HourlyRows,
    testing::Values(
        HourlyCase{"FormDefaultsC2", "", "", "C2", kC2, {}, 1, 13, 6},
        HourlyCase{"M3LineWholeDayHyphenLowerCase", ",pdf,GS,aspect,bui,accel,startHour,duration",
                   ",35,20,90,80,0,0,24", "m-3", kM3, Site(35, 20, 90, 80), 0, 0, 24},
        HourlyCase{
            "BlanksTakeTheFormsValues", ",slope,duration,accel", ",,2,", "c2", kC2, {}, 1, 13, 2}),
    [](const auto& row) { return std::string(row.param.name); });

// The default day in C2 gives what the window gives for it: the same 16:00 HFI and spans.
TEST(HourlySummary, MatchesTheFormOnTheDefaultDay) {
    forms::HandOver shared;
    forms::DiurnalForm diurnal(shared);
    diurnal.Open();
    diurnal.Click("calculate");
    forms::FireByHourForm form(shared);
    form.Open();
    form.Click("calculate");
    ASSERT_TRUE(form.HasResult());
    const emberlin::FireByHourSummary& s = form.Result().summary;

    const RunOutput hours = RunHourly({}, kDayHead + "\nA,C2," + kDefaultDay + "\n");
    ASSERT_EQ(hours.status, 0) << hours.errors;
    ASSERT_EQ(hours.output.size(), 25u);
    EXPECT_EQ(Number(hours.output[16][6]), form.Result().hours[15].out.hfi);

    const RunOutput run = RunHourly(
        {"--summary"}, kDayHead + "\nA,C2," + kDefaultDay + "\nB,D1," + kDefaultDay + "\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    ASSERT_EQ(run.output.size(), 3u);
    EXPECT_EQ(run.output[0],
              (std::vector<std::string>{"site", "peakHour", "peakHfi", "peakRos", "spansThreshold1",
                                        "spansThreshold2", "crownFire"}));
    EXPECT_EQ(run.output[1],
              (std::vector<std::string>{"A", std::to_string(s.peakHour), run.output[1][2],
                                        run.output[1][3], forms::SpansText(s.criticalSpans[0]),
                                        forms::SpansText(s.criticalSpans[1]),
                                        forms::SpansText(s.crownSpans)}));
    EXPECT_EQ(Number(run.output[1][2]), s.peakHfi);
    EXPECT_EQ(Number(run.output[1][3]), s.peakRos);
    EXPECT_NE(run.output[1][4], "none");
    EXPECT_EQ(run.output[2][4], "none");  // leafless aspen stays below 4,000 kW/m
}

struct RefusalCase {
    const char* name;
    std::string input;
    const char* errors;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class HourlyRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(HourlyRefusal, NamesTheLineAndColumn) {
    const RunOutput run = RunHourly({}, GetParam().input);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors, GetParam().errors);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HourlyRefusal,
    testing::Values(
        RefusalCase{"MissingFuelType", "mon,day\n7,15\n", "missing column: FuelType\n"},
        RefusalCase{"MissingDayColumn", "FuelType,mon\nC2,7\n", "missing column: day\n"},
        RefusalCase{"UnknownFuel", kDayHead + "\nA,X9," + kDefaultDay + "\n",
                    "line 2, column FuelType: \"X9\" is not a fuel type (C1 to C7, D1, D2, M1 to "
                    "M4, S1 to S3, O1a, O1b)\n"},
        RefusalCase{"LatitudeOutsideTheFbpForms",
                    kDayHead + "\nA,C2,7,15,20,-110,30,45,25,87,15,32,1,35\n",
                    "line 2, column lat: 20 is outside 30 to 90\n"},
        RefusalCase{"DurationPastMidnight",
                    kDayHead + ",startHour,duration\nA,C2," + kDefaultDay + ",20,5\n",
                    "line 2, column duration: 5 hours from the start hour pass 24:00\n"},
        RefusalCase{"IgnitionNotZeroOrOne", kDayHead + ",accel\nA,C2," + kDefaultDay + ",2\n",
                    "line 2, column accel: 2 is outside 0 to 1\n"},
        RefusalCase{"ThresholdNegative", kDayHead + ",threshold1\nA,C2," + kDefaultDay + ",-5\n",
                    "line 2, column threshold1: -5 is outside 0 to 50000\n"},
        RefusalCase{"SlopeAndGs", kDayHead + ",slope,gs\n",
                    "columns slope and gs give the same input; keep one\n"},
        // The diurnal window takes whole FFMC values only; so do the commands that read its day.
        RefusalCase{"FfmcNotWhole", kDayHead + "\nA,C2,7,15,55,-110,30,45,25,87.5,15,32,1,35\n",
                    "line 2, column ffmc: 87.5 is not a whole number\n"},
        RefusalCase{"ThirtyFirstOfApril", kDayHead + "\nA,C2,4,31,55,-110,30,45,25,87,15,32,1,35\n",
                    "line 2, column day: 31 is not a day of April (1 to 30)\n"}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace emberlin::batch
