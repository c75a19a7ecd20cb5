#include "forms/fields/field_tips.h"

#include <string>

#include "forms/content/fuel_catalogue.h"

namespace emberlin::forms {

namespace {

// Shared meanings: the same quantity reads the same in every form.
constexpr std::string_view kMonth = "Month, 1 = January to 12 = December";
constexpr std::string_view kDay =
    "Day of the month; with the month it gives the day of the year (365-day year)";
constexpr std::string_view kLatitude = "Latitude in decimal degrees, north positive";
constexpr std::string_view kLongitude = "Longitude in decimal degrees, negative west";
constexpr std::string_view kFfmc = "Fine Fuel Moisture Code of the FWI System";
constexpr std::string_view kBui = "Buildup Index of the FWI System";
constexpr std::string_view kWindDirection =
    "Direction the wind blows from, in degrees clockwise from north";
constexpr std::string_view kSlope = "Ground slope, in %";
constexpr std::string_view kAspect = "Direction the slope faces, in degrees clockwise from north";
constexpr std::string_view kElevation = "Elevation above sea level, in m";
constexpr std::string_view kElevationNote =
    "0 works out the foliar moisture without the elevation.";
constexpr std::string_view kPc = "Percent conifer in the stand (M1, M2), in %";
constexpr std::string_view kPdf = "Percent dead balsam fir in the stand (M3, M4), in %";
// The grass fields name the grass fuel types of the catalogue.
std::string_view GcMeaning() {
    static const std::string meaning =
        "Degree of grass curing (" + GrassFuelCodes(", ") + "), in %";
    return meaning;
}
constexpr std::string_view kGcNote = "0 stands for the standard curing of 95 %.";
std::string_view GflMeaning() {
    static const std::string meaning =
        "Grass fuel load (" + GrassFuelCodes(", ") + "), in kg/m\u00b2";
    return meaning;
}
constexpr std::string_view kGflNote = "0 stands for the standard load of 0.3 kg/m\u00b2.";
constexpr std::string_view kElapsed = "Time since ignition, in minutes";
constexpr std::string_view kWindSpeed = "10-m open wind speed, in km/h";
constexpr std::string_view kProjectionRow =
    "ROS (m/min), HFI (kW/m), area (ha), perimeter (m), PGR (m/min), CFB (fraction 0 to 1) and "
    "fire type";

constexpr FieldTip kFwiCalcTips[] = {
    {"ffmcYesterday", "Yesterday's Fine Fuel Moisture Code"},
    {"dmcYesterday", "Yesterday's Duff Moisture Code"},
    {"dcYesterday", "Yesterday's Drought Code"},
    {"month", "Month of the observation, 1 = January to 12 = December"},
    {"rain", "Rain of the last 24 hours, in mm"},
    {"temperature", "Today's noon temperature, in degrees Celsius"},
    {"windSpeed", "Today's noon 10-m wind speed, in km/h"},
    {"relativeHumidity", "Today's noon relative humidity, in %"},
    {"integerOption", "Show today's values rounded to whole numbers"},
    {"realOption", "Show today's values with two decimals"},
    {"ffmcText", "Today's Fine Fuel Moisture Code: the moisture of litter and fine fuels"},
    {"dmcText", "Today's Duff Moisture Code: the moisture of loosely compacted organic layers"},
    {"dcText", "Today's Drought Code: the moisture of deep, compact organic layers"},
    {"isiText", "Initial Spread Index: the expected rate of fire spread"},
    {"buiText", "Buildup Index: the fuel available for combustion"},
    {"fwiText", "Fire Weather Index: the intensity of a spreading fire"},
    {"dsrText", "Daily Severity Rating: the difficulty of controlling fires"},
};

constexpr FieldTip kDiurnalTips[] = {
    {"temperature", "Today's noon temperature, in degrees Celsius"},
    {"relativeHumidity", "Today's noon relative humidity, in %"},
    {"windSpeed", "Today's noon 10-m wind speed, in km/h"},
    {"ffmc",
     "Today's Fine Fuel Moisture Code from the FWI calculation, the start of the hourly "
     "FFMC"},
    {"month", kMonth},
    {"day", kDay},
    {"latitude", kLatitude, "The sunrise and sunset times need a latitude up to 80 degrees."},
    {"longitude", kLongitude},
    {"minTemperature", "Typical daily minimum temperature, in degrees Celsius"},
    {"maxTemperature", "Typical daily maximum temperature, in degrees Celsius"},
    {"temperatureAlpha",
     "Hours after sunrise at which the daily minimum falls; it times both the temperature and "
     "the wind curves",
     "0 (or 0 in BETA or GAMMA) takes the standard temperature parameters."},
    {"temperatureBeta",
     "Hours after noon at which the daily maximum falls; it times both the temperature and the "
     "wind curves",
     "0 (or 0 in ALPHA or GAMMA) takes the standard temperature parameters."},
    {"temperatureGamma",
     "How fast the temperature falls from its sunset value toward the minimum through the "
     "night (more negative falls faster)",
     "0 (or 0 in ALPHA or BETA) takes the standard temperature parameters."},
    {"minWind", "Typical daily minimum wind speed, in km/h"},
    {"maxWind", "Typical daily maximum wind speed, in km/h"},
    {"windAlpha",
     "Wind minimum timing: only the temperature ALPHA and BETA time both curves; this value "
     "matters only through its zero test",
     "0 in ALPHA, BETA or GAMMA sets the wind GAMMA to -3.59."},
    {"windBeta",
     "Wind maximum timing: only the temperature ALPHA and BETA time both curves; this value "
     "matters only through its zero test",
     "0 in ALPHA, BETA or GAMMA sets the wind GAMMA to -3.59."},
    {"windGamma",
     "How fast the wind falls from its sunset value toward the minimum through the night (more "
     "negative falls faster)",
     "0 in ALPHA, BETA or GAMMA sets the wind GAMMA to -3.59."},
    {"vanWagnerOption", "Hourly FFMC by the Van Wagner hourly method"},
    {"lawsonOption", "Hourly FFMC by the Lawson method (not available)"},
    {"equilibriumOption", "Hourly FFMC from the equilibrium moisture content"},
    {"defaultOption", "Put back the default inputs"},
    {"fwiCalculatorOption", "Take today's weather and FFMC from the FWI Calculator"},
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

std::span<const FieldTip> FbpCalcTips() {
    // Built on first use: the grass meanings are made from the catalogue.
    static const FieldTip tips[] = {
        {"pc", kPc},
        {"df", kPdf},
        {"gc", GcMeaning(), kGcNote},
        {"gfl", GflMeaning(), kGflNote},
        {"month", "Month of the prediction, 1 = January to 12 = December"},
        {"day", kDay},
        {"ffmc", kFfmc},
        {"bui", kBui},
        {"latitude", kLatitude},
        {"longitude", kLongitude},
        {"windSpeed", kWindSpeed},
        {"windDirection", kWindDirection},
        {"slope", kSlope},
        {"aspect", kAspect},
        {"elevation", kElevation, kElevationNote},
        {"elapsedTime", kElapsed},
        {"pointIgnition", "A fire growing from a point, building up to its full rate"},
        {"lineIgnition", "A fire front already spreading at its full rate"},
        {"rosText",
         "Head fire rate of spread at equilibrium (the full rate a fire builds up to), in m/min"},
        {"hfiText", "Head fire intensity at the elapsed time, in kW/m"},
        {"sfcText", "Surface fuel consumption, in kg/m\u00b2"},
        {"tfcText",
         "Total fuel consumption (surface and crown) at the elapsed time, in kg/m\u00b2"},
        {"cfbText", "Crown fraction burned at the elapsed time, a fraction from 0 to 1"},
        {"fdText",
         "Fire description at the elapsed time: surface, intermittent crown or crown fire"},
        {"frosText", "Flank fire rate of spread at equilibrium, in m/min"},
        {"brosText", "Back fire rate of spread at equilibrium, in m/min"},
        {"ffiText", "Flank fire intensity, in kW/m"},
        {"bfiText", "Back fire intensity, in kW/m"},
        {"areaText", "Fire area at the elapsed time, in ha"},
        {"perimeterText", "Fire perimeter at the elapsed time, in m"},
        {"pgrText", "Perimeter growth rate at equilibrium, in m/min"},
        {"lbText", "Length-to-breadth ratio of the fire ellipse"},
        {"hsdText",
         "Head fire spread distance at the elapsed time (0 at 0 min: nothing has burned yet), in "
         "m"},
        {"fsdText", "Flank fire spread distance at the elapsed time, in m"},
        {"bsdText", "Back fire spread distance at the elapsed time, in m"},
    };
    return tips;
}

std::span<const FieldTip> DetectionTips() {
    // Built on first use: the grass meanings are made from the catalogue.
    static const FieldTip tips[] = {
        {"aspect", kAspect},
        {"bui", kBui},
        {"day", kDay},
        {"elevation", kElevation, kElevationNote},
        {"ffmc", kFfmc,
         "Display only: each row takes this value hour by hour from the Diurnal Weather "
         "Calculator."},
        {"latitude", kLatitude},
        {"longitude", kLongitude},
        {"month", kMonth},
        {"windDirection", kWindDirection},
        {"gc", GcMeaning(), kGcNote},
        {"pdf", kPdf},
        {"gfl", GflMeaning(), kGflNote},
        {"pc", kPc},
        {"windSpeed", kWindSpeed,
         "Display only: each row takes this value hour by hour from the Diurnal Weather "
         "Calculator."},
        {"slope", kSlope},
        {"fireStartTime", "Clock time the fire started, hhmm (1430 is 2:30 pm)"},
        {"pointIgnition", "A fire growing from a point, building up to its full rate"},
        {"lineIgnition", "A fire front already spreading at its full rate"},
        {"defaultSettings", "Put back the default inputs"},
        {"fbpSettings", "Take the inputs, fuel type and ignition from the FBP Calculator"},
    };
    return tips;
}

std::span<const FieldTip> FuelProjectionTips() {
    // Built on first use: the grass meanings are made from the catalogue.
    static const FieldTip tips[] = {
        {"aspect", kAspect},
        {"gc", GcMeaning(), kGcNote},
        {"bui", kBui},
        {"day", kDay},
        {"pdf", kPdf},
        {"elevation", kElevation, kElevationNote},
        {"ffmc", kFfmc},
        {"latitude", kLatitude},
        {"gfl", GflMeaning(), kGflNote},
        {"longitude", kLongitude},
        {"month", kMonth},
        {"pc", kPc},
        {"slope", kSlope},
        {"elapsedTime", kElapsed},
        {"windSpeed", kWindSpeed},
        {"windDirection", kWindDirection},
        {"pointIgnition", "A fire growing from a point, building up to its full rate"},
        {"lineIgnition", "A fire front already spreading at its full rate"},
    };
    return tips;
}

std::span<const FieldTip> FireByHourTips() {
    // Built on first use: the grass meanings are made from the catalogue.
    static const FieldTip tips[] = {
        {"pc", kPc},
        {"pdf", kPdf},
        {"gc", GcMeaning()},
        {"gfl", GflMeaning()},
        {"bui", kBui},
        {"windDirection", kWindDirection},
        {"slope", kSlope},
        {"aspect", kAspect},
        {"latitude", kLatitude},
        {"longitude", kLongitude},
        {"elevation", kElevation},
        {"month", "Month of the day, 1 = January to 12 = December"},
        {"day", "Day of the month"},
        {"startHour", "Clock hour at which the fire for the area and perimeter columns starts"},
        {"duration", "Hours the fire burns from its start; start plus duration at most 24"},
        {"threshold1", "Head fire intensity at and above which an hour is critical, in kW/m"},
        {"threshold2", "A second, higher critical intensity, in kW/m"},
    };
    return tips;
}

std::span<const FieldTip> HourlyFwiTips() {
    static const FieldTip tips[] = {
        {"latitude", "Latitude of the station in degrees, north positive",
         "Taken from the weather file when it has a lat column."},
        {"longitude", "Longitude of the station in degrees, east positive",
         "Taken from the weather file when it has a long column."},
        {"utcOffset", "Offset from UTC in hours of the clock the weather's hours are written in",
         "Taken from the weather file when it has a timezone column."},
        {"startFfmc", "Fine Fuel Moisture Code at the start of each run (each calendar year)"},
        {"startDmc", "Duff Moisture Code at the start of each run"},
        {"startDc", "Drought Code at the start of each run"},
        {"dailyHour",
         "Clock hour of the observation the 1987 daily system uses beside each day, with the "
         "rain of the 24 hours ending then"},
        {"source", "Where the weather in the grid came from"},
    };
    return tips;
}

std::string_view DiurnalLineTip() { return kDiurnalLine; }
std::string_view DetectionRowTip() { return kDetectionRow; }
std::string_view ProjectionRowTip() { return kProjectionRow; }

}  // namespace emberlin::forms
