#include "fire/fire_by_hour.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "fire/engine_inputs.h"
#include "fire/intensity_class.h"

namespace emberlin {
namespace {

TEST(CriticalSpansTest, ThresholdIsInclusiveAndTiesPickTheFirstPeak) {
    std::array<double, 24> hfi{};
    hfi[4] = 4000;      // 05:00 exactly at the threshold
    hfi[5] = 3999.999;  // just below
    hfi[9] = 9000;      // 10:00 and 12:00 tie at the peak
    hfi[11] = 9000;
    EXPECT_EQ(CriticalSpans(hfi, 4000), (std::vector<HourSpan>{{5, 5}, {10, 10}, {12, 12}}));
    EXPECT_TRUE(CriticalSpans(hfi, 9000.5).empty());

    HourlyTables weather;
    for (int h = 1; h <= 24; ++h) {
        weather.ffmc[static_cast<std::size_t>(h)] = h == 10 || h == 12 ? 93 : 75;
        weather.windSpeed[static_cast<std::size_t>(h)] = h == 10 || h == 12 ? 30 : 5;
    }
    FireByHourCase fireCase;
    fireCase.fire = EngineInputs(FbpSettings{}, 196);
    const FireByHourResult result = CalcFireByHour(fireCase, weather);
    EXPECT_EQ(result.summary.peakHour, 10);
    EXPECT_EQ(result.summary.peakHfi, result.hours[11].out.hfi);
}

TEST(IntensityClasses, Bounds) {
    const struct {
        double hfi;
        int cls;
    } cases[] = {{-5, 1},   {0, 1},     {9.999, 1}, {10, 2},       {499.9, 2},
                 {500, 3},  {1999, 3},  {2000, 4},  {3999.9, 4},   {4000, 5},
                 {9999, 5}, {10000, 6}, {1e6, 6},   {INFINITY, 6}, {NAN, 1}};
    for (const auto& c : cases) EXPECT_EQ(IntensityClass(c.hfi), c.cls) << c.hfi;
}

}  // namespace
}  // namespace emberlin
