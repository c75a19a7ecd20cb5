#include "forms/models/fire_examples_form.h"

#include <array>
#include <limits>

namespace emberlin::forms {

namespace {

// The texts are kept exactly as recorded, leading and trailing blanks included.
constexpr std::array<FireExample, 7> kExamples = {{
    // button id, label, photograph, photograph window title
    //  temp  RH  wind days  FFMC  DMC   DC   ISI  BUI   FWI  ROS   HFI   TFC
    // type of fire, description
    {"exampleFwi9", "FWI   9", "fire_fwi09", " Example of Fire Behaviour - FWI 9", 26.5, 48, 6.3, 2,
     88.7, 15, 143, 4.9, 24, 8.5, 0.6, 190, 1, "FWI 9 - Creeping surface fire",
     "Fire spread readily across litter and Cladonia when pushed by small gusts of wind. Flames "
     "exceeded a few centimeters in height only in the occasional small concentrations of woody "
     "fuels and in the lowest, lichen-covered dead branches of a few young trees. "},
    {"exampleFwi14", "FWI  14", "fire_fwi14", "Example of Fire Behaviour - FWI 14", 24.5, 45, 14.8,
     3, 89.0, 18, 151, 7.8, 28, 13.7, 1.0, 620, 2, "FWI 14 - Low vigor surface fire",
     " Spread was slow. Flames were generally less than 0.6 m high, but brief flare-ups occurred "
     "in occasional patches of fine dead fuels, low shrubs, and small pines. Some very short range "
     "spotting occurred just ahead of the fire front. Fire frequently ran to the tops of the pines "
     "in the abundant tree lichens and bark flakes, but almost never involved other aerial fuels."},
    {"exampleFwi15", "FWI   15", "fire_fwi15", "Example of Fire Behaviour - FWI 15", 27.0, 39, 8.5,
     6, 90.3, 28, 214, 6.9, 42, 15.3, 0.9, 670, 2.39, "FWI 15 - Low vigor surface fire",
     "Fire spread was slow but steady. Flames were generally less than 0.6 m high. A few trees "
     "torched, and one spot fire occurred within the unit. "},
    {"exampleFwi17", "FWI   17", "fire_fwi17", "Example of Fire Behaviour - FWI 17", 29.0, 40, 8.5,
     7, 90.6, 31, 222, 7.2, 46, 16.8, 2.0, 950, 1.54, "FWI 17 - Moderately vigorous surface fire",
     "Fire spread was steady. Fire frequently burned into the crowns, using tree lichens and bark "
     "flakes as ladder fuels. Occasionally, enough heat was generated to torch out the green "
     "foliage. Short-range spotting occurred around hot spots.  "},
    {"exampleFwi20", "FWI   20", "fire_fwi20", "Example of Fire Behaviour - FWI 20", 23.0, 46, 8.5,
     10, 90.9, 43, 246, 7.5, 60, 19.9, 2.0, 1230, 2.02, "FWI 20 - Moderately vigorous surface fire",
     " Spread was moderately fast where exposure to wind was greatest. Limited crowning occurred "
     "in one quarter of the unit, but elsewhere steady surface fire prevailed. Numerous small spot "
     "fires developed just outside the downwind side of the unit, and there was one long-range "
     "spot fire 140 m away."},
    {"exampleFwi24", "FWI   24", "fire_fwi24", "Example of Fire Behaviour - FWI 24", 31.0, 26, 8.5,
     8, 93.6, 36, 231, 10.9, 52, 24.1, 3.4, 1900, 1.86, "FWI 24 - Very intense surface fire",
     "Greater fire intensity was apparent from taller flames and faster spread immediately upon "
     "ignition. Torching of crowns was common. Every case of torching resulted in abundant spot "
     "fires, which considerably increased the spread rate over that attained through continuous "
     "spread in surface fuel.  "},
    {"exampleFwi34", "FWI   34", "fire_fwi34", "Example of Fire Behaviour - FWI 34", 30.5, 33, 16.9,
     9, 93.7, 41, 239, 16.9, 57, 34.0, 6.1, 7460, 3.92, "FWI 34 - Developing active crown fire",
     "A crown fire developed almost immediately. Flames were about 30 m high, 10 m higher than "
     "the trees. Spotting and high fire intensity resulted in a small, quickly controlled "
     "escape. "},
}};

}  // namespace

std::span<const FireExample> FireExamples() { return kExamples; }

FireExamplesForm::FireExamplesForm() : PictureGalleryForm("Examples of Fire Behavior") {
    // Every field is read-only: the form shows reference data and takes no input, so the
    // fields accept any value their type holds.
    auto number = [this](const char* id, const char* label, double& member) {
        AddDouble(id, label, member, std::numeric_limits<double>::lowest(),
                  std::numeric_limits<double>::max())
            .readOnly = true;
    };
    auto integer = [this](const char* id, const char* label, int& member) {
        AddInt(id, label, member, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())
            .readOnly = true;
    };
    number("temperature", "Temperature ( deg C )", temperature_);
    integer("relativeHumidity", "Relative Humidity   ( % )", relativeHumidity_);
    number("windSpeed", "Wind Speed   ( km/hr )", windSpeed_);
    integer("daysSinceRain", "Days Since Rain", daysSinceRain_);
    number("ffmc", "FFMC", ffmc_);
    number("dmc", "DMC", dmc_);
    number("dc", "DC", dc_);
    number("isi", "ISI", isi_);
    number("bui", "BUI", bui_);
    number("fwi", "FWI", fwi_);
    number("headRos", "Head ROS  (m/min)", headRos_);
    number("hfi", "HFI   ( kW/m )", hfi_);
    number("tfc", "TFC   ( kg/m2 )", tfc_);
    AddText("typeOfFire", "Type of Fire", typeOfFire_);
    AddText("description", "Desciption of Fire Behaviour", description_);

    for (const FireExample& example : kExamples) {
        AddPictureButton(example.buttonId, example.button, example.photoTitle, example.pictureName,
                         [this, &example] { ChooseExample(example); });
    }
    AddOkCancel();
}

void FireExamplesForm::ChooseExample(const FireExample& example) {
    typeOfFire_ = example.typeOfFire;
    description_ = example.description;
    temperature_ = example.temperature;
    relativeHumidity_ = example.relativeHumidity;
    windSpeed_ = example.windSpeed;
    daysSinceRain_ = example.daysSinceRain;
    ffmc_ = example.ffmc;
    dmc_ = example.dmc;
    dc_ = example.dc;
    isi_ = example.isi;
    bui_ = example.bui;
    fwi_ = example.fwi;
    headRos_ = example.headRos;
    hfi_ = example.hfi;
    tfc_ = example.tfc;
    Show();
}

}  // namespace emberlin::forms
