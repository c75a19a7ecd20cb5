// Tests of what the projection windows' pictures are drawn from: the detection's growth and
// perimeters, the bars by fuel type, clock texts and the captions of the inputs.
#include "forms/content/pictures.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "fbp/fbp_engine.h"
#include "forms/fields/calculator_defaults.h"
#include "forms/kit/recording_host.h"
#include "forms/models/fbp_calc_form.h"
#include "forms/models/hand_over.h"

namespace emberlin::forms {
namespace {

TEST(Pictures, ClockTexts) {
    const struct {
        int minutes;
        const char* text;
    } cases[] = {
        {0, "00:00"}, {870, "14:30"}, {1439, "23:59"}, {1440, "00:00 +1 d"}, {1455, "00:15 +1 d"},
    };
    for (const auto& c : cases) EXPECT_EQ(ClockText(c.minutes), c.text) << c.minutes;
}

// The bars of the calculator's conditions, one per fuel type in table order.
std::vector<FuelBar> CalculatorBars() {
    std::array<FbpOutputs, FuelTypeTable.size()> outputs{};
    for (std::size_t i = 0; i < FuelTypeTable.size(); ++i) {
        EXPECT_EQ(ComputeFbp(CalculatorDefaults(std::string(FuelTypeTable[i].code)), outputs[i]),
                  FbpResult::Computed);
    }
    return FuelBars(outputs);
}

TEST(Pictures, FuelBarsInTableOrder) {
    const std::vector<FuelBar> bars = CalculatorBars();
    ASSERT_EQ(bars.size(), FuelTypeTable.size());
    for (std::size_t i = 0; i < bars.size(); ++i) EXPECT_EQ(bars[i].code, FuelTypeTable[i].code);
    EXPECT_EQ(bars.front().code, "C1");
    EXPECT_EQ(bars.back().code, "O1b");
}

// C2 as on the calculator's first display; D2 (below its BUI threshold at BUI 40) with no
// spread.
struct BarCase {
    const char* code;
    int intensityClass;
    FireType fireType;
    const char* rosText;
    const char* label;
};

void PrintTo(const BarCase& c, std::ostream* out) { *out << c.code; }

class PicturesFuelBar : public ::testing::TestWithParam<BarCase> {};

TEST_P(PicturesFuelBar, ClassFireTypeAndWords) {
    const BarCase& c = GetParam();
    const std::vector<FuelBar> bars = CalculatorBars();
    const auto bar =
        std::find_if(bars.begin(), bars.end(), [&](const FuelBar& b) { return b.code == c.code; });
    ASSERT_NE(bar, bars.end());
    EXPECT_EQ(bar->intensityClass, c.intensityClass);
    EXPECT_EQ(bar->fireType, c.fireType);
    EXPECT_EQ(bar->rosText, c.rosText);
    EXPECT_EQ(bar->key.label, c.label);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, PicturesFuelBar,
    ::testing::Values(BarCase{"C2", 5, FireType::IntermittentCrown, "11.09 m/min",
                              "Intermittent Crown Fire"},
                      BarCase{"D2", 1, FireType::Surface, "0.00 m/min", "Surface Fire"}),
    [](const ::testing::TestParamInfo<BarCase>& row) { return std::string(row.param.code); });

// Under one weather all day a line-ignited fire spreads at its equilibrium rates from the
// start, so the perimeters are the engine's rates times each row's elapsed time, nested, the
// last one the fire drawn.
TEST(Pictures, DetectionGrowthUnderSteadyWeather) {
    FbpInputs fire = CalculatorDefaults("C2");
    fire.ignition = IgnitionType::Line;
    fire.elapsedTime = 0;
    HourlyTables hourly;
    hourly.ffmc.fill(87.0);
    hourly.windSpeed.fill(20.51085858);
    const DetectionGrowth growth = DescribeDetectionGrowth(fire, 14 * 60 + 30, hourly);
    ASSERT_EQ(growth.rows.size(), 10u);
    FbpInputs steady = fire;
    steady.windSpeed = 20.51085858;
    steady.elapsedTime = 60;
    FbpOutputs rates;
    ASSERT_EQ(ComputeFbp(steady, rates), FbpResult::Computed);
    for (const AccumulatedGrowthRow& row : growth.rows) {
        EXPECT_NEAR(row.headDistance, rates.ros * row.elapsedTime, 1e-6 * row.headDistance)
            << row.elapsedTime;
        EXPECT_NEAR(row.backDistance, rates.bros * row.elapsedTime, 1e-6 * row.headDistance + 1e-9)
            << row.elapsedTime;
    }
    const FireShape& shape = growth.shape;
    EXPECT_FALSE(shape.noSpread);
    EXPECT_TRUE(shape.lineIgnition);
    EXPECT_DOUBLE_EQ(2 * shape.ellipse.semiMajor,
                     growth.rows.back().headDistance + growth.rows.back().backDistance);
    EXPECT_NEAR(shape.ellipse.rotation, 180.0, 1e-9);
    ASSERT_EQ(shape.outlines.size(), 9u);
    for (std::size_t i = 1; i < shape.outlines.size(); ++i) {
        EXPECT_GT(shape.outlines[i].semiMajor, shape.outlines[i - 1].semiMajor) << i;
    }
    EXPECT_LT(shape.outlines.back().semiMajor, shape.ellipse.semiMajor);
    EXPECT_EQ(CaptionLines(shape).front(), "Line ignition, 240 min");
    ASSERT_FALSE(shape.arrows.empty());
    EXPECT_EQ(shape.arrows.front().label, "Wind 20.5 km/h");
    EXPECT_NE(growth.inputs.find("C2, line ignition, 240 min; FFMC 87, BUI 40; wind 20.5 km/h"),
              std::string::npos)
        << growth.inputs;
    EXPECT_NE(growth.inputs.find("start 14:30"), std::string::npos) << growth.inputs;
}

}  // namespace
}  // namespace emberlin::forms
