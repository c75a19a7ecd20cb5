#include "forms/models/fwi_calc_form.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "forms/kit/recording_host.h"
#include "fwi/fwi_index.h"

namespace emberlin::forms {
namespace {

const std::array<const char*, 7> kResults = {"ffmcText", "dmcText", "dcText", "isiText",
                                             "buiText",  "fwiText", "dsrText"};

std::array<std::string, 7> ResultTexts(const FwiCalcForm& form) {
    std::array<std::string, 7> texts;
    for (std::size_t i = 0; i < kResults.size(); ++i) texts[i] = form.Text(kResults[i]);
    return texts;
}

class FwiCalcFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form.AttachHost(host);
        form.Open();
    }
    HandOver shared;
    FwiCalcForm form{shared};
    RecordingHost host;
};

TEST_F(FwiCalcFormTest, FirstDisplayAndCalculateInBothFormats) {
    struct Input {
        const char* id;
        const char* text;
    };
    for (Input in :
         {Input{"ffmcYesterday", "72"}, Input{"dmcYesterday", "39"}, Input{"dcYesterday", "300"},
          Input{"temperature", "28"}, Input{"relativeHumidity", "50"}, Input{"month", "7"},
          Input{"windSpeed", "25"}, Input{"rain", "0"}}) {
        EXPECT_EQ(form.Text(in.id), in.text) << in.id;
    }
    EXPECT_TRUE(form.IsChecked("integerOption"));
    EXPECT_FALSE(form.IsChecked("realOption"));
    const std::array<std::string, 7> initial = {"87", "42", "309", "10", "63", "25", "8"};
    EXPECT_EQ(ResultTexts(form), initial);
    EXPECT_FALSE(shared.fwi.has_value());

    form.Click("calculate");
    EXPECT_EQ(ResultTexts(form), initial);
    EXPECT_TRUE(shared.fwi.has_value());

    form.Click("realOption");
    EXPECT_FALSE(form.IsChecked("integerOption"));
    EXPECT_TRUE(form.IsChecked("realOption"));
    EXPECT_EQ(form.Format(), OutputFormat::Real);
    const std::array<std::string, 7> real = {"86.99", "42.42", "308.74", "9.82",
                                             "63.15", "24.72", "7.95"};
    EXPECT_EQ(ResultTexts(form), real);
    // Clicking the option that is on keeps it on.
    form.Click("realOption");
    EXPECT_TRUE(form.IsChecked("realOption"));
    form.Click("integerOption");
    EXPECT_EQ(ResultTexts(form), initial);
}

TEST_F(FwiCalcFormTest, TypingRainKeyByKeyThenCalculating) {
    TypeKeys(form, "rain", "0.5");
    EXPECT_EQ(form.Text("rain"), "0.5");
    EXPECT_TRUE(host.Warnings().empty());
    form.Click("calculate");
    EXPECT_EQ(shared.fwi->rain, 0.5);
    EXPECT_EQ(form.Text("rain"), "0.5");
    TypeKeys(form, "dmcYesterday", "6.5");
    form.Click("calculate");
    EXPECT_EQ(form.Text("dmcYesterday"), "6.5");
}

TEST_F(FwiCalcFormTest, RefusedFieldsWarnWhileTypingAndStopCalculate) {
    form.Click("realOption");
    const auto before = ResultTexts(form);
    ASSERT_TRUE(shared.fwi.has_value());
    shared.fwi.Edit().ffmc = -1;  // marker: nothing may be published by a refused Calculate

    TypeKeys(form, "ffmcYesterday", "102");
    EXPECT_EQ(host.WarningFor("ffmcYesterday"), "Please enter a number between 0 and 101.");
    EXPECT_EQ(form.Text("ffmcYesterday"), "102");
    EXPECT_TRUE(host.Messages().empty());

    host.ClearEvents();
    form.Click("calculate");
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0], "Yesterday's FFMC: Please enter a number between 0 and 101.");
    EXPECT_EQ(host.FocusedControl(), "ffmcYesterday");
    EXPECT_EQ(ResultTexts(form), before);
    EXPECT_EQ(shared.fwi->ffmc, -1);

    // A format option is still selected, but nothing is computed.
    form.Click("integerOption");
    EXPECT_TRUE(form.IsChecked("integerOption"));
    EXPECT_EQ(ResultTexts(form), before);

    // "abc" keeps the old value; an emptied box stays empty while warning.
    TypeKeys(form, "ffmcYesterday", "85");
    TypeKeys(form, "dcYesterday", "abc");
    EXPECT_EQ(host.WarningFor("dcYesterday"), "Please enter a number.");
    form.TypeText("dcYesterday", "");
    EXPECT_EQ(form.Text("dcYesterday"), "");
    EXPECT_EQ(host.WarningFor("dcYesterday"), "Please enter a number.");

    host.ClearEvents();
    form.Click("ok");
    EXPECT_FALSE(host.Closed());
    EXPECT_EQ(host.FocusedControl(), "dcYesterday");
    form.Click("cancel");
    EXPECT_TRUE(host.Closed());
    form.Open();
    EXPECT_EQ(form.Text("dcYesterday"), "300");
}

TEST_F(FwiCalcFormTest, PublishesInputsAsHeld) {
    TypeKeys(form, "relativeHumidity", "100");
    TypeKeys(form, "temperature", "25.5");
    TypeKeys(form, "windSpeed", "25.9");
    TypeKeys(form, "month", "8");
    TypeKeys(form, "rain", "3");
    form.Click("calculate");
    EXPECT_TRUE(shared.fwi.has_value());
    EXPECT_EQ(shared.fwi->relativeHumidity, 100.0);
    EXPECT_EQ(shared.fwi->temperature, 25.5);
    EXPECT_EQ(shared.fwi->windSpeed, 25.9);
    EXPECT_EQ(shared.fwi->month, 8);
    EXPECT_EQ(shared.fwi->rain, 3.0);
    EXPECT_EQ(shared.fwi->ffmc, CalcFwiIndex(1, 72, 39, 300, 8, 25.5, 100, 3, 25.9));
    EXPECT_EQ(shared.fwi->bui, CalcFwiIndex(5, 72, 39, 300, 8, 25.5, 100, 3, 25.9));
}

TEST_F(FwiCalcFormTest, AcronymsPanelLeavesInputsAlone) {
    TypeKeys(form, "dmcYesterday", "6.");
    form.Click("acronyms");
    EXPECT_EQ(host.Panels(), std::vector<std::string>{FwiCalcForm::kAcronymsPanel});
    EXPECT_EQ(form.Text("dmcYesterday"), "6.");
}

}  // namespace
}  // namespace emberlin::forms
