// The fbp command's input and output columns: names, checks and engine fields, shared by the
// batch command and the Python module so that both take the same inputs with the same ranges.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "batch/fields.h"
#include "fbp/fbp_records.h"

namespace emberlin::batch {

// One input column after FuelType: its name, its rule and the engine field it fills (a double,
// an int or a choice given by its code).
struct FbpInputColumn {
    std::string_view name;
    ValueRule rule;
    double FbpInputs::*real = nullptr;
    int FbpInputs::*whole = nullptr;
    double scale = 1;  // engine units per column unit
    bool required = false;
    void (*code)(FbpInputs&, int) = nullptr;  // a numeric code the engine takes as a choice

    // Puts a value that passed the rule into the engine's record.
    void Fill(FbpInputs& inputs, double value) const {
        if (real != nullptr) {
            inputs.*real = value * scale;
        } else if (whole != nullptr) {
            inputs.*whole = static_cast<int>(value);  // a checked whole number
        } else {
            code(inputs, static_cast<int>(value));
        }
    }
};

// FFMC, BUI, WS (required), then WD, GS, Aspect, Dj, D0, LAT, LONG, ELV, hr, minutes, Accel,
// BUIEff, PC, PDF, cc, GFL, theta, with the FBP calculator's ranges.
const std::vector<FbpInputColumn>& FbpInputColumns();

// The record before any column is applied: the FBP calculator's initial values (what the
// window computes before anything is typed), without a fuel type.
FbpInputs FbpBaseInputs();

struct FbpOutputColumn {
    std::string_view name;
    double FbpOutputs::*value;
};

// Every output of the engine but its four always-zero reserved slots, in the record's order.
inline constexpr std::array<FbpOutputColumn, 30> kFbpOutputColumns = {{
    {"ros", &FbpOutputs::ros},
    {"fros", &FbpOutputs::fros},
    {"bros", &FbpOutputs::bros},
    {"rosTheta", &FbpOutputs::rosTheta},
    {"rost", &FbpOutputs::rost},
    {"frost", &FbpOutputs::frost},
    {"brost", &FbpOutputs::brost},
    {"rosThetaT", &FbpOutputs::rosThetaT},
    {"cfb", &FbpOutputs::cfb},
    {"fcfb", &FbpOutputs::fcfb},
    {"bcfb", &FbpOutputs::bcfb},
    {"cfbTheta", &FbpOutputs::cfbTheta},
    {"hfi", &FbpOutputs::hfi},
    {"ffi", &FbpOutputs::ffi},
    {"bfi", &FbpOutputs::bfi},
    {"fiTheta", &FbpOutputs::fiTheta},
    {"tfc", &FbpOutputs::tfc},
    {"ftfc", &FbpOutputs::ftfc},
    {"btfc", &FbpOutputs::btfc},
    {"tfcTheta", &FbpOutputs::tfcTheta},
    {"sfc", &FbpOutputs::sfc},
    {"lb", &FbpOutputs::lb},
    {"raz", &FbpOutputs::raz},
    {"wsv", &FbpOutputs::wsv},
    {"hsd", &FbpOutputs::hsd},
    {"fsd", &FbpOutputs::fsd},
    {"bsd", &FbpOutputs::bsd},
    {"area", &FbpOutputs::area},
    {"perimeter", &FbpOutputs::perimeter},
    {"pgr", &FbpOutputs::pgr},
}};

}  // namespace emberlin::batch
