#include "forms/fields/fire_by_hour_columns.h"

#include "common/number_text.h"
#include "common/rounding.h"
#include "forms/content/fire_description.h"

namespace emberlin::forms {

namespace {

std::string Fixed(double value, int decimals) { return FormatFixed(value, 0, decimals); }

}  // namespace

std::string HourLabel(int hour) {
    std::string text = FormatInt(hour);
    if (hour >= 0 && hour < 10) text.insert(text.begin(), '0');
    return text.append(":00");
}

std::string SpansText(const std::vector<HourSpan>& spans) {
    if (spans.empty()) return "none";
    std::string text;
    for (const HourSpan& span : spans) {
        if (!text.empty()) text += ", ";
        // One hour is its hour alone: "16:00 (1 h)".
        text += HourLabel(span.first);
        if (span.last != span.first) text += " to " + HourLabel(span.last);
        text += " (" + FormatInt(span.Hours()) + " h)";
    }
    return text;
}

std::string HourColumnHeading(HourColumn column) {
    switch (column) {
        case HourColumn::Hour:
            return "Hour";
        case HourColumn::Ffmc:
            return "FFMC";
        case HourColumn::Wind:
            return "Wind (km/h)";
        case HourColumn::Isi:
            return "ISI";
        case HourColumn::Ros:
            return "Head ROS (m/min)";
        case HourColumn::Hfi:
            return "HFI (kW/m)";
        case HourColumn::Cfb:
            return "CFB";
        case HourColumn::FireType:
            return "Fire Type";
        case HourColumn::IntensityClass:
            return "Intensity Class";
        case HourColumn::Area:
            return "Area (ha)";
        case HourColumn::Perimeter:
            return "Perimeter (m)";
    }
    return "";
}

std::array<std::string, kHourColumnCount> HourCells(const HourBehaviour& hour) {
    // The FBP calculator's formats: rates, CFB, area and perimeter to two decimals, the
    // intensity rounded to a whole kW/m.
    return {
        HourLabel(hour.hour),
        Fixed(hour.ffmc, 1),
        Fixed(hour.windSpeed, 1),
        Fixed(hour.isi, 1),
        Fixed(hour.out.ros, 2),
        FormatInt(RoundToInt(hour.out.hfi)),
        Fixed(hour.out.cfb, 2),
        FireDescription(hour.out.cfb),
        FormatInt(hour.intensityClass),
        hour.grows ? Fixed(hour.area, 2) : "",
        hour.grows ? Fixed(hour.perimeter, 2) : "",
    };
}

std::vector<std::string> SummaryLines(const FireByHourSummary& summary,
                                      const std::array<double, 2>& thresholds) {
    std::vector<std::string> lines;
    lines.push_back("Peak hour: " + HourLabel(summary.peakHour) + ", HFI " +
                    FormatInt(RoundToInt(summary.peakHfi)) + " kW/m, head ROS " +
                    Fixed(summary.peakRos, 2) + " m/min");
    for (std::size_t t = 0; t < thresholds.size(); ++t) {
        lines.push_back("At or above " + FormatGeneral(thresholds[t]) +
                        " kW/m: " + SpansText(summary.criticalSpans[t]));
    }
    lines.push_back("Crown fire: " + SpansText(summary.crownSpans));
    return lines;
}

}  // namespace emberlin::forms
