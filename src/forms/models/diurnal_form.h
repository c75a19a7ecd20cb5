// The diurnal weather calculator: one day's noon weather in, 24 hours of weather and FFMC out.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "diurnal/diurnal_weather.h"
#include "diurnal/hourly_ffmc.h"
#include "forms/exports/result_table.h"
#include "forms/kit/form_model.h"
#include "forms/models/hand_over.h"

namespace emberlin::forms {

class DiurnalForm : public FormModel {
  public:
    // Static texts of the window.
    static constexpr const char* kOutputCaption = "DIURNAL   WEATHER  OUTPUT";
    static constexpr const char* kOutputHeading =
        "Hour    Temperature        RH            Wind           FFMC                    Hour"
        "       Temperature         RH             Wind            FFMC  ";
    static constexpr const char* kInstructionsTop =
        "(1)  ENTER the basic inputs - location, noon values for                 Temperature, "
        "RH, Wind Speed, and FFMC,                  (2)  SELECT the method for FFMC "
        "calculation,             ";
    static constexpr const char* kInstructionsBottom =
        "(3)  ENTER the Diurnal Parameters and                      (4)  CLICK the Calculate "
        "button.    ";

    // Program messages.
    static constexpr const char* kNoFwiMessage =
        "ERROR - You must RUN the FWI Calculator First in order to Create the Values";
    static constexpr const char* kLawsonMessage =
        "This Lawson FFMC Calculation Mehtod is not implemented yet ";
    static constexpr const char* kPlaceMessage =
        "The diurnal weather calculation needs a latitude between -80 and 80 degrees and a "
        "longitude between -180 and 180 degrees.";
    static constexpr const char* kTemperatureOrderMessage =
        "The typical minimum temperature must not be above the typical maximum temperature.";
    static constexpr const char* kWindOrderMessage =
        "The typical minimum wind speed must not be above the typical maximum wind speed.";

    static constexpr int kLineCount = 12;

    explicit DiurnalForm(HandOver& shared);

    // Held for the whole run (the form lives as long as the program).
    FfmcMethod Method() const { return ffmcMethod_; }
    bool InputsEdited() const { return inputsEdited_; }

    // Control id of output line r = 1..12.
    static std::string LineId(int r);

    // Output line r (1..12): hour r on the left, hour r + 12 on the right, and its grid cells
    // (the two hour labels and the eight values). Exposed so that the column rules can be
    // checked on chosen values.
    static FormattedRow FormatLine(int r, const DiurnalDay& weather, const DiurnalFfmc& ffmc);

    // The output as a grid shows it.
    ResultTable Table() const;

    void Calculate();

    // The weather and FFMC of the last CALCULATE that computed (none before).
    const std::optional<DiurnalDay>& LastWeather() const { return lastWeather_; }
    const DiurnalFfmc& LastFfmc() const { return lastFfmc_; }

  private:
    void AddInput(Control& control);
    void ChooseMethod(FfmcMethod method);
    void ChooseLawson();
    void UseDefaults();
    void UseFwiCalculator();
    // Shows every member; the typing warning then follows the boxes now on screen.
    void ShowAll();

    HandOver& shared_;

    // The eighteen inputs, which open with their declared values.
    double temperature_ = 0;
    double relativeHumidity_ = 0;
    double windSpeed_ = 0;
    double ffmc_ = 0;
    int month_ = 0;
    int day_ = 0;
    double latitude_ = 0;
    double longitude_ = 0;
    double minTemperature_ = 0;
    double maxTemperature_ = 0;
    DiurnalCurveParams temperatureParams_{};
    double minWind_ = 0;
    double maxWind_ = 0;
    DiurnalCurveParams windParams_{};

    // FFMC Method and Setting to Use options.
    bool vanWagnerOption_ = true;
    bool lawsonOption_ = false;
    bool equilibriumOption_ = false;
    bool defaultOption_ = true;
    bool fwiCalculatorOption_ = false;

    FfmcMethod ffmcMethod_ = FfmcMethod::VanWagner;
    bool inputsEdited_ = false;  // set by the first typed change, never cleared

    std::array<std::string, kLineCount> lines_{};

    std::optional<DiurnalDay> lastWeather_;
    DiurnalFfmc lastFfmc_{};
    std::array<std::vector<std::string>, kLineCount> cells_{};
};

}  // namespace emberlin::forms
