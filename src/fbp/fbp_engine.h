// The FBP System calculation for one fuel type and one set of conditions.
#pragma once

#include "fbp/fbp_records.h"

namespace emberlin {

// Whether ComputeFbp filled its outputs.
enum class FbpResult { UnknownFuelType, Computed };

// Fills every field of `outputs` and returns Computed; returns UnknownFuelType and leaves
// `outputs` untouched when inputs.fuelType is not a code of FuelTypeTable. The inputs are
// normalised on a copy: negative elapsedTime, ffmc, bui, windSpeed, slope, pc, julianDay and
// minFmcDay become 0, a negative pdf 100, a gc of 0 or below 95, a gfl of 0 or below 0.3, and bui
// is 0 unless buiEffect is On. No output is NaN or infinite for inputs within the calculator's
// ranges.
FbpResult ComputeFbp(const FbpInputs& inputs, FbpOutputs& outputs);
// The same for the fuel type in row `fuel` of FuelTypeTable (inputs.fuelType is not read), for
// callers that map their codes to rows once rather than per case.
void ComputeFbpForFuel(const FbpInputs& inputs, int fuel, FbpOutputs& outputs);

}  // namespace emberlin
