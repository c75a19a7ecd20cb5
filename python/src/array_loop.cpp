#include "array_loop.h"

#include <algorithm>

namespace emberlin::python {

namespace {

std::string ShapeText(const Shape& shape) {
    std::string text = "(";
    for (std::size_t d = 0; d < shape.size(); ++d) {
        text += std::to_string(shape[d]);
        text += d + 1 < shape.size() || shape.size() == 1 ? "," : "";
        if (d + 1 < shape.size()) text += " ";
    }
    return text + ")";
}

}  // namespace

OnRefusal ReadErrors(std::string_view errors) {
    if (errors == "raise") return OnRefusal::Raise;
    if (errors == "nan") return OnRefusal::Nan;
    throw py::value_error("errors: \"" + std::string(errors) +
                          "\" is neither \"raise\" nor \"nan\"");
}

Argument::Argument(std::string name, const py::handle& values, batch::ValueRule rule)
    : name_(std::move(name)), rule_(rule) {
    if (values.is_none() || py::isinstance<py::str>(values) || py::isinstance<py::bytes>(values)) {
        throw py::type_error(name_ + ": numbers expected, not " +
                             std::string(py::str(py::type::of(values).attr("__name__"))));
    }
    try {
        values_ = DoubleArray::ensure(values);
    } catch (const py::error_already_set&) {
        values_ = DoubleArray();
    }
    if (!values_) throw py::type_error(name_ + ": numbers expected");
}

Argument::Argument(std::string name, DoubleArray values, batch::ValueRule rule)
    : name_(std::move(name)), values_(std::move(values)), rule_(rule) {}

Shape Argument::OwnShape() const {
    return Shape(values_.shape(), values_.shape() + values_.ndim());
}

void Argument::Align(const Shape& loopShape) {
    const std::size_t own = static_cast<std::size_t>(values_.ndim());
    const std::size_t lead = loopShape.size() - own;
    steps_.assign(loopShape.size(), 0);
    for (std::size_t d = 0; d < own; ++d) {
        if (values_.shape(static_cast<py::ssize_t>(d)) != 1) {
            steps_[lead + d] = values_.strides(static_cast<py::ssize_t>(d));
        }
    }
    data_ = reinterpret_cast<const char*>(values_.data());
}

void Argument::Refuse(std::span<const py::ssize_t> loopIndex, double value) {
    const std::size_t own = static_cast<std::size_t>(values_.ndim());
    if (own == 0) {
        if (!refusedScalar_) refusedValue_ = value;
        refusedScalar_ = true;
        return;
    }
    Shape at(own);
    const std::size_t lead = loopIndex.size() - own;
    for (std::size_t d = 0; d < own; ++d) {
        at[d] = values_.shape(static_cast<py::ssize_t>(d)) == 1 ? 0 : loopIndex[lead + d];
    }
    if (refusedAt_.empty() || at < refusedAt_) {
        refusedAt_ = at;
        refusedValue_ = value;
    }
}

std::string Argument::RefusalText(const std::string& what) const {
    std::string text = name_ + ": ";
    if (!what.empty()) {
        text += what;
    } else {
        const std::string value = batch::BoundText(refusedValue_);
        if (rule_.integer && refusedValue_ != std::trunc(refusedValue_) &&
            std::isfinite(refusedValue_)) {
            text += value + " is not a whole number";
        } else {
            text += value + " is outside " + batch::BoundText(rule_.min) + " to " +
                    batch::BoundText(rule_.max);
        }
    }
    if (!refusedAt_.empty()) text += " at index " + ShapeText(refusedAt_);
    return text;
}

Shape BroadcastShape(std::span<Argument* const> arguments, const Shape& start) {
    Shape shape = start;
    for (const Argument* argument : arguments) {
        const Shape own = argument->OwnShape();
        if (own.size() > shape.size()) shape.insert(shape.begin(), own.size() - shape.size(), 1);
        const std::size_t lead = shape.size() - own.size();
        for (std::size_t d = 0; d < own.size(); ++d) {
            py::ssize_t& extent = shape[lead + d];
            if (own[d] == extent || own[d] == 1) continue;
            if (extent == 1) {
                extent = own[d];
                continue;
            }
            std::string shapes;
            for (const Argument* each : arguments) {
                shapes +=
                    (shapes.empty() ? "" : ", ") + each->Name() + " " + ShapeText(each->OwnShape());
            }
            throw py::value_error("the arguments do not broadcast together: " + shapes);
        }
    }
    return shape;
}

Outputs::Outputs(std::span<const std::string_view> names, const Shape& shape)
    : names_(names.begin(), names.end()) {
    for (std::size_t i = 0; i < names_.size(); ++i) {
        arrays_.emplace_back(shape);
        columns_.push_back(arrays_.back().mutable_data());
    }
}

py::dict Outputs::Dict() const {
    py::dict dict;
    for (std::size_t i = 0; i < names_.size(); ++i) dict[py::str(names_[i])] = arrays_[i];
    return dict;
}

void RaiseFirstRefusal(std::span<Argument* const> arguments) {
    for (const Argument* argument : arguments) {
        if (argument->Refused()) throw py::value_error(argument->RefusalText());
    }
}

}  // namespace emberlin::python
