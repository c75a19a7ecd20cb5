// The program's two double-to-integer conversions, made safe for any double.
#pragma once

namespace emberlin {

// Truncation toward zero. Values beyond the int range saturate at its ends and NaN gives 0,
// so no conversion is ever undefined; inside the range this is exactly (int)x.
int TruncateToInt(double x);

// "Rounding to an integer": add 0.5, then truncate toward zero (so -0.7 gives 0, 4.5 gives 5).
int RoundToInt(double x);

// True when x is finite and its truncation fits in an int without saturating.
bool FitsInt(double x);

}  // namespace emberlin
