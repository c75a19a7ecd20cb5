#include "fwi/fwi_index.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/test_data.h"

namespace emberlin {
namespace {

struct Day {
    double ffmc0, dmc0, dc0;
    int month;
    double t, rh, rain, wind;
};

double Calc(int selector, const Day& d) {
    return CalcFwiIndex(selector, d.ffmc0, d.dmc0, d.dc0, d.month, d.t, d.rh, d.rain, d.wind);
}

// One published worked day (tests/data/fwi_worked_days.csv): the inputs and the seven
// outputs as printed.
struct WorkedDay {
    std::string name;
    Day day;
    std::vector<std::string> expected;  // FFMC, DMC, DC, ISI, BUI, FWI, DSR
};

std::vector<WorkedDay> WorkedDays() {
    std::ifstream csv(test_files::TestDataPath("fwi_worked_days.csv"));
    std::vector<WorkedDay> days;
    for (std::string line; std::getline(csv, line);) {
        if (line.empty() || line[0] == '#' || line.starts_with("name,")) continue;
        std::stringstream stream(line);
        std::vector<std::string> cells;
        for (std::string cell; std::getline(stream, cell, ',');) cells.push_back(cell);
        if (cells.size() != 16) continue;  // counted below
        const Day day{std::stod(cells[1]), std::stod(cells[2]), std::stod(cells[3]),
                      std::stoi(cells[4]), std::stod(cells[5]), std::stod(cells[6]),
                      std::stod(cells[7]), std::stod(cells[8])};
        days.push_back({cells[0], day, {cells.begin() + 9, cells.end()}});
    }
    return days;
}

TEST(CalcFwiIndex, WorkedDaysTableIsComplete) { EXPECT_EQ(WorkedDays().size(), 3u); }

class WorkedDayTest : public testing::TestWithParam<WorkedDay> {};

// Half a unit of the last printed digit; a bare 0 is exactly 0.
TEST_P(WorkedDayTest, EverySelectorMatchesThePrintedValue) {
    const WorkedDay& worked = GetParam();
    for (int selector = 1; selector <= 7; ++selector) {
        const std::string& text = worked.expected[static_cast<std::size_t>(selector - 1)];
        const auto point = text.find('.');
        const double tolerance =
            text == "0" ? 0.0
            : point == std::string::npos
                ? 0.5
                : 0.5 * std::pow(10.0, -static_cast<double>(text.size() - point - 1));
        EXPECT_NEAR(Calc(selector, worked.day), std::stod(text), tolerance)
            << "selector " << selector << " printed " << text;
    }
}

INSTANTIATE_TEST_SUITE_P(Published, WorkedDayTest, testing::ValuesIn(WorkedDays()),
                         [](const testing::TestParamInfo<WorkedDay>& row) {
                             return row.param.name;
                         });

TEST(CalcFwiIndex, SelectorsOutsideTheSevenOutputs) {
    const Day d{85, 6, 15, 4, 17, 42, 0, 25};
    EXPECT_EQ(Calc(0, d), 99.0);
    EXPECT_EQ(Calc(-3, d), 99.0);
    // Stand-alone BUI from yesterday's DMC and DC only; weather and month play no part.
    EXPECT_EQ(CalcFwiIndex(9, 0, 0, 0, 13, 0, 0, 0, 0), 0.0);
    EXPECT_NEAR(CalcFwiIndex(8, 0, 10, 0, 1, 0, 0, 0, 0), 10 - 0.92 - std::pow(0.114, 1.7), 1e-12);
    EXPECT_EQ(CalcFwiIndex(9, 50, 10, 0, 7, 30, 20, 5, 5),
              CalcFwiIndex(8, 0, 10, 0, 1, 0, 0, 0, 0));
    EXPECT_NEAR(CalcFwiIndex(8, 0, 42.4, 309, 0, 0, 0, 0, 0), 63.2, 0.5);
}

TEST(CalcFwiIndex, HumidityAbove99_9IsTakenAs99_9) {
    for (int selector = 1; selector <= 7; ++selector) {
        Day wet{72, 39, 300, 7, 28, 100, 0, 25};
        Day capped = wet;
        capped.rh = 99.9;
        EXPECT_EQ(Calc(selector, wet), Calc(selector, capped)) << "selector " << selector;
    }
}

// Rain of exactly the threshold leaves the code as on a dry day; a little more starts
// that code's rain phase.
TEST(CalcFwiIndex, RainThresholds) {
    struct Threshold {
        int selector;
        double rain;
    };
    const Day dry{72, 39, 300, 7, 28, 50, 0, 25};
    for (Threshold th : {Threshold{1, 0.5}, Threshold{2, 1.5}, Threshold{3, 2.8}}) {
        Day atThreshold = dry;
        atThreshold.rain = th.rain;
        Day above = dry;
        above.rain = th.rain + 0.01;
        EXPECT_EQ(Calc(th.selector, atThreshold), Calc(th.selector, dry)) << th.rain;
        EXPECT_LT(Calc(th.selector, above), Calc(th.selector, dry)) << th.rain;
    }
}

TEST(CalcFwiIndex, ColdTemperaturesEnterTheDuffAndDroughtCodesClamped) {
    // -2 C enters both the DMC and the DC as -1.1; -5 C the DMC as -1.1 and the DC as -2.8.
    const Day base{85, 20, 100, 5, 0, 40, 0, 10};
    Day minus2 = base, minus1_1 = base, minus5 = base, minus3 = base;
    minus2.t = -2;
    minus1_1.t = -1.1;
    minus5.t = -5;
    minus3.t = -3;
    EXPECT_EQ(Calc(2, minus2), Calc(2, minus1_1));
    EXPECT_EQ(Calc(3, minus2), Calc(3, minus1_1));
    EXPECT_EQ(Calc(2, minus5), Calc(2, minus1_1));
    EXPECT_EQ(Calc(3, minus5), Calc(3, minus3));
    EXPECT_NE(Calc(3, minus5), Calc(3, minus2));
    // Lf of May is 3.8f widened: V = 0.5 * (0.36 * 0 + 3.8f).
    EXPECT_EQ(Calc(3, minus5), 100 + 0.5 * static_cast<double>(3.8f));
}

// Inside the form's ranges the chain never yields NaN: an FFMC above 101 is as dry as 101,
// and a BUI whose harmonic mean would cross its pole is 0.
TEST(CalcFwiIndex, MendedBlowUpsStayFinite) {
    const Day hotDry{101, 100, 400, 7, 40, 1, 0, 25};
    for (int selector = 1; selector <= 7; ++selector) {
        EXPECT_TRUE(std::isfinite(Calc(selector, hotDry))) << selector;
    }
    EXPECT_EQ(Calc(1, hotDry), 101.0);

    const Day coldJanuary{85, 0.118, 0, 1, 0, 100, 0, 0};
    EXPECT_EQ(Calc(5, coldJanuary), 0.0);
    for (double dmc0 : {0.0, 0.05, 0.118, 0.12, 0.2, 0.5}) {
        Day d = coldJanuary;
        d.dmc0 = dmc0;
        const double bui = Calc(5, d);
        EXPECT_GE(bui, 0.0);
        EXPECT_LT(bui, 1.0) << "BUI jumps near the pole at DMC " << dmc0;
        EXPECT_TRUE(std::isfinite(Calc(6, d)));
    }
}

TEST(CalcFwiIndex, FireWeatherIndexBranches) {
    // B of exactly 1 gives FWI 1: BUI 0 gives fD = 2, so ISI 5 gives B = 1. Find a day
    // with BUI 0 and check FWI = 0.2 * ISI below 1.
    const Day d{85, 1, 0, 1, 0, 50, 0, 10};
    EXPECT_NEAR(Calc(6, d), 0.1 * Calc(4, d) * 2.0, 1e-12);
    // DSR follows from FWI.
    const Day start{72, 39, 300, 7, 28, 50, 0, 25};
    EXPECT_NEAR(Calc(7, start), 0.0272 * std::pow(Calc(6, start), 1.77), 1e-12);
}

}  // namespace
}  // namespace emberlin
