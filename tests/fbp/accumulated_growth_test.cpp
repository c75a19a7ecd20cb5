// Tests of the growth of one fire over hours of changing weather.
#include "fbp/accumulated_growth.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/constants.h"
#include "fbp/fbp_engine.h"
#include "forms/fields/calculator_defaults.h"

namespace emberlin {
namespace {

using forms::CalculatorDefaults;

// The detection assessment's elapsed times.
const std::vector<double> kRowMinutes = {15, 30, 45, 60, 75, 90, 105, 120, 180, 240};
constexpr double k1430 = 14 * 60 + 30;
constexpr double k2200 = 22 * 60;

FbpOutputs SingleCall(FbpInputs in, HourlyWeather w, double elapsed) {
    in.ffmc = w.ffmc;
    in.windSpeed = w.windSpeed;
    in.elapsedTime = elapsed;
    FbpOutputs out;
    EXPECT_EQ(ComputeFbp(in, out), FbpResult::Computed);
    return out;
}

// A day that dries and winds up to 16:00 and calms through the night, distinct every hour.
HourlyWeather Day(int clockHour) {
    const int h = (clockHour + 23) % 24 + 1;  // 1..24
    const double swing = std::cos((h - 16) * kPi / 12.0);
    return {86.0 + 6.0 * swing + 0.01 * h, 18.0 + 12.0 * swing};
}

// One start and list of elapsed times, and the pieces they cut.
struct PiecesCase {
    const char* name;
    double start;
    std::vector<double> elapsed;
    std::vector<GrowthPiece> pieces;
};

void PrintTo(const PiecesCase& c, std::ostream* out) { *out << c.name; }

class GrowthPiecesCut : public testing::TestWithParam<PiecesCase> {};

TEST_P(GrowthPiecesCut, AtHoursAndRows) {
    const PiecesCase& c = GetParam();
    const auto pieces = GrowthPieces(c.start, c.elapsed);
    ASSERT_EQ(pieces.size(), c.pieces.size());
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        EXPECT_EQ(pieces[i].from, c.pieces[i].from) << "piece " << i;
        EXPECT_EQ(pieces[i].to, c.pieces[i].to) << "piece " << i;
        EXPECT_EQ(pieces[i].clockHour, c.pieces[i].clockHour) << "piece " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    GrowthPieces, GrowthPiecesCut,
    testing::Values(PiecesCase{"half_past",
                               k1430,
                               {15, 30, 45, 60},
                               {{0, 15, 14}, {15, 30, 14}, {30, 45, 15}, {45, 60, 15}}},
                    PiecesCase{"over_midnight",
                               k2200,
                               {0, 15, 15, 120, 180},
                               {{0, 15, 22}, {15, 60, 22}, {60, 120, 23}, {120, 180, 24}}},
                    PiecesCase{
                        "odd_start", 13 * 60 + 50, {90}, {{0, 10, 13}, {10, 70, 14}, {70, 90, 15}}},
                    PiecesCase{"on_the_hour",
                               15 * 60,
                               {15, 30, 45, 60},
                               {{0, 15, 15}, {15, 30, 15}, {30, 45, 15}, {45, 60, 15}}}),
    [](const testing::TestParamInfo<PiecesCase>& row) { return std::string(row.param.name); });

TEST(GrowthPieces, RefusesBadTimes) {
    const std::vector<double> e1 = {15, 30, 45, 60};
    for (const std::vector<double>& bad : {std::vector<double>{30, 15}, std::vector<double>{-1},
                                           std::vector<double>{NAN}, std::vector<double>{1e300}}) {
        EXPECT_THROW(GrowthPieces(k1430, bad), std::invalid_argument);
    }
    EXPECT_THROW(GrowthPieces(NAN, e1), std::invalid_argument);
    EXPECT_THROW(GrowthPieces(-1e300, e1), std::invalid_argument);
}

struct OneWeatherCase {
    const char* name;
    const char* fuel;
    int ignitionType;
};

class OneWeatherGrowth : public testing::TestWithParam<OneWeatherCase> {};

// Under one weather all day the pieces telescope to one call of the engine.
TEST_P(OneWeatherGrowth, EveryRowEqualsOneEngineCall) {
    FbpInputs fire = CalculatorDefaults(GetParam().fuel);
    fire.ignition = IgnitionFromCode(GetParam().ignitionType);
    fire.slope = 20;
    fire.aspect = 135;
    const HourlyWeather w{91, 22};
    const auto rows = AccumulateGrowth(fire, k2200, kRowMinutes, [&](int) { return w; });
    ASSERT_EQ(rows.size(), kRowMinutes.size());
    for (const auto& row : rows) {
        const FbpOutputs one = SingleCall(fire, w, row.elapsedTime);
        const auto near = [&](double got, double want, const char* what) {
            EXPECT_NEAR(got, want, 1e-9 * std::max(1.0, std::fabs(want)))
                << what << " at " << row.elapsedTime << " min";
        };
        near(row.headDistance, one.hsd, "hsd");
        near(row.flankDistance, one.fsd, "fsd");
        near(row.backDistance, one.bsd, "bsd");
        near(row.area, one.area, "area");
        near(row.perimeter, one.perimeter, "perimeter");
        near(row.lengthToBreadth, one.lb, "lb");
        EXPECT_EQ(row.behaviour.hfi, one.hfi);
        EXPECT_EQ(row.behaviour.pgr, one.pgr);
        EXPECT_EQ(row.fireType, ClassifyFireType(one.cfb));
    }
}

std::vector<OneWeatherCase> OneWeatherCases() {
    std::vector<OneWeatherCase> cases;
    for (const FuelTypeRow& row : FuelTypeTable)
        cases.push_back({row.code.data(), row.code.data(), 0});
    for (const char* fuel : {"C1", "S1", "S2", "S3", "O1a", "O1b"})
        cases.push_back({fuel, fuel, 1});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(AccumulatedGrowth, OneWeatherGrowth, testing::ValuesIn(OneWeatherCases()),
                         [](const testing::TestParamInfo<OneWeatherCase>& param) {
                             return std::string(param.param.ignitionType == 0 ? "line_"
                                                                              : "point_") +
                                    param.param.name;
                         });

// A fire through the changing weather of Day: every row adds to the one before.
struct ChangingCase {
    std::string name;
    const char* fuel;
    int ignition;
    double start;
};

void PrintTo(const ChangingCase& c, std::ostream* out) { *out << c.name; }

std::vector<ChangingCase> ChangingCases() {
    std::vector<ChangingCase> cases;
    for (const char* fuel : {"C2", "C4", "M3", "O1a", "D1", "C6"}) {
        for (const int ignition : {0, 1}) {
            for (const auto& [start, label] : {std::pair<double, const char*>{k1430, "1430"},
                                               {k2200, "2200"},
                                               {5.0 * 60 + 45, "0545"}}) {
                cases.push_back({std::string(fuel) + (ignition == 0 ? "_line_" : "_point_") + label,
                                 fuel, ignition, start});
            }
        }
    }
    return cases;
}

class ChangingWeatherGrowth : public testing::TestWithParam<ChangingCase> {};

TEST_P(ChangingWeatherGrowth, GrowsEveryRow) {
    const ChangingCase& c = GetParam();
    FbpInputs fire = CalculatorDefaults(c.fuel);
    fire.ignition = IgnitionFromCode(c.ignition);
    const auto rows = AccumulateGrowth(fire, c.start, kRowMinutes, Day);
    ASSERT_EQ(rows.size(), kRowMinutes.size());
    for (std::size_t k = 1; k < rows.size(); ++k) {
        const auto& a = rows[k - 1];
        const auto& b = rows[k];
        EXPECT_GT(b.headDistance, a.headDistance) << "row " << k;
        EXPECT_GT(b.flankDistance, a.flankDistance) << "row " << k;
        EXPECT_GE(b.backDistance, a.backDistance) << "row " << k;
        EXPECT_GT(b.area, a.area) << "row " << k;
        EXPECT_GT(b.perimeter, a.perimeter) << "row " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(AccumulatedGrowth, ChangingWeatherGrowth,
                         testing::ValuesIn(ChangingCases()),
                         [](const testing::TestParamInfo<ChangingCase>& row) {
                             return row.param.name;
                         });

// The detection assessment from 14:30: the first quarter hour is one piece, so it is one
// engine call; each row's behaviour is its own clock hour's; the source is asked for the
// clock hours the fire burns in, on past midnight.
TEST(AccumulatedGrowth, RowsTakeTheirOwnHours) {
    for (const int ignition : {0, 1}) {
        FbpInputs fire = CalculatorDefaults("C2");
        fire.ignition = IgnitionFromCode(ignition);
        const auto rows = AccumulateGrowth(fire, k1430, kRowMinutes, Day);
        const FbpOutputs first = SingleCall(fire, Day(14), 15);
        EXPECT_EQ(rows[0].headDistance, first.hsd);
        EXPECT_EQ(rows[0].flankDistance, first.fsd);
        EXPECT_EQ(rows[0].backDistance, first.bsd);
        EXPECT_EQ(rows[0].area, first.area);
        EXPECT_NEAR(rows[0].perimeter, first.perimeter, 1e-9);
        for (std::size_t k = 0; k < rows.size(); ++k) {
            const int hour = static_cast<int>(k1430 + kRowMinutes[k]) / 60;
            EXPECT_EQ(rows[k].clockHour, hour) << k;
            EXPECT_EQ(rows[k].behaviour.ros, SingleCall(fire, Day(hour), kRowMinutes[k]).ros) << k;
            EXPECT_EQ(rows[k].behaviour.cfb, SingleCall(fire, Day(hour), kRowMinutes[k]).cfb) << k;
        }
    }

    // Line ignition, 14:30 to 15:30: half an hour under each of two weathers.
    FbpInputs line = CalculatorDefaults("C2");
    line.ignition = IgnitionType::Line;
    const std::vector<double> hour = {60};
    const auto two = AccumulateGrowth(line, k1430, hour, Day);
    const FbpOutputs a = SingleCall(line, Day(14), 60), b = SingleCall(line, Day(15), 60);
    EXPECT_NEAR(two[0].headDistance, 30 * a.ros + 30 * b.ros, 1e-9);
    EXPECT_NEAR(two[0].backDistance, 30 * a.bros + 30 * b.bros, 1e-9);
    EXPECT_NE(a.ros, b.ros);

    std::vector<int> asked;
    AccumulateGrowth(line, k2200, kRowMinutes, [&](int h) {
        asked.push_back(h);
        return Day(h);
    });
    std::vector<int> distinct;
    for (int h : asked) {
        if (distinct.empty() || distinct.back() != h) distinct.push_back(h);
    }
    EXPECT_EQ(distinct.front(), 22);
    EXPECT_EQ(distinct.back(), 26);  // the row at 02:00
}

// A row read as engine outputs: its own behaviour, the size of the fire grown so far.
TEST(AccumulatedGrowth, GrownOutputsTakeTheAccumulatedSize) {
    const FbpInputs fire = CalculatorDefaults("C2");
    const auto rows = AccumulateGrowth(fire, k1430, kRowMinutes, Day);
    ASSERT_FALSE(rows.empty());
    const AccumulatedGrowthRow& row = rows.back();
    const FbpOutputs out = GrownOutputs(row);
    EXPECT_EQ(out.hsd, row.headDistance);
    EXPECT_EQ(out.fsd, row.flankDistance);
    EXPECT_EQ(out.bsd, row.backDistance);
    EXPECT_EQ(out.lb, row.lengthToBreadth);
    EXPECT_EQ(out.area, row.area);
    EXPECT_EQ(out.perimeter, row.perimeter);
    EXPECT_EQ(out.ros, row.behaviour.ros);
    EXPECT_EQ(out.hfi, row.behaviour.hfi);
    EXPECT_EQ(out.cfb, row.behaviour.cfb);
    EXPECT_EQ(out.raz, row.behaviour.raz);
    EXPECT_NE(row.area, row.behaviour.area);  // four hours of changing weather: not one call's
}

TEST(AccumulatedGrowth, RepeatsAndRefuses) {
    const FbpInputs fire = CalculatorDefaults("M3");
    const auto first = AccumulateGrowth(fire, k2200, kRowMinutes, Day);
    const auto second = AccumulateGrowth(fire, k2200, kRowMinutes, Day);
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t k = 0; k < first.size(); ++k) {
        EXPECT_EQ(first[k].area, second[k].area);
        EXPECT_EQ(first[k].perimeter, second[k].perimeter);
    }
    EXPECT_TRUE(AccumulateGrowth(CalculatorDefaults("C9"), k2200, kRowMinutes, Day).empty());

    // No time, no fire: the engine's ratio and a perimeter of 0.
    const std::vector<double> zero = {0};
    const auto none = AccumulateGrowth(fire, k2200, zero, Day);
    EXPECT_EQ(none[0].area, 0.0);
    EXPECT_EQ(none[0].perimeter, 0.0);
    EXPECT_EQ(none[0].lengthToBreadth, SingleCall(fire, Day(22), 0).lb);
}

}  // namespace
}  // namespace emberlin
