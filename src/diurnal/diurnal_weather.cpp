#include "diurnal/diurnal_weather.h"

#include <cmath>

#include "common/calendar.h"
#include "common/constants.h"

namespace emberlin {
namespace {

// Angle constants, all folded from kPi = 3.1415926.
constexpr double kDegToRad = 0.017453292222222222;         // kPi / 180
constexpr double kDayAngle = 0.017167172677595627;         // 2 kPi / 366, radians per day
constexpr double kHoursPerRadian = 7.639437398725729;      // 24 / kPi
constexpr double kSunriseAltitude = 0.013962633777777778;  // 0.8 degrees: refraction and disc
constexpr double kQuarterTurn = 1.5707963;                 // kPi / 2, cut to 8 digits

static_assert(kPi / 180.0 - kDegToRad < 1e-17 && kDegToRad - kPi / 180.0 < 1e-17);
static_assert(24.0 / kPi - kHoursPerRadian < 1e-14 && kHoursPerRadian - 24.0 / kPi < 1e-14);

// Solar declination in degrees as a Fourier series in the day angle g:
// 0.33029 + sum of (cosine cos(n g) + sine sin(n g)), terms added in this order.
struct DeclinationTerm {
    double harmonic;
    double cosine;
    double sine;
};
// clang-format off
constexpr DeclinationTerm kDeclinationTerms[] = {
    //  n     cos(n g)   sin(n g)
    {1.0,  -22.9717,    3.8346},
    {2.0,   -0.3495,    0.0261},
    {3.0,   -0.1392,    0.0727},
};
// clang-format on
constexpr double kDeclinationMean = 0.33029;

// The night curve decays from its sunset value by exp(gamma B), B the fraction of the night
// gone. The published curve lets a positive gamma grow without bound (hundreds of degrees by
// 4 am); we hold the factor at 1 so a night never climbs above its sunset value. NaN (B = 0/0,
// an hour at sunset when the night has no length) is also the sunset value.
double NightFactor(double gamma, double nightFraction) {
    const double factor = std::exp(gamma * nightFraction);
    return factor <= 1.0 ? factor : 1.0;
}

}  // namespace

bool IsInSunTimeDomain(double latitude, double longitude) {
    return latitude >= -kMaxAbsLatitude && latitude <= kMaxAbsLatitude &&
           longitude >= -kMaxAbsLongitude && longitude <= kMaxAbsLongitude;
}

std::optional<SunTimes> CalcSunTimes(double latitude, double longitude, int dayOfYear) {
    if (!IsInSunTimeDomain(latitude, longitude)) return std::nullopt;

    const double g = dayOfYear * kDayAngle;
    double declinationDeg = kDeclinationMean;
    for (const DeclinationTerm& term : kDeclinationTerms) {
        declinationDeg += term.cosine * std::cos(term.harmonic * g);
        declinationDeg += term.sine * std::sin(term.harmonic * g);
    }
    const double declination = declinationDeg * kDegToRad;
    const double phi = latitude * kDegToRad;

    // Cosine of the hour angle at which the sun stands 0.8 degrees below the horizon.
    double x = -(std::sin(kSunriseAltitude) / (std::cos(phi) * std::cos(declination)) +
                 std::tan(phi) * std::tan(declination));
    // Polar day and polar night: the sun never crosses that altitude.
    if (x < -1.0) {
        x = -1.0;
    } else if (x > 1.0) {
        x = 1.0;
    }
    const double halfDay = std::acos(x) * kHoursPerRadian * 0.5;
    return SunTimes{12.0 - halfDay, 12.0 + halfDay};
}

// Goff-Gratch saturation vapour pressure over water (steam point 373.16 K, 1013.246 hPa).
double CalcVapourPressure(double temperature) {
    if (temperature <= -273.16) return kNoDiurnalValue;
    const double t = temperature + 273.16;
    const double r = 373.16 / t;
    const double log10e = 5.02808 * std::log10(r) - 7.90298 * (r - 1.0) -
                          1.3816e-7 * (std::pow(10.0, 11.344 * (1.0 - t * 0.0026798156286847465)) -
                                       1.0) +  // t / 373.16
                          0.0081328 * (std::pow(10.0, -3.49149 * (r - 1.0)) - 1.0) +
                          std::log10(1013.246);
    return std::pow(10.0, log10e);
}

// Dew point from the Clausius-Clapeyron relation; 0.000425 per K is ln(10) Rv / L.
double CalcDewPoint(double temperature, double relativeHumidity) {
    if (relativeHumidity <= 0.0) return kNoDiurnalValue;
    return 1.0 / (1.0 / (temperature + 273.16) - 0.000425 * std::log10(relativeHumidity * 0.01)) -
           273.16;
}

std::optional<HourWeather> CalcHourWeather(double latitude, double longitude, int dayOfYear,
                                           double hour, double minTemperature,
                                           double maxTemperature, double vapourPressure,
                                           double minWind, double maxWind,
                                           const DiurnalCurveParams& temperatureParams,
                                           const DiurnalCurveParams& windParams) {
    if (!std::isfinite(hour)) return std::nullopt;
    const std::optional<SunTimes> sun = CalcSunTimes(latitude, longitude, dayOfYear);
    if (!sun) return std::nullopt;
    const double sunrise = sun->sunrise;
    const double sunset = sun->sunset;

    // A zero anywhere in a parameter set means "not given": the temperature set falls back
    // whole, the wind set only in gamma (its alpha and beta shape nothing).
    DiurnalCurveParams tp = temperatureParams;
    if (tp.alpha * tp.beta * tp.gamma == 0.0) tp = kDefaultTemperatureParams;
    double windGamma = windParams.gamma;
    if (windParams.alpha * windParams.beta * windParams.gamma == 0.0) {
        windGamma = kDefaultWindParams.gamma;
    }

    // Bring the hour into (0, 24] from above and [0, 24) from below; 24 itself stays 24.
    // The exact remainder gives what repeated subtraction of 24 gives, for any size of hour.
    double t = hour;
    if (t > 24.0) {
        t = std::fmod(t, 24.0);
        if (t == 0.0) t = 24.0;
    } else if (t < 0.0) {
        t = std::fmod(t, 24.0);
        if (t < 0.0) t += 24.0;
    }

    const double tn = sunrise + tp.alpha;  // time of the minimum, for both curves
    const double tx = 12.0 + tp.beta;      // time of the maximum
    // When the minimum and maximum fall at the same time the day curve has no rising limb
    // (a division by zero in the published equations); the hour then sits at the curve's
    // minimum: S = 0.
    const bool flatDay = tx == tn;
    const double tNight = t < sunset ? t + 24.0 : t;
    const double nightFraction = (tNight - sunset) / (tn + 24.0 - sunset);
    const bool isDayHour = tn < t && t < sunset;

    HourWeather w{};
    double s = 0.0;
    double nightFactorT = 1.0;
    double nightFactorW = 1.0;
    if (isDayHour) {
        if (!flatDay) s = std::sin(kQuarterTurn * ((t - tn) / (tx - tn)));
        w.temperature = minTemperature + (maxTemperature - minTemperature) * s;
    } else {
        // S is the day curve's value at sunset, where the night curve starts.
        if (!flatDay) s = std::sin(kQuarterTurn * (sunset - tn) / (tx - tn));
        const double sunsetTemperature = minTemperature + (maxTemperature - minTemperature) * s;
        nightFactorT = NightFactor(tp.gamma, nightFraction);
        nightFactorW = NightFactor(windGamma, nightFraction);
        w.temperature = minTemperature + (sunsetTemperature - minTemperature) * nightFactorT;
    }
    if (w.temperature <= 0.0) w.temperature = 0.0;

    const double saturation = CalcVapourPressure(w.temperature);
    w.relativeHumidity = vapourPressure < saturation ? vapourPressure * 100.0 / saturation : 100.0;
    if (w.relativeHumidity <= 0.0) {
        w.relativeHumidity = 0.0;
    } else if (w.relativeHumidity >= 100.0) {
        w.relativeHumidity = 100.0;
    }

    if (isDayHour) {
        w.windSpeed = minWind + (maxWind - minWind) * s;
    } else {
        const double sunsetWind = minWind + (maxWind - minWind) * s;
        w.windSpeed = minWind + (sunsetWind - minWind) * nightFactorW;
    }
    if (w.windSpeed <= 0.0) w.windSpeed = 0.0;
    return w;
}

namespace {
// A typical minimum moved by the noon error (observed less modelled), never below 0; 0 when
// the modelled noon value is not above 0.
double ShiftedMinimum(double minimum, double observedNoon, double modelledNoon) {
    if (modelledNoon > 0.0) {
        double shifted = minimum + observedNoon - modelledNoon;
        if (shifted < 0.0) shifted = 0.0;
        return shifted;
    }
    return 0.0;
}
}  // namespace

std::optional<DiurnalFit> FitDiurnalCurves(double latitude, double longitude, int dayOfYear,
                                           double noonTemperature, double noonWindSpeed,
                                           double minTemperature, double maxTemperature,
                                           double minWind, double maxWind,
                                           const DiurnalCurveParams& temperatureParams,
                                           const DiurnalCurveParams& windParams) {
    // Humidity plays no part in the fit, so any vapour pressure will do.
    const std::optional<HourWeather> noon =
        CalcHourWeather(latitude, longitude, dayOfYear, 12.0, minTemperature, maxTemperature, 0.0,
                        minWind, maxWind, temperatureParams, windParams);
    if (!noon) return std::nullopt;

    // Both extremes move by the noon error; a minimum is never taken below 0. The maxima
    // are not clamped.
    DiurnalFit fit{};
    fit.modelNoonTemperature = noon->temperature;
    fit.modelNoonWind = noon->windSpeed;
    fit.minTemperature = ShiftedMinimum(minTemperature, noonTemperature, noon->temperature);
    fit.maxTemperature = maxTemperature + noonTemperature - noon->temperature;
    fit.minWind = ShiftedMinimum(minWind, noonWindSpeed, noon->windSpeed);
    fit.maxWind = maxWind + noonWindSpeed - noon->windSpeed;
    return fit;
}

std::optional<DiurnalDay> CalcDiurnalDay(double latitude, double longitude, int month, int day,
                                         double noonTemperature, double noonRelativeHumidity,
                                         double noonWindSpeed, double minTemperature,
                                         double maxTemperature, double minWind, double maxWind,
                                         const DiurnalCurveParams& temperatureParams,
                                         const DiurnalCurveParams& windParams) {
    // Days past 31 are refused so that the day count cannot overflow; within 1..31 the day
    // is not checked against the month (April 31 is May 1).
    if (day < 1 || day > 31) return std::nullopt;
    const std::optional<int> dayOfYear = DayOfYear(month, day);
    if (!dayOfYear) return std::nullopt;

    // The noon dew point holds all day: its vapour pressure sets every hour's humidity.
    const double vapourPressure =
        CalcVapourPressure(CalcDewPoint(noonTemperature, noonRelativeHumidity));

    const std::optional<DiurnalFit> fit = FitDiurnalCurves(
        latitude, longitude, *dayOfYear, noonTemperature, noonWindSpeed, minTemperature,
        maxTemperature, minWind, maxWind, temperatureParams, windParams);
    if (!fit) return std::nullopt;

    DiurnalDay result;
    for (int h = 1; h <= 24; ++h) {
        const std::optional<HourWeather> w =
            CalcHourWeather(latitude, longitude, *dayOfYear, static_cast<double>(h),
                            fit->minTemperature, fit->maxTemperature, vapourPressure, fit->minWind,
                            fit->maxWind, temperatureParams, windParams);
        if (!w) return std::nullopt;  // not reached: the place was accepted above
        const auto slot = static_cast<std::size_t>(h);
        result.temperature[slot] = w->temperature;
        result.relativeHumidity[slot] = w->relativeHumidity;
        result.windSpeed[slot] = w->windSpeed;
    }
    return result;
}

std::optional<DiurnalDay> CalcDiurnalDay(const DiurnalDayInputs& inputs) {
    return CalcDiurnalDay(inputs.latitude, inputs.longitude, inputs.month, inputs.day,
                          inputs.noonTemperature, inputs.noonRelativeHumidity, inputs.noonWindSpeed,
                          inputs.minTemperature, inputs.maxTemperature, inputs.minWind,
                          inputs.maxWind, inputs.temperatureParams, inputs.windParams);
}

}  // namespace emberlin
