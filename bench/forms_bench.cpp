// Form actions as a user performs them, through the toolkit-free models: the work one click
// or keystroke costs before the window repaints.
#include <benchmark/benchmark.h>

#include <string>

#include "forms/kit/form_host.h"
#include "forms/models/detection_form.h"
#include "forms/models/diurnal_form.h"
#include "forms/models/fbp_calc_form.h"
#include "forms/models/fire_by_hour_form.h"
#include "forms/models/fuel_projection_form.h"
#include "forms/models/fwi_calc_form.h"
#include "forms/models/hand_over.h"
#include "forms/models/hourly_fwi_form.h"
#include "fwi2025/clock.h"

namespace {

using namespace emberlin;
using namespace emberlin::forms;

template <typename Form>
struct Opened {
    HandOver shared;
    NullHost host;
    Form form{shared};
    Opened() {
        form.AttachHost(host);
        form.Open();
    }
};

void FwiCalculate(benchmark::State& state) {
    Opened<FwiCalcForm> f;
    for (auto _ : state) f.form.Click("calculate");
}
BENCHMARK(FwiCalculate);

// One keystroke in the FBP calculator: every field is stored and range-checked.
void FbpKeystroke(benchmark::State& state) {
    Opened<FbpCalcForm> f;
    bool flip = false;
    for (auto _ : state) {
        f.form.TypeText("latitude", flip ? "55" : "5");
        flip = !flip;
    }
}
BENCHMARK(FbpKeystroke);

void FbpCalculate(benchmark::State& state) {
    Opened<FbpCalcForm> f;
    for (auto _ : state) f.form.Click("calculate");
}
BENCHMARK(FbpCalculate);

void DiurnalCalculate(benchmark::State& state) {
    Opened<DiurnalForm> f;
    for (auto _ : state) f.form.Click("calculate");
}
BENCHMARK(DiurnalCalculate);

// Ten rows, each one ComputeFbp call driven by the hourly values.
void DetectionCalculate(benchmark::State& state) {
    HandOver shared;
    NullHost host;
    DiurnalForm diurnal(shared);
    DetectionForm detection(shared);
    diurnal.AttachHost(host);
    detection.AttachHost(host);
    diurnal.Open();
    detection.Open();
    diurnal.Click("calculate");
    for (auto _ : state) detection.Click("calculate");
    if (!shared.hourly) state.SkipWithError("diurnal calculation did not run");
}
BENCHMARK(DetectionCalculate);

// Eighteen rows, one per fuel type.
void ProjectionCalculate(benchmark::State& state) {
    Opened<FuelProjectionForm> f;
    for (auto _ : state) f.form.Click("calculate");
}
BENCHMARK(ProjectionCalculate);

// The whole day: 24 ComputeFbp calls, the growth of one fire over six hours, the summary
// and the texts of 24 rows, as one click of Calculate does it.
void FireByHourCalculate(benchmark::State& state) {
    HandOver shared;
    NullHost host;
    DiurnalForm diurnal(shared);
    FireByHourForm byHour(shared);
    diurnal.AttachHost(host);
    byHour.AttachHost(host);
    diurnal.Open();
    byHour.Open();
    diurnal.Click("calculate");
    TypeKeys(byHour, "startHour", "0");
    TypeKeys(byHour, "duration", "24");  // the longest growth the form allows
    for (auto _ : state) byHour.Click("calculate");
    if (!byHour.HasResult()) state.SkipWithError("fire by hour did not calculate");
}
BENCHMARK(FireByHourCalculate)->Unit(benchmark::kMicrosecond);

// Opening an eleven-year hourly file of one station (100,000 rows) in the Hourly FWI window:
// reading and checking the CSV text, the hourly runs, the daily summaries and the 1987 codes,
// as "Open Weather File" does it once the file's bytes are read.
void HourlyFwiOpen100k(benchmark::State& state) {
    std::string csv = "id,lat,long,timezone,yr,mon,day,hr,temp,rh,ws,prec\n";
    const std::int64_t first = fwi2025::DayNumber({2001, 1, 1}) * 24;
    for (int i = 0; i < 100000; ++i) {
        const fwi2025::ClockDate d = fwi2025::DateOfDayNumber((first + i) / 24);
        csv += "PRF,45.996,-77.427,-4," + std::to_string(d.year) + "," + std::to_string(d.month) +
               "," + std::to_string(d.day) + "," + std::to_string(i % 24) + "," +
               std::to_string(5 + (i * 7) % 25) + "." + std::to_string(i % 10) + "," +
               std::to_string(25 + (i * 11) % 70) + ".5," + std::to_string((i * 3) % 40) + "," +
               (i % 13 == 0 ? "0." + std::to_string(1 + i % 9) : "0") + "\n";
    }
    Opened<HourlyFwiForm> f;
    for (auto _ : state) {
        if (!f.form.LoadCsv(csv, "bench").empty()) state.SkipWithError("the file was refused");
    }
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(HourlyFwiOpen100k)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

}  // namespace

BENCHMARK_MAIN();
