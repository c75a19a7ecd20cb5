// Constants shared by the engines.
#pragma once

namespace emberlin {

// The FBP engine and the diurnal weather model use this short value of pi, not the
// full-precision constant; their degree/radian conversions follow from it.
inline constexpr double kPi = 3.1415926;

}  // namespace emberlin
