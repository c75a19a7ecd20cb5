// A form whose fire is one fuel type, ignition type and site chosen by exclusive boxes, with
// two boxes naming where the settings came from: the defaults or the FBP calculator. The
// detection assessment and the fire behaviour by hour share it.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "forms/content/fuel_catalogue.h"
#include "forms/kit/form_model.h"
#include "forms/models/hand_over.h"

namespace emberlin::forms {

// The option group of the fuel boxes: one choice per fuel type, named by its code.
OptionGroup FuelTypeOptions(std::function<void(int)> select);

class FbpSettingsForm : public FormModel {
  public:
    static constexpr const char* kNoFbpMessage =
        "ERROR - You must RUN the FBP Calculator First in order to Create the Values";

    int SelectedFuelType() const { return settings_.fuelIndex; }
    IgnitionType Ignition() const { return settings_.ignition; }
    // The settings as last stored.
    const FbpSettings& Settings() const { return settings_; }

    // The "Default" box: every input back to its default.
    virtual void RestoreDefaults() = 0;
    // The "Settings from FBP Calculator" box.
    virtual void TakeFbpSettings() = 0;

  protected:
    FbpSettingsForm(std::string title, HandOver& shared, std::span<const FieldDeclaration> fields);

    // The fuel boxes, labelled by the catalogue's `label` column, in fuel index order.
    void AddFuelChecks(std::string_view FuelType::*label);
    // The boxes "Point", "Line", "Default" and "Settings from FBP Calculator", in that order.
    void AddIgnitionAndSourceChecks();
    // The option groups of the fuel and ignition boxes.
    void AddChoiceGroups();

    // The FBP calculator's settings for TakeFbpSettings; without them, says so, leaves both
    // source boxes off and gives null. With them, the source box shows what it held before the
    // click until the settings have filled the form.
    const FbpSettings* FbpSource();
    // Puts a fuel type and ignition in place and shows them and the settings source.
    void ShowChoices(int fuelIndex, IgnitionType ignition, bool defaultOn, bool fbpOn);
    void SetSettingsBoxes(bool defaultOn, bool fbpOn);

    HandOver& shared_;
    // Fuel type, ignition, date and site; the forms replace the weather and time.
    FbpSettings settings_;

  private:
    // A box's own choice is held at once; what is typed in the fields stays as typed.
    void SelectFuelType(int fuelIndex);
    void SelectIgnition(IgnitionType ignition);
    void SetFuelBoxes(int fuelIndex);
    void SetIgnitionBoxes(IgnitionType ignition);

    std::array<bool, kFuelCount> fuelBoxes_{};
    bool pointIgnition_ = true;
    bool lineIgnition_ = false;
    bool defaultSettings_ = true;
    bool fbpSettings_ = false;
};

}  // namespace emberlin::forms
