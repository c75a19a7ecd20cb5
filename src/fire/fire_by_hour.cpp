#include "fire/fire_by_hour.h"

#include "fbp/accumulated_growth.h"
#include "fbp/fbp_engine.h"
#include "fbp/surface_spread.h"
#include "fire/intensity_class.h"

namespace emberlin {

std::vector<HourSpan> CriticalSpans(std::span<const double, kHoursInDay> hfi, double threshold) {
    std::vector<HourSpan> spans;
    for (int h = 1; h <= kHoursInDay; ++h) {
        if (!(hfi[static_cast<std::size_t>(h - 1)] >= threshold)) continue;
        if (!spans.empty() && spans.back().last == h - 1) {
            spans.back().last = h;
        } else {
            spans.push_back({h, h});
        }
    }
    return spans;
}

std::vector<HourSpan> FireTypeSpans(std::span<const HourBehaviour, kHoursInDay> hours,
                                    FireType type) {
    // The same runs as the thresholds, over a 0/1 series.
    std::array<double, kHoursInDay> isType{};
    for (std::size_t i = 0; i < hours.size(); ++i) isType[i] = hours[i].fireType == type ? 1 : 0;
    return CriticalSpans(isType, 1);
}

FireByHourResult CalcFireByHour(const FireByHourCase& fireCase, const HourlyTables& weather) {
    FireByHourResult result;
    std::array<double, kHoursInDay> hfi{};
    for (int h = 1; h <= kHoursInDay; ++h) {
        HourBehaviour& row = result.hours[static_cast<std::size_t>(h - 1)];
        row.hour = h;
        row.ffmc = weather.ffmc[static_cast<std::size_t>(h)];
        row.windSpeed = weather.windSpeed[static_cast<std::size_t>(h)];
        row.isi = InitialSpreadIndex(row.ffmc, row.windSpeed);
        FbpInputs in = fireCase.fire;
        in.ffmc = row.ffmc;
        in.windSpeed = row.windSpeed;
        in.elapsedTime = 60;
        ComputeFbp(in, row.out);  // an unknown fuel code leaves the row's zeros
        row.fireType = ClassifyFireType(row.out.cfb);
        row.intensityClass = IntensityClass(row.out.hfi);
        hfi[static_cast<std::size_t>(h - 1)] = row.out.hfi;
    }

    // Growth of one fire from startHour:00, read at the end of each hour of its duration. The
    // hour of the table that drives clock hour h is h's slot, as in the detection assessment.
    std::vector<double> elapsed;
    for (int k = 1; k <= fireCase.durationHours; ++k) elapsed.push_back(60.0 * k);
    const auto source = [&weather](int clockHour) {
        const auto slot = static_cast<std::size_t>(HourlySlot(clockHour));
        return HourlyWeather{weather.ffmc[slot], weather.windSpeed[slot]};
    };
    const std::vector<AccumulatedGrowthRow> growth =
        AccumulateGrowth(fireCase.fire, 60.0 * fireCase.startHour, elapsed, source);
    for (std::size_t k = 0; k < growth.size(); ++k) {
        const int hour = fireCase.startHour + static_cast<int>(k) + 1;
        if (hour < 1 || hour > kHoursInDay) continue;
        HourBehaviour& row = result.hours[static_cast<std::size_t>(hour - 1)];
        row.grows = true;
        row.area = growth[k].area;
        row.perimeter = growth[k].perimeter;
    }

    FireByHourSummary& summary = result.summary;
    for (const HourBehaviour& row : result.hours) {
        if (summary.peakHour == 0 || row.out.hfi > summary.peakHfi) {
            summary.peakHour = row.hour;
            summary.peakHfi = row.out.hfi;
            summary.peakRos = row.out.ros;
        }
    }
    for (std::size_t t = 0; t < fireCase.thresholds.size(); ++t) {
        summary.criticalSpans[t] = CriticalSpans(hfi, fireCase.thresholds[t]);
    }
    summary.crownSpans = FireTypeSpans(result.hours, FireType::Crown);
    return result;
}

}  // namespace emberlin
