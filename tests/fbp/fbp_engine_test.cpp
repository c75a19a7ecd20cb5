// Tests of ComputeFbp: reference cases, step behaviours and a property grid.
#include "fbp/fbp_engine.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>
#include <string>

#include "common/constants.h"
#include "common/number_text.h"
#include "common/rounding.h"
#include "forms/fields/calculator_defaults.h"
#include "support/test_data.h"
#include "support/tolerance.h"

namespace emberlin {
namespace {

using forms::CalculatorDefaults;

using Field = double FbpOutputs::*;
using AllOutputs = std::array<double, 34>;
static_assert(sizeof(FbpOutputs) == sizeof(AllOutputs));

FbpOutputs Compute(const FbpInputs& in) {
    FbpOutputs out;
    EXPECT_EQ(ComputeFbp(in, out), FbpResult::Computed) << in.fuelType;
    return out;
}

AllOutputs All(const FbpInputs& in) { return std::bit_cast<AllOutputs>(Compute(in)); }

// The calculator's opening texts: "%3.2f", or "%d" of the value plus 0.5 truncated.
TEST(ComputeFbp, CalculatorFirstDisplay) {
    const FbpOutputs out = Compute(CalculatorDefaults("C2"));
    const std::pair<Field, const char*> texts[] = {
        {&FbpOutputs::ros, "11.09"},       {&FbpOutputs::fros, "1.78"}, {&FbpOutputs::bros, "0.31"},
        {&FbpOutputs::cfb, "0.82"},        {&FbpOutputs::sfc, "1.84"},  {&FbpOutputs::tfc, "2.50"},
        {&FbpOutputs::lb, "3.20"},         {&FbpOutputs::hsd, "79.42"}, {&FbpOutputs::fsd, "12.75"},
        {&FbpOutputs::bsd, "2.19"},        {&FbpOutputs::area, "0.16"}, {&FbpOutputs::pgr, "25.10"},
        {&FbpOutputs::perimeter, "179.77"}};
    for (const auto& [field, text] : texts) EXPECT_EQ(FormatFixed(out.*field, 3, 2), text);
    EXPECT_EQ(RoundToInt(out.hfi), 6824);
    EXPECT_EQ(RoundToInt(out.ffi), 809);
    EXPECT_EQ(RoundToInt(out.bfi), 139);
    EXPECT_NEAR(out.rost, 9.11, 0.005);
    EXPECT_EQ(out.raz, kPi);  // wind from 0 deg pushes due south
    EXPECT_EQ(out.wsv, 25.0);
    EXPECT_EQ(ClassifyFireType(out.cfb), FireType::IntermittentCrown);
}

TEST(ComputeFbp, EveryFuelTypeMatchesReferenceTable) {
    const std::pair<const char*, Field> columns[] = {
        {"ros", &FbpOutputs::ros}, {"bros", &FbpOutputs::bros}, {"sfc", &FbpOutputs::sfc},
        {"cfb", &FbpOutputs::cfb}, {"tfc", &FbpOutputs::tfc},   {"hfi", &FbpOutputs::hfi}};
    std::ifstream csv(emberlin::test_files::TestDataPath("fbp_fuel_types.csv"));
    int rows = 0;
    for (std::string line; std::getline(csv, line);) {
        if (line.empty() || line[0] == '#' || line.starts_with("code,")) continue;
        std::stringstream cells(line);
        std::string code;
        std::getline(cells, code, ',');
        const FbpOutputs out = Compute(CalculatorDefaults(code));
        for (const auto& [name, field] : columns) {
            std::string text;
            std::getline(cells, text, ',');
            SCOPED_TRACE(code + " " + name + " " + text);
            if (text == "0") {  // at or below the floors
                EXPECT_TRUE(out.*field >= 0.0 && out.*field <= 0.000001) << out.*field;
            } else {
                EXPECT_NEAR(out.*field, std::stod(text), testing_support::Tolerance(text));
            }
        }
        ++rows;
    }
    EXPECT_EQ(rows, 18);
}

// Slope-equivalent wind: the published cases, the mixedwood blend rising with pc, and a
// fuel with a floored zero-wind rate (no equivalent wind; upslope head in calm air).
TEST(ComputeFbp, SlopeCases) {
    const struct {
        const char* name;
        const char* fuel;
        double slope, aspect, windSpeed, pc, wsv, raz, ros, tolerance;
    } cases[] = {{"c2_30_north", "C2", 30, 0, 25, 50, 36.6, kPi, 22.9, 0.05},
                 {"c2_30_east", "C2", 30, 90, 25, 50, 27.6, 3.58, 13.1, 0.05},
                 {"c2_60", "C2", 60, 0, 25, 50, 52.6, kPi, 38.9, 0.05},
                 {"m1_calm_pc0", "M1", 30, 0, 0, 0, 10.79, kPi, 0.78, 0.005},
                 {"m1_calm_pc1", "M1", 30, 0, 0, 1, 10.80, kPi, 0.82, 0.005},
                 {"m1_calm_pc50", "M1", 30, 0, 0, 50, 11.22, kPi, 2.82, 0.005},
                 {"m1_calm_pc100", "M1", 30, 0, 0, 100, 11.63, kPi, 4.98, 0.005},
                 {"d2_calm_upslope", "D2", 15, 270, 0, 50, 0, 0.5 * kPi, 0.000001, 1e-12},
                 {"d2_no_downslope", "D2", 30, 0, 25, 50, 25, kPi, 0.000001, 1e-12}};
    for (const auto& c : cases) {
        FbpInputs in = CalculatorDefaults(c.fuel);
        in.slope = c.slope;
        in.aspect = c.aspect;
        in.windSpeed = c.windSpeed;
        in.pc = c.pc;
        const FbpOutputs out = Compute(in);
        EXPECT_NEAR(out.wsv, c.wsv, c.tolerance) << c.name;
        EXPECT_NEAR(out.raz, c.raz, 0.005) << c.name;
        EXPECT_NEAR(out.ros, c.ros, c.tolerance) << c.name;
        EXPECT_TRUE(std::isfinite(out.rosTheta) && std::isfinite(out.fiTheta)) << c.name;
    }
    FbpInputs steep = CalculatorDefaults("C2");
    steep.slope = 60;
    const AllOutputs at60 = All(steep);
    steep.slope = 100;
    EXPECT_EQ(All(steep), at60);
}

TEST(ComputeFbp, CodesDirectionsAndIgnition) {
    FbpOutputs untouched;
    untouched.ros = 123.0;
    EXPECT_EQ(ComputeFbp(CalculatorDefaults("C8"), untouched), FbpResult::UnknownFuelType);
    EXPECT_EQ(std::bit_cast<AllOutputs>(untouched),
              std::bit_cast<AllOutputs>(FbpOutputs{.ros = 123}));
    EXPECT_EQ(All(CalculatorDefaults("c2")), All(CalculatorDefaults("C2")));

    FbpInputs in = CalculatorDefaults("C2");
    in.windDirection = 180;  // pushes due north: exactly 2 pi, not taken down to 0
    EXPECT_EQ(Compute(in).raz, 2.0 * kPi);
    in.windDirection = 90;
    in.theta = 270;  // theta equal to raz gives the head rate
    EXPECT_NEAR(Compute(in).raz, 1.5 * kPi, 1e-12);
    EXPECT_NEAR(Compute(in).rosTheta, Compute(in).ros, 1e-12);

    in = CalculatorDefaults("C2");
    in.ignition = IgnitionType::Line;
    const FbpOutputs line = Compute(in);
    EXPECT_EQ(line.rost, line.ros);
    EXPECT_DOUBLE_EQ(line.hsd, line.ros * 15);
    EXPECT_EQ(FormatFixed(line.cfb, 3, 2), "0.88");
    EXPECT_EQ(FormatFixed(line.area, 3, 2), "0.72");
    in.ignition = IgnitionFromCode(2);  // any ignition but line is a point ignition
    EXPECT_EQ(All(in), All(CalculatorDefaults("C2")));

    in.ignition = IgnitionType::Point;
    in.elapsedTime = 0;
    const FbpOutputs start = Compute(in);
    for (Field f :
         {&FbpOutputs::rost, &FbpOutputs::frost, &FbpOutputs::brost, &FbpOutputs::rosThetaT,
          &FbpOutputs::cfb, &FbpOutputs::hfi, &FbpOutputs::ffi, &FbpOutputs::bfi, &FbpOutputs::hsd,
          &FbpOutputs::fsd, &FbpOutputs::bsd, &FbpOutputs::area, &FbpOutputs::perimeter}) {
        EXPECT_EQ(start.*f, 0.0);
    }
    EXPECT_TRUE(start.ros > 1 && start.fros > 0.1 && start.bros > 0.1 && start.pgr > 1);
}

TEST(ComputeFbp, InputRules) {
    // The BUI switched off is a BUI of 0: no BUI effect, BUI-driven consumption at its floor.
    FbpInputs noBui = CalculatorDefaults("C2");
    noBui.buiEffect = BuiSwitch::Off;
    FbpInputs zeroBui = CalculatorDefaults("C2");
    zeroBui.bui = 0;
    EXPECT_EQ(All(noBui), All(zeroBui));
    EXPECT_EQ(Compute(noBui).sfc, 0.000001);

    // Grass curing or load of 0 stands for 95 % and 0.3 kg/m^2.
    FbpInputs grass = CalculatorDefaults("O1a");
    grass.gc = 95;
    FbpInputs unset = CalculatorDefaults("O1a");
    unset.gc = 0;
    unset.gfl = 0;
    EXPECT_EQ(All(unset), All(grass));

    // An FFMC above 101 (hourly equilibrium values) is as dry as 101, not a stopped fire.
    FbpInputs dry = CalculatorDefaults("C2");
    dry.ffmc = 101;
    FbpInputs drier = dry;
    drier.ffmc = 101.05;
    EXPECT_EQ(All(drier), All(dry));

    // C6 reports no crowning although its rate, well above its critical rate of about
    // 17 m/min here, includes it.
    FbpInputs c6 = CalculatorDefaults("C6");
    c6.ffmc = 95;
    c6.windSpeed = 50;
    c6.ignition = IgnitionType::Line;
    const FbpOutputs out = Compute(c6);
    EXPECT_GT(out.ros, 25.0);
    EXPECT_EQ(out.cfb, 0.0);
    EXPECT_EQ(out.tfc, out.sfc);
}

// Name of the first output outside its bounds, or nullptr.
const char* Violation(const FbpOutputs& out) {
    for (double value : std::bit_cast<AllOutputs>(out)) {
        if (!std::isfinite(value) || value < 0.0) return "not finite or negative";
    }
    if (!(out.ros > 0 && out.fros > 0 && out.bros > 0 && out.rosTheta > 0 && out.pgr > 0)) {
        return "equilibrium rate not positive";
    }
    if (std::max({out.cfb, out.fcfb, out.bcfb, out.cfbTheta}) > 1.0) return "cfb above 1";
    if (out.lb < 1.0 || out.raz > 2.0 * kPi) return "lb or raz out of range";
    return nullptr;
}

// Every fuel over the calculator's ranges; the lesser inputs are drawn from their lists.
TEST(ComputeFbpProperty, OutputsFiniteAndBoundedOverFormRanges) {
    std::mt19937 rng(20240611);
    auto any = [&rng](std::initializer_list<double> list) {
        return list.begin()[rng() % list.size()];
    };
    int runs = 0;
    int failures = 0;
    for (const FuelTypeRow& row : FuelTypeTable) {
        for (double ffmc : {0.0, 40.0, 75.0, 87.0, 95.0, 101.0}) {
            for (double bui : {0.0, 40.0, 80.0, 200.0, 650.0}) {
                for (double wind : {0.0, 12.0, 40.0, 150.0}) {
                    for (double slope : {0.0, 30.0, 100.0}) {
                        for (double direction = 0; direction < 360; direction += 45, ++runs) {
                            FbpInputs in = CalculatorDefaults(std::string(row.code));
                            in.ffmc = ffmc, in.bui = bui, in.windSpeed = wind, in.slope = slope;
                            in.windDirection = direction;
                            in.aspect = any({0, 45, 90, 135, 180, 225, 270, 315, 360});
                            in.theta = any({0, 90, 200, 360});
                            in.pc = any({0, 1, 50, 100}), in.pdf = any({0, 1, 50, 100});
                            in.gc = any({0, 50, 51, 85, 100}), in.gfl = any({0, 0.3, 5});
                            in.elapsedTime = any({0, 1, 15, 300});
                            in.ignition = IgnitionFromCode(static_cast<int>(any({0, 1})));
                            in.latitude = any({30, 55, 90}), in.longitude = any({-170, 0, 170});
                            in.elevation = static_cast<int>(any({0, 1, 3000}));
                            in.julianDay = static_cast<int>(any({1, 196, 365}));
                            const char* bad = Violation(Compute(in));
                            if (bad != nullptr && failures++ < 3) {
                                ADD_FAILURE() << bad << ": " << in.fuelType << " ffmc " << ffmc
                                              << " bui " << bui << " wind " << wind << " slope "
                                              << slope << " aspect " << in.aspect;
                            }
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(runs, 18 * 6 * 5 * 4 * 3 * 8);
    EXPECT_EQ(failures, 0);
}

// Finite inputs far outside the forms' ranges: no undefined behaviour (the sanitizer build
// aborts on any), whatever the outputs.
TEST(ComputeFbpProperty, ExtremeFiniteInputsAreSafe) {
    const double huge = std::numeric_limits<double>::max();
    const int most = std::numeric_limits<int>::max();
    for (const FuelTypeRow& row : FuelTypeTable) {
        FbpInputs in = CalculatorDefaults(std::string(row.code));
        in.latitude = -huge, in.longitude = huge, in.elevation = most, in.julianDay = most;
        in.ignition = IgnitionFromCode(most), in.windSpeed = huge, in.slope = huge, in.ffmc = huge;
        in.bui = huge, in.elapsedTime = huge;
        FbpOutputs out;
        EXPECT_EQ(ComputeFbp(in, out), FbpResult::Computed);
        in.latitude = huge, in.minFmcDay = most, in.julianDay = -1;
        EXPECT_EQ(ComputeFbp(in, out), FbpResult::Computed);
    }
}

}  // namespace
}  // namespace emberlin
