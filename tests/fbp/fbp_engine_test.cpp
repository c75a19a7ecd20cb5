// Tests of ComputeFbp: reference cases, step behaviours and a property grid.
#include "fbp/fbp_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "calculator_defaults.h"
#include "common/constants.h"
#include "common/number_text.h"
#include "common/rounding.h"

namespace emberlin {
namespace {

using Field = double FbpOutputs::*;

// clang-format off
constexpr std::array<std::pair<const char*, Field>, 34> kFields = {{
    {"ros", &FbpOutputs::ros}, {"fros", &FbpOutputs::fros}, {"bros", &FbpOutputs::bros},
    {"rosTheta", &FbpOutputs::rosTheta}, {"rost", &FbpOutputs::rost},
    {"frost", &FbpOutputs::frost}, {"brost", &FbpOutputs::brost},
    {"rosThetaT", &FbpOutputs::rosThetaT}, {"cfb", &FbpOutputs::cfb},
    {"fcfb", &FbpOutputs::fcfb}, {"bcfb", &FbpOutputs::bcfb}, {"cfbTheta", &FbpOutputs::cfbTheta},
    {"hfi", &FbpOutputs::hfi}, {"ffi", &FbpOutputs::ffi}, {"bfi", &FbpOutputs::bfi},
    {"fiTheta", &FbpOutputs::fiTheta}, {"tfc", &FbpOutputs::tfc}, {"ftfc", &FbpOutputs::ftfc},
    {"btfc", &FbpOutputs::btfc}, {"tfcTheta", &FbpOutputs::tfcTheta}, {"sfc", &FbpOutputs::sfc},
    {"reserved1", &FbpOutputs::reserved1}, {"reserved2", &FbpOutputs::reserved2},
    {"reserved3", &FbpOutputs::reserved3}, {"reserved4", &FbpOutputs::reserved4},
    {"lb", &FbpOutputs::lb}, {"raz", &FbpOutputs::raz}, {"wsv", &FbpOutputs::wsv},
    {"hsd", &FbpOutputs::hsd}, {"fsd", &FbpOutputs::fsd}, {"bsd", &FbpOutputs::bsd},
    {"area", &FbpOutputs::area}, {"perimeter", &FbpOutputs::perimeter}, {"pgr", &FbpOutputs::pgr},
}};
// clang-format on

FbpOutputs Compute(const FbpInputs& in) {
    FbpOutputs out;
    EXPECT_EQ(ComputeFbp(in, out), 1) << in.fuelType;
    return out;
}

void ExpectSameOutputs(const FbpOutputs& x, const FbpOutputs& y) {
    for (const auto& [name, field] : kFields) EXPECT_EQ(x.*field, y.*field) << name;
}

// The calculator's opening texts: "%3.2f", or "%d" of the value plus 0.5 truncated.
TEST(ComputeFbp, CalculatorFirstDisplay) {
    const FbpOutputs out = Compute(CalculatorDefaults("C2"));
    const std::pair<Field, const char*> twoDecimals[] = {
        {&FbpOutputs::ros, "11.09"},       {&FbpOutputs::fros, "1.78"}, {&FbpOutputs::bros, "0.31"},
        {&FbpOutputs::cfb, "0.82"},        {&FbpOutputs::sfc, "1.84"},  {&FbpOutputs::tfc, "2.50"},
        {&FbpOutputs::lb, "3.20"},         {&FbpOutputs::hsd, "79.42"}, {&FbpOutputs::fsd, "12.75"},
        {&FbpOutputs::bsd, "2.19"},        {&FbpOutputs::area, "0.16"}, {&FbpOutputs::pgr, "25.10"},
        {&FbpOutputs::perimeter, "179.77"}};
    for (const auto& [field, text] : twoDecimals) EXPECT_EQ(FormatFixed(out.*field, 3, 2), text);
    EXPECT_EQ(RoundToInt(out.hfi), 6824);
    EXPECT_EQ(RoundToInt(out.ffi), 809);
    EXPECT_EQ(RoundToInt(out.bfi), 139);
    EXPECT_NEAR(out.rost, 9.11, 0.005);
    EXPECT_EQ(out.raz, kPi);  // wind from 0 deg pushes due south
    EXPECT_EQ(out.wsv, 25.0);
    EXPECT_EQ(ClassifyFireType(out.cfb), FireType::IntermittentCrown);
}

// Half a unit of the last printed digit; trailing zeros of an integer count as unprinted
// beyond three significant digits.
double Tolerance(const std::string& text) {
    const auto point = text.find('.');
    if (point != std::string::npos) return 0.5 * std::pow(10.0, -double(text.size() - point - 1));
    const auto lastNonZero = text.find_last_not_of('0');
    const auto significant = std::max<std::size_t>(3, lastNonZero + 1);
    return 0.5 * std::pow(10.0, double(text.size() > significant ? text.size() - significant : 0));
}

TEST(ComputeFbp, EveryFuelTypeMatchesReferenceTable) {
    std::ifstream csv(EMBERLIN_TEST_DATA_DIR "/fbp_fuel_types.csv");
    ASSERT_TRUE(csv) << "missing fbp_fuel_types.csv";
    std::vector<std::string> columns;
    std::string line;
    int rows = 0;
    while (std::getline(csv, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> cells;
        std::stringstream split(line);
        for (std::string cell; std::getline(split, cell, ',');) cells.push_back(cell);
        if (columns.empty()) {
            columns = cells;
            continue;
        }
        ++rows;
        const FbpOutputs out = Compute(CalculatorDefaults(cells[0]));
        for (std::size_t i = 1; i < cells.size(); ++i) {
            const auto named = std::find_if(kFields.begin(), kFields.end(),
                                            [&](const auto& f) { return columns[i] == f.first; });
            ASSERT_NE(named, kFields.end()) << columns[i];
            const double value = out.*(named->second);
            SCOPED_TRACE(cells[0] + " " + columns[i] + " " + cells[i]);
            if (cells[i] == "0") {
                EXPECT_GE(value, 0.0);
                EXPECT_LE(value, 0.000001);
            } else {
                EXPECT_NEAR(value, std::stod(cells[i]), Tolerance(cells[i]));
            }
        }
    }
    EXPECT_EQ(rows, 18);
}

struct SlopeCase {
    const char* name;
    const char* fuel;
    double slope, aspect, windSpeed, pc;
    double wsv, raz, ros, tolerance;  // wsv kUnchecked is not checked
};

constexpr double kUnchecked = -1.0;

// Slope-equivalent wind: the published cases, the mixedwood blend rising with pc and the
// fuels whose zero-wind rate is floored (no equivalent wind, head upslope in calm air).
TEST(ComputeFbp, SlopeCases) {
    const SlopeCase cases[] = {
        {"C2_30_north", "C2", 30, 0, 25, 50, 36.6, kPi, 22.9, 0.05},
        {"C2_30_east", "C2", 30, 90, 25, 50, 27.6, 3.58, 13.1, 0.05},
        {"C2_60", "C2", 60, 0, 25, 50, 52.6, kPi, 38.9, 0.05},
        {"M1_calm_pc0", "M1", 30, 0, 0, 0, kUnchecked, kPi, 0.78, 0.005},
        {"M1_calm_pc1", "M1", 30, 0, 0, 1, kUnchecked, kPi, 0.82, 0.005},
        {"M1_calm_pc50", "M1", 30, 0, 0, 50, kUnchecked, kPi, 2.82, 0.005},
        {"M1_calm_pc100", "M1", 30, 0, 0, 100, kUnchecked, kPi, 4.98, 0.005},
        {"D2_calm_upslope_east", "D2", 15, 270, 0, 50, 0, 0.5 * kPi, 0.000001, 1e-12},
        {"D2_wind_no_downslope", "D2", 30, 0, 25, 50, 25, kPi, 0.000001, 1e-12},
    };
    for (const SlopeCase& c : cases) {
        SCOPED_TRACE(c.name);
        FbpInputs in = CalculatorDefaults(c.fuel);
        in.slope = c.slope;
        in.aspect = c.aspect;
        in.windSpeed = c.windSpeed;
        in.pc = c.pc;
        const FbpOutputs out = Compute(in);
        if (c.wsv != kUnchecked) {
            EXPECT_NEAR(out.wsv, c.wsv, c.tolerance);
        }
        EXPECT_NEAR(out.raz, c.raz, 0.005);
        EXPECT_NEAR(out.ros, c.ros, c.tolerance);
        EXPECT_TRUE(std::isfinite(out.rosTheta) && std::isfinite(out.fiTheta));
    }
    FbpInputs steep = CalculatorDefaults("C2");
    steep.slope = 60;
    const FbpOutputs at60 = Compute(steep);
    steep.slope = 100;
    ExpectSameOutputs(Compute(steep), at60);
}

TEST(ComputeFbp, UnknownCodeLeavesOutputsAndLowerCaseComputes) {
    FbpOutputs out;
    out.ros = 123.0;
    out.pgr = -7.0;
    EXPECT_EQ(ComputeFbp(CalculatorDefaults("C8"), out), 0);
    EXPECT_EQ(out.ros, 123.0);
    EXPECT_EQ(out.pgr, -7.0);
    ExpectSameOutputs(Compute(CalculatorDefaults("c2")), Compute(CalculatorDefaults("C2")));
}

TEST(ComputeFbp, DirectionsAndIgnition) {
    FbpInputs in = CalculatorDefaults("C2");
    in.windDirection = 180;  // pushes due north: exactly 2 pi, not taken down to 0
    EXPECT_EQ(Compute(in).raz, 2.0 * kPi);
    in.windDirection = 90;
    EXPECT_NEAR(Compute(in).raz, 1.5 * kPi, 1e-12);
    in.theta = 270;  // theta equal to raz gives the head rate
    EXPECT_NEAR(Compute(in).rosTheta, Compute(in).ros, 1e-12);

    in = CalculatorDefaults("C2");
    in.ignitionType = 0;
    const FbpOutputs line = Compute(in);
    EXPECT_EQ(line.rost, line.ros);
    EXPECT_DOUBLE_EQ(line.hsd, line.ros * 15);
    EXPECT_EQ(FormatFixed(line.cfb, 3, 2), "0.88");
    EXPECT_EQ(FormatFixed(line.area, 3, 2), "0.72");
    EXPECT_EQ(RoundToInt(line.ffi), 986);

    in.ignitionType = 2;  // any ignition but line is a point ignition
    ExpectSameOutputs(Compute(in), Compute(CalculatorDefaults("C2")));

    in.ignitionType = 1;
    in.elapsedTime = 0;
    const FbpOutputs start = Compute(in);
    for (Field f :
         {&FbpOutputs::rost, &FbpOutputs::frost, &FbpOutputs::brost, &FbpOutputs::rosThetaT,
          &FbpOutputs::cfb, &FbpOutputs::hfi, &FbpOutputs::ffi, &FbpOutputs::bfi, &FbpOutputs::hsd,
          &FbpOutputs::fsd, &FbpOutputs::bsd, &FbpOutputs::area, &FbpOutputs::perimeter}) {
        EXPECT_EQ(start.*f, 0.0);
    }
    EXPECT_GT(start.ros, 1.0);
    EXPECT_GT(start.fros, 0.1);
    EXPECT_GT(start.bros, 0.1);
    EXPECT_GT(start.pgr, 1.0);
}

TEST(ComputeFbp, InputRules) {
    // useBui other than 1 is a BUI of 0: no BUI effect, BUI-driven consumption at its floor.
    FbpInputs noBui = CalculatorDefaults("C2");
    noBui.useBui = 0;
    FbpInputs zeroBui = CalculatorDefaults("C2");
    zeroBui.bui = 0;
    ExpectSameOutputs(Compute(noBui), Compute(zeroBui));
    EXPECT_EQ(Compute(noBui).sfc, 0.000001);

    // Grass curing or load of 0 (or below) stands for 95 % and 0.3 kg/m^2.
    FbpInputs grass = CalculatorDefaults("O1a");
    grass.gc = 95;
    grass.gfl = 0.3;
    FbpInputs unset = CalculatorDefaults("O1a");
    unset.gc = 0;
    unset.gfl = 0;
    ExpectSameOutputs(Compute(unset), Compute(grass));

    // FFMC above 101 (hourly equilibrium values) is as dry as 101, not a stopped fire.
    FbpInputs wet = CalculatorDefaults("C2");
    wet.ffmc = 101.05;
    FbpInputs dry = CalculatorDefaults("C2");
    dry.ffmc = 101;
    EXPECT_EQ(Compute(wet).ros, Compute(dry).ros);
    EXPECT_GT(Compute(dry).ros, 20.0);

    // C6 reports no crowning although its rate includes it: here the head rate is well above
    // C6's critical rate (about 17 m/min for cbh 7 m), which would crown another fuel.
    FbpInputs c6 = CalculatorDefaults("C6");
    c6.ffmc = 95;
    c6.windSpeed = 50;
    c6.ignitionType = 0;
    const FbpOutputs out = Compute(c6);
    EXPECT_GT(out.ros, 25.0);
    EXPECT_EQ(out.cfb, 0.0);
    EXPECT_EQ(out.tfc, out.sfc);
}

// Name of the first output outside its bounds, or nullptr.
const char* Violation(const FbpOutputs& out) {
    for (const auto& [name, field] : kFields) {
        if (!std::isfinite(out.*field) || out.*field < 0.0) return name;
    }
    for (Field f : {&FbpOutputs::ros, &FbpOutputs::fros, &FbpOutputs::bros, &FbpOutputs::rosTheta,
                    &FbpOutputs::sfc, &FbpOutputs::tfc, &FbpOutputs::pgr}) {
        if (!(out.*f > 0.0)) return "equilibrium rate or consumption not positive";
    }
    for (Field f :
         {&FbpOutputs::cfb, &FbpOutputs::fcfb, &FbpOutputs::bcfb, &FbpOutputs::cfbTheta}) {
        if (out.*f > 1.0) return "crown fraction above 1";
    }
    if (out.lb < 1.0) return "lb below 1";
    if (out.raz > 2.0 * kPi) return "raz above 2 pi";
    return nullptr;
}

// Every fuel over the calculator's ranges: finite outputs, positive equilibrium rates,
// non-negative elapsed rates, consumption, intensities and distances.
TEST(ComputeFbpProperty, OutputsFiniteAndBoundedOverFormRanges) {
    std::mt19937 pick(20240611);
    auto any = [&pick](std::initializer_list<double> values) {
        std::uniform_int_distribution<std::size_t> index(0, values.size() - 1);
        return values.begin()[index(pick)];
    };
    int runs = 0;
    std::string firstFailure;
    for (const FuelTypeRow& row : FuelTypeTable) {
        for (double ffmc : {0.0, 40.0, 75.0, 87.0, 95.0, 101.0}) {
            for (double bui : {0.0, 40.0, 80.0, 200.0, 650.0}) {
                for (double wind : {0.0, 12.0, 40.0, 150.0}) {
                    for (double slope : {0.0, 30.0, 100.0}) {
                        for (int direction = 0; direction < 8; ++direction) {
                            FbpInputs in = CalculatorDefaults(std::string(row.code));
                            in.ffmc = ffmc;
                            in.bui = bui;
                            in.windSpeed = wind;
                            in.slope = slope;
                            in.windDirection = 45.0 * direction;
                            in.aspect = any({0, 45, 90, 135, 180, 225, 270, 315, 360});
                            in.theta = any({0, 90, 200, 360});
                            in.pc = any({0, 1, 50, 100});
                            in.pdf = any({0, 1, 50, 100});
                            in.gc = any({0, 50, 51, 85, 100});
                            in.gfl = any({0, 0.3, 5});
                            in.elapsedTime = any({0, 1, 15, 300});
                            in.ignitionType = static_cast<int>(any({0, 1}));
                            in.latitude = any({30, 55, 90});
                            in.longitude = any({-170, -110, 0, 170});
                            in.elevation = static_cast<int>(any({0, 1, 3000}));
                            in.julianDay = static_cast<int>(any({1, 196, 365}));
                            ++runs;
                            const char* bad = Violation(Compute(in));
                            if (bad != nullptr && firstFailure.empty()) {
                                std::ostringstream where;
                                where << bad << ": " << in.fuelType << " ffmc " << ffmc << " bui "
                                      << bui << " wind " << wind << " slope " << slope << " aspect "
                                      << in.aspect << " pc " << in.pc << " pdf " << in.pdf << " gc "
                                      << in.gc;
                                firstFailure = where.str();
                            }
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(runs, 18 * 6 * 5 * 4 * 3 * 8);
    EXPECT_EQ(firstFailure, "");
}

// Finite inputs far outside the forms' ranges: no undefined behaviour (the sanitizer tree
// aborts on any), whatever the outputs.
TEST(ComputeFbpProperty, ExtremeFiniteInputsAreSafe) {
    const double huge = std::numeric_limits<double>::max();
    for (const FuelTypeRow& row : FuelTypeTable) {
        FbpInputs in = CalculatorDefaults(std::string(row.code));
        in.latitude = -huge;
        in.longitude = huge;
        in.elevation = std::numeric_limits<int>::max();
        in.julianDay = std::numeric_limits<int>::max();
        in.ignitionType = std::numeric_limits<int>::max();
        in.windSpeed = huge;
        in.slope = huge;
        in.ffmc = huge;
        in.bui = huge;
        in.elapsedTime = huge;
        FbpOutputs out;
        EXPECT_EQ(ComputeFbp(in, out), 1);
        in.latitude = huge;
        in.minFmcDay = std::numeric_limits<int>::max();
        in.julianDay = -1;
        EXPECT_EQ(ComputeFbp(in, out), 1);
    }
}

}  // namespace
}  // namespace emberlin
