// The columns of the hourly system's tables: the weather it reads and what each hour reports,
// with their names, checks and units. The batch command, the Hourly FWI window and the Python
// module all read and write their columns from these two declarations.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "fwi2025/hourly_fwi.h"

namespace emberlin::fwi2025 {

inline constexpr InputRange kMonthRange = {1, 12};
inline constexpr InputRange kDayRange = {1, 31};
inline constexpr InputRange kHourRange = {0, 23};

// The input columns, in the order of the published weather files (then the optional ones).
enum HourlyInput : std::size_t {
    kInLat,
    kInLong,
    kInTimezone,
    kInYear,
    kInMonth,
    kInDay,
    kInHour,
    kInTemp,
    kInRh,
    kInWs,
    kInPrec,
    kInSolrad,
    kInCured,
    kInLoad,
    kHourlyInputCount
};

struct HourlyInputColumn {
    std::string_view name;     // the heading in a table (any letter case)
    std::string_view alias;    // a second heading taken for it, or empty
    std::string_view keyword;  // the Python module's argument
    InputRange range;
    bool integer = false;
    bool optional = false;  // estimated or defaulted when absent
};

inline constexpr std::array<HourlyInputColumn, kHourlyInputCount> kHourlyInputs = {{
    {"lat", "", "lat", kLatitudeRangeDeg},
    {"long", "", "long", kLongitudeRangeDeg},
    {"timezone", "", "timezone", kUtcOffsetRangeH},
    {"yr", "", "year", kYearRange, true},
    {"mon", "month", "month", kMonthRange, true},
    {"day", "", "day", kDayRange, true},
    {"hr", "", "hour", kHourRange, true},
    {"temp", "", "temp", kTemperatureRangeC},
    {"rh", "", "rh", kHumidityRangePct},
    {"ws", "", "ws", kWindRangeKmh},
    {"prec", "", "prec", kHourlyRainRangeMm},
    {"solrad", "", "solrad", kSolarRadiationRangeKwM2, false, true},
    {"percent_cured", "", "percent_cured", kCuringRangePct, false, true},
    // Above 0: a load of 0 carries no grass fire (refused apart from the range).
    {"grass_fuel_load", "", "grass_fuel_load", kFuelLoadRangeKgM2, false, true},
}};

// One computed column of an hour: its table name, a caption and unit for a grid, and its value.
struct HourlyOutputColumn {
    std::string_view name;
    std::string_view caption;
    std::string_view unit;  // empty for the codes and indices
    double (*value)(const HourlyOutput&);
    // Reported only when not supplied: the input column it stands for, else kHourlyInputCount.
    HourlyInput suppliedBy = kHourlyInputCount;
};

// Every computed column of an hour, in the order of the hourly output tables.
inline constexpr std::array<HourlyOutputColumn, 21> kHourlyOutputs = {{
    {"grass_fuel_load", "Grass load", "kg/m2",
     [](const HourlyOutput& h) { return h.grassFuelLoadKgM2; }, kInLoad},
    {"percent_cured", "Cured", "%", [](const HourlyOutput& h) { return h.percentCured; }, kInCured},
    {"solrad", "Solar rad.", "kW/m2", [](const HourlyOutput& h) { return h.solarRadiationKwM2; },
     kInSolrad},
    {"sunrise", "Sunrise", "h", [](const HourlyOutput& h) { return h.sun.sunriseH; }},
    {"sunset", "Sunset", "h", [](const HourlyOutput& h) { return h.sun.sunsetH; }},
    {"sunlight_hours", "Sunlight", "h", [](const HourlyOutput& h) { return h.sun.sunlightHours; }},
    {"mcffmc", "FFMC moisture", "%", [](const HourlyOutput& h) { return h.mcffmcPct; }},
    {"ffmc", "FFMC", "", [](const HourlyOutput& h) { return h.ffmc; }},
    {"dmc", "DMC", "", [](const HourlyOutput& h) { return h.dmc; }},
    {"dc", "DC", "", [](const HourlyOutput& h) { return h.dc; }},
    {"isi", "ISI", "", [](const HourlyOutput& h) { return h.isi; }},
    {"bui", "BUI", "", [](const HourlyOutput& h) { return h.bui; }},
    {"fwi", "FWI", "", [](const HourlyOutput& h) { return h.fwi; }},
    {"dsr", "DSR", "", [](const HourlyOutput& h) { return h.dsr; }},
    {"mcgfmc_matted", "Matted grass moisture", "%",
     [](const HourlyOutput& h) { return h.mcgfmcMattedPct; }},
    {"mcgfmc_standing", "Standing grass moisture", "%",
     [](const HourlyOutput& h) { return h.mcgfmcStandingPct; }},
    {"gfmc", "GFMC", "", [](const HourlyOutput& h) { return h.gfmc; }},
    {"gsi", "GSI", "", [](const HourlyOutput& h) { return h.gsi; }},
    {"gfwi", "GFWI", "", [](const HourlyOutput& h) { return h.gfwi; }},
    {"prec_cumulative", "Event rain", "mm",
     [](const HourlyOutput& h) { return h.precCumulativeMm; }},
    {"canopy_drying", "Canopy drying", "h", [](const HourlyOutput& h) { return h.canopyDryingH; }},
}};

}  // namespace emberlin::fwi2025
