// Hour-by-hour Fine Fuel Moisture Code through one day of diurnal weather.
#pragma once

#include <array>

#include "diurnal/diurnal_weather.h"

namespace emberlin {

// How the hourly FFMC is found. Lawson is named on the form but has no calculation.
enum class FfmcMethod { VanWagner = 1, Lawson = 2, Equilibrium = 3 };

// Slot h = 1..24 holds the FFMC at hour h; slot 0 is always 0.
using DiurnalFfmc = std::array<double, 25>;

// Van Wagner hourly FFMC: one hour of drying or wetting (no rain) from the previous hour's
// FFMC, for temperature (degrees C), relative humidity (0..100 %) and wind (km/h, >= 0).
// Capped at 101 above; no lower cap. previousFfmc must be above -59.5.
double CalcHourlyFfmcVanWagner(double temperature, double relativeHumidity, double windSpeed,
                               double previousFfmc);

// FFMC at the equilibrium moisture content the previous FFMC is driven to: the drying
// equilibrium from above, the wetting one from below, unchanged in between. Wind plays no
// part; the result is not capped.
double CalcHourlyFfmcEquilibrium(double temperature, double relativeHumidity, double previousFfmc);

// Start value (hour 0) for the Van Wagner stepping, searched so that the modelled 4 pm value
// lies within 5 of the day's FFMC: guesses noonFfmc - 20, -18, ..., -2, the first accepted
// wins, else noonFfmc itself; the result is limited to 0..101. noonFfmc is the day's
// FFMC on its 0..101 scale.
double FindStartFfmc(const DiurnalDay& day, double noonFfmc);

// The FFMC of hours 1..24. VanWagner chains the hours from FindStartFfmc; Equilibrium gives
// each hour's drying equilibrium on its own and ignores noonFfmc. Any other method
// (Lawson) computes nothing and leaves every slot 0.
DiurnalFfmc CalcDiurnalFfmc(const DiurnalDay& day, double noonFfmc, FfmcMethod method);

}  // namespace emberlin
