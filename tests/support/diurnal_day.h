// The hourly tables the diurnal weather calculator publishes after CALCULATE with its initial
// values, for tests of the forms and windows that take them over.
#pragma once

#include <cstddef>
#include <optional>

#include "diurnal/diurnal_weather.h"
#include "diurnal/hourly_ffmc.h"
#include "forms/models/hand_over.h"

namespace emberlin::testing_support {

// Publishes the tables of 30 C, 45 %, 25 km/h, FFMC 87, 15 July at 55 N 110 W, temperature
// 15..32, wind 1..35, the default curve shapes and the Van Wagner FFMC; false when the day
// cannot be computed (the shared tables are then left as they were).
inline bool PublishDiurnalDay(forms::HandOver& shared) {
    const std::optional<DiurnalDay> day = CalcDiurnalDay(55, -110, 7, 15, 30, 45, 25, 15, 32, 1, 35,
                                                         {0.88, 1.86, -2.2}, {1.0, 1.24, -3.59});
    if (!day) return false;
    const DiurnalFfmc ffmc = CalcDiurnalFfmc(*day, 87, FfmcMethod::VanWagner);
    HourlyTables tables;
    for (std::size_t h = 1; h <= 24; ++h) {
        tables.ffmc[h] = ffmc[h];
        tables.windSpeed[h] = day->windSpeed[h];
    }
    shared.hourly = tables;
    return true;
}

}  // namespace emberlin::testing_support
