// Drives every form model as a user could, in any order, all sharing one HandOver, and
// checks after each action what a user relies on: no output reads "nan" or "inf", exclusive
// choices stay exclusive, a refused non-number never changes the held value, and the
// hand-over channels, once filled, stay filled.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "forms/hand_over.h"
#include "forms/detection_form.h"
#include "forms/dialog/form_host.h"
#include "forms/dialog/form_model.h"
#include "forms/diurnal_form.h"
#include "forms/fbp_calc_form.h"
#include "forms/fire_examples_form.h"
#include "forms/fuel_projection_form.h"
#include "forms/fuel_types_form.h"
#include "forms/fwi_calc_form.h"

using namespace emberlin;
using namespace emberlin::forms;

namespace {

void Fail(const std::string& what) {
    std::fprintf(stderr, "invariant broken: %s\n", what.c_str());
    std::abort();
}

// "nan" or "inf" standing as a word, in any letter case.
bool HasNonFiniteWord(const std::string& text) {
    std::string word;
    auto check = [&] {
        if (word == "nan" || word == "inf" || word == "infinity") return true;
        word.clear();
        return false;
    };
    for (char c : text) {
        if (std::isalpha(static_cast<unsigned char>(c))) {
            word.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
        } else if (check()) {
            return true;
        }
    }
    return check();
}

bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

// Exclusive choices: the fuel type boxes and each named pair or group, exactly one on.
void CheckExclusiveGroups(const FormModel& form) {
    int fuelBoxes = 0, fuelChecked = 0;
    for (const Control* c : form.Controls()) {
        if (c->kind == ControlKind::CheckBox && StartsWith(c->id, "fuel")) {
            ++fuelBoxes;
            fuelChecked += c->checked ? 1 : 0;
        }
    }
    if (fuelBoxes > 0 && fuelChecked != 1) Fail(form.Title() + ": fuel boxes not exclusive");
    const std::vector<std::vector<std::string>> groups = {
        {"lineIgnition", "pointIgnition"},
        {"integerOption", "realOption"},
        {"vanWagnerOption", "lawsonOption", "equilibriumOption"},
    };
    for (const auto& group : groups) {
        int present = 0, checked = 0;
        for (const std::string& id : group) {
            if (!form.HasControl(id)) continue;
            ++present;
            checked += form.IsChecked(id) ? 1 : 0;
        }
        if (present > 0 && checked != 1) Fail(form.Title() + ": " + group[0] + " group");
    }
    // The settings options may both be off (after a refused hand-over), never both on.
    for (const auto& pair : {std::array<const char*, 2>{"defaultOption", "fwiCalculatorOption"},
                             std::array<const char*, 2>{"defaultSettings", "fbpSettings"}}) {
        if (form.HasControl(pair[0]) && form.HasControl(pair[1]) && form.IsChecked(pair[0]) &&
            form.IsChecked(pair[1])) {
            Fail(form.Title() + ": both setting options on");
        }
    }
}

void CheckOutputs(const FormModel& form) {
    for (const Control* c : form.Controls()) {
        if (c->kind == ControlKind::TextField && c->readOnly && HasNonFiniteWord(c->text)) {
            Fail(form.Title() + ": output " + c->id + " reads '" + c->text + "'");
        }
    }
}

const char* const kTexts[] = {
    "",     "0",     "0.",    "0.5",   "-",      "1e308", "-1e308", "abc",  "13",   "101",
    "102",  "-200",  "55",    "5",     "1e-320", "nan",   "inf",    "2147483648",  "0030",
    "5e3",  "12.0",  "-0",    "100",   "1200",   "85",    "-170",   "170",  "31",   "2",
    "30",   "300",   "0.001", "99.9",  "-4.5",   "4.5",   "2200",   "30",   "2400", "1e9",
};

struct Flags {
    bool fwi, fbp, hourly;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    HandOver shared;
    NullHost host;
    std::vector<std::unique_ptr<FormModel>> forms;
    forms.push_back(std::make_unique<FwiCalcForm>(shared));
    forms.push_back(std::make_unique<FbpCalcForm>(shared));
    forms.push_back(std::make_unique<DiurnalForm>(shared));
    forms.push_back(std::make_unique<DetectionForm>(shared));
    forms.push_back(std::make_unique<FuelProjectionForm>(shared));
    forms.push_back(std::make_unique<FireExamplesForm>());
    forms.push_back(std::make_unique<FuelTypesForm>());
    for (auto& form : forms) {
        form->AttachHost(host);
        form->Open();
    }

    Flags flags{false, false, false};
    for (int step = 0; step < 64 && input.remaining_bytes() > 0; ++step) {
        FormModel& form = *forms[input.ConsumeIntegralInRange<std::size_t>(0, forms.size() - 1)];
        const std::vector<const Control*> controls = form.Controls();
        const Control& control =
            *controls[input.ConsumeIntegralInRange<std::size_t>(0, controls.size() - 1)];
        const int action = input.ConsumeIntegralInRange(0, 9);

        if (action == 0) {
            form.Open();
        } else if (control.IsEdit() && action < 8) {
            std::string text = input.ConsumeBool()
                                   ? kTexts[input.ConsumeIntegralInRange<std::size_t>(
                                         0, std::size(kTexts) - 1)]
                                   : input.ConsumeRandomLengthString(24);
            const double doubleBefore = control.doubleMember ? *control.doubleMember : 0;
            const int intBefore = control.intMember ? *control.intMember : 0;
            form.TypeText(control.id, text);
            if (control.doubleMember && !ParseDouble(text) &&
                *control.doubleMember != doubleBefore) {
                Fail(form.Title() + ": non-number changed " + control.id);
            }
            if (control.intMember && !ParseInt(text) && *control.intMember != intBefore) {
                Fail(form.Title() + ": non-integer changed " + control.id);
            }
        } else {
            form.Click(control.id);
        }

        for (auto& f : forms) {
            CheckOutputs(*f);
            CheckExclusiveGroups(*f);
        }
        const Flags now{shared.fwi.has_value(), shared.fbp.has_value(), shared.hourly.has_value()};
        if ((flags.fwi && !now.fwi) || (flags.fbp && !now.fbp) || (flags.hourly && !now.hourly)) {
            Fail("a hand-over channel emptied");
        }
        flags = now;
    }
    return 0;
}
