#include "forms/fields/field_ranges.h"

#include <array>
#include <stdexcept>
#include <string>

namespace emberlin::forms {

namespace {

// clang-format off
//   id                 min   max     integer
constexpr std::array<FieldRange, 8> kFwiCalc = {{
    {"ffmcYesterday",    0,    101,    false},
    {"dmcYesterday",     0,    500,    false},
    {"dcYesterday",      0,    1200,   false},
    {"month",            1,    12,     true},
    {"rain",             0,    60,     false},
    {"temperature",      0,    40,     false},
    {"windSpeed",        0,    100,    false},
    {"relativeHumidity", 1,    100,    false},
}};

constexpr std::array<FieldRange, 16> kFbpCalc = {{
    {"bui",              0,    650,    false},
    {"day",              1,    31,     true},
    {"ffmc",             0,    101,    false},
    {"latitude",         30,   90,     false},
    {"longitude",        -170, 170,    false},
    {"month",            1,    12,     true},
    {"slope",            0,    100,    false},
    {"elapsedTime",      0,    300,    true},
    {"windSpeed",        0,    150,    false},
    {"elevation",        0,    3000,   true},
    {"df",               0,    100,    true},
    {"gc",               0,    100,    true},
    {"pc",               0,    100,    true},
    {"aspect",           0,    360,    false},
    {"windDirection",    0,    360,    false},
    {"gfl",              0,    5,      false},
}};

// The diurnal form's FFMC is a number field that takes whole numbers only.
constexpr std::array<FieldRange, 18> kDiurnal = {{
    {"ffmc",             0,    101,    true},
    {"latitude",         30,   90,     false},
    {"longitude",        -170, 170,    false},
    {"relativeHumidity", 0,    100,    false},
    {"temperature",      0,    40,     false},
    {"windSpeed",        0,    150,    false},
    {"maxTemperature",   0,    40,     false},
    {"maxWind",          0,    150,    false},
    {"minTemperature",   0,    40,     false},
    {"minWind",          0,    150,    false},
    {"temperatureBeta",  0,    4.5,    false},
    {"temperatureGamma", -4.5, 4.5,    false},
    {"windAlpha",        -2.5, 2.5,    false},
    {"windBeta",         0,    7.5,    false},
    {"windGamma",        -4.5, 4.5,    false},
    {"temperatureAlpha", 0,    5,      false},
    {"day",              1,    31,     true},
    {"month",            1,    12,     true},
}};

constexpr std::array<FieldRange, 17> kFireByHour = {{
    {"pc",               0,    100,    true},
    {"pdf",              0,    100,    true},
    {"gc",               0,    100,    true},
    {"gfl",              0,    5,      false},
    {"bui",              0,    650,    false},
    {"windDirection",    0,    360,    false},
    {"slope",            0,    100,    false},
    {"aspect",           0,    360,    false},
    {"latitude",         30,   90,     false},
    {"longitude",        -170, 170,    false},
    {"elevation",        0,    3000,   true},
    {"month",            1,    12,     true},
    {"day",              1,    31,     true},
    {"startHour",        0,    23,     true},
    {"duration",         1,    24,     true},
    {"threshold1",       0,    50000,  false},
    {"threshold2",       0,    50000,  false},
}};
// clang-format on

}  // namespace

std::span<const FieldRange> FwiCalcRanges() { return kFwiCalc; }
std::span<const FieldRange> FbpCalcRanges() { return kFbpCalc; }
std::span<const FieldRange> DiurnalRanges() { return kDiurnal; }
std::span<const FieldRange> FireByHourRanges() { return kFireByHour; }

const FieldRange& FindRange(std::span<const FieldRange> ranges, std::string_view id) {
    for (const FieldRange& range : ranges) {
        if (range.id == id) return range;
    }
    throw std::out_of_range("no field " + std::string(id));
}

}  // namespace emberlin::forms
