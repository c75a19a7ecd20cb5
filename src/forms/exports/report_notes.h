// What a printed report says about how its results were computed, for each calculator.
#pragma once

#include <string>

#include "forms/models/detection_form.h"
#include "forms/models/diurnal_form.h"
#include "forms/models/fbp_calc_form.h"
#include "forms/models/fire_by_hour_form.h"
#include "forms/models/fuel_projection_form.h"
#include "forms/models/fwi_calc_form.h"

namespace emberlin::forms {

std::string HowComputed(const FwiCalcForm& form);
std::string HowComputed(const FbpCalcForm& form);
std::string HowComputed(const DiurnalForm& form);
std::string HowComputed(const DetectionForm& form);
std::string HowComputed(const FuelProjectionForm& form);
std::string HowComputed(const FireByHourForm& form);

}  // namespace emberlin::forms
