// The FWI and FBP calculators' results, one declaration per output field: the form writes its
// texts from it, the window lays the fields out in its order and the exports head and fill
// their columns from it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "fbp/fbp_records.h"
#include "fwi/fwi_index.h"

namespace emberlin::forms {

// Today's seven codes and indices of the FWI calculator, shown as whole numbers or with two
// decimals as the user chooses.
struct FwiResultColumn {
    std::string_view id;       // control id
    std::string_view label;    // the text over the field, exactly as on screen
    std::string_view heading;  // how the exports head the column
    double FwiCodes::*code;
    std::string_view tip;  // meaning
};

inline constexpr std::size_t kFwiResultCount = 7;
const std::array<FwiResultColumn, kFwiResultCount>& FwiCalcResults();

enum class ResultFormat {
    TwoDecimals,  // "%.2f"
    Whole,        // "%d" of the value rounded half up
    Description,  // the fire description of the crown fraction burned: words, no number
    SpreadRatio,  // two decimals, 0 for a fire that does not spread (it draws no ellipse)
};

struct FbpResultColumn {
    std::string_view id;       // control id
    std::string_view label;    // the text beside the field, exactly as on screen
    std::string_view heading;  // how the exports head the column
    std::string_view unit;     // the heading's unit; empty where the value has none
    ResultFormat format;
    double FbpOutputs::*output;  // the engine output the field shows
    std::string_view tip;        // meaning and unit
};

inline constexpr std::size_t kFbpResultCount = 17;
const std::array<FbpResultColumn, kFbpResultCount>& FbpCalcResults();

// The number a field shows for `out` (none for words) and its text on screen.
std::optional<double> ResultValue(const FbpResultColumn& column, const FbpOutputs& out);
std::string ResultText(const FbpResultColumn& column, const FbpOutputs& out);

}  // namespace emberlin::forms
