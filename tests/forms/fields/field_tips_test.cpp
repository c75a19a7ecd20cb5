// The five calculators as a user meets them: every field explains itself, and results never
// look current when the inputs have changed since they were calculated.
#include "forms/fields/field_tips.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "forms/fields/field_declarations.h"
#include "forms/kit/recording_host.h"
#include "forms/models/detection_form.h"
#include "forms/models/diurnal_form.h"
#include "forms/models/fbp_calc_form.h"
#include "forms/models/fire_by_hour_form.h"
#include "forms/models/fuel_projection_form.h"
#include "forms/models/fwi_calc_form.h"

namespace emberlin::forms {
namespace {

struct Calculator {
    const char* name;
    std::function<std::unique_ptr<FormModel>(HandOver&)> make;
    const char* field;      // an input to edit
    const char* goodText;   // a valid new value for it
    const char* badText;    // a value its range refuses
    const char* fieldName;  // how the modal message names it
    const char* button;     // the calculate button's caption
    bool startsWithResults;
};

template <typename Form>
std::unique_ptr<FormModel> Make(HandOver& shared) {
    return std::make_unique<Form>(shared);
}

const Calculator kCalculators[] = {
    {"fwi", Make<FwiCalcForm>, "ffmcYesterday", "80", "102", "Yesterday's FFMC", "Calculate", true},
    {"fbp", Make<FbpCalcForm>, "bui", "60", "700", "BUI", "Calculate", true},
    {"diurnal", Make<DiurnalForm>, "maxWind", "30", "151", "Wind Speed Maximum", "CALCULATE",
     false},
    {"detection", Make<DetectionForm>, "slope", "20", "101", "Slope ( % )", "CALCULATE", false},
    {"projection", Make<FuelProjectionForm>, "ffmc", "90", "101.5", "FFMC", "Calculate", false},
};

class CalculatorTest : public ::testing::TestWithParam<Calculator> {
  protected:
    void SetUp() override {
        // The detection assessment needs the diurnal calculator's hourly tables.
        DiurnalForm diurnal(shared);
        diurnal.Click("calculate");
        ASSERT_TRUE(shared.hourly.has_value());
        form = GetParam().make(shared);
        form->AttachHost(host);
        form->Open();
    }
    std::vector<std::string> ResultTexts() const {
        std::vector<std::string> texts;
        for (const Control* control : form->Controls()) {
            if (control->result) texts.push_back(control->text);
        }
        return texts;
    }
    HandOver shared;
    RecordingHost host;
    std::unique_ptr<FormModel> form;
};

TEST_P(CalculatorTest, ResultsAreStaleFromAnEditUntilTheNextCalculation) {
    const Calculator& c = GetParam();
    const std::string note = std::string("Results are for the earlier inputs: press ") + c.button;
    EXPECT_FALSE(form->HoldsComputedResults());

    // Before any calculation only the forms that open with results can hold stale ones.
    TypeKeys(*form, c.field, c.goodText);
    EXPECT_EQ(form->ResultsStale(), c.startsWithResults);
    EXPECT_EQ(form->StaleNote(), c.startsWithResults ? note : "");

    form->Click("calculate");
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_FALSE(form->ResultsStale());
    EXPECT_EQ(form->StaleNote(), "");
    EXPECT_TRUE(form->HoldsComputedResults());
    const std::vector<std::string> results = ResultTexts();
    ASSERT_FALSE(results.empty());
    EXPECT_FALSE(results.back().empty());

    // An edit makes them stale without changing a character of them.
    TypeKeys(*form, c.field, std::string(c.goodText) + "1");
    TypeKeys(*form, c.field, c.goodText);
    EXPECT_TRUE(form->ResultsStale());
    EXPECT_EQ(form->StaleNote(), note);
    EXPECT_EQ(ResultTexts(), results);

    form->Click("calculate");
    EXPECT_FALSE(form->ResultsStale());
    EXPECT_EQ(ResultTexts(), results);  // the same inputs again

    // A refused calculation leaves them stale, and its message names the field.
    TypeKeys(*form, c.field, c.badText);
    host.ClearEvents();
    form->Click("calculate");
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].rfind(std::string(c.fieldName) + ": Please enter ", 0), 0u)
        << host.Messages()[0];
    EXPECT_TRUE(form->ResultsStale());
    EXPECT_EQ(ResultTexts(), results);
    TypeKeys(*form, c.field, c.goodText);
    EXPECT_TRUE(form->ResultsStale());  // valid again, but not calculated yet
    form->Click("calculate");
    EXPECT_FALSE(form->ResultsStale());
}

TEST_P(CalculatorTest, EveryFieldHasATipWithItsMeaningAndAnInputItsRange) {
    for (const Control* control : form->Controls()) {
        const bool field = control->kind == ControlKind::DoubleField ||
                           control->kind == ControlKind::IntField || control->result;
        if (!field) continue;
        SCOPED_TRACE(control->id);
        ASSERT_FALSE(control->tip.empty());
        if (control->result || control->readOnly) continue;
        const std::string range = " from " + FormatGeneral(control->minValue) + " to " +
                                  FormatGeneral(control->maxValue) + ".";
        // The meaning (with its unit) comes first, then the range.
        EXPECT_GT(control->tip.find(range), 10u) << control->tip;
        EXPECT_NE(control->tip.find(range), std::string::npos) << control->tip;
    }
}

INSTANTIATE_TEST_SUITE_P(Calculators, CalculatorTest, ::testing::ValuesIn(kCalculators),
                         [](const auto& row) { return std::string(row.param.name); });

// The notes on special values and on the shape of the diurnal curves, in every form that
// has the field.
struct ExplainedField {
    const char* name;
    std::span<const FieldDeclaration> (*fields)();
    const char* id;
    const char* words;
};

void PrintTo(const ExplainedField& row, std::ostream* out) { *out << row.name; }

class FieldTipsExplain : public ::testing::TestWithParam<ExplainedField> {};

TEST_P(FieldTipsExplain, SpecialValuesAndCurveShapes) {
    const ExplainedField& row = GetParam();
    const FieldDeclaration& field = FindField(row.fields(), row.id);
    const std::string text = field.meaning + " " + field.note;
    EXPECT_NE(text.find(row.words), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(
    FieldTips, FieldTipsExplain,
    ::testing::Values(
        ExplainedField{"fbp_gc", FbpCalcFields, "gc", "0 stands for the standard curing of 95 %"},
        ExplainedField{"fbp_gfl", FbpCalcFields, "gfl",
                       "0 stands for the standard load of 0.3 kg/m\u00b2"},
        ExplainedField{"detection_gc", DetectionFields, "gc",
                       "0 stands for the standard curing of 95 %"},
        ExplainedField{"detection_gfl", DetectionFields, "gfl",
                       "0 stands for the standard load of 0.3 kg/m\u00b2"},
        ExplainedField{"projection_gc", FuelProjectionFields, "gc",
                       "0 stands for the standard curing of 95 %"},
        ExplainedField{"projection_gfl", FuelProjectionFields, "gfl",
                       "0 stands for the standard load of 0.3"},
        ExplainedField{"temperature_alpha", DiurnalFields, "temperatureAlpha", "after sunrise"},
        ExplainedField{"temperature_beta", DiurnalFields, "temperatureBeta", "after noon"},
        ExplainedField{"temperature_gamma", DiurnalFields, "temperatureGamma", "through the night"},
        ExplainedField{"wind_alpha", DiurnalFields, "windAlpha",
                       "only the temperature ALPHA and BETA time"},
        ExplainedField{"wind_gamma", DiurnalFields, "windGamma", "-3.59"}),
    [](const ::testing::TestParamInfo<ExplainedField>& row) {
        return std::string(row.param.name);
    });

// The grass fields name the grass fuel types, word for word, in every form that has them.
TEST(FieldTips, GrassFieldsNameTheGrassCodes) {
    for (auto fields : {FbpCalcFields, DetectionFields, FuelProjectionFields}) {
        std::vector<std::string> meanings;
        for (const FieldDeclaration& field : fields()) {
            if (field.id == "gc" || field.id == "gfl") meanings.push_back(field.meaning);
        }
        EXPECT_EQ(meanings,
                  (std::vector<std::string>{"Degree of grass curing (O1a, O1b), in %",
                                            "Grass fuel load (O1a, O1b), in kg/m\u00b2"}));
    }
}

// How a tip is put together: the meaning closed by a full stop, an input's range, the note; the
// line break stands between the sentences.
TEST(FieldTips, TipTextJoinsMeaningRangeAndNote) {
    struct Row {
        const char* name;
        ControlKind kind;
        bool readOnly;
        bool wholeNumber;
        FieldTip tip;
        const char* lineBreak;
        const char* text;
    };
    const Row rows[] = {
        {"number",
         ControlKind::DoubleField,
         false,
         false,
         {"x", "Slope, in %"},
         "\n",
         "Slope, in %.\nA number from -1.5 to 100."},
        {"integer_note",
         ControlKind::IntField,
         false,
         false,
         {"x", "Curing", "0: standard."},
         "\n",
         "Curing.\nAn integer from -1.5 to 100.\n0: standard."},
        {"whole_number",
         ControlKind::DoubleField,
         false,
         true,
         {"x", "FFMC."},
         "\n",
         "FFMC.\nA whole number from -1.5 to 100."},
        {"result",
         ControlKind::TextField,
         true,
         false,
         {"x", "Area, in ha", "At the end."},
         "\n",
         "Area, in ha.\nAt the end."},
        {"read_only_number", ControlKind::DoubleField, true, false, {"x", "FFMC"}, "\n", "FFMC."},
        {"one_line",
         ControlKind::IntField,
         false,
         false,
         {"x", "Day of the month"},
         " ",
         "Day of the month. An integer from -1.5 to 100."},
        {"one_line_note",
         ControlKind::DoubleField,
         false,
         false,
         {"x", "Load", "0: standard."},
         " ",
         "Load. A number from -1.5 to 100. 0: standard."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Control control;
        control.kind = row.kind;
        control.readOnly = row.readOnly;
        control.wholeNumber = row.wholeNumber;
        control.minValue = -1.5;
        control.maxValue = 100;
        EXPECT_EQ(TipText(control, row.tip, row.lineBreak), row.text);
    }
}

// The fire behaviour by hour window's inputs explain themselves on one line each: the meaning
// shared with the other calculators where the quantity is the same, then the range.
TEST(FieldTips, FireByHourTipsReadOnOneLine) {
    HandOver shared;
    const FireByHourForm form(shared);
    struct Row {
        const char* id;
        const char* tip;
    };
    const Row rows[] = {
        {"pc", "Percent conifer in the stand (M1, M2), in %. An integer from 0 to 100."},
        {"gc", "Degree of grass curing (O1a, O1b), in %. An integer from 0 to 100."},
        {"gfl", "Grass fuel load (O1a, O1b), in kg/m\u00b2. A number from 0 to 5."},
        {"longitude", "Longitude in decimal degrees, negative west. A number from -170 to 170."},
        {"elevation", "Elevation above sea level, in m. An integer from 0 to 3000."},
        {"month", "Month of the day, 1 = January to 12 = December. An integer from 1 to 12."},
        {"day", "Day of the month. An integer from 1 to 31."},
        {"duration",
         "Hours the fire burns from its start; start plus duration at most 24. An integer from 1 "
         "to 24."},
        {"threshold2", "A second, higher critical intensity, in kW/m. A number from 0 to 50000."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        EXPECT_EQ(form.GetControl(row.id).tip, row.tip);
    }
    for (const Control* control : form.InputFields()) {
        SCOPED_TRACE(control->id);
        EXPECT_FALSE(control->tip.empty());
        EXPECT_EQ(control->tip.find('\n'), std::string::npos) << control->tip;
    }
}

// The diurnal FFMC box keeps what was typed and says it takes whole numbers.
TEST(DiurnalFfmc, KeepsTypedTextAndRefusesFractionsAtCalculate) {
    HandOver shared;
    RecordingHost host;
    DiurnalForm form(shared);
    form.AttachHost(host);
    TypeKeys(form, "ffmc", "8.5");
    EXPECT_EQ(form.Text("ffmc"), "8.5");
    EXPECT_EQ(host.WarningFor("ffmc"), "This box takes whole numbers 0 to 101.");
    form.Click("calculate");
    EXPECT_EQ(host.Messages(),
              std::vector<std::string>{"FFMC: This box takes whole numbers 0 to 101."});
    EXPECT_FALSE(shared.hourly.has_value());
    EXPECT_EQ(host.FocusedControl(), "ffmc");
}

}  // namespace
}  // namespace emberlin::forms
