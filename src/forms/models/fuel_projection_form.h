// The projection by fuel type: one set of weather, site and elapsed time run through all
// eighteen FBP fuel types, one fixed-width row each.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "fbp/fbp_records.h"
#include "forms/exports/result_table.h"
#include "forms/kit/form_model.h"
#include "forms/models/projection_rows.h"

namespace emberlin::forms {

// The row of fuel type `fuelIndex` from the engine's outputs, and its grid cells.
FormattedRow FormatFuelProjectionRow(int fuelIndex, const FbpOutputs& out);

class FuelProjectionForm : public FormModel {
  public:
    static constexpr const char* kInstructions =
        "ENTER the FBP Parameters,   ENTER the required INPUT information,  ENTER return or "
        "Click Calculate Button";
    static constexpr int kRowCount = kFuelCount;
    static constexpr int kHeadingLineCount = 2;

    // The form keeps the hand-over signature of the other forms; it reads and publishes
    // nothing there.
    explicit FuelProjectionForm(HandOver& shared);

    // The control ids of the rows ("row1" .. "row18", row i + 1 holding fuel index i) and the
    // heading lines ("heading1", "heading2").
    static std::string RowId(int fuelIndex);
    static std::string HeadingId(int line);

    IgnitionType Ignition() const { return settings_.ignition; }

    void Calculate();

    // The engine's outputs of each fuel index at the last Calculate that computed (none
    // before).
    const std::optional<std::array<FbpOutputs, kRowCount>>& LastOutputs() const {
        return lastOutputs_;
    }

    // The table as a grid shows it.
    ResultTable Table() const;

  private:
    void SelectIgnition(IgnitionType ignition);

    // Weather, ignition, time, date and site; the fuel type is that of each row.
    FbpSettings settings_;
    bool pointIgnition_ = true;
    bool lineIgnition_ = false;

    std::array<std::string, kHeadingLineCount> headings_;
    std::array<std::string, kRowCount> rows_;
    std::optional<std::array<FbpOutputs, kRowCount>> lastOutputs_;
    std::array<std::vector<std::string>, kRowCount> cells_;
};

}  // namespace emberlin::forms
