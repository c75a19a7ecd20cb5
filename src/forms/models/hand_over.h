// What the forms hand one another: the FWI day, the FBP settings and the hourly tables.
// One HandOver lives for the whole run, owned by the application and handed by reference to
// the forms that produce or take values. A channel is empty until its producer's first
// calculation and is never emptied again.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "fbp/fbp_records.h"

namespace emberlin::forms {

// How a fire starts: from a point (it builds up to its full rate) or as a line front.
enum class IgnitionType { Line, Point };

// The FWI calculator's day: today's codes and the weather they came from.
struct FwiDay {
    double ffmc = 0;              // today's FFMC, limited to 0..101
    double bui = 0;               // today's BUI
    double rain = 0;              // mm
    double windSpeed = 0;         // km/h
    double relativeHumidity = 0;  // %, as typed: 100 stays 100
    double temperature = 0;       // deg C
    int month = 0;
};

// Fuel parameters, BUI, wind direction, terrain and place: what every FBP form holds beside
// fuel type, weather, ignition and time, at the forms' initial values.
struct ProjectionSite {
    int pc = 50;       // % conifer
    int pdf = 50;      // % dead balsam fir
    int gc = 85;       // % grass curing
    double gfl = 0.3;  // kg/m2
    double bui = 40.0;
    double windDirection = 0.0;
    double slope = 0.0;  // %
    double aspect = 0.0;
    double latitude = 55.0;
    double longitude = -110.0;  // negative west, as entered
    int elevation = 0;          // m
};

// One set of FBP settings, at the forms' initial values: what the FBP calculator publishes,
// what the detection assessment takes over, and what the projection forms hold.
struct FbpSettings {
    int fuelIndex = kC2;  // row of FuelTypeTable
    IgnitionType ignition = IgnitionType::Point;
    double ffmc = 87.0;
    double windSpeed = 25.0;  // km/h
    int month = 7;
    int day = 15;
    int elapsedTime = 15;  // min
    ProjectionSite site;
};

// The engine's record for `settings` on day of the year `julianDay`, with the engine's own
// foliar moisture (fmc 0, day of minimum worked out), the BUI used and theta 0.
FbpInputs EngineInputs(const FbpSettings& settings, int julianDay);

// The engine's record of the forms' initial settings, with fuel type `fuelType` (any text):
// point ignition, 15 min, FFMC 87, BUI 40, wind 25 km/h from 0 deg, flat, PC 50, PDF 50,
// GC 85, GFL 0.3, 15 July (day 196) at 55 N 110 W, elevation 0, FMC worked out, theta 0.
// What the FBP calculator computes before anything is typed; the engine's tests and the
// benchmarks start from it.
FbpInputs CalculatorDefaults(std::string_view fuelType);

// The diurnal weather calculator's hourly values. Slot h = 1..24 is the value at the end of
// hour h; slot 0 is always 0.
struct HourlyTables {
    std::array<double, 25> ffmc{};
    std::array<double, 25> windSpeed{};
};

struct HandOver {
    std::optional<FwiDay> fwi;           // set by the FWI calculator's Calculate
    std::optional<FbpSettings> fbp;      // set by the FBP calculator's Calculate
    std::optional<HourlyTables> hourly;  // set by the diurnal weather CALCULATE
};

}  // namespace emberlin::forms
