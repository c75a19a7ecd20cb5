// The compiled part of the emberlin package: the engines as numpy array functions.
#include <pybind11/pybind11.h>

#include "functions.h"

PYBIND11_MODULE(_emberlin, module) {
    module.doc() =
        "The EMBERLIN engines as numpy array functions (see the emberlin package for the "
        "guide).";
    emberlin::python::AddFwiFunctions(module);
    emberlin::python::AddFbpFunctions(module);
}
