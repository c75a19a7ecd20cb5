#include "forms/fields/calculator_defaults.h"

#include <string>

#include "common/calendar.h"
#include "fire/engine_inputs.h"

namespace emberlin::forms {

FbpInputs CalculatorDefaults(std::string_view fuelType) {
    const FbpSettings settings;
    FbpInputs in =
        EngineInputs(settings, DayOfYear(settings.month, settings.day).value_or(settings.day));
    in.fuelType = std::string(fuelType);
    return in;
}

}  // namespace emberlin::forms
