// The refusals that several forms share, and the form's own order checks: a date no month has,
// a clock time with minutes past 59, thresholds out of order. Each row types into a fresh form
// with the diurnal hours published, presses Calculate and reads the message, the focused field
// and whether results appeared.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "forms/kit/recording_host.h"
#include "forms/models/detection_form.h"
#include "forms/models/diurnal_form.h"
#include "forms/models/fbp_calc_form.h"
#include "forms/models/fire_by_hour_form.h"
#include "forms/models/fuel_projection_form.h"
#include "support/diurnal_day.h"

namespace emberlin::forms {
namespace {

enum class Which { Fbp, Diurnal, Detection, Projection, FireByHour };

std::unique_ptr<FormModel> MakeForm(Which which, HandOver& shared) {
    switch (which) {
        case Which::Fbp:
            return std::make_unique<FbpCalcForm>(shared);
        case Which::Diurnal:
            return std::make_unique<DiurnalForm>(shared);
        case Which::Detection:
            return std::make_unique<DetectionForm>(shared);
        case Which::Projection:
            return std::make_unique<FuelProjectionForm>(shared);
        case Which::FireByHour:
            return std::make_unique<FireByHourForm>(shared);
    }
    return nullptr;
}

struct RefusalRow {
    const char* name;
    Which form;
    std::vector<std::pair<const char*, const char*>> typed;
    const char* message;  // "" when the calculation goes ahead
    const char* focus = "";
};

void PrintTo(const RefusalRow& row, std::ostream* out) { *out << row.name; }

class FormRefusals : public ::testing::TestWithParam<RefusalRow> {};

TEST_P(FormRefusals, CalculateRefusesNamingTheFieldOrComputes) {
    const RefusalRow& row = GetParam();
    HandOver shared;
    ASSERT_TRUE(testing_support::PublishDiurnalDay(shared));
    std::unique_ptr<FormModel> form = MakeForm(row.form, shared);
    RecordingHost host;
    form->AttachHost(host);
    form->Open();
    for (const auto& [id, text] : row.typed) TypeKeys(*form, id, text);
    EXPECT_TRUE(host.Warnings().empty()) << "each typed value lies within its field's range";
    form->Click("calculate");
    if (std::string(row.message).empty()) {
        EXPECT_TRUE(host.Messages().empty());
        EXPECT_TRUE(form->HoldsComputedResults());
        EXPECT_FALSE(form->ResultsStale());
        return;
    }
    EXPECT_EQ(host.Messages(), std::vector<std::string>{row.message});
    EXPECT_EQ(host.FocusedControl(), row.focus);
    EXPECT_FALSE(form->HoldsComputedResults());
    // The screen keeps what was typed.
    for (const auto& [id, text] : row.typed) EXPECT_EQ(form->Text(id), text) << id;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Forms, FormRefusals,
    ::testing::Values(
        RefusalRow{"fbp_february_31", Which::Fbp, {{"month", "2"}, {"day", "31"}}, "Day: Please enter a day between 1 and 29 for February.", "day"},
        RefusalRow{"fbp_february_30", Which::Fbp, {{"month", "2"}, {"day", "30"}}, "Day: Please enter a day between 1 and 29 for February.", "day"},
        RefusalRow{"fbp_february_29", Which::Fbp, {{"month", "2"}, {"day", "29"}}, ""},
        RefusalRow{"fbp_april_31", Which::Fbp, {{"month", "4"}, {"day", "31"}}, "Day: Please enter a day between 1 and 30 for April.", "day"},
        RefusalRow{"fbp_may_31", Which::Fbp, {{"month", "5"}, {"day", "31"}}, ""},
        RefusalRow{"diurnal_june_31", Which::Diurnal, {{"day", "31"}, {"month", "6"}}, "Day: Please enter a day between 1 and 30 for June.", "day"},
        RefusalRow{"diurnal_february_29", Which::Diurnal, {{"day", "29"}, {"month", "2"}}, ""},
        RefusalRow{"detection_september_31", Which::Detection, {{"month", "9"}, {"day", "31"}}, "Day: Please enter a day between 1 and 30 for September.", "day"},
        RefusalRow{"detection_start_1475", Which::Detection, {{"fireStartTime", "1475"}}, "Fire Start Time: Please enter a clock time from 0000 to 2400, with minutes 00 to 59.", "fireStartTime"},
        RefusalRow{"detection_start_1459", Which::Detection, {{"fireStartTime", "1459"}}, ""},
        RefusalRow{"projection_november_31", Which::Projection, {{"month", "11"}, {"day", "31"}}, "Day: Please enter a day between 1 and 30 for November.", "day"},
        RefusalRow{"projection_december_31", Which::Projection, {{"month", "12"}, {"day", "31"}}, ""},
        RefusalRow{"by_hour_february_30", Which::FireByHour, {{"month", "2"}, {"day", "30"}}, "Day: Please enter a day between 1 and 29 for February.", "day"},
        RefusalRow{"by_hour_threshold_2_below_1", Which::FireByHour, {{"threshold1", "5000"}, {"threshold2", "4999"}}, "Threshold 2 (kW/m): Please enter a Threshold 2 (kW/m) at or above Threshold 1 (kW/m).", "threshold2"},
        RefusalRow{"by_hour_thresholds_equal", Which::FireByHour, {{"threshold1", "5000"}, {"threshold2", "5000"}}, ""},
        RefusalRow{"by_hour_thresholds_both_0", Which::FireByHour, {{"threshold1", "0"}, {"threshold2", "0"}}, ""}),
    [](const ::testing::TestParamInfo<RefusalRow>& row) { return std::string(row.param.name); });
// clang-format on

}  // namespace
}  // namespace emberlin::forms
