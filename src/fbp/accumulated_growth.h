// Growth of one fire over several hours of changing weather: the head, flank and back spread
// distances accumulate piece by piece, each piece burning under its own clock hour's FFMC and
// wind speed, and the area and perimeter follow from the accumulated distances.
#pragma once

#include <functional>
#include <span>
#include <vector>

#include "fbp/fbp_records.h"

namespace emberlin {

// The weather of one clock hour that changes from hour to hour.
struct HourlyWeather {
    double ffmc = 0;       // Fine Fuel Moisture Code
    double windSpeed = 0;  // km/h
};

// Weather of clock hour `clockHour`, counted from the midnight that starts the day of the
// fire start: 14 is 14:00 to 15:00 of that day, 24 the first hour of the next day, 25 the
// second. A source that holds one day's table wraps the index itself.
using HourlyWeatherSource = std::function<HourlyWeather(int clockHour)>;

// One stretch of burning that lies within one clock hour, in minutes since the fire start.
struct GrowthPiece {
    double from = 0;
    double to = 0;
    int clockHour = 0;
};

// One fire at one elapsed time.
struct AccumulatedGrowthRow {
    double elapsedTime = 0;      // min since the fire start
    int clockHour = 0;           // clock hour in which the elapsed time ends
    double headDistance = 0;     // m, accumulated
    double flankDistance = 0;    // m, accumulated
    double backDistance = 0;     // m, accumulated
    double lengthToBreadth = 0;  // (head + back) / (2 flank); the engine's own when flank is 0
    double area = 0;             // ha, from the accumulated distances
    double perimeter = 0;        // m, from the accumulated distances
    // One ComputeFbp with the row's clock hour weather and elapsed time: its rates, crown
    // fraction burned, intensities and perimeter growth rate are the row's behaviour.
    FbpOutputs behaviour;
    FireType fireType = FireType::Surface;  // from behaviour.cfb
};

// Cuts [0, last elapsed time] at every clock hour boundary and at every elapsed time.
// `startMinutes` is the fire start in minutes after the midnight that starts its day.
// Elapsed times are minutes since the start, not negative and in ascending order (repeats
// allowed). Anything else, or a start or elapsed time beyond 10^7 minutes either way, throws
// std::invalid_argument. Pieces of no length are left out.
std::vector<GrowthPiece> GrowthPieces(double startMinutes, std::span<const double> elapsedTimes);

// The rows of one fire started at `startMinutes` with the fuel, site, date and ignition type
// of `fire` (its ffmc, windSpeed and elapsedTime are replaced), one row per elapsed time.
// Over a piece [ta, tb] in clock hour h, with the rates ros, fros and bros of hour h's weather:
// a line ignition advances the head by ros * (tb - ta); a point
// ignition by ros * ((tb - ta) - (e^(-alpha ta) - e^(-alpha tb)) / alpha), alpha being the
// engine's acceleration rate for that weather at elapsed time tb. Flank and back likewise
// with fros and bros. Area and perimeter use the engine's formulas on the accumulated
// distances. A piece-wise sum within one weather equals one ComputeFbp call whenever alpha
// does not depend on the crown fraction burned; a single piece equals it exactly. Returns no
// rows when the fuel type is not in FuelTypeTable; throws as GrowthPieces does.
std::vector<AccumulatedGrowthRow> AccumulateGrowth(const FbpInputs& fire, double startMinutes,
                                                   std::span<const double> elapsedTimes,
                                                   const HourlyWeatherSource& weather);

// One row as a set of FBP outputs: the row's own behaviour, with the accumulated distances,
// length-to-breadth ratio, area and perimeter in place of the single call's.
FbpOutputs GrownOutputs(const AccumulatedGrowthRow& row);

}  // namespace emberlin
