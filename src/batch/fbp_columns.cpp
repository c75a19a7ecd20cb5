#include "batch/fbp_columns.h"

#include "common/calendar.h"
#include "forms/fields/calculator_defaults.h"

namespace emberlin::batch {

namespace {

// Rule of a form field whose value the engine takes as a double: the form's range without
// its whole-number rule.
ValueRule Real(ValueRule rule) {
    rule.integer = false;
    return rule;
}

std::vector<FbpInputColumn> MakeColumns() {
    const ValueRule month = FbpFormRange("month");
    const ValueRule day = FbpFormRange("day");
    // Day of the year over the calculator's months and days.
    const ValueRule dayOfYear = {
        static_cast<double>(*DayOfYear(static_cast<int>(month.min), static_cast<int>(day.min))),
        static_cast<double>(*DayOfYear(static_cast<int>(month.max), static_cast<int>(day.max))),
        true};
    const ValueRule minutes = Real(FbpFormRange("elapsedTime"));
    const ValueRule hours = {minutes.min / 60, minutes.max / 60, false};
    const ValueRule flag = {0, 1, true};
    return {
        {"FFMC", FbpFormRange("ffmc"), &FbpInputs::ffmc, nullptr, 1, true},
        {"BUI", FbpFormRange("bui"), &FbpInputs::bui, nullptr, 1, true},
        {"WS", FbpFormRange("windSpeed"), &FbpInputs::windSpeed, nullptr, 1, true},
        {"WD", FbpFormRange("windDirection"), &FbpInputs::windDirection},
        {"GS", FbpFormRange("slope"), &FbpInputs::slope},
        {"Aspect", FbpFormRange("aspect"), &FbpInputs::aspect},
        {"Dj", dayOfYear, nullptr, &FbpInputs::julianDay},
        // 0 (or blank) lets the engine work the day out.
        {"D0", {0, dayOfYear.max, true}, nullptr, &FbpInputs::minFmcDay},
        {"LAT", FbpFormRange("latitude"), &FbpInputs::latitude},
        {"LONG", FbpFormRange("longitude"), &FbpInputs::longitude},
        {"ELV", FbpFormRange("elevation"), nullptr, &FbpInputs::elevation},
        {"hr", hours, &FbpInputs::elapsedTime, nullptr, 60},
        {"minutes", minutes, &FbpInputs::elapsedTime},
        {"Accel", flag, nullptr, nullptr, 1, false,
         [](FbpInputs& in, int code) { in.ignition = IgnitionFromCode(code); }},
        {"BUIEff", flag, nullptr, nullptr, 1, false,
         [](FbpInputs& in, int code) { in.buiEffect = BuiSwitchFromCode(code); }},
        {"PC", Real(FbpFormRange("pc")), &FbpInputs::pc},
        {"PDF", Real(FbpFormRange("df")), &FbpInputs::pdf},
        {"cc", Real(FbpFormRange("gc")), &FbpInputs::gc},
        {"GFL", FbpFormRange("gfl"), &FbpInputs::gfl},
        // A direction like the wind's.
        {"theta", FbpFormRange("windDirection"), &FbpInputs::theta},
    };
}

}  // namespace

const std::vector<FbpInputColumn>& FbpInputColumns() {
    static const std::vector<FbpInputColumn> columns = MakeColumns();
    return columns;
}

FbpInputs FbpBaseInputs() { return forms::CalculatorDefaults(""); }

}  // namespace emberlin::batch
