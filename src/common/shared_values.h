// The program-wide store through which forms hand values to one another.
#pragma once

#include <array>

namespace emberlin {

// One instance lives for the whole run, owned by the application and handed by reference
// to the forms that produce or consume values. Every field starts at 0; a ready flag rises
// at the start of its producer's calculation and never falls again.
struct SharedValues {
    // FWI calculator channel (written by its Calculate).
    int fwiReady = 0;
    double fwiFfmc = 0;  // today's FFMC, limited to 0..101
    double fwiBui = 0;   // today's BUI
    double fwiRain = 0;
    double fwiWindSpeed = 0;
    double fwiRelativeHumidity = 0;  // as typed: 100 stays 100
    double fwiTemperature = 0;
    int fwiMonth = 0;

    // FBP calculator channel (written by its Calculate, before the computation).
    int fbpReady = 0;
    int fbpFuelTypeIndex = 0;  // 0..17 in the fixed fuel order C1 .. O1b
    int fbpIgnitionType = 0;   // 0 line, 1 point
    double fbpFfmc = 0;
    double fbpBui = 0;
    double fbpWindSpeed = 0;
    double fbpWindDirection = 0;
    double fbpSlope = 0;
    double fbpAspect = 0;
    double fbpPc = 0;
    double fbpPdf = 0;
    double fbpGc = 0;
    double fbpGfl = 0;
    double fbpElapsedTime = 0;
    double fbpLatitude = 0;
    double fbpLongitude = 0;
    int fbpElevation = 0;
    int fbpMonth = 0;
    int fbpDay = 0;

    // Hourly channel (written by the diurnal weather CALCULATE). Slot h = 1..24 is the
    // value at the end of hour h; slot 0 is always 0.
    int diurnalReady = 0;
    std::array<double, 25> hourlyFfmc{};
    std::array<double, 25> hourlyWind{};
};

}  // namespace emberlin
