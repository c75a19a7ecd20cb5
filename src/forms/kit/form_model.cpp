#include "forms/kit/form_model.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <stdexcept>
#include <type_traits>

#include "common/calendar.h"
#include "common/number_text.h"

namespace emberlin::forms {

std::string NotANumberMessage(ControlKind kind) {
    return kind == ControlKind::IntField ? "Please enter an integer." : "Please enter a number.";
}

std::string OutOfRangeMessage(ControlKind kind, double minValue, double maxValue) {
    const char* what = kind == ControlKind::IntField ? "an integer" : "a number";
    return std::string("Please enter ") + what + " between " + FormatGeneral(minValue) + " and " +
           FormatGeneral(maxValue) + ".";
}

std::string DecimalPointMessage(std::string_view typed) {
    std::string point(typed);
    for (char& c : point) {
        if (c == ',') c = '.';
    }
    return "Please use a decimal point: " + std::string(SimplifiedLabel(point)) + ", not " +
           std::string(SimplifiedLabel(typed)) + ".";
}

std::string WholeNumberMessage(double minValue, double maxValue) {
    return "This box takes whole numbers " + FormatGeneral(minValue) + " to " +
           FormatGeneral(maxValue) + ".";
}

std::string DayOfMonthMessage(int month) {
    return "Please enter a day between 1 and " + std::to_string(DaysInMonth(month)) + " for " +
           MonthName(month) + ".";
}

std::string FieldName(const Control& control) {
    const std::string label = SimplifiedLabel(control.label);
    return control.group.empty() ? label : control.group + " " + label;
}

std::string NamedRefusal(const Control& control, std::string_view message) {
    return FieldName(control) + ": " + std::string(message);
}

std::string TipText(const Control& control, const FieldTip& tip, std::string_view lineBreak) {
    std::string text(tip.meaning);
    if (!text.empty() && text.back() != '.') text += '.';
    const bool input = !control.readOnly && (control.kind == ControlKind::DoubleField ||
                                             control.kind == ControlKind::IntField);
    if (input) {
        text.append(lineBreak);
        if (control.wholeNumber) {
            text += "A whole number";
        } else {
            text += control.kind == ControlKind::IntField ? "An integer" : "A number";
        }
        text.append(" from ").append(FormatGeneral(control.minValue));
        text.append(" to ").append(FormatGeneral(control.maxValue)).append(".");
    }
    if (!tip.note.empty()) text.append(lineBreak).append(tip.note);
    return text;
}

std::string UnparsedMessage(const Control& control) {
    const std::string_view text = control.text;
    if (control.kind == ControlKind::IntField) {
        std::size_t i = text.find_first_not_of(" \t");
        if (i != std::string_view::npos && (text[i] == '+' || text[i] == '-')) ++i;
        const std::size_t end = text.find_last_not_of(" \t");
        bool digits = i != std::string_view::npos && end != std::string_view::npos && i <= end;
        for (std::size_t k = i; digits && k <= end; ++k) digits = text[k] >= '0' && text[k] <= '9';
        if (digits) return OutOfRangeMessage(control.kind, control.minValue, control.maxValue);
        return NotANumberMessage(control.kind);
    }
    if (IsDecimalText(text))
        return OutOfRangeMessage(control.kind, control.minValue, control.maxValue);
    if (std::count(text.begin(), text.end(), ',') == 1) {
        std::string point(text);
        std::replace(point.begin(), point.end(), ',', '.');
        if (ParseDouble(point)) return DecimalPointMessage(text);
    }
    return NotANumberMessage(control.kind);
}

const FieldDeclaration& FindField(std::span<const FieldDeclaration> fields, std::string_view id) {
    for (const FieldDeclaration& field : fields) {
        if (field.id == id) return field;
    }
    throw std::out_of_range("no field " + std::string(id));
}

FormModel::FormModel(std::string title, std::span<const FieldDeclaration> fields)
    : title_(std::move(title)), fields_(fields) {}

void FormModel::Open() {
    Show();
    SetWarning(std::nullopt);
}

bool FormModel::TypeText(std::string_view id, std::string_view text) {
    Control& control = MutableControl(id);
    if (!control.IsEdit() || control.readOnly || !control.enabled) return false;
    if (control.digitsOnly) {
        for (char c : text) {
            if (c < '0' || c > '9') return false;
        }
    }
    control.text = std::string(text);
    if (!control.result) InputsChanged();
    if (control.onEdited) {
        control.onEdited();
    } else {
        StoreWhileTyping();
    }
    return true;
}

void FormModel::Click(std::string_view id) {
    Control& control = MutableControl(id);
    if (!control.enabled) return;
    if (control.kind == ControlKind::CheckBox) {
        control.checked = !control.checked;
        // A choice of the form's inputs; a box that calculates makes the results current again.
        InputsChanged();
    } else if (control.kind != ControlKind::Button) {
        return;
    }
    if (control.onClick) control.onClick();
}

const Control& FormModel::GetControl(std::string_view id) const {
    auto it = byId_.find(std::string(id));
    if (it == byId_.end()) throw std::out_of_range("no control named " + std::string(id));
    return *it->second;
}

bool FormModel::HasControl(std::string_view id) const { return byId_.count(std::string(id)) != 0; }

Control& FormModel::MutableControl(std::string_view id) {
    return const_cast<Control&>(GetControl(id));
}

std::vector<const Control*> FormModel::Controls() const {
    std::vector<const Control*> list;
    list.reserve(controls_.size());
    for (const Control& c : controls_) list.push_back(&c);
    return list;
}

std::optional<Refusal> FormModel::StoreControl(Control& control) {
    switch (control.kind) {
        case ControlKind::DoubleField: {
            std::optional<double> value = ParseDouble(control.text);
            if (!value) return Refusal{control.id, UnparsedMessage(control)};
            // A refused number never becomes the held value: the screen keeps what was typed,
            // the member keeps the last accepted one.
            if (control.wholeNumber && (*value != std::floor(*value) || *value < control.minValue ||
                                        *value > control.maxValue)) {
                return Refusal{control.id, WholeNumberMessage(control.minValue, control.maxValue)};
            }
            if (*value < control.minValue || *value > control.maxValue) {
                return Refusal{control.id,
                               OutOfRangeMessage(control.kind, control.minValue, control.maxValue)};
            }
            *control.doubleMember = *value;
            return std::nullopt;
        }
        case ControlKind::IntField: {
            std::optional<int> value = ParseInt(control.text);
            if (!value) return Refusal{control.id, UnparsedMessage(control)};
            if (*value < control.minValue || *value > control.maxValue) {
                return Refusal{control.id,
                               OutOfRangeMessage(control.kind, control.minValue, control.maxValue)};
            }
            *control.intMember = *value;
            return std::nullopt;
        }
        case ControlKind::CheckBox:
            *control.checkMember = control.checked;
            return std::nullopt;
        case ControlKind::TextField:
            *control.textMember = control.text;
            return std::nullopt;
        case ControlKind::Button:
            return std::nullopt;
    }
    return std::nullopt;
}

std::optional<Refusal> FormModel::Store() {
    for (Control& control : controls_) {
        if (auto refusal = StoreControl(control)) return refusal;
    }
    return std::nullopt;
}

void FormModel::Show() {
    for (Control& control : controls_) {
        switch (control.kind) {
            case ControlKind::DoubleField:
                control.text = FormatGeneral(*control.doubleMember);
                break;
            case ControlKind::IntField:
                control.text = FormatInt(*control.intMember);
                break;
            case ControlKind::CheckBox:
                control.checked = *control.checkMember;
                break;
            case ControlKind::TextField:
                control.text = *control.textMember;
                break;
            case ControlKind::Button:
                break;
        }
    }
}

std::vector<const Control*> FormModel::InputFields() const {
    std::vector<const Control*> fields;
    for (const Control& c : controls_) {
        if ((c.kind == ControlKind::DoubleField || c.kind == ControlKind::IntField) &&
            !c.readOnly) {
            fields.push_back(&c);
        }
    }
    return fields;
}

std::optional<std::size_t> FormModel::ChosenOption(const OptionGroup& group) const {
    for (std::size_t i = 0; i < group.choices.size(); ++i) {
        if (IsChecked(group.choices[i].boxId)) return i;
    }
    return std::nullopt;
}

void FormModel::Restore(const std::vector<RestoredValue>& values,
                        const std::vector<RestoredChoice>& choices) {
    for (const RestoredValue& restored : values) {
        Control& field = MutableControl(restored.id);
        if (field.doubleMember != nullptr) *field.doubleMember = restored.value;
        if (field.intMember != nullptr) *field.intMember = static_cast<int>(restored.value);
    }
    for (const RestoredChoice& restored : choices) {
        for (const OptionGroup& group : optionGroups_) {
            if (group.name == restored.group && restored.choice < group.choices.size()) {
                group.select(restored.choice);
            }
        }
    }
    Show();
    SetWarning(std::nullopt);
    // Results on screen belong to the inputs before the restore: not yet calculated for these.
    InputsChanged();
}

void FormModel::SetWarning(std::optional<Refusal> refusal) {
    if (warning_ && (!refusal || refusal->controlId != warning_->controlId)) {
        host_->ShowTypingWarning(warning_->controlId, "");
    }
    if (refusal && (!warning_ || warning_->controlId != refusal->controlId ||
                    warning_->message != refusal->message)) {
        host_->ShowTypingWarning(refusal->controlId, refusal->message);
    }
    warning_ = std::move(refusal);
}

void FormModel::StoreWhileTyping() { SetWarning(Store()); }

bool FormModel::StoreForAction() {
    std::optional<Refusal> refusal = Store();
    SetWarning(refusal);
    if (!refusal) return true;
    InputsChanged();  // a refused calculation leaves the earlier results standing
    host_->ShowMessage(NamedRefusal(GetControl(refusal->controlId), refusal->message));
    host_->SetFocus(refusal->controlId, true);
    return false;
}

void FormModel::RefuseField(std::string_view id, std::string_view message) {
    InputsChanged();
    host_->ShowMessage(NamedRefusal(GetControl(id), message));
    host_->SetFocus(id, true);
}

bool FormModel::CheckDayOfMonth(std::string_view monthId, std::string_view dayId) {
    const int month = *GetControl(monthId).intMember;
    if (*GetControl(dayId).intMember <= DaysInMonth(month)) return true;
    RefuseField(dayId, DayOfMonthMessage(month));
    return false;
}

void FormModel::Ok() {
    if (StoreForAction()) host_->Close(true);
}

void FormModel::ResultsShown(bool computed) {
    ResultInputs inputs;
    for (const Control* field : InputFields()) {
        inputs.values.push_back(field->intMember != nullptr ? *field->intMember
                                                            : *field->doubleMember);
    }
    for (const OptionGroup& group : optionGroups_) inputs.choices.push_back(ChosenOption(group));
    resultInputs_ = std::move(inputs);
    hasResults_ = true;
    stale_ = false;
    computed_ = computed_ || computed;
    ++resultsCount_;
}

std::string FormModel::StaleNote() const {
    if (!ResultsStale()) return {};
    const std::string button =
        HasControl("calculate") ? SimplifiedLabel(GetControl("calculate").label) : "Calculate";
    const std::string source = ChangedSource();
    return "Results are for the earlier " + (stale_ || source.empty() ? "inputs" : source) +
           ": press " + button;
}

Control& FormModel::AddResultText(std::string_view id, std::string_view label,
                                  std::string_view meaning, std::string& member) {
    Control& field = AddText(std::string(id), std::string(label), member);
    field.result = true;
    field.tip = TipText(field, {id, meaning});
    return field;
}

void FormModel::MarkResults(const std::vector<std::string>& ids, std::string_view sharedTip) {
    for (const std::string& id : ids) {
        Control& control = MutableControl(id);
        control.result = true;
        if (!sharedTip.empty()) control.tip = std::string(sharedTip);
    }
}

void FormModel::ApplyTips(std::span<const FieldTip> tips, std::string_view lineBreak) {
    for (const FieldTip& tip : tips) {
        Control& control = MutableControl(tip.id);
        control.tip = TipText(control, tip, lineBreak);
    }
}

void FormModel::Cancel() { host_->Close(false); }

void FormModel::SetChecked(std::string_view id, bool checked) {
    MutableControl(id).checked = checked;
}

std::string SimplifiedLabel(std::string_view label) {
    std::string text;
    for (char c : label) {
        if (c == ' ') {
            if (!text.empty() && text.back() != ' ') text += ' ';
        } else {
            text += c;
        }
    }
    if (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

bool FormModel::TakeOver(std::string_view source, std::initializer_list<TakenValue> values) {
    if (!StoreForAction()) return false;
    for (const TakenValue& taken : values) {
        const Control& field = GetControl(taken.id);
        if (!(taken.value >= field.minValue && taken.value <= field.maxValue)) {
            Message("Nothing was taken over from the " + std::string(source) + ": its " +
                    SimplifiedLabel(field.label) + " gives " + FormatGeneral(taken.value) +
                    ", outside this form's range of " + FormatGeneral(field.minValue) + " to " +
                    FormatGeneral(field.maxValue) + ".");
            return false;
        }
    }
    for (const TakenValue& taken : values) {
        Control& field = MutableControl(taken.id);
        if (field.doubleMember != nullptr) *field.doubleMember = taken.value;
        // Within the field's range, so the whole number fits an int.
        if (field.intMember != nullptr) *field.intMember = static_cast<int>(taken.value);
    }
    InputsChanged();
    return true;
}

namespace {
// Binds a number field to its member: the text it opens with and the range it takes.
template <class Number>
Control& BindNumber(Control& c, Number& member, double minValue, double maxValue) {
    if constexpr (std::is_same_v<Number, int>) {
        c.intMember = &member;
        c.text = FormatInt(member);
    } else {
        c.doubleMember = &member;
        c.text = FormatGeneral(member);
    }
    c.minValue = minValue;
    c.maxValue = maxValue;
    return c;
}
}  // namespace

Control& FormModel::AddField(std::string_view id, double& member) {
    const FieldDeclaration& field = FindField(fields_, id);
    if (field.kind == FieldKind::Integer) throw std::logic_error(field.id + " holds an int");
    member = field.opensWith.value_or(field.defaultValue);
    Control& control = AddDouble(field.id, field.label, member, field.min, field.max);
    control.wholeNumber = field.kind == FieldKind::WholeNumber;
    return Declared(field, control);
}

Control& FormModel::AddField(std::string_view id, int& member) {
    const FieldDeclaration& field = FindField(fields_, id);
    if (field.kind != FieldKind::Integer) throw std::logic_error(field.id + " holds a double");
    // Declared defaults of int fields are whole numbers within int.
    member = static_cast<int>(field.opensWith.value_or(field.defaultValue));
    return Declared(field, AddInt(field.id, field.label, member, static_cast<int>(field.min),
                                  static_cast<int>(field.max)));
}

Control& FormModel::Declared(const FieldDeclaration& field, Control& control) {
    control.declaration = &field;
    control.group = field.group;
    control.tip = TipText(control, {field.id, field.meaning, field.note});
    return control;
}

void FormModel::ApplyFieldTips(std::string_view lineBreak) {
    for (Control& control : controls_) {
        if (const FieldDeclaration* field = control.declaration) {
            control.tip = TipText(control, {field->id, field->meaning, field->note}, lineBreak);
        }
    }
}

void FormModel::PutBackDefaults() {
    for (Control& control : controls_) {
        if (control.declaration == nullptr) continue;
        const double value = control.declaration->defaultValue;
        if (control.doubleMember != nullptr) *control.doubleMember = value;
        if (control.intMember != nullptr) *control.intMember = static_cast<int>(value);
    }
}

Control& FormModel::AddControl(ControlKind kind, std::string id, std::string label) {
    assert(byId_.count(id) == 0 && "control ids are unique within a form");
    Control& added = controls_.emplace_back();
    added.id = std::move(id);
    added.label = std::move(label);
    added.kind = kind;
    byId_[added.id] = &added;
    return added;
}

Control& FormModel::AddDouble(std::string id, std::string label, double& member, double minValue,
                              double maxValue) {
    return BindNumber(AddControl(ControlKind::DoubleField, std::move(id), std::move(label)), member,
                      minValue, maxValue);
}

Control& FormModel::AddInt(std::string id, std::string label, int& member, int minValue,
                           int maxValue) {
    return BindNumber(AddControl(ControlKind::IntField, std::move(id), std::move(label)), member,
                      minValue, maxValue);
}

Control& FormModel::AddCheck(std::string id, std::string label, bool& member,
                             std::function<void()> onClick) {
    Control& c = AddControl(ControlKind::CheckBox, std::move(id), std::move(label));
    c.checkMember = &member;
    c.checked = member;
    c.onClick = std::move(onClick);
    return c;
}

Control& FormModel::AddText(std::string id, std::string label, std::string& member, bool readOnly) {
    Control& c = AddControl(ControlKind::TextField, std::move(id), std::move(label));
    c.textMember = &member;
    c.text = member;
    c.readOnly = readOnly;
    return c;
}

Control& FormModel::AddButton(std::string id, std::string label, std::function<void()> onClick) {
    Control& c = AddControl(ControlKind::Button, std::move(id), std::move(label));
    c.onClick = std::move(onClick);
    return c;
}

void FormModel::AddOkCancel() {
    AddButton("ok", "OK", [this] { Ok(); });
    AddButton("cancel", "Cancel", [this] { Cancel(); });
}

void TypeKeys(FormModel& form, std::string_view id, std::string_view keys) {
    if (keys.empty()) {
        form.TypeText(id, "");
        return;
    }
    for (std::size_t n = 1; n <= keys.size(); ++n) form.TypeText(id, keys.substr(0, n));
}

}  // namespace emberlin::forms
