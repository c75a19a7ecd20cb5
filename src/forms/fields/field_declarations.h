// The input fields of every calculator, one table per form in storing order: what the form
// models, the batch commands, the exports, the tooltips and the scenario files all read.
#pragma once

#include <span>

#include "forms/kit/field_declaration.h"

namespace emberlin::forms {

std::span<const FieldDeclaration> FwiCalcFields();
std::span<const FieldDeclaration> FbpCalcFields();
std::span<const FieldDeclaration> DiurnalFields();
std::span<const FieldDeclaration> DetectionFields();
std::span<const FieldDeclaration> FuelProjectionFields();
std::span<const FieldDeclaration> FireByHourFields();
std::span<const FieldDeclaration> HourlyFwiFields();

}  // namespace emberlin::forms
