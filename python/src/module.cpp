// The compiled part of the emberlin package: the engines as numpy array functions.
#include <pybind11/pybind11.h>

#include "functions.h"

PYBIND11_MODULE(_emberlin, module) {
    module.doc() =
        "The EMBERLIN engines as numpy array functions (see the emberlin package for the "
        "guide).";
    // Each docstring opens with its own signature, in Python's words rather than C++ types.
    pybind11::options options;
    options.disable_function_signatures();
    emberlin::python::AddFwiFunctions(module);
    emberlin::python::AddFbpFunctions(module);
    emberlin::python::AddFwi2025Functions(module);
}
