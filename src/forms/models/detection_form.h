// The detection assessment: how a fire grows over four hours in one fuel type, driven by the
// hourly FFMC and wind speed of the diurnal weather calculator, with the C2 containment odds.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fbp/accumulated_growth.h"
#include "fbp/fbp_records.h"
#include "fire/detection_fire.h"
#include "forms/content/fuel_catalogue.h"
#include "forms/exports/result_table.h"
#include "forms/models/fbp_settings_form.h"
#include "forms/models/hand_over.h"
#include "forms/models/projection_rows.h"

namespace emberlin::forms {

// One row of the table and its grid cells: the clock label (hhmm, hours may run past 24), the
// row number (0..9, which picks the minutes label), the engine's outputs, and whether the fuel
// is C2 (which adds the probability of containment; its cell is empty otherwise).
FormattedRow FormatDetectionRow(int clockLabel, int row, const FbpOutputs& out, bool withPoc);

// What one row of the table was made from.
struct DetectionRow {
    int clockLabel = 0;  // hhmm
    FbpOutputs out;
    bool withPoc = false;
};
// The clock label hhmm of a time `minutes` after the midnight that starts the fire's day.
// Midnight itself reads 2400; the next day's times read from 15 (00:15) on.
int DetectionClockLabel(int minutes);

class DetectionForm : public FbpSettingsForm {
  public:
    static constexpr const char* kInstructions =
        "ENTER the desired FBP fuel type,   ENTER the FBP Parameters,   ENTER the required INPUT "
        "information,  CLICK the Calculate Button";
    static constexpr const char* kNoteHourly =
        "(1) FFMC and Wind Speed are generated from the Diurnal Weather Calculation Tool";
    static constexpr const char* kNotePoc =
        "(2) POC (Probability of Containment) is only applicable for C2 fuel type.";
    // A clock time hhmm: 1475 is no time of day, not 15:15.
    static constexpr const char* kStartTimeMessage =
        "Please enter a clock time from 0000 to 2400, with minutes 00 to 59.";
    static constexpr const char* kNoHourlyMessage =
        "ERROR - This program requires hourly calculations, RUN the DIURNAL TOOL Calcualtor in "
        "order to Create the Hourly Values";
    static constexpr const char* kAreaTip =
        "Area burned since the fire start (ha). The head, flank and back distances build up "
        "hour by hour, each hour's stretch burning under that hour's FFMC and wind speed, so "
        "the area never shrinks down the table. In fuel types whose acceleration depends on "
        "the crown fraction burned, the accumulated distance follows the fire's crown "
        "involvement piece by piece, so it may differ from one calculation over the whole "
        "elapsed time whose build-up is set by the crown fraction at its end.";
    static constexpr int kRowCount = 10;
    static constexpr int kHeadingLineCount = 3;

    explicit DetectionForm(HandOver& shared);

    // The control ids of the rows ("row1" .. "row10") and the heading lines ("heading1" ..
    // "heading3"); the fuel boxes are those of the catalogue (FuelBoxId).
    static std::string RowId(int row);
    static std::string HeadingId(int line);

    bool InputsEdited() const { return inputsEdited_; }

    // The rows of the table now shown, as computed (none while the table is empty).
    const std::optional<std::array<DetectionRow, kRowCount>>& LastRows() const { return lastRows_; }
    // The fire of the last CALCULATE: its inputs (the hourly FFMC and wind replace theirs),
    // its start in minutes after midnight and its rows; no rows before a CALCULATE or after
    // the inputs were put back.
    const FbpInputs& FireInputs() const { return fire_; }
    int StartMinutes() const { return startMinutes_; }
    const std::vector<AccumulatedGrowthRow>& GrowthRows() const { return growth_; }

    // The table as a grid shows it.
    ResultTable Table() const;

    void Calculate();
    // The rows grew under the diurnal weather's hours: once those have been published again,
    // the rows are stale.
    std::string ChangedSource() const override;

    // The settings (Settings()) give the fuel type, ignition, date and site: the rows take
    // FFMC and wind speed hour by hour, shown in their fields only, and each its own elapsed
    // time.
    void TakeFbpSettings() override;
    void RestoreDefaults() override;

  private:
    void ClearRows();

    int fireStartTime_ = 0;  // clock time hhmm; opens with its declared default
    bool inputsEdited_ = false;

    std::array<std::string, kHeadingLineCount> headings_;
    std::array<std::string, kRowCount> rows_;
    std::optional<std::array<DetectionRow, kRowCount>> lastRows_;
    std::array<std::vector<std::string>, kRowCount> cells_;
    FbpInputs fire_;
    int startMinutes_ = 0;
    std::vector<AccumulatedGrowthRow> growth_;
    std::uint64_t rowsHoursVersion_ = 0;  // the version of the hourly tables the rows grew under
};

}  // namespace emberlin::forms
