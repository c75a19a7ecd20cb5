// The range and whole-number rule of every number field of the calculators whose inputs the
// batch commands also read, by control id: a batch run accepts exactly what the window does.
#pragma once

#include <span>
#include <string_view>

namespace emberlin::forms {

struct FieldRange {
    std::string_view id;  // the field's control id
    double min;
    double max;
    bool integer;  // an integer field, or a number field that takes whole numbers only
};

std::span<const FieldRange> FwiCalcRanges();
std::span<const FieldRange> FbpCalcRanges();
std::span<const FieldRange> DiurnalRanges();
std::span<const FieldRange> FireByHourRanges();

// The row of `id`. Throws std::out_of_range for an id the table does not have.
const FieldRange& FindRange(std::span<const FieldRange> ranges, std::string_view id);

}  // namespace emberlin::forms
