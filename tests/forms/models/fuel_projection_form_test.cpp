#include "forms/models/fuel_projection_form.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "fbp/fbp_engine.h"
#include "forms/kit/recording_host.h"
#include "heading_captions.h"

namespace emberlin::forms {
namespace {

constexpr std::array<const char*, 18> kCodes = {"C1", "C2", "C3", "C4", "C5",  "C6",
                                                "C7", "D1", "D2", "M1", "M2",  "M3",
                                                "M4", "S1", "S2", "S3", "O1a", "O1b"};

// The engine call of one fuel type with the form's initial inputs, written out field by field.
FbpOutputs InitialOutputs(int fuelIndex, int ignition, double elapsed = 15) {
    FbpInputs in;
    in.fuelType = kCodes[static_cast<std::size_t>(fuelIndex)];
    in.ignition = IgnitionFromCode(ignition);
    in.elapsedTime = elapsed;
    in.ffmc = 87;
    in.bui = 40;
    in.windSpeed = 25;
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
    FbpOutputs out;
    EXPECT_EQ(ComputeFbp(in, out), FbpResult::Computed);
    return out;
}

std::array<std::string, 18> Rows(const FuelProjectionForm& form) {
    std::array<std::string, 18> rows;
    for (int i = 0; i < 18; ++i)
        rows[static_cast<std::size_t>(i)] = form.Text(FuelProjectionForm::RowId(i));
    return rows;
}

const std::array<std::string, 18> kEmptyRows{};

class FuelProjectionFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form.AttachHost(host);
        form.Open();
    }
    HandOver shared;
    FuelProjectionForm form{shared};
    RecordingHost host;
};

TEST_F(FuelProjectionFormTest, FirstDisplayDeclaresEveryFieldInStoringOrder) {
    struct Field {
        const char* id;
        const char* label;
        const char* text;
        double min, max;
    };
    const Field fields[] = {
        {"aspect", "Aspect", "0", 0, 360},
        {"gc", " GC (%)", "85", 0, 100},
        {"bui", "BUI", "40", 0, 650},
        {"day", "Day", "15", 1, 31},
        {"pdf", "DF (%) ", "50", 0, 100},
        {"elevation", "Elevation (m)", "0", 0, 3000},
        {"ffmc", "FFMC", "87", 0, 101},
        {"latitude", "Latitude  ( d.d ) ", "55", 30, 90},
        {"gfl", "GFL  (kg / m2 )", "0.3", 0, 5},
        {"longitude", "Longitude   ( d.d )", "-110", -170, 170},
        {"month", "Month", "7", 1, 12},
        {"pc", "  PC (%) ", "50", 0, 100},
        {"slope", "Slope     ( % )", "0", 0, 100},
        {"elapsedTime", "Elapsed Time         (min)", "15", 0, 300},
        {"windSpeed", "Wind Speed      ( km/hr )", "25", 0, 150},
        {"windDirection", "Wind Direction      ( deg ) ", "0", 0, 360},
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
        EXPECT_FALSE(c.readOnly) << c.id;
    }
    EXPECT_EQ(form.Title(), "EMBERLIN - FBP Projection by Fuel Type");
    EXPECT_TRUE(form.IsChecked("pointIgnition"));
    EXPECT_FALSE(form.IsChecked("lineIgnition"));
    EXPECT_EQ(form.Ignition(), IgnitionType::Point);
    EXPECT_EQ(Rows(form), kEmptyRows);

    std::string headings;
    for (int line = 0; line < FuelProjectionForm::kHeadingLineCount; ++line) {
        headings += form.Text(FuelProjectionForm::HeadingId(line)) + "\n";
    }
    for (const char* heading : {"FBP", "Fuel", "------ HEAD------", "------ FLANK -------",
                                "----- BACK -----", "ROS (m/min)", "HFI (kW/m)", "Area   ( ha )",
                                "Perimeter   ( m )", "PGR  ( m )", "CFB", "Type Fire"}) {
        EXPECT_NE(headings.find(heading), std::string::npos) << heading;
    }
}

// The C2 row of the initial calculation, against which each caption is placed: the caption
// and the value it heads share columns.
class ProjectionHeadings : public FuelProjectionFormTest,
                           public ::testing::WithParamInterface<Caption> {
  protected:
    void SetUp() override {
        FuelProjectionFormTest::SetUp();
        form.Click("calculate");
        row = form.Text(FuelProjectionForm::RowId(kC2));
        for (int line = 0; line < FuelProjectionForm::kHeadingLineCount; ++line) {
            lines[static_cast<std::size_t>(line)] = form.Text(FuelProjectionForm::HeadingId(line));
        }
    }
    std::string row;
    std::array<std::string, FuelProjectionForm::kHeadingLineCount> lines;
};

TEST_P(ProjectionHeadings, StandOverTheirColumns) {
    ExpectCaptionOverValue(GetParam(), lines, row);
}

INSTANTIATE_TEST_SUITE_P(
    FuelProjectionFormTest, ProjectionHeadings,
    ::testing::Values(Caption{"fbp", 0, "FBP", 1, "C2"},
                      Caption{"head_group", 0, "------ HEAD------", 1, "6824.2"},
                      Caption{"flank_group", 0, "------ FLANK -------", 1, "809.0"},
                      Caption{"back_group", 0, "----- BACK -----", 1, "138.7"},
                      Caption{"fuel", 1, "Fuel", 1, "C2"},
                      Caption{"head_ros", 1, "ROS (m/min)", 1, "11.1"},
                      Caption{"head_hfi", 1, "HFI (kW/m)", 1, "6824.2"},
                      Caption{"flank_ros", 1, "ROS (m/min)", 2, "1.8"},
                      Caption{"flank_hfi", 1, "HFI (kW/m)", 2, "809.0"},
                      Caption{"back_ros", 1, "ROS (m/min)", 3, "0.3"},
                      Caption{"back_hfi", 1, "HFI (kW/m)", 3, "138.7"},
                      Caption{"area", 1, "Area   ( ha )", 1, "0.2"},
                      Caption{"perimeter", 1, "Perimeter   ( m )", 1, "179.8"},
                      Caption{"pgr", 1, "PGR  ( m )", 1, "25.1"},
                      Caption{"cfb", 1, "CFB", 1, "0.8"},
                      Caption{"fire_type", 1, "Type Fire", 1, "Intermittent"}),
    CaptionName);

TEST_F(FuelProjectionFormTest, InitialValuesGiveEighteenPointIgnitionRows) {
    form.Click("calculate");
    EXPECT_TRUE(host.Messages().empty());
    const auto rows = Rows(form);
    for (int i = 0; i < 18; ++i) {
        SCOPED_TRACE(kCodes[static_cast<std::size_t>(i)]);
        const std::string& row = rows[static_cast<std::size_t>(i)];
        const std::string label =
            (i < 16 ? "     " : "   ") + std::string(kCodes[static_cast<std::size_t>(i)]);
        EXPECT_EQ(row.substr(0, label.size() + 1), label + " ");
        EXPECT_EQ(row, FormatFuelProjectionRow(i, InitialOutputs(i, 1)).text);
        EXPECT_EQ(row.find("---"), std::string::npos);
    }

    // The C2 row is the FBP calculator's default fire.
    const std::string c2 =
        std::string("  ") + "   C2" + "       " + "  " + "11.1 " + "    " + " " + " 6824.2" +
        "          " + "   " + " 1.8 " + "    " + "  " + "  809.0 " + "          " + "   " +
        " 0.3 " + "    " + "  " + "  138.7 " + "          " + "    0.2 " + "       " + "  179.8 " +
        "       " + "   25.1 " + "       " + "     0.8 " + "       " + "Intermittent" + "       ";
    EXPECT_EQ(rows[kC2], c2);
    EXPECT_EQ(rows[kC2].size(), 187u);
}

TEST_F(FuelProjectionFormTest, IgnitionBoxesChooseTheIgnitionOfEveryRow) {
    form.Click("calculate");
    const auto point = Rows(form);

    form.Click("lineIgnition");
    EXPECT_TRUE(form.IsChecked("lineIgnition"));
    EXPECT_FALSE(form.IsChecked("pointIgnition"));
    EXPECT_EQ(Rows(form), point);  // the rows change only on Calculate
    form.Click("calculate");
    const auto line = Rows(form);
    for (int i = 0; i < 18; ++i) {
        EXPECT_EQ(line[static_cast<std::size_t>(i)],
                  FormatFuelProjectionRow(i, InitialOutputs(i, 0)).text)
            << i;
    }
    EXPECT_NE(line[kC2], point[kC2]);

    form.Click("pointIgnition");
    form.Click("calculate");
    EXPECT_EQ(Rows(form), point);
}

TEST(FuelProjectionRowTextTest, PaddingFollowsTheMagnitudeOfEachValue) {
    auto outputs = [](double v, double cfb) {
        FbpOutputs out;
        out.ros = out.hfi = out.fros = out.ffi = out.bros = out.bfi = v;
        out.area = out.perimeter = out.pgr = v;
        out.cfb = cfb;
        return out;
    };
    struct Case {
        const char* name;
        int fuel;
        FbpOutputs out;
        std::string expected;
    };
    const Case cases[] = {
        // A back intensity below 10 takes five spaces, the head and flank ones four.
        {"3.0", kS1, outputs(3, 0.0999),
         std::string("  ") + "   S1" + "       " + "   " + " 3.0 " + "    " + "    " + "    3.0" +
             "          " + "   " + " 3.0 " + "    " + "    " + "    3.0 " + "          " + "   " +
             " 3.0 " + "    " + "     " + "    3.0 " + "          " + "    3.0 " + "       " +
             "      3.0 " + "       " + "     3.0 " + "       " + "     0.1 " + "       " +
             "  Surface   " + "       "},
        {"exactly 10", kO1a, outputs(10, 0.1),
         std::string("  ") + " O1a" + "       " + "  " + "10.0 " + "    " + "   " + "   10.0" +
             "          " + "  " + "10.0 " + "    " + "   " + "   10.0 " + "          " + "  " +
             "10.0 " + "    " + "   " + "   10.0 " + "          " + "   10.0 " + "       " +
             "    10.0 " + "       " + "   10.0 " + "       " + "     0.1 " + "       " +
             "Intermittent" + "       "},
        {"exactly 100", kC2, outputs(100, 0.9),
         std::string("  ") + "   C2" + "       " + " " + "100.0 " + "    " + "  " + "  100.0" +
             "          " + " " + "100.0 " + "    " + "  " + "  100.0 " + "          " + " " +
             "100.0 " + "    " + "  " + "  100.0 " + "          " + "   100.0 " + "       " +
             "  100.0 " + "       " + " 100.0 " + "       " + "     0.9 " + "       " +
             "   Crown    " + "       "},
        {"exactly 1000", kO1b, outputs(1000, 1),
         std::string("  ") + " O1b" + "       " + " " + "1000.0 " + "    " + " " + " 1000.0" +
             "          " + " " + "1000.0 " + "    " + " " + " 1000.0 " + "          " + " " +
             "1000.0 " + "    " + " " + " 1000.0 " + "          " + " 1000.0 " + "       " +
             " 1000.0 " + "       " + " 1000.0 " + "       " + "     1.0 " + "       " +
             "   Crown    " + "       "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatFuelProjectionRow(c.fuel, c.out).text, c.expected) << c.name;
}

TEST_F(FuelProjectionFormTest, ElapsedTimeZeroIsAccepted) {
    TypeKeys(form, "elapsedTime", "0");
    EXPECT_TRUE(host.Warnings().empty());
    form.Click("calculate");
    EXPECT_TRUE(host.Messages().empty());
    const auto rows = Rows(form);
    for (int i = 0; i < 18; ++i) {
        const FbpOutputs out = InitialOutputs(i, 1, 0);
        EXPECT_EQ(out.area, 0.0) << i;
        EXPECT_EQ(rows[static_cast<std::size_t>(i)], FormatFuelProjectionRow(i, out).text) << i;
    }
}

TEST_F(FuelProjectionFormTest, RefusedValuesWarnWhileTypingAndStopCalculate) {
    form.TypeText("latitude", "4");
    EXPECT_EQ(host.WarningFor("latitude"), "Please enter a number between 30 and 90.");
    form.TypeText("latitude", "45");
    EXPECT_TRUE(host.Warnings().empty());
    form.TypeText("gfl", "");
    EXPECT_EQ(host.WarningFor("gfl"), "Please enter a number.");
    TypeKeys(form, "gfl", "0.5");
    EXPECT_TRUE(host.Messages().empty());
    form.Click("calculate");
    const auto before = Rows(form);

    // An aspect of 1e308 is held but refused: it never reaches the engine.
    TypeKeys(form, "aspect", "1e308");
    EXPECT_EQ(host.WarningFor("aspect"), "Please enter a number between 0 and 360.");
    form.Click("lineIgnition");  // the box's own choice still applies
    EXPECT_EQ(form.Text("aspect"), "1e308");
    form.Click("calculate");
    EXPECT_EQ(host.Messages(),
              std::vector<std::string>{"Aspect: Please enter a number between 0 and 360."});
    EXPECT_EQ(host.FocusedControl(), "aspect");
    EXPECT_TRUE(host.FocusSelectedText());
    EXPECT_EQ(Rows(form), before);
    EXPECT_EQ(form.Ignition(), IgnitionType::Line);

    form.Click("ok");
    EXPECT_FALSE(host.Closed());
    TypeKeys(form, "aspect", "90");
    form.Click("calculate");
    for (const std::string& row : Rows(form)) EXPECT_EQ(row.find("---"), std::string::npos) << row;
    EXPECT_NE(Rows(form), before);
    form.Click("ok");
    EXPECT_TRUE(host.Accepted());

    // Cancel keeps what was stored; opening shows it in canonical text.
    host.ClearEvents();
    TypeKeys(form, "ffmc", "90.50");
    form.Click("cancel");
    EXPECT_TRUE(host.Closed());
    EXPECT_FALSE(host.Accepted());
    form.Open();
    EXPECT_EQ(form.Text("ffmc"), "90.5");
    EXPECT_EQ(form.Text("latitude"), "45");
    EXPECT_TRUE(form.IsChecked("lineIgnition"));
}

}  // namespace
}  // namespace emberlin::forms
