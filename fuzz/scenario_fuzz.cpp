// Any byte string fed to the scenario reader is accepted or refused, never a crash. A refused
// document leaves every form as it was; an accepted one, saved again, reads back unchanged.
// fuzz-runs: 10000
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "forms/exports/scenario.h"
#include "forms/models/detection_form.h"
#include "forms/models/diurnal_form.h"
#include "forms/models/fbp_calc_form.h"
#include "forms/models/fire_by_hour_form.h"
#include "forms/models/fuel_projection_form.h"
#include "forms/models/fwi_calc_form.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

struct Forms {
    emberlin::forms::HandOver shared;
    emberlin::forms::FwiCalcForm fwi{shared};
    emberlin::forms::FbpCalcForm fbp{shared};
    emberlin::forms::DiurnalForm diurnal{shared};
    emberlin::forms::DetectionForm detection{shared};
    emberlin::forms::FuelProjectionForm projection{shared};
    emberlin::forms::FireByHourForm byHour{shared};
    std::vector<emberlin::forms::ScenarioWindow> windows =
        emberlin::forms::ScenarioWindows({fwi, fbp, diurnal, detection, projection, byHour});
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Forms forms;
    const std::string before = emberlin::forms::WriteScenario(forms.windows);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto refusal = emberlin::forms::ReadScenario(text, forms.windows);
    const std::string after = emberlin::forms::WriteScenario(forms.windows);
    if (refusal) {
        Check(!refusal->empty());
        Check(after == before);
    } else {
        Check(!emberlin::forms::ReadScenario(after, forms.windows).has_value());
        Check(emberlin::forms::WriteScenario(forms.windows) == after);
    }
    return 0;
}
