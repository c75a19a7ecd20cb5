// What every field of the calculators means: its tooltip and accessible description.
#pragma once

#include <span>
#include <string_view>

#include "forms/kit/form_model.h"

namespace emberlin::forms {

// One row per field: meaning with unit, and a note on what a special value stands for.
// The range of an input is added from the field itself (TipText).
std::span<const FieldTip> FwiCalcTips();
std::span<const FieldTip> FbpCalcTips();
std::span<const FieldTip> DiurnalTips();
std::span<const FieldTip> DetectionTips();
std::span<const FieldTip> FuelProjectionTips();
std::span<const FieldTip> FireByHourTips();
std::span<const FieldTip> HourlyFwiTips();

// The rows of the result tables, which all read alike within a table.
std::string_view DiurnalLineTip();
std::string_view DetectionRowTip();
std::string_view ProjectionRowTip();

}  // namespace emberlin::forms
