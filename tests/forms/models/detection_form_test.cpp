#include "forms/models/detection_form.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "diurnal/diurnal_weather.h"
#include "diurnal/hourly_ffmc.h"
#include "fbp/accumulated_growth.h"
#include "fbp/fbp_engine.h"
#include "forms/kit/recording_host.h"
#include "forms/models/diurnal_form.h"
#include "forms/models/fbp_calc_form.h"
#include "heading_captions.h"
#include "support/diurnal_day.h"

namespace emberlin::forms {
namespace {

// The engine inputs of one row with the form's initial inputs, written out field by field.
FbpInputs RowInputs(const char* code, int ignition, double elapsed, double ffmc, double wind) {
    FbpInputs in;
    in.fuelType = code;
    in.ignition = IgnitionFromCode(ignition);
    in.elapsedTime = elapsed;
    in.ffmc = ffmc;
    in.bui = 40;
    in.windSpeed = wind;
    in.windDirection = 0;
    in.slope = 0;
    in.aspect = 0;
    in.pc = 50;
    in.pdf = 50;
    in.gc = 85;
    in.gfl = 0.3;
    in.julianDay = 196;  // 15 July
    in.minFmcDay = 0;
    in.latitude = 55;
    in.longitude = -110;
    in.elevation = 0;
    in.buiEffect = BuiSwitch::On;
    in.fmc = 0;
    in.theta = 0;
    return in;
}

// The engine call of one row.
FbpOutputs RowOutputs(const char* code, int ignition, double elapsed, double ffmc, double wind) {
    FbpOutputs out;
    EXPECT_EQ(ComputeFbp(RowInputs(code, ignition, elapsed, ffmc, wind), out), FbpResult::Computed);
    return out;
}

// The rows the form must show for a C2 fire started at `startMinutes`: each row's rates are
// the engine's at its elapsed time under the weather of hourly slot `slots[k]`, with the
// ignition shown; its area and perimeter are those of the one fire grown hour by hour.
std::array<std::string, 10> GrownRows(const HandOver& shared, int ignition, int startMinutes,
                                      const std::array<int, 10>& labels,
                                      const std::array<std::size_t, 10>& slots) {
    const std::vector<double> elapsed(kDetectionElapsedMinutes.begin(),
                                      kDetectionElapsedMinutes.end());
    const auto grown =
        AccumulateGrowth(RowInputs("C2", ignition, 0, 0, 0), startMinutes, elapsed, [&](int hour) {
            const auto slot = static_cast<std::size_t>(HourlySlot(hour));
            return HourlyWeather{shared.hourly->ffmc[slot], shared.hourly->windSpeed[slot]};
        });
    std::array<std::string, 10> rows;
    EXPECT_EQ(grown.size(), 10u);
    for (std::size_t k = 0; k < 10 && k < grown.size(); ++k) {
        FbpOutputs out = RowOutputs("C2", ignition, elapsed[k], shared.hourly->ffmc[slots[k]],
                                    shared.hourly->windSpeed[slots[k]]);
        out.area = grown[k].area;
        out.perimeter = grown[k].perimeter;
        rows[k] = FormatDetectionRow(labels[k], static_cast<int>(k), out, true).text;
    }
    return rows;
}

// The area cell of every row, read back as a number.
std::vector<double> AreaCells(const DetectionForm& form) {
    std::vector<double> areas;
    for (const auto& cells : form.Table().cells) {
        if (cells.size() > 8) areas.push_back(std::stod(cells[8]));
    }
    return areas;
}

const std::array<std::string, 10> kEmptyRows{};

constexpr std::array<int, 10> kElapsed = {15, 30, 45, 60, 75, 90, 105, 120, 180, 240};

std::array<std::string, 10> Rows(const DetectionForm& form) {
    std::array<std::string, 10> rows;
    for (int k = 0; k < 10; ++k)
        rows[static_cast<std::size_t>(k)] = form.Text(DetectionForm::RowId(k));
    return rows;
}

bool Clean(const std::string& row) {
    return row.find("---") == std::string::npos && row.find("nan") == std::string::npos &&
           row.find("inf") == std::string::npos;
}

class DetectionFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form.AttachHost(host);
        form.Open();
    }
    HandOver shared;
    DetectionForm form{shared};
    RecordingHost host;
};

TEST_F(DetectionFormTest, FirstDisplayDeclaresEveryFieldInStoringOrder) {
    struct Field {
        const char* id;
        const char* label;
        const char* text;
        double min, max;
    };
    const Field fields[] = {
        {"aspect", "Aspect", "0", 0, 360},
        {"bui", "BUI", "40", 0, 650},
        {"day", "Day", "15", 1, 31},
        {"elevation", "Elevation (m)", "0", 0, 3000},
        {"ffmc", "FFMC", "87", 0, 101},
        {"latitude", "Latitude    ( d.d )  ", "55", 30, 90},
        {"longitude", "Longitude      ( d.d )", "-110", -170, 170},
        {"month", "Month", "7", 1, 12},
        {"windDirection", "Wind Direction      ( deg )", "0", 0, 360},
        {"gc", "% Grass Curing ( O1a/1b)", "85", 0, 100},
        {"pdf", "% Dead Balsam in M3/M4", "50", 0, 100},
        {"gfl", "Grass Fuel Load (O1a/O1b)               ( kg / m2 )", "0.3", 0, 5},
        {"pc", "% Conifer in Mixedwood", "50", 0, 100},
        {"windSpeed", "Wind Speed     ( km/hr )", "25", 0, 150},
        {"slope", "Slope   ( % )", "0", 0, 100},
        {"fireStartTime", "Fire Start Time", "1430", 0, 2400},
    };
    const std::vector<const Control*> controls = form.Controls();
    ASSERT_GE(controls.size(), std::size(fields));
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        const Control& c = *controls[i];
        EXPECT_EQ(c.id, fields[i].id) << "storing order at " << i;
        EXPECT_EQ(c.label, fields[i].label) << c.id;
        EXPECT_EQ(c.text, fields[i].text) << c.id;
        EXPECT_EQ(c.minValue, fields[i].min) << c.id;
        EXPECT_EQ(c.maxValue, fields[i].max) << c.id;
        EXPECT_EQ(c.readOnly, c.id == "ffmc" || c.id == "windSpeed") << c.id;
    }
    EXPECT_EQ(form.Title(), "EMBERLIN - FBP Detection Assessment");
    EXPECT_EQ(form.GetControl("fuelD1").label, "D1 - Aspen - Leafless ");
    EXPECT_EQ(form.GetControl("fuelM4").label, "M4 - Dead Balsam Fire / Mixedwood - Green");
    EXPECT_EQ(form.GetControl("fuelO1b").label, "O1b - Standing Grass");
    for (int i = 0; i < 18; ++i) {
        EXPECT_EQ(form.IsChecked(FuelBoxId(i)), i == kC2) << i;
    }
    EXPECT_TRUE(form.IsChecked("pointIgnition"));
    EXPECT_FALSE(form.IsChecked("lineIgnition"));
    EXPECT_TRUE(form.IsChecked("defaultSettings"));
    EXPECT_FALSE(form.IsChecked("fbpSettings"));
    EXPECT_EQ(form.GetControl("fbpSettings").label, "Settings from FBP Calculator");
    EXPECT_EQ(Rows(form), kEmptyRows);
    EXPECT_EQ(form.GetControl("calculate").label, "CALCULATE");
}

// Row 1 of the calculator's default C2 fire, against which each caption is placed: the caption
// and the value it heads share columns.
class DetectionHeadings : public DetectionFormTest, public ::testing::WithParamInterface<Caption> {
  protected:
    void SetUp() override {
        DetectionFormTest::SetUp();
        shared.hourly.emplace();
        shared.hourly.Edit().ffmc[14] = 87;
        shared.hourly.Edit().windSpeed[14] = 25;
        form.Click("calculate");
        row = form.Text("row1");
        for (int line = 0; line < DetectionForm::kHeadingLineCount; ++line) {
            lines[static_cast<std::size_t>(line)] = form.Text(DetectionForm::HeadingId(line));
        }
    }
    std::string row;
    std::array<std::string, DetectionForm::kHeadingLineCount> lines;
};

TEST_P(DetectionHeadings, StandOverTheirColumns) { ExpectCaptionOverValue(GetParam(), lines, row); }

INSTANTIATE_TEST_SUITE_P(
    DetectionFormTest, DetectionHeadings,
    ::testing::Values(
        Caption{"head_group", 0, "------ HEAD------", 1, "6824.2"},
        Caption{"flank_group", 0, "------ FLANK -------", 1, "809.0"},
        Caption{"back_group", 0, "----- BACK -----", 1, "138.7"},
        Caption{"hour", 1, "HOUR", 1, "1445"}, Caption{"time", 1, "TIME (min)", 1, "15"},
        Caption{"head_ros", 1, "ROS", 1, "11.1"}, Caption{"head_hfi", 1, "HFI", 1, "6824.2"},
        Caption{"flank_ros", 1, "ROS", 2, "1.8"}, Caption{"flank_hfi", 1, "HFI", 2, "809.0"},
        Caption{"back_ros", 1, "ROS", 3, "0.3"}, Caption{"back_hfi", 1, "HFI", 3, "138.7"},
        Caption{"area", 1, "Area", 1, "0.2"}, Caption{"perimeter", 1, "Perimeter", 1, "179.8"},
        Caption{"pgr", 1, "PGR", 1, "25.1"}, Caption{"cfb", 1, "CFB", 1, "0.8"},
        Caption{"fire_type", 1, "Type Fire", 1, "Intermittent"}, Caption{"poc", 1, "POC", 1, "87"},
        Caption{"head_ros_unit", 2, "(m/min)", 1, "11.1"},
        Caption{"head_hfi_unit", 2, "(kW/m)", 1, "6824.2"},
        Caption{"flank_ros_unit", 2, "(m/min)", 2, "1.8"},
        Caption{"flank_hfi_unit", 2, "(kW/m)", 2, "809.0"},
        Caption{"back_ros_unit", 2, "(m/min)", 3, "0.3"},
        Caption{"back_hfi_unit", 2, "(kW/m)", 3, "138.7"},
        Caption{"area_unit", 2, "( ha )", 1, "0.2"},
        Caption{"perimeter_unit", 2, "( m )", 1, "179.8"},
        Caption{"pgr_unit", 2, "( m )", 2, "25.1"}, Caption{"poc_unit", 2, "( % )", 1, "87"}),
    CaptionName);

TEST_F(DetectionFormTest, DrivenAfterTheDiurnalAndFbpCalculators) {
    // The two producing forms, pressed with their initial values.
    DiurnalForm diurnal(shared);
    diurnal.Open();
    diurnal.Click("calculate");
    FbpCalcForm fbp(shared);
    fbp.Open();
    fbp.Click("calculate");
    HandOver published;
    ASSERT_TRUE(testing_support::PublishDiurnalDay(published));
    EXPECT_EQ(shared.hourly->ffmc, published.hourly->ffmc);
    EXPECT_EQ(shared.hourly->windSpeed, published.hourly->windSpeed);

    form.Click("fbpSettings");
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_TRUE(form.IsChecked("fbpSettings"));
    EXPECT_TRUE(form.IsChecked("fuelC2"));
    EXPECT_TRUE(form.IsChecked("pointIgnition"));
    form.Click("calculate");
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_TRUE(form.IsChecked("fbpSettings"));  // nothing typed: the source still shows
    // Each row reads the FFMC and wind of the hour its clock time falls in.
    const std::array<int, 10> labels = {1445, 1500, 1515, 1530, 1545, 1600, 1615, 1630, 1730, 1830};
    const std::array<std::size_t, 10> hours = {14, 15, 15, 15, 15, 16, 16, 16, 17, 18};
    const auto rows = Rows(form);
    const auto expected = GrownRows(shared, 1, 14 * 60 + 30, labels, hours);
    for (std::size_t k = 0; k < 10; ++k) {
        EXPECT_EQ(rows[k], expected[k]) << k;
        EXPECT_TRUE(Clean(rows[k])) << rows[k];
    }
}

// A start time typed in the form: the rows' clock labels and the hourly slots whose FFMC and
// wind they burn under.
struct StartCase {
    const char* name;
    const char* typed;
    std::array<int, 10> labels;
    std::array<std::size_t, 10> slots;
};

void PrintTo(const StartCase& c, std::ostream* out) { *out << c.name; }

class DetectionStartTimes : public DetectionFormTest,
                            public ::testing::WithParamInterface<StartCase> {};

TEST_P(DetectionStartTimes, GiveClockLabelsAndWrapAroundTheDay) {
    const StartCase& c = GetParam();
    ASSERT_TRUE(testing_support::PublishDiurnalDay(shared));
    TypeKeys(form, "fireStartTime", c.typed);
    form.Click("calculate");
    ASSERT_TRUE(host.Messages().empty());
    const auto rows = Rows(form);
    const int hhmm = std::stoi(c.typed);
    const auto expected = GrownRows(shared, 1, hhmm / 100 * 60 + hhmm % 100, c.labels, c.slots);
    for (std::size_t k = 0; k < 10; ++k) {
        EXPECT_EQ(rows[k], expected[k]) << k;
        EXPECT_TRUE(Clean(rows[k])) << rows[k];
        // Never the empty slot 0, whose FFMC of 0 would leave the fire standing still.
        EXPECT_GT(shared.hourly->ffmc[c.slots[k]], 50.0) << k;
    }
    const std::vector<double> areas = AreaCells(form);
    EXPECT_EQ(areas.size(), 10u);
    for (std::size_t k = 1; k < areas.size(); ++k) EXPECT_GE(areas[k], areas[k - 1]) << k;
}

INSTANTIATE_TEST_SUITE_P(
    DetectionFormTest, DetectionStartTimes,
    ::testing::Values(StartCase{"start_1410",
                                "1410",
                                {1425, 1440, 1455, 1510, 1525, 1540, 1555, 1610, 1710, 1810},
                                {14, 14, 14, 15, 15, 15, 15, 16, 17, 18}},
                      // Minutes above 59 count as minutes: 14 h and 75 min is 15:15.
                      // 00:45 lies in hour 0, the midnight that ends the repeating day: slot 24.
                      StartCase{"half_past_midnight",
                                "0030",
                                {45, 100, 115, 130, 145, 200, 215, 230, 330, 430},
                                {24, 1, 1, 1, 1, 2, 2, 2, 3, 4}},
                      // Midnight reads 2400; the next day's clock starts again: 01:00 and 02:00.
                      StartCase{"past_midnight",
                                "2200",
                                {2215, 2230, 2245, 2300, 2315, 2330, 2345, 2400, 100, 200},
                                {22, 22, 22, 23, 23, 23, 23, 24, 1, 2}},
                      StartCase{"at_midnight",
                                "2400",
                                {15, 30, 45, 100, 115, 130, 145, 200, 300, 400},
                                {24, 24, 24, 1, 1, 1, 1, 2, 3, 4}}),
    [](const ::testing::TestParamInfo<StartCase>& row) { return std::string(row.param.name); });

TEST(DetectionClockLabelTest, LabelsRollOverMidnight) {
    const std::pair<int, int> cases[] = {{0, 0},       {45, 45},     {14 * 60 + 45, 1445},
                                         {1440, 2400}, {1455, 15},   {1500, 100},
                                         {1560, 200},  {2880, 2400}, {2895, 15}};
    for (auto [minutes, label] : cases) EXPECT_EQ(DetectionClockLabel(minutes), label) << minutes;
}

TEST_F(DetectionFormTest, StartedAtTenAtNightTheFireGrowsPastMidnight) {
    // The default inputs and the diurnal calculator's day; the night brings calmer, damper
    // hours, yet the fire only grows.
    ASSERT_TRUE(testing_support::PublishDiurnalDay(shared));
    TypeKeys(form, "fireStartTime", "2200");
    form.Click("calculate");
    ASSERT_TRUE(host.Messages().empty());
    const auto rows = Rows(form);
    for (const std::string& row : rows) EXPECT_FALSE(row.empty());
    EXPECT_EQ(rows[9].substr(1, 5), " 200 ");
    EXPECT_EQ(rows[7].substr(1, 6), " 2400 ");
    const std::vector<double> areas = AreaCells(form);
    ASSERT_EQ(areas.size(), 10u);
    const auto& grown = form.GrowthRows();
    ASSERT_EQ(grown.size(), 10u);
    for (std::size_t k = 1; k < 10; ++k) {
        EXPECT_GE(areas[k], areas[k - 1]) << k;
        EXPECT_GE(grown[k].area, grown[k - 1].area) << k;
        EXPECT_GE(grown[k].perimeter, grown[k - 1].perimeter) << k;
        EXPECT_GE(grown[k].headDistance, grown[k - 1].headDistance) << k;
        EXPECT_GE(grown[k].flankDistance, grown[k - 1].flankDistance) << k;
        EXPECT_GE(grown[k].backDistance, grown[k - 1].backDistance) << k;
    }
    EXPECT_GT(areas[9], areas[6]);  // the night hours add to the fire, not take from it

    form.Click("calculate");  // a second CALCULATE gives the same table
    EXPECT_EQ(Rows(form), rows);
    EXPECT_EQ(form.GrowthRows().back().area, grown.back().area);
}

// Under one weather for every hour, each row is the engine's own fire burned for the row's
// whole elapsed time: always for a line ignition, and for a point ignition in the fuel types
// whose build-up does not depend on the crown fraction burned.
struct OneWeatherCase {
    std::string fuel;
    const char* ignitionBox;
    int ignition;
};

void PrintTo(const OneWeatherCase& c, std::ostream* out) { *out << c.fuel << " " << c.ignitionBox; }

std::vector<OneWeatherCase> OneWeatherCases() {
    std::vector<OneWeatherCase> cases;
    for (const char* fuel : {"C1", "S1", "S2", "S3", "O1a", "O1b"})
        cases.push_back({fuel, "pointIgnition", 1});
    for (const FuelTypeRow& row : FuelTypeTable)
        cases.push_back({std::string(row.code), "lineIgnition", 0});
    return cases;
}

class DetectionOneWeather : public DetectionFormTest,
                            public ::testing::WithParamInterface<OneWeatherCase> {};

TEST_P(DetectionOneWeather, EveryRowIsOneEngineCall) {
    const OneWeatherCase& c = GetParam();
    shared.hourly.emplace();
    shared.hourly.Edit().ffmc.fill(91);
    shared.hourly.Edit().windSpeed.fill(18);
    TypeKeys(form, "fireStartTime", "2200");  // the fire still crosses hours and midnight
    form.Click("fuel" + c.fuel);
    form.Click(c.ignitionBox);
    form.Click("calculate");
    ASSERT_TRUE(host.Messages().empty());
    const auto& grown = form.GrowthRows();
    ASSERT_EQ(grown.size(), 10u);
    for (std::size_t k = 0; k < 10; ++k) {
        const FbpOutputs one = RowOutputs(c.fuel.c_str(), c.ignition, kElapsed[k], 91, 18);
        EXPECT_NEAR(grown[k].headDistance, one.hsd, 1e-9) << k;
        EXPECT_NEAR(grown[k].flankDistance, one.fsd, 1e-9) << k;
        EXPECT_NEAR(grown[k].backDistance, one.bsd, 1e-9) << k;
        EXPECT_NEAR(grown[k].area, one.area, 1e-9) << k;
        EXPECT_NEAR(grown[k].perimeter, one.perimeter, 1e-9) << k;
        EXPECT_EQ(grown[k].behaviour.ros, one.ros) << k;
        EXPECT_EQ(grown[k].behaviour.cfb, one.cfb) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(DetectionFormTest, DetectionOneWeather,
                         ::testing::ValuesIn(OneWeatherCases()),
                         [](const ::testing::TestParamInfo<OneWeatherCase>& row) {
                             return row.param.fuel + "_" +
                                    (row.param.ignition == 1 ? "point" : "line");
                         });

TEST_F(DetectionFormTest, CalculateUsesTheIgnitionShownForEveryRow) {
    ASSERT_TRUE(testing_support::PublishDiurnalDay(shared));
    form.Click("calculate");
    const auto first = Rows(form);
    form.Click("calculate");
    EXPECT_EQ(Rows(form), first);  // the same visible inputs give the same table
    EXPECT_EQ(form.Ignition(), IgnitionType::Point);
    EXPECT_TRUE(form.IsChecked("pointIgnition"));

    form.Click("lineIgnition");
    EXPECT_FALSE(form.IsChecked("pointIgnition"));
    EXPECT_TRUE(form.IsChecked("lineIgnition"));
    form.Click("calculate");
    const auto line = Rows(form);
    const FbpOutputs out =
        RowOutputs("C2", 0, 15, shared.hourly->ffmc[14], shared.hourly->windSpeed[14]);
    EXPECT_EQ(line[0], FormatDetectionRow(1445, 0, out, true).text);
    // Every row follows the ignition shown: a line fire is larger at every time than the
    // point fire that must first build up.
    const auto lineAreas = AreaCells(form);
    form.Click("pointIgnition");
    form.Click("calculate");
    EXPECT_EQ(Rows(form), first);
    const auto pointAreas = AreaCells(form);
    ASSERT_EQ(lineAreas.size(), 10u);
    ASSERT_EQ(pointAreas.size(), 10u);
    for (std::size_t k = 0; k < 10; ++k) {
        EXPECT_NE(line[k], first[k]) << k;
        EXPECT_GT(lineAreas[k], pointAreas[k]) << k;
    }
}

TEST_F(DetectionFormTest, DefaultC2RowIsTheCalculatorsFireWithItsContainmentOdds) {
    // Hour 14 carrying the FBP calculator's FFMC and wind makes row 1 its default fire.
    ASSERT_TRUE(testing_support::PublishDiurnalDay(shared));
    shared.hourly.Edit().ffmc[14] = 87;
    shared.hourly.Edit().windSpeed[14] = 25;
    form.Click("calculate");
    const std::string expected =
        std::string(" ") + " 1445 " + "   " + "   15  " + "   " + " 11.1 " + "   " + "6824.2" +
        "        " + "   1.8" + "   " + " 809.0 " + "        " + "   0.3 " + "   " + " 138.7 " +
        "        " + "     0.2 " + "     " + " 179.8 " + "     " + "   25.1 " + "     " +
        "     0.8 " + "     " + "Intermittent" + "     " + "   87";
    EXPECT_EQ(form.Text("row1"), expected);
    EXPECT_EQ(form.Text("row1").size(), 167u);

    // Any other fuel type ends each row with five spaces after the type of fire.
    form.Click("fuelC3");
    form.Click("calculate");
    for (const std::string& row : Rows(form)) {
        EXPECT_GE(row.size(), 17u);
        if (row.size() < 17u) continue;
        const std::string tail = row.substr(row.size() - 17);
        EXPECT_TRUE(tail == "  Surface        " || tail == "Intermittent     " ||
                    tail == "   Crown         ")
            << row;
    }
}

TEST(DetectionRowTextTest, PiecesFollowTheMagnitudeOfEachValue) {
    auto outputs = [](double v, double cfb) {
        FbpOutputs out;
        out.ros = out.hfi = out.fros = out.ffi = out.bros = out.bfi = v;
        out.area = out.perimeter = out.pgr = v;
        out.cfb = cfb;
        return out;
    };
    const std::string start = std::string(" ") + " 945 " + "   " + " 105  ";
    struct Case {
        const char* name;
        FbpOutputs out;
        std::string expected;
    };
    const Case cases[] = {
        {"below 10", outputs(5, 0.0999),
         start + "   " + "     5.0 " + "   " + "     5.0" + "        " + "   5.0" + "   " +
             "     5.0 " + "        " + "   5.0 " + "   " + "     5.0 " + "        " + "     5.0 " +
             "     " + "     5.0 " + "     " + "     5.0 " + "     " + "     0.1 " + "     " +
             "  Surface   " + "     "},
        // Chosen on the unrounded value: 9.96 prints as 10.0 in the below-10 layout.
        {"just below 10", outputs(9.96, 0.1),
         start + "   " + "    10.0 " + "   " + "    10.0" + "        " + "  10.0" + "   " +
             "    10.0 " + "        " + "  10.0 " + "   " + "    10.0 " + "        " + "    10.0 " +
             "     " + "    10.0 " + "     " + "    10.0 " + "     " + "     0.1 " + "     " +
             "Intermittent" + "     "},
        {"exactly 10", outputs(10, 0.9),
         start + "   " + " 10.0 " + "   " + "   10.0" + "        " + " 10.0" + "   " + "   10.0 " +
             "        " + " 10.0 " + "   " + "   10.0 " + "        " + "   10.0 " + "     " +
             "   10.0 " + "     " + "   10.0 " + "     " + "     0.9 " + "     " + "   Crown    " +
             "     "},
        // An area of exactly 100 keeps the two spaces of the class below.
        {"exactly 100", outputs(100, 1),
         start + "   " + "100.0 " + "   " + " 100.0" + "        " + "100.0" + "   " + " 100.0 " +
             "        " + "100.0 " + "   " + " 100.0 " + "        " + "  100.0 " + "     " +
             " 100.0 " + "     " + " 100.0 " + "     " + "     1.0 " + "     " + "   Crown    " +
             "     "},
        {"exactly 1000", outputs(1000, 0),
         start + "   " + "1000.0 " + "   " + "1000.0" + "        " + "1000.0" + "   " + "1000.0 " +
             "        " + "1000.0 " + "   " + "1000.0 " + "        " + "1000.0 " + "     " +
             "1000.0 " + "     " + " 1000.0 " + "     " + "     0.0 " + "     " + "  Surface   " +
             "     "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatDetectionRow(945, 6, c.out, false).text, c.expected) << c.name;

    // C2 rows end with the probability of containment.
    const std::string withPoc = FormatDetectionRow(945, 6, outputs(0, 0), true).text;
    EXPECT_EQ(withPoc.substr(withPoc.size() - 22),
              "  Surface        "
              "   99");
}

TEST_F(DetectionFormTest, ErrorMessagesWhenNoCalculatorHasRun) {
    form.Click("calculate");
    EXPECT_EQ(host.Messages(), std::vector<std::string>{
                                   "ERROR - This program requires hourly calculations, RUN the "
                                   "DIURNAL TOOL Calcualtor in order to Create the Hourly Values"});
    EXPECT_EQ(Rows(form), kEmptyRows);

    host.ClearEvents();
    TypeKeys(form, "bui", "55");
    form.Click("fbpSettings");
    EXPECT_EQ(host.Messages(),
              std::vector<std::string>{
                  "ERROR - You must RUN the FBP Calculator First in order to Create the Values"});
    EXPECT_FALSE(form.IsChecked("defaultSettings"));
    EXPECT_FALSE(form.IsChecked("fbpSettings"));
    EXPECT_EQ(form.Text("bui"), "55");
    EXPECT_EQ(form.Text("latitude"), "55");
    EXPECT_EQ(form.SelectedFuelType(), kC2);
}

TEST_F(DetectionFormTest, SettingsFromFbpCalculatorCopyRoundAndSelect) {
    ASSERT_TRUE(testing_support::PublishDiurnalDay(shared));
    TypeKeys(form, "fireStartTime", "1200");
    form.Click("calculate");
    ASSERT_FALSE(form.Text("row1").empty());

    shared.fbp.emplace();
    shared.fbp.Edit().fuelIndex = kM3;
    shared.fbp.Edit().ignition = IgnitionType::Line;
    shared.fbp.Edit().ffmc = 88.5;       // rounds up to 89
    shared.fbp.Edit().site.bui = 40.49;  // rounds down to 40
    shared.fbp.Edit().windSpeed = 12.5;
    shared.fbp.Edit().site.windDirection = 270.5;
    shared.fbp.Edit().site.slope = 12.25;
    shared.fbp.Edit().site.aspect = 45.5;
    shared.fbp.Edit().site.pc = 75;  // percentages are whole numbers
    shared.fbp.Edit().site.pdf = 33;
    shared.fbp.Edit().site.gc = 60;
    shared.fbp.Edit().site.gfl = 0.75;
    shared.fbp.Edit().elapsedTime = 30;
    shared.fbp.Edit().site.latitude = 48.25;
    shared.fbp.Edit().site.longitude = -95.5;
    shared.fbp.Edit().site.elevation = 350;
    shared.fbp.Edit().month = 8;
    shared.fbp.Edit().day = 3;
    form.Click("fbpSettings");
    EXPECT_TRUE(host.Messages().empty());

    const std::pair<const char*, const char*> texts[] = {
        {"ffmc", "89"},       {"bui", "40"},      {"windSpeed", "13"},   {"windDirection", "270.5"},
        {"slope", "12.25"},   {"aspect", "45.5"}, {"pc", "75"},          {"pdf", "33"},
        {"gc", "60"},         {"gfl", "0.75"},    {"latitude", "48.25"}, {"longitude", "-95.5"},
        {"elevation", "350"}, {"month", "8"},     {"day", "3"},          {"fireStartTime", "1200"},
    };
    for (auto [id, text] : texts) EXPECT_EQ(form.Text(id), text) << id;
    EXPECT_EQ(Rows(form), kEmptyRows);
    for (int i = 0; i < 18; ++i) EXPECT_EQ(form.IsChecked(FuelBoxId(i)), i == kM3) << i;
    EXPECT_FALSE(form.IsChecked("pointIgnition"));
    EXPECT_TRUE(form.IsChecked("lineIgnition"));
    EXPECT_FALSE(form.IsChecked("defaultSettings"));
    EXPECT_TRUE(form.IsChecked("fbpSettings"));
    EXPECT_EQ(form.SelectedFuelType(), kM3);
    EXPECT_EQ(form.Ignition(), IgnitionType::Line);

    // The next CALCULATE computes M3 rows without containment odds; the form has been
    // typed in, so it no longer claims a settings source.
    form.Click("calculate");
    EXPECT_FALSE(form.IsChecked("fbpSettings"));
    EXPECT_EQ(form.Text("row1").substr(form.Text("row1").size() - 5), "     ");
}

TEST_F(DetectionFormTest, RefusedValuesStopCalculateAndTheHandOver) {
    ASSERT_TRUE(testing_support::PublishDiurnalDay(shared));
    form.Click("calculate");
    const auto before = Rows(form);

    // A held month 13 never reaches the day-of-year table.
    TypeKeys(form, "month", "13");
    EXPECT_EQ(host.WarningFor("month"), "Please enter an integer between 1 and 12.");
    EXPECT_TRUE(host.Messages().empty());
    form.Click("calculate");
    EXPECT_EQ(host.Messages(),
              std::vector<std::string>{"Month: Please enter an integer between 1 and 12."});
    EXPECT_EQ(host.FocusedControl(), "month");
    EXPECT_TRUE(host.FocusSelectedText());
    EXPECT_EQ(Rows(form), before);
    EXPECT_TRUE(form.IsChecked("defaultSettings"));  // nothing changes on a refusal

    // A refused field also stops "Settings from FBP Calculator".
    shared.fbp.emplace();
    shared.fbp.Edit().month = 6;
    shared.fbp.Edit().day = 1;
    shared.fbp.Edit().site.latitude = 50;
    shared.fbp.Edit().site.longitude = -100;
    shared.fbp.Edit().fuelIndex = kC4;
    shared.fbp.Edit().ignition = IgnitionType::Point;
    host.ClearEvents();
    form.Click("fbpSettings");
    EXPECT_EQ(host.Messages(),
              std::vector<std::string>{"Month: Please enter an integer between 1 and 12."});
    EXPECT_FALSE(form.IsChecked("fbpSettings"));
    EXPECT_EQ(form.Text("month"), "13");
    EXPECT_EQ(form.SelectedFuelType(), kC2);

    // A value outside this form's range after rounding is named, and nothing is taken over.
    TypeKeys(form, "month", "7");
    shared.fbp.Edit().ffmc = 100.5;       // rounds to 101: still inside
    shared.fbp.Edit().windSpeed = 150.5;  // rounds to 151: outside 0..150
    host.ClearEvents();
    form.Click("fbpSettings");
    EXPECT_EQ(host.Messages(),
              std::vector<std::string>{"Nothing was taken over from the FBP Calculator: its Wind "
                                       "Speed ( km/hr ) gives 151, outside this form's range of 0 "
                                       "to 150."});
    EXPECT_FALSE(form.IsChecked("fbpSettings"));
    EXPECT_EQ(form.Text("windSpeed"), "25");
    EXPECT_EQ(form.Text("ffmc"), "87");
    EXPECT_EQ(form.Text("latitude"), "55");
    EXPECT_EQ(form.SelectedFuelType(), kC2);
    EXPECT_EQ(Rows(form), before);

    // The form still closes: no refused value sits in a read-only field.
    form.Click("exit");
    EXPECT_TRUE(host.Closed());
    EXPECT_TRUE(host.Accepted());
}

TEST_F(DetectionFormTest, TypingChecksAtOnceAndDefaultPutsEverythingBack) {
    EXPECT_FALSE(form.InputsEdited());
    form.TypeText("latitude", "4");
    EXPECT_EQ(host.WarningFor("latitude"), "Please enter a number between 30 and 90.");
    form.TypeText("latitude", "45");
    EXPECT_EQ(host.WarningFor("latitude"), "");
    form.TypeText("bui", "");
    EXPECT_EQ(form.Text("bui"), "");
    EXPECT_EQ(host.WarningFor("bui"), "Please enter a number.");
    EXPECT_TRUE(form.InputsEdited());
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_FALSE(form.TypeText("ffmc", "90"));  // display only
    EXPECT_FALSE(form.TypeText("windSpeed", "9"));

    // The selection boxes leave typed text as typed.
    TypeKeys(form, "slope", "5.");
    form.Click("fuelO1a");
    form.Click("lineIgnition");
    EXPECT_EQ(form.Text("slope"), "5.");
    EXPECT_EQ(form.Text("bui"), "");
    EXPECT_EQ(form.SelectedFuelType(), kO1a);
    EXPECT_EQ(form.Ignition(), IgnitionType::Line);
    EXPECT_FALSE(form.IsChecked("defaultSettings"));

    form.Click("exit");
    EXPECT_FALSE(host.Closed());
    EXPECT_EQ(host.FocusedControl(), "bui");

    host.ClearEvents();
    form.Click("defaultSettings");
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_TRUE(host.Warnings().empty());
    EXPECT_EQ(form.Text("bui"), "40");
    EXPECT_EQ(form.Text("latitude"), "55");
    EXPECT_EQ(form.Text("slope"), "0");
    EXPECT_EQ(form.SelectedFuelType(), kC2);
    EXPECT_TRUE(form.IsChecked("fuelC2"));
    EXPECT_FALSE(form.IsChecked("fuelO1a"));
    EXPECT_EQ(form.Ignition(), IgnitionType::Point);
    EXPECT_TRUE(form.IsChecked("pointIgnition"));
    EXPECT_TRUE(form.IsChecked("defaultSettings"));
    form.Click("exit");
    EXPECT_TRUE(host.Closed());
}

TEST_F(DetectionFormTest, CancelKeepsWhatWasStoredAndTheTable) {
    ASSERT_TRUE(testing_support::PublishDiurnalDay(shared));
    form.Click("calculate");
    const auto rows = Rows(form);
    TypeKeys(form, "bui", "80");
    form.TypeText("aspect", "x");
    form.Click("fuelC7");
    form.Click("cancel");
    EXPECT_TRUE(host.Closed());
    EXPECT_FALSE(host.Accepted());
    form.Open();
    EXPECT_EQ(form.Text("bui"), "80");
    EXPECT_EQ(form.Text("aspect"), "0");
    EXPECT_TRUE(form.IsChecked("fuelC7"));
    EXPECT_EQ(Rows(form), rows);
}

}  // namespace
}  // namespace emberlin::forms
