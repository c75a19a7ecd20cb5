// The FBP settings the calculators hold and the engine record built from them: what the FBP
// calculator computes with, what the projection forms and the batch commands hand the engine.
#pragma once

#include "fbp/fbp_records.h"

namespace emberlin {

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

}  // namespace emberlin
