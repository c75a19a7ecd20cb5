#include "forms/models/fire_examples_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/kit/recording_host.h"

namespace emberlin::forms {
namespace {

const std::vector<std::string> kNumberIds = {"temperature", "relativeHumidity",
                                             "windSpeed",   "daysSinceRain",
                                             "ffmc",        "dmc",
                                             "dc",          "isi",
                                             "bui",         "fwi",
                                             "headRos",     "hfi",
                                             "tfc"};

// The id of the button a user reads as `label`.
std::string ButtonLabelled(const FormModel& form, const std::string& label) {
    for (const Control* control : form.Controls()) {
        if (control->kind == ControlKind::Button && control->label == label) return control->id;
    }
    ADD_FAILURE() << "no button labelled '" << label << "'";
    return {};
}

class FireExamplesFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form.AttachHost(host);
        form.Open();
    }
    FireExamplesForm form;
    RecordingHost host;
};

TEST_F(FireExamplesFormTest, BeforeAnyExampleNumbersShowZeroTextsAreEmptyAndNothingIsTypable) {
    for (const std::string& id : kNumberIds) EXPECT_EQ(form.Text(id), "0") << id;
    EXPECT_EQ(form.Text("typeOfFire"), "");
    EXPECT_EQ(form.Text("description"), "");
    for (const std::string& id : kNumberIds) EXPECT_FALSE(form.TypeText(id, "5")) << id;
    EXPECT_FALSE(form.TypeText("description", "x"));
    EXPECT_EQ(form.Text("ffmc"), "0");
}

// "FWI   9", its photograph window closed by one of its buttons: the fields keep their old
// values while the photograph is up and show the example exactly once it has closed.
class FireExamplesClose : public FireExamplesFormTest,
                          public ::testing::WithParamInterface<const char*> {};

TEST_P(FireExamplesClose, FieldsChangeOnlyAfterThePhotographCloses) {
    const char* closeWith = GetParam();
    // Start from another example so that a change is visible.
    form.Click(ButtonLabelled(form, "FWI   34"));
    ASSERT_EQ(form.Text("ffmc"), "93.7");

    RecordingHost photoHost;
    PictureWindowForm& photo = form.PictureWindow("fire_fwi09");
    photo.AttachHost(photoHost);
    bool shown = false;
    host.OnPanel("fire_fwi09", [&] {
        shown = true;
        EXPECT_EQ(form.Text("ffmc"), "93.7");
        EXPECT_EQ(form.Text("typeOfFire"), "FWI 34 - Developing active crown fire");
        photo.Click(closeWith);
        EXPECT_TRUE(photoHost.Closed());
        EXPECT_EQ(photoHost.Accepted(), std::string(closeWith) == "ok");
    });
    host.ClearEvents();
    form.Click(ButtonLabelled(form, "FWI   9"));
    host.OnPanel("fire_fwi09", {});
    photo.DetachHost();

    EXPECT_TRUE(shown);
    EXPECT_EQ(host.Panels(), std::vector<std::string>{"fire_fwi09"});
    const std::vector<std::string> expected = {"26.5", "48", "6.3", "2",   "88.7", "15", "143",
                                               "4.9",  "24", "8.5", "0.6", "190",  "1"};
    for (std::size_t i = 0; i < kNumberIds.size(); ++i) {
        EXPECT_EQ(form.Text(kNumberIds[i]), expected[i]) << kNumberIds[i];
    }
    EXPECT_EQ(form.Text("typeOfFire"), "FWI 9 - Creeping surface fire");
    EXPECT_FALSE(host.Closed());
}

INSTANTIATE_TEST_SUITE_P(FireExamplesFormTest, FireExamplesClose, ::testing::Values("ok", "cancel"),
                         [](const ::testing::TestParamInfo<const char*>& row) {
                             return std::string(row.param);
                         });

// Each button opens its own photograph window and shows its own fire, texts exactly as
// recorded (leading and trailing blanks included) and numbers without trailing zeros.
struct ExampleRow {
    const char* name;
    const char* button;
    const char* windowTitle;
    const char* typeOfFire;
    const char* fwi;
    const char* temperature;
    const char* tfc;
    std::size_t leadingBlanks;
    std::size_t trailingBlanks;
    const char* descriptionStart;
};

void PrintTo(const ExampleRow& row, std::ostream* out) { *out << row.name; }

class FireExamplesButtons : public FireExamplesFormTest,
                            public ::testing::WithParamInterface<ExampleRow> {};

TEST_P(FireExamplesButtons, ShowTheirOwnPhotographAndFire) {
    const ExampleRow& row = GetParam();
    form.Click(ButtonLabelled(form, row.button));
    ASSERT_EQ(host.Panels().size(), 1u);
    EXPECT_EQ(form.PictureWindow(host.Panels()[0]).Title(), row.windowTitle);
    EXPECT_EQ(form.Text("typeOfFire"), row.typeOfFire);
    EXPECT_EQ(form.Text("fwi"), row.fwi);
    EXPECT_EQ(form.Text("temperature"), row.temperature);
    EXPECT_EQ(form.Text("tfc"), row.tfc);
    const std::string& description = form.Text("description");
    EXPECT_EQ(description.rfind(row.descriptionStart, 0), 0u) << description;
    const std::size_t lead = description.find_first_not_of(' ');
    const std::size_t trail = description.size() - 1 - description.find_last_not_of(' ');
    EXPECT_EQ(lead, row.leadingBlanks);
    EXPECT_EQ(trail, row.trailingBlanks);
}

INSTANTIATE_TEST_SUITE_P(
    FireExamplesFormTest, FireExamplesButtons,
    ::testing::Values(ExampleRow{"fwi_9", "FWI   9", " Example of Fire Behaviour - FWI 9",
                                 "FWI 9 - Creeping surface fire", "8.5", "26.5", "1", 0, 1,
                                 "Fire spread readily across litter and Cladonia"},
                      ExampleRow{"fwi_14", "FWI  14", "Example of Fire Behaviour - FWI 14",
                                 "FWI 14 - Low vigor surface fire", "13.7", "24.5", "2", 1, 0,
                                 " Spread was slow."},
                      ExampleRow{"fwi_15", "FWI   15", "Example of Fire Behaviour - FWI 15",
                                 "FWI 15 - Low vigor surface fire", "15.3", "27", "2.39", 0, 1,
                                 "Fire spread was slow but steady."},
                      ExampleRow{"fwi_17", "FWI   17", "Example of Fire Behaviour - FWI 17",
                                 "FWI 17 - Moderately vigorous surface fire", "16.8", "29", "1.54",
                                 0, 2, "Fire spread was steady."},
                      ExampleRow{"fwi_20", "FWI   20", "Example of Fire Behaviour - FWI 20",
                                 "FWI 20 - Moderately vigorous surface fire", "19.9", "23", "2.02",
                                 1, 0, " Spread was moderately fast"},
                      ExampleRow{"fwi_24", "FWI   24", "Example of Fire Behaviour - FWI 24",
                                 "FWI 24 - Very intense surface fire", "24.1", "31", "1.86", 0, 2,
                                 "Greater fire intensity was apparent"},
                      ExampleRow{"fwi_34", "FWI   34", "Example of Fire Behaviour - FWI 34",
                                 "FWI 34 - Developing active crown fire", "34", "30.5", "3.92", 0,
                                 1, "A crown fire developed almost immediately."}),
    [](const ::testing::TestParamInfo<ExampleRow>& row) { return std::string(row.param.name); });

TEST_F(FireExamplesFormTest, ClosingKeepsTheLastExampleForTheNextOpening) {
    form.Click(ButtonLabelled(form, "FWI   24"));
    form.Click("cancel");
    EXPECT_TRUE(host.Closed());
    EXPECT_FALSE(host.Accepted());
    form.Open();
    EXPECT_EQ(form.Text("hfi"), "1900");
    EXPECT_EQ(form.Text("typeOfFire"), "FWI 24 - Very intense surface fire");

    host.ClearEvents();
    form.Click("ok");
    EXPECT_TRUE(host.Closed());
    EXPECT_TRUE(host.Accepted());
    EXPECT_TRUE(host.Messages().empty());
    form.Open();
    EXPECT_EQ(form.Text("isi"), "10.9");
    EXPECT_EQ(form.Text("description").substr(form.Text("description").size() - 3), ".  ");
}

}  // namespace
}  // namespace emberlin::forms
