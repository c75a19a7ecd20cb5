// Hour-by-hour temperature, relative humidity and wind speed of one day, fitted to its noon.
#pragma once

#include <array>
#include <optional>

namespace emberlin {

// Shape of one diurnal curve (temperature or wind speed).
struct DiurnalCurveParams {
    double alpha;  // hours after sunrise at which the daily minimum occurs
    double beta;   // hours after 12:00 at which the daily maximum occurs
    double gamma;  // exponential coefficient of the night-time decay
};

// The shapes used when a parameter set holds a zero (see CalcHourWeather).
inline constexpr DiurnalCurveParams kDefaultTemperatureParams{0.88, 1.86, -2.2};
inline constexpr DiurnalCurveParams kDefaultWindParams{1.0, 1.24, -3.59};

// Marker returned by CalcVapourPressure and CalcDewPoint when no value exists.
inline constexpr double kNoDiurnalValue = -999.0;

// Sun times are modelled only for latitudes -80..80 and longitudes -180..180 (degrees,
// bounds included); places outside are refused rather than extrapolated.
inline constexpr double kMaxAbsLatitude = 80.0;
inline constexpr double kMaxAbsLongitude = 180.0;

// One day in 25 slots: slot h = 1..24 is hour h of local solar time (12 is noon, 24 the
// midnight that ends the day); slot 0 is never computed and stays 0.
struct DiurnalDay {
    std::array<double, 25> temperature{};       // degrees C
    std::array<double, 25> relativeHumidity{};  // percent
    std::array<double, 25> windSpeed{};         // km/h
};

struct SunTimes {
    double sunrise;  // hours, local solar time
    double sunset;
};

struct HourWeather {
    double temperature;       // degrees C, never below 0
    double relativeHumidity;  // percent, 0..100
    double windSpeed;         // km/h, never below 0
};

// The curve extremes after fitting the day to its noon observation.
struct DiurnalFit {
    double modelNoonTemperature;  // the unfitted curves at hour 12
    double modelNoonWind;
    double minTemperature;
    double maxTemperature;
    double minWind;
    double maxWind;
};

// True when latitude and longitude lie in the sun-time domain (NaN lies outside).
bool IsInSunTimeDomain(double latitude, double longitude);

// Sunrise and sunset for a latitude (degrees north) and day of the year. Longitude is
// only checked, never applied: times are local solar time with noon at 12.0.
// std::nullopt when the place lies outside the sun-time domain.
std::optional<SunTimes> CalcSunTimes(double latitude, double longitude, int dayOfYear);

// Saturation vapour pressure over water in hPa for a temperature in degrees C;
// kNoDiurnalValue at or below -273.16.
double CalcVapourPressure(double temperature);

// Dew point in degrees C; kNoDiurnalValue when the relative humidity (%) is 0 or below.
double CalcDewPoint(double temperature, double relativeHumidity);

// The weather of one hour from the day's curve extremes and the day's vapour pressure (hPa).
// Only the temperature alpha and beta time both curves; the wind alpha and beta matter only
// through the zero test. std::nullopt when the place lies outside the sun-time domain or
// the hour is not finite.
std::optional<HourWeather> CalcHourWeather(double latitude, double longitude, int dayOfYear,
                                           double hour, double minTemperature,
                                           double maxTemperature, double vapourPressure,
                                           double minWind, double maxWind,
                                           const DiurnalCurveParams& temperatureParams,
                                           const DiurnalCurveParams& windParams);

// Shifts the temperature and wind curves so that they pass through the noon observation.
// std::nullopt when the place lies outside the sun-time domain.
std::optional<DiurnalFit> FitDiurnalCurves(double latitude, double longitude, int dayOfYear,
                                           double noonTemperature, double noonWindSpeed,
                                           double minTemperature, double maxTemperature,
                                           double minWind, double maxWind,
                                           const DiurnalCurveParams& temperatureParams,
                                           const DiurnalCurveParams& windParams);

// What a day of diurnal weather is computed from: place, date, the noon observation, the
// day's typical extremes and the shapes of the two curves.
struct DiurnalDayInputs {
    double latitude = 0;   // degrees north
    double longitude = 0;  // degrees, negative west
    int month = 1;
    int day = 1;
    double noonTemperature = 0;       // degrees C
    double noonRelativeHumidity = 0;  // percent
    double noonWindSpeed = 0;         // km/h
    double minTemperature = 0;        // degrees C
    double maxTemperature = 0;        // degrees C
    double minWind = 0;               // km/h
    double maxWind = 0;               // km/h
    DiurnalCurveParams temperatureParams = kDefaultTemperatureParams;
    DiurnalCurveParams windParams = kDefaultWindParams;
};

// The 24 hours of a day, fitted to its noon temperature and wind speed; the noon dew point
// holds for the whole day. std::nullopt when the place lies outside the sun-time domain,
// the month is outside 1..12 or the day outside 1..31.
std::optional<DiurnalDay> CalcDiurnalDay(double latitude, double longitude, int month, int day,
                                         double noonTemperature, double noonRelativeHumidity,
                                         double noonWindSpeed, double minTemperature,
                                         double maxTemperature, double minWind, double maxWind,
                                         const DiurnalCurveParams& temperatureParams,
                                         const DiurnalCurveParams& windParams);

// The same day from its inputs as one record.
std::optional<DiurnalDay> CalcDiurnalDay(const DiurnalDayInputs& inputs);

}  // namespace emberlin
