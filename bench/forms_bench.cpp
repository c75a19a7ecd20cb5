// Form actions as a user performs them, through the toolkit-free models: the work one click
// or keystroke costs before the window repaints.
#include <benchmark/benchmark.h>

#include "forms/kit/form_host.h"
#include "forms/models/detection_form.h"
#include "forms/models/diurnal_form.h"
#include "forms/models/fbp_calc_form.h"
#include "forms/models/fire_by_hour_form.h"
#include "forms/models/fuel_projection_form.h"
#include "forms/models/fwi_calc_form.h"
#include "forms/models/hand_over.h"

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

}  // namespace

BENCHMARK_MAIN();
