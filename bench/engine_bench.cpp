// Timing of one ComputeFbp per fuel type (flat and on a 30 % slope), of CalcFwiIndex, of
// the hourly FWI System's hours (a year of one station), and the engines' per-case cost on
// the inputs the Python module's benchmark uses.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "batch/fbp_columns.h"
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
void CalcFwiIndexCase(benchmark::State& state, FwiOutput output) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(CalcFwiIndex(output, 72, 39, 300, 7, 28, 50, 0, 25));
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

// A season of kDays days for kCells cells, chained day after day; the weather comes from the
// integer formulas python/bench/array_bench.py uses, so both time the same doubles.
constexpr long kCells = 2000, kDays = 120;

void CalcFwiDaySeason(benchmark::State& state) {
    struct Day {
        int month;
        double temp, rh, ws, prec;
    };
    std::vector<Day> weather;
    for (long d = 0; d < kDays; ++d) {
        for (long i = 0; i < kCells; ++i) {
            weather.push_back(
                {static_cast<int>(4 + d * 6 / kDays),
                 static_cast<double>((i * 7 + d * 13) % 400) / 10.0,
                 1 + static_cast<double>((i * 11 + d * 17) % 990) / 10.0,
                 static_cast<double>((i * 3 + d * 29) % 600) / 10.0,
                 (i + d * 7) % 5 == 0 ? static_cast<double>((i * 13 + d) % 200) / 10.0 : 0.0});
        }
    }
    std::vector<FwiCodes> codes(kCells);
    for (auto _ : state) {
        for (FwiCodes& cell : codes) cell = {85, 6, 15, 0, 0, 0, 0};
        for (long d = 0; d < kDays; ++d) {
            for (long i = 0; i < kCells; ++i) {
                const Day& w = weather[static_cast<std::size_t>(d * kCells + i)];
                FwiCodes& cell = codes[static_cast<std::size_t>(i)];
                cell =
                    CalcFwiDay(cell.ffmc, cell.dmc, cell.dc, w.month, w.temp, w.rh, w.prec, w.ws);
            }
        }
        benchmark::DoNotOptimize(codes.data());
    }
    state.SetItemsProcessed(state.iterations() * kCells * kDays);
}

// Varied FBP cases over every fuel type, as python/bench/array_bench.py builds them.
void ComputeFbpVaried(benchmark::State& state) {
    constexpr long kCases = 200000;
    std::vector<FbpInputs> cases;
    for (long i = 0; i < kCases; ++i) {
        FbpInputs in = batch::FbpBaseInputs();
        in.fuelType = FuelTypeTable[static_cast<std::size_t>(i % 18)].code;
        in.ffmc = 70 + static_cast<double>((i * 7) % 310) / 10.0;
        in.bui = static_cast<double>((i * 13) % 2000) / 10.0;
        in.windSpeed = static_cast<double>((i * 17) % 500) / 10.0;
        in.windDirection = static_cast<double>((i * 37) % 360);
        in.slope = static_cast<double>((i * 11) % 60);
        in.aspect = static_cast<double>((i * 53) % 360);
        in.julianDay = static_cast<int>(120 + i % 150);
        in.latitude = 55.5;
        in.longitude = -110.2;
        in.elevation = 500;
        in.elapsedTime = 60;
        in.ignition = IgnitionFromCode(static_cast<int>(i % 2));
        in.pc = 50;
        in.pdf = 50;
        in.gc = 85;
        in.gfl = 0.35;
        cases.push_back(in);
    }
    FbpOutputs out;
    for (auto _ : state) {
        for (const FbpInputs& in : cases) {
            benchmark::DoNotOptimize(ComputeFbp(in, out));
            benchmark::DoNotOptimize(out);
        }
    }
    state.SetItemsProcessed(state.iterations() * kCases);
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
    benchmark::RegisterBenchmark("Fwi2025Hours", emberlin::Fwi2025Hours);
    benchmark::RegisterBenchmark("CalcFwiDay/Season", emberlin::CalcFwiDaySeason);
    benchmark::RegisterBenchmark("ComputeFbp/Varied", emberlin::ComputeFbpVaried);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
