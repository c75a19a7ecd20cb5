#include "batch/form_ranges.h"

#include "forms/diurnal_form.h"
#include "forms/fbp_calc_form.h"
#include "forms/fire_by_hour_form.h"
#include "forms/fwi_calc_form.h"
#include "forms/hand_over.h"

namespace emberlin::batch {

namespace {

ValueRule RuleOf(const forms::FormModel& form, std::string_view fieldId) {
    const forms::Control& control = form.GetControl(fieldId);
    return {control.minValue, control.maxValue, control.kind == forms::ControlKind::IntField};
}

// One instance of each form for the whole run; only their declarations are read.
template <typename Form>
const Form& FormInstance() {
    static forms::HandOver shared;
    static const Form form(shared);
    return form;
}

}  // namespace

ValueRule FwiFormRange(std::string_view fieldId) {
    return RuleOf(FormInstance<forms::FwiCalcForm>(), fieldId);
}

ValueRule FbpFormRange(std::string_view fieldId) {
    return RuleOf(FormInstance<forms::FbpCalcForm>(), fieldId);
}

ValueRule DiurnalFormRange(std::string_view fieldId) {
    return RuleOf(FormInstance<forms::DiurnalForm>(), fieldId);
}

ValueRule FireByHourFormRange(std::string_view fieldId) {
    return RuleOf(FormInstance<forms::FireByHourForm>(), fieldId);
}

}  // namespace emberlin::batch
