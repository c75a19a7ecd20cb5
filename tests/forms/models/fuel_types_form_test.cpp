#include "forms/models/fuel_types_form.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "forms/kit/recording_host.h"

namespace emberlin::forms {
namespace {

class FuelTypesFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form.AttachHost(host);
        form.Open();
    }
    // The title of the picture window the last click opened.
    std::string LastWindowTitle() {
        const std::vector<std::string> panels = host.Panels();
        if (panels.empty()) return "(no window)";
        return form.PictureWindow(panels.back()).Title();
    }
    FuelTypesForm form;
    RecordingHost host;
};

// Every fuel button opens the window of its own fuel type and then describes that fuel type;
// the one button a user reads as the fuel's code does the same.
struct FuelButton {
    const char* buttonId;
    const char* label;
    const char* windowTitle;
    const char* titleLine;
};

void PrintTo(const FuelButton& row, std::ostream* out) { *out << row.label; }

class FuelTypesButtons : public FuelTypesFormTest,
                         public ::testing::WithParamInterface<FuelButton> {};

TEST_P(FuelTypesButtons, OpenTheirOwnPictureWindowAndDescription) {
    const FuelButton& row = GetParam();
    ASSERT_TRUE(form.HasControl(row.buttonId));
    form.Click(row.buttonId);
    EXPECT_EQ(LastWindowTitle(), row.windowTitle);
    EXPECT_EQ(form.Text("description").rfind(std::string(row.titleLine) + " - ", 0), 0u);

    std::vector<std::string> labelled;
    for (const Control* control : form.Controls()) {
        if (control->kind == ControlKind::Button && control->label == row.label) {
            labelled.push_back(control->id);
        }
    }
    ASSERT_EQ(labelled.size(), 1u);
    host.ClearEvents();
    form.Click(labelled[0]);
    EXPECT_EQ(LastWindowTitle(), row.windowTitle);
}

INSTANTIATE_TEST_SUITE_P(
    FuelTypesFormTest, FuelTypesButtons,
    ::testing::Values(
        FuelButton{"fuelC1", "C1", "  C1     Spruce-Lichen Woodland", "C1: Spruce-Lichen Woodland"},
        FuelButton{"fuelC2", "C2", "  C2   Boreal Spruce", "C2: Boreal Spruce"},
        FuelButton{"fuelC3", "C3", "  C3   Mature Jack or Lodgepole Pine",
                   "C3: Mature Jack or Lodgepole Pine"},
        FuelButton{"fuelC4", "C4", "  C4  - Immature Jack or Lodgepole Pine",
                   "C4: Immature Jack or Lodgepole Pine"},
        FuelButton{"fuelC5", "C5", "  C5   Read and White Pine", "C5: Red and White Pine"},
        FuelButton{"fuelC6", "C6", "  C6   Conifer Plantation", "C6: Conifer Plantation"},
        FuelButton{"fuelC7", "C7", "  C7   Ponderosa Pine / Douglas Fir",
                   "C7: Ponderosa Pine / Douglas Fir"},
        FuelButton{"fuelD1", "D1", "  D1  :   Leafless Aspen", "D1: Leafless Aspen"},
        FuelButton{"fuelM1", "M1", "  M1  :  Boreal Mixedwood - Leafless",
                   "M1: Boreal Mixedwood-Leafless"},
        FuelButton{"fuelM2", "M2", "  M2  :  Boreal Mixedwood - Green",
                   "M2: Boreal Mixedwood-Green"},
        FuelButton{"fuelM3", "M3", "  M3  :  Dead Balsam Fir Mixedwood - Leafless",
                   "M3: Dead Balsam Fir Mixedwood-Leafless"},
        FuelButton{"fuelM4", "M4", "  M4  : Dead Balsam Fir Mixedwood - Green",
                   "M4: Dead Balsam Fir Mixedwood-Green"},
        FuelButton{"fuelS1", "S1", "  S1  :  Jack or Lodgepole Pine Slash",
                   "S1: Jack or Lodgepole Pine Slash"},
        FuelButton{"fuelS2", "S2", "  S2  : White Spruce - Balsam Fir Slash",
                   "S2: White Spruce/Balsam Slash"},
        FuelButton{"fuelS3", "S3", "  S3  -  Coastal Cedar - Hemlock - Douglas Fir Slash",
                   "S3: Coastal Cedar/Hemlock/Douglas-Fir Slash"},
        FuelButton{"fuelO1a", "O1a", "   O1a : Matted Grass", "O1a: Matted Grass"},
        FuelButton{"fuelO1b", "O1b", "  O1b  :  Standing Grass", "O1b: Standing Grass"}),
    [](const ::testing::TestParamInfo<FuelButton>& row) { return std::string(row.param.label); });

// D2 has no button: seventeen fuel types have one.
TEST_F(FuelTypesFormTest, EveryFuelTypeButD2HasAButton) {
    EXPECT_FALSE(form.HasControl("fuelD2"));
    std::set<std::string> fuelButtons;
    for (const Control* control : form.Controls()) {
        if (control->kind == ControlKind::Button && control->id.starts_with("fuel")) {
            fuelButtons.insert(control->id);
        }
    }
    EXPECT_EQ(fuelButtons.size(), 17u);
}

TEST_F(FuelTypesFormTest, DescriptionFillsOnlyAfterThePictureWindowClosesByEitherButton) {
    EXPECT_EQ(form.Text("description"), "");
    struct Case {
        const char* fuelButton;
        const char* picture;
        const char* closeWith;
        const char* titleLine;
    };
    std::string before;
    for (Case c : {Case{"fuelC6", "fuel_c6", "cancel", "C6: Conifer Plantation"},
                   Case{"fuelO1a", "fuel_o1a", "ok", "O1a: Matted Grass"},
                   Case{"fuelO1b", "fuel_o1b", "cancel", "O1b: Standing Grass"}}) {
        SCOPED_TRACE(c.fuelButton);
        RecordingHost pictureHost;
        PictureWindowForm& picture = form.PictureWindow(c.picture);
        picture.AttachHost(pictureHost);
        bool shown = false;
        host.OnPanel(c.picture, [&] {
            shown = true;
            EXPECT_EQ(form.Text("description"), before);
            picture.Click(c.closeWith);
            EXPECT_TRUE(pictureHost.Closed());
        });
        form.Click(c.fuelButton);
        picture.DetachHost();
        EXPECT_TRUE(shown);
        EXPECT_EQ(form.Text("description").rfind(std::string(c.titleLine) + " - ", 0), 0u);
        before = form.Text("description");
    }
}

TEST_F(FuelTypesFormTest, DescriptionsAreOneParagraphOfKeyLengthAndGrassIsSharedByBothSubtypes) {
    std::set<std::string_view> paragraphs;
    for (const FuelType& entry : GalleryFuelTypes()) {
        SCOPED_TRACE(std::string(entry.code));
        EXPECT_GE(entry.paragraph.size(), 300u);
        EXPECT_LE(entry.paragraph.size(), 1600u);
        EXPECT_EQ(entry.paragraph.find('\n'), std::string_view::npos);
        EXPECT_EQ(entry.paragraph.front(), std::toupper(entry.paragraph.front()));
        EXPECT_EQ(entry.paragraph.back(), '.');
        EXPECT_EQ(FuelTypeDescription(entry),
                  std::string(entry.titleLine) + " - " + std::string(entry.paragraph));
        paragraphs.insert(entry.paragraph);
    }
    // Sixteen different stands: only O1b repeats a paragraph, that of O1a.
    EXPECT_EQ(paragraphs.size(), 16u);
    const auto entries = GalleryFuelTypes();
    EXPECT_EQ(entries[15].code, "O1a");
    EXPECT_EQ(entries[16].code, "O1b");
    EXPECT_EQ(entries[15].paragraph, entries[16].paragraph);
}

TEST_F(FuelTypesFormTest, TheLastDescriptionStaysAcrossClosingAndReopening) {
    form.Click("fuelS3");
    const std::string s3 = form.Text("description");
    form.Click("cancel");
    EXPECT_TRUE(host.Closed());
    EXPECT_FALSE(host.Accepted());
    form.Open();
    EXPECT_EQ(form.Text("description"), s3);
    EXPECT_FALSE(form.TypeText("description", "edited"));

    host.ClearEvents();
    form.Click("ok");
    EXPECT_TRUE(host.Accepted());
    form.Open();
    EXPECT_EQ(form.Text("description"), s3);
}

}  // namespace
}  // namespace emberlin::forms
