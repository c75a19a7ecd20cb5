#include "forms/fields/field_tips.h"

namespace emberlin::forms {

namespace {

// The tips of the boxes, buttons and results; the input fields' own are declared with them.
constexpr std::string_view kDisplayOnly =
    "Display only: each row takes this value hour by hour from the Diurnal Weather Calculator.";
constexpr std::string_view kPointIgnition =
    "A fire growing from a point, building up to its full rate";
constexpr std::string_view kLineIgnition = "A fire front already spreading at its full rate";
constexpr std::string_view kProjectionRow =
    "ROS (m/min), HFI (kW/m), area (ha), perimeter (m), PGR (m/min), CFB (fraction 0 to 1) and "
    "fire type";

constexpr FieldTip kFwiCalcTips[] = {
    {"integerOption", "Show today's values rounded to whole numbers"},
    {"realOption", "Show today's values with two decimals"},
};

constexpr FieldTip kDiurnalTips[] = {
    {"vanWagnerOption", "Hourly FFMC by the Van Wagner hourly method"},
    {"lawsonOption", "Hourly FFMC by the Lawson method (not available)"},
    {"equilibriumOption", "Hourly FFMC from the equilibrium moisture content"},
    {"defaultOption", "Put back the default inputs"},
    {"fwiCalculatorOption", "Take today's weather and FFMC from the FWI Calculator"},
};

constexpr FieldTip kFbpCalcTips[] = {
    {"pointIgnition", kPointIgnition},
    {"lineIgnition", kLineIgnition},
};

constexpr FieldTip kDetectionTips[] = {
    {"ffmc", "Fine Fuel Moisture Code of the FWI System", kDisplayOnly},
    {"windSpeed", "10-m open wind speed, in km/h", kDisplayOnly},
    {"pointIgnition", kPointIgnition},
    {"lineIgnition", kLineIgnition},
    {"defaultSettings", "Put back the default inputs"},
    {"fbpSettings", "Take the inputs, fuel type and ignition from the FBP Calculator"},
};

constexpr FieldTip kFuelProjectionTips[] = {
    {"pointIgnition", kPointIgnition},
    {"lineIgnition", kLineIgnition},
};

constexpr FieldTip kHourlyFwiTips[] = {
    {"source", "Where the weather in the grid came from"},
};

constexpr std::string_view kDiurnalLine =
    "Two hours of the day: temperature (degrees Celsius), relative humidity (%), wind speed "
    "(km/h) and hourly FFMC, morning hour on the left, afternoon hour on the right";

constexpr std::string_view kDetectionRow =
    "The fire at this elapsed time: clock time, ROS (m/min), HFI (kW/m), area (ha), perimeter "
    "(m), PGR (m/min), CFB (fraction 0 to 1), fire type, and for C2 the probability of "
    "containment";

}  // namespace

std::span<const FieldTip> FwiCalcTips() { return kFwiCalcTips; }
std::span<const FieldTip> DiurnalTips() { return kDiurnalTips; }
std::span<const FieldTip> FbpCalcTips() { return kFbpCalcTips; }
std::span<const FieldTip> DetectionTips() { return kDetectionTips; }
std::span<const FieldTip> FuelProjectionTips() { return kFuelProjectionTips; }
std::span<const FieldTip> HourlyFwiTips() { return kHourlyFwiTips; }

std::string_view DiurnalLineTip() { return kDiurnalLine; }
std::string_view DetectionRowTip() { return kDetectionRow; }
std::string_view ProjectionRowTip() { return kProjectionRow; }

}  // namespace emberlin::forms
