// The ranges the calculator forms check typed values against, read from the form models
// themselves, so that a batch run and the windows accept exactly the same values.
#pragma once

#include <string_view>

#include "batch/fields.h"

namespace emberlin::batch {

// The rule of a field of the FWI calculator, the FBP calculator or the diurnal weather form,
// by its control id ("relativeHumidity", "elapsedTime", ...). An integer field of the form
// gives an integer rule. Throws std::out_of_range for an id the form does not have.
ValueRule FwiFormRange(std::string_view fieldId);
ValueRule FbpFormRange(std::string_view fieldId);
ValueRule DiurnalFormRange(std::string_view fieldId);
ValueRule FireByHourFormRange(std::string_view fieldId);

}  // namespace emberlin::batch
