#include "forms/fuel_types_form.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "forms/dialog/recording_host.h"

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

// Every fuel button opens the window of its own fuel type and then describes that fuel type.
TEST_F(FuelTypesFormTest, EachButtonOpensItsOwnPictureWindowAndDescription) {
    struct Row {
        const char* buttonId;
        const char* label;
        const char* windowTitle;
        const char* titleLine;
    };
    const Row rows[] = {
        {"fuelC1", "C1", "  C1     Spruce-Lichen Woodland", "C1: Spruce-Lichen Woodland"},
        {"fuelC2", "C2", "  C2   Boreal Spruce", "C2: Boreal Spruce"},
        {"fuelC3", "C3", "  C3   Mature Jack or Lodgepole Pine",
         "C3: Mature Jack or Lodgepole Pine"},
        {"fuelC4", "C4", "  C4  - Immature Jack or Lodgepole Pine",
         "C4: Immature Jack or Lodgepole Pine"},
        {"fuelC5", "C5", "  C5   Read and White Pine", "C5: Red and White Pine"},
        {"fuelC6", "C6", "  C6   Conifer Plantation", "C6: Conifer Plantation"},
        {"fuelC7", "C7", "  C7   Ponderosa Pine / Douglas Fir", "C7: Ponderosa Pine / Douglas Fir"},
        {"fuelD1", "D1", "  D1  :   Leafless Aspen", "D1: Leafless Aspen"},
        {"fuelM1", "M1", "  M1  :  Boreal Mixedwood - Leafless", "M1: Boreal Mixedwood-Leafless"},
        {"fuelM2", "M2", "  M2  :  Boreal Mixedwood - Green", "M2: Boreal Mixedwood-Green"},
        {"fuelM3", "M3", "  M3  :  Dead Balsam Fir Mixedwood - Leafless",
         "M3: Dead Balsam Fir Mixedwood-Leafless"},
        {"fuelM4", "M4", "  M4  : Dead Balsam Fir Mixedwood - Green",
         "M4: Dead Balsam Fir Mixedwood-Green"},
        {"fuelS1", "S1", "  S1  :  Jack or Lodgepole Pine Slash",
         "S1: Jack or Lodgepole Pine Slash"},
        {"fuelS2", "S2", "  S2  : White Spruce - Balsam Fir Slash",
         "S2: White Spruce/Balsam Slash"},
        {"fuelS3", "S3", "  S3  -  Coastal Cedar - Hemlock - Douglas Fir Slash",
         "S3: Coastal Cedar/Hemlock/Douglas-Fir Slash"},
        {"fuelO1a", "O1a", "   O1a : Matted Grass", "O1a: Matted Grass"},
        {"fuelO1b", "O1b", "  O1b  :  Standing Grass", "O1b: Standing Grass"},
    };
    std::set<std::string> buttonsSeen;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        host.ClearEvents();
        EXPECT_TRUE(form.HasControl(row.buttonId));
        form.Click(row.buttonId);
        EXPECT_EQ(LastWindowTitle(), row.windowTitle);
        EXPECT_EQ(form.Text("description").rfind(std::string(row.titleLine) + " - ", 0), 0u);

        // The button a user reads as the label does the same.
        for (const Control* control : form.Controls()) {
            if (control->kind != ControlKind::Button || control->label != row.label) continue;
            buttonsSeen.insert(control->id);
            host.ClearEvents();
            form.Click(control->id);
            EXPECT_EQ(LastWindowTitle(), row.windowTitle);
        }
    }
    EXPECT_EQ(buttonsSeen.size(), 17u);
    // D2 has no button.
    EXPECT_FALSE(form.HasControl("fuelD2"));
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
