// The FBP calculator's default inputs, shared by the FBP engine tests.
#pragma once

#include <string>

#include "fbp/fbp_records.h"

namespace emberlin {

// Point ignition, 15 min, FFMC 87, BUI 40, wind 25 km/h from 0 deg, flat, PC 50, PDF 50,
// GC 85, GFL 0.3, 15 July (day 196) at 55 N 110 W, elevation 0, FMC worked out, theta 0.
inline FbpInputs CalculatorDefaults(const std::string& fuelType) {
    return {.fuelType = fuelType,
            .ignitionType = 1,
            .elapsedTime = 15,
            .ffmc = 87,
            .bui = 40,
            .windSpeed = 25,
            .pc = 50,
            .pdf = 50,
            .gc = 85,
            .gfl = 0.3,
            .julianDay = 196,
            .latitude = 55,
            .longitude = -110,
            .useBui = 1};
}

}  // namespace emberlin
