#include "forms/fields/field_declarations.h"

#include <string>

#include "diurnal/diurnal_weather.h"
#include "fire/engine_inputs.h"
#include "fire/fire_by_hour.h"
#include "forms/content/fuel_catalogue.h"
#include "fwi2025/hourly_fwi.h"

namespace emberlin::forms {

namespace {

constexpr FieldKind kNumber = FieldKind::Number;
constexpr FieldKind kWhole = FieldKind::WholeNumber;
constexpr FieldKind kInteger = FieldKind::Integer;

// The FBP forms open with the settings' own initial values.
constexpr FbpSettings kFbp{};
constexpr ProjectionSite kSite{};

// Shared meanings: the same quantity reads the same in every form. Plain literals: a rule may
// be asked for while the program starts, before any other constant of this file is made.
constexpr const char* kMonth = "Month, 1 = January to 12 = December";
constexpr const char* kDay =
    "Day of the month; with the month it gives the day of the year (365-day year)";
constexpr const char* kLatitude = "Latitude in decimal degrees, north positive";
constexpr const char* kLongitude = "Longitude in decimal degrees, negative west";
constexpr const char* kFfmc = "Fine Fuel Moisture Code of the FWI System";
constexpr const char* kBui = "Buildup Index of the FWI System";
constexpr const char* kWindDirection =
    "Direction the wind blows from, in degrees clockwise from north";
constexpr const char* kSlope = "Ground slope, in %";
constexpr const char* kAspect = "Direction the slope faces, in degrees clockwise from north";
constexpr const char* kElevation = "Elevation above sea level, in m";
constexpr const char* kElevationNote = "0 works out the foliar moisture without the elevation.";
constexpr const char* kPc = "Percent conifer in the stand (M1, M2), in %";
constexpr const char* kPdf = "Percent dead balsam fir in the stand (M3, M4), in %";
constexpr const char* kGcNote = "0 stands for the standard curing of 95 %.";
constexpr const char* kGflNote = "0 stands for the standard load of 0.3 kg/m\u00b2.";
constexpr const char* kElapsed = "Time since ignition, in minutes";
constexpr const char* kWindSpeed = "10-m open wind speed, in km/h";
constexpr const char* kNoonTemperature = "Today's noon temperature, in degrees Celsius";
constexpr const char* kNoonHumidity = "Today's noon relative humidity, in %";
constexpr const char* kNoonWind = "Today's noon 10-m wind speed, in km/h";

// The grass fields name the grass fuel types of the catalogue.
std::string GcMeaning() { return "Degree of grass curing (" + GrassFuelCodes(", ") + "), in %"; }
std::string GflMeaning() { return "Grass fuel load (" + GrassFuelCodes(", ") + "), in kg/m\u00b2"; }

// Export names shared by the forms.
constexpr const char* kConifer = "Conifer";
constexpr const char* kDeadFir = "Dead fir";
constexpr const char* kCuring = "Grass curing";
constexpr const char* kLoad = "Grass fuel load";

// Each table's row: id, label on screen, export name, unit, kind, min, max, default, meaning[,
// note, group, value the form opens with]. Each is built on first use.

}  // namespace

std::span<const FieldDeclaration> FwiCalcFields() {
    // clang-format off
    static const FieldDeclaration fields[] = {
        {"ffmcYesterday",    "Yesterday's    FFMC",        "FFMC yesterday", "",     kNumber,  0, 101,  72,
         "Yesterday's Fine Fuel Moisture Code"},
        {"dmcYesterday",     "DMC",                        "DMC yesterday",  "",     kNumber,  0, 500,  39,
         "Yesterday's Duff Moisture Code"},
        {"dcYesterday",      "DC",                         "DC yesterday",   "",     kNumber,  0, 1200, 300,
         "Yesterday's Drought Code"},
        {"month",            "Month",                      "Month",          "",     kInteger, 1, 12,   7,
         "Month of the observation, 1 = January to 12 = December"},
        {"rain",             " Rain     ( mm )",           "Rain",           "mm",   kNumber,  0, 60,   0,
         "Rain of the last 24 hours, in mm"},
        {"temperature",      "Temperature      ( deg C )", "Temperature",    "deg C", kNumber, 0, 40,   28,
         kNoonTemperature},
        {"windSpeed",        "Wind Speed      ( km/ hr )", "Wind speed",     "km/h", kNumber,  0, 100,  25,
         kNoonWind},
        {"relativeHumidity", " RH    ( % )",               "Relative humidity", "%", kNumber,  1, 100,  50,
         kNoonHumidity},
    };
    // clang-format on
    return fields;
}

std::span<const FieldDeclaration> FbpCalcFields() {
    // clang-format off
    static const FieldDeclaration fields[] = {
        {"bui",           "BUI",                     "BUI",            "",       kNumber,  0,    650,  kSite.bui,
         kBui},
        {"day",           "Day",                     "Day",            "",       kInteger, 1,    31,   kFbp.day,
         kDay},
        {"ffmc",          "FFMC",                    "FFMC",           "",       kNumber,  0,    101,  kFbp.ffmc,
         kFfmc},
        {"latitude",      "Latitude     ( d.d )",    "Latitude",       "deg",    kNumber,  30,   90,   kSite.latitude,
         kLatitude},
        {"longitude",     "Longitude       ( d.d )", "Longitude",      "deg",    kNumber,  -170, 170,  kSite.longitude,
         kLongitude},
        {"month",         "Month",                   "Month",          "",       kInteger, 1,    12,   kFbp.month,
         "Month of the prediction, 1 = January to 12 = December"},
        {"slope",         "Slope ( % )",             "Slope",          "%",      kNumber,  0,    100,  kSite.slope,
         kSlope},
        {"elapsedTime",   "Elapsed Time ( min )",    "Elapsed time",   "min",    kInteger, 0,    300,  kFbp.elapsedTime,
         kElapsed},
        {"windSpeed",     "Wind Speed  ( km/hr )",   "Wind speed",     "km/h",   kNumber,  0,    150,  kFbp.windSpeed,
         kWindSpeed},
        {"elevation",     "Elevation ( m )",         "Elevation",      "m",      kInteger, 0,    3000, kSite.elevation,
         kElevation, kElevationNote},
        {"df",            "DF  (%) ",                kDeadFir,         "%",      kInteger, 0,    100,  kSite.pdf,
         kPdf},
        {"gc",            "GC  (%)",                 kCuring,          "%",      kInteger, 0,    100,  kSite.gc,
         GcMeaning(), kGcNote},
        {"pc",            "PC  (%)",                 kConifer,         "%",      kInteger, 0,    100,  kSite.pc,
         kPc},
        {"aspect",        "Aspect",                  "Aspect",         "deg",    kNumber,  0,    360,  kSite.aspect,
         kAspect},
        {"windDirection", "Wind Direction ( deg )",  "Wind direction", "deg",    kNumber,  0,    360,  kSite.windDirection,
         kWindDirection},
        {"gfl",           "GFL  ( kg/m2)",           kLoad,            "kg/m2",  kNumber,  0,    5,    kSite.gfl,
         GflMeaning(), kGflNote},
    };
    // clang-format on
    return fields;
}

std::span<const FieldDeclaration> DiurnalFields() {
    constexpr DiurnalCurveParams kTemp = kDefaultTemperatureParams;
    constexpr DiurnalCurveParams kWind = kDefaultWindParams;
    const std::string kStandardTemperature =
        "0 (or 0 in BETA or GAMMA) takes the standard temperature parameters.";
    const std::string kWindNote = "0 in ALPHA, BETA or GAMMA sets the wind GAMMA to -3.59.";
    const std::string kWindTiming =
        "timing: only the temperature ALPHA and BETA time both curves; this value matters only "
        "through its zero test";
    // clang-format off
    static const FieldDeclaration fields[] = {
        // The hourly FFMC starts from a whole-number code.
        {"ffmc",             "FFMC",        "Noon FFMC",           "",      kWhole,   0,    101, 87,
         "Today's Fine Fuel Moisture Code from the FWI calculation, the start of the hourly FFMC"},
        {"latitude",         "Latitude",    "Latitude",            "deg",   kNumber,  30,   90,  55,
         kLatitude, "The sunrise and sunset times need a latitude up to 80 degrees."},
        {"longitude",        "Longitude",   "Longitude",           "deg",   kNumber,  -170, 170, -110,
         kLongitude},
        // Noon humidity: the form opens with 45, "Default" puts back 50.
        {"relativeHumidity", "RH",          "Noon RH",             "%",     kNumber,  0,    100, 50,
         kNoonHumidity, "", "Noon", 45},
        {"temperature",      "Temperature", "Noon temperature",    "deg C", kNumber,  0,    40,  30,
         kNoonTemperature, "", "Noon"},
        {"windSpeed",        "Wind Speed",  "Noon wind speed",     "km/h",  kNumber,  0,    150, 25,
         kNoonWind, "", "Noon"},
        {"maxTemperature",   "Maximum",     "Maximum temperature", "deg C", kNumber,  0,    40,  32,
         "Typical daily maximum temperature, in degrees Celsius", "", "Temperature"},
        {"maxWind",          "Maximum",     "Maximum wind speed",  "km/h",  kNumber,  0,    150, 35,
         "Typical daily maximum wind speed, in km/h", "", "Wind Speed"},
        {"minTemperature",   "Minimum",     "Minimum temperature", "deg C", kNumber,  0,    40,  15,
         "Typical daily minimum temperature, in degrees Celsius", "", "Temperature"},
        {"minWind",          "Minimum",     "Minimum wind speed",  "km/h",  kNumber,  0,    150, 1,
         "Typical daily minimum wind speed, in km/h", "", "Wind Speed"},
        {"temperatureBeta",  "BETA",        "Temperature beta",    "h",     kNumber,  0,    4.5, kTemp.beta,
         "Hours after noon at which the daily maximum falls; it times both the temperature and "
         "the wind curves",
         "0 (or 0 in ALPHA or GAMMA) takes the standard temperature parameters.", "Temperature"},
        {"temperatureGamma", "GAMMA",       "Temperature gamma",   "",      kNumber,  -4.5, 4.5, kTemp.gamma,
         "How fast the temperature falls from its sunset value toward the minimum through the "
         "night (more negative falls faster)",
         "0 (or 0 in ALPHA or BETA) takes the standard temperature parameters.", "Temperature"},
        {"windAlpha",        "ALPHA",       "Wind alpha",          "h",     kNumber,  -2.5, 2.5, kWind.alpha,
         "Wind minimum " + kWindTiming, kWindNote, "Wind Speed"},
        {"windBeta",         "BETA",        "Wind beta",           "h",     kNumber,  0,    7.5, kWind.beta,
         "Wind maximum " + kWindTiming, kWindNote, "Wind Speed"},
        {"windGamma",        "GAMMA",       "Wind gamma",          "",      kNumber,  -4.5, 4.5, kWind.gamma,
         "How fast the wind falls from its sunset value toward the minimum through the night "
         "(more negative falls faster)",
         kWindNote, "Wind Speed"},
        {"temperatureAlpha", "ALPHA",       "Temperature alpha",   "h",     kNumber,  0,    5,   kTemp.alpha,
         "Hours after sunrise at which the daily minimum falls; it times both the temperature "
         "and the wind curves",
         kStandardTemperature, "Temperature"},
        {"day",              "Day",         "Day",                 "",      kInteger, 1,    31,  15,
         kDay},
        {"month",            "Month",       "Month",               "",      kInteger, 1,    12,  7,
         kMonth},
    };
    // clang-format on
    return fields;
}

std::span<const FieldDeclaration> DetectionFields() {
    // clang-format off
    static const FieldDeclaration fields[] = {
        {"aspect",        "Aspect",                      "Aspect",           "deg",   kNumber,  0,    360,  kSite.aspect,
         kAspect},
        {"bui",           "BUI",                         "BUI",              "",      kNumber,  0,    650,  kSite.bui,
         kBui},
        {"day",           "Day",                         "Day",              "",      kInteger, 1,    31,   kFbp.day,
         kDay},
        {"elevation",     "Elevation (m)",               "Elevation",        "m",     kInteger, 0,    3000, kSite.elevation,
         kElevation, kElevationNote},
        {"latitude",      "Latitude    ( d.d )  ",       "Latitude",         "deg",   kNumber,  30,   90,   kSite.latitude,
         kLatitude},
        {"longitude",     "Longitude      ( d.d )",      "Longitude",        "deg",   kNumber,  -170, 170,  kSite.longitude,
         kLongitude},
        {"month",         "Month",                       "Month",            "",      kInteger, 1,    12,   kFbp.month,
         kMonth},
        {"windDirection", "Wind Direction      ( deg )", "Wind direction",   "deg",   kNumber,  0,    360,  kSite.windDirection,
         kWindDirection},
        {"gc",            "% Grass Curing ( O1a/1b)",    kCuring,            "%",     kInteger, 0,    100,  kSite.gc,
         GcMeaning(), kGcNote},
        {"pdf",           "% Dead Balsam in M3/M4",      kDeadFir,           "%",     kInteger, 0,    100,  kSite.pdf,
         kPdf},
        {"gfl",           "Grass Fuel Load (" + GrassFuelCodes("/") + ")               ( kg / m2 )",
                                                         kLoad,              "kg/m2", kNumber,  0,    5,    kSite.gfl,
         GflMeaning(), kGflNote},
        {"pc",            "% Conifer in Mixedwood",      kConifer,           "%",     kInteger, 0,    100,  kSite.pc,
         kPc},
        {"slope",         "Slope   ( % )",               "Slope",            "%",     kNumber,  0,    100,  kSite.slope,
         kSlope},
        {"fireStartTime", "Fire Start Time",             "Fire start time",  "hhmm",  kInteger, 0,    2400, 1430,
         "Clock time the fire started, hhmm (1430 is 2:30 pm)"},
    };
    // clang-format on
    return fields;
}

std::span<const FieldDeclaration> FuelProjectionFields() {
    // clang-format off
    static const FieldDeclaration fields[] = {
        {"aspect",        "Aspect",                       "Aspect",         "deg",   kNumber,  0,    360,  kSite.aspect,
         kAspect},
        {"gc",            " GC (%)",                      kCuring,          "%",     kInteger, 0,    100,  kSite.gc,
         GcMeaning(), kGcNote},
        {"bui",           "BUI",                          "BUI",            "",      kNumber,  0,    650,  kSite.bui,
         kBui},
        {"day",           "Day",                          "Day",            "",      kInteger, 1,    31,   kFbp.day,
         kDay},
        {"pdf",           "DF (%) ",                      kDeadFir,         "%",     kInteger, 0,    100,  kSite.pdf,
         kPdf},
        {"elevation",     "Elevation (m)",                "Elevation",      "m",     kInteger, 0,    3000, kSite.elevation,
         kElevation, kElevationNote},
        {"ffmc",          "FFMC",                         "FFMC",           "",      kNumber,  0,    101,  kFbp.ffmc,
         kFfmc},
        {"latitude",      "Latitude  ( d.d ) ",           "Latitude",       "deg",   kNumber,  30,   90,   kSite.latitude,
         kLatitude},
        {"gfl",           "GFL  (kg / m2 )",              kLoad,            "kg/m2", kNumber,  0,    5,    kSite.gfl,
         GflMeaning(), kGflNote},
        {"longitude",     "Longitude   ( d.d )",          "Longitude",      "deg",   kNumber,  -170, 170,  kSite.longitude,
         kLongitude},
        {"month",         "Month",                        "Month",          "",      kInteger, 1,    12,   kFbp.month,
         kMonth},
        {"pc",            "  PC (%) ",                    kConifer,         "%",     kInteger, 0,    100,  kSite.pc,
         kPc},
        {"slope",         "Slope     ( % )",              "Slope",          "%",     kNumber,  0,    100,  kSite.slope,
         kSlope},
        {"elapsedTime",   "Elapsed Time         (min)",   "Elapsed time",   "min",   kInteger, 0,    300,  kFbp.elapsedTime,
         kElapsed},
        {"windSpeed",     "Wind Speed      ( km/hr )",    "Wind speed",     "km/h",  kNumber,  0,    150,  kFbp.windSpeed,
         kWindSpeed},
        {"windDirection", "Wind Direction      ( deg ) ", "Wind direction", "deg",   kNumber,  0,    360,  kSite.windDirection,
         kWindDirection},
    };
    // clang-format on
    return fields;
}

std::span<const FieldDeclaration> FireByHourFields() {
    // The calculation's own initial case: start hour, duration and thresholds.
    static const FireByHourCase kCase;
    // clang-format off
    static const FieldDeclaration fields[] = {
        {"pc",            "% Conifer (M1/M2)",          kConifer,         "%",     kInteger, 0,    100,   kSite.pc,
         kPc},
        {"pdf",           "% Dead Fir (M3/M4)",         kDeadFir,         "%",     kInteger, 0,    100,   kSite.pdf,
         kPdf},
        {"gc",            "% Grass Curing (" + GrassFuelCodes("/") + ")",
                                                        kCuring,          "%",     kInteger, 0,    100,   kSite.gc,
         GcMeaning()},
        {"gfl",           "Grass Fuel Load (kg/m2)",    kLoad,            "kg/m2", kNumber,  0,    5,     kSite.gfl,
         GflMeaning()},
        {"bui",           "BUI",                        "BUI",            "",      kNumber,  0,    650,   kSite.bui,
         kBui},
        {"windDirection", "Wind Direction (deg)",       "Wind direction", "deg",   kNumber,  0,    360,   kSite.windDirection,
         kWindDirection},
        {"slope",         "Slope (%)",                  "Slope",          "%",     kNumber,  0,    100,   kSite.slope,
         kSlope},
        {"aspect",        "Aspect (deg)",               "Aspect",         "deg",   kNumber,  0,    360,   kSite.aspect,
         kAspect},
        {"latitude",      "Latitude (d.d)",             "Latitude",       "deg",   kNumber,  30,   90,    kSite.latitude,
         kLatitude},
        {"longitude",     "Longitude (d.d)",            "Longitude",      "deg",   kNumber,  -170, 170,   kSite.longitude,
         kLongitude},
        {"elevation",     "Elevation (m)",              "Elevation",      "m",     kInteger, 0,    3000,  kSite.elevation,
         kElevation},
        {"month",         "Month",                      "Month",          "",      kInteger, 1,    12,    kFbp.month,
         "Month of the day, 1 = January to 12 = December"},
        {"day",           "Day",                        "Day",            "",      kInteger, 1,    31,    kFbp.day,
         "Day of the month"},
        {"startHour",     "Fire Start Hour (0-23)",     "Fire start hour", "",     kInteger, 0,    23,    double(kCase.startHour),
         "Clock hour at which the fire for the area and perimeter columns starts"},
        {"duration",      "Duration (h)",               "Duration",       "h",     kInteger, 1,    24,    double(kCase.durationHours),
         "Hours the fire burns from its start; start plus duration at most 24"},
        {"threshold1",    "Threshold 1 (kW/m)",         "Threshold 1",    "kW/m",  kNumber,  0,    50000, kCase.thresholds[0],
         "Head fire intensity at and above which an hour is critical, in kW/m"},
        {"threshold2",    "Threshold 2 (kW/m)",         "Threshold 2",    "kW/m",  kNumber,  0,    50000, kCase.thresholds[1],
         "A second, higher critical intensity, in kW/m"},
    };
    // clang-format on
    return fields;
}

std::span<const FieldDeclaration> HourlyFwiFields() {
    using namespace fwi2025;
    // clang-format off
    static const FieldDeclaration fields[] = {
        {"latitude",  "Latitude (deg N)",         "Latitude",          "deg N",      kNumber,  kLatitudeRangeDeg.min,  kLatitudeRangeDeg.max,  45.996,
         "Latitude of the station in degrees, north positive",
         "Taken from the weather file when it has a lat column."},
        {"longitude", "Longitude (deg E)",        "Longitude",         "deg E",      kNumber,  kLongitudeRangeDeg.min, kLongitudeRangeDeg.max, -77.427,
         "Longitude of the station in degrees, east positive",
         "Taken from the weather file when it has a long column."},
        {"utcOffset", "Time zone (h from UTC)",   "Time zone",         "h from UTC", kNumber,  kUtcOffsetRangeH.min,   kUtcOffsetRangeH.max,   -4,
         "Offset from UTC in hours of the clock the weather's hours are written in",
         "Taken from the weather file when it has a timezone column."},
        {"startFfmc", "Start-up FFMC",            "Start-up FFMC",     "",           kNumber,  kFfmcRange.min,         kFfmcRange.max,         85,
         "Fine Fuel Moisture Code at the start of each run (each calendar year)"},
        // The FWI Calculator's ranges: the values it hands over always fit.
        {"startDmc",  "Start-up DMC",             "Start-up DMC",      "",           kNumber,  0,                      500,                    6,
         "Duff Moisture Code at the start of each run"},
        {"startDc",   "Start-up DC",              "Start-up DC",       "",           kNumber,  0,                      1200,                   15,
         "Drought Code at the start of each run"},
        {"dailyHour", "Daily system hour (0-23)", "Daily system hour", "",           kInteger, 0,                      23,                     12,
         "Clock hour of the observation the 1987 daily system uses beside each day, with the "
         "rain of the 24 hours ending then"},
    };
    // clang-format on
    return fields;
}

}  // namespace emberlin::forms
