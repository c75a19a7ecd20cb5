// Day inputs shared by the diurnal weather and hourly FFMC tests.
#pragma once

#include <optional>

#include "diurnal/diurnal_weather.h"

namespace emberlin::testing {

// Every input of a diurnal day, preset to the diurnal form's initial values.
struct DayInputs {
    double latitude = 55;
    double longitude = -110;
    int month = 7;
    int day = 15;
    double noonTemperature = 30;
    double noonRelativeHumidity = 45;
    double noonWindSpeed = 25;
    double minTemperature = 15;
    double maxTemperature = 32;
    double minWind = 1;
    double maxWind = 35;
    DiurnalCurveParams temperatureParams{0.88, 1.86, -2.2};
    DiurnalCurveParams windParams{1.0, 1.24, -3.59};
};

inline std::optional<DiurnalDay> RunDay(const DayInputs& in) {
    return CalcDiurnalDay(in.latitude, in.longitude, in.month, in.day, in.noonTemperature,
                          in.noonRelativeHumidity, in.noonWindSpeed, in.minTemperature,
                          in.maxTemperature, in.minWind, in.maxWind, in.temperatureParams,
                          in.windParams);
}

}  // namespace emberlin::testing
