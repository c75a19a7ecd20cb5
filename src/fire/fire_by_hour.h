// Fire behaviour by hour: one fuel type and site through the day's hourly FFMC and wind, with
// the hours of peak and critical intensity and the growth of one fire from a start hour.
#pragma once

#include <array>
#include <span>
#include <vector>

#include "fbp/fbp_records.h"
#include "fire/hourly_tables.h"

namespace emberlin {

inline constexpr int kHoursInDay = 24;

// One hour of the day: the hour's weather and one ComputeFbp call with it.
struct HourBehaviour {
    int hour = 0;  // 1..24, the clock hour h:00
    double ffmc = 0;
    double windSpeed = 0;  // km/h
    double isi = 0;        // Initial Spread Index of the hour's FFMC and wind
    FbpOutputs out;        // elapsed time 60 min
    FireType fireType = FireType::Surface;
    int intensityClass = 1;  // 1..6
    bool grows = false;      // within the fire's duration: area and perimeter hold its size
    double area = 0;         // ha, accumulated since the start hour
    double perimeter = 0;    // m, accumulated since the start hour
};

// A run of consecutive hours, first and last included.
struct HourSpan {
    int first = 0;
    int last = 0;
    int Hours() const { return last - first + 1; }
    bool operator==(const HourSpan&) const = default;
};

struct FireByHourSummary {
    int peakHour = 0;  // the first hour of the highest HFI
    double peakHfi = 0;
    double peakRos = 0;
    std::array<std::vector<HourSpan>, 2> criticalSpans;  // per threshold
    std::vector<HourSpan> crownSpans;                    // hours of crown fire
};

struct FireByHourResult {
    std::array<HourBehaviour, kHoursInDay> hours;  // hour h in element h - 1
    FireByHourSummary summary;
};

// What the calculation takes besides the hourly weather.
struct FireByHourCase {
    FbpInputs fire;         // fuel, site, date and ignition; weather and time are set per hour
    int startHour = 13;     // the fire starts at startHour:00, 0..23
    int durationHours = 6;  // 1..24, startHour + durationHours not beyond 24
    std::array<double, 2> thresholds = {4000, 10000};  // kW/m
};

// Each span of consecutive hours whose HFI is at or above `threshold`, in hour order.
std::vector<HourSpan> CriticalSpans(std::span<const double, kHoursInDay> hfi, double threshold);
// Each span of consecutive hours of crown fire.
std::vector<HourSpan> FireTypeSpans(std::span<const HourBehaviour, kHoursInDay> hours,
                                    FireType type);

// The whole calculation: one ComputeFbp call per hour at elapsed time 60 min, the summary, and
// the accumulated growth of one fire from the start hour (AccumulateGrowth over the same
// hourly table, one row per hour of the duration). The case must lie within the form's ranges.
FireByHourResult CalcFireByHour(const FireByHourCase& fireCase, const HourlyTables& weather);

}  // namespace emberlin
