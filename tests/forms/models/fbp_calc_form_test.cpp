#include "forms/models/fbp_calc_form.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "fbp/fbp_engine.h"
#include "forms/content/fire_description.h"
#include "forms/fields/calculator_defaults.h"
#include "forms/kit/recording_host.h"

namespace emberlin::forms {
namespace {

const std::array<const char*, 17> kOutputs = {
    "rosText",  "hfiText",  "sfcText", "tfcText", "cfbText",  "fdText",
    "frosText", "brosText", "ffiText", "bfiText", "areaText", "perimeterText",
    "pgrText",  "lbText",   "hsdText", "fsdText", "bsdText"};

// Every input in storing order, with its text on the first display.
struct InputText {
    const char* id;
    const char* text;
};
const std::array<InputText, 16> kInputsInStoringOrder = {{
    {"bui", "40"},
    {"day", "15"},
    {"ffmc", "87"},
    {"latitude", "55"},
    {"longitude", "-110"},
    {"month", "7"},
    {"slope", "0"},
    {"elapsedTime", "15"},
    {"windSpeed", "25"},
    {"elevation", "0"},
    {"df", "50"},
    {"gc", "85"},
    {"pc", "50"},
    {"aspect", "0"},
    {"windDirection", "0"},
    {"gfl", "0.3"},
}};

std::map<std::string, std::string> OutputTexts(const FbpCalcForm& form) {
    std::map<std::string, std::string> texts;
    for (const char* id : kOutputs) texts[id] = form.Text(id);
    return texts;
}

double Number(const FbpCalcForm& form, const char* id) {
    const std::optional<double> value = ParseDouble(form.Text(id));
    EXPECT_TRUE(value.has_value()) << id << " shows \"" << form.Text(id) << "\"";
    return value.value_or(NAN);
}

std::vector<std::string> CheckedFuelBoxes(const FbpCalcForm& form) {
    std::vector<std::string> on;
    for (int i = 0; i < kFuelCount; ++i) {
        if (form.IsChecked(FuelBoxId(i))) on.push_back(FuelBoxId(i));
    }
    return on;
}

bool AnyEvent(const RecordingHost& host, HostEvent::Kind kind) {
    for (const HostEvent& e : host.Events()) {
        if (e.kind == kind) return true;
    }
    return false;
}

class FbpCalcFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form.AttachHost(host);
        form.Open();
    }
    HandOver shared;
    FbpCalcForm form{shared};
    RecordingHost host;
};

TEST_F(FbpCalcFormTest, FirstDisplayCalculatesToItsOwnTextsAndPublishesTheInputs) {
    for (const InputText& in : kInputsInStoringOrder) EXPECT_EQ(form.Text(in.id), in.text) << in.id;
    EXPECT_EQ(CheckedFuelBoxes(form), std::vector<std::string>{"fuelC2"});
    EXPECT_TRUE(form.IsChecked("pointIgnition"));
    EXPECT_FALSE(form.IsChecked("lineIgnition"));
    const std::map<std::string, std::string> initial = {
        {"rosText", "11.09"}, {"hfiText", "6824"},  {"sfcText", "1.84"},
        {"tfcText", "2.50"},  {"cfbText", "0.82"},  {"fdText", "Intermittent Crown Fire"},
        {"frosText", "1.78"}, {"brosText", "0.31"}, {"ffiText", "809"},
        {"bfiText", "139"},   {"areaText", "0.16"}, {"perimeterText", "179.77"},
        {"pgrText", "25.10"}, {"lbText", "3.20"},   {"hsdText", "79.42"},
        {"fsdText", "12.75"}, {"bsdText", "2.19"}};
    EXPECT_EQ(OutputTexts(form), initial);
    EXPECT_FALSE(shared.fbp.has_value());  // showing the initial texts publishes nothing

    form.Click("calculate");
    EXPECT_EQ(OutputTexts(form), initial);
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_TRUE(shared.fbp.has_value());
    for (const InputText& in : kInputsInStoringOrder) EXPECT_EQ(form.Text(in.id), in.text) << in.id;

    struct Published {
        const char* name;
        double value;
        double expected;
    };
    for (Published p : {Published{"fbpFuelTypeIndex", double(shared.fbp->fuelIndex), 1},
                        {"fbpIgnitionType", double(shared.fbp->ignition), 1},
                        {"fbpFfmc", shared.fbp->ffmc, 87},
                        {"fbpBui", shared.fbp->site.bui, 40},
                        {"fbpWindSpeed", shared.fbp->windSpeed, 25},
                        {"fbpWindDirection", shared.fbp->site.windDirection, 0},
                        {"fbpSlope", shared.fbp->site.slope, 0},
                        {"fbpAspect", shared.fbp->site.aspect, 0},
                        {"fbpPc", double(shared.fbp->site.pc), 50},
                        {"fbpPdf", double(shared.fbp->site.pdf), 50},
                        {"fbpGc", double(shared.fbp->site.gc), 85},
                        {"fbpGfl", shared.fbp->site.gfl, 0.3},
                        {"fbpElapsedTime", double(shared.fbp->elapsedTime), 15},
                        {"fbpLatitude", shared.fbp->site.latitude, 55},
                        {"fbpLongitude", shared.fbp->site.longitude, -110},
                        {"fbpElevation", double(shared.fbp->site.elevation), 0},
                        {"fbpMonth", double(shared.fbp->month), 7},
                        {"fbpDay", double(shared.fbp->day), 15}}) {
        EXPECT_EQ(p.value, p.expected) << p.name;
    }
    EXPECT_EQ(form.LastInputs().julianDay, 196);
}

// The fire the shape panel draws is that of the results on screen: an edit or an opened
// scenario (another fuel and slope) leaves it, marked stale, until a Calculate.
TEST_F(FbpCalcFormTest, ShownFireIsThatOfTheResultsOnScreen) {
    const FbpInputs first = form.ShownFire();
    EXPECT_EQ(first.fuelType, "C2");
    EXPECT_EQ(first.julianDay, 196);
    const struct {
        const char* name;
        std::function<void()> change;
        const char* fuel;
        double slope;
    } changes[] = {
        {"typed slope", [&] { TypeKeys(form, "slope", "40"); }, "C2", 40},
        {"opened scenario",
         [&] {
             form.Restore({{"slope", 25}}, {{"fuelType", static_cast<std::size_t>(kC3)}});
         },
         "C3", 25},
    };
    for (const auto& c : changes) {
        const FbpInputs before = form.ShownFire();
        const unsigned count = form.ResultsCount();
        c.change();
        EXPECT_TRUE(form.ResultsStale()) << c.name;
        EXPECT_EQ(form.ResultsCount(), count) << c.name;
        EXPECT_EQ(form.ShownFire().fuelType, before.fuelType) << c.name;
        EXPECT_EQ(form.ShownFire().slope, before.slope) << c.name;
        form.Click("calculate");
        EXPECT_FALSE(form.ResultsStale()) << c.name;
        EXPECT_EQ(form.ResultsCount(), count + 1) << c.name;
        EXPECT_EQ(form.ShownFire().fuelType, c.fuel) << c.name;
        EXPECT_EQ(form.ShownFire().slope, c.slope) << c.name;
    }
}

// The record the engine tests and benchmarks start from is the one the calculator's first
// display sends, field by field, with the values its comment names.
TEST_F(FbpCalcFormTest, CalculatorDefaultsAreTheFirstDisplaysRecord) {
    form.Click("calculate");
    const FbpInputs& sent = form.LastInputs();
    const FbpInputs defaults = CalculatorDefaults("C2");
    struct Field {
        const char* name;
        double sent;
        double defaults;
        double expected;
    };
    const auto d = [](int v) { return static_cast<double>(v); };
    for (const Field& f : {
             Field{"ignition", d(int(sent.ignition)), d(int(defaults.ignition)), 1},
             {"elapsedTime", sent.elapsedTime, defaults.elapsedTime, 15},
             {"ffmc", sent.ffmc, defaults.ffmc, 87},
             {"bui", sent.bui, defaults.bui, 40},
             {"windSpeed", sent.windSpeed, defaults.windSpeed, 25},
             {"windDirection", sent.windDirection, defaults.windDirection, 0},
             {"slope", sent.slope, defaults.slope, 0},
             {"aspect", sent.aspect, defaults.aspect, 0},
             {"pc", sent.pc, defaults.pc, 50},
             {"pdf", sent.pdf, defaults.pdf, 50},
             {"gc", sent.gc, defaults.gc, 85},
             {"gfl", sent.gfl, defaults.gfl, 0.3},
             {"julianDay", d(sent.julianDay), d(defaults.julianDay), 196},
             {"minFmcDay", d(sent.minFmcDay), d(defaults.minFmcDay), 0},
             {"latitude", sent.latitude, defaults.latitude, 55},
             {"longitude", sent.longitude, defaults.longitude, -110},
             {"elevation", d(sent.elevation), d(defaults.elevation), 0},
             {"buiEffect", d(int(sent.buiEffect)), d(int(defaults.buiEffect)), 1},
             {"fmc", sent.fmc, defaults.fmc, 0},
             {"theta", sent.theta, defaults.theta, 0},
         }) {
        EXPECT_EQ(f.defaults, f.sent) << f.name;
        EXPECT_EQ(f.defaults, f.expected) << f.name;
    }
    EXPECT_EQ(sent.fuelType, "C2");
    EXPECT_EQ(defaults.fuelType, "C2");
    EXPECT_EQ(CalculatorDefaults("o1b").fuelType, "o1b");  // any text, as the engine reads it
}

// Each case drives the form as a user does from the first display, then reads the screen.
struct Scenario {
    const char* name;
    std::function<void(FbpCalcForm&)> act;
    std::map<std::string, std::string> texts;                // exact
    std::map<std::string, std::pair<double, double>> about;  // value, tolerance
    int julianDay = 196;  // the day of the year sent to the engine
};

TEST(FbpCalcFormScenarios, ShowTheTextsOfTheirConditions) {
    const std::vector<Scenario> scenarios = {
        {"line ignition",
         [](FbpCalcForm& f) { f.Click("lineIgnition"); },
         {{"rosText", "11.09"},
          {"pgrText", "25.10"},
          {"cfbText", "0.88"},
          {"fdText", "Intermittent Crown Fire"},
          {"ffiText", "986"},
          {"bfiText", "169"},
          {"bsdText", "4.58"},
          {"areaText", "0.72"}},
         {{"hfiText", {8480, 15}},
          {"hsdText", {166.35, 0.1}},
          {"fsdText", {26.7, 0.05}},
          {"perimeterText", {377, 1}}}},
        {"O1a with GC 50",
         [](FbpCalcForm& f) {
             TypeKeys(f, "gc", "50");
             f.Click("fuelO1a");
         },
         {{"rosText", "0.00"},
          {"hfiText", "0"},
          {"sfcText", "0.30"},
          {"tfcText", "0.30"},
          {"cfbText", "0.00"},
          {"fdText", "Surface Fire"},
          {"lbText", "0.00"}},
         {}},
        {"C6",
         [](FbpCalcForm& f) { f.Click("fuelC6"); },
         {{"rosText", "4.39"}, {"cfbText", "0.00"}, {"fdText", "Surface Fire"}},
         {}},
        {"slope 30 upslope with the wind",
         [](FbpCalcForm& f) {
             TypeKeys(f, "slope", "30");
             f.Click("calculate");
         },
         {{"cfbText", "0.98"}, {"fdText", "Crown Fire"}, {"lbText", "4.64"}},
         {{"rosText", {22.9, 0.05}}}},
        {"February 29",
         [](FbpCalcForm& f) {
             TypeKeys(f, "month", "2");
             TypeKeys(f, "day", "29");
             f.Click("calculate");
         },
         {{"rosText", "11.09"}},
         {},
         31 + 29},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        HandOver shared;
        FbpCalcForm form(shared);
        RecordingHost host;
        form.AttachHost(host);
        form.Open();
        s.act(form);
        EXPECT_TRUE(host.Messages().empty());
        EXPECT_TRUE(host.Warnings().empty());
        EXPECT_TRUE(shared.fbp.has_value());
        EXPECT_EQ(form.LastInputs().julianDay, s.julianDay);
        for (const auto& [id, text] : s.texts) EXPECT_EQ(form.Text(id), text) << id;
        for (const auto& [id, about] : s.about) {
            EXPECT_NEAR(Number(form, id.c_str()), about.first, about.second) << id;
        }
    }
}

TEST_F(FbpCalcFormTest, LineIgnitionSpreadsAtTheEquilibriumRatesForTheWholeTime) {
    form.Click("lineIgnition");
    EXPECT_EQ(form.Ignition(), IgnitionType::Line);
    EXPECT_EQ(shared.fbp->ignition, IgnitionType::Line);
    EXPECT_NEAR(Number(form, "hsdText"), Number(form, "rosText") * 15, 0.08);
    EXPECT_NEAR(Number(form, "fsdText"), Number(form, "frosText") * 15, 0.08);
    EXPECT_NEAR(Number(form, "bsdText"), Number(form, "brosText") * 15, 0.08);
    form.Click("lineIgnition");  // clicking the box that is on keeps it on
    EXPECT_TRUE(form.IsChecked("lineIgnition"));
    EXPECT_FALSE(form.IsChecked("pointIgnition"));
    form.Click("pointIgnition");
    EXPECT_FALSE(form.IsChecked("lineIgnition"));
    EXPECT_EQ(form.Text("hsdText"), "79.42");
    EXPECT_EQ(shared.fbp->ignition, IgnitionType::Point);
}

TEST_F(FbpCalcFormTest, EveryFuelBoxSelectsItsFuelAndCalculates) {
    // The default conditions in each fuel type, to three significant digits.
    struct Row {
        const char* code;
        double ros, cfb, hfi;
    };
    const Row rows[] = {
        {"C1", 2.89, 0.168, 888},   {"C2", 11.09, 0.82, 6824}, {"C3", 4.29, 0, 1030},
        {"C4", 12.3, 0.683, 5450},  {"C5", 1.68, 0, 284},      {"C6", 4.39, 0, 743},
        {"C7", 2.66, 0, 1630},      {"D1", 2.44, 0, 468},      {"D2", 0, 0, 0},
        {"M1", 7.31, 0, 2360},      {"M2", 6.42, 0, 2080},     {"M3", 14.0, 0.778, 8520},
        {"M4", 6.42, 0.0665, 3000}, {"S1", 12.8, 0, 17400},    {"S2", 5.88, 0, 13800},
        {"S3", 9.41, 0, 39900},     {"O1a", 20.2, 0, 1490},    {"O1b", 21.5, 0, 1590},
    };
    ASSERT_EQ(std::size(rows), std::size_t(kFuelCount));
    for (int i = 0; i < kFuelCount; ++i) {
        const Row& row = rows[i];
        SCOPED_TRACE(row.code);
        form.Click(FuelBoxId(i));
        EXPECT_EQ(CheckedFuelBoxes(form), std::vector<std::string>{FuelBoxId(i)});
        EXPECT_EQ(form.GetControl(FuelBoxId(i)).label.substr(0, 3).find(row.code), 0u);
        EXPECT_EQ(form.FuelIndex(), i);
        EXPECT_EQ(shared.fbp->fuelIndex, i);
        EXPECT_EQ(form.LastInputs().fuelType, row.code);
        EXPECT_NEAR(Number(form, "rosText"), row.ros, std::max(0.006, row.ros * 0.005));
        EXPECT_NEAR(Number(form, "cfbText"), row.cfb, 0.006);
        EXPECT_NEAR(Number(form, "hfiText"), row.hfi, 1 + row.hfi * 0.005);
        EXPECT_EQ(form.Text("fdText"), FireDescription(row.cfb));
    }
    // The box that is on stays on when clicked again.
    form.Click("fuelO1b");
    EXPECT_EQ(CheckedFuelBoxes(form), std::vector<std::string>{"fuelO1b"});
    EXPECT_TRUE(host.Messages().empty());
}

TEST(FbpFireDescription, WordsEachClassFromItsLowerBound) {
    const std::pair<double, const char*> cases[] = {{0, "Surface Fire"},
                                                    {0.0999, "Surface Fire"},
                                                    {0.1, "Intermittent Crown Fire"},
                                                    {0.8999, "Intermittent Crown Fire"},
                                                    {0.9, "Crown Fire"},
                                                    {1, "Crown Fire"}};
    for (const auto& [cfb, words] : cases) EXPECT_EQ(FireDescription(cfb), words) << cfb;
}

TEST_F(FbpCalcFormTest, TypingOnlyStoresAndWarnsBesideTheField) {
    const auto before = OutputTexts(form);
    struct Typed {
        const char* id;
        const char* keys;
        std::vector<std::string> warnings;  // the warning after each key ("" = none)
    };
    const Typed cases[] = {
        {"latitude", "55", {"Please enter a number between 30 and 90.", ""}},
        {"longitude",
         "-200",
         {"Please enter a number.", "", "", "Please enter a number between -170 and 170."}},
        {"month", "13", {"", "Please enter an integer between 1 and 12."}},
        {"gfl", "0.", {"", ""}},
        {"elapsedTime", "1.", {"", "Please enter an integer."}},
    };
    for (const Typed& t : cases) {
        const std::string keys = t.keys;
        for (std::size_t n = 1; n <= keys.size(); ++n) {
            form.TypeText(t.id, keys.substr(0, n));
            EXPECT_EQ(form.Text(t.id), keys.substr(0, n)) << t.id;
            EXPECT_EQ(host.WarningFor(t.id), t.warnings[n - 1]) << t.id << " after " << n;
        }
        // Put the field right again for the next case.
        for (const InputText& in : kInputsInStoringOrder) {
            if (std::string(in.id) == t.id) TypeKeys(form, t.id, in.text);
        }
        EXPECT_EQ(host.WarningFor(t.id), "") << t.id;
    }
    // An emptied box stays empty while it warns.
    form.TypeText("ffmc", "");
    EXPECT_EQ(form.Text("ffmc"), "");
    EXPECT_EQ(host.WarningFor("ffmc"), "Please enter a number.");

    EXPECT_FALSE(AnyEvent(host, HostEvent::Kind::Message));
    EXPECT_FALSE(AnyEvent(host, HostEvent::Kind::Focus));
    EXPECT_EQ(OutputTexts(form), before);
    EXPECT_FALSE(shared.fbp.has_value());
}

TEST(FbpCalcFormRefusals, NothingIsComputedOrPublishedButTheBoxChoiceHolds) {
    struct Case {
        const char* field;
        const char* text;
        const char* message;
        const char* click;
    };
    const Case cases[] = {
        {"month", "13", "Please enter an integer between 1 and 12.", "calculate"},
        {"latitude", "1e10", "Please enter a number between 30 and 90.", "fuelC6"},
        {"gfl", "1e6", "Please enter a number between 0 and 5.", "lineIgnition"},
        {"longitude", "-200", "Please enter a number between -170 and 170.", "fuelO1a"},
        {"day", "abc", "Please enter an integer.", "pointIgnition"},
        {"elapsedTime", "12.5", "Please enter an integer.", "calculate"},
        {"bui", "", "Please enter a number.", "fuelM3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.click);
        HandOver shared;
        FbpCalcForm form(shared);
        RecordingHost host;
        form.AttachHost(host);
        form.Open();
        form.Click("lineIgnition");  // start from line so that "pointIgnition" changes something
        shared.fbp.reset();          // a refused calculation publishes nothing
        const auto before = OutputTexts(form);

        TypeKeys(form, c.field, c.text);
        host.ClearEvents();
        form.Click(c.click);
        // The modal box names the field by its label.
        EXPECT_EQ(host.Messages(),
                  std::vector<std::string>{FieldName(form.GetControl(c.field)) + ": " + c.message});
        EXPECT_EQ(host.FocusedControl(), c.field);
        EXPECT_TRUE(host.FocusSelectedText());
        EXPECT_EQ(form.Text(c.field), c.text);
        EXPECT_EQ(OutputTexts(form), before);
        EXPECT_FALSE(shared.fbp.has_value());

        const std::string click = c.click;
        if (click.rfind("fuel", 0) == 0) {
            EXPECT_EQ(CheckedFuelBoxes(form), std::vector<std::string>{click});
            EXPECT_EQ(FuelBoxId(form.FuelIndex()), click);
        }
        if (click.find("Ignition") != std::string::npos) {
            EXPECT_TRUE(form.IsChecked(click));
            EXPECT_EQ(form.Ignition(),
                      click == "lineIgnition" ? IgnitionType::Line : IgnitionType::Point);
        }
        // Reopening keeps the choice made while a field was refused.
        form.Open();
        if (click.rfind("fuel", 0) == 0) {
            EXPECT_EQ(CheckedFuelBoxes(form), std::vector<std::string>{click});
        }
        if (click.find("Ignition") != std::string::npos) {
            EXPECT_TRUE(form.IsChecked(click));
        }
        // An out-of-range number is held, so the field is still refused until put right.
        for (const InputText& in : kInputsInStoringOrder) {
            if (std::string(in.id) == c.field) TypeKeys(form, c.field, in.text);
        }
        form.Click("calculate");
        EXPECT_TRUE(shared.fbp.has_value());
        EXPECT_EQ(shared.fbp->fuelIndex, form.FuelIndex());
        EXPECT_EQ(shared.fbp->ignition, form.Ignition());
    }
}

TEST_F(FbpCalcFormTest, FieldsAreStoredInTheirOrderAndOkClosesOnlyWhenAllAreValid) {
    for (const InputText& in : kInputsInStoringOrder) TypeKeys(form, in.id, "x");
    for (const InputText& in : kInputsInStoringOrder) {
        host.ClearEvents();
        form.Click("ok");
        EXPECT_FALSE(host.Closed()) << in.id;
        EXPECT_EQ(host.FocusedControl(), in.id);
        TypeKeys(form, in.id, in.text);
    }
    host.ClearEvents();
    form.Click("ok");
    EXPECT_TRUE(host.Closed());
    EXPECT_TRUE(host.Accepted());
    EXPECT_FALSE(shared.fbp.has_value());  // OK does not calculate
}

TEST_F(FbpCalcFormTest, ClosingKeepsTheStoredValuesAndTheAcronymsPanelChangesNothing) {
    const auto before = OutputTexts(form);
    TypeKeys(form, "windSpeed", "40");
    form.Click("ok");
    EXPECT_TRUE(host.Closed());
    EXPECT_EQ(OutputTexts(form), before);

    host.ClearEvents();
    TypeKeys(form, "bui", "abc");
    form.Click("cancel");
    EXPECT_TRUE(host.Closed());
    EXPECT_FALSE(host.Accepted());
    EXPECT_TRUE(host.Messages().empty());
    form.Open();
    EXPECT_EQ(form.Text("windSpeed"), "40");
    EXPECT_EQ(form.Text("bui"), "40");  // "abc" was never a number: the held value shows

    TypeKeys(form, "gfl", "0.");
    form.Click("acronyms");
    EXPECT_EQ(host.Panels(), std::vector<std::string>{FbpCalcForm::kAcronymsPanel});
    EXPECT_EQ(form.Text("gfl"), "0.");
    EXPECT_EQ(OutputTexts(form), before);
    EXPECT_FALSE(shared.fbp.has_value());
}

TEST_F(FbpCalcFormTest, EveryInputReachesItsSharedValueAndTheEngineRecord) {
    // Distinct values everywhere, so that a crossed wire shows.
    const InputText typed[] = {
        {"bui", "61.5"},
        {"day", "3"},
        {"ffmc", "91.25"},
        {"latitude", "48.5"},
        {"longitude", "-120.25"},
        {"month", "5"},
        {"slope", "12.5"},
        {"elapsedTime", "45"},
        {"windSpeed", "17.5"},
        {"elevation", "850"},
        {"df", "35"},
        {"gc", "70"},
        {"pc", "60"},
        {"aspect", "135"},
        {"windDirection", "225"},
        {"gfl", "0.45"},
    };
    for (const InputText& in : typed) TypeKeys(form, in.id, in.text);
    form.Click("fuelM3");
    form.Click("lineIgnition");
    ASSERT_TRUE(host.Messages().empty());
    for (const InputText& in : typed) EXPECT_EQ(form.Text(in.id), in.text) << in.id;

    const FbpInputs& in = form.LastInputs();
    struct Pair {
        const char* name;
        double published, sent, expected;
    };
    const Pair pairs[] = {
        {"ffmc", shared.fbp->ffmc, in.ffmc, 91.25},
        {"bui", shared.fbp->site.bui, in.bui, 61.5},
        {"windSpeed", shared.fbp->windSpeed, in.windSpeed, 17.5},
        {"windDirection", shared.fbp->site.windDirection, in.windDirection, 225},
        {"slope", shared.fbp->site.slope, in.slope, 12.5},
        {"aspect", shared.fbp->site.aspect, in.aspect, 135},
        {"pc", double(shared.fbp->site.pc), in.pc, 60},
        {"pdf", double(shared.fbp->site.pdf), in.pdf, 35},
        {"gc", double(shared.fbp->site.gc), in.gc, 70},
        {"gfl", shared.fbp->site.gfl, in.gfl, 0.45},
        {"elapsedTime", double(shared.fbp->elapsedTime), in.elapsedTime, 45},
        {"latitude", shared.fbp->site.latitude, in.latitude, 48.5},
        {"longitude", shared.fbp->site.longitude, in.longitude, -120.25},
        {"elevation", double(shared.fbp->site.elevation), double(in.elevation), 850},
        {"ignition", double(shared.fbp->ignition), double(in.ignition), 0},
    };
    for (const Pair& p : pairs) {
        EXPECT_EQ(p.published, p.expected) << p.name;
        EXPECT_EQ(p.sent, p.expected) << p.name;
    }
    EXPECT_EQ(shared.fbp->fuelIndex, kM3);
    EXPECT_EQ(shared.fbp->month, 5);
    EXPECT_EQ(shared.fbp->day, 3);
    EXPECT_EQ(in.fuelType, "M3");
    EXPECT_EQ(in.julianDay, 120 + 3);
    EXPECT_EQ(in.minFmcDay, 0);
    EXPECT_EQ(in.buiEffect, BuiSwitch::On);
    EXPECT_EQ(in.fmc, 0);
    EXPECT_EQ(in.theta, 0);

    // The texts are the engine's outputs for exactly that record.
    FbpOutputs out;
    ASSERT_EQ(ComputeFbp(in, out), FbpResult::Computed);
    EXPECT_EQ(form.Text("rosText"), FormatFixed(out.ros, 3, 2));
    EXPECT_EQ(form.Text("hsdText"), FormatFixed(out.hsd, 3, 2));
}

// Every input at an end of its range (or the weather at its top with the smallest fuel and
// time values), under each ignition: every fuel box shows plain numbers, never negative.
struct Extreme {
    std::string name;
    std::vector<InputText> inputs;
    const char* ignition;
};

void PrintTo(const Extreme& e, std::ostream* out) { *out << e.name; }

std::vector<Extreme> Extremes() {
    const std::pair<const char*, std::vector<InputText>> corners[] = {
        {"all_lowest",
         {{"ffmc", "0"},
          {"bui", "0"},
          {"windSpeed", "0"},
          {"slope", "0"},
          {"elapsedTime", "0"},
          {"gc", "0"},
          {"gfl", "0"},
          {"pc", "0"},
          {"df", "0"},
          {"month", "1"},
          {"day", "1"},
          {"latitude", "30"},
          {"longitude", "-170"},
          {"elevation", "0"},
          {"aspect", "0"},
          {"windDirection", "0"}}},
        {"all_highest",
         {{"ffmc", "101"},
          {"bui", "650"},
          {"windSpeed", "150"},
          {"slope", "100"},
          {"elapsedTime", "300"},
          {"gc", "100"},
          {"gfl", "5"},
          {"pc", "100"},
          {"df", "100"},
          {"month", "12"},
          {"day", "31"},
          {"latitude", "90"},
          {"longitude", "170"},
          {"elevation", "3000"},
          {"aspect", "360"},
          {"windDirection", "360"}}},
        {"dry_and_windy_with_small_loads",
         {{"ffmc", "101"},
          {"bui", "650"},
          {"windSpeed", "150"},
          {"slope", "100"},
          {"elapsedTime", "1"},
          {"gc", "1"},
          {"gfl", "0.01"},
          {"pc", "1"},
          {"df", "1"},
          {"month", "6"},
          {"day", "20"},
          {"latitude", "30"},
          {"longitude", "0"},
          {"elevation", "1"},
          {"aspect", "180"},
          {"windDirection", "180"}}},
    };
    std::vector<Extreme> extremes;
    for (const auto& [name, inputs] : corners) {
        for (const char* ignition : {"pointIgnition", "lineIgnition"}) {
            extremes.push_back({std::string(name) + "_" + ignition, inputs, ignition});
        }
    }
    return extremes;
}

class FbpCalcFormExtremes : public ::testing::TestWithParam<Extreme> {};

TEST_P(FbpCalcFormExtremes, EveryFuelShowsPlainNumbers) {
    const Extreme& e = GetParam();
    HandOver shared;
    FbpCalcForm form(shared);
    RecordingHost host;
    form.AttachHost(host);
    form.Open();
    for (const InputText& in : e.inputs) TypeKeys(form, in.id, in.text);
    form.Click(e.ignition);
    for (int i = 0; i < kFuelCount; ++i) {
        form.Click(FuelBoxId(i));
        for (const char* id : kOutputs) {
            if (std::string(id) == "fdText") continue;  // the fire description is words
            const std::string& text = form.Text(id);
            SCOPED_TRACE(FuelBoxId(i) + " " + id + " \"" + text + "\"");
            const std::optional<double> value = ParseDouble(text);
            EXPECT_TRUE(value.has_value());
            EXPECT_GE(value.value_or(0), 0);
            EXPECT_EQ(text.find('-'), std::string::npos);
        }
    }
    EXPECT_TRUE(host.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(RangeEnds, FbpCalcFormExtremes, ::testing::ValuesIn(Extremes()),
                         [](const ::testing::TestParamInfo<Extreme>& row) {
                             return row.param.name;
                         });

}  // namespace
}  // namespace emberlin::forms
