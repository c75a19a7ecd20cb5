// The FBP calculator: one fuel type and one set of conditions in, the FBP outputs out.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "fbp/fbp_records.h"
#include "forms/content/fuel_catalogue.h"
#include "forms/fields/result_columns.h"
#include "forms/kit/form_model.h"
#include "forms/models/hand_over.h"

namespace emberlin::forms {

class FbpCalcForm : public FormModel {
  public:
    static constexpr const char* kAcronymsPanel = "fbpAcronyms";

    explicit FbpCalcForm(HandOver& shared);

    // Row of FuelTypeTable now selected.
    int FuelIndex() const { return settings_.fuelIndex; }
    IgnitionType Ignition() const { return settings_.ignition; }
    // The settings as last stored.
    const FbpSettings& Settings() const { return settings_; }
    // The record sent to the engine by the last Calculate that computed (none before).
    const FbpInputs& LastInputs() const { return lastInputs_; }

    // The record of the results on screen: the last Calculate's, or before any, that of the
    // first display's values (what the fire shape beside them draws).
    const FbpInputs& ShownFire() const { return shownFire_; }

    // The engine's outputs of the last Calculate that computed (none before).
    const std::optional<FbpOutputs>& LastOutputs() const { return lastOutputs_; }

    void Calculate();

  private:
    void ChooseFuel(int fuelIndex);
    void ChooseIgnition(IgnitionType ignition);
    // The choices alone, computing nothing.
    void SelectFuel(int fuelIndex);
    void SelectIgnition(IgnitionType ignition);
    void WriteOutputs(const FbpOutputs& out);

    HandOver& shared_;

    FbpSettings settings_;
    std::array<bool, kFuelCount> fuelChecks_{};  // exactly one is on: the chosen fuel's box
    bool pointIgnition_ = true;
    bool lineIgnition_ = false;

    // The result fields' texts, in FbpCalcResults order.
    std::array<std::string, kFbpResultCount> resultTexts_;

    FbpInputs lastInputs_;
    FbpInputs shownFire_;
    std::optional<FbpOutputs> lastOutputs_;
};

}  // namespace emberlin::forms
