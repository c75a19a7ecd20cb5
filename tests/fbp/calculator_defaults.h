// The FBP calculator's default inputs, shared by the FBP engine tests.
#pragma once

#include <string>
#include <utility>

#include "fbp/fbp_records.h"

namespace emberlin {

// Point ignition, 15 min, FFMC 87, BUI 40, wind 25 km/h from 0 deg, flat, PC 50, PDF 50,
// GC 85, GFL 0.3, 15 July (day 196) at 55 N 110 W, elevation 0, FMC worked out, theta 0.
inline FbpInputs CalculatorDefaults(std::string fuelType) {
    FbpInputs in;
    in.fuelType = std::move(fuelType);
    in.ignitionType = 1;
    in.elapsedTime = 15;
    in.ffmc = 87;
    in.bui = 40;
    in.windSpeed = 25;
    in.pc = 50;
    in.pdf = 50;
    in.gc = 85;
    in.gfl = 0.3;
    in.julianDay = 196;
    in.latitude = 55;
    in.longitude = -110;
    in.useBui = 1;
    return in;
}

}  // namespace emberlin
