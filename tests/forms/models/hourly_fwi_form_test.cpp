// The Hourly FWI window's form driven as a user drives it: files and pasted cells read or
// refused with their place, the 1987 codes beside each day, the daily season, and the values
// taken from the FWI Calculator.
#include "forms/models/hourly_fwi_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

#include "common/number_text.h"
#include "forms/kit/recording_host.h"
#include "forms/models/fwi_calc_form.h"
#include "fwi/fwi_index.h"
#include "support/test_data.h"

namespace emberlin::forms {
namespace {

std::string ReadData(const std::string& name) {
    std::ifstream in(test_files::TestDataPath(name), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class HourlyFwiFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form.AttachHost(host);
        form.Open();
    }
    HandOver shared;
    HourlyFwiForm form{shared};
    RecordingHost host;
};

// The 1987 codes beside each day equal the daily system chained over the observations at
// the chosen hour of standard time, with the rain of the 24 rows ending there (the file's
// hours run on without gaps, so 24 rows are 24 hours). The file's clock, UTC-4 h at 77.4
// deg W, is daylight saving time: noon standard time is its 13:00. The exports give the
// daily table and then every hour with every computed column.
TEST_F(HourlyFwiFormTest, DailyCodesBesideEachDayFollowTheChosenHour) {
    for (int hour : {12, 16}) {
        form.TypeText("dailyHour", std::to_string(hour));
        ASSERT_EQ(form.LoadCsv(ReadData("fwi2025/PRF2007_hourly_wx.csv"), "PRF2007"), "");
        ASSERT_TRUE(form.HasResults());
        const auto& wx = form.CalculatedWeather();
        std::map<std::int64_t, emberlin::FwiCodes> expected;
        double ffmc = 85, dmc = 6, dc = 15;
        for (std::size_t i = 0; i < wx.size(); ++i) {
            if (wx[i].hour != hour + 1) continue;
            double rain = 0;
            for (std::size_t j = i >= 23 ? i - 23 : 0; j <= i; ++j) rain += wx[j].rainMm;
            const emberlin::FwiCodes day =
                CalcFwiDay(ffmc, dmc, dc, wx[i].date.month, wx[i].temperatureC,
                           wx[i].relativeHumidityPct, rain, wx[i].windSpeedKmh);
            ffmc = day.ffmc;
            dmc = day.dmc;
            dc = day.dc;
            expected[fwi2025::DayNumber(wx[i].date)] = day;
        }
        ASSERT_EQ(form.DayRows(), 109u);
        for (std::size_t r = 0; r < form.DayRows(); ++r) {
            const auto found = expected.find(fwi2025::DayNumber(form.Series().days[r].date));
            ASSERT_EQ(form.DailyCodes()[r].has_value(), found != expected.end()) << r;
            if (found == expected.end()) continue;
            EXPECT_EQ(form.DayValue(r, 18), found->second.ffmc) << r;
            EXPECT_EQ(form.DayValue(r, 20), found->second.dc) << r;
            EXPECT_EQ(form.DayValue(r, 24), found->second.dsr) << r;
        }
    }
    const ResultTable table = MakeResultsTable(form);
    EXPECT_EQ(table.rows.size(), 109u);
    ASSERT_EQ(table.parts.size(), 1u);
    const ResultPart& hours = table.parts[0];
    ASSERT_EQ(hours.rows.size(), 2623u);
    ASSERT_EQ(hours.columns.size(), form.ResultColumns().size());
    for (const std::size_t r : {0u, 1500u, 2622u}) {
        for (int c = 1; c < static_cast<int>(hours.columns.size()); ++c) {
            EXPECT_EQ(hours.rows[r][static_cast<std::size_t>(c)].value, form.ResultValue(r, c));
        }
    }
    const std::string csv = CsvText(table);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 109 + 3 + 2623) << csv.substr(0, 400);
    EXPECT_NE(csv.find("\r\nHourly values\r\n"), std::string::npos);
    EXPECT_NE(TabSeparatedText(table).find("\nHourly values\n"), std::string::npos);
    EXPECT_NE(HtmlText(table).find("Hourly values"), std::string::npos);
}

// A file of daily noon observations runs the 1987 system over the season.
TEST_F(HourlyFwiFormTest, DailyObservationsRunTheDailySystem) {
    const std::string text = "mon,temp,rh,ws,prec\n6,20,40,15,0\n6,25,30,20,2.5\n7,28,25,10,0\n";
    ASSERT_EQ(form.LoadCsv(text, "daily.csv"), "");
    EXPECT_EQ(form.Kind(), WeatherKind::Daily);
    ASSERT_EQ(form.ResultRows(), 3u);
    emberlin::FwiCodes day{85, 6, 15, 0, 0, 0, 0};
    const double wx[3][5] = {{6, 20, 40, 15, 0}, {6, 25, 30, 20, 2.5}, {7, 28, 25, 10, 0}};
    for (std::size_t r = 0; r < 3; ++r) {
        day = CalcFwiDay(day.ffmc, day.dmc, day.dc, static_cast<int>(wx[r][0]), wx[r][1], wx[r][2],
                         wx[r][4], wx[r][3]);
        EXPECT_EQ(form.ResultValue(r, 5), day.ffmc);
        EXPECT_EQ(form.ResultValue(r, 10), day.fwi);
    }
    EXPECT_EQ(form.ResultText(0, 0), "Day 1");
}

struct Refused {
    const char* name;
    const char* text;
    bool paste;
    const char* problem;
};

constexpr const char* kHead = "id,lat,long,timezone,yr,mon,day,hr,temp,rh,ws,prec\n";

const Refused kRefused[] = {
    {"HumidityOutOfRange",
     "id,lat,long,timezone,yr,mon,day,hr,temp,rh,ws,prec\n"
     "A,45,-77,-4,2007,5,10,8,14,94,2,0\nA,45,-77,-4,2007,5,10,9,14,101,2,0\n",
     false, "line 3, column rh: 101 is outside 0 to 100"},
    {"MissingColumn", "yr,mon,day,hr,temp,rh,ws\n2007,5,10,8,14,94,2\n", false,
     "missing column: prec"},
    {"SecondStation",
     "id,lat,long,timezone,yr,mon,day,hr,temp,rh,ws,prec\n"
     "A,45,-77,-4,2007,5,10,8,14,94,2,0\nB,45,-77,-4,2007,5,10,9,14,94,2,0\n",
     false,
     "line 3, column id: \"B\" is a second station after \"A\" (line 2): this window takes one "
     "station"},
    {"SiteMoves",
     "id,lat,long,timezone,yr,mon,day,hr,temp,rh,ws,prec\n"
     "A,45,-77,-4,2007,5,10,8,14,94,2,0\nA,46,-77,-4,2007,5,10,9,14,94,2,0\n",
     false, "line 3, column lat: 46 differs from the first row (line 2)"},
    {"NoSuchDay", "yr,mon,day,hr,temp,rh,ws,prec\n2007,2,29,8,14,94,2,0\n", false,
     "line 2, column day: 29 is not a day of 2007-02"},
    {"PastedWithoutHeading", "2007\t5\t10\t8\t14\t94\t2\t0\n2007\t5\t10\t9\t14\t94\t-2\t0\n", true,
     "row 2, column ws: -2 is outside 0 to 500"},
    {"PastedWrongWidth", "2007\t5\t10\t8\t14\n", true,
     "row 1: 5 cells; without a heading row give yr, mon, day, hr, temp, rh, ws, prec (8 cells) "
     "or yr, mon, day, temp, rh, ws, prec (7 cells)"},
};

class HourlyFwiRefusals : public HourlyFwiFormTest,
                          public ::testing::WithParamInterface<Refused> {};

// A refusal names its line (or pasted row) and column, and the weather held stays.
TEST_P(HourlyFwiRefusals, NamesThePlaceAndKeepsTheWeather) {
    ASSERT_EQ(form.PasteCells("2007\t5\t10\t8\t14\t94\t2\t0\n"), "");
    const Refused& c = GetParam();
    const std::string problem = c.paste ? form.PasteCells(c.text) : form.LoadCsv(c.text, "x.csv");
    EXPECT_EQ(problem, c.problem);
    EXPECT_EQ(form.WeatherRows(), 1u);
}

INSTANTIATE_TEST_SUITE_P(HourlyFwiFormTest, HourlyFwiRefusals, ::testing::ValuesIn(kRefused),
                         [](const auto& row) { return std::string(row.param.name); });

// A gap in the hours is refused by Calculate with the row and the hour named; the site comes
// from the file and edits of cells are checked with the file's rules.
TEST_F(HourlyFwiFormTest, GapsSiteAndCellEdits) {
    const std::string text = std::string(kHead) +
                             "A,60.5,-120.25,-7,2007,5,10,8,14,94,2,0\n"
                             "A,60.5,-120.25,-7,2007,5,10,10,14,94,2,0\n";
    ASSERT_EQ(form.LoadCsv(text, "gap.csv"), "");
    EXPECT_EQ(form.Text("latitude"), "60.5");
    EXPECT_EQ(form.Text("utcOffset"), "-7");
    EXPECT_FALSE(form.HasResults());
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].rfind("Row 2 of the weather (2007-05-10 10:00): ", 0), 0u)
        << host.Messages()[0];
    EXPECT_EQ(form.SetWeatherCell(1, kWxHumidity, "120"), "column rh: 120 is outside 0 to 100");
    EXPECT_EQ(form.SetWeatherCell(1, kWxDay, "31"), "");
    EXPECT_EQ(form.SetWeatherCell(1, kWxMonth, "6"), "2007-06-31 is not a date");
    EXPECT_EQ(form.SetWeatherCell(1, kWxHour, "9"), "");
    EXPECT_EQ(form.SetWeatherCell(1, kWxDay, "10"), "");
    form.Click("calculate");
    EXPECT_TRUE(form.HasResults());
    EXPECT_EQ(form.ResultRows(), 2u);
}

// The FWI Calculator's codes become the start-up values; without results it says so.
TEST_F(HourlyFwiFormTest, TakesTheFwiCalculatorsCodes) {
    form.Click("takeFwi");
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0], HourlyFwiForm::kNoFwiMessage);
    FwiCalcForm fwi(shared);
    fwi.Open();
    fwi.Click("calculate");
    ASSERT_TRUE(shared.fwi.has_value());
    form.Click("takeFwi");
    EXPECT_EQ(form.Text("startFfmc"), FormatGeneral(shared.fwi->ffmc));
    EXPECT_EQ(form.Text("startDmc"), FormatGeneral(shared.fwi->dmc));
    EXPECT_EQ(form.Text("startDc"), FormatGeneral(shared.fwi->dc));
    EXPECT_NE(shared.fwi->dmc, 6.0);  // the hand-over carries today's codes, not defaults
}

}  // namespace
}  // namespace emberlin::forms
