#include "forms/exports/report_notes.h"

namespace emberlin::forms {

namespace {

constexpr const char* kFwiSystem =
    "The codes and indices follow the daily Canadian Forest Fire Weather Index System with its "
    "standard constants and day-length factors, from yesterday's codes and today's noon "
    "weather.";

constexpr const char* kFbpSystem =
    "Fire behaviour follows the Fire Behavior Prediction System's 1992 equations, with the "
    "published corrections this program makes: the mixedwood slope-equivalent spread index is "
    "worked out for the conifer and deciduous parts separately and blended by the percent "
    "conifer (inverting the blended rate would divide by zero for pure deciduous stands); the "
    "inverted spread equation is held at its floor on steep slopes so the equivalent wind "
    "stays finite; a fuel that barely spreads without wind gets no slope-equivalent wind, and "
    "that wind is never below 0. Foliar moisture is computed by the system from the latitude, "
    "longitude, elevation and date (no value is given). Grass curing of 0 % means the default "
    "of 95 % for the grass fuel types; grass 50 % cured or less does not carry fire.";

std::string FbpNote(IgnitionType ignition, int elapsed, bool rowsElapse) {
    std::string note = kFbpSystem;
    note += ignition == IgnitionType::Point
                ? " A point ignition builds up to its equilibrium rate of spread"
                : " A line ignition spreads at its equilibrium rate from the start";
    if (rowsElapse) {
        note += "; each row's elapsed time is its own.";
    } else {
        note += "; spread distances, area and perimeter are those after " +
                std::to_string(elapsed) + " minutes.";
    }
    note +=
        " ROS, FROS, BROS and PGR are the rates at equilibrium; HFI, CFB, TFC, the fire "
        "description and the distances are at the elapsed time (at 0 minutes nothing has "
        "burned yet).";
    return note;
}

}  // namespace

std::string HowComputed(const FwiCalcForm& form) {
    return std::string(kFwiSystem) + (form.Format() == OutputFormat::Integer
                                          ? " Results are shown rounded to whole numbers."
                                          : " Results are shown with two decimals.");
}

std::string HowComputed(const FbpCalcForm& form) {
    return FbpNote(form.Ignition(), form.Settings().elapsedTime, false);
}

std::string HowComputed(const DiurnalForm& form) {
    return std::string(
               "The hourly temperature, relative humidity and wind speed follow a diurnal model "
               "fitted to the noon observation and the day's typical minimum and maximum, with "
               "the curve parameters shown, and sunrise and sunset from the latitude, longitude "
               "and date. ") +
           (form.Method() == FfmcMethod::Equilibrium
                ? "The hourly FFMC was computed by the equilibrium method: each hour's fine "
                  "fuel moisture is taken as at equilibrium with that hour's weather."
                : "The hourly FFMC was computed by the Van Wagner method: the hourly fine fuel "
                  "moisture steps from the noon FFMC through each hour's drying or wetting.");
}

std::string HowComputed(const DetectionForm& form) {
    return std::string(
               "The FFMC and wind speed of each row are those of its clock hour from "
               "the diurnal weather calculator. ") +
           FbpNote(form.Ignition(), 0, true) +
           " The first row starts from the ignition chosen; later rows take a line ignition. "
           "The probability of containment (C2 only) comes from a logistic model of area and "
           "head fire intensity.";
}

std::string HowComputed(const FuelProjectionForm& form) {
    return FbpNote(form.Ignition(), *form.GetControl("elapsedTime").intMember, false) +
           " Every fuel type is run with the same weather, site and elapsed time.";
}

std::string HowComputed(const FireByHourForm& form) {
    return "Each hour takes its FFMC and wind speed from the diurnal weather calculator and is "
           "run for 60 minutes. " +
           FbpNote(form.Ignition(), 60, true) +
           " Area and perimeter are those of one fire growing from the start hour through the "
           "hours of its duration.";
}

}  // namespace emberlin::forms
