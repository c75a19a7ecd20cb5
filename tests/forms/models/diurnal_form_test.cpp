#include "forms/models/diurnal_form.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "forms/kit/recording_host.h"
#include "forms/models/fwi_calc_form.h"

namespace emberlin::forms {
namespace {

std::string Blanks(std::size_t n) { return std::string(n, ' '); }

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

std::vector<std::string> Lines(const DiurnalForm& form) {
    std::vector<std::string> lines;
    for (int r = 1; r <= DiurnalForm::kLineCount; ++r)
        lines.push_back(form.Text(DiurnalForm::LineId(r)));
    return lines;
}

class DiurnalFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form.AttachHost(host);
        form.Open();
    }
    HandOver shared;
    DiurnalForm form{shared};
    RecordingHost host;
};

struct Input {
    const char* id;
    const char* label;
    const char* initial;
    const char* byDefault;
    const char* belowRange;  // "" when the digits-only filter keeps it out
    const char* aboveRange;
    const char* rangeMessage;
};

// Listed in storing order.
// clang-format off
const Input kInputs[] = {
    {"ffmc", "FFMC", "87", "87", "", "102", "This box takes whole numbers 0 to 101."},
    {"latitude", "Latitude", "55", "55", "29.9", "90.5", "Please enter a number between 30 and 90."},
    {"longitude", "Longitude", "-110", "-110", "-171", "170.1", "Please enter a number between -170 and 170."},
    {"relativeHumidity", "RH", "45", "50", "-1", "100.1", "Please enter a number between 0 and 100."},
    {"temperature", "Temperature", "30", "30", "-0.1", "41", "Please enter a number between 0 and 40."},
    {"windSpeed", "Wind Speed", "25", "25", "-1", "151", "Please enter a number between 0 and 150."},
    {"maxTemperature", "Maximum", "32", "32", "-1", "40.5", "Please enter a number between 0 and 40."},
    {"maxWind", "Maximum", "35", "35", "-2", "150.5", "Please enter a number between 0 and 150."},
    {"minTemperature", "Minimum", "15", "15", "-3", "45", "Please enter a number between 0 and 40."},
    {"minWind", "Minimum", "1", "1", "-0.5", "200", "Please enter a number between 0 and 150."},
    {"temperatureBeta", "BETA", "1.86", "1.86", "-0.1", "4.6", "Please enter a number between 0 and 4.5."},
    {"temperatureGamma", "GAMMA", "-2.2", "-2.2", "-4.6", "4.51", "Please enter a number between -4.5 and 4.5."},
    {"windAlpha", "ALPHA", "1", "1", "-2.6", "2.51", "Please enter a number between -2.5 and 2.5."},
    {"windBeta", "BETA", "1.24", "1.24", "-1", "7.6", "Please enter a number between 0 and 7.5."},
    {"windGamma", "GAMMA", "-3.59", "-3.59", "-5", "4.6", "Please enter a number between -4.5 and 4.5."},
    {"temperatureAlpha", "ALPHA", "0.88", "0.88", "-0.01", "5.01", "Please enter a number between 0 and 5."},
    {"day", "Day", "15", "15", "0", "32", "Please enter an integer between 1 and 31."},
    {"month", "Month", "7", "7", "0", "13", "Please enter an integer between 1 and 12."},
};
// clang-format on

TEST_F(DiurnalFormTest, InputsRangesStoringOrderAndDefault) {
    EXPECT_EQ(form.Title(), "Diurnal Weather Calculator");

    std::vector<std::string> expectedOrder = {"vanWagnerOption", "lawsonOption",
                                              "equilibriumOption"};
    for (const Input& in : kInputs) expectedOrder.push_back(in.id);
    for (int r = 1; r <= 12; ++r) expectedOrder.push_back("line" + std::to_string(r));
    for (const char* id : {"defaultOption", "fwiCalculatorOption", "calculate", "exit", "cancel"}) {
        expectedOrder.push_back(id);
    }
    std::vector<std::string> order;
    for (const Control* c : form.Controls()) order.push_back(c->id);
    EXPECT_EQ(order, expectedOrder);

    EXPECT_TRUE(form.IsChecked("vanWagnerOption"));
    EXPECT_FALSE(form.IsChecked("lawsonOption"));
    EXPECT_FALSE(form.IsChecked("equilibriumOption"));
    EXPECT_TRUE(form.IsChecked("defaultOption"));
    EXPECT_FALSE(form.IsChecked("fwiCalculatorOption"));
    EXPECT_EQ(form.Method(), FfmcMethod::VanWagner);
    EXPECT_EQ(Lines(form), std::vector<std::string>(12));
    EXPECT_EQ(form.GetControl("calculate").label, "CALCULATE");
    EXPECT_EQ(form.GetControl("fwiCalculatorOption").label, "FWI Calculator");

    // "Default" puts back every input (humidity 50, not the opening 45), clears a refused
    // text and its warning, and keeps the FFMC method.
    form.Click("equilibriumOption");
    TypeKeys(form, "latitude", "abc");
    TypeKeys(form, "windGamma", "2");
    ASSERT_EQ(host.WarningFor("latitude"), "Please enter a number.");
    form.Click("defaultOption");
    for (const Input& in : kInputs) EXPECT_EQ(form.Text(in.id), in.byDefault) << in.id;
    EXPECT_EQ(host.WarningFor("latitude"), "");
    EXPECT_FALSE(form.TypingWarning().has_value());
    EXPECT_TRUE(form.IsChecked("defaultOption"));
    EXPECT_FALSE(form.IsChecked("fwiCalculatorOption"));
    EXPECT_TRUE(form.IsChecked("equilibriumOption"));
    EXPECT_EQ(form.Method(), FfmcMethod::Equilibrium);
    EXPECT_TRUE(host.Messages().empty());
}

// Every bound of an input is accepted; just past it the field warns beside itself, keeps the
// text and the warning goes once the text is valid again.
class DiurnalInputs : public DiurnalFormTest, public ::testing::WithParamInterface<Input> {};

void PrintTo(const Input& in, std::ostream* out) { *out << in.id; }

TEST_P(DiurnalInputs, BoundsAreAcceptedAndJustPastThemTheFieldWarns) {
    const Input& in = GetParam();
    EXPECT_FALSE(form.InputsEdited());
    EXPECT_EQ(form.Text(in.id), in.initial);
    EXPECT_EQ(form.GetControl(in.id).label, in.label);
    std::vector<const char*> outside = {in.aboveRange};
    if (*in.belowRange != '\0') outside.insert(outside.begin(), in.belowRange);
    for (const char* text : outside) {
        form.TypeText(in.id, text);
        EXPECT_EQ(form.Text(in.id), text);
        EXPECT_EQ(host.WarningFor(in.id), in.rangeMessage) << text;
    }
    const Control& c = form.GetControl(in.id);
    for (double bound : {c.minValue, c.maxValue}) {
        form.TypeText(in.id, FormatGeneral(bound));
        EXPECT_EQ(host.WarningFor(in.id), "") << bound;
    }
    form.TypeText(in.id, in.initial);
    EXPECT_EQ(host.WarningFor(in.id), "");
    EXPECT_TRUE(form.InputsEdited());
    EXPECT_TRUE(host.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(DiurnalFormTest, DiurnalInputs, ::testing::ValuesIn(kInputs),
                         [](const ::testing::TestParamInfo<Input>& row) {
                             return std::string(row.param.id);
                         });

// The FFMC box keeps whatever is typed and says when it is not a whole number from 0 to 101.
TEST_F(DiurnalFormTest, FfmcBoxTakesWholeNumbers) {
    struct Edit {
        const char* text;
        bool applied;
        const char* boxAfter;
        const char* warning;
    };
    // clang-format off
    const Edit edits[] = {
        {"8", true, "8", ""},
        {"8a", true, "8a", "Please enter a number."},
        {"8.5", true, "8.5", "This box takes whole numbers 0 to 101."},
        {"-8", true, "-8", "This box takes whole numbers 0 to 101."},
        {" 8", true, " 8", ""},    {"85", true, "85", ""},  {"85.0", true, "85.0", ""},
        {"102", true, "102", "This box takes whole numbers 0 to 101."},
        {"", true, "", "Please enter a number."},            {"0099", true, "0099", ""},
    };
    // clang-format on
    for (const Edit& e : edits) {
        EXPECT_EQ(form.TypeText("ffmc", e.text), e.applied) << e.text;
        EXPECT_EQ(form.Text("ffmc"), e.boxAfter) << e.text;
        EXPECT_EQ(host.WarningFor("ffmc"), e.warning) << e.text;
    }
    form.Click("calculate");
    EXPECT_EQ(form.Text("ffmc"), "99");  // computing shows the canonical text
}

TEST_F(DiurnalFormTest, CalculateWithTheOpeningValues) {
    form.Click("calculate");
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_TRUE(shared.hourly.has_value());

    // Hand-built from the column rules: 10 am 27.4 53.2 21.3 75.9, 10 pm 18.9 89.2 6.0 85.7.
    // clang-format off
    const std::string line10 = "    " "  10 am  "
        "        " "  27.4  " "        " "    53.2  " "        " "  21.3  " "        " "   75.9  "
        "               " "    10 pm  "
        "        " "   18.9  " "        " "    89.2  " "        " "    6.0  " "        " "   85.7  ";
    // clang-format on
    const std::vector<std::string> lines = Lines(form);
    EXPECT_EQ(lines[9], line10);
    EXPECT_EQ(lines[11].substr(0, 13), "       Noon  ");
    EXPECT_NE(lines[11].find(Blanks(15) + "Midnight  "), std::string::npos) << lines[11];
    EXPECT_EQ(lines[0].substr(0, 14), "        1 am  ");
    EXPECT_NE(lines[0].find(Blanks(15) + "     1 pm  "), std::string::npos) << lines[0];

    // Humidity is exactly 100 at hours 1..5 and 24 (colder than the noon dew point) and
    // takes the two-blank format; the other hours are below 100.
    for (int h = 1; h <= 24; ++h) {
        const int r = h <= 12 ? h : h - 12;
        const std::vector<std::string> words = Words(lines[static_cast<std::size_t>(r - 1)]);
        const std::size_t wordCount = h == 12 || h == 24 ? 10u : 12u;
        EXPECT_EQ(words.size(), wordCount) << lines[static_cast<std::size_t>(r - 1)];
        if (words.size() != wordCount) continue;
        const std::size_t base = h == 12 ? 1 : h == 24 ? 6 : h <= 12 ? 2 : 8;
        const bool saturated = h <= 5 || h == 24;
        EXPECT_EQ(words[base + 1] == "100.0", saturated) << "hour " << h;
        // The published hourly values are the ones on the screen.
        EXPECT_EQ(words[base + 2],
                  FormatFixed(shared.hourly->windSpeed[static_cast<std::size_t>(h)], 3, 1))
            << "hour " << h;
        EXPECT_EQ(words[base + 3],
                  FormatFixed(shared.hourly->ffmc[static_cast<std::size_t>(h)], 3, 1))
            << "hour " << h;
    }
    for (int r : {1, 5}) {
        EXPECT_NE(lines[static_cast<std::size_t>(r - 1)].find(Blanks(8) + "  100.0  "),
                  std::string::npos);
    }
    EXPECT_NE(lines[11].find("        100.0  ", lines[11].find("Midnight")), std::string::npos);

    EXPECT_NEAR(shared.hourly->ffmc[16], 87.0, 0.05);
    EXPECT_EQ(shared.hourly->ffmc[0], 0.0);
    EXPECT_EQ(shared.hourly->windSpeed[0], 0.0);
    // Nothing was typed, so the setting options are left alone.
    EXPECT_TRUE(form.IsChecked("defaultOption"));
}

TEST(DiurnalLineTest, ColumnFormatsFollowTheUnroundedValue) {
    struct Row {
        const char* name;
        int r;
        double left[4];   // temperature, humidity, wind, FFMC of hour r
        double right[4];  // the same for hour r + 12
        const char* expected;
    };
    // Each expected line is written piece by piece: 8-blank gaps, 15 blanks between halves.
    // clang-format off
    const Row rows[] = {
        {"narrow values", 3, {9.96, 9.96, 9.96, 9.96}, {9.96, 9.96, 9.96, 9.96},
         "    " "    3 am  "
         "        " "    10.0  " "        " "     10.0  " "        " "    10.0  " "        " "    10.0  "
         "               " "     3 pm  "
         "        " "     10.0  " "        " "     10.0  " "        " "    10.0  " "        " "    10.0  "},
        {"at the thresholds", 11, {10, 10, 10, 10}, {10, 100, 10, 10},
         "    " "  11 am  "
         "        " "  10.0  " "        " "    10.0  " "        " "  10.0  " "        " "   10.0  "
         "               " "    11 pm  "
         "        " "   10.0  " "        " "  100.0  " "        " "  10.0  " "        " "   10.0  "},
        {"noon and midnight", 12, {0, 0, 0, 101}, {40, 99.96, 150, -1.5},
         "    " "   Noon  "
         "        " "    0.0  " "        " "     0.0  " "        " "    0.0  " "        " "   101.0  "
         "               " "Midnight  "
         "        " "   40.0  " "        " "    100.0  " "        " "  150.0  " "        " "    -1.5  "},
    };
    // clang-format on
    for (const Row& row : rows) {
        DiurnalDay day;
        DiurnalFfmc ffmc{};
        const auto l = static_cast<std::size_t>(row.r);
        const auto rt = static_cast<std::size_t>(row.r + 12);
        day.temperature[l] = row.left[0];
        day.relativeHumidity[l] = row.left[1];
        day.windSpeed[l] = row.left[2];
        ffmc[l] = row.left[3];
        day.temperature[rt] = row.right[0];
        day.relativeHumidity[rt] = row.right[1];
        day.windSpeed[rt] = row.right[2];
        ffmc[rt] = row.right[3];
        EXPECT_EQ(DiurnalForm::FormatLine(row.r, day, ffmc).text, row.expected) << row.name;
    }
}

TEST_F(DiurnalFormTest, FwiCalculatorSetting) {
    // Before any FWI Calculate: the message, both setting options off, no field changes.
    TypeKeys(form, "temperature", "22");
    form.Click("fwiCalculatorOption");
    EXPECT_EQ(host.Messages(),
              std::vector<std::string>{
                  "ERROR - You must RUN the FWI Calculator First in order to Create the Values"});
    EXPECT_FALSE(form.IsChecked("defaultOption"));
    EXPECT_FALSE(form.IsChecked("fwiCalculatorOption"));
    EXPECT_EQ(form.Text("temperature"), "22");

    struct Published {
        const char* name;
        double temperature, relativeHumidity, windSpeed, ffmc;
        int month;
        const char* expected[5];  // month, temperature, RH, wind, FFMC
        const char* message;      // "" when taken over
    };
    // clang-format off
    const Published rows[] = {
        {"rounded and truncated", 25.5, 49.9, 25.9, 86.5, 8, {"8", "26", "49", "25", "87"}, ""},
        {"bounds", 39.6, 100, 0.99, 100.6, 12, {"12", "40", "100", "0", "101"}, ""},
        {"wind beyond this form", 20, 40, 160.9, 80, 5, {"12", "40", "100", "0", "101"},
         "Nothing was taken over from the FWI Calculator: its Wind Speed gives 160, outside this "
         "form's range of 0 to 150."},
    };
    // clang-format on
    shared.fwi.emplace();
    for (const Published& p : rows) {
        SCOPED_TRACE(p.name);
        host.ClearEvents();
        shared.fwi.Edit().temperature = p.temperature;
        shared.fwi.Edit().relativeHumidity = p.relativeHumidity;
        shared.fwi.Edit().windSpeed = p.windSpeed;
        shared.fwi.Edit().ffmc = p.ffmc;
        shared.fwi.Edit().month = p.month;
        form.Click("fwiCalculatorOption");
        const char* ids[] = {"month", "temperature", "relativeHumidity", "windSpeed", "ffmc"};
        for (int i = 0; i < 5; ++i) EXPECT_EQ(form.Text(ids[i]), p.expected[i]) << ids[i];
        const bool taken = *p.message == '\0';
        EXPECT_EQ(host.Messages(),
                  taken ? std::vector<std::string>{} : std::vector<std::string>{p.message});
        EXPECT_EQ(form.IsChecked("fwiCalculatorOption"), taken);
        EXPECT_FALSE(form.IsChecked("defaultOption"));
        EXPECT_EQ(form.Text("day"), "15");
        EXPECT_EQ(form.Text("latitude"), "55");
    }

    // A refused field stops the take-over before anything changes.
    form.Click("defaultOption");
    host.ClearEvents();
    TypeKeys(form, "day", "x");
    form.Click("fwiCalculatorOption");
    EXPECT_EQ(host.Messages(), std::vector<std::string>{"Day: Please enter an integer."});
    EXPECT_EQ(host.FocusedControl(), "day");
    EXPECT_TRUE(form.IsChecked("defaultOption"));
    EXPECT_FALSE(form.IsChecked("fwiCalculatorOption"));
    EXPECT_EQ(form.Text("temperature"), "30");
}

TEST_F(DiurnalFormTest, TakesOverAnFwiCalculation) {
    // The FWI calculator's opening values: 28 degrees, 50 %, 25 km/h, July, FFMC a little
    // below 87.
    FwiCalcForm fwi(shared);
    fwi.Click("calculate");
    ASSERT_LT(shared.fwi->ffmc, 87.0);
    form.Click("fwiCalculatorOption");
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_EQ(form.Text("temperature"), "28");
    EXPECT_EQ(form.Text("relativeHumidity"), "50");
    EXPECT_EQ(form.Text("windSpeed"), "25");
    EXPECT_EQ(form.Text("month"), "7");
    EXPECT_EQ(form.Text("ffmc"), "87");
    EXPECT_TRUE(form.IsChecked("fwiCalculatorOption"));

    // Without typing, CALCULATE keeps the setting shown; after typing it turns both off.
    form.Click("calculate");
    EXPECT_TRUE(form.IsChecked("fwiCalculatorOption"));
    TypeKeys(form, "day", "16");
    form.Click("calculate");
    EXPECT_FALSE(form.IsChecked("fwiCalculatorOption"));
    EXPECT_FALSE(form.IsChecked("defaultOption"));
    form.Click("fwiCalculatorOption");
    form.Click("calculate");
    EXPECT_FALSE(form.IsChecked("fwiCalculatorOption"));  // inputsEdited lasts for the run
}

TEST_F(DiurnalFormTest, FfmcMethodOptions) {
    form.Click("calculate");
    const auto vanWagner = shared.hourly->ffmc;

    form.Click("lawsonOption");
    EXPECT_EQ(host.Messages(), std::vector<std::string>{
                                   "This Lawson FFMC Calculation Mehtod is not implemented yet "});
    EXPECT_TRUE(form.IsChecked("vanWagnerOption"));
    EXPECT_FALSE(form.IsChecked("lawsonOption"));
    EXPECT_TRUE(form.IsChecked("defaultOption"));  // Lawson leaves the setting options alone
    form.Click("calculate");
    EXPECT_EQ(shared.hourly->ffmc, vanWagner);

    form.Click("equilibriumOption");
    EXPECT_EQ(form.Method(), FfmcMethod::Equilibrium);
    EXPECT_FALSE(form.IsChecked("vanWagnerOption"));
    EXPECT_TRUE(form.IsChecked("equilibriumOption"));
    EXPECT_FALSE(form.IsChecked("defaultOption"));
    form.Click("calculate");
    const auto equilibrium = shared.hourly->ffmc;
    EXPECT_NE(equilibrium, vanWagner);
    EXPECT_EQ(equilibrium[0], 0.0);
    for (std::size_t h = 1; h <= 24; ++h) EXPECT_GT(equilibrium[h], 0.0);

    // Equilibrium depends on each hour's temperature and humidity only: new winds and a new
    // noon FFMC leave it alone, while they move the Van Wagner values.
    TypeKeys(form, "windSpeed", "5");
    TypeKeys(form, "maxWind", "60");
    TypeKeys(form, "ffmc", "60");
    form.Click("calculate");
    EXPECT_EQ(shared.hourly->ffmc, equilibrium);
    EXPECT_NE(shared.hourly->windSpeed[14], 0.0);

    // Clicking the chosen option keeps it chosen.
    form.Click("equilibriumOption");
    EXPECT_TRUE(form.IsChecked("equilibriumOption"));
    form.Click("lawsonOption");
    EXPECT_EQ(form.Method(), FfmcMethod::VanWagner);
    EXPECT_FALSE(form.IsChecked("equilibriumOption"));
    form.Click("calculate");
    EXPECT_NE(shared.hourly->ffmc, equilibrium);
    form.Click("vanWagnerOption");
    EXPECT_TRUE(form.IsChecked("vanWagnerOption"));
    EXPECT_EQ(form.Method(), FfmcMethod::VanWagner);
}

// A refused CALCULATE names the first problem, focuses its field and changes nothing.
struct RefusalCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> typed;
    const char* message;
    const char* focus;
};

void PrintTo(const RefusalCase& c, std::ostream* out) { *out << c.name; }

class DiurnalRefusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(DiurnalRefusals, CalculateRefusesAndChangesNothing) {
    const RefusalCase& c = GetParam();
    HandOver values;
    DiurnalForm diurnal(values);
    RecordingHost recorder;
    diurnal.AttachHost(recorder);
    diurnal.Open();
    diurnal.Click("calculate");
    const std::vector<std::string> before = Lines(diurnal);
    const auto ffmcBefore = values.hourly->ffmc;
    values.hourly.Edit().windSpeed[0] = -1;  // marker: a refused CALCULATE publishes nothing
    for (const auto& [id, text] : c.typed) TypeKeys(diurnal, id, text);
    recorder.ClearEvents();
    diurnal.Click("calculate");
    EXPECT_EQ(recorder.Messages(), std::vector<std::string>{c.message});
    EXPECT_EQ(recorder.FocusedControl(), c.focus);
    EXPECT_TRUE(recorder.FocusSelectedText());
    ASSERT_TRUE(values.hourly.has_value());
    EXPECT_EQ(values.hourly->windSpeed[0], -1);
    EXPECT_EQ(values.hourly->ffmc, ffmcBefore);
    EXPECT_EQ(Lines(diurnal), before);
    EXPECT_TRUE(diurnal.IsChecked("defaultOption"));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    DiurnalFormTest, DiurnalRefusals,
    ::testing::Values(
        RefusalCase{"latitude_past_the_sun_model", {{"latitude", "85"}}, DiurnalForm::kPlaceMessage, "latitude"},
        RefusalCase{"latitude_past_the_field", {{"latitude", "95"}}, "Latitude: Please enter a number between 30 and 90.", "latitude"},
        RefusalCase{"stored_fields_come_first", {{"latitude", "85"}, {"month", "13"}},
                    "Month: Please enter an integer between 1 and 12.", "month"},
        RefusalCase{"place_before_temperatures", {{"latitude", "80.5"}, {"minTemperature", "40"}},
                    DiurnalForm::kPlaceMessage, "latitude"},
        RefusalCase{"temperatures", {{"minTemperature", "32.5"}}, DiurnalForm::kTemperatureOrderMessage, "minTemperature"},
        RefusalCase{"temperatures_before_winds", {{"minTemperature", "33"}, {"minWind", "36"}},
                    DiurnalForm::kTemperatureOrderMessage, "minTemperature"},
        RefusalCase{"winds", {{"maxWind", "0.5"}}, DiurnalForm::kWindOrderMessage, "minWind"}),
    [](const ::testing::TestParamInfo<RefusalCase>& row) { return std::string(row.param.name); });
// clang-format on

// Equal minimum and maximum are a flat curve, not a fault.
TEST_F(DiurnalFormTest, EqualMinimumAndMaximumAreAFlatCurve) {
    TypeKeys(form, "minTemperature", "32");
    TypeKeys(form, "minWind", "35");
    form.Click("calculate");
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_TRUE(shared.hourly.has_value());
}

// Inputs at the edges of what the fields accept, under each FFMC method: every line and
// hourly value is a finite, physical number.
struct AcceptedCase {
    std::string name;
    std::vector<std::pair<const char*, const char*>> typed;
    const char* method;
};

void PrintTo(const AcceptedCase& c, std::ostream* out) { *out << c.name; }

std::vector<AcceptedCase> AcceptedCases() {
    const std::vector<AcceptedCase> inputs = {
        // clang-format off
        {"positive_gammas", {{"temperatureGamma", "4.5"}, {"windGamma", "4.5"}}, ""},
        {"polar_night_minimum_and_maximum_at_one_time",
         {{"latitude", "80"}, {"month", "12"}, {"day", "21"}, {"temperatureAlpha", "2"}, {"temperatureBeta", "2"}}, ""},
        {"polar_day", {{"latitude", "80"}, {"month", "6"}, {"temperatureAlpha", "5"}, {"temperatureBeta", "0.1"}}, ""},
        {"dry_and_cold", {{"relativeHumidity", "0"}, {"temperature", "0"}, {"minTemperature", "0"},
                          {"maxTemperature", "0"}, {"ffmc", "0"}}, ""},
        {"hot_wet_and_windy", {{"relativeHumidity", "100"}, {"temperature", "40"}, {"minTemperature", "40"},
                               {"maxTemperature", "40"}, {"windSpeed", "150"}, {"minWind", "150"},
                               {"maxWind", "150"}, {"ffmc", "101"}}, ""},
        {"late_minimum_early_maximum", {{"latitude", "30"}, {"month", "1"}, {"day", "31"},
                                        {"temperatureAlpha", "5"}, {"temperatureBeta", "0.01"},
                                        {"temperatureGamma", "-4.5"}, {"windAlpha", "-2.5"}, {"windBeta", "7.5"},
                                        {"windGamma", "-4.5"}, {"longitude", "170"}}, ""},
        {"zero_parameters", {{"temperatureAlpha", "0"}, {"windBeta", "0"}, {"temperatureGamma", "0"}}, ""},
        // clang-format on
    };
    std::vector<AcceptedCase> cases;
    for (const AcceptedCase& in : inputs) {
        for (const char* method : {"vanWagnerOption", "equilibriumOption"}) {
            cases.push_back({in.name + "_" + method, in.typed, method});
        }
    }
    return cases;
}

class DiurnalAcceptedInputs : public DiurnalFormTest,
                              public ::testing::WithParamInterface<AcceptedCase> {};

TEST_P(DiurnalAcceptedInputs, GiveFiniteLines) {
    const AcceptedCase& c = GetParam();
    form.Click("defaultOption");
    form.Click(c.method);
    for (const auto& [id, text] : c.typed) TypeKeys(form, id, text);
    host.ClearEvents();
    form.Click("calculate");
    ASSERT_TRUE(host.Messages().empty()) << host.Messages()[0];
    for (const std::string& line : Lines(form)) {
        EXPECT_EQ(line.find("nan"), std::string::npos) << line;
        EXPECT_EQ(line.find("inf"), std::string::npos) << line;
        EXPECT_EQ(line.find("---"), std::string::npos) << line;
        const std::vector<std::string> words = Words(line);
        const std::size_t base = words[1] == "am" ? 2 : 1;
        const double rh = std::stod(words[base + 1]);
        EXPECT_TRUE(rh >= 0.0 && rh <= 100.0) << line;
        EXPECT_GE(std::stod(words[base]), 0.0) << line;
    }
    for (std::size_t h = 1; h <= 24; ++h) {
        EXPECT_TRUE(std::isfinite(shared.hourly->ffmc[h])) << h;
        EXPECT_TRUE(std::isfinite(shared.hourly->windSpeed[h]) &&
                    shared.hourly->windSpeed[h] >= 0.0)
            << h;
        EXPECT_LE(shared.hourly->windSpeed[h], 300.0) << h;
    }
}

INSTANTIATE_TEST_SUITE_P(DiurnalFormTest, DiurnalAcceptedInputs,
                         ::testing::ValuesIn(AcceptedCases()),
                         [](const ::testing::TestParamInfo<AcceptedCase>& row) {
                             return row.param.name;
                         });

TEST_F(DiurnalFormTest, TypingStopsAtTheFirstRefusalAndClosing) {
    // Latitude is stored before day: while latitude is refused, a typed day is not stored.
    TypeKeys(form, "latitude", "95");
    TypeKeys(form, "day", "20");
    EXPECT_EQ(host.WarningFor("latitude"), "Please enter a number between 30 and 90.");
    EXPECT_EQ(form.Text("day"), "20");

    host.ClearEvents();
    form.Click("exit");
    EXPECT_FALSE(host.Closed());
    EXPECT_EQ(host.Messages(),
              std::vector<std::string>{"Latitude: Please enter a number between 30 and 90."});
    EXPECT_EQ(host.FocusedControl(), "latitude");

    form.Click("cancel");
    EXPECT_TRUE(host.Closed());
    EXPECT_FALSE(host.Accepted());
    form.Open();
    EXPECT_EQ(form.Text("latitude"), "55");  // the refused 95 never became the held value
    EXPECT_EQ(form.Text("day"), "15");       // never reached

    host.ClearEvents();
    TypeKeys(form, "latitude", "60");
    TypeKeys(form, "day", "20");
    form.Click("exit");
    EXPECT_TRUE(host.Closed());
    EXPECT_TRUE(host.Accepted());
    EXPECT_TRUE(host.Messages().empty());
    form.Open();
    EXPECT_EQ(form.Text("day"), "20");
}

}  // namespace
}  // namespace emberlin::forms
