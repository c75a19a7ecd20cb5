// The engine record of the FBP calculator's initial inputs.
#pragma once

#include <string_view>

#include "fbp/fbp_records.h"

namespace emberlin::forms {

// The engine's record of the forms' initial settings, with fuel type `fuelType` (any text):
// point ignition, 15 min, FFMC 87, BUI 40, wind 25 km/h from 0 deg, flat, PC 50, PDF 50,
// GC 85, GFL 0.3, 15 July (day 196) at 55 N 110 W, elevation 0, FMC worked out, theta 0.
// What the FBP calculator computes before anything is typed; the engine's tests and the
// benchmarks start from it.
FbpInputs CalculatorDefaults(std::string_view fuelType);

}  // namespace emberlin::forms
