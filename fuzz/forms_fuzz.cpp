// Drives every form model as a user could, in any order, all sharing one HandOver, each
// form talking to its own RecordingHost, and checks after each action what a user relies on:
// - no field shows "---", "nan" or "inf" where a number belongs;
// - the engines, given what the forms hold, return finite values within their meaning;
// - a typing pass never rewrites a box, moves the focus or raises a modal message;
// - after a store that refused nothing every held value is the parse of its screen text;
// - an action on a refused screen shows the field's message and focuses the field, or
//   computes nothing; OK never closes over a refused field;
// - opening a form (after Cancel, say) shows the held values in their canonical text;
// - exclusive choices stay exclusive; a refused non-number never changes the held value;
// - what Save Scenario writes opens again in a fresh run and saves the same;
// - an export's inputs, read into a fresh form and calculated, give the export's results,
//   unless values handed over for them have been published again since, which it says.
// fuzz-runs: 1800
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "fbp/fbp_engine.h"
#include "forms/exports/result_table.h"
#include "forms/exports/scenario.h"
#include "forms/kit/form_host.h"
#include "forms/kit/form_model.h"
#include "forms/kit/recording_host.h"
#include "forms/models/detection_form.h"
#include "forms/models/diurnal_form.h"
#include "forms/models/fbp_calc_form.h"
#include "forms/models/fire_by_hour_form.h"
#include "forms/models/fire_examples_form.h"
#include "forms/models/fuel_projection_form.h"
#include "forms/models/fuel_types_form.h"
#include "forms/models/fwi_calc_form.h"
#include "forms/models/hand_over.h"
#include "fwi/fwi_index.h"

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

// What a user reads: no number box or result shows a non-finite value, whether as a word
// or as FormatFixed's "---" standing alone.
void CheckOutputs(const FormModel& form) {
    for (const Control* c : form.Controls()) {
        if (c->kind == ControlKind::TextField && c->readOnly && HasNonFiniteWord(c->text)) {
            Fail(form.Title() + ": output " + c->id + " reads '" + c->text + "'");
        }
        std::istringstream words(c->text);
        for (std::string word; words >> word;) {
            if (word == "---") Fail(form.Title() + ": " + c->id + " shows '" + c->text + "'");
        }
    }
}

bool IsNumberField(const Control& c) {
    return c.kind == ControlKind::DoubleField || c.kind == ControlKind::IntField;
}

// The refusal a store of the screen as it stands would meet first, in storing order.
std::optional<Refusal> ScreenRefusal(const FormModel& form) {
    for (const Control* c : form.Controls()) {
        if (!IsNumberField(*c)) continue;
        std::optional<double> value;
        if (c->kind == ControlKind::DoubleField) {
            value = ParseDouble(c->text);
        } else if (auto i = ParseInt(c->text)) {
            value = *i;
        }
        // The modal box words it as the field's name, then the message.
        if (!value) return Refusal{c->id, NamedRefusal(*c, UnparsedMessage(*c))};
        if (c->wholeNumber &&
            (*value != std::floor(*value) || *value < c->minValue || *value > c->maxValue)) {
            return Refusal{c->id, NamedRefusal(*c, WholeNumberMessage(c->minValue, c->maxValue))};
        }
        if (*value < c->minValue || *value > c->maxValue) {
            return Refusal{c->id,
                           NamedRefusal(*c, OutOfRangeMessage(c->kind, c->minValue, c->maxValue))};
        }
    }
    return std::nullopt;
}

// After a store that refused nothing, every held value is the parse of its screen text.
void CheckHeldIsScreen(const FormModel& form, const char* after) {
    for (const Control* c : form.Controls()) {
        if (c->kind == ControlKind::DoubleField && *c->doubleMember != *ParseDouble(c->text)) {
            Fail(form.Title() + ": after " + after + ", " + c->id + " holds " +
                 FormatGeneral(*c->doubleMember) + " but shows '" + c->text + "'");
        }
        if (c->kind == ControlKind::IntField && *c->intMember != *ParseInt(c->text)) {
            Fail(form.Title() + ": after " + after + ", " + c->id + " holds " +
                 FormatInt(*c->intMember) + " but shows '" + c->text + "'");
        }
    }
}

// Opening shows every held value in its canonical text, and no typing warning.
void CheckOpenShowsHeld(const FormModel& form) {
    for (const Control* c : form.Controls()) {
        if ((c->kind == ControlKind::DoubleField && c->text != FormatGeneral(*c->doubleMember)) ||
            (c->kind == ControlKind::IntField && c->text != FormatInt(*c->intMember))) {
            Fail(form.Title() + ": opened with " + c->id + " showing '" + c->text + "'");
        }
    }
    if (form.TypingWarning()) Fail(form.Title() + ": opened with a typing warning");
}

// The texts of every edit box a user types into.
std::vector<std::string> InputTexts(const FormModel& form) {
    std::vector<std::string> texts;
    for (const Control* c : form.Controls()) {
        if (c->IsEdit() && !c->readOnly) texts.push_back(c->text);
    }
    return texts;
}

// A typing pass keeps exactly what was typed, touches no other box and only warns.
void CheckTypingPass(const FormModel& form, const Control& typed, const std::string& text,
                     bool applied, const std::vector<std::string>& before,
                     const RecordingHost& host) {
    if (applied && typed.text != text) {
        Fail(form.Title() + ": typed '" + text + "' into " + typed.id + ", shows '" + typed.text +
             "'");
    }
    std::vector<std::string> after = InputTexts(form);
    std::size_t k = 0;
    for (const Control* c : form.Controls()) {
        if (!c->IsEdit() || c->readOnly) continue;
        if (c != &typed && after[k] != before[k]) {
            Fail(form.Title() + ": typing into " + typed.id + " rewrote " + c->id);
        }
        ++k;
    }
    for (const HostEvent& e : host.Events()) {
        if (e.kind != HostEvent::Kind::Warning) {
            Fail(form.Title() + ": typing into " + typed.id + " did more than warn");
        }
    }
}

// Everything a calculation can change: every result text of every form and the values
// handed between forms.
struct Computed {
    std::vector<std::string> results;
    std::vector<double> shared;
    bool operator==(const Computed&) const = default;
};

std::vector<double> SharedNumbers(const HandOver& s) {
    std::vector<double> v = {double(s.fwi.has_value()), double(s.fbp.has_value()),
                             double(s.hourly.has_value())};
    if (s.fwi) {
        const forms::FwiDay& d = *s.fwi;
        v.insert(v.end(), {d.ffmc, d.bui, d.rain, d.windSpeed, d.relativeHumidity, d.temperature,
                           double(d.month)});
    }
    if (s.fbp) {
        const FbpSettings& f = *s.fbp;
        const ProjectionSite& p = f.site;
        v.insert(v.end(), {double(f.fuelIndex), double(f.ignition == IgnitionType::Point), f.ffmc,
                           f.windSpeed, double(f.month), double(f.day), double(f.elapsedTime),
                           double(p.pc), double(p.pdf), double(p.gc), p.gfl, p.bui, p.windDirection,
                           p.slope, p.aspect, p.latitude, p.longitude, double(p.elevation)});
    }
    if (s.hourly) {
        v.insert(v.end(), s.hourly->ffmc.begin(), s.hourly->ffmc.end());
        v.insert(v.end(), s.hourly->windSpeed.begin(), s.hourly->windSpeed.end());
    }
    return v;
}

template <typename Forms>
Computed Snapshot(const Forms& forms, const HandOver& shared) {
    Computed c;
    for (const auto& f : forms) {
        for (const Control* control : f->Controls()) {
            if (control->kind == ControlKind::TextField && control->readOnly) {
                c.results.push_back(control->text);
            }
        }
    }
    c.shared = SharedNumbers(shared);
    return c;
}

// A click on a form whose screen has a refused field: either the field's own message, then
// the focus on it with its text selected, or nothing computed. OK never closes.
void CheckRefusedAction(const FormModel& form, const std::string& clicked,
                        const std::optional<Refusal>& refusal, const RecordingHost& host,
                        bool computedChanged) {
    const std::vector<HostEvent>& events = host.Events();
    bool focused = false;
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (events[i].kind != HostEvent::Kind::Focus) continue;
        focused = true;
        if (!refusal) continue;  // a hand-over may name a field of its own
        if (events[i].target != refusal->controlId || !events[i].flag || i == 0 ||
            events[i - 1].kind != HostEvent::Kind::Message ||
            events[i - 1].text != refusal->message) {
            Fail(form.Title() + ": " + clicked + " on a refused " + refusal->controlId +
                 " focused " + events[i].target + " after '" +
                 (i > 0 ? events[i - 1].text : std::string()) + "'");
        }
    }
    if (!refusal) return;
    if (host.Closed() && host.Accepted()) {
        Fail(form.Title() + ": " + clicked + " closed over a refused " + refusal->controlId);
    }
    if (!focused && computedChanged) {
        Fail(form.Title() + ": " + clicked + " computed over a refused " + refusal->controlId);
    }
}

void CheckRange(double value, double low, double high, const std::string& what) {
    if (!(value >= low && value <= high)) Fail(what + " = " + FormatGeneral(value));
}

// The FWI engine on what the FWI calculator holds, once every input is within its range.
void CheckFwiEngine(const FormModel& fwi) {
    if (ScreenRefusal(fwi)) return;
    auto held = [&](const char* id) { return *fwi.GetControl(id).doubleMember; };
    for (const Control* c : fwi.Controls()) {
        if (c->kind == ControlKind::DoubleField &&
            (*c->doubleMember < c->minValue || *c->doubleMember > c->maxValue)) {
            return;  // the screen is valid but not yet stored (a closed form, say)
        }
    }
    const int month = *fwi.GetControl("month").intMember;
    if (month < 1 || month > 12) return;
    for (int selector = 1; selector <= 7; ++selector) {
        const double value = CalcFwiIndex(
            selector, held("ffmcYesterday"), held("dmcYesterday"), held("dcYesterday"), month,
            held("temperature"), held("relativeHumidity"), held("rain"), held("windSpeed"));
        const std::string what = "FWI engine selector " + std::to_string(selector);
        if (selector == static_cast<int>(FwiOutput::Ffmc)) {
            CheckRange(value, 0, 101.05, what);
        } else {
            CheckRange(value, 0, HUGE_VAL, what);
        }
    }
}

// The FBP engine on the inputs of the FBP calculator's last calculation.
void CheckFbpEngine(const FbpCalcForm& fbp) {
    if (fbp.LastInputs().fuelType.empty()) return;
    FbpOutputs out;
    if (ComputeFbp(fbp.LastInputs(), out) != FbpResult::Computed) return;
    const std::string code = "FBP engine (" + fbp.LastInputs().fuelType + ") ";
    const std::pair<const char*, double> nonNegative[] = {
        {"ros", out.ros},
        {"fros", out.fros},
        {"bros", out.bros},
        {"rosTheta", out.rosTheta},
        {"rost", out.rost},
        {"frost", out.frost},
        {"brost", out.brost},
        {"rosThetaT", out.rosThetaT},
        {"hfi", out.hfi},
        {"ffi", out.ffi},
        {"bfi", out.bfi},
        {"fiTheta", out.fiTheta},
        {"tfc", out.tfc},
        {"ftfc", out.ftfc},
        {"btfc", out.btfc},
        {"tfcTheta", out.tfcTheta},
        {"sfc", out.sfc},
        {"wsv", out.wsv},
        {"hsd", out.hsd},
        {"fsd", out.fsd},
        {"bsd", out.bsd},
        {"area", out.area},
        {"perimeter", out.perimeter},
        {"pgr", out.pgr},
    };
    for (const auto& [name, value] : nonNegative) CheckRange(value, 0, HUGE_VAL, code + name);
    const std::pair<const char*, double> fractions[] = {
        {"cfb", out.cfb}, {"fcfb", out.fcfb}, {"bcfb", out.bcfb}, {"cfbTheta", out.cfbTheta}};
    for (const auto& [name, value] : fractions) CheckRange(value, 0, 1, code + name);
    CheckRange(out.lb, 1, HUGE_VAL, code + "lb");
    CheckRange(out.raz, -HUGE_VAL, HUGE_VAL, code + "raz");
}

// What the calculators handed over: today's FFMC and BUI, the hourly FFMC and wind.
void CheckSharedValues(const HandOver& s) {
    if (s.fwi) {
        CheckRange(s.fwi->ffmc, 0, 101.05, "handed-over FFMC");
        CheckRange(s.fwi->bui, 0, HUGE_VAL, "handed-over BUI");
    }
    if (s.hourly) {
        for (int h = 1; h <= 24; ++h) {
            CheckRange(s.hourly->ffmc[h], 0, 101.05, "hourly FFMC " + std::to_string(h));
            CheckRange(s.hourly->windSpeed[h], 0, HUGE_VAL, "hourly wind " + std::to_string(h));
        }
    }
}

const char* const kTexts[] = {
    "",     "0",     "0.",   "0.5",  "-",      "1e308", "-1e308", "abc",        "13",   "101",
    "102",  "-200",  "55",   "5",    "1e-320", "nan",   "inf",    "2147483648", "0030", "5e3",
    "12.0", "-0",    "100",  "1200", "85",     "-170",  "170",    "31",         "2",    "30",
    "300",  "0.001", "99.9", "-4.5", "4.5",    "2200",  "30",     "2400",       "1e9",
};

// A form on screen and the window it talks to.
// Every held input lies within its field's range, whatever was typed, refused or cancelled:
// a refused number is never stored.
void CheckHeldInRange(const FormModel& form) {
    for (const Control* c : form.InputFields()) {
        const double held = c->doubleMember ? *c->doubleMember : double(*c->intMember);
        if (!(held >= c->minValue && held <= c->maxValue)) {
            Fail(form.Title() + ": " + c->id + " holds " + FormatGeneral(held) +
                 ", outside its range");
        }
    }
}

// Save then open: what Save Scenario writes from the forms as they stand, forms of a fresh run
// open without a refusal, and saving them again writes the same text.
void CheckScenarioRoundTrip(const std::vector<ScenarioWindow>& windows) {
    const std::string saved = WriteScenario(windows);
    HandOver shared;
    FwiCalcForm fwi{shared};
    FbpCalcForm fbp{shared};
    DiurnalForm diurnal{shared};
    DetectionForm detection{shared};
    FuelProjectionForm projection{shared};
    FireByHourForm byHour{shared};
    const std::vector<ScenarioWindow> fresh =
        ScenarioWindows({fwi, fbp, diurnal, detection, projection, byHour});
    if (const auto refusal = ReadScenario(saved, fresh)) {
        Fail("a saved scenario is refused on opening: " + *refusal);
    }
    if (WriteScenario(fresh) != saved) Fail("an opened scenario saves differently");
}

// The results-inputs invariant for one calculator: the inputs its export lists (the numbers
// behind their texts, the choices by their words) restored into a fresh form of its kind over
// a copy of the hand-over, then calculated, give the export's rows and summary. Results whose
// handed-over hours have been published again cannot be recalculated so: their export must
// say that instead.
template <class Form>
void CheckExportRecalculates(const Form& form, const HandOver& shared) {
    if (!form.HasResults()) return;
    const ResultTable exported = MakeResultsTable(form);
    if (!form.ChangedSource().empty()) {
        if (exported.note.find(form.ChangedSource()) == std::string::npos) {
            Fail(form.Title() + ": an export of results under replaced hours does not say so");
        }
        return;
    }
    HandOver copy = shared;
    Form fresh{copy};
    const std::vector<const Control*> fields = fresh.InputFields();
    if (exported.inputs.size() < fields.size()) Fail(form.Title() + ": export lacks inputs");
    std::vector<RestoredValue> values;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const TableCell& cell = exported.inputs[i];
        if (!cell.value) Fail(form.Title() + ": exported " + fields[i]->id + " has no number");
        values.push_back({fields[i]->id, *cell.value});
    }
    std::vector<RestoredChoice> choices;
    for (std::size_t i = fields.size(); i < exported.inputs.size(); ++i) {
        bool found = false;
        for (const OptionGroup& group : fresh.OptionGroups()) {
            if (group.label != exported.inputColumns[i].name) continue;
            for (std::size_t c = 0; c < group.choices.size(); ++c) {
                if (SimplifiedLabel(fresh.GetControl(group.choices[c].boxId).label) ==
                    exported.inputs[i].text) {
                    choices.push_back({group.name, c});
                    found = true;
                }
            }
        }
        if (!found) Fail(form.Title() + ": exported choice '" + exported.inputs[i].text + "'");
    }
    fresh.Restore(values, choices);
    fresh.Click("calculate");
    const ResultTable again = MakeResultsTable(fresh);
    if (again.rows.size() != exported.rows.size() || again.summary != exported.summary) {
        Fail(form.Title() + ": the exported inputs calculate to other results");
    }
    for (std::size_t r = 0; r < again.rows.size(); ++r) {
        if (again.rows[r].size() != exported.rows[r].size()) Fail(form.Title() + ": row size");
        for (std::size_t c = 0; c < again.rows[r].size(); ++c) {
            const TableCell& was = exported.rows[r][c];
            const TableCell& now = again.rows[r][c];
            // The first display's results are texts read back, not full-precision numbers.
            if (now.text != was.text || (form.HoldsComputedResults() && now.value != was.value)) {
                Fail(form.Title() + ": exported inputs give '" + now.text + "' for '" + was.text +
                     "' in row " + std::to_string(r + 1));
            }
        }
    }
}

// Each calculator of the session (FWI, FBP, diurnal, detection, projection, by hour).
void CheckExportsRecalculate(const std::vector<const FormModel*>& forms, const HandOver& shared) {
    CheckExportRecalculates(static_cast<const FwiCalcForm&>(*forms[0]), shared);
    CheckExportRecalculates(static_cast<const FbpCalcForm&>(*forms[1]), shared);
    CheckExportRecalculates(static_cast<const DiurnalForm&>(*forms[2]), shared);
    CheckExportRecalculates(static_cast<const DetectionForm&>(*forms[3]), shared);
    CheckExportRecalculates(static_cast<const FuelProjectionForm&>(*forms[4]), shared);
    CheckExportRecalculates(static_cast<const FireByHourForm&>(*forms[7]), shared);
}

struct Session {
    std::unique_ptr<FormModel> form;
    RecordingHost host;
    bool open = true;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    HandOver shared;
    std::vector<std::unique_ptr<Session>> sessions;
    auto add = [&](std::unique_ptr<FormModel> form) {
        sessions.push_back(std::make_unique<Session>());
        sessions.back()->form = std::move(form);
    };
    add(std::make_unique<FwiCalcForm>(shared));
    add(std::make_unique<FbpCalcForm>(shared));
    add(std::make_unique<DiurnalForm>(shared));
    add(std::make_unique<DetectionForm>(shared));
    add(std::make_unique<FuelProjectionForm>(shared));
    add(std::make_unique<FireExamplesForm>());
    add(std::make_unique<FuelTypesForm>());
    add(std::make_unique<FireByHourForm>(shared));
    std::vector<const FormModel*> forms;
    for (auto& s : sessions) {
        s->form->AttachHost(s->host);
        s->form->Open();
        forms.push_back(s->form.get());
    }
    const FormModel& fwi = *forms[0];
    const auto& fbp = static_cast<const FbpCalcForm&>(*forms[1]);
    const std::vector<ScenarioWindow> windows =
        ScenarioWindows({*sessions[0]->form, *sessions[1]->form, *sessions[2]->form,
                         *sessions[3]->form, *sessions[4]->form, *sessions[7]->form});

    for (int step = 0; step < 64 && input.remaining_bytes() > 0; ++step) {
        Session& session =
            *sessions[input.ConsumeIntegralInRange<std::size_t>(0, sessions.size() - 1)];
        FormModel& form = *session.form;
        RecordingHost& host = session.host;
        const std::vector<const Control*> controls = form.Controls();
        const Control& control =
            *controls[input.ConsumeIntegralInRange<std::size_t>(0, controls.size() - 1)];
        const int action = input.ConsumeIntegralInRange(0, 9);
        host.ClearEvents();

        if (action == 0 || !session.open) {
            // A closed form can only be opened again.
            form.Open();
            session.open = true;
            CheckOpenShowsHeld(form);
        } else if (control.IsEdit() && action < 8) {
            std::string text =
                input.ConsumeBool()
                    ? kTexts[input.ConsumeIntegralInRange<std::size_t>(0, std::size(kTexts) - 1)]
                    : input.ConsumeRandomLengthString(24);
            const double doubleBefore = control.doubleMember ? *control.doubleMember : 0;
            const int intBefore = control.intMember ? *control.intMember : 0;
            const std::vector<std::string> before = InputTexts(form);
            const bool applied = form.TypeText(control.id, text);
            CheckTypingPass(form, control, text, applied, before, host);
            if (control.doubleMember && !ParseDouble(text) &&
                *control.doubleMember != doubleBefore) {
                Fail(form.Title() + ": non-number changed " + control.id);
            }
            if (control.intMember && !ParseInt(text) && *control.intMember != intBefore) {
                Fail(form.Title() + ": non-integer changed " + control.id);
            }
            if (applied && !ScreenRefusal(form)) CheckHeldIsScreen(form, "typing");
        } else {
            const std::optional<Refusal> refusal = ScreenRefusal(form);
            const Computed before = Snapshot(forms, shared);
            form.Click(control.id);
            const bool changed = !(Snapshot(forms, shared) == before);
            CheckRefusedAction(form, control.id, refusal, host, changed);
            if (host.Closed()) {
                session.open = false;
                CheckScenarioRoundTrip(windows);
            }
            if (session.open && host.Messages().empty() && !ScreenRefusal(form)) {
                CheckHeldIsScreen(form, ("a click on " + control.id).c_str());
            }
            if (changed) CheckExportsRecalculate(forms, shared);
        }

        for (const FormModel* f : forms) {
            CheckOutputs(*f);
            CheckExclusiveGroups(*f);
            CheckHeldInRange(*f);
        }
        CheckFwiEngine(fwi);
        CheckFbpEngine(fbp);
        CheckSharedValues(shared);
    }
    CheckScenarioRoundTrip(windows);
    CheckExportsRecalculate(forms, shared);
    return 0;
}
