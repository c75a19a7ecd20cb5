// Rows per second of the batch commands, reading a CSV file and writing one (the whole run
// of `emberlin fwi|fbp|fwi2025 IN.csv -o OUT.csv` but for starting the process).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch.h"
#include "fwi2025/clock.h"

namespace emberlin::batch {
namespace {

namespace fs = std::filesystem;

constexpr int kRows = 200000;

// A season of days for a few hundred stations: varied weather within the FWI form's ranges.
std::string FwiInput() {
    std::string csv = "id,mon,temp,rh,ws,prec\n";
    for (int i = 0; i < kRows; ++i) {
        csv += std::to_string(i / 180) + "," + std::to_string(4 + (i % 180) / 31) + "," +
               std::to_string(5 + i % 31) + "." + std::to_string(i % 10) + "," +
               std::to_string(15 + (i * 7) % 80) + "," + std::to_string((i * 3) % 45) + "," +
               (i % 9 == 0 ? std::to_string(i % 23) + ".4" : "0") + "\n";
    }
    return csv;
}

// Every fuel type under a spread of weather and terrain.
std::string FbpInput() {
    static const char* kFuels[] = {"C1", "C2", "C3", "C4", "C5", "C6", "C7", "D1",  "D2",
                                   "M1", "M2", "M3", "M4", "S1", "S2", "S3", "O1a", "O1b"};
    std::string csv = "FuelType,FFMC,BUI,WS,WD,GS,Aspect,Dj,LAT,LONG,ELV,hr,Accel,PC,PDF,cc,GFL\n";
    for (int i = 0; i < kRows; ++i) {
        csv += std::string(kFuels[i % 18]) + "," + std::to_string(80 + i % 21) + "." +
               std::to_string(i % 10) + "," + std::to_string(10 + (i * 7) % 150) + "," +
               std::to_string((i * 13) % 60) + "," + std::to_string((i * 37) % 360) + "," +
               std::to_string((i * 11) % 60) + "," + std::to_string((i * 53) % 360) + "," +
               std::to_string(120 + i % 150) + ",55.5,-110.2,500,1," + std::to_string(i % 2) +
               ",50,50,85,0.35\n";
    }
    return csv;
}

// Hourly weather of one station over about 23 years, written as a logger would (one decimal
// for temperature and RH, rain in 0.1-mm steps): a run per calendar year.
std::string Fwi2025Input() {
    std::string csv = "id,lat,long,timezone,yr,mon,day,hr,temp,rh,ws,prec\n";
    const std::int64_t first = fwi2025::HourNumber({2001, 1, 1}, 0);
    for (int i = 0; i < kRows; ++i) {
        const fwi2025::ClockDate d = fwi2025::DateOfDayNumber((first + i) / 24);
        const int hour = i % 24;
        csv += "PRF,45.996,-77.427,-4," + std::to_string(d.year) + "," + std::to_string(d.month) +
               "," + std::to_string(d.day) + "," + std::to_string(hour) + "," +
               std::to_string(5 + (i * 7) % 25) + "." + std::to_string(i % 10) + "," +
               std::to_string(25 + (i * 11) % 70) + ".5," + std::to_string((i * 3) % 40) + "," +
               (i % 13 == 0 ? "0." + std::to_string(1 + i % 9) : "0") + "\n";
    }
    return csv;
}

void RunCommand(benchmark::State& state, std::string_view command, const std::string& input) {
    const fs::path folder =
        fs::temp_directory_path() / ("emberlin_bench_" + std::to_string(getpid()));
    fs::create_directories(folder);
    const std::string in = (folder / "in.csv").string();
    const std::string out = (folder / "out.csv").string();
    std::ofstream(in, std::ios::binary) << input;
    const std::vector<std::string_view> args = {command, in, "-o", out};
    std::FILE* err = std::fopen("/dev/null", "w");
    for (auto _ : state) {
        if (RunBatch(args, stdin, stdout, err) != 0) state.SkipWithError("the run failed");
    }
    std::fclose(err);
    state.SetItemsProcessed(state.iterations() * kRows);
    state.counters["MB_in"] = static_cast<double>(input.size()) / 1e6;
    fs::remove_all(folder);
}

void BatchFwi(benchmark::State& state) { RunCommand(state, "fwi", FwiInput()); }
void BatchFbp(benchmark::State& state) { RunCommand(state, "fbp", FbpInput()); }
void BatchFwi2025(benchmark::State& state) { RunCommand(state, "fwi2025", Fwi2025Input()); }

BENCHMARK(BatchFwi)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BatchFbp)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BatchFwi2025)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

}  // namespace
}  // namespace emberlin::batch

BENCHMARK_MAIN();
