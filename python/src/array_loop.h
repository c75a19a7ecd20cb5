// Arguments broadcast together and walked cell by cell with the interpreter lock released: the
// loop under every array function of the module, with its missing values and refusals.
#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <cmath>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "batch/fields.h"

namespace emberlin::python {

namespace py = pybind11;

using Shape = std::vector<py::ssize_t>;
using DoubleArray = py::array_t<double, py::array::forcecast>;

// What to do with a value outside its argument's range.
enum class OnRefusal { Raise, Nan };

// "raise" or "nan"; anything else is a ValueError.
OnRefusal ReadErrors(std::string_view errors);

// One argument of an array function: its values as float64 (ints converted), the rule its
// values must meet, and the first refused value found in it.
class Argument {
  public:
    Argument(std::string name, const py::handle& values, batch::ValueRule rule);
    // An argument whose values were made by the module (fuel indices from codes).
    Argument(std::string name, DoubleArray values, batch::ValueRule rule);

    const std::string& Name() const { return name_; }
    Shape OwnShape() const;
    const batch::ValueRule& Rule() const { return rule_; }

    // Lines the argument up with `loopShape` (which its own shape broadcasts to): after this,
    // Step(d) is the byte step along loop dimension d, 0 where the argument is broadcast.
    void Align(const Shape& loopShape);
    // Adds a loop dimension at `d` along which the argument takes no step.
    void InsertLoopDimension(std::size_t d) {
        steps_.insert(steps_.begin() + static_cast<std::ptrdiff_t>(d), 0);
    }
    const char* Data() const { return data_; }
    py::ssize_t Step(std::size_t loopDimension) const { return steps_[loopDimension]; }
    static double At(const char* data) { return *reinterpret_cast<const double*>(data); }

    // Records a refused value at a loop index whose last dimensions are the argument's own
    // (its broadcast copies included); the one first in the argument's own order is kept.
    void Refuse(std::span<const py::ssize_t> loopIndex, double value);
    bool Refused() const { return !refusedAt_.empty() || refusedScalar_; }
    // "rh: 120 is outside 1 to 100 at index (3, 4)"; `what` replaces the rule's wording.
    std::string RefusalText(const std::string& what = "") const;
    const Shape& RefusedIndex() const { return refusedAt_; }
    double RefusedValue() const { return refusedValue_; }

  private:
    std::string name_;
    DoubleArray values_;
    batch::ValueRule rule_;
    const char* data_ = nullptr;
    std::vector<py::ssize_t> steps_;
    Shape refusedAt_;
    bool refusedScalar_ = false;
    double refusedValue_ = 0;
};

// Whether a value can be computed with, is missing (NaN), or breaks its rule.
enum class Verdict { Good, Missing, Refused };

inline Verdict Judge(double value, const batch::ValueRule& rule) {
    if (std::isnan(value)) return Verdict::Missing;
    if (rule.integer && value != std::trunc(value)) return Verdict::Refused;
    if (value < rule.min || value > rule.max) return Verdict::Refused;
    return Verdict::Good;
}

// The shape the arguments broadcast to (numpy's rules), or a ValueError naming their shapes.
Shape BroadcastShape(std::span<Argument* const> arguments, const Shape& start = {});

// A new C-ordered float64 array per output name, all of `shape`.
class Outputs {
  public:
    Outputs(std::span<const std::string_view> names, const Shape& shape);
    double* Column(std::size_t output) { return columns_[output]; }
    std::size_t Count() const { return columns_.size(); }
    void SetNan(py::ssize_t cell) {
        for (double* column : columns_) column[cell] = std::nan("");
    }
    // The dict returned to Python: name -> array.
    py::dict Dict() const;

  private:
    std::vector<std::string_view> names_;
    std::vector<py::array_t<double>> arrays_;
    std::vector<double*> columns_;
};

// Raises the ValueError of the first argument (in argument order) holding a refused value.
void RaiseFirstRefusal(std::span<Argument* const> arguments);

// Calls compute(values, cell) for every cell of `shape` in C order, values holding each
// argument's value there, when every value is good; otherwise missing(cell) (a NaN, or a
// refused value under OnRefusal::Nan). Refused values are recorded in their arguments.
template <typename Compute, typename Missing>
void ForEachCell(const Shape& shape, std::span<Argument* const> arguments, Compute&& compute,
                 Missing&& missing) {
    const std::size_t dims = shape.size();
    py::ssize_t cells = 1;
    for (py::ssize_t extent : shape) cells *= extent;
    if (cells == 0) return;
    const std::size_t count = arguments.size();
    std::vector<const char*> at(count);
    std::vector<py::ssize_t> innerStep(count, 0);
    for (std::size_t k = 0; k < count; ++k) {
        at[k] = arguments[k]->Data();
        if (dims > 0) innerStep[k] = arguments[k]->Step(dims - 1);
    }
    const py::ssize_t inner = dims > 0 ? shape[dims - 1] : 1;
    Shape index(dims, 0);
    std::vector<double> values(count);
    py::ssize_t cell = 0;
    for (;;) {
        for (py::ssize_t j = 0; j < inner; ++j, ++cell) {
            bool good = true;
            for (std::size_t k = 0; k < count; ++k) {
                const double value = Argument::At(at[k] + j * innerStep[k]);
                values[k] = value;
                const Verdict verdict = Judge(value, arguments[k]->Rule());
                if (verdict == Verdict::Good) continue;
                good = false;
                if (verdict == Verdict::Refused) {
                    if (dims > 0) index[dims - 1] = j;
                    arguments[k]->Refuse(index, value);
                }
            }
            if (good) {
                compute(values.data(), cell);
            } else {
                missing(cell);
            }
        }
        // The next row of the innermost dimension, odometer-wise.
        std::size_t d = dims > 1 ? dims - 1 : 0;
        for (; d > 0; --d) {
            const std::size_t dim = d - 1;
            ++index[dim];
            for (std::size_t k = 0; k < count; ++k) at[k] += arguments[k]->Step(dim);
            if (index[dim] < shape[dim]) break;
            for (std::size_t k = 0; k < count; ++k) at[k] -= arguments[k]->Step(dim) * shape[dim];
            index[dim] = 0;
        }
        if (d == 0) break;
    }
}

}  // namespace emberlin::python
