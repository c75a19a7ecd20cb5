// The field-exchange layer: a form's controls, its virtual screen, storing and showing,
// and the typing, computing and closing rules every form follows.
#pragma once

#include <deque>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "forms/kit/field_declaration.h"
#include "forms/kit/form_host.h"

namespace emberlin::forms {

enum class ControlKind {
    DoubleField,  // edit box bound to a double member, range-checked
    IntField,     // edit box bound to an int member, range-checked
    CheckBox,     // check state bound to a bool member
    TextField,    // text bound to a string member (result texts are read-only ones)
    Button,       // push button: an action only
};

// One control of a form: its declaration and its state on the virtual screen.
struct Control {
    std::string id;     // member name; also the widget's objectName
    std::string label;  // the text beside it, or the button's caption
    ControlKind kind = ControlKind::Button;

    // Screen state, exactly as a user reads it.
    std::string text;
    bool checked = false;
    bool enabled = true;
    bool readOnly = false;
    bool digitsOnly = false;   // an edit that would put anything but 0-9 in it is not applied
    bool wholeNumber = false;  // a double field that takes whole numbers only
    bool result = false;       // a result the form computes (greyed while stale)
    std::string group;         // names the field where its label alone is ambiguous ("Wind Speed")
    std::string tip;           // meaning, unit and range: the tooltip and accessible description
    const FieldDeclaration* declaration = nullptr;  // an input field's declaration

    // Binding for storing and showing (null for buttons).
    double* doubleMember = nullptr;
    int* intMember = nullptr;
    bool* checkMember = nullptr;
    std::string* textMember = nullptr;
    double minValue = 0;
    double maxValue = 0;

    std::function<void()> onClick;   // buttons and check boxes
    std::function<void()> onEdited;  // after a text change (default: the typing pass)

    bool IsEdit() const {
        return kind == ControlKind::DoubleField || kind == ControlKind::IntField ||
               kind == ControlKind::TextField;
    }
};

// Why storing stopped at a field.
struct Refusal {
    std::string controlId;
    std::string message;
};

// One value handed over by another form, after this form's conversion, and the id of the
// field it fills.
struct TakenValue {
    TakenValue(std::string_view fieldId, double taken) : id(fieldId), value(taken) {}
    TakenValue(std::string_view fieldId, int taken) : id(fieldId), value(taken) {}
    std::string_view id;
    double value;
};

// Check boxes that act as exclusive options (a fuel type, the ignition, a method), known
// by one name where a form's inputs are saved and read back; each choice has a name and the
// box that shows it.
struct OptionChoice {
    std::string name;
    std::string boxId;
};
struct OptionGroup {
    std::string name;
    std::string label;  // as a person names the choice ("Fuel type")
    std::vector<OptionChoice> choices;
    std::function<void(std::size_t)> select;  // puts choice i in place, computing nothing
};

// A value read back into an input field, or a choice into an option group, after it has been
// checked with the field's own rules.
struct RestoredValue {
    std::string id;
    double value;  // an int field's value is a whole number within its range
};
struct RestoredChoice {
    std::string group;
    std::size_t choice;
};

// A label as a message names it: runs of blanks closed up, no blanks at the ends.
std::string SimplifiedLabel(std::string_view label);

// A field as messages name it: its simplified label, after its group where it has one
// ("Wind Speed Maximum").
std::string FieldName(const Control& control);

// The standard messages of field checking.
std::string NotANumberMessage(ControlKind kind);
std::string OutOfRangeMessage(ControlKind kind, double minValue, double maxValue);
std::string DecimalPointMessage(std::string_view typed);
std::string WholeNumberMessage(double minValue, double maxValue);
std::string DayOfMonthMessage(int month);
// Why a number field's text that does not parse is refused: a number too large for its type
// is out of range, a decimal comma is named as such, anything else is not a number.
std::string UnparsedMessage(const Control& control);
// A refusal as a modal box words it: the field's name, then the message.
std::string NamedRefusal(const Control& control, std::string_view message);

// What a field means, for its tooltip: the meaning (with its unit) and a note on special
// values; the range of an input is added from the field itself.
struct FieldTip {
    std::string_view id;
    std::string_view meaning;
    std::string_view note = {};
};
// "Meaning.\nA number from 0 to 101.\nNote" (inputs) or "Meaning." (results); `lineBreak`
// stands between the sentences (" " puts them on one line).
std::string TipText(const Control& control, const FieldTip& tip, std::string_view lineBreak = "\n");

// The inputs a form's results on screen were computed from: each input field's held value
// (InputFields order) and each option group's choice (OptionGroups order).
struct ResultInputs {
    std::vector<double> values;
    std::vector<std::optional<std::size_t>> choices;
};

class FormModel {
  public:
    // `fields` declares the form's input fields (AddField).
    explicit FormModel(std::string title, std::span<const FieldDeclaration> fields = {});
    virtual ~FormModel() = default;
    FormModel(const FormModel&) = delete;
    FormModel& operator=(const FormModel&) = delete;

    const std::string& Title() const { return title_; }

    // The window this form talks to; a NullHost until one is attached.
    void AttachHost(FormHost& host) { host_ = &host; }
    void DetachHost() { host_ = &nullHost_; }
    FormHost& Host() { return *host_; }

    // --- What a user does -------------------------------------------------------------
    // Opening the form shows every held value in its canonical text.
    virtual void Open();
    // The whole new text of an edit box after a keystroke, paste or deletion. Returns
    // false when the edit is not applied (read-only, disabled, digits-only filter).
    bool TypeText(std::string_view id, std::string_view text);
    // A click on a button or check box (a check box toggles first, as on screen).
    void Click(std::string_view id);

    // --- What a user reads ------------------------------------------------------------
    const Control& GetControl(std::string_view id) const;
    bool HasControl(std::string_view id) const;
    const std::string& Text(std::string_view id) const { return GetControl(id).text; }
    bool IsChecked(std::string_view id) const { return GetControl(id).checked; }
    // Every control in declaration order (which is the storing order of the fields).
    std::vector<const Control*> Controls() const;
    // The typing warning now shown, if any.
    const std::optional<Refusal>& TypingWarning() const { return warning_; }
    // Whether the results on screen belong to earlier inputs: from the first change of an
    // input after a calculation (or a refused one) until the next successful calculation;
    // also while a value another form handed over for them has been replaced since.
    bool ResultsStale() const { return hasResults_ && (stale_ || !ChangedSource().empty()); }
    // Whether this form's own inputs have changed under the results on screen.
    bool InputsChangedSinceResults() const { return hasResults_ && stale_; }
    // What another form handed over for the results on screen and has replaced since, as the
    // stale line names it ("hourly weather of the Diurnal Weather Calculator"); "" when
    // nothing has been, or the form takes nothing that way.
    virtual std::string ChangedSource() const { return {}; }
    // The line said while the results are stale, naming the form's own calculate button;
    // "" while they are current.
    std::string StaleNote() const;
    // Counts the results shown: one more for each calculation (a view drawn from them, such
    // as the fire shape, redraws when it changes).
    unsigned ResultsCount() const { return resultsCount_; }
    // Whether the form shows results (those of its first display count).
    bool HasResults() const { return hasResults_; }
    // The inputs of the results on screen, taken when they were shown; none without results.
    const std::optional<ResultInputs>& InputsOfResults() const { return resultInputs_; }
    // Whether the form shows results calculated in this run (closing the program loses them).
    bool HoldsComputedResults() const { return hasResults_ && computed_; }

    // --- The inputs as a whole (saving and reading back a scenario) ----------------------
    // The fields a user types into (number fields that are not read-only), in storing order.
    std::vector<const Control*> InputFields() const;
    const std::vector<OptionGroup>& OptionGroups() const { return optionGroups_; }
    // The choice a group shows now (its first box that is on); none when no box is on.
    std::optional<std::size_t> ChosenOption(const OptionGroup& group) const;
    // Writes checked values into their fields' members and puts the choices in place, then
    // shows the form; nothing is computed and no message is raised.
    void Restore(const std::vector<RestoredValue>& values,
                 const std::vector<RestoredChoice>& choices);

    // --- The rules, for forms and their tests -------------------------------------------
    // Reads the screen into the members in storing order; stops at the first refusal.
    std::optional<Refusal> Store();
    // Writes every member back to the screen in its canonical text.
    void Show();

  protected:
    // The input field `id` of the form's declarations, bound to `member`, which takes the
    // value the form opens with. Throws std::logic_error for a member of another kind.
    Control& AddField(std::string_view id, double& member);
    Control& AddField(std::string_view id, int& member);
    // Every declared field's member back to its default; the screen is not shown.
    void PutBackDefaults();
    // The declared fields' tooltips again, their sentences joined by `lineBreak`.
    void ApplyFieldTips(std::string_view lineBreak);
    Control& AddDouble(std::string id, std::string label, double& member, double minValue,
                       double maxValue);
    Control& AddInt(std::string id, std::string label, int& member, int minValue, int maxValue);
    Control& AddCheck(std::string id, std::string label, bool& member,
                      std::function<void()> onClick = {});
    Control& AddText(std::string id, std::string label, std::string& member, bool readOnly = true);
    Control& AddButton(std::string id, std::string label, std::function<void()> onClick);
    // The "ok" and "cancel" buttons, which close the form by Ok() and Cancel().
    void AddOkCancel();
    Control& MutableControl(std::string_view id);
    // Gives each listed field its tooltip text (TipText).
    void ApplyTips(std::span<const FieldTip> tips, std::string_view lineBreak = "\n");
    // A read-only text field that shows a result (greyed while stale), `meaning` its tip.
    Control& AddResultText(std::string_view id, std::string_view label, std::string_view meaning,
                           std::string& member);
    // Marks fields as the form's results (greyed while stale), with the tip they share, if any.
    void MarkResults(const std::vector<std::string>& ids, std::string_view sharedTip = {});

    // A successful calculation: the results on screen now match the inputs. `computed` is
    // false for the results a form shows before any calculation of the run.
    void ResultsShown(bool computed = true);
    // The results were emptied: nothing on screen can be stale.
    void ResultsCleared() {
        hasResults_ = false;
        resultInputs_.reset();
    }
    // The inputs changed (typed, chosen, defaulted or taken over) under shown results.
    void InputsChanged() { stale_ = true; }
    void AddOptionGroup(OptionGroup group) { optionGroups_.push_back(std::move(group)); }

    // Typing: on a text change, store and warn beside the refused field; never rewrite a
    // box, move the focus or select text.
    void StoreWhileTyping();
    // Computing and closing: store the whole form; on a refusal show the field's message
    // modally, focus the field with its text selected and return false.
    bool StoreForAction();
    // After a successful store: whether the day field's day exists in the month field's
    // month (31 April does not; 29 February does). When not, the day field is refused as
    // a computing operation refuses a field and false is returned.
    bool CheckDayOfMonth(std::string_view monthId, std::string_view dayId);
    // A field refused by a form's own check after storing: the message names it, the field
    // is focused with its text selected, and the results on screen go stale.
    void RefuseField(std::string_view id, std::string_view message);
    // OK/EXIT: store and close when valid. Cancel: close without storing.
    void Ok();
    void Cancel();
    // Shows a program message (modal) through the host.
    void Message(std::string_view text) { host_->ShowMessage(text); }
    // Sets the screen state of a check box (handlers keep option groups exclusive).
    void SetChecked(std::string_view id, bool checked);
    // Taking values over from another form (`source`, as the message names it): stores the
    // form as a computing operation does (a refusal takes nothing), then checks every value
    // against its field's range. When one lies outside, a message names that field and
    // nothing is taken; otherwise each value is written to its field's member (the caller
    // shows them). Returns whether the values were taken.
    bool TakeOver(std::string_view source, std::initializer_list<TakenValue> values);

  private:
    void SetWarning(std::optional<Refusal> refusal);
    std::optional<Refusal> StoreControl(Control& control);

    Control& Declared(const FieldDeclaration& field, Control& control);
    // A control of `kind` after the others: its id unique within the form.
    Control& AddControl(ControlKind kind, std::string id, std::string label);

    std::string title_;
    std::span<const FieldDeclaration> fields_;
    std::deque<Control> controls_;  // stable addresses; declaration order
    std::unordered_map<std::string, Control*> byId_;
    std::vector<OptionGroup> optionGroups_;
    std::optional<Refusal> warning_;
    bool hasResults_ = false;
    bool stale_ = false;
    bool computed_ = false;
    unsigned resultsCount_ = 0;
    std::optional<ResultInputs> resultInputs_;
    NullHost nullHost_;
    FormHost* host_ = &nullHost_;
};

// A user selecting a box's text and typing `keys` one at a time: the box holds each
// prefix in turn ("0", "0.", "0.5"). Typing "" clears the box.
void TypeKeys(FormModel& form, std::string_view id, std::string_view keys);

}  // namespace emberlin::forms
