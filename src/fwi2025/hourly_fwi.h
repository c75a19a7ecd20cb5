// The hourly Fire Weather Index System (FWI2025): moisture codes stepped hour by hour,
// the fire-behaviour indices, and the grassland moisture code and indices.
//
// Toolkit-free. Every formula here is the hourly system's own; the 1987 daily system in
// src/fwi differs (its ISI has no high-wind branch, its DMC and DC dry with temperature
// offsets and day-length factors) and is deliberately not shared.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "fwi2025/clock.h"

namespace emberlin::fwi2025 {

// Accepted ranges of the inputs (both ends included unless noted).
struct InputRange {
    double min;
    double max;
};
// Temperature has no physical check in the system; the bounds only keep every formula
// finite (fuel temperature far from -237 deg C, exponentials in range).
inline constexpr InputRange kTemperatureRangeC = {-90, 90};
inline constexpr InputRange kHumidityRangePct = {0, 100};
// Wind, rain and supplied radiation and load are bounded far above any observation so that
// event totals and intensities stay finite over any series.
inline constexpr InputRange kWindRangeKmh = {0, 500};
inline constexpr InputRange kHourlyRainRangeMm = {0, 1000};
inline constexpr InputRange kSolarRadiationRangeKwM2 = {0, 5};
inline constexpr InputRange kCuringRangePct = {0, 100};
inline constexpr InputRange kFuelLoadRangeKgM2 = {0, 100};  // 0 itself refused (> 0)
inline constexpr InputRange kLatitudeRangeDeg = {-90, 90};
inline constexpr InputRange kLongitudeRangeDeg = {-180, 180};
inline constexpr InputRange kUtcOffsetRangeH = {-24, 24};
inline constexpr InputRange kYearRange = {1, 9999};
// Start-up values.
inline constexpr InputRange kFfmcRange = {0, 101};
inline constexpr InputRange kFineFuelMoistureRangePct = {0, 250};
inline constexpr InputRange kCodeRange = {0, 1e6};  // DMC, DC: not negative
inline constexpr InputRange kNonNegativeRange = {0, 1e6};

// c_F in the FFMC <-> moisture conversions.
inline constexpr double kFfmcMoistureFactor = 14875.0 / 101.0;
inline constexpr double kDefaultGrassFuelLoadKgM2 = 0.35;

// Where the station is and which clock its dates and hours are written in.
struct Site {
    double latitudeDeg = 0;     // north positive
    double longitudeDeg = 0;    // east positive
    double utcOffsetHours = 0;  // of the input clock
};

// One hour of weather on the local clock.
struct HourlyWeather {
    ClockDate date;
    int hour = 0;  // 0..23
    double temperatureC = 0;
    double relativeHumidityPct = 0;
    double windSpeedKmh = 0;                   // 10 m, open ground
    double rainMm = 0;                         // fallen during the hour
    std::optional<double> solarRadiationKwM2;  // estimated when absent
    std::optional<double> percentCured;        // seasonal curve when absent
};

// The state carried from hour to hour, and the start-up values of a run.
struct HourlyState {
    double fineFuelMoisturePct = 0;
    double duffMoisturePct = 0;
    double droughtMoisturePct = 0;
    double mattedGrassMoisturePct = 0;
    double standingGrassMoisturePct = 0;
    double eventRainMm = 0;  // rain total of the current wetting event
    double dryHours = 0;     // consecutive dry hours toward ending the event
};

// Start-up values as a user gives them: codes or moistures. Exactly one of ffmc and
// fineFuelMoisturePct is used (the moisture when both are set).
struct StartValues {
    std::optional<double> ffmc;                 // default 85
    std::optional<double> fineFuelMoisturePct;  // instead of the FFMC
    double dmc = 6;
    double dc = 15;
    double mattedGrassMoisturePct = 16.3075131042516;
    double standingGrassMoisturePct = 16.3075131042516;
    double eventRainMm = 0;
    double dryHours = 0;
};

HourlyState StartState(const StartValues& start);

struct RunOptions {
    // Matted grass until 1 July, standing after; off: standing throughout.
    bool grassTransition = true;
    // One run per station over all its years instead of one per station and calendar year.
    bool continuous = false;
};

// Sun times of a date in decimal hours on the input clock.
struct SunTimes {
    double sunriseH = 0;
    double sunsetH = 0;  // past 24 under the midnight sun
    double sunlightHours = 0;
};

// Everything one hour reports.
struct HourlyOutput {
    double grassFuelLoadKgM2 = 0;
    double percentCured = 0;
    double solarRadiationKwM2 = 0;
    SunTimes sun;
    double mcffmcPct = 0;
    double ffmc = 0;
    double dmc = 0;
    double dc = 0;
    double isi = 0;
    double bui = 0;
    double fwi = 0;
    double dsr = 0;
    double mcgfmcMattedPct = 0;
    double mcgfmcStandingPct = 0;
    double gfmc = 0;
    double gsi = 0;
    double gfwi = 0;
    double precCumulativeMm = 0;
    double canopyDryingH = 0;
    bool standingGrass = false;  // the grass state this hour used
};

// --- The formulas, for callers that need one piece (the daily summaries, the tests) -------

double FfmcFromMoisture(double moisturePct);
double MoistureFromFfmc(double ffmc);
double DmcFromMoisture(double moisturePct);
double MoistureFromDmc(double dmc);
double DcFromMoisture(double moisturePct);
double MoistureFromDc(double dc);

SunTimes CalcSunTimes(const Site& site, const ClockDate& date);
// Clear-sky radiation through the vapour-pressure deficit, the sun placed at hh:00.
double EstimateSolarRadiation(const Site& site, const ClockDate& date, int hour,
                              double temperatureC, double relativeHumidityPct);
double SeasonalCuring(const ClockDate& date);

double Isi(double windSpeedKmh, double ffmc);
double Bui(double dmc, double dc);
double Fwi(double isi, double bui);
double Dsr(double fwi);
double CuringFactor(double percentCured);
double Gfmc(double grassMoisturePct, double percentCured, double windSpeedKmh);
double Gsi(double windSpeedKmh, double grassMoisturePct, double percentCured, bool standing);
double Gfwi(double gsi, double fuelLoadKgM2);

// One run: start-up values, then one Step per consecutive hour.
class HourlyRun {
  public:
    HourlyRun(const Site& site, const HourlyState& start, double grassFuelLoadKgM2,
              bool grassTransition = true);

    HourlyOutput Step(const HourlyWeather& weather);
    const HourlyState& State() const { return state_; }

  private:
    Site site_;
    HourlyState state_;
    double fuelLoadKgM2_;
    bool grassTransition_;
    bool started_ = false;
    std::int64_t standingFromDay_ = 0;  // day number of the matted -> standing date
    std::int64_t sunDay_ = INT64_MIN;   // the date whose values below are cached
    SunTimes sun_;
    double solarDay_[3] = {0, 0, 0};  // the solar radiation estimate's date terms
    double curingPct_ = 0;

    // A function's last argument and value (NaN: none yet, as NaN equals nothing).
    struct Kept {
        double argument = std::numeric_limits<double>::quiet_NaN();
        double value = 0;
        double operator()(double x, double (*f)(double)) {
            if (!(x == argument)) {
                argument = x;
                value = f(x);
            }
            return value;
        }
    };
    Kept curingFactor_, dmc_, dc_, duffFunction_;
    double buiDmc_ = std::numeric_limits<double>::quiet_NaN();
    double buiDc_ = std::numeric_limits<double>::quiet_NaN();
    double bui_ = 0;
};

}  // namespace emberlin::fwi2025
