// Timing of the accumulated growth of one fire: the detection assessment's ten rows over four
// hours and a day's 24 hourly rows; and the description of the fire shape drawn from them.
#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "fbp/accumulated_growth.h"
#include "fbp/fbp_engine.h"
#include "forms/content/fire_shape.h"
#include "forms/fields/calculator_defaults.h"

namespace emberlin {
namespace {

// The FBP calculator's default inputs for one fuel type.
FbpInputs Fire(const char* fuelType, int ignitionType) {
    FbpInputs fire = forms::CalculatorDefaults(fuelType);
    fire.ignition = IgnitionFromCode(ignitionType);
    return fire;
}

HourlyWeather Hour(int clockHour) {
    const int h = (clockHour + 23) % 24 + 1;
    return {80.0 + 0.5 * h, 10.0 + h};
}

void DetectionRows(benchmark::State& state, const char* fuelType, int ignitionType) {
    const FbpInputs fire = Fire(fuelType, ignitionType);
    const std::array<double, 10> minutes = {15, 30, 45, 60, 75, 90, 105, 120, 180, 240};
    for (auto _ : state) {
        benchmark::DoNotOptimize(AccumulateGrowth(fire, 22 * 60, minutes, Hour));
    }
}

void DayRows(benchmark::State& state) {
    const FbpInputs fire = Fire("C2", 1);
    std::vector<double> minutes;
    for (int h = 1; h <= 24; ++h) minutes.push_back(60.0 * h);
    for (auto _ : state) {
        benchmark::DoNotOptimize(AccumulateGrowth(fire, 0, minutes, Hour));
    }
}

// The FBP calculator's first display with the detection rows as nested outlines, fitted into a
// panel.
void ShapeDescription(benchmark::State& state) {
    const FbpInputs fire = Fire("C2", 1);
    FbpOutputs out;
    ComputeFbp(fire, out);
    const std::array<double, 10> minutes = {15, 30, 45, 60, 75, 90, 105, 120, 180, 240};
    std::vector<forms::OutlineDistances> distances;
    for (const auto& row : AccumulateGrowth(fire, 22 * 60, minutes, Hour)) {
        distances.push_back(
            {row.headDistance, row.flankDistance, row.backDistance, row.behaviour.raz});
    }
    for (auto _ : state) {
        forms::FireShape shape = forms::DescribeFireShape(fire, out);
        shape.outlines = forms::NestedOutlines(distances);
        benchmark::DoNotOptimize(forms::FitShape(shape, 480, 360, 16, 8));
        benchmark::DoNotOptimize(forms::CaptionLines(shape));
    }
}

BENCHMARK_CAPTURE(DetectionRows, C2_point, "C2", 1);
BENCHMARK_CAPTURE(DetectionRows, O1b_line, "O1b", 0);
BENCHMARK(DayRows);
BENCHMARK(ShapeDescription);

}  // namespace
}  // namespace emberlin

BENCHMARK_MAIN();
