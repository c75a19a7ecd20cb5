// The detection assessment: how a fire grows over four hours in one fuel type, driven by the
// hourly FFMC and wind speed of the diurnal weather calculator, with the C2 containment odds.
#pragma once

#include <array>
#include <string>

#include "common/shared_values.h"
#include "fbp/fbp_records.h"
#include "forms/dialog/form_model.h"
#include "forms/projection_rows.h"

namespace emberlin::forms {

// Minutes since the fire start of the ten rows: every quarter hour for two hours, then hourly
// up to four hours.
inline constexpr std::array<int, 10> kDetectionElapsedMinutes = {15, 30,  45,  60,  75,
                                                                 90, 105, 120, 180, 240};

// The slot of the hourly tables (1..24) that holds hour `hourIndex` of a repeating day:
// hour 0 is the midnight that ends the previous day (slot 24), hour 25 is 01:00 of the next
// day (slot 1), and so on. Never outside 1..24, whatever the index.
int HourlySlot(int hourIndex);

// C2 probability of containment in percent (0..99) from the fire's area (ha) and head fire
// intensity (kW/m), truncated toward zero.
int ContainmentProbability(double area, double hfi);

// One row of the table: the clock label (hhmm, hours may run past 24), the row number
// (0..9, which picks the minutes label), the engine's outputs, and whether the fuel is C2
// (which adds the probability of containment).
std::string DetectionRowText(int clockLabel, int row, const FbpOutputs& out, bool withPoc);

class DetectionForm : public FormModel {
public:
    static constexpr const char* kInstructions =
        "ENTER the desired FBP fuel type,   ENTER the FBP Parameters,   ENTER the required INPUT "
        "information,  CLICK the Calculate Button";
    static constexpr const char* kNoteHourly =
        "(1) FFMC and Wind Speed are generated from the Diurnal Weather Calculation Tool";
    static constexpr const char* kNotePoc =
        "(2) POC (Probability of Containment) is only applicable for C2 fuel type.";
    static constexpr const char* kNoHourlyMessage =
        "ERROR - This program requires hourly calculations, RUN the DIURNAL TOOL Calcualtor in "
        "order to Create the Hourly Values";
    static constexpr const char* kNoFbpMessage =
        "ERROR - You must RUN the FBP Calculator First in order to Create the Values";
    static constexpr int kRowCount = 10;
    static constexpr int kHeadingLineCount = 3;

    explicit DetectionForm(SharedValues& shared);

    // The control ids of the fuel boxes ("fuelC1" .. "fuelO1b"), the rows ("row1" ..
    // "row10") and the heading lines ("heading1" .. "heading3").
    static std::string FuelBoxId(int fuelIndex);
    static std::string RowId(int row);
    static std::string HeadingId(int line);

    int SelectedFuelType() const { return fuelIndex_; }
    int IgnitionType() const { return ignitionType_; }
    bool InputsEdited() const { return inputsEdited_ != 0; }

    void Calculate();

    // The fire the rows describe, from the values now held: fuel, site, day of the year and
    // ignition (weather and time are the caller's), and its start in minutes after 00:00.
    FbpInputs HeldFire() const;
    int StartMinutes() const { return (fireStartTime_ / 100) * 60 + fireStartTime_ % 100; }
    void TakeFbpSettings();
    void RestoreDefaults();

private:
    void SelectFuelType(int fuelIndex);
    void SelectIgnition(int ignitionType);
    void SetFuelBoxes(int fuelIndex);
    void SetIgnitionBoxes(int ignitionType);
    void SetSettingsBoxes(bool defaultOn, bool fbpOn);
    void ClearRows();

    SharedValues& shared_;

    // Fuel parameters, BUI, wind direction, slope, aspect and place.
    ProjectionSite site_;
    int month_ = 7;
    int day_ = 15;
    double ffmc_ = 87.0;  // display only: the table reads the hourly FFMC
    double windSpeed_ = 25.0;  // display only: the table reads the hourly wind speed
    int fireStartTime_ = 1430;  // clock time hhmm

    int fuelIndex_ = kC2;
    int ignitionType_ = 1;  // 1 point, 0 line
    int inputsEdited_ = 0;

    std::array<bool, kFuelCount> fuelBoxes_{};
    bool pointIgnition_ = true;
    bool lineIgnition_ = false;
    bool defaultSettings_ = true;
    bool fbpSettings_ = false;

    std::array<std::string, kHeadingLineCount> headings_;
    std::array<std::string, kRowCount> rows_;
};

}  // namespace emberlin::forms
