#include "forms/fields/result_columns.h"

#include "common/number_text.h"
#include "common/rounding.h"
#include "forms/content/fire_description.h"

namespace emberlin::forms {

namespace {

// A rate of spread at or below this draws no ellipse worth a ratio.
constexpr double kLbRosFloor = 0.001;

// clang-format off
constexpr std::array<FwiResultColumn, kFwiResultCount> kFwiResults = {{
    {"ffmcText", "FFMC", "FFMC", &FwiCodes::ffmc,
     "Today's Fine Fuel Moisture Code: the moisture of litter and fine fuels"},
    {"dmcText",  "DMC",  "DMC",  &FwiCodes::dmc,
     "Today's Duff Moisture Code: the moisture of loosely compacted organic layers"},
    {"dcText",   "DC",   "DC",   &FwiCodes::dc,
     "Today's Drought Code: the moisture of deep, compact organic layers"},
    {"isiText",  "ISI",  "ISI",  &FwiCodes::isi, "Initial Spread Index: the expected rate of fire spread"},
    {"buiText",  "BUI",  "BUI",  &FwiCodes::bui, "Buildup Index: the fuel available for combustion"},
    {"fwiText",  "FWI",  "FWI",  &FwiCodes::fwi, "Fire Weather Index: the intensity of a spreading fire"},
    {"dsrText",  "DSR",  "DSR",  &FwiCodes::dsr, "Daily Severity Rating: the difficulty of controlling fires"},
}};
// clang-format on

using R = ResultFormat;
using O = FbpOutputs;

// clang-format off
constexpr std::array<FbpResultColumn, kFbpResultCount> kResults = {{
    // Primary outputs.
    {"rosText",       "ROS ( m/min )",      "ROS",              "m/min", R::TwoDecimals, &O::ros,
     "Head fire rate of spread at equilibrium (the full rate a fire builds up to), in m/min"},
    {"hfiText",       "HFI   ( kW/m )",     "HFI",              "kW/m",  R::Whole,       &O::hfi,
     "Head fire intensity at the elapsed time, in kW/m"},
    {"sfcText",       "SFC  ( kg/sq. m )",  "SFC",              "kg/m2", R::TwoDecimals, &O::sfc,
     "Surface fuel consumption, in kg/m\u00b2"},
    {"tfcText",       "TFC   ( kg/sq. m )", "TFC",              "kg/m2", R::TwoDecimals, &O::tfc,
     "Total fuel consumption (surface and crown) at the elapsed time, in kg/m\u00b2"},
    {"cfbText",       "CFB",                "CFB",              "",      R::TwoDecimals, &O::cfb,
     "Crown fraction burned at the elapsed time, a fraction from 0 to 1"},
    {"fdText",        "FD",                 "Fire description", "",      R::Description, &O::cfb,
     "Fire description at the elapsed time: surface, intermittent crown or crown fire"},
    // Secondary outputs.
    {"frosText",      "FROS  ( m/min )",    "FROS",             "m/min", R::TwoDecimals, &O::fros,
     "Flank fire rate of spread at equilibrium, in m/min"},
    {"brosText",      "BROS ( m/min )",     "BROS",             "m/min", R::TwoDecimals, &O::bros,
     "Back fire rate of spread at equilibrium, in m/min"},
    {"ffiText",       "FFI    ( kW/m )",    "FFI",              "kW/m",  R::Whole,       &O::ffi,
     "Flank fire intensity, in kW/m"},
    {"bfiText",       "BFI  ( kW/m )",      "BFI",              "kW/m",  R::Whole,       &O::bfi,
     "Back fire intensity, in kW/m"},
    {"areaText",      "Area ( ha )",        "Area",             "ha",    R::TwoDecimals, &O::area,
     "Fire area at the elapsed time, in ha"},
    {"perimeterText", "Perimeter ( m )",    "Perimeter",        "m",     R::TwoDecimals, &O::perimeter,
     "Fire perimeter at the elapsed time, in m"},
    {"pgrText",       "PGR ( m / min )",    "PGR",              "m/min", R::TwoDecimals, &O::pgr,
     "Perimeter growth rate at equilibrium, in m/min"},
    {"lbText",        "LB Ratio",           "LB ratio",         "",      R::SpreadRatio, &O::lb,
     "Length-to-breadth ratio of the fire ellipse"},
    {"hsdText",       "HSD  ( m ) ",        "HSD",              "m",     R::TwoDecimals, &O::hsd,
     "Head fire spread distance at the elapsed time (0 at 0 min: nothing has burned yet), in m"},
    {"fsdText",       "FSD  ( m )",         "FSD",              "m",     R::TwoDecimals, &O::fsd,
     "Flank fire spread distance at the elapsed time, in m"},
    {"bsdText",       "BSD ( m )",          "BSD",              "m",     R::TwoDecimals, &O::bsd,
     "Back fire spread distance at the elapsed time, in m"},
}};
// clang-format on

using H = HourBehaviour;
using Hv = std::optional<double>;

// The FBP calculator's formats: rates, CFB, area and perimeter to two decimals, the intensity
// rounded to a whole kW/m.
// clang-format off
constexpr std::array<HourResultColumn, kHourColumnCount> kHourResults = {{
    {"hour",           "Hour",            "",      R::Clock,       5,
     [](const H& h) -> Hv { return h.hour; }},
    {"ffmc",           "FFMC",            "",      R::OneDecimal,  7,
     [](const H& h) -> Hv { return h.ffmc; }},
    {"ws",             "Wind",            "km/h",  R::OneDecimal,  7,
     [](const H& h) -> Hv { return h.windSpeed; }},
    {"isi",            "ISI",             "",      R::OneDecimal,  7,
     [](const H& h) -> Hv { return h.isi; }},
    {"ros",            "Head ROS",        "m/min", R::TwoDecimals, 9,
     [](const H& h) -> Hv { return h.out.ros; }},
    {"hfi",            "HFI",             "kW/m",  R::Whole,       8,
     [](const H& h) -> Hv { return h.out.hfi; }},
    {"cfb",            "CFB",             "",      R::TwoDecimals, 6,
     [](const H& h) -> Hv { return h.out.cfb; }},
    {"fireType",       "Fire Type",       "",      R::Description, 25,
     [](const H& h) -> Hv { return h.out.cfb; }},
    {"intensityClass", "Intensity Class", "",      R::Whole,       9,
     [](const H& h) -> Hv { return h.intensityClass; }},
    {"area",           "Area",            "ha",    R::TwoDecimals, 10,
     [](const H& h) -> Hv { return h.grows ? Hv(h.area) : std::nullopt; }},
    {"perimeter",      "Perimeter",       "m",     R::TwoDecimals, 11,
     [](const H& h) -> Hv { return h.grows ? Hv(h.perimeter) : std::nullopt; }},
}};
// clang-format on

}  // namespace

std::string HourLabel(int hour) {
    std::string text = FormatInt(hour);
    if (hour >= 0 && hour < 10) text.insert(text.begin(), '0');
    return text.append(":00");
}

const std::array<HourResultColumn, kHourColumnCount>& FireByHourColumns() { return kHourResults; }

const HourResultColumn& FireByHourColumn(HourColumn column) {
    return kHourResults.at(static_cast<std::size_t>(column));
}

std::string FormattedResult(ResultFormat format, double value) {
    switch (format) {
        case ResultFormat::Description:
            return FireDescription(value);
        case ResultFormat::Whole:
            // "%d" of the value plus 0.5, truncated towards zero.
            return FormatInt(RoundToInt(value));
        case ResultFormat::OneDecimal:
            return FormatFixed(value, 0, 1);
        case ResultFormat::Clock:
            return HourLabel(static_cast<int>(value));
        case ResultFormat::TwoDecimals:
        case ResultFormat::SpreadRatio:
            break;
    }
    return FormatFixed(value, 3, 2);
}

const std::array<FwiResultColumn, kFwiResultCount>& FwiCalcResults() { return kFwiResults; }

const std::array<FbpResultColumn, kFbpResultCount>& FbpCalcResults() { return kResults; }

std::optional<double> ResultValue(const FbpResultColumn& column, const FbpOutputs& out) {
    switch (column.format) {
        case ResultFormat::Description:
            return std::nullopt;
        case ResultFormat::SpreadRatio:
            return out.ros > kLbRosFloor ? out.*column.output : 0.0;
        case ResultFormat::TwoDecimals:
        case ResultFormat::Whole:
        case ResultFormat::OneDecimal:
        case ResultFormat::Clock:
            break;
    }
    return out.*column.output;
}

std::string ResultText(const FbpResultColumn& column, const FbpOutputs& out) {
    const std::optional<double> value = ResultValue(column, out);
    return FormattedResult(column.format, value ? *value : out.*column.output);
}

}  // namespace emberlin::forms
