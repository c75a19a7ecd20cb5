#include "fire/detection_fire.h"

namespace emberlin {

std::vector<AccumulatedGrowthRow> GrowDetectionFire(const FbpInputs& fire, int startMinutes,
                                                    const HourlyTables& hourly) {
    const std::vector<double> elapsed(kDetectionElapsedMinutes.begin(),
                                      kDetectionElapsedMinutes.end());
    return AccumulateGrowth(fire, startMinutes, elapsed, [&hourly](int clockHour) {
        const auto slot = static_cast<std::size_t>(HourlySlot(clockHour));
        return HourlyWeather{hourly.ffmc[slot], hourly.windSpeed[slot]};
    });
}

}  // namespace emberlin
