// The batch commands against the engines called directly, every refusal, and the files a run
// leaves behind.
#include "batch/batch.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <span>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "batch/command.h"
#include "batch/csv.h"
#include "batch_test_support.h"
#include "common/number_text.h"
#include "common/rounding.h"
#include "diurnal/diurnal_weather.h"
#include "diurnal/hourly_ffmc.h"
#include "fbp/fbp_engine.h"
#include "forms/fields/calculator_defaults.h"
#include "forms/fields/field_ranges.h"
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

// Runs `emberlin <args> in.csv -o out.csv` in a fresh folder holding `input` as in.csv.
RunResult RunCommand(std::vector<std::string> args, const std::string& input) {
    const fs::path folder =
        fs::path(testing::TempDir()) /
        ("batch_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::ofstream(folder / "in.csv", std::ios::binary) << input;
    args.push_back((folder / "in.csv").string());
    args.push_back("-o");
    args.push_back((folder / "out.csv").string());
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
    if (fs::exists(folder / "out.csv")) {
        result.outputWritten = true;
        std::ifstream out(folder / "out.csv", std::ios::binary);
        std::stringstream text;
        text << out.rdbuf();
        result.output = ParseCsv(text.str());
    }
    return result;
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
// second station that starts again from the start codes.
const Day kDays[] = {
    {"A", 4, 17, 42, 25, 0},   {"A", 4, 20, 21, 25, 2.4},  {"A", 4, 8.5, 40, 17, 0},
    {"A", 4, 6.5, 25, 6, 0},   {"A", 4, 13, 34, 24, 0},    {"A", 4, 6, 40, 22, 0.4},
    {"A", 5, 5.5, 52, 6, 0},   {"A", 5, 8.5, 46, 16, 12},  {"A", 5, 9.5, 54, 20, 0.51},
    {"A", 5, 21, 100, 40, 60}, {"B", 7, 28, 50, 25, 0},    {"B", 7, 30, 1, 100, 0},
    {"B", 7, 0, 100, 0, 1.51}, {"B", 8, 40, 30, 60, 2.81},
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

// Blank cells and absent columns take the engine's defaults (BUIEff: the BUI is used); the
// elapsed time may be given in hours.
TEST(FbpCommand, BlanksDefaultsAndHours) {
    const RunResult run = RunCommand({"fbp"},
                                     "FuelType,FFMC,BUI,WS,hr,Accel,BUIEff\n"
                                     "C2,90,60,20,0.5,,\n"
                                     "C2,90,60,20,0.5,1,0\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    ASSERT_EQ(run.output.size(), 3u);
    FbpInputs in;
    in.fuelType = "C2";
    in.ffmc = 90;
    in.bui = 60;
    in.windSpeed = 20;
    in.elapsedTime = 30;
    in.useBui = 1;
    FbpOutputs first, second;
    ComputeFbp(in, first);
    in.ignitionType = 1;
    in.useBui = 0;
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
            "id," + kFwiHead + "\"North, \"\"Bay\"\"\nStation\",7,25,40,15,0\nS,7,45,40,15,0\n",
            1,
            "line 4, column temp: 45 is outside 0 to 40\n"},
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
        RefusalCase{"MethodWithoutCalculation",
                    {"diurnal", "--method", "lawson"},
                    "x\n",
                    2,
                    "emberlin diurnal: --method: \"lawson\" is not a method"}),
    [](const testing::TestParamInfo<RefusalCase>& row) { return std::string(row.param.name); });

// --keep-going writes the good rows, names each bad one and still ends with status 1.
TEST(KeepGoing, WritesGoodRowsReportsEachBadOne) {
    const RunResult run =
        RunCommand({"fwi", "--keep-going"}, "id," + kFwiHead +
                                                "A,7,25,40,15,0\nA,7,25,0,15,0\nA,7,25,40,15,0\n"
                                                "A,13,25,40,15,0\nA,7,25,40,15\nA,7,25,40,15,0\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors,
              "line 3, column rh: 0 is outside 1 to 100\n"
              "line 5, column mon: 13 is outside 1 to 12\n"
              "line 6: 5 fields where the heading has 6\n");
    ASSERT_EQ(run.output.size(), 4u);
    // The chain goes on from the last good day.
    double ffmc = 85, dmc = 6, dc = 15;
    for (std::size_t row = 1; row < 4; ++row) {
        const FwiCodes day = CalcFwiDay(ffmc, dmc, dc, 7, 25, 40, 0, 15);
        EXPECT_EQ(Number(run.output[row][6]), day.ffmc);
        ffmc = day.ffmc, dmc = day.dmc, dc = day.dc;
    }
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
                    LaunchCase{"Hourly", {"hourly", "--summary"}, LaunchKind::Batch, ""}),
    [](const testing::TestParamInfo<LaunchCase>& row) { return std::string(row.param.name); });

// The texts that list the fuel codes, which come from the catalogue, word for word.
// The batch commands check a value against the range and integer rule of the form field it
// stands for: every number field of each form has its rule, equal to the field's own, and the
// table lists no field the form lacks.
struct FormFields {
    const char* name;
    std::function<std::unique_ptr<forms::FormModel>(forms::HandOver&)> make;
    ValueRule (*rule)(std::string_view);
    std::span<const forms::FieldRange> (*table)();
};

class FormFieldRules : public testing::TestWithParam<FormFields> {};

TEST_P(FormFieldRules, BatchRuleIsTheFormFieldsOwn) {
    forms::HandOver shared;
    const std::unique_ptr<forms::FormModel> form = GetParam().make(shared);
    std::size_t numberFields = 0;
    for (const forms::Control* control : form->Controls()) {
        const bool integer = control->kind == forms::ControlKind::IntField;
        if (!integer && control->kind != forms::ControlKind::DoubleField) continue;
        ++numberFields;
        const ValueRule rule = GetParam().rule(control->id);
        EXPECT_EQ(rule.min, control->minValue) << control->id;
        EXPECT_EQ(rule.max, control->maxValue) << control->id;
        EXPECT_EQ(rule.integer, integer) << control->id;
    }
    EXPECT_EQ(GetParam().table().size(), numberFields);
    EXPECT_THROW(GetParam().rule("noSuchField"), std::out_of_range);
}

template <class Form>
std::unique_ptr<forms::FormModel> Make(forms::HandOver& shared) {
    return std::make_unique<Form>(shared);
}

INSTANTIATE_TEST_SUITE_P(Forms, FormFieldRules,
                         testing::Values(FormFields{"FwiCalc", Make<forms::FwiCalcForm>,
                                                    FwiFormRange, forms::FwiCalcRanges},
                                         FormFields{"FbpCalc", Make<forms::FbpCalcForm>,
                                                    FbpFormRange, forms::FbpCalcRanges},
                                         FormFields{"Diurnal", Make<forms::DiurnalForm>,
                                                    DiurnalFormRange, forms::DiurnalRanges},
                                         FormFields{"FireByHour", Make<forms::FireByHourForm>,
                                                    FireByHourFormRange, forms::FireByHourRanges}),
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
              "(curing %), GFL (kg/m2), theta (deg). A blank value takes the engine's default.\n"
              "Values are checked with the FBP calculator's ranges. Output: every input column, "
              "then\n"
              "every FBP output under its own name and fireType (Surface Fire, Intermittent "
              "Crown\n"
              "Fire, Crown Fire). Columns the engine does not use are passed through.\n");
}

TEST(CommandLine, VersionIsTheProjectVersion) {
    EXPECT_TRUE(VersionText().starts_with("emberlin ")) << VersionText();
    EXPECT_NE(VersionText().find('.'), std::string::npos);
}

}  // namespace
}  // namespace emberlin::batch
