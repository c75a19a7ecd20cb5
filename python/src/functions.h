// The array functions of the module, added by engine family; each family lives in its own
// file with its own Add function, called from the module's definition.
#pragma once

#include <pybind11/pybind11.h>

namespace emberlin::python {

// fwi_day, fwi_season: the daily FWI System.
void AddFwiFunctions(pybind11::module_& module);
// fbp and FIRE_TYPES: the FBP System.
void AddFbpFunctions(pybind11::module_& module);
// fwi2025, fwi2025_daily: the hourly FWI System along a time axis.
void AddFwi2025Functions(pybind11::module_& module);

}  // namespace emberlin::python
