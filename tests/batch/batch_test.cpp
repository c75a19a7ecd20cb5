// The batch commands against the engines called directly, every refusal, and the files a run
// leaves behind.
#include "batch/batch.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <span>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "batch/command.h"
#include "batch/csv.h"
#include "batch/output_target.h"
#include "batch_test_support.h"
#include "common/number_text.h"
#include "common/rounding.h"
#include "diurnal/diurnal_weather.h"
#include "diurnal/hourly_ffmc.h"
#include "fbp/fbp_engine.h"
#include "forms/fields/calculator_defaults.h"
#include "forms/fields/field_declarations.h"
#include "forms/models/diurnal_form.h"
#include "forms/models/fbp_calc_form.h"
#include "forms/models/fire_by_hour_form.h"
#include "forms/models/fwi_calc_form.h"
#include "forms/models/hand_over.h"
#include "fwi/fwi_index.h"
#include "support/test_data.h"
#include "support/tolerance.h"

namespace emberlin::batch {
namespace {

namespace fs = std::filesystem;
using testing_support::ParseCsv;
using testing_support::ReadFile;
using testing_support::Table;

struct RunResult {
    int status = 0;
    std::string errors;
    bool outputWritten = false;
    Table output;
    std::vector<std::string> filesLeft;  // everything in the folder after the run
};

// A fresh folder for the running test.
fs::path TestFolder() {
    const fs::path folder =
        fs::path(testing::TempDir()) /
        ("batch_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

// Runs `emberlin <args> in.csv -o OUTPUT` in `folder`, where in.csv is already written; the
// output is out.csv unless named. The folder's listing and out.csv's rows are kept.
RunResult RunInFolder(std::vector<std::string> args, const fs::path& folder,
                      const std::string& output = "") {
    args.push_back((folder / "in.csv").string());
    args.push_back("-o");
    args.push_back(output.empty() ? (folder / "out.csv").string() : output);
    std::vector<std::string_view> views(args.begin(), args.end());

    std::FILE* err = std::tmpfile();
    RunResult result;
    result.status = RunBatch(views, stdin, stdout, err);
    result.errors = ReadFile(err);
    std::fclose(err);
    for (const auto& entry : fs::directory_iterator(folder)) {
        result.filesLeft.push_back(entry.path().filename().string());
    }
    std::sort(result.filesLeft.begin(), result.filesLeft.end());
    if (fs::is_regular_file(folder / "out.csv")) {
        result.outputWritten = true;
        std::ifstream out(folder / "out.csv", std::ios::binary);
        std::stringstream text;
        text << out.rdbuf();
        result.output = ParseCsv(text.str());
    }
    return result;
}

// Runs `emberlin <args> in.csv -o out.csv` in a fresh folder holding `input` as in.csv.
RunResult RunCommand(std::vector<std::string> args, const std::string& input) {
    const fs::path folder = TestFolder();
    std::ofstream(folder / "in.csv", std::ios::binary) << input;
    return RunInFolder(std::move(args), folder);
}

double Number(const std::string& text) {
    const std::optional<double> value = ParseDouble(text);
    EXPECT_TRUE(value.has_value()) << text;
    return value.value_or(std::nan(""));
}

// --- fwi ----------------------------------------------------------------------------------

struct Day {
    const char* id;
    int month;
    double temperature, humidity, wind, rain;
};

// Two stations: a spring week with rain of every size that starts a rain phase, then a
// second station that starts again from the start codes, with the batch range's cold and hot
// ends (-50 and 60 deg C, outside the calculator window's range).
const Day kDays[] = {
    {"A", 4, 17, 42, 25, 0},   {"A", 4, 20, 21, 25, 2.4},  {"A", 4, 8.5, 40, 17, 0},
    {"A", 4, 6.5, 25, 6, 0},   {"A", 4, 13, 34, 24, 0},    {"A", 4, 6, 40, 22, 0.4},
    {"A", 5, 5.5, 52, 6, 0},   {"A", 5, 8.5, 46, 16, 12},  {"A", 5, 9.5, 54, 20, 0.51},
    {"A", 5, 21, 100, 40, 60}, {"B", 7, 28, 50, 25, 0},    {"B", 7, 30, 1, 100, 0},
    {"B", 7, 0, 100, 0, 1.51}, {"B", 8, 40, 30, 60, 2.81}, {"B", 10, -50, 60, 10, 0},
    {"B", 10, -2, 70, 15, 3},  {"B", 8, 60, 5, 30, 0},
};

// The start codes: the command's defaults (85, 6, 15) or given as options.
struct FwiStart {
    const char* name;
    std::vector<std::string> options;
    double start[3];
};

void PrintTo(const FwiStart& c, std::ostream* out) { *out << c.name; }

class FwiCommandChain : public testing::TestWithParam<FwiStart> {};

TEST_P(FwiCommandChain, EqualsChainedCalcFwiIndex) {
    const double* start = GetParam().start;
    // Columns in another order and letter case, with a column the command does not read.
    std::string input = "Station,PREC,Temp,note,RH,WS,Month,ID\n";
    for (const Day& d : kDays) {
        input += "s," + FormatGeneral(d.rain) + "," + FormatGeneral(d.temperature) + ",x," +
                 FormatGeneral(d.humidity) + "," + FormatGeneral(d.wind) + "," +
                 FormatInt(d.month) + "," + d.id + "\n";
    }
    std::vector<std::string> args = {"fwi"};
    args.insert(args.end(), GetParam().options.begin(), GetParam().options.end());
    const RunResult run = RunCommand(args, input);
    ASSERT_EQ(run.status, 0) << run.errors;
    ASSERT_EQ(run.output.size(), std::size(kDays) + 1);
    EXPECT_EQ(run.output[0],
              (std::vector<std::string>{"Station", "PREC", "Temp", "note", "RH", "WS", "Month",
                                        "ID", "ffmc", "dmc", "dc", "isi", "bui", "fwi", "dsr"}));
    double ffmc = start[0], dmc = start[1], dc = start[2];
    std::string id;
    for (std::size_t row = 0; row < std::size(kDays); ++row) {
        const Day& d = kDays[row];
        if (d.id != id) {
            ffmc = start[0], dmc = start[1], dc = start[2];
            id = d.id;
        }
        double expected[7];
        for (int s = 1; s <= 7; ++s) {
            expected[s - 1] =
                CalcFwiIndex(s, ffmc, dmc, dc, d.month, d.temperature, d.humidity, d.rain, d.wind);
        }
        const std::vector<std::string>& out = run.output[row + 1];
        ASSERT_EQ(out.size(), 15u);
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(Number(out[8 + static_cast<std::size_t>(i)]), expected[i])
                << "row " << row + 1 << " value " << i + 1;
        }
        ffmc = expected[0], dmc = expected[1], dc = expected[2];
    }
    EXPECT_EQ(run.filesLeft, (std::vector<std::string>{"in.csv", "out.csv"}));
}

INSTANTIATE_TEST_SUITE_P(
    FwiCommand, FwiCommandChain,
    testing::Values(FwiStart{"defaults", {}, {85, 6, 15}},
                    FwiStart{
                        "options", {"--ffmc", "72", "--dmc=39", "--dc", "300"}, {72, 39, 300}}),
    [](const testing::TestParamInfo<FwiStart>& row) { return std::string(row.param.name); });

// The worked day to one decimal, also under a comma-decimal locale.
TEST(FwiCommand, WorkedDayInAnyLocale) {
    const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    const RunResult run = RunCommand({"fwi"}, "mon,temp,rh,ws,prec\n4,17.0,42,25,0\n");
    std::setlocale(LC_ALL, "C");
    if (!german) std::fprintf(stderr, "(de_DE.UTF-8 missing: ran in the C locale only)\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    ASSERT_EQ(run.output.size(), 2u);
    const char* expected[] = {"87.7", "8.5", "19.0", "10.9", "8.5", "10.1", "1.6"};
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(FormatFixed(Number(run.output[1][5 + i]), 3, 1), expected[i]);
    }
}

// --- fbp ----------------------------------------------------------------------------------

// The eighteen fuel types with the FBP calculator's first inputs, codes spelled as published
// tables do, in a file with a byte-order mark and CRLF line ends.
std::string CalculatorDefaultsCsv() {
    const char* spellings[18] = {"c1", "C-2", "c-3", "C4",  "C5", "c6",  "C-7", "d1",  "D-2",
                                 "m1", "M2",  "m-3", "M-4", "s1", "S-2", "s3",  "O1A", "o-1b"};
    std::string csv =
        "\xEF\xBB\xBF"
        "ID,FuelType,FFMC,BUI,WS,WD,GS,Aspect,Dj,D0,LAT,LONG,ELV,minutes,Accel,BUIEff,PC,PDF,cc,"
        "GFL,theta,SD\r\n";
    for (int i = 0; i < 18; ++i) {
        csv += std::to_string(i + 1) + "," + spellings[i] +
               ",87,40,25,0,0,0,196,,55,-110,0,15,1,1,50,50,85,0.3,0,\r\n";
    }
    return csv;
}

TEST(FbpCommand, EighteenFuelTypesOneRowEach) {
    const RunResult run = RunCommand({"fbp"}, CalculatorDefaultsCsv());
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.errors, "note: columns not used by fbp, passed through: ID, SD\n");
    ASSERT_EQ(run.output.size(), 19u);
    const std::vector<std::string>& heading = run.output[0];
    EXPECT_EQ(heading.size(), 22u + 30u + 1u);
    EXPECT_EQ(heading.back(), "fireType");
}

// The reference table's rows, cells as written, without comments and the heading.
std::vector<std::vector<std::string>> ReferenceRows() {
    std::ifstream table(emberlin::test_files::TestDataPath("fbp_fuel_types.csv"));
    std::vector<std::vector<std::string>> reference;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#' || line.starts_with("code,")) continue;
        std::vector<std::string> cells;
        std::stringstream stream(line);
        for (std::string cell; std::getline(stream, cell, ',');) cells.push_back(cell);
        reference.push_back(cells);
    }
    return reference;
}

// Each fuel type's row of the run over all eighteen equals the reference table, the form and
// the engine.
class FbpCommandFuel : public testing::TestWithParam<int> {};

TEST_P(FbpCommandFuel, RowEqualsEngineTableAndForm) {
    const int fuel = GetParam();
    const RunResult run = RunCommand({"fbp"}, CalculatorDefaultsCsv());
    ASSERT_EQ(run.status, 0) << run.errors;
    ASSERT_EQ(run.output.size(), 19u);
    const std::vector<std::string>& heading = run.output[0];
    auto column = [&](const std::string& name) {
        const auto at = std::find(heading.begin(), heading.end(), name);
        EXPECT_NE(at, heading.end()) << name;
        return static_cast<std::size_t>(at - heading.begin());
    };
    const std::vector<std::string>& row = run.output[static_cast<std::size_t>(fuel) + 1];
    ASSERT_EQ(row.size(), heading.size());
    EXPECT_EQ(row[0], std::to_string(fuel + 1));  // passed through

    // The reference table, to half a unit of its last digit.
    const std::vector<std::vector<std::string>> reference = ReferenceRows();
    ASSERT_EQ(reference.size(), 18u);
    const char* referenceColumns[] = {"ros", "bros", "sfc", "cfb", "tfc", "hfi"};
    for (std::size_t c = 0; c < std::size(referenceColumns); ++c) {
        const std::string& text = reference[static_cast<std::size_t>(fuel)][c + 1];
        const double value = Number(row[column(referenceColumns[c])]);
        const double tolerance =
            text == "0" ? 0.000001 : emberlin::testing_support::Tolerance(text);
        EXPECT_NEAR(value, Number(text), tolerance) << referenceColumns[c];
    }

    // The form, a user clicking the fuel type's box.
    forms::HandOver shared;
    forms::FbpCalcForm form(shared);
    const std::pair<const char*, const char*> formTexts[] = {
        {"ros", "rosText"},   {"hfi", "hfiText"}, {"sfc", "sfcText"},
        {"tfc", "tfcText"},   {"cfb", "cfbText"}, {"fros", "frosText"},
        {"bros", "brosText"}, {"ffi", "ffiText"}, {"bfi", "bfiText"},
        {"area", "areaText"}, {"pgr", "pgrText"}, {"perimeter", "perimeterText"},
        {"hsd", "hsdText"},   {"fsd", "fsdText"}, {"bsd", "bsdText"}};
    form.Click(forms::FuelBoxId(fuel));
    for (const auto& [name, id] : formTexts) {
        const double value = Number(row[column(name)]);
        const std::string shown =
            std::string(name) == "hfi" || std::string(name) == "ffi" || std::string(name) == "bfi"
                ? FormatInt(RoundToInt(value))
                : FormatFixed(value, 3, 2);
        EXPECT_EQ(shown, form.Text(id)) << name;
    }
    EXPECT_EQ(row.back(), form.Text("fdText"));

    // And the engine called directly with the form's record: every output exactly.
    FbpOutputs direct;
    ASSERT_EQ(ComputeFbp(form.LastInputs(), direct), FbpResult::Computed);
    EXPECT_EQ(Number(row[column("ros")]), direct.ros);
    EXPECT_EQ(Number(row[column("rosThetaT")]), direct.rosThetaT);
    EXPECT_EQ(Number(row[column("cfbTheta")]), direct.cfbTheta);
    EXPECT_EQ(Number(row[column("pgr")]), direct.pgr);
    EXPECT_EQ(Number(row[column("raz")]), direct.raz);
}

INSTANTIATE_TEST_SUITE_P(FbpCommand, FbpCommandFuel, testing::Range(0, 18),
                         [](const testing::TestParamInfo<int>& row) {
                             return std::string(
                                 FuelTypeTable[static_cast<std::size_t>(row.param)].code);
                         });

// Blank cells and absent columns take the FBP calculator's initial values, and one note at
// the end names them; the elapsed time may be given in hours.
TEST(FbpCommand, BlanksTakeTheCalculatorsValues) {
    const RunResult alone = RunCommand({"fbp"}, "FuelType,FFMC,BUI,WS\nC2,87,40,25\n");
    ASSERT_EQ(alone.status, 0) << alone.errors;
    EXPECT_EQ(alone.errors,
              "note: absent or blank, the FBP calculator's initial values were taken for WD, GS, "
              "Aspect, Dj, LAT, LONG, ELV, minutes, Accel, BUIEff, PC, PDF, cc, GFL, theta\n");
    ASSERT_EQ(alone.output.size(), 2u);
    // What the FBP calculator shows before anything is typed.
    forms::HandOver shared;
    forms::FbpCalcForm form(shared);
    form.Click(forms::FuelBoxId(1));
    EXPECT_EQ(form.Text("hfiText"), "6824");
    EXPECT_EQ(FormatInt(RoundToInt(Number(alone.output[1][4 + 12]))), form.Text("hfiText"));

    const RunResult run = RunCommand({"fbp"},
                                     "FuelType,FFMC,BUI,WS,hr,Accel,BUIEff\n"
                                     "C2,90,60,20,0.5,,\n"
                                     "C2,90,60,20,0.5,0,0\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.errors,
              "note: absent or blank, the FBP calculator's initial values were taken for WD, GS, "
              "Aspect, Dj, LAT, LONG, ELV, Accel, BUIEff, PC, PDF, cc, GFL, theta\n");
    ASSERT_EQ(run.output.size(), 3u);
    FbpInputs in = forms::CalculatorDefaults("C2");
    in.ffmc = 90;
    in.bui = 60;
    in.windSpeed = 20;
    in.elapsedTime = 30;
    FbpOutputs first, second;
    ComputeFbp(in, first);
    in.ignition = IgnitionType::Line;
    in.buiEffect = BuiSwitch::Off;
    ComputeFbp(in, second);
    EXPECT_EQ(Number(run.output[1][7 + 4]), first.rost);  // rost
    EXPECT_EQ(Number(run.output[1][7 + 24]), first.hsd);  // hsd
    EXPECT_EQ(Number(run.output[2][7 + 4]), second.rost);
    EXPECT_EQ(Number(run.output[2][7 + 24]), second.hsd);
    EXPECT_NE(first.hsd, second.hsd);
}

// --- diurnal ------------------------------------------------------------------------------

// Two days in one file, each row of the output the engines' hour.
struct DiurnalCommandDay {
    const char* name;
    int month, day;
    double lat, lon, t, rh, ws, ffmc, tmin, tmax, wmin, wmax, tbeta;
    const char* station;
    std::size_t firstRow;
};

void PrintTo(const DiurnalCommandDay& d, std::ostream* out) { *out << d.name; }

class DiurnalCommandDays : public testing::TestWithParam<DiurnalCommandDay> {};

TEST_P(DiurnalCommandDays, EqualsEnginesPerHour) {
    const RunResult run =
        RunCommand({"diurnal", "--method", "equilibrium"},
                   "station,date,mon,day,lat,long,temp,rh,ws,ffmc,tmin,tmax,wsmin,"
                   "wsmax,tbeta\n"
                   "X,d1,7,15,55,-110,30,45,25,87,15,32,1,35,\n"
                   "\"Y, north\",d2,8,1,60,-120,22,60,10,80,5,25,0,20,2\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    ASSERT_EQ(run.output.size(), 1u + 48u);
    EXPECT_EQ(run.output[0],
              (std::vector<std::string>{"station", "date", "hour", "temp", "rh", "ws", "ffmc"}));
    const DiurnalCommandDay& v = GetParam();
    DiurnalCurveParams tp = kDefaultTemperatureParams;
    tp.beta = v.tbeta;
    const std::optional<DiurnalDay> day =
        CalcDiurnalDay(v.lat, v.lon, v.month, v.day, v.t, v.rh, v.ws, v.tmin, v.tmax, v.wmin,
                       v.wmax, tp, kDefaultWindParams);
    ASSERT_TRUE(day);
    const DiurnalFfmc ffmc = CalcDiurnalFfmc(*day, v.ffmc, FfmcMethod::Equilibrium);
    for (std::size_t h = 1; h <= 24; ++h) {
        const std::vector<std::string>& row = run.output[v.firstRow + (h - 1)];
        ASSERT_EQ(row.size(), 7u);
        EXPECT_EQ(row[0], v.station);
        EXPECT_EQ(row[2], std::to_string(h));
        EXPECT_EQ(Number(row[3]), day->temperature[h]);
        EXPECT_EQ(Number(row[4]), day->relativeHumidity[h]);
        EXPECT_EQ(Number(row[5]), day->windSpeed[h]);
        EXPECT_EQ(Number(row[6]), ffmc[h]);
    }
}

INSTANTIATE_TEST_SUITE_P(DiurnalCommand, DiurnalCommandDays,
                         testing::Values(DiurnalCommandDay{"default_beta", 7, 15, 55, -110, 30, 45,
                                                           25, 87, 15, 32, 1, 35,
                                                           kDefaultTemperatureParams.beta, "X", 1},
                                         DiurnalCommandDay{"beta_2", 8, 1, 60, -120, 22, 60, 10, 80,
                                                           5, 25, 0, 20, 2, "Y, north", 25}),
                         [](const testing::TestParamInfo<DiurnalCommandDay>& row) {
                             return std::string(row.param.name);
                         });

// --- refusals -----------------------------------------------------------------------------

struct RefusalCase {
    const char* name;
    std::vector<std::string> args;
    std::string input;
    int status;
    std::string errors;  // exactly what standard error holds
};

class Refusal : public testing::TestWithParam<RefusalCase> {};

// Every refusal says where, exits non-zero and leaves no output file, not even a partial one.
TEST_P(Refusal, NamesTheProblemAndLeavesNoFile) {
    const RefusalCase& c = GetParam();
    const RunResult run = RunCommand(c.args, c.input);
    EXPECT_EQ(run.status, c.status);
    if (c.status == 2) {
        EXPECT_TRUE(run.errors.starts_with(c.errors)) << run.errors;
    } else {
        EXPECT_EQ(run.errors, c.errors);
    }
    EXPECT_FALSE(run.outputWritten);
    EXPECT_EQ(run.filesLeft, std::vector<std::string>{"in.csv"});
}

const std::string kFwiHead = "mon,temp,rh,ws,prec\n";
const std::string kFwi2025Head = "id,lat,long,timezone,yr,mon,day,hr,temp,rh,ws,prec\n";

std::string ManyGoodFwiRows(int count) {
    std::string rows;
    for (int i = 0; i < count; ++i) rows += "7,25,40,15,0\n";
    return rows;
}

INSTANTIATE_TEST_SUITE_P(
    Batch, Refusal,
    testing::Values(
        RefusalCase{"ValueOutsideRange",
                    {"fwi"},
                    kFwiHead + "7,25,40,15,0\n7,25,120,15,0\n",
                    1,
                    "line 3, column rh: 120 is outside 1 to 100\n"},
        // Far enough down that earlier rows were already written to the temporary file.
        RefusalCase{"BadValueAfterManyRows",
                    {"fwi"},
                    kFwiHead + ManyGoodFwiRows(20000) + "7,25,40,15,-1\n",
                    1,
                    "line 20002, column prec: -1 is outside 0 to 60\n"},
        RefusalCase{"NotANumber",
                    {"fwi"},
                    kFwiHead + "7,25,4O,15,0\n",
                    1,
                    "line 2, column rh: \"4O\" is not a number\n"},
        RefusalCase{"MonthNotWhole",
                    {"fwi"},
                    kFwiHead + "7.5,25,40,15,0\n",
                    1,
                    "line 2, column mon: 7.5 is not a whole number\n"},
        RefusalCase{"DiurnalFfmcNotWhole",
                    {"diurnal"},
                    "mon,day,lat,long,temp,rh,ws,ffmc,tmin,tmax,wsmin,wsmax\n"
                    "7,15,55,-110,30,45,25,87.5,15,32,1,35\n",
                    1,
                    "line 2, column ffmc: 87.5 is not a whole number\n"},
        RefusalCase{"BlankRequired",
                    {"fwi"},
                    kFwiHead + "7,25,40, ,0\n",
                    1,
                    "line 2, column ws: no value\n"},
        RefusalCase{"DecimalComma",
                    {"fwi"},
                    "mon;temp;rh;ws;prec\n7;25,5;40;15;0\n",
                    1,
                    "missing column: mon\n"},
        RefusalCase{"MissingColumnBeforeAnyRow",
                    {"fwi"},
                    "mon,temp,rh,ws\n13,25,40,15\n",
                    1,
                    "missing column: prec\n"},
        RefusalCase{"EmptyFile", {"fbp"}, "", 1, "the input is empty: no heading row\n"},
        RefusalCase{"OnlyEmptyLines",
                    {"fwi"},
                    "\xEF\xBB\xBF\r\n\r\n",
                    1,
                    "the input is empty: no heading row\n"},
        RefusalCase{"FieldCount",
                    {"fwi"},
                    kFwiHead + "7,25,40,15\n",
                    1,
                    "line 2: 4 fields where the heading has 5\n"},
        RefusalCase{
            "QuotedCommaAndNewlineShiftLines",
            {"fwi"},
            "id," + kFwiHead + "\"North, \"\"Bay\"\"\nStation\",7,25,40,15,0\nS,7,65,40,15,0\n",
            1,
            "line 4, column temp: 65 is outside -50 to 60\n"},
        // The bound counts every field, empty ones too, and names the line the record starts on.
        RefusalCase{"HeadingOfBareCommasPastTheBound",
                    {"fwi"},
                    std::string(std::size_t{1} << 20, ',') + "\n" + kFwiHead,
                    1,
                    "line 1: a record longer than 1 MB (1048576 bytes)\n"},
        RefusalCase{"LongQuotedFieldOnLine3",
                    {"fwi"},
                    kFwiHead + "7,25,40,15,0\n\"" + std::string(std::size_t{3} << 20, 'x') +
                        "\",25,40,15,0\n",
                    1,
                    "line 3: a record longer than 1 MB (1048576 bytes)\n"},
        RefusalCase{"QuoteNeverClosed",
                    {"fwi"},
                    kFwiHead + "\"7\n" + std::string(std::size_t{2} << 20, '\n'),
                    1,
                    "line 2: a record longer than 1 MB (1048576 bytes)\n"},
        RefusalCase{"NulByte",
                    {"fwi"},
                    kFwiHead + "7,25,4" + '\0' + "0,15,0\n",
                    1,
                    "line 2: a NUL byte in field 3: text files hold none\n"},
        RefusalCase{"MonthAndMon",
                    {"fwi"},
                    "mon,temp,rh,ws,prec,month\n",
                    1,
                    "columns mon and month give the same input; keep one\n"},
        RefusalCase{"TempAndTEMP",
                    {"fwi", "--keep-going"},
                    "temp,rh,ws,prec,mon,TEMP\n7,25,40,15,0,7\n",
                    1,
                    "columns temp and TEMP give the same input; keep one\n"},
        RefusalCase{"FfmcAndFFMC",
                    {"fbp"},
                    "FuelType,FFMC,BUI,WS,ffmc\nC2,90,60,20,80\n",
                    1,
                    "columns FFMC and ffmc give the same input; keep one\n"},
        RefusalCase{"DiurnalThirtiethOfFebruary",
                    {"diurnal"},
                    "mon,day,lat,long,temp,rh,ws,ffmc,tmin,tmax,wsmin,wsmax\n"
                    "2,30,55,-110,10,45,25,87,5,12,1,35\n",
                    1,
                    "line 2, column day: 30 is not a day of February (1 to 29)\n"},
        RefusalCase{"MalformedQuote",
                    {"fwi"},
                    kFwiHead + "7,2\"5,40,15,0\n",
                    1,
                    "line 2: a quote inside a field that is not quoted, or text after a closing "
                    "quote\n"},
        RefusalCase{"UnknownFuelType",
                    {"fbp"},
                    "FuelType,FFMC,BUI,WS\nC2,90,60,20\nC-9,90,60,20\n",
                    1,
                    "line 3, column FuelType: \"C-9\" is not a fuel type (C1 to C7, D1, D2, M1 to "
                    "M4, S1 to S3, O1a, O1b)\n"},
        RefusalCase{"FbpMissingFuelType",
                    {"fbp"},
                    "FFMC,BUI,WS\n90,60,20\n",
                    1,
                    "missing column: FuelType\n"},
        RefusalCase{"FbpHoursOutside",
                    {"fbp"},
                    "FuelType,FFMC,BUI,WS,hr\nC2,90,60,20,6\n",
                    1,
                    "line 2, column hr: 6 is outside 0 to 5\n"},
        RefusalCase{"FbpElevationWhole",
                    {"fbp"},
                    "FuelType,FFMC,BUI,WS,ELV\nC2,90,60,20,10.5\n",
                    1,
                    "line 2, column ELV: 10.5 is not a whole number\n"},
        RefusalCase{"FbpBothTimes",
                    {"fbp"},
                    "FuelType,FFMC,BUI,WS,hr,minutes\nC2,90,60,20,1,60\n",
                    1,
                    "columns hr and minutes both give the elapsed time; keep one\n"},
        RefusalCase{"DiurnalPlace",
                    {"diurnal"},
                    "mon,day,lat,long,temp,rh,ws,ffmc,tmin,tmax,wsmin,wsmax\n"
                    "7,15,85,-110,30,45,25,87,15,32,1,35\n",
                    1,
                    "line 2, column lat: 85 is outside -80 to 80, where sun times are modelled\n"},
        RefusalCase{"DiurnalOrder",
                    {"diurnal"},
                    "mon,day,lat,long,temp,rh,ws,ffmc,tmin,tmax,wsmin,wsmax\n"
                    "7,15,55,-110,30,45,25,87,33,32,1,35\n",
                    1,
                    "line 2, column tmin: 33 is above tmax 32\n"},
        RefusalCase{"UnknownOption",
                    {"fwi", "--ffnc", "80"},
                    kFwiHead,
                    2,
                    "emberlin fwi: unknown option --ffnc\n"},
        RefusalCase{"StartCodeOutside",
                    {"fwi", "--ffmc", "120"},
                    kFwiHead,
                    2,
                    "emberlin fwi: --ffmc: 120 is outside 0 to 101\n"},
        RefusalCase{"JobsNotACount",
                    {"fbp", "--jobs=0"},
                    kFwiHead,
                    2,
                    "emberlin fbp: --jobs: \"0\" is not a whole number from 1 to 256\n"},
        RefusalCase{"Fwi2025RepeatedHour",
                    {"fwi2025"},
                    kFwi2025Head + "S,46,-77,-4,2007,5,10,8,15,90,3,0\n"
                                   "S,46,-77,-4,2007,5,10,8,15,90,3,0\n",
                    1,
                    "line 3, column hr: 2007-05-10 08:00 repeats line 2 (2007-05-10 08:00)\n"},
        RefusalCase{"Fwi2025HourBackwards",
                    {"fwi2025"},
                    kFwi2025Head + "S,46,-77,-4,2007,5,10,8,15,90,3,0\n"
                                   "S,46,-77,-4,2007,5,9,9,15,90,3,0\n",
                    1,
                    "line 3, column hr: 2007-05-09 09:00 is earlier than line 2 (2007-05-10 "
                    "08:00)\n"},
        RefusalCase{"Fwi2025NoSuchDay",
                    {"fwi2025"},
                    kFwi2025Head + "S,46,-77,-4,2007,2,29,8,15,90,3,0\n",
                    1,
                    "line 2, column day: 29 is not a day of 2007-02\n"},
        RefusalCase{"Fwi2025SiteMovesWithinRun",
                    {"fwi2025"},
                    kFwi2025Head + "S,46,-77,-4,2007,5,10,8,15,90,3,0\n"
                                   "S,46,-78,-4,2007,5,10,9,15,90,3,0\n",
                    1,
                    "line 3, column long: -78 differs from the run that starts on line 2\n"},
        RefusalCase{"Fwi2025StationsInterleaved",
                    {"fwi2025"},
                    kFwi2025Head + "S,46,-77,-4,2007,5,10,8,15,90,3,0\n"
                                   "T,46,-77,-4,2007,5,10,8,15,90,3,0\n"
                                   "S,46,-77,-4,2007,5,10,9,15,90,3,0\n",
                    1,
                    "line 4, column id: \"S\" ended on line 2: a station's rows must be "
                    "together\n"},
        RefusalCase{"Fwi2025DailyGap",
                    {"fwi2025", "--from-daily"},
                    "id,lat,long,timezone,yr,mon,day,temp,rh,ws,prec\n"
                    "S,46,-77,-4,2007,5,10,15,50,10,0\nS,46,-77,-4,2007,5,12,15,50,10,0\n",
                    1,
                    "line 3, column day: 2007-05-12 leaves days missing after line 2 "
                    "(2007-05-10)\n"},
        RefusalCase{"Fwi2025BothFineFuelStarts",
                    {"fwi2025", "--ffmc", "80", "--mcffmc", "20"},
                    kFwi2025Head,
                    2,
                    "emberlin fwi2025: --ffmc and --mcffmc: give one start-up value"},
        RefusalCase{"MethodWithoutCalculation",
                    {"diurnal", "--method", "lawson"},
                    "x\n",
                    2,
                    "emberlin diurnal: --method: \"lawson\" is not a method"}),
    [](const testing::TestParamInfo<RefusalCase>& row) { return std::string(row.param.name); });

// --keep-going names each bad row and still ends with status 1; fwi keeps a refused day's
// row with empty results, the chain going on from the day before it (ids compared trimmed).
TEST(KeepGoing, KeepsRefusedDaysInPlace) {
    const RunResult run = RunCommand({"fwi", "--keep-going"},
                                     "id," + kFwiHead +
                                         "A,7,25,40,15,0\n A,7,25,0,15,0\nA ,7,25,40,15,0\n"
                                         "A,13,25,40,15,0\nA,7,25,40,15\n\tA,7,25,40,15,0\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors,
              "line 3, column rh: 0 is outside 1 to 100\n"
              "line 5, column mon: 13 is outside 1 to 12\n"
              "line 6: 5 fields where the heading has 6\n"
              "note: 3 refused days keep their rows with empty results; the chain went on from "
              "the day before each\n");
    ASSERT_EQ(run.output.size(), 7u);
    const std::vector<bool> refused = {false, true, false, true, true, false};
    double ffmc = 85, dmc = 6, dc = 15;
    for (std::size_t row = 1; row < 7; ++row) {
        SCOPED_TRACE(row);
        ASSERT_EQ(run.output[row].size(), 13u);
        if (refused[row - 1]) {
            EXPECT_EQ(run.output[row][1], row == 2 ? "7" : row == 4 ? "13" : "7");
            for (std::size_t i = 6; i < 13; ++i) EXPECT_EQ(run.output[row][i], "");
            continue;
        }
        const FwiCodes day = CalcFwiDay(ffmc, dmc, dc, 7, 25, 40, 0, 15);
        EXPECT_EQ(Number(run.output[row][6]), day.ffmc);
        EXPECT_EQ(Number(run.output[row][8]), day.dc);
        ffmc = day.ffmc, dmc = day.dmc, dc = day.dc;
    }
    EXPECT_EQ(run.output[5][5], "");  // the short row padded to the heading
}

// --- --jobs -------------------------------------------------------------------------------

// Inputs of a few thousand records, so that a run on several jobs parts them into many
// shares; bad rows, blanks and station changes fall in different shares. Around the first
// parting (some thousand lines down) and the bad row 2100, five of every six line ends are
// inside quoted fields. `badLine` receives the line row 2100 starts on.
std::string JobsFbpInput(long* badLine = nullptr) {
    static const char* kFuels[] = {"C1", "C-2", "c3", "C4", "C5", "C6", "C7",  "D1", "M1",
                                   "M2", "M3",  "M4", "S1", "S2", "S3", "O1a", "O1b"};
    std::string csv = "FuelType,FFMC,BUI,WS,WD,GS,cc,note\n";
    long line = 2;
    for (int i = 0; i < 2600; ++i) {
        const bool lines = (i >= 900 && i < 1300) || (i >= 2050 && i < 2150);
        if (i == 2100 && badLine != nullptr) *badLine = line;
        csv += std::string(kFuels[i % 17]) + "," + (i == 700 || i == 2100 ? "120" : "88.5") + "," +
               std::to_string(20 + i % 90) + "," + std::to_string(i % 47) + "," +
               (i > 1500 && i % 400 == 0 ? "" : std::to_string(i % 360)) + ",12,85,\"r " +
               (lines ? "\n\r\"\"\n\n\n\n" : "") + std::to_string(i) + "\"\n";
        line += lines ? 6 : 1;
        if (i == 1900) {
            csv += "C2,90\n";
            ++line;
        }
    }
    return csv;
}

std::string JobsFbpBadRow() {
    long line = 0;
    JobsFbpInput(&line);
    return "line " + std::to_string(line) + ", column FFMC: 120 is outside 0 to 101\n";
}

// Station A runs past the first share, a refused day of B sits at the break and A goes on
// after it (its chain unbroken), then short stations; ids written with blanks around them.
// Last, Z runs past a share's lines and goes on as " Z", where a share is cut.
std::string JobsFwiInput(bool ids) {
    std::string csv = (ids ? "id," : "") + kFwiHead;
    auto day = [&](std::string_view id, int i, bool bad) {
        if (ids) csv += std::string(id) + ",";
        csv += std::to_string(4 + i % 6) + "," + std::to_string(5 + i % 25) + "," +
               (bad ? "120" : std::to_string(20 + i % 70)) + "," + std::to_string(i % 40) + "," +
               (i % 7 == 0 ? "3.5" : "0") + "\n";
    };
    for (int i = 0; i < 4200; ++i) day("A", i, false);
    day("B", 0, true);
    for (int i = 0; i < 300; ++i) day(i == 0 ? " A" : "A", i, i == 150);
    for (int station = 0; station < 40; ++station) {
        for (int i = 0; i < 150; ++i) day("S" + std::to_string(station), i, i == 60);
    }
    for (int i = 0; i < 1300; ++i) day(i < 1100 ? "Z" : " Z", i, false);
    return csv;
}

std::string JobsDayInput(std::string_view head, std::string_view fuel, int days) {
    std::string csv = std::string(head) + "\n";
    for (int i = 0; i < days; ++i) {
        csv += "s" + std::to_string(i) + std::string(fuel) + "," + std::to_string(5 + i % 4) + "," +
               std::to_string(1 + i % 28) + ",55,-110," + std::to_string(15 + i % 15) + "," +
               (i == 900 ? "101" : std::to_string(20 + i % 50)) + ",15," +
               std::to_string(80 + i % 10) + ",8,30,2,30\n";
    }
    return csv;
}

struct JobsCase {
    const char* name;
    std::vector<std::string> args;
    std::string input;
    int status;
    std::size_t rows;       // of the output, heading included
    std::string refusal{};  // one of the lines standard error holds
};

void PrintTo(const JobsCase& c, std::ostream* out) { *out << c.name; }

class Jobs : public testing::TestWithParam<JobsCase> {};

// A run on several jobs writes the same bytes to standard output and to standard error, and
// ends with the same status, as a run on one: rows in input order, every refusal in order,
// the end notes, a run stopped at its first bad row, a read error after some shares.
TEST_P(Jobs, SameBytesAsOneJob) {
    const JobsCase& c = GetParam();
    struct Run {
        int status;
        std::string out, err;
    };
    auto run = [&](const char* jobs) {
        std::vector<std::string> args = c.args;
        args.insert(args.begin() + 1, {"--jobs", jobs});
        const std::vector<std::string_view> views(args.begin(), args.end());
        std::FILE* in = std::tmpfile();
        std::FILE* out = std::tmpfile();
        std::FILE* err = std::tmpfile();
        std::fputs(c.input.c_str(), in);
        std::rewind(in);
        Run result{RunBatch(views, in, out, err), ReadFile(out), ReadFile(err)};
        for (std::FILE* file : {in, out, err}) std::fclose(file);
        return result;
    };
    const Run one = run("1");
    EXPECT_EQ(one.status, c.status) << one.err;
    std::size_t rows = 0;
    for (std::size_t at = one.out.find("\r\n"); at != std::string::npos;
         at = one.out.find("\r\n", at + 1)) {
        ++rows;
    }
    EXPECT_EQ(rows, c.rows);
    EXPECT_NE(one.err.find(c.refusal), std::string::npos) << one.err;
    for (const char* jobs : {"2", "5"}) {
        SCOPED_TRACE(jobs);
        const Run many = run(jobs);
        EXPECT_EQ(many.status, one.status);
        EXPECT_TRUE(many.out == one.out) << "outputs differ";
        EXPECT_EQ(many.err, one.err);
    }
}

const std::string kJobsDiurnalHead = "site,mon,day,lat,long,temp,rh,ws,ffmc,tmin,tmax,wsmin,wsmax";
const std::string kJobsHourlyHead =
    "site,FuelType,mon,day,lat,long,temp,rh,ws,ffmc,tmin,tmax,wsmin,wsmax";

INSTANTIATE_TEST_SUITE_P(
    Batch, Jobs,
    testing::Values(
        JobsCase{"FbpKeepGoing", {"fbp", "--keep-going"}, JobsFbpInput(), 1, 2599, JobsFbpBadRow()},
        JobsCase{"FbpStopsAtFirstBadRow", {"fbp"}, JobsFbpInput(), 1, 701},
        JobsCase{"FwiStationsKeepGoing",
                 {"fwi", "--keep-going", "--dc", "40"},
                 JobsFwiInput(true),
                 1,
                 11802},
        JobsCase{"FwiStationsStop", {"fwi"}, JobsFwiInput(true), 1, 4201},
        JobsCase{"FwiOneChain", {"fwi", "--keep-going"}, JobsFwiInput(false), 1, 11802},
        JobsCase{"DiurnalReadErrorAfterShares",
                 {"diurnal", "--keep-going"},
                 JobsDayInput(kJobsDiurnalHead, "", 1500) + "\"x,1\n",
                 1,
                 1 + 1499 * 24},
        JobsCase{"HourlySummary",
                 {"hourly", "--summary", "--keep-going"},
                 JobsDayInput(kJobsHourlyHead, ",C2", 1100),
                 1,
                 1100}),
    [](const testing::TestParamInfo<JobsCase>& row) { return std::string(row.param.name); });

// Each month's last day is a day and the day after it is refused; 29 February is taken.
TEST(DiurnalCommand, DaysOfEachMonth) {
    const char* names[] = {"January", "February", "March",     "April",   "May",      "June",
                           "July",    "August",   "September", "October", "November", "December"};
    const int lastDay[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::string input = "mon,day,lat,long,temp,rh,ws,ffmc,tmin,tmax,wsmin,wsmax\n";
    std::string refusals;
    int line = 1;
    for (int month = 1; month <= 12; ++month) {
        const int last = lastDay[month - 1];
        for (int day = last; day <= std::min(last + 1, 31); ++day) {
            input += std::to_string(month) + "," + std::to_string(day) +
                     ",55,-110,20,45,25,87,5,25,1,35\n";
            ++line;
            if (day == last) continue;
            refusals += "line " + std::to_string(line) + ", column day: " + std::to_string(day) +
                        " is not a day of " + names[month - 1] + " (1 to " + std::to_string(last) +
                        ")\n";
        }
    }
    const RunResult run = RunCommand({"diurnal", "--keep-going"}, input);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(std::count(refusals.begin(), refusals.end(), '\n'), 5);  // Feb, Apr, Jun, Sep, Nov
    EXPECT_EQ(run.errors, refusals);
    EXPECT_EQ(run.output.size(), 1u + 12u * 24u);
}

// --- where the output goes ----------------------------------------------------------------

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct OutputCase {
    const char* name;
    // Prepares the folder; returns the -o path.
    std::string (*prepare)(const fs::path& folder);
    // Checks the folder and what the run said.
    void (*check)(const fs::path& folder, const RunResult& run);
};

void PrintTo(const OutputCase& c, std::ostream* out) { *out << c.name; }

class OutputPath : public testing::TestWithParam<OutputCase> {};

// A device or a FIFO is written into and stays what it is; a link is followed; a regular file
// keeps its permissions; a full device stops the run at its first failed write.
TEST_P(OutputPath, WrittenAsItsKindWants) {
    const fs::path folder = TestFolder();
    std::ofstream(folder / "in.csv", std::ios::binary)
        << kFwiHead + ManyGoodFwiRows(20000) + "7,25,40,15,-1\n";
    const std::string output = GetParam().prepare(folder);
    const RunResult run = RunInFolder({"fwi", "--keep-going"}, folder, output);
    GetParam().check(folder, run);
}

constexpr const char* kLastRowRefusal =
    "line 20002, column prec: -1 is outside 0 to 60\n"
    "note: 1 refused day keeps its row with empty results; the chain went on from the day "
    "before each\n";

INSTANTIATE_TEST_SUITE_P(
    Batch, OutputPath,
    testing::Values(
        OutputCase{"DevNull", [](const fs::path&) { return std::string("/dev/null"); },
                   [](const fs::path&, const RunResult& run) {
                       EXPECT_EQ(run.status, 1);
                       EXPECT_EQ(run.errors, kLastRowRefusal);
                       EXPECT_TRUE(fs::is_character_file("/dev/null"));
                       EXPECT_EQ(run.filesLeft, std::vector<std::string>{"in.csv"});
                   }},
        // Every write fails with ENOSPC: the message is the write's own and nothing after it
        // is read (the bad last row is never reached).
        OutputCase{"DevFull", [](const fs::path&) { return std::string("/dev/full"); },
                   [](const fs::path&, const RunResult& run) {
                       EXPECT_EQ(run.status, 1);
                       EXPECT_EQ(run.errors, "cannot write /dev/full: No space left on device\n");
                       EXPECT_TRUE(fs::is_character_file("/dev/full"));
                   }},
        OutputCase{"KeepsPermissions",
                   [](const fs::path& folder) {
                       std::ofstream(folder / "out.csv") << "old\n";
                       fs::permissions(folder / "out.csv",
                                       fs::perms::owner_read | fs::perms::owner_write);
                       return (folder / "out.csv").string();
                   },
                   [](const fs::path& folder, const RunResult& run) {
                       EXPECT_EQ(run.status, 1);
                       ASSERT_EQ(run.output.size(), 20002u);
                       EXPECT_EQ(fs::status(folder / "out.csv").permissions() & fs::perms::all,
                                 fs::perms::owner_read | fs::perms::owner_write);
                       EXPECT_EQ(run.filesLeft, (std::vector<std::string>{"in.csv", "out.csv"}));
                   }},
        OutputCase{"LinkFollowed",
                   [](const fs::path& folder) {
                       fs::create_directory(folder / "real");
                       std::ofstream(folder / "real" / "target.csv") << "old\n";
                       fs::create_symlink("real/target.csv", folder / "out.csv");
                       return (folder / "out.csv").string();
                   },
                   [](const fs::path& folder, const RunResult& run) {
                       EXPECT_EQ(run.status, 1);
                       EXPECT_TRUE(fs::is_symlink(folder / "out.csv"));
                       ASSERT_EQ(run.output.size(), 20002u);
                       std::vector<std::string> real;
                       for (const auto& entry : fs::directory_iterator(folder / "real")) {
                           real.push_back(entry.path().filename().string());
                       }
                       EXPECT_EQ(real, std::vector<std::string>{"target.csv"});
                   }}),
    [](const testing::TestParamInfo<OutputCase>& row) { return std::string(row.param.name); });

// A FIFO is written into, whole, and stays a FIFO.
TEST(OutputFifo, WrittenIntoWhole) {
    const fs::path folder = TestFolder();
    std::ofstream(folder / "in.csv", std::ios::binary) << kFwiHead + ManyGoodFwiRows(3000);
    const fs::path fifo = folder / "pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // A reader on the other end, or opening the FIFO would wait for ever.
    std::string received;
    std::thread reader([&] { received = ReadText(fifo); });
    const RunResult run = RunInFolder({"fwi"}, folder, fifo.string());
    reader.join();
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(run.filesLeft, (std::vector<std::string>{"in.csv", "pipe"}));
    EXPECT_EQ(ParseCsv(received).size(), 3001u);
}

// -o /dev/stdout writes into the program's standard output, whatever it is: a regular file
// there is written into, not replaced (the shell goes on writing to it).
TEST(OutputFile, DevStdoutIsTheStandardOutput) {
    const fs::path folder = TestFolder();
    std::ofstream(folder / "in.csv", std::ios::binary) << kFwiHead + ManyGoodFwiRows(3);
    const fs::path captured = folder / "captured";
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int fd = open(captured.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd < 0 || dup2(fd, 1) != 1) _exit(99);
        const std::string in = (folder / "in.csv").string();
        const std::vector<std::string_view> args = {"fwi", in, "-o", "/dev/stdout"};
        const int status = RunBatch(args, stdin, stdout, stderr);
        std::fflush(stdout);
        if (write(1, "after\n", 6) != 6) _exit(98);
        _exit(status);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    const std::string text = ReadText(captured);
    EXPECT_TRUE(text.ends_with("\r\nafter\n")) << text;
    EXPECT_EQ(ParseCsv(text).size(), 5u);  // the heading, three days and "after"
}

// A 100 MB heading of bare commas is refused once past the bound, in bounded memory.
TEST(HostileInput, HundredMegabyteHeadingOfCommas) {
    const fs::path folder = TestFolder();
    {
        std::ofstream in(folder / "in.csv", std::ios::binary);
        const std::string block(std::size_t{1} << 20, ',');
        for (int i = 0; i < 100; ++i) in << block;
        in << "\n7,25,40,15,0\n";
    }
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    const RunResult run = RunInFolder({"fbp"}, folder);
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors, "line 1: a record longer than 1 MB (1048576 bytes)\n");
    EXPECT_EQ(run.filesLeft, std::vector<std::string>{"in.csv"});
    // The peak of the whole test program grows by less than 256 MB (ru_maxrss is in kB).
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 256L * 1024);
}

// With a regular file on a full file system the run says so, stops, and the old file stays
// whole with no temporary file beside it.
TEST(OutputFile, FullFileSystemKeepsTheOldFile) {
    const fs::path folder = TestFolder();
    std::ofstream(folder / "in.csv", std::ios::binary)
        << kFwiHead + ManyGoodFwiRows(20000) + "7,25,40,15,-1\n";
    const fs::path small = folder / "small";
    fs::create_directory(small);
    if (mount("tmpfs", small.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "no tmpfs can be mounted here (" << std::strerror(errno)
                     << "); CI runs as root";
    }
    std::ofstream(small / "out.csv") << "old\n";
    const RunResult run =
        RunInFolder({"fwi", "--keep-going"}, folder, (small / "out.csv").string());
    const std::string kept = ReadText(small / "out.csv");
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(small)) {
        left.push_back(entry.path().filename().string());
    }
    umount2(small.c_str(), MNT_DETACH);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors,
              "cannot write " + (small / "out.csv").string() + ": No space left on device\n");
    EXPECT_EQ(kept, "old\n");
    EXPECT_EQ(left, std::vector<std::string>{"out.csv"});
}

// kill -9 in the middle of a run leaves the old output as it was and nothing beside it.
TEST(OutputFile, KilledRunLeavesNoPartialFile) {
    const fs::path folder = TestFolder();
    const fs::path fifo = folder / "in.csv";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::ofstream(folder / "out.csv") << "old\n";
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const std::string in = fifo.string(), out = (folder / "out.csv").string();
        const std::vector<std::string_view> args = {"fwi", in, "-o", out};
        _exit(RunBatch(args, stdin, stdout, stderr));
    }
    {
        // Far more than a pipe holds: the child has written blocks of output by the end.
        std::ofstream feed(fifo, std::ios::binary);
        feed << kFwiHead << ManyGoodFwiRows(50000);
        feed.flush();
        kill(child, SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status));
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(folder)) {
        left.push_back(entry.path().filename().string());
    }
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"in.csv", "out.csv"}));
    EXPECT_EQ(ReadText(folder / "out.csv"), "old\n");
}

// Where the file system has no unnamed files, a named temporary file does the same and is
// gone whether the output is committed or dropped.
TEST(OutputFile, NamedTemporaryWhereUnnamedOnesAreMissing) {
    const fs::path folder = TestFolder();
    const std::string path = (folder / "out.csv").string();
    std::ofstream(path) << "old\n";
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    auto listing = [&] {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    };
    std::string problem;
    {
        OutputTarget dropped;
        ASSERT_TRUE(dropped.Open(path, stdout, problem, false)) << problem;
        std::fputs("new\n", dropped.File());
        EXPECT_EQ(listing().size(), 2u);  // the named temporary file beside the old one
    }
    EXPECT_EQ(listing(), std::vector<std::string>{"out.csv"});
    EXPECT_EQ(ReadText(path), "old\n");
    OutputTarget kept;
    ASSERT_TRUE(kept.Open(path, stdout, problem, false)) << problem;
    std::fputs("new\n", kept.File());
    ASSERT_TRUE(kept.Commit(problem)) << problem;
    EXPECT_EQ(listing(), std::vector<std::string>{"out.csv"});
    EXPECT_EQ(ReadText(path), "new\n");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// --- the command line ---------------------------------------------------------------------

struct LaunchCase {
    const char* name;
    std::vector<std::string_view> args;
    LaunchKind kind;
    std::string scenario;
};

class CommandLine : public testing::TestWithParam<LaunchCase> {};

TEST_P(CommandLine, Classifies) {
    const Launch launch = ClassifyCommandLine(GetParam().args);
    EXPECT_EQ(launch.kind, GetParam().kind) << launch.problem;
    EXPECT_EQ(launch.scenarioPath, GetParam().scenario);
    EXPECT_EQ(launch.problem.empty(), GetParam().kind != LaunchKind::UsageError);
}

INSTANTIATE_TEST_SUITE_P(
    Words, CommandLine,
    testing::Values(LaunchCase{"Nothing", {}, LaunchKind::Windows, ""},
                    LaunchCase{"Scenario", {"fire.json"}, LaunchKind::Windows, "fire.json"},
                    LaunchCase{"Help", {"--help"}, LaunchKind::Help, ""},
                    LaunchCase{"ShortHelp", {"x.json", "-h"}, LaunchKind::Help, ""},
                    LaunchCase{"Version", {"--version"}, LaunchKind::Version, ""},
                    LaunchCase{"UnknownOption", {"--fwi"}, LaunchKind::UsageError, ""},
                    LaunchCase{"TwoScenarios", {"a.json", "b.json"}, LaunchKind::UsageError, ""},
                    LaunchCase{"BatchCommand", {"fbp", "--bogus"}, LaunchKind::Batch, ""},
                    LaunchCase{"Hourly", {"hourly", "--summary"}, LaunchKind::Batch, ""},
                    LaunchCase{"Fwi2025", {"fwi2025", "--summaries"}, LaunchKind::Batch, ""}),
    [](const testing::TestParamInfo<LaunchCase>& row) { return std::string(row.param.name); });

// The texts that list the fuel codes, which come from the catalogue, word for word.
// The batch commands check a value against the range and integer rule of the form field it
// stands for: every input field of each form is declared, in storing order, opens with its
// declared value, and its batch rule is the field's own.
struct FormFields {
    const char* name;
    std::function<std::unique_ptr<forms::FormModel>(forms::HandOver&)> make;
    ValueRule (*rule)(std::string_view);
    std::span<const forms::FieldDeclaration> (*fields)();
};

class FormFieldRules : public testing::TestWithParam<FormFields> {};

TEST_P(FormFieldRules, BatchRuleIsTheFormFieldsOwn) {
    forms::HandOver shared;
    const std::unique_ptr<forms::FormModel> form = GetParam().make(shared);
    const std::vector<const forms::Control*> inputs = form->InputFields();
    const std::span<const forms::FieldDeclaration> fields = GetParam().fields();
    ASSERT_EQ(inputs.size(), fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const forms::Control& control = *inputs[i];
        const forms::FieldDeclaration& field = fields[i];
        EXPECT_EQ(control.id, field.id);
        EXPECT_EQ(control.text, FormatGeneral(field.opensWith.value_or(field.defaultValue)));
        const ValueRule rule = GetParam().rule(field.id);
        EXPECT_EQ(rule.min, control.minValue) << field.id;
        EXPECT_EQ(rule.max, control.maxValue) << field.id;
        EXPECT_EQ(rule.integer, control.kind == forms::ControlKind::IntField || control.wholeNumber)
            << field.id;
    }
    EXPECT_THROW(GetParam().rule("noSuchField"), std::out_of_range);
}

template <class Form>
std::unique_ptr<forms::FormModel> Make(forms::HandOver& shared) {
    return std::make_unique<Form>(shared);
}

INSTANTIATE_TEST_SUITE_P(Forms, FormFieldRules,
                         testing::Values(FormFields{"FwiCalc", Make<forms::FwiCalcForm>,
                                                    FwiFormRange, forms::FwiCalcFields},
                                         FormFields{"FbpCalc", Make<forms::FbpCalcForm>,
                                                    FbpFormRange, forms::FbpCalcFields},
                                         FormFields{"Diurnal", Make<forms::DiurnalForm>,
                                                    DiurnalFormRange, forms::DiurnalFields},
                                         FormFields{"FireByHour", Make<forms::FireByHourForm>,
                                                    FireByHourFormRange, forms::FireByHourFields}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(FbpCommand, FuelCodeTextsListEveryCode) {
    EXPECT_EQ(NotAFuelType("X9"),
              "\"X9\" is not a fuel type (C1 to C7, D1, D2, M1 to M4, S1 to S3, O1a, O1b)");
    EXPECT_EQ(kFbpCommand.columns,
              "Columns (by name, any letter case and order): FuelType (C1..C7, D1, D2, M1..M4, "
              "S1..S3,\n"
              "O1a, O1b in any case, with or without a hyphen), FFMC, BUI, WS (km/h); optional: "
              "WD\n"
              "(deg), GS (slope %), Aspect (deg), Dj (day of year), D0 (day of minimum foliar\n"
              "moisture; blank or 0 = computed), LAT, LONG, ELV (m), hr or minutes (elapsed "
              "time),\n"
              "Accel (1 point, 0 line), BUIEff (1 use the BUI, the default; 0 not), PC, PDF, cc\n"
              "(curing %), GFL (kg/m2), theta (deg). An absent column or a blank value takes the "
              "FBP\n"
              "calculator's initial value; a note at the end names those columns.\n"
              "Values are checked with the FBP calculator's ranges. Output: every input column, "
              "then\n"
              "every FBP output under its own name and fireType (Surface Fire, Intermittent "
              "Crown\n"
              "Fire, Crown Fire). Columns the engine does not use are passed through.\n");
}

// --- the manual page ----------------------------------------------------------------------

// The options ("keep-going") a piece of the page names as "\-\-keep\-going".
std::set<std::string> OptionsNamed(const std::string& text) {
    std::set<std::string> names;
    for (std::size_t at = text.find("\\-\\-"); at != std::string::npos;
         at = text.find("\\-\\-", at + 1)) {
        std::string name;
        for (std::size_t i = at + 4; i < text.size();) {
            if (text.compare(i, 2, "\\-") == 0) {
                name += '-';
                i += 2;
            } else if (std::islower(static_cast<unsigned char>(text[i]))) {
                name += text[i++];
            } else {
                break;
            }
        }
        names.insert(name);
    }
    return names;
}

// The manual page has a subsection per command naming exactly its options, one for the
// options of every command naming exactly those, and the refusal the program really writes.
TEST(ManualPage, MatchesTheCommandTable) {
    const std::string page =
        ReadText(emberlin::test_files::TestDataPath("../../packaging/emberlin.1.in"));
    ASSERT_FALSE(page.empty());
    auto section = [&](const std::string& heading) {
        const std::size_t start = page.find("\n.SS " + heading + "\n");
        EXPECT_NE(start, std::string::npos) << heading;
        if (start == std::string::npos) return std::string();
        const std::size_t end = page.find("\n.S", start + 1);
        return page.substr(start, end - start);
    };
    std::set<std::string> common, every = {"version"};
    for (const CommonOption& option : CommonOptions()) common.insert(std::string(option.name));
    const std::string commonText = section("Options of every command");
    EXPECT_EQ(OptionsNamed(commonText), common);
    for (const CommonOption& option : CommonOptions()) {
        if (option.shortName.empty()) continue;
        EXPECT_NE(commonText.find(".BR \\" + std::string(option.shortName) + " \", \" \\-\\-"),
                  std::string::npos)
            << option.shortName;
    }
    every.insert(common.begin(), common.end());
    for (const CommandEntry* command : Commands()) {
        std::set<std::string> own;
        for (const CommandOption& option : command->options) own.insert(std::string(option.name));
        std::set<std::string> named = OptionsNamed(section(std::string(command->name)));
        for (const std::string& name : common) named.erase(name);
        EXPECT_EQ(named, own) << command->name;
        every.insert(own.begin(), own.end());
    }
    for (const std::string& name : OptionsNamed(page)) EXPECT_TRUE(every.contains(name)) << name;

    std::string input = kFwiHead;
    for (int line = 2; line < 17; ++line) input += "7,25,40,15,0\n";
    const RunResult run = RunCommand({"fwi"}, input + "7,25,120,15,0\n");
    ASSERT_FALSE(run.errors.empty());
    EXPECT_NE(page.find("\n" + run.errors), std::string::npos) << run.errors;
}

TEST(CommandLine, VersionIsTheProjectVersion) {
    EXPECT_TRUE(VersionText().starts_with("emberlin ")) << VersionText();
    EXPECT_NE(VersionText().find('.'), std::string::npos);
}

}  // namespace
}  // namespace emberlin::batch
