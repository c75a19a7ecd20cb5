// The FBP calculator: one fuel type and one set of conditions in, the FBP outputs out.
#pragma once

#include <array>
#include <string>

#include "common/shared_values.h"
#include "fbp/fbp_records.h"
#include "forms/dialog/form_model.h"

namespace emberlin::forms {

class FbpCalcForm : public FormModel {
  public:
    static constexpr const char* kAcronymsPanel = "fbpAcronyms";
    static constexpr int kFuelCount = static_cast<int>(FuelTypeTable.size());

    explicit FbpCalcForm(SharedValues& shared);

    // The id of the box of fuel index 0..17 ("fuelC1" .. "fuelO1b").
    static std::string FuelBoxId(int fuelIndex);

    // Row of FuelTypeTable now selected.
    int FuelIndex() const { return fuelIndex_; }
    // 1 = point, 0 = line.
    int IgnitionType() const { return ignitionType_; }
    // The record sent to the engine by the last Calculate that computed (none before).
    const FbpInputs& LastInputs() const { return lastInputs_; }

    void Calculate();

    // The record a Calculate would send for the values now held (the first display's
    // outputs are those of this record with the initial values).
    FbpInputs HeldInputs() const;

  private:
    void ChooseFuel(int fuelIndex);
    void ChooseIgnition(int ignitionType);
    FbpInputs EngineInputs() const;
    void WriteOutputs(const FbpOutputs& out);

    SharedValues& shared_;

    int fuelIndex_ = kC2;
    std::array<bool, 18> fuelChecks_{};  // exactly one is on: the box of fuelIndex_
    int ignitionType_ = 1;
    bool pointIgnition_ = true;
    bool lineIgnition_ = false;

    int pc_ = 50;
    int df_ = 50;  // percent dead balsam fir
    int gc_ = 85;
    double gfl_ = 0.3;
    int month_ = 7;
    int day_ = 15;
    double ffmc_ = 87;
    double bui_ = 40;
    double latitude_ = 55;
    double longitude_ = -110;  // negative west, as entered
    double windSpeed_ = 25;
    double windDirection_ = 0;
    double slope_ = 0;
    double aspect_ = 0;
    int elevation_ = 0;
    int elapsedTime_ = 15;

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
};

// The fire description of a crown fraction burned, as the FD field words it.
std::string FireDescription(double cfb);

}  // namespace emberlin::forms
