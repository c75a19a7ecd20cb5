// What the forms hand one another: the FWI day, the FBP settings and the hourly tables.
// One HandOver lives for the whole run, owned by the application and handed by reference to
// the forms that produce or take values. A channel is empty until its producer's first
// calculation and is never emptied again.
#pragma once

#include <optional>
#include <string>

#include "fire/engine_inputs.h"
#include "fire/hourly_tables.h"

namespace emberlin::forms {

// The FWI calculator's day: today's codes and the weather they came from.
struct FwiDay {
    double ffmc = 0;              // today's FFMC, limited to 0..101
    double dmc = 0;               // today's DMC
    double dc = 0;                // today's DC
    double bui = 0;               // today's BUI
    double rain = 0;              // mm
    double windSpeed = 0;         // km/h
    double relativeHumidity = 0;  // %, as typed: 100 stays 100
    double temperature = 0;       // deg C
    int month = 0;
};

// A day of the hourly FWI window's results: its hourly FFMC and wind speed in the slots of
// the hourly tables, and the BUI at the day's peak hour.
struct HourlyFwiDay {
    HourlyTables tables;
    double bui = 0;
    int month = 1;
    int day = 1;
    std::string label;  // where the rows came from ("Hourly FWI, 2007-06-15 (...)")
};

struct HandOver {
    std::optional<FwiDay> fwi;              // set by the FWI calculator's Calculate
    std::optional<FbpSettings> fbp;         // set by the FBP calculator's Calculate
    std::optional<HourlyTables> hourly;     // set by the diurnal weather CALCULATE
    std::optional<HourlyFwiDay> hourlyFwi;  // set by the hourly FWI window's hand-over
};

}  // namespace emberlin::forms
