// Tests of the fire shape description, its scale and the intensity classes.
#include "forms/content/fire_shape.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "common/constants.h"
#include "common/number_text.h"
#include "fbp/accumulated_growth.h"
#include "fbp/fbp_engine.h"
#include "fire/engine_inputs.h"
#include "fire/intensity_class.h"
#include "forms/fields/calculator_defaults.h"

namespace emberlin::forms {
namespace {

FbpOutputs Engine(const FbpInputs& in) {
    FbpOutputs out;
    EXPECT_EQ(ComputeFbp(in, out), FbpResult::Computed);
    return out;
}

std::vector<double> Directions(const FireShape& shape, ShapeArrowKind kind) {
    std::vector<double> found;
    for (const ShapeArrow& a : shape.arrows) {
        if (a.kind == kind) found.push_back(a.direction);
    }
    return found;
}

TEST(FireShape, CalculatorFirstDisplay) {
    const FbpInputs in = CalculatorDefaults("C2");
    const FbpOutputs out = Engine(in);
    const FireShape shape = DescribeFireShape(in, out);
    EXPECT_FALSE(shape.noSpread);
    EXPECT_FALSE(shape.lineIgnition);
    EXPECT_DOUBLE_EQ(2 * shape.ellipse.semiMajor, out.hsd + out.bsd);
    EXPECT_NEAR(2 * shape.ellipse.semiMajor, 81.61, 0.01);
    EXPECT_NEAR(shape.ellipse.semiMinor, 12.75, 0.005);
    EXPECT_NEAR(shape.ellipse.rotation, 180.0, 1e-9);
    // The head runs south: the centre lies (hsd - bsd) / 2 south of the ignition point.
    EXPECT_NEAR(shape.ellipse.centre.east, 0.0, 1e-9);
    EXPECT_NEAR(shape.ellipse.centre.north, -(out.hsd - out.bsd) / 2, 1e-9);
    EXPECT_EQ(Directions(shape, ShapeArrowKind::Wind), std::vector<double>{180.0});
    EXPECT_TRUE(Directions(shape, ShapeArrowKind::Upslope).empty());
    ASSERT_EQ(shape.arrows.size(), 2u);
    EXPECT_EQ(shape.arrows[0].label, "Wind 25 km/h");
    EXPECT_EQ(shape.arrows[1].label, "Spread 11.09 m/min");
    EXPECT_EQ(shape.fireType, FireType::IntermittentCrown);
    EXPECT_EQ(CaptionLines(shape),
              (std::vector<std::string>{"Point ignition, 15 min", "Head 79.42 m at 11.09 m/min",
                                        "Flank 12.75 m at 1.78 m/min", "Back 2.19 m at 0.31 m/min",
                                        "L/B 3.20", "Area 0.16 ha", "Perimeter 179.77 m",
                                        "Intermittent Crown Fire"}));
}

// Outputs written by hand, so that the geometry is checked against numbers worked on paper.
TEST(FireShape, HandWorkedGeometry) {
    const struct {
        const char* name;
        int ignition;
        double windSpeed, windFrom, slope, aspect;
        double hsd, fsd, bsd, razDegrees;
        double centreEast, centreNorth, rotation;
        std::vector<double> wind, upslope;
        ShapeSegment line;
    } cases[] = {
        // clang-format off
        // name  ignition  wind speed, from  slope, aspect  hsd, fsd, bsd, raz  centre  rotation
        // Spread to the east-south-east; centre 40 m along 114.59 deg.
        {"slope_with_aspect", 1, 10, 270, 30, 0, 100, 30, 20, 114.59,
         36.37, -16.64, 114.59, {90}, {180}, {}},
        // Centre 40 m north; the ignition point 0.8 of the semi-axis back, chord 2 * 12 m.
        {"line_north", 0, 5, 180, 0, 0, 90, 20, 10, 0,
         0, 40, 0, {0}, {}, {{-12, 0}, {12, 0}}},
        // Heading west: the chord runs north-south.
        {"line_west", 0, 20, 90, 15, 110, 90, 20, 10, 270,
         -40, 0, 270, {270}, {290}, {{0, -12}, {0, 12}}},
        // Calm: no wind arrow; an aspect of 200 deg slopes up towards 20 deg.
        {"calm_wrap", 1, 0, 350, 10, 200, 30, 10, 30, 20,
         0, 0, 20, {}, {20}, {}},
        // A wind from 350 deg blows towards 170 deg.
        {"wind_wraps", 1, 40, 350, 0, 0, 50, 5, 10, 170,
         3.47, -19.70, 170, {170}, {}, {}},
        // clang-format on
    };
    for (const auto& c : cases) {
        FbpInputs in;
        in.ignition = IgnitionFromCode(c.ignition);
        in.windSpeed = c.windSpeed;
        in.windDirection = c.windFrom;
        in.slope = c.slope;
        in.aspect = c.aspect;
        FbpOutputs out;
        out.hsd = c.hsd;
        out.fsd = c.fsd;
        out.bsd = c.bsd;
        out.raz = c.razDegrees * kPi / 180.0;
        const FireShape shape = DescribeFireShape(in, out);
        EXPECT_NEAR(shape.ellipse.centre.east, c.centreEast, 0.01) << c.name;
        EXPECT_NEAR(shape.ellipse.centre.north, c.centreNorth, 0.01) << c.name;
        EXPECT_NEAR(shape.ellipse.rotation, c.rotation, 1e-9) << c.name;
        EXPECT_NEAR(shape.ellipse.semiMajor, (c.hsd + c.bsd) / 2, 1e-12) << c.name;
        EXPECT_EQ(shape.ellipse.semiMinor, c.fsd) << c.name;
        EXPECT_EQ(Directions(shape, ShapeArrowKind::Wind), c.wind) << c.name;
        EXPECT_EQ(Directions(shape, ShapeArrowKind::Upslope), c.upslope) << c.name;
        EXPECT_EQ(shape.lineIgnition, c.ignition == 0) << c.name;
        EXPECT_NEAR(shape.ignitionLine.from.east, c.line.from.east, 1e-9) << c.name;
        EXPECT_NEAR(shape.ignitionLine.from.north, c.line.from.north, 1e-9) << c.name;
        EXPECT_NEAR(shape.ignitionLine.to.east, c.line.to.east, 1e-9) << c.name;
        EXPECT_NEAR(shape.ignitionLine.to.north, c.line.to.north, 1e-9) << c.name;
    }
}

TEST(FireShape, NoSpread) {
    FbpInputs d2 = CalculatorDefaults("D2");
    FbpInputs grass = CalculatorDefaults("O1a");
    grass.gc = 50;
    FbpInputs instant = CalculatorDefaults("C2");
    instant.ignition = IgnitionType::Line;
    instant.elapsedTime = 0;
    FbpInputs spreading = CalculatorDefaults("O1a");
    spreading.gc = 60;
    const struct {
        const char* name;
        const FbpInputs& in;
        bool noSpread;
    } cases[] = {{"d2_below_bui", d2, true},
                 {"grass_half_cured", grass, true},
                 {"line_at_0_min", instant, true},
                 {"grass_60", spreading, false}};
    for (const auto& c : cases) {
        const FireShape shape = DescribeFireShape(c.in, Engine(c.in));
        EXPECT_EQ(shape.noSpread, c.noSpread) << c.name;
        EXPECT_EQ(Directions(shape, ShapeArrowKind::Spread).size(), c.noSpread ? 0u : 1u) << c.name;
        const auto caption = CaptionLines(shape);
        EXPECT_EQ(caption[1] == kNoSpreadText, c.noSpread) << c.name;
        if (c.noSpread) {
            // The ignition point alone, at the panel's centre and the largest scale allowed.
            const ShapeFit fit = FitShape(shape, 300, 200, 10, 2);
            EXPECT_EQ(fit.pixelsPerMetre, 2) << c.name;
            EXPECT_EQ(fit.originX, 150) << c.name;
            EXPECT_EQ(fit.originY, 100) << c.name;
        }
    }
}

TEST(FireShape, ScaleBarLengths) {
    const struct {
        double max, length;
    } cases[] = {{0.3, 0.2}, {1, 1},       {7, 5},       {19.9, 10}, {20, 20}, {45, 20},
                 {99, 50},   {1000, 1000}, {2.5e4, 2e4}, {0, 0},     {-5, 0},  {NAN, 0}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(RoundScaleLength(c.max), c.length) << c.max;
}

TEST(FireShape, IntensityAxes) {
    const struct {
        double largest, top, step;
    } cases[] = {{10000, 15000, 5000}, {4000, 5000, 1000},  {8514, 10000, 2000},
                 {1, 1.5, 0.5},        {0, 500, 100},       {-1, 500, 100},
                 {NAN, 500, 100},      {INFINITY, 500, 100}};
    for (const auto& c : cases) {
        const ChartAxis axis = IntensityAxis(c.largest);
        EXPECT_DOUBLE_EQ(axis.top, c.top) << c.largest;
        EXPECT_DOUBLE_EQ(axis.step, c.step) << c.largest;
        EXPECT_TRUE(std::isfinite(axis.top) && axis.top > 0 && axis.step > 0) << c.largest;
    }
}

// Every point of every ellipse lands inside the panel less its margin; the scale bar is a
// round length between 0.4 and 1 of a quarter of the drawing width.
TEST(FireShape, FitsWithoutClipping) {
    const FbpInputs c2 = CalculatorDefaults("C2");
    FbpInputs long_run = CalculatorDefaults("S3");
    long_run.elapsedTime = 600;
    long_run.slope = 40;
    long_run.aspect = 250;
    const struct {
        const char* name;
        FbpInputs in;
        double width, height, maxPixelsPerMetre;
    } cases[] = {{"c2_panel", c2, 400, 300, INFINITY},
                 {"c2_capped", c2, 400, 300, 0.5},
                 {"long_run", long_run, 320, 240, 4},
                 {"tall_panel", long_run, 200, 600, INFINITY}};
    constexpr double kMargin = 12;
    for (const auto& c : cases) {
        const FireShape shape = DescribeFireShape(c.in, Engine(c.in));
        const ShapeFit fit = FitShape(shape, c.width, c.height, kMargin, c.maxPixelsPerMetre);
        EXPECT_LE(fit.pixelsPerMetre, c.maxPixelsPerMetre) << c.name;
        const FireEllipse& e = shape.ellipse;
        const double r = e.rotation * std::numbers::pi / 180.0;
        double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
        for (int i = 0; i < 720; ++i) {
            const double phi = i * std::numbers::pi / 360.0;
            const double u = e.semiMajor * std::cos(phi), v = e.semiMinor * std::sin(phi);
            const double east = e.centre.east + u * std::sin(r) + v * std::cos(r);
            const double north = e.centre.north + u * std::cos(r) - v * std::sin(r);
            const double x = fit.originX + east * fit.pixelsPerMetre;
            const double y = fit.originY - north * fit.pixelsPerMetre;
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
        }
        EXPECT_GE(left, kMargin - 1e-6) << c.name;
        EXPECT_LE(right, c.width - kMargin + 1e-6) << c.name;
        EXPECT_GE(top, kMargin - 1e-6) << c.name;
        EXPECT_LE(bottom, c.height - kMargin + 1e-6) << c.name;
        if (std::isinf(c.maxPixelsPerMetre)) {
            // Filled: the shape touches the margins on one side pair.
            EXPECT_TRUE(std::fabs(left - kMargin) < 0.05 || std::fabs(top - kMargin) < 0.05)
                << c.name;
        }
        const double quarter = 0.25 * (c.width - 2 * kMargin);
        EXPECT_LE(fit.scaleBarPixels, quarter + 1e-9) << c.name;
        EXPECT_GE(fit.scaleBarPixels, 0.4 * quarter) << c.name;
        EXPECT_EQ(fit.scaleBarLabel, FormatGeneral(fit.scaleBarMetres) + " m") << c.name;
    }
}

// The detection assessment's outlines: each row's fire holds the one before, and a fit of the
// last outline leaves room for all.
TEST(FireShape, NestedOutlinesGrow) {
    const std::vector<double> minutes = {15, 30, 45, 60, 75, 90, 105, 120, 180, 240};
    FbpInputs fire = CalculatorDefaults("C2");
    fire.slope = 25;
    fire.aspect = 120;
    const auto rows = AccumulateGrowth(fire, 22 * 60, minutes, [](int hour) {
        return HourlyWeather{90.0 - (hour - 22), 20.0 - 2 * (hour - 22)};
    });
    std::vector<OutlineDistances> distances;
    for (const auto& row : rows) {
        distances.push_back(
            {row.headDistance, row.flankDistance, row.backDistance, row.behaviour.raz});
    }
    const auto outlines = NestedOutlines(distances);
    ASSERT_EQ(outlines.size(), rows.size());
    for (std::size_t k = 1; k < outlines.size(); ++k) {
        EXPECT_GT(outlines[k].semiMajor, outlines[k - 1].semiMajor) << k;
        EXPECT_GT(outlines[k].semiMinor, outlines[k - 1].semiMinor) << k;
    }
    FireShape shape = DescribeFireShape(fire, Engine(fire));
    const double alone = FitShape(shape, 400, 300, 10, INFINITY).pixelsPerMetre;
    shape.outlines = outlines;
    EXPECT_LT(FitShape(shape, 400, 300, 10, INFINITY).pixelsPerMetre, alone);
}

TEST(IntensityClasses, BandsAndKeys) {
    const auto& bands = IntensityBands();
    for (std::size_t i = 0; i < bands.size(); ++i) {
        EXPECT_EQ(IntensityClass(bands[i].lower), static_cast<int>(i) + 1);
        if (i > 0) {
            EXPECT_EQ(bands[i].lower, bands[i - 1].upper);
        }
        for (std::size_t j = 0; j < i; ++j) EXPECT_NE(bands[i].key.colour, bands[j].key.colour);
    }
    EXPECT_EQ(bands[5].key.label, "Class 6: 10,000 kW/m and above");
    EXPECT_EQ(FireTypeKey(FireType::Crown).label, "Crown Fire");
    EXPECT_NE(FireTypeKey(FireType::Crown).colour, FireTypeKey(FireType::IntermittentCrown).colour);
}

}  // namespace
}  // namespace emberlin::forms
