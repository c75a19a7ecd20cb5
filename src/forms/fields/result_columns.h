// The FWI, FBP and Fire Behaviour by Hour calculators' results, one declaration per output
// field: the form writes its texts from it, the window lays the fields out in its order and the
// exports head and fill their columns from it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "fbp/fbp_records.h"
#include "fire/fire_by_hour.h"
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
    OneDecimal,   // "%.1f"
    Clock,        // the clock hour as "h:00", two digits to the hour
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

// "13:00": the clock hour h:00.
std::string HourLabel(int hour);

// The Fire Behaviour by Hour grid's columns, in their order.
enum class HourColumn {
    Hour,
    Ffmc,
    Wind,
    Isi,
    Ros,
    Hfi,
    Cfb,
    FireType,
    IntensityClass,
    Area,
    Perimeter,
};
inline constexpr int kHourColumnCount = 11;

struct HourResultColumn {
    std::string_view id;       // the batch command's column name
    std::string_view heading;  // how the grid and the exports head the column
    std::string_view unit;     // the heading's unit; empty where the value has none
    ResultFormat format;
    int width;  // characters in the fixed-width row text; words are left-aligned, numbers right
    // The hour's value (the fire's crown fraction burned for its description); none for the
    // area and perimeter of a fire that does not grow.
    std::optional<double> (*value)(const HourBehaviour& hour);
};

const std::array<HourResultColumn, kHourColumnCount>& FireByHourColumns();
const HourResultColumn& FireByHourColumn(HourColumn column);
// The text of a value in `format`: what the grid, the row texts and the FBP fields show.
std::string FormattedResult(ResultFormat format, double value);

}  // namespace emberlin::forms
