#include "forms/models/fire_by_hour_form.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "common/rounding.h"
#include "fbp/accumulated_growth.h"
#include "fbp/fbp_engine.h"
#include "fbp/surface_spread.h"
#include "forms/content/fire_description.h"
#include "forms/kit/recording_host.h"
#include "forms/models/detection_form.h"
#include "forms/models/diurnal_form.h"
#include "forms/models/fbp_calc_form.h"

namespace emberlin::forms {
namespace {

// Weather that burns C2 far beyond 10,000 kW/m, and weather in which it barely creeps.
constexpr double kHotFfmc = 95, kHotWind = 40;
constexpr double kCoolFfmc = 70, kCoolWind = 5;

void PublishHours(HandOver& shared, const std::set<int>& hotHours) {
    HourlyTables& hourly = shared.hourly.emplace();
    for (int h = 1; h <= 24; ++h) {
        const bool hot = hotHours.count(h) > 0;
        hourly.ffmc[static_cast<std::size_t>(h)] = hot ? kHotFfmc : kCoolFfmc;
        hourly.windSpeed[static_cast<std::size_t>(h)] = hot ? kHotWind : kCoolWind;
    }
}

// Seventeen significant digits: the text a user pastes to carry a double over exactly.
std::string Exact(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// A cell's text as it stands between blanks in a row.
std::string Spaced(const std::string& cell) { return std::string(" ").append(cell).append(" "); }

std::vector<std::string> SummaryOf(const FireByHourForm& form) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : form.Text("summary") + "\n") {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    return lines;
}

class FireByHourFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form.AttachHost(host);
        form.Open();
    }
    HandOver shared;
    FireByHourForm form{shared};
    RecordingHost host;
};

// Every hour's row is one ComputeFbp call with that hour's weather, field for field, and
// the growth columns are the accumulated growth module's rows.
struct EngineCase {
    const char* name;
    const char* fuelBox;
    const char* ignitionBox;
    int startHour;
    int duration;
};

void PrintTo(const EngineCase& c, std::ostream* os) { *os << c.name; }

class FireByHourEngineTest : public FireByHourFormTest,
                             public ::testing::WithParamInterface<EngineCase> {};

TEST_P(FireByHourEngineTest, EveryRowIsTheEnginesCallForItsHour) {
    const EngineCase& c = GetParam();
    PublishHours(shared, {});
    for (int h = 1; h <= 24; ++h) {  // a day of changing weather
        shared.hourly.Edit().ffmc[static_cast<std::size_t>(h)] = 70 + h;
        shared.hourly.Edit().windSpeed[static_cast<std::size_t>(h)] = 2.0 + 1.5 * h;
    }
    form.Click(c.fuelBox);
    form.Click(c.ignitionBox);
    TypeKeys(form, "slope", "30");
    TypeKeys(form, "aspect", "90");
    TypeKeys(form, "startHour", std::to_string(c.startHour));
    TypeKeys(form, "duration", std::to_string(c.duration));
    form.Click("calculate");
    ASSERT_TRUE(form.HasResult());
    ASSERT_TRUE(host.Messages().empty());

    const FireByHourCase fireCase = form.CurrentCase();
    EXPECT_EQ(fireCase.fire.slope, 30);
    std::vector<double> elapsed;
    for (int k = 1; k <= c.duration; ++k) elapsed.push_back(60.0 * k);
    const auto growth = AccumulateGrowth(fireCase.fire, 60.0 * c.startHour, elapsed, [&](int h) {
        const auto s = static_cast<std::size_t>(HourlySlot(h));
        return HourlyWeather{shared.hourly->ffmc[s], shared.hourly->windSpeed[s]};
    });
    ASSERT_EQ(growth.size(), static_cast<std::size_t>(c.duration));

    for (int h = 1; h <= 24; ++h) {
        SCOPED_TRACE(h);
        const HourBehaviour& row = form.Result().hours[static_cast<std::size_t>(h - 1)];
        FbpInputs in = fireCase.fire;
        in.ffmc = 70 + h;
        in.windSpeed = 2.0 + 1.5 * h;
        in.elapsedTime = 60;
        FbpOutputs out;
        ASSERT_EQ(ComputeFbp(in, out), FbpResult::Computed);
        EXPECT_EQ(row.ffmc, in.ffmc);
        EXPECT_EQ(row.windSpeed, in.windSpeed);
        EXPECT_EQ(row.isi, InitialSpreadIndex(in.ffmc, in.windSpeed));
        EXPECT_EQ(row.out.ros, out.ros);
        EXPECT_EQ(row.out.hfi, out.hfi);
        EXPECT_EQ(row.out.cfb, out.cfb);
        EXPECT_EQ(row.fireType, ClassifyFireType(out.cfb));
        const bool grows = h > c.startHour && h <= c.startHour + c.duration;
        EXPECT_EQ(row.grows, grows);
        if (grows) {
            const auto& g = growth[static_cast<std::size_t>(h - c.startHour - 1)];
            EXPECT_EQ(row.area, g.area);
            EXPECT_EQ(row.perimeter, g.perimeter);
        }
        // The row on screen shows these values in the FBP calculator's formats.
        const std::string text = form.Text(FireByHourForm::RowId(h));
        EXPECT_EQ(text.rfind(HourLabel(h), 0), 0u) << text;
        EXPECT_NE(text.find(Spaced(FormatInt(RoundToInt(out.hfi)))), std::string::npos) << text;
        EXPECT_NE(text.find(FormatFixed(out.ros, 0, 2)), std::string::npos) << text;
        EXPECT_NE(text.find(FireDescription(out.cfb)), std::string::npos) << text;
        if (grows) {
            EXPECT_NE(text.find(Spaced(FormatFixed(row.area, 0, 2))), std::string::npos);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Fuels, FireByHourEngineTest,
                         ::testing::Values(EngineCase{"C2Point", "fuelC2", "pointIgnition", 13, 6},
                                           EngineCase{"M3Line", "fuelM3", "lineIgnition", 0, 24},
                                           EngineCase{"O1bPointLate", "fuelO1b", "pointIgnition",
                                                      23, 1},
                                           EngineCase{"C6Line", "fuelC6", "lineIgnition", 8, 3}),
                         [](const auto& row) { return std::string(row.param.name); });

// Spans of consecutive hours at or above the thresholds, from crafted hourly tables.
struct SpanCase {
    const char* name;
    std::set<int> hotHours;
    const char* spans;
};

void PrintTo(const SpanCase& c, std::ostream* os) { *os << c.name; }

class FireByHourSpanTest : public FireByHourFormTest,
                           public ::testing::WithParamInterface<SpanCase> {};

TEST_P(FireByHourSpanTest, SummaryNamesEachSpan) {
    const SpanCase& c = GetParam();
    PublishHours(shared, c.hotHours);
    form.Click("calculate");
    const std::vector<std::string> lines = SummaryOf(form);
    ASSERT_EQ(lines.size(), 4u);
    // Both thresholds see the same runs: hot hours are above 10,000, cool ones below 4,000.
    EXPECT_EQ(lines[1], std::string("At or above 4000 kW/m: ") + c.spans);
    EXPECT_EQ(lines[2], std::string("At or above 10000 kW/m: ") + c.spans);
    // Every hot hour has the same weather: the peak is the first of them.
    const int firstHot = c.hotHours.empty() ? 0 : *c.hotHours.begin();
    if (firstHot > 0) {
        EXPECT_EQ(form.Result().summary.peakHour, firstHot);
        EXPECT_EQ(lines[0].rfind("Peak hour: " + HourLabel(firstHot) + ", HFI ", 0), 0u);
    }
}

std::set<int> AllHours() {
    std::set<int> hours;
    for (int h = 1; h <= 24; ++h) hours.insert(h);
    return hours;
}

INSTANTIATE_TEST_SUITE_P(
    Tables, FireByHourSpanTest,
    ::testing::Values(SpanCase{"NoneAbove", {}, "none"},
                      SpanCase{"AllAbove", AllHours(), "01:00 to 24:00 (24 h)"},
                      SpanCase{"OneHour", {16}, "16:00 (1 h)"},
                      SpanCase{"TwoSpans",
                               {3, 4, 13, 14, 15, 16, 17, 18, 19},
                               "03:00 to 04:00 (2 h), 13:00 to 19:00 (7 h)"},
                      SpanCase{
                          "EndsAtHour24", {1, 22, 23, 24}, "01:00 (1 h), 22:00 to 24:00 (3 h)"}),
    [](const auto& row) { return std::string(row.param.name); });

// A refused input refuses the whole calculation: the field's message under its label, the focus on
// the field with its text selected, and every result as it was.
TEST_F(FireByHourFormTest, RefusedInputRefusesTheWholeCalculation) {
    PublishHours(shared, {14, 15});
    form.Click("calculate");
    const std::string rowBefore = form.Text("hour14");
    const std::string summaryBefore = form.Text("summary");
    ASSERT_FALSE(rowBefore.empty());

    struct Bad {
        const char* id;
        const char* text;
        const char* message;
    };
    const Bad cases[] = {
        {"bui", "651", "BUI: Please enter a number between 0 and 650."},
        {"latitude", "abc", "Latitude (d.d): Please enter a number."},
        {"pc", "50.5", "% Conifer (M1/M2): Please enter an integer."},
        {"gc", "101", "% Grass Curing (O1a/O1b): Please enter an integer between 0 and 100."},
        {"month", "13", "Month: Please enter an integer between 1 and 12."},
        {"startHour", "24", "Fire Start Hour (0-23): Please enter an integer between 0 and 23."},
        {"threshold2", "-1", "Threshold 2 (kW/m): Please enter a number between 0 and 50000."},
    };
    for (const Bad& bad : cases) {
        SCOPED_TRACE(bad.id);
        form.Click("defaultSettings");
        TypeKeys(form, "windDirection", "270");  // a valid change that must not be computed
        TypeKeys(form, bad.id, bad.text);
        host.ClearEvents();
        form.Click("calculate");
        EXPECT_EQ(host.Messages(), std::vector<std::string>{bad.message});
        EXPECT_EQ(host.FocusedControl(), bad.id);
        EXPECT_TRUE(host.FocusSelectedText());
        EXPECT_EQ(form.Text("hour14"), rowBefore);
        EXPECT_EQ(form.Text("summary"), summaryBefore);
    }

    // A start hour and duration that pass midnight name the duration.
    form.Click("defaultSettings");
    TypeKeys(form, "startHour", "20");
    TypeKeys(form, "duration", "5");
    host.ClearEvents();
    form.Click("calculate");
    EXPECT_EQ(host.Messages(), std::vector<std::string>{FireByHourForm::kDurationMessage});
    EXPECT_EQ(host.FocusedControl(), "duration");
    EXPECT_EQ(form.Text("summary"), summaryBefore);
}

TEST_F(FireByHourFormTest, MessagesWhenTheProducingFormsHaveNotRun) {
    form.Click("calculate");
    EXPECT_EQ(host.Messages(), std::vector<std::string>{DetectionForm::kNoHourlyMessage});
    EXPECT_FALSE(form.HasResult());
    EXPECT_EQ(form.Text("hour1"), "");
    host.ClearEvents();
    form.Click("fbpSettings");
    EXPECT_EQ(host.Messages(), std::vector<std::string>{FireByHourForm::kNoFbpMessage});
    EXPECT_FALSE(form.IsChecked("fbpSettings"));
}

TEST_F(FireByHourFormTest, SettingsFromFbpCalculatorTakeOverOrRefuseAsAWhole) {
    FbpCalcForm fbp(shared);
    fbp.Open();
    fbp.Click("fuelM3");
    TypeKeys(fbp, "df", "35");
    TypeKeys(fbp, "slope", "20");
    TypeKeys(fbp, "latitude", "48.5");
    fbp.Click("lineIgnition");  // calculates, publishing the settings
    form.Click("fbpSettings");
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_TRUE(form.IsChecked("fbpSettings"));
    EXPECT_TRUE(form.IsChecked("fuelM3"));
    EXPECT_FALSE(form.IsChecked("fuelC2"));
    EXPECT_TRUE(form.IsChecked("lineIgnition"));
    EXPECT_EQ(form.Text("pdf"), "35");
    EXPECT_EQ(form.Text("slope"), "20");
    EXPECT_EQ(form.Text("latitude"), "48.5");

    // A published value outside this form's range: a message naming the field, nothing taken.
    form.Click("defaultSettings");
    shared.fbp.Edit().site.bui = 700;
    shared.fbp.Edit().site.slope = 10;
    host.ClearEvents();
    form.Click("fbpSettings");
    EXPECT_EQ(host.Messages(),
              std::vector<std::string>{"Nothing was taken over from the FBP Calculator: its BUI "
                                       "gives 700, outside this form's range of 0 to 650."});
    EXPECT_EQ(form.Text("slope"), "0");
    EXPECT_TRUE(form.IsChecked("fuelC2"));
    EXPECT_FALSE(form.IsChecked("fbpSettings"));
}

// The day as a duty officer runs it: the diurnal weather of the default day, the FBP
// calculator's default C2 settings taken over, then Calculate.
TEST_F(FireByHourFormTest, DefaultDayInC2NamesTheAfternoonAndMatchesTheFbpCalculator) {
    DiurnalForm diurnal(shared);
    diurnal.Open();
    diurnal.Click("calculate");
    FbpCalcForm fbp(shared);
    fbp.Open();
    fbp.Click("calculate");
    form.Click("fbpSettings");
    form.Click("calculate");
    ASSERT_TRUE(host.Messages().empty());

    const std::vector<HourSpan>& spans = form.Result().summary.criticalSpans[0];
    bool afternoon = false;
    for (const HourSpan& span : spans) afternoon |= span.first <= 14 && span.last >= 17;
    EXPECT_TRUE(afternoon) << form.Text("summary");
    EXPECT_NE(SummaryOf(form)[1].find(" to "), std::string::npos) << form.Text("summary");

    // The 16:00 row against the FBP calculator with that hour's FFMC and wind typed in.
    const HourBehaviour& hour16 = form.Result().hours[15];
    TypeKeys(fbp, "ffmc", Exact(hour16.ffmc));
    TypeKeys(fbp, "windSpeed", Exact(hour16.windSpeed));
    TypeKeys(fbp, "elapsedTime", "60");
    fbp.Click("calculate");
    ASSERT_EQ(fbp.LastInputs().ffmc, hour16.ffmc);
    ASSERT_EQ(fbp.LastInputs().windSpeed, hour16.windSpeed);
    const auto cells = HourCells(hour16);
    EXPECT_EQ(cells[static_cast<std::size_t>(HourColumn::Hfi)], fbp.Text("hfiText"));
    EXPECT_EQ(cells[static_cast<std::size_t>(HourColumn::Ros)], fbp.Text("rosText"));
    EXPECT_EQ(cells[static_cast<std::size_t>(HourColumn::Cfb)], fbp.Text("cfbText"));
    EXPECT_EQ(cells[static_cast<std::size_t>(HourColumn::FireType)], fbp.Text("fdText"));
}

}  // namespace
}  // namespace emberlin::forms
