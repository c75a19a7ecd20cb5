// The FBP calculator: one fuel type and one set of conditions in, the FBP outputs out.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "fbp/fbp_records.h"
#include "forms/content/fuel_catalogue.h"
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

    // The texts of a calculation with the defaults above, shown before any calculation.
    std::string rosText_ = "11.09";
    std::string hfiText_ = "6824";
    std::string sfcText_ = "1.84";
    std::string tfcText_ = "2.50";
    std::string cfbText_ = "0.82";
    std::string fdText_ = "Intermittent Crown Fire";
    std::string frosText_ = "1.78";
    std::string brosText_ = "0.31";
    std::string ffiText_ = "809";
    std::string bfiText_ = "139";
    std::string areaText_ = "0.16";
    std::string perimeterText_ = "179.77";
    std::string pgrText_ = "25.10";
    std::string lbText_ = "3.20";
    std::string hsdText_ = "79.42";
    std::string fsdText_ = "12.75";
    std::string bsdText_ = "2.19";

    FbpInputs lastInputs_;
    FbpInputs shownFire_;
    std::optional<FbpOutputs> lastOutputs_;
};

}  // namespace emberlin::forms
