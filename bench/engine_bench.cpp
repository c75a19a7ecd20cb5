// Timing of one ComputeFbp per fuel type (flat and on a 30 % slope) and of CalcFwiIndex.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "fbp/fbp_engine.h"
#include "forms/fields/calculator_defaults.h"
#include "fwi/fwi_index.h"

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
void CalcFwiIndexCase(benchmark::State& state, FwiOutput output) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(CalcFwiIndex(output, 72, 39, 300, 7, 28, 50, 0, 25));
    }
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
    for (int selector = 1; selector <= 7; ++selector) {
        const std::string name = std::string("CalcFwiIndex/") + fwiNames[selector - 1];
        benchmark::RegisterBenchmark(name.c_str(), emberlin::CalcFwiIndexCase,
                                     static_cast<emberlin::FwiOutput>(selector));
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
