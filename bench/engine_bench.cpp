// Timing of one ComputeFbp per fuel type (flat and on a 30 % slope), of CalcFwiIndex, and of
// the hourly FWI System's hours (a year of one station).
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

#include "fbp/fbp_engine.h"
#include "forms/fields/calculator_defaults.h"
#include "fwi/fwi_index.h"
#include "fwi2025/station_series.h"

namespace emberlin {
namespace {

// The FBP calculator's default inputs for one fuel type, on a slope.
FbpInputs CalculatorDefaults(std::string_view fuelType, double slope) {
    FbpInputs in = forms::CalculatorDefaults(fuelType);
    in.slope = slope;
    return in;
}

void ComputeFbpCase(benchmark::State& state, std::string_view fuelType, double slope) {
    const FbpInputs in = CalculatorDefaults(fuelType, slope);
    FbpOutputs out;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeFbp(in, out));
        benchmark::DoNotOptimize(out);
    }
}

// One value of the FWI calculator's Calculate with its initial inputs: yesterday's FFMC 72,
// DMC 39, DC 300; July, 28 deg C, RH 50 %, no rain, wind 25 km/h.
void CalcFwiIndexCase(benchmark::State& state, int selector) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(CalcFwiIndex(selector, 72, 39, 300, 7, 28, 50, 0, 25));
    }
}

// Hours per second of the hourly FWI System: a year of varied hourly weather at one station
// (sun times, solar radiation and curing estimated), stepped from the default start-up.
void Fwi2025Hours(benchmark::State& state) {
    std::vector<fwi2025::HourlyWeather> year;
    const std::int64_t first = fwi2025::HourNumber({2007, 1, 1}, 0);
    for (int i = 0; i < 8760; ++i) {
        fwi2025::HourlyWeather w;
        w.date = fwi2025::DateOfDayNumber((first + i) / 24);
        w.hour = i % 24;
        w.temperatureC = 5 + (i * 7) % 25 + 0.1 * (i % 10);
        w.relativeHumidityPct = 25 + (i * 11) % 70;
        w.windSpeedKmh = (i * 3) % 40;
        w.rainMm = i % 13 == 0 ? 0.1 * (1 + i % 9) : 0;
        year.push_back(w);
    }
    const fwi2025::Site site = {45.996, -77.427, -4};
    for (auto _ : state) {
        fwi2025::HourlyRun run(site, fwi2025::StartState({}), fwi2025::kDefaultGrassFuelLoadKgM2);
        for (const fwi2025::HourlyWeather& w : year) benchmark::DoNotOptimize(run.Step(w));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(year.size()));
}

}  // namespace
}  // namespace emberlin

int main(int argc, char** argv) {
    for (const emberlin::FuelTypeRow& row : emberlin::FuelTypeTable) {
        for (const double slope : {0.0, 30.0}) {
            const std::string name =
                "ComputeFbp/" + std::string(row.code) + (slope == 0.0 ? "/flat" : "/slope30");
            benchmark::RegisterBenchmark(name.c_str(), emberlin::ComputeFbpCase, row.code, slope);
        }
    }
    const char* const fwiNames[] = {"FFMC", "DMC", "DC", "ISI", "BUI", "FWI", "DSR"};
    for (int selector = emberlin::kSelectFfmc; selector <= emberlin::kSelectDsr; ++selector) {
        const std::string name = std::string("CalcFwiIndex/") + fwiNames[selector - 1];
        benchmark::RegisterBenchmark(name.c_str(), emberlin::CalcFwiIndexCase, selector);
    }
    benchmark::RegisterBenchmark("Fwi2025Hours", emberlin::Fwi2025Hours);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
