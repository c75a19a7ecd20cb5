// How closely a computed value must match a published figure.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>

namespace emberlin::testing_support {

// Half a unit of the last printed digit of `text`; an integer's trailing zeros beyond three
// significant digits are not printed digits.
inline double Tolerance(const std::string& text) {
    const auto point = text.find('.');
    if (point != std::string::npos) return 0.5 * std::pow(10.0, -double(text.size() - point - 1));
    const auto significant = std::max<std::size_t>(3, text.find_last_not_of('0') + 1);
    return 0.5 * std::pow(10.0, double(text.size() - std::min(significant, text.size())));
}

}  // namespace emberlin::testing_support
