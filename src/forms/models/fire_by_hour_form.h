// Fire behaviour by hour: one fuel type and site through the day's hourly FFMC and wind, with
// the hours of peak and critical intensity and the growth of one fire from a start hour.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "fbp/fbp_records.h"
#include "fire/fire_by_hour.h"
#include "forms/content/fuel_catalogue.h"
#include "forms/exports/result_table.h"
#include "forms/fields/fire_by_hour_columns.h"
#include "forms/models/fbp_settings_form.h"
#include "forms/models/hand_over.h"

namespace emberlin::forms {

class FireByHourForm : public FbpSettingsForm {
  public:
    static constexpr const char* kDurationMessage =
        "The fire start hour plus the duration must not pass 24:00.";
    // The second threshold marks the higher intensity: the spans nest only in this order.
    static constexpr const char* kThresholdOrderMessage =
        "Please enter a Threshold 2 (kW/m) at or above Threshold 1 (kW/m).";
    static constexpr const char* kNoHourlyFwiMessage =
        "No day has been handed over from the Hourly FWI (FWI2025) window yet: pick a day in "
        "its daily results and press Send Day to Fire by Hour.";
    static constexpr const char* kDiurnalSourceText = "Diurnal Weather estimate";

    // Where the 24 hours of FFMC and wind speed come from.
    enum class HourSource { Diurnal, HourlyFwi };
    HourSource Source() const {
        return hourlyFwiSource_ ? HourSource::HourlyFwi : HourSource::Diurnal;
    }
    void ChooseSource(HourSource source);

    explicit FireByHourForm(HandOver& shared);

    // The grid row of hour 1..24 ("hour1" .. "hour24"): the cells joined in fixed widths.
    static std::string RowId(int hour);

    // The last calculation's result; HasResult is false until one has computed.
    bool HasResult() const { return hasResult_; }
    const FireByHourResult& Result() const { return result_; }
    const std::array<double, 2>& Thresholds() const { return thresholds_; }
    // The grid: one row per hour of the last result (none before one), the headings with
    // their units under the captions.
    ResultTable Table() const;
    // The inputs of the last calculation (the same record the batch command builds).
    FireByHourCase CurrentCase() const;

    void Calculate();
    // The hours of the results on screen come from the diurnal weather or the day sent from
    // the Hourly FWI window: once that has been published again, the results are stale.
    std::string ChangedSource() const override;
    // The settings (Settings()) give the fuel, ignition, site and date; the weather and time
    // in them are not used: they come hour by hour.
    void TakeFbpSettings() override;
    void RestoreDefaults() override;

  private:
    void WriteResult();

    // Open with their declared defaults.
    int startHour_ = 0;
    int duration_ = 0;
    std::array<double, 2> thresholds_ = {};

    bool diurnalSource_ = true;
    bool hourlyFwiSource_ = false;
    std::string hourSourceText_;

    std::array<std::array<std::string, kHourColumnCount>, kHoursInDay> cells_;
    std::array<std::string, kHoursInDay> rows_;
    std::string summary_;
    bool hasResult_ = false;
    FireByHourResult result_;
    // The hours the result was computed from: their channel and its version then.
    HourSource resultSource_ = HourSource::Diurnal;
    std::uint64_t resultHoursVersion_ = 0;
};

}  // namespace emberlin::forms
