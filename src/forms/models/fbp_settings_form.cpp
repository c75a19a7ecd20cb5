#include "forms/models/fbp_settings_form.h"

#include <utility>

namespace emberlin::forms {

OptionGroup FuelTypeOptions(std::function<void(int)> select) {
    OptionGroup fuels{"fuelType", "Fuel type", {}, [select = std::move(select)](std::size_t i) {
                          select(static_cast<int>(i));
                      }};
    for (int i = 0; i < kFuelCount; ++i) {
        fuels.choices.push_back({std::string(CatalogueFuel(i).code), FuelBoxId(i)});
    }
    return fuels;
}

FbpSettingsForm::FbpSettingsForm(std::string title, HandOver& shared,
                                 std::span<const FieldDeclaration> fields)
    : FormModel(std::move(title), fields), shared_(shared) {
    fuelBoxes_[static_cast<std::size_t>(settings_.fuelIndex)] = true;
}

void FbpSettingsForm::AddFuelChecks(std::string_view FuelType::*label) {
    for (const FuelType& fuel : FuelCatalogue()) {
        const int i = fuel.index;
        AddCheck(std::string(fuel.buttonId), std::string(fuel.*label),
                 fuelBoxes_[static_cast<std::size_t>(i)], [this, i] { SelectFuelType(i); });
    }
}

void FbpSettingsForm::AddIgnitionAndSourceChecks() {
    AddCheck("pointIgnition", "Point", pointIgnition_,
             [this] { SelectIgnition(IgnitionType::Point); });
    AddCheck("lineIgnition", "Line", lineIgnition_, [this] { SelectIgnition(IgnitionType::Line); });
    AddCheck("defaultSettings", "Default", defaultSettings_, [this] { RestoreDefaults(); });
    AddCheck("fbpSettings", "Settings from FBP Calculator", fbpSettings_,
             [this] { TakeFbpSettings(); });
}

void FbpSettingsForm::AddChoiceGroups() {
    AddOptionGroup(FuelTypeOptions([this](int i) { SelectFuelType(i); }));
    AddOptionGroup({"ignition",
                    "Ignition",
                    {{"point", "pointIgnition"}, {"line", "lineIgnition"}},
                    [this](std::size_t i) {
                        SelectIgnition(i == 0 ? IgnitionType::Point : IgnitionType::Line);
                    }});
}

const FbpSettings* FbpSettingsForm::FbpSource() {
    if (!shared_.fbp) {
        Message(kNoFbpMessage);
        SetSettingsBoxes(false, false);
        return nullptr;
    }
    // The click has already toggled the box.
    SetChecked("fbpSettings", fbpSettings_);
    return &*shared_.fbp;
}

void FbpSettingsForm::ShowChoices(int fuelIndex, IgnitionType ignition, bool defaultOn,
                                  bool fbpOn) {
    settings_.fuelIndex = fuelIndex;
    settings_.ignition = ignition;
    SetFuelBoxes(fuelIndex);
    SetIgnitionBoxes(ignition);
    SetSettingsBoxes(defaultOn, fbpOn);
}

void FbpSettingsForm::SetFuelBoxes(int fuelIndex) {
    for (int i = 0; i < kFuelCount; ++i) {
        fuelBoxes_[static_cast<std::size_t>(i)] = i == fuelIndex;
        SetChecked(FuelBoxId(i), i == fuelIndex);
    }
}

void FbpSettingsForm::SetIgnitionBoxes(IgnitionType ignition) {
    pointIgnition_ = ignition == IgnitionType::Point;
    lineIgnition_ = ignition == IgnitionType::Line;
    SetChecked("pointIgnition", pointIgnition_);
    SetChecked("lineIgnition", lineIgnition_);
}

void FbpSettingsForm::SetSettingsBoxes(bool defaultOn, bool fbpOn) {
    defaultSettings_ = defaultOn;
    fbpSettings_ = fbpOn;
    SetChecked("defaultSettings", defaultOn);
    SetChecked("fbpSettings", fbpOn);
}

void FbpSettingsForm::SelectFuelType(int fuelIndex) {
    settings_.fuelIndex = fuelIndex;
    SetFuelBoxes(fuelIndex);
    SetSettingsBoxes(false, false);
}

void FbpSettingsForm::SelectIgnition(IgnitionType ignition) {
    settings_.ignition = ignition;
    SetIgnitionBoxes(ignition);
    SetSettingsBoxes(false, false);
}

}  // namespace emberlin::forms
