// What the shapes and charts of the projection windows draw, worked out without a toolkit:
// the growth of the detection assessment's fire with its nested outlines, the bars of the
// projection by fuel type, and the caption naming the inputs that produced a picture.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "fbp/accumulated_growth.h"
#include "fbp/fbp_records.h"
#include "fire/engine_inputs.h"
#include "fire/hourly_tables.h"
#include "forms/content/fire_shape.h"
#include "forms/kit/form_model.h"

namespace emberlin::forms {

// One line naming the inputs of an FBP call: fuel, ignition, elapsed time, FFMC, BUI, wind,
// slope and aspect, day of the year and place.
std::string InputsCaption(const FbpInputs& in);

// Clock time "hh:mm" of a number of minutes after 00:00 of the start day; the next day's
// times carry "+1 d".
std::string ClockText(int minutes);

// The fire of the detection assessment at each of its rows' elapsed times, grown hour by
// hour with the hourly FFMC and wind speed of the diurnal weather tables, and its shape at the
// last row with the earlier perimeters as nested outlines. `fire` gives fuel, ignition, site
// and day; its weather and time are not read.
struct DetectionGrowth {
    int startMinutes = 0;
    std::vector<AccumulatedGrowthRow> rows;
    FireShape shape;
    std::string inputs;  // the caption of the inputs
};
DetectionGrowth DescribeDetectionGrowth(const FbpInputs& fire, int startMinutes,
                                        const HourlyTables& hourly);

// One bar of the projection by fuel type.
struct FuelBar {
    std::string code;
    double hfi = 0;  // kW/m
    double ros = 0;  // m/min
    int intensityClass = 1;
    FireType fireType = FireType::Surface;
    ColourKey key;        // the fire type's colour and words
    std::string rosText;  // "11.09 m/min", written at the bar's end
};
std::vector<FuelBar> FuelBars(const std::array<FbpOutputs, FuelTypeTable.size()>& outputs);

}  // namespace emberlin::forms
