// What the boxes, buttons and results of the calculators mean: their tooltips and accessible
// descriptions (the input fields' tips are declared with the fields).
#pragma once

#include <span>
#include <string_view>

#include "forms/kit/form_model.h"

namespace emberlin::forms {

// One row per control: meaning with unit, and a note on what a special value stands for.
std::span<const FieldTip> FwiCalcTips();
std::span<const FieldTip> FbpCalcTips();
std::span<const FieldTip> DiurnalTips();
std::span<const FieldTip> DetectionTips();
std::span<const FieldTip> FuelProjectionTips();
std::span<const FieldTip> HourlyFwiTips();

// The rows of the result tables, which all read alike within a table.
std::string_view DiurnalLineTip();
std::string_view DetectionRowTip();
std::string_view ProjectionRowTip();

}  // namespace emberlin::forms
