// Diurnal day inputs for the tests, preset to the diurnal form's initial values.
#pragma once

#include <optional>

#include "diurnal/diurnal_weather.h"

namespace emberlin::testing {

struct DayInputs {
    double latitude = 55, longitude = -110;
    int month = 7, day = 15;
    double noonTemperature = 30, noonRelativeHumidity = 45, noonWindSpeed = 25;
    double minTemperature = 15, maxTemperature = 32, minWind = 1, maxWind = 35;
    DiurnalCurveParams temperatureParams = kDefaultTemperatureParams;
    DiurnalCurveParams windParams = kDefaultWindParams;
};

inline std::optional<DiurnalDay> RunDay(const DayInputs& in) {
    return CalcDiurnalDay(in.latitude, in.longitude, in.month, in.day, in.noonTemperature,
                          in.noonRelativeHumidity, in.noonWindSpeed, in.minTemperature,
                          in.maxTemperature, in.minWind, in.maxWind, in.temperatureParams,
                          in.windParams);
}

}  // namespace emberlin::testing
