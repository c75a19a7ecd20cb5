// Head fire intensity classes 1 to 6.
#pragma once

#include <array>

namespace emberlin {

// The lower bound (kW/m, inclusive) of each class, class 1 first: below 10, 10 to 500, 500 to
// 2,000, 2,000 to 4,000, 4,000 to 10,000 and 10,000 kW/m and above.
inline constexpr std::array<double, 6> kIntensityClassLower = {0, 10, 500, 2000, 4000, 10000};

// The class (1..6) of a head fire intensity. A value that is not a number is class 1.
int IntensityClass(double hfi);

}  // namespace emberlin
