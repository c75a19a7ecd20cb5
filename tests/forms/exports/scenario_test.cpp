#include "forms/exports/scenario.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "forms/models/detection_form.h"
#include "forms/models/diurnal_form.h"
#include "forms/models/fbp_calc_form.h"
#include "forms/models/fire_by_hour_form.h"
#include "forms/models/fuel_projection_form.h"
#include "forms/models/fwi_calc_form.h"
#include "forms/models/hourly_fwi_form.h"

namespace emberlin::forms {
namespace {

// Every form a scenario holds, as the program owns them for a run.
struct FormsOfARun {
    HandOver shared;
    FwiCalcForm fwi{shared};
    FbpCalcForm fbp{shared};
    DiurnalForm diurnal{shared};
    DetectionForm detection{shared};
    FuelProjectionForm projection{shared};
    FireByHourForm byHour{shared};
    HourlyFwiForm hourly{shared};
    std::vector<ScenarioWindow> windows =
        ScenarioWindows({fwi, fbp, diurnal, detection, projection, byHour, &hourly});

    // Every input's text and every box's state, window by window.
    std::string Screen() const {
        std::string screen;
        for (const ScenarioWindow& window : windows) {
            for (const Control* c : window.form->Controls()) {
                if (c->kind == ControlKind::Button) continue;
                screen += window.key + "." + c->id + "=" + c->text + (c->checked ? "*" : "") + "\n";
            }
        }
        return screen;
    }
};

// A value inside the field's range that no other field of the run is given, with a fraction
// where the field takes one (so that the round trip must keep every digit).
std::string DistinctValue(const Control& field, int serial) {
    const double span = field.maxValue - field.minValue;
    // Falling with the serial, so that a pair checked for order (thresholds, start hour and
    // duration) stays in order, and within (0.02, 0.98] however many fields a run holds.
    const double fraction = 0.98 - 0.96 * serial / (serial + 40.0);
    if (field.kind == ControlKind::IntField || field.wholeNumber) {
        return FormatInt(static_cast<int>(field.minValue + span * fraction));
    }
    return FormatGeneral(field.minValue + span * fraction + 1.0 / 3.0 * 1e-6);
}

TEST(ScenarioTest, EveryInputAndChoiceComesBackExactly) {
    FormsOfARun saved;
    int serial = 0;
    for (const ScenarioWindow& window : saved.windows) {
        for (const Control* field : window.form->InputFields()) {
            window.form->TypeText(field->id, DistinctValue(*field, serial++));
            ASSERT_FALSE(window.form->TypingWarning())
                << window.key << " " << field->id << ": " << window.form->TypingWarning()->message;
        }
    }
    // Choices away from the first display in every group.
    saved.fwi.Click("realOption");
    saved.fbp.Click(FuelBoxId(kD1));
    saved.fbp.Click("lineIgnition");
    saved.diurnal.Click("equilibriumOption");
    saved.detection.Click(FuelBoxId(kO1b));
    saved.detection.Click("lineIgnition");
    saved.projection.Click("lineIgnition");
    saved.byHour.Click(FuelBoxId(kS2));
    const std::string text = WriteScenario(saved.windows);
    EXPECT_NE(text.find("\"format\": \"emberlin-scenario\""), std::string::npos);
    EXPECT_NE(text.find("\"version\": 2"), std::string::npos);

    FormsOfARun opened;
    const std::string firstDisplay = opened.Screen();
    ASSERT_EQ(ReadScenario(text, opened.windows), std::nullopt);
    for (std::size_t w = 0; w < saved.windows.size(); ++w) {
        const FormModel& from = *saved.windows[w].form;
        const FormModel& to = *opened.windows[w].form;
        for (const Control* field : from.InputFields()) {
            EXPECT_EQ(to.Text(field->id), field->text) << saved.windows[w].key << " " << field->id;
        }
        for (const OptionGroup& group : from.OptionGroups()) {
            EXPECT_EQ(to.ChosenOption(group), from.ChosenOption(group))
                << saved.windows[w].key << " " << group.name;
        }
    }
    EXPECT_NE(opened.Screen(), firstDisplay);
    EXPECT_EQ(opened.fbp.FuelIndex(), kD1);
    EXPECT_EQ(opened.fbp.Ignition(), IgnitionType::Line);
    EXPECT_EQ(opened.fwi.Format(), OutputFormat::Real);
    EXPECT_EQ(opened.diurnal.Method(), FfmcMethod::Equilibrium);
    EXPECT_EQ(opened.detection.SelectedFuelType(), kO1b);
    EXPECT_EQ(opened.projection.Ignition(), IgnitionType::Line);
    EXPECT_EQ(opened.byHour.SelectedFuelType(), kS2);
    // The FBP calculator's first display belongs to its initial values: after opening it is
    // marked as not yet calculated for the scenario's, as it was not before.
    EXPECT_FALSE(FormsOfARun().fbp.ResultsStale());
    EXPECT_TRUE(opened.fbp.ResultsStale());
    // Full precision: the held doubles, not only their screen texts, are the same.
    EXPECT_EQ(WriteScenario(opened.windows), text);
}

std::string Valid();
std::string Replaced(std::string text, const std::string& from, const std::string& to);

TEST(ScenarioTest, UnknownMembersAreIgnoredAndLeftOutFieldsKeepTheirValues) {
    FormsOfARun run;
    std::string text = Replaced(Valid(), "\"format\"", R"("note": [1, {"a": 2}], "format")");
    text = Replaced(text, "\"fbpCalculator\": {", R"("fbpCalculator": {"colour": "red",)");
    text = Replaced(text, "\"ffmc\": 87", "\"ffmc\": 90.5");  // the FBP calculator's
    text = Replaced(text, "\"fuelType\": \"C2\"", "\"fuelType\": \"M3\"");
    text = Replaced(text, "\"format\"", R"("someOtherWindow": {"ffmc": 1000}, "format")");
    ASSERT_EQ(ReadScenario(text, run.windows), std::nullopt);
    EXPECT_EQ(run.fbp.Text("ffmc"), "90.5");
    EXPECT_EQ(run.fbp.Text("bui"), "40");
    EXPECT_EQ(run.fbp.FuelIndex(), kM3);
    EXPECT_TRUE(run.fbp.IsChecked(FuelBoxId(kM3)));
    EXPECT_FALSE(run.fbp.IsChecked(FuelBoxId(kC2)));
    // Opening computes nothing: the results still show the first display's.
    EXPECT_EQ(run.fbp.Text("rosText"), "11.09");
    EXPECT_FALSE(run.shared.fbp.has_value());
}

// Version 1 left out a group with nothing chosen, and version 2 writes it as null: both open,
// the form keeping its own choice, while every other value is taken.
TEST(ScenarioTest, OlderAndNullGroupsKeepTheFormsChoice) {
    const std::string chosenReal = Replaced(Valid(), "\"integer\"", "\"real\"");
    // Version 1 had no Hourly FWI window and left out groups with nothing chosen.
    FormsOfARun older;
    older.windows.pop_back();
    const std::string v1 =
        Replaced(Replaced(Replaced(WriteScenario(older.windows), "\"integer\"", "\"real\""),
                          "\"version\": 2", "\"version\": 1"),
                 ",\n    \"outputFormat\": \"real\"", "");
    {
        // A version 2 file holds the Hourly FWI window.
        FormsOfARun run;
        const std::string v2WithoutHourly =
            Replaced(WriteScenario(older.windows), "\"integer\"", "\"real\"");
        EXPECT_NE(ReadScenario(v2WithoutHourly, run.windows), std::nullopt);
    }
    const std::string v2 = Replaced(chosenReal, "\"real\"", "null");
    for (const std::string& text : {v1, v2}) {
        FormsOfARun run;
        run.fwi.Click("realOption");
        run.fwi.TypeText("rain", "3");
        ASSERT_EQ(ReadScenario(text, run.windows), std::nullopt) << text;
        EXPECT_EQ(run.fwi.Format(), OutputFormat::Real);
        EXPECT_EQ(run.fwi.Text("rain"), "0");
    }
    // A group with nothing chosen is written as null, and so read back.
    FormsOfARun run;
    ASSERT_EQ(ReadScenario(chosenReal, run.windows), std::nullopt);
    EXPECT_EQ(run.fwi.Format(), OutputFormat::Real);
}

struct Refused {
    const char* name;
    std::string text;
    std::string message;
};

std::string Valid() {
    FormsOfARun run;
    return WriteScenario(run.windows);
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

class ScenarioRefusalTest : public testing::TestWithParam<Refused> {};

TEST_P(ScenarioRefusalTest, IsRefusedWithItsMessageAndChangesNothing) {
    FormsOfARun run;
    run.fbp.TypeText("bui", "77");  // a held value that is not the first display's
    const std::string screen = run.Screen();
    const std::string held = WriteScenario(run.windows);
    EXPECT_EQ(ReadScenario(GetParam().text, run.windows), GetParam().message);
    EXPECT_EQ(run.Screen(), screen);
    EXPECT_EQ(WriteScenario(run.windows), held);
}

// Each bad entry stands after a good one that would change a form if it were applied.
const std::string kHead =
    "{\"format\": \"emberlin-scenario\", \"version\": 1,\n"
    " \"fwiCalculator\": {\"rain\": 5},\n";

INSTANTIATE_TEST_SUITE_P(
    Documents, ScenarioRefusalTest,
    testing::Values(
        Refused{"OutOfRange", kHead + R"( "fbpCalculator": {"ffmc": 120}})",
                "line 3, column 28, fbpCalculator ffmc (FFMC): Please enter a number between 0 "
                "and 101."},
        Refused{"BelowRange", kHead + R"( "projectionByFuelType": {"longitude": -171}})",
                "line 3, column 40, projectionByFuelType longitude (Longitude ( d.d )): Please "
                "enter a number between -170 and 170."},
        Refused{"FractionInIntegerField", kHead + R"( "diurnalWeather": {"month": 7.5}})",
                "line 3, column 30, diurnalWeather month (Month): Please enter an integer."},
        Refused{"TextForNumber", kHead + R"( "diurnalWeather": {"temperature": "20"}})",
                "line 3, column 36, diurnalWeather temperature (Temperature): Please enter a "
                "number."},
        Refused{"NullForNumber", kHead + R"( "detectionAssessment": {"fireStartTime": null}})",
                "line 3, column 43, detectionAssessment fireStartTime (Fire Start Time): Please "
                "enter an integer."},
        Refused{"WholeNumberField", kHead + R"( "diurnalWeather": {"ffmc": 87.5}})",
                "line 3, column 29, diurnalWeather ffmc (FFMC): This box takes whole numbers 0 to "
                "101."},
        Refused{"BeyondDouble", kHead + R"( "fbpCalculator": {"bui": 1e400}})",
                "line 3, column 31: this is not valid JSON (number overflow parsing '1e400')."},
        Refused{"UnknownChoice", kHead + R"( "fbpCalculator": {"ignition": "area"}})",
                "line 3, column 32, fbpCalculator ignition: expected one of \"line\", "
                "\"point\"."},
        Refused{"WindowNotAnObject", kHead + R"( "fbpCalculator": 3})",
                "line 3, column 19, fbpCalculator: expected an object holding the window's "
                "fields."},
        Refused{"Empty", "", "The file is empty: it holds no scenario."},
        Refused{"Blank", " \n\t ", "The file is empty: it holds no scenario."},
        Refused{"NewerVersion", Replaced(Valid(), "\"version\": 2", "\"version\": 3"),
                "line 3, column 14: this scenario has format version 3, written by a newer "
                "EMBERLIN; this one reads version 2."},
        // Every key its version holds, after every value given has passed.
        Refused{"FieldMissing", Replaced(Valid(), "\"rain\": 0,\n    ", ""),
                "line 4, column 20, fwiCalculator: \"rain\" is missing (a version 2 scenario "
                "holds it)."},
        Refused{"FieldMissingInVersion1",
                Replaced(Replaced(Valid(), "\"version\": 2", "\"version\": 1"),
                         "\"rain\": 0,\n    ", ""),
                "line 4, column 20, fwiCalculator: \"rain\" is missing (a version 1 scenario "
                "holds it)."},
        Refused{"GroupMissing", Replaced(Valid(), ",\n    \"outputFormat\": \"integer\"", ""),
                "line 4, column 20, fwiCalculator: \"outputFormat\" is missing (a version 2 "
                "scenario holds it)."},
        Refused{"WindowMissing", Replaced(Valid(), "\"fireBehaviourByHour\"", "\"notAWindow\""),
                "line 1, column 1: \"fireBehaviourByHour\" is missing (a version 2 scenario "
                "holds every window)."},
        Refused{
            "ValueBeforeMissing",
            Replaced(Replaced(Valid(), "\"rain\": 0,\n    ", ""), "\"bui\": 40", "\"bui\": 651"),
            "line 15, column 12, fbpCalculator bui (BUI): Please enter a number between 0 and "
            "650."},
        Refused{"NoVersion", R"({"format": "emberlin-scenario"})",
                "line 1, column 1: the scenario has no valid \"version\" (a whole number from "
                "1)."},
        Refused{"OtherFormat", R"({"format": "something-else", "version": 1})",
                "line 1, column 12: this is not an EMBERLIN scenario (its \"format\" is not "
                "\"emberlin-scenario\")."},
        Refused{"NotAnObject", "[1, 2]",
                "line 1, column 1: this is not an EMBERLIN scenario (a JSON object)."},
        Refused{"KeyTwice", kHead + " \"fbpCalculator\": {\"ffmc\": 90,\n \"ffmc\": 91}}",
                "line 4, column 2, fbpCalculator: \"ffmc\" is given twice (first on line 3)."},
        Refused{"WindowTwice", kHead + " \"fwiCalculator\": {\"rain\": 6}}",
                "line 3, column 2: \"fwiCalculator\" is given twice (first on line 2)."},
        Refused{"OverTheBound", kHead + std::string(kMaxScenarioBytes, ' ') + "}",
                "The file holds more than 1 MB (1048576 bytes): a scenario is a few kilobytes, "
                "so this is not one."}),
    [](const testing::TestParamInfo<Refused>& row) { return std::string(row.param.name); });

// A key repeated all through a document just under the bound is refused at its second
// occurrence, and a document of as many different keys opens in linear time.
TEST(ScenarioTest, ManyKeysOpenQuickly) {
    FormsOfARun run;
    std::string repeated =
        "{\"format\": \"emberlin-scenario\", \"version\": 1, \"fwiCalculator\": {";
    while (repeated.size() < kMaxScenarioBytes - 16) repeated += "\"rain\":1,\n";
    repeated += "\"rain\":1}}";
    // Unknown keys, all different, each of which is looked at and placed.
    std::string keys;
    const std::size_t room = kMaxScenarioBytes - Valid().size() - 16;
    for (int i = 0; keys.size() < room; ++i) keys += "\"k" + std::to_string(i) + "\":1,\n";
    const std::string distinct =
        Replaced(Valid(), "\"fwiCalculator\": {", "\"fwiCalculator\": {" + keys);
    const auto started = std::chrono::steady_clock::now();
    const std::optional<std::string> refusal = ReadScenario(repeated, run.windows);
    EXPECT_EQ(ReadScenario(distinct, run.windows), std::nullopt);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_EQ(refusal,
              "line 2, column 1, fwiCalculator: \"rain\" is given twice (first on line 1).");
    // Both together in a fraction of a second in a release build, a few times that under the
    // sanitizers; the reader that placed each key from the top took minutes.
    EXPECT_LT(seconds, 3.0);
}

// Opening reads regular files only and never more than the bound: a FIFO or a device is
// refused at once.
TEST(ScenarioTest, FileReadingRefusesWhatIsNoScenarioFile) {
    const std::string folder = testing::TempDir() + "scenario_files";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string good = folder + "/good.emberlin.json";
    std::ofstream(good) << Valid();
    const std::string big = folder + "/big.emberlin.json";
    std::ofstream(big) << std::string(kMaxScenarioBytes + 1, ' ');
    const std::string fifo = folder + "/fifo.emberlin.json";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);

    std::string text;
    EXPECT_EQ(ReadScenarioFile(good, text), std::nullopt);
    EXPECT_EQ(text, Valid());
    const std::string tooLarge =
        "it holds more than 1 MB (1048576 bytes): a scenario is a few kilobytes, so this is not "
        "one";
    EXPECT_EQ(ReadScenarioFile(big, text), tooLarge);
    EXPECT_EQ(ReadScenarioFile(fifo, text), "it is not a regular file");
    EXPECT_EQ(ReadScenarioFile("/dev/zero", text), "it is not a regular file");
    EXPECT_EQ(ReadScenarioFile(folder, text), "it is not a regular file");
    EXPECT_EQ(ReadScenarioFile(folder + "/missing.json", text), "No such file or directory");
    EXPECT_TRUE(text.empty());
}

TEST(ScenarioTest, TruncatedDocumentIsRefusedAtItsEnd) {
    FormsOfARun run;
    const std::string text = WriteScenario(run.windows);
    const std::string cut = text.substr(0, text.find("\"bui\""));
    run.fbp.TypeText("bui", "77");
    const std::string held = WriteScenario(run.windows);
    const std::optional<std::string> refusal = ReadScenario(cut, run.windows);
    ASSERT_TRUE(refusal);
    const std::size_t lines = static_cast<std::size_t>(std::count(cut.begin(), cut.end(), '\n'));
    EXPECT_EQ(refusal->rfind("line " + std::to_string(lines + 1) + ", column ", 0), 0u) << *refusal;
    EXPECT_NE(refusal->find("this is not valid JSON (unexpected end of input"), std::string::npos)
        << *refusal;
    EXPECT_EQ(WriteScenario(run.windows), held);
}

}  // namespace
}  // namespace emberlin::forms
