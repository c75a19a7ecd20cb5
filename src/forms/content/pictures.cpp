// The data behind the projection windows' shapes and charts.
#include "forms/content/pictures.h"

#include <cmath>
#include <cstdio>

#include "common/number_text.h"
#include "fire/detection_fire.h"
#include "fire/intensity_class.h"

namespace emberlin::forms {

std::string InputsCaption(const FbpInputs& in) {
    return in.fuelType + ", " + (in.ignition == IgnitionType::Line ? "line" : "point") +
           " ignition, " + FormatGeneral(in.elapsedTime) + " min; FFMC " + FormatGeneral(in.ffmc) +
           ", BUI " + FormatGeneral(in.bui) + "; wind " + FormatGeneral(in.windSpeed) +
           " km/h from " + FormatGeneral(in.windDirection) + "\u00b0; slope " +
           FormatGeneral(in.slope) + " %, aspect " + FormatGeneral(in.aspect) +
           "\u00b0; day of year " + std::to_string(in.julianDay) + ", latitude " +
           FormatGeneral(in.latitude) + "\u00b0, longitude " + FormatGeneral(in.longitude) +
           "\u00b0";
}

std::string ClockText(int minutes) {
    const int day = minutes / (24 * 60);
    const int inDay = minutes % (24 * 60);
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d", inDay / 60, inDay % 60);
    std::string clock = text;
    if (day > 0) clock += " +" + std::to_string(day) + " d";
    return clock;
}

DetectionGrowth DescribeDetectionGrowth(const FbpInputs& fire, int startMinutes,
                                        const HourlyTables& hourly) {
    DetectionGrowth growth;
    growth.startMinutes = startMinutes;
    growth.rows = GrowDetectionFire(fire, startMinutes, hourly);
    if (growth.rows.empty()) return growth;

    // The shape at the last row: its own behaviour with the accumulated distances.
    const AccumulatedGrowthRow& last = growth.rows.back();
    FbpInputs in = fire;
    in.elapsedTime = last.elapsedTime;
    const auto slot = static_cast<std::size_t>(HourlySlot(last.clockHour));
    in.ffmc = hourly.ffmc[slot];
    in.windSpeed = hourly.windSpeed[slot];
    growth.shape = DescribeFireShape(in, GrownOutputs(last));
    // The hourly values carry every digit of the diurnal model; the words show one decimal.
    const auto tenths = [](double v) { return std::round(v * 10.0) / 10.0; };
    in.ffmc = tenths(in.ffmc);
    in.windSpeed = tenths(in.windSpeed);
    for (ShapeArrow& arrow : growth.shape.arrows) {
        if (arrow.kind == ShapeArrowKind::Wind) {
            arrow.label = "Wind " + FormatGeneral(in.windSpeed) + " km/h";
        }
    }
    for (std::size_t i = 0; i + 1 < growth.rows.size(); ++i) {
        const AccumulatedGrowthRow& row = growth.rows[i];
        growth.shape.outlines.push_back(EllipseFromDistances(
            {row.headDistance, row.flankDistance, row.backDistance, row.behaviour.raz}));
    }
    growth.inputs = InputsCaption(in) + "; start " + ClockText(startMinutes) +
                    ", FFMC and wind hour by hour (the last hour's shown)";
    return growth;
}

std::vector<FuelBar> FuelBars(const std::array<FbpOutputs, FuelTypeTable.size()>& outputs) {
    std::vector<FuelBar> bars;
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        const FbpOutputs& out = outputs[i];
        FuelBar bar;
        bar.code = std::string(FuelTypeTable[i].code);
        bar.hfi = out.hfi;
        bar.ros = out.ros;
        bar.intensityClass = IntensityClass(out.hfi);
        bar.fireType = ClassifyFireType(out.cfb);
        bar.key = FireTypeKey(bar.fireType);
        bar.rosText = FormatFixed(out.ros, 0, 2) + " m/min";
        bars.push_back(bar);
    }
    return bars;
}

}  // namespace emberlin::forms
