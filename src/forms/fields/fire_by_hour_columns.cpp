#include "forms/fields/fire_by_hour_columns.h"

#include "common/number_text.h"
#include "common/rounding.h"
#include "forms/content/fire_description.h"

namespace emberlin::forms {

namespace {

std::string Fixed(double value, int decimals) { return FormatFixed(value, 0, decimals); }

}  // namespace

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
    const HourResultColumn& declared = FireByHourColumn(column);
    std::string heading(declared.heading);
    if (!declared.unit.empty()) heading.append(" (").append(declared.unit).append(")");
    return heading;
}

std::array<std::string, kHourColumnCount> HourCells(const HourBehaviour& hour) {
    std::array<std::string, kHourColumnCount> cells;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        const HourResultColumn& column = FireByHourColumns()[c];
        if (const std::optional<double> value = column.value(hour)) {
            cells[c] = FormattedResult(column.format, *value);
        }
    }
    return cells;
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
