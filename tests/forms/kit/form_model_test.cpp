// The field-exchange rules, on a small form of their own.
#include "forms/kit/form_model.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "forms/kit/recording_host.h"

namespace emberlin::forms {
namespace {

class SampleForm : public FormModel {
  public:
    SampleForm() : FormModel("Sample") {
        AddDouble("first", "First", first, 0, 10);
        AddInt("second", "Second", second, -170, 170);
        AddCheck("option", "Option", option);
        AddText("result", "Result", result);
        AddDouble("digits", "Digits", digits, 0, 100).digitsOnly = true;
        AddDouble("whole", "Whole", whole, 0, 101).wholeNumber = true;
        AddButton("compute", "Compute", [this] {
            if (StoreForAction()) ++computed;
        });
        AddButton("ok", "OK", [this] { Ok(); });
        AddButton("cancel", "Cancel", [this] { Cancel(); });
    }
    bool Take(std::initializer_list<TakenValue> values) { return TakeOver("Other Form", values); }
    double first = 5;
    int second = 1;
    bool option = false;
    std::string result = "r";
    double digits = 42;
    double whole = 87;
    int computed = 0;
};

class FormModelTest : public ::testing::Test {
  protected:
    void SetUp() override { form.AttachHost(host); }
    SampleForm form;
    RecordingHost host;
};

TEST_F(FormModelTest, TypingStoresWarnsAndNeverRewritesTheBox) {
    struct Step {
        const char* field;
        const char* text;
        const char* warning;  // expected warning beside the field after this text
    };
    const Step steps[] = {
        {"first", "0", ""},
        {"first", "0.", ""},
        {"first", "0.5", ""},
        {"first", "", "Please enter a number."},
        {"first", "11", "Please enter a number between 0 and 10."},
        {"first", "1", ""},
        {"second", "-", "Please enter an integer."},
        {"second", "-200", "Please enter an integer between -170 and 170."},
        {"second", "12.0", "Please enter an integer."},
    };
    for (const Step& s : steps) {
        form.TypeText(s.field, s.text);
        EXPECT_EQ(form.Text(s.field), s.text) << "box rewritten after typing '" << s.text << "'";
        EXPECT_EQ(host.WarningFor(s.field), s.warning) << s.text;
    }
    // A typing pass never moves the focus or shows a modal message.
    EXPECT_EQ(host.FocusedControl(), "");
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(FormModelTest, StoringKeepsTheLastAcceptedValueForEveryRefusal) {
    TypeKeys(form, "first", "abc");
    EXPECT_EQ(form.first, 5.0);
    TypeKeys(form, "first", "12");
    EXPECT_EQ(form.first, 1.0);  // "1" was accepted on the way; 12 is refused, never held
    EXPECT_EQ(form.Text("first"), "12");
    // Fields after a refused one are not read in that pass.
    form.TypeText("second", "33");
    EXPECT_EQ(form.second, 1);
    EXPECT_EQ(host.WarningFor("first"), "Please enter a number between 0 and 10.");
    TypeKeys(form, "first", "7");
    EXPECT_EQ(form.second, 33);
    EXPECT_TRUE(host.Warnings().empty());
    // Out of range or not whole: refused without being held, whatever the field's kind.
    form.TypeText("second", "-200");
    form.TypeText("whole", "87.5");
    EXPECT_EQ(form.second, 33);
    form.TypeText("second", "-17");
    EXPECT_EQ(form.whole, 87.0);
    form.TypeText("whole", "102");
    EXPECT_EQ(form.whole, 87.0);
    // Cancel closes on the last accepted values; opening again shows them.
    form.Click("cancel");
    form.Open();
    EXPECT_EQ(form.Text("second"), "-17");
    EXPECT_EQ(form.Text("whole"), "87");
}

TEST_F(FormModelTest, ComputingWithARefusedFieldShowsTheMessageAndFocusesIt) {
    TypeKeys(form, "second", "500");
    form.Click("compute");
    EXPECT_EQ(form.computed, 0);
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0], "Second: Please enter an integer between -170 and 170.");
    EXPECT_EQ(host.FocusedControl(), "second");
    EXPECT_TRUE(host.FocusSelectedText());
    TypeKeys(form, "second", "-170");
    form.Click("compute");
    EXPECT_EQ(form.computed, 1);
}

// A refusal says what is wrong with the text: its size, a decimal comma, a fraction in a
// whole-number box; the modal box names the field.
TEST_F(FormModelTest, RefusalsSayWhatIsWrong) {
    struct Row {
        const char* name;
        const char* field;
        std::string text;
        const char* warning;
    };
    const Row rows[] = {
        {"overflow", "first", "1e999", "Please enter a number between 0 and 10."},
        {"long_paste", "first", std::string(5000, '9'), "Please enter a number between 0 and 10."},
        {"negative_overflow", "first", "-1e400", "Please enter a number between 0 and 10."},
        {"decimal_comma", "first", "12,5", "Please use a decimal point: 12.5, not 12,5."},
        {"two_commas", "first", "1,2,5", "Please enter a number."},
        {"words", "first", "abc", "Please enter a number."},
        {"int_too_long", "second", "99999999999", "Please enter an integer between -170 and 170."},
        {"int_comma", "second", "12,5", "Please enter an integer."},
        {"fraction_in_whole", "whole", "8.5", "This box takes whole numbers 0 to 101."},
        {"negative_whole", "whole", "-1", "This box takes whole numbers 0 to 101."},
        {"whole", "whole", "8", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TypeKeys(form, row.field, row.text);
        EXPECT_EQ(form.Text(row.field), row.text);  // the box keeps what was typed
        EXPECT_EQ(host.WarningFor(row.field), row.warning);
        host.ClearEvents();
        form.Click("compute");
        const std::string label = std::string(row.field) == "first"    ? "First"
                                  : std::string(row.field) == "second" ? "Second"
                                                                       : "Whole";
        EXPECT_EQ(host.Messages(), *row.warning == '\0'
                                       ? std::vector<std::string>{}
                                       : std::vector<std::string>{label + ": " + row.warning});
        form.TypeText(row.field, std::string(row.field) == "second" ? "1" : "5");
    }
}

TEST_F(FormModelTest, ClosingStoresFirstAndCancelDoesNot) {
    form.TypeText("first", "x");
    form.Click("ok");
    EXPECT_FALSE(host.Closed());
    form.Click("cancel");
    EXPECT_TRUE(host.Closed());
    EXPECT_FALSE(host.Accepted());
    // Opening again shows the held values in their canonical text.
    form.Open();
    EXPECT_EQ(form.Text("first"), "5");
    host.ClearEvents();
    form.TypeText("first", "2.50");
    form.Click("ok");
    EXPECT_TRUE(host.Accepted());
    form.Show();
    EXPECT_EQ(form.Text("first"), "2.5");
}

TEST_F(FormModelTest, ChecksDigitsOnlyAndReadOnlyBoxes) {
    form.Click("option");
    EXPECT_TRUE(form.IsChecked("option"));
    EXPECT_TRUE(form.Store() == std::nullopt);
    EXPECT_TRUE(form.option);
    EXPECT_FALSE(form.TypeText("digits", "4a"));
    EXPECT_FALSE(form.TypeText("digits", "-4"));
    EXPECT_EQ(form.Text("digits"), "42");
    EXPECT_TRUE(form.TypeText("digits", "77"));
    EXPECT_EQ(form.digits, 77.0);
    EXPECT_FALSE(form.TypeText("result", "typed"));
    EXPECT_EQ(form.Text("result"), "r");
}

// Taking values over: all of them or none, with one message naming the first field refused.
TEST_F(FormModelTest, TakingOverAppliesAllValuesOrRefusesThemAll) {
    struct Row {
        const char* name;
        const char* firstText;  // typed into "first" before taking over
        double first, second;   // the values handed over
        bool taken;
        const char* message;  // "" for none
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Row rows[] = {
        {"inside", "5", 7.5, -170, true, ""},
        {"second_above", "5", 7.5, 171, false,
         "Nothing was taken over from the Other Form: its Second gives 171, outside this form's "
         "range of -170 to 170."},
        {"first_not_a_number", "5", nan, 3, false,
         "Nothing was taken over from the Other Form: its First gives ---, outside this form's "
         "range of 0 to 10."},
        {"refused_on_screen", "abc", 7.5, 3, false, "First: Please enter a number."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SampleForm sample;
        RecordingHost recorder;
        sample.AttachHost(recorder);
        sample.Open();
        sample.TypeText("first", row.firstText);
        recorder.ClearEvents();
        EXPECT_EQ(sample.Take({{"first", row.first}, {"second", static_cast<int>(row.second)}}),
                  row.taken);
        EXPECT_EQ(sample.first, row.taken ? row.first : 5.0);
        EXPECT_EQ(sample.second, row.taken ? static_cast<int>(row.second) : 1);
        const std::vector<std::string> expected =
            *row.message ? std::vector<std::string>{row.message} : std::vector<std::string>{};
        EXPECT_EQ(recorder.Messages(), expected);
    }
    EXPECT_EQ(SimplifiedLabel("  Wind   Speed  ( km/hr ) "), "Wind Speed ( km/hr )");
}

}  // namespace
}  // namespace emberlin::forms
