#include "forms/exports/result_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "common/csv_text.h"
#include "common/number_text.h"
#include "forms/kit/recording_host.h"
#include "forms/models/detection_form.h"
#include "forms/models/diurnal_form.h"
#include "forms/models/fbp_calc_form.h"
#include "forms/models/fire_by_hour_form.h"
#include "forms/models/fuel_projection_form.h"
#include "forms/models/fwi_calc_form.h"
#include "support/diurnal_day.h"

namespace emberlin::forms {
namespace {

TEST(ResultTableTest, RowValuesSplitAtRunsOfBlanks) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"", {}},
        {"     ", {}},
        {"    1 am          5.0       100.0", {"1 am", "5.0", "100.0"}},
        {"  1445       15   Intermittent     ", {"1445", "15", "Intermittent"}},
        {"Midnight  22.1", {"Midnight", "22.1"}},
    };
    for (const auto& [row, values] : cases) EXPECT_EQ(RowValues(row), values) << '"' << row << '"';
    EXPECT_EQ(TrimBlanks("  Crown    "), "Crown");
    EXPECT_EQ(TrimBlanks("   "), "");
}

TEST(ResultTableTest, CopiesGiveHeaderRowCellsAndExactRows) {
    ResultTable table;
    table.headers = {"Area\n(ha)", "Type <Fire>"};
    table.cells = {{"0.2", "Surface"}, {}, {"12.5", "A&\"B\""}};
    table.headingLines = {"  Area   Type"};
    table.rowTexts = {"   0.2   Surface ", "", "  12.5   A&B"};
    EXPECT_EQ(TabSeparated(table), "Area (ha)\tType <Fire>\n0.2\tSurface\n12.5\tA&\"B\"\n");
    EXPECT_EQ(FixedWidthText(table), "  Area   Type\n   0.2   Surface \n  12.5   A&B\n");
    // The grid's copy leaves double quotes as they are (the exports write them as entities).
    EXPECT_EQ(HtmlTable(table),
              "<table>\n<tr><th>Area<br>(ha)</th><th>Type &lt;Fire&gt;</th></tr>\n"
              "<tr><td>0.2</td><td>Surface</td></tr>\n"
              "<tr><td>12.5</td><td>A&amp;\"B\"</td></tr>\n</table>\n");
    // The grid's part says nothing of the exports' part.
    EXPECT_EQ(TabSeparatedText(table), "\n\n\n\n\n");
    EXPECT_EQ(CsvText(table), "\r\n\r\n");
}

// Each grid cell reads exactly as the value does in the fixed-width row the form builds, one
// cell per value and one header per column, in all three result tables.
struct GridCase {
    const char* name;
    // The form's table before and after CALCULATE with its first inputs.
    std::pair<ResultTable, ResultTable> (*run)(HandOver& shared, RecordingHost& host);
    std::size_t rows;
    std::size_t columns;
};

void PrintTo(const GridCase& c, std::ostream* out) { *out << c.name; }

template <typename Form>
std::pair<ResultTable, ResultTable> CalculatedGrid(HandOver& shared, RecordingHost& host) {
    Form form(shared);
    form.AttachHost(host);
    form.Open();
    ResultTable before = form.Table();
    form.Click("calculate");
    return {std::move(before), form.Table()};
}

class ResultGrids : public ::testing::TestWithParam<GridCase> {};

TEST_P(ResultGrids, CellsAreTheValuesOfTheBuiltRows) {
    const GridCase& c = GetParam();
    HandOver shared;
    RecordingHost host;
    // The detection assessment reads the diurnal calculator's hourly tables.
    DiurnalForm diurnal(shared);
    diurnal.Click("calculate");
    const auto [before, table] = c.run(shared, host);
    EXPECT_EQ(before.cells.size(), c.rows);
    for (const auto& row : before.cells) EXPECT_TRUE(row.empty());
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_EQ(table.headers.size(), c.columns);
    ASSERT_EQ(table.cells.size(), c.rows);
    ASSERT_EQ(table.rowTexts.size(), c.rows);
    for (std::size_t r = 0; r < c.rows; ++r) {
        EXPECT_EQ(table.cells[r].size(), c.columns) << r;
        std::vector<std::string> filled;
        for (const std::string& cell : table.cells[r]) {
            if (!cell.empty()) filled.push_back(cell);
        }
        EXPECT_EQ(filled, RowValues(table.rowTexts[r])) << table.rowTexts[r];
    }
}

INSTANTIATE_TEST_SUITE_P(
    ResultTableTest, ResultGrids,
    ::testing::Values(GridCase{"diurnal", CalculatedGrid<DiurnalForm>, 12, 10},
                      GridCase{"detection_C2", CalculatedGrid<DetectionForm>, 10, 14},
                      GridCase{"projection", CalculatedGrid<FuelProjectionForm>, 18, 12}),
    [](const ::testing::TestParamInfo<GridCase>& row) { return std::string(row.param.name); });

TEST(ResultTableTest, OddsOnlyForC2AndTheCrownFractionIsNoPercentage) {
    HandOver shared;
    RecordingHost host;
    DiurnalForm diurnal(shared);
    diurnal.Click("calculate");
    DetectionForm detection(shared);
    FuelProjectionForm projection(shared);
    detection.AttachHost(host);
    detection.Open();
    // Without C2 the odds column stays empty.
    detection.Click("fuelC3");
    detection.Click("calculate");
    ASSERT_TRUE(host.Messages().empty());
    const std::vector<std::vector<std::string>> cells = detection.Table().cells;
    ASSERT_EQ(cells.size(), 10u);
    for (const auto& row : cells) {
        ASSERT_EQ(row.size(), 14u);
        EXPECT_EQ(row[13], "");
        EXPECT_FALSE(row[12].empty());
    }
    // The crown fraction is a fraction: no percent sign over it; only the odds are percent.
    for (const auto& table : {detection.Table(), projection.Table()}) {
        EXPECT_NE(std::find(table.headers.begin(), table.headers.end(), "CFB"),
                  table.headers.end());
    }
    std::string detectionHeadings;
    for (const std::string& line : detection.Table().headingLines) detectionHeadings += line;
    EXPECT_NE(detectionHeadings.find("CFB"), std::string::npos);
    EXPECT_EQ(detectionHeadings.find('%'), detectionHeadings.rfind('%'));  // the one under POC
    for (const std::string& line : projection.Table().headingLines) {
        EXPECT_EQ(line.find('%'), std::string::npos) << line;
    }
}

// The two projection grids' headers and tips, word for word: the shared columns stand between
// each table's own, and only the listed columns carry a tip.
TEST(ResultTableTest, ProjectionGridHeadersAndTips) {
    HandOver shared;
    const DetectionForm detection(shared);
    const FuelProjectionForm projection(shared);
    const std::vector<std::string> shared_columns = {"Head ROS\n(m/min)",  "Head HFI\n(kW/m)",
                                                     "Flank ROS\n(m/min)", "Flank HFI\n(kW/m)",
                                                     "Back ROS\n(m/min)",  "Back HFI\n(kW/m)",
                                                     "Area\n(ha)",         "Perimeter\n(m)",
                                                     "PGR\n(m)",           "CFB",
                                                     "Type Fire"};
    std::vector<std::string> detectionHeaders = {"HOUR", "TIME\n(min)"};
    detectionHeaders.insert(detectionHeaders.end(), shared_columns.begin(), shared_columns.end());
    detectionHeaders.push_back("POC\n(%)");
    std::vector<std::string> projectionHeaders = {"FBP Fuel"};
    projectionHeaders.insert(projectionHeaders.end(), shared_columns.begin(), shared_columns.end());
    const std::string cfbTip = "Crown fraction burned, 0.0 to 1.0";

    const ResultTable d = detection.Table();
    EXPECT_EQ(d.headers, detectionHeaders);
    std::vector<std::string> detectionTips(14);
    detectionTips[0] = "Clock time hhmm at which the row's elapsed time ends";
    detectionTips[8] = DetectionForm::kAreaTip;
    detectionTips[11] = cfbTip;
    detectionTips[13] = "Probability of containment, C2 only";
    EXPECT_EQ(d.headerTips, detectionTips);
    EXPECT_EQ(d.headingLines.size(), 3u);
    EXPECT_EQ(d.rowTexts.size(), 10u);

    const ResultTable p = projection.Table();
    EXPECT_EQ(p.headers, projectionHeaders);
    std::vector<std::string> projectionTips(12);
    projectionTips[10] = cfbTip;
    EXPECT_EQ(p.headerTips, projectionTips);
    EXPECT_EQ(p.headingLines.size(), 2u);
    EXPECT_EQ(p.rowTexts.size(), 18u);
}

// --- The exports: copy, CSV and report ---------------------------------------------------

std::vector<std::string> Split(const std::string& line, char separator) {
    std::vector<std::string> cells;
    std::stringstream stream(line);
    std::string cell;
    while (std::getline(stream, cell, separator)) cells.push_back(cell);
    return cells;
}

std::vector<std::string> Lines(const std::string& text) { return Split(text, '\n'); }

// The numbers of a line of text, in order, skipping words.
std::vector<double> Numbers(const std::vector<std::string>& cells) {
    std::vector<double> numbers;
    for (const std::string& cell : cells) {
        if (auto value = ParseDouble(cell)) numbers.push_back(*value);
    }
    return numbers;
}

TEST(ResultTableExportTest, CopiedProjectionParsesBackIntoEighteenRowsOfTheScreenNumbers) {
    HandOver shared;
    FuelProjectionForm form(shared);
    TypeKeys(form, "windSpeed", "32");
    TypeKeys(form, "slope", "35.5");
    form.Click("calculate");
    const ResultTable table = MakeResultsTable(form);
    // One table: the exports' part beside the grid's.
    EXPECT_EQ(table.cells, form.Table().cells);
    EXPECT_EQ(table.rowTexts, form.Table().rowTexts);
    EXPECT_EQ(FixedWidthText(table), FixedWidthText(form.Table()));
    const std::vector<std::string> lines = Lines(TabSeparatedText(table));
    // Title, input headings, input values, an empty line, result headings, 18 rows.
    ASSERT_EQ(lines.size(), 5u + 18u);
    EXPECT_EQ(lines[0], form.Title());
    const std::vector<std::string> inputHeadings = Split(lines[1], '\t');
    const std::vector<std::string> inputs = Split(lines[2], '\t');
    ASSERT_EQ(inputHeadings.size(), inputs.size());
    std::map<std::string, std::string> input;
    for (std::size_t i = 0; i < inputs.size(); ++i) input[inputHeadings[i]] = inputs[i];
    EXPECT_EQ(input["Wind speed (km/h)"], "32");
    EXPECT_EQ(input["Slope (%)"], "35.5");
    EXPECT_EQ(input["Ignition"], "Point");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(Split(lines[4], '\t').front(), "Fuel type");
    EXPECT_EQ(Split(lines[4], '\t')[1], "Head ROS (m/min)");
    for (int i = 0; i < kFuelCount; ++i) {
        const std::vector<std::string> cells = Split(lines[5 + static_cast<std::size_t>(i)], '\t');
        ASSERT_EQ(cells.size(), 12u) << i;
        EXPECT_EQ(cells.front(), CatalogueFuel(i).code);
        // The screen row: its label, ten numbers and the fire type word.
        const std::vector<std::string> screen = Split(form.Text(FuelProjectionForm::RowId(i)), ' ');
        EXPECT_EQ(Numbers(cells), Numbers(screen)) << cells.front();
        EXPECT_EQ(Numbers(cells).size(), 10u);
        EXPECT_NE(form.Text(FuelProjectionForm::RowId(i)).find(cells.back()), std::string::npos);
    }
}

TEST(ResultTableExportTest, CsvHoldsFullPrecisionNumbersAndTheFireDescriptionAsShown) {
    HandOver shared;
    FbpCalcForm form(shared);
    TypeKeys(form, "ffmc", "91.3");
    form.Click("calculate");
    const FbpOutputs out = *form.LastOutputs();
    const std::vector<std::string> lines = Split(CsvText(MakeResultsTable(form)), '\n');
    ASSERT_EQ(lines.size(), 2u);  // heading and one row, each ended by CRLF
    const std::vector<std::string> headings = Split(lines[0].substr(0, lines[0].size() - 1), ',');
    const std::vector<std::string> cells = Split(lines[1].substr(0, lines[1].size() - 1), ',');
    ASSERT_EQ(headings.size(), cells.size());
    const auto cell = [&](const std::string& heading) {
        for (std::size_t i = 0; i < headings.size(); ++i) {
            if (headings[i] == heading) return cells[i];
        }
        ADD_FAILURE() << "no column " << heading;
        return std::string();
    };
    EXPECT_EQ(cell("FFMC"), "91.3");
    EXPECT_EQ(cell("Fuel type"), SimplifiedLabel(CatalogueFuel(kC2).calculatorLabel));
    EXPECT_EQ(cell("Ignition"), "Point");
    EXPECT_EQ(cell("ROS (m/min)"), ShortestNumber(out.ros));
    EXPECT_EQ(ParseDouble(cell("ROS (m/min)")), out.ros);
    EXPECT_EQ(ParseDouble(cell("HFI (kW/m)")), out.hfi);
    EXPECT_EQ(ParseDouble(cell("Area (ha)")), out.area);
    EXPECT_NE(cell("ROS (m/min)"), form.Text("rosText"));  // more digits than the screen
    EXPECT_EQ(cell("Fire description"), form.Text("fdText"));
}

TEST(ResultTableExportTest, BeforeAnyCalculationTheTablesHoldWhatTheScreenShows) {
    HandOver shared;
    FbpCalcForm fbp(shared);
    const ResultTable fbpTable = MakeResultsTable(fbp);
    ASSERT_EQ(fbpTable.rows.size(), 1u);
    EXPECT_EQ(fbpTable.rows[0][0].text, "11.09");
    EXPECT_EQ(fbpTable.rows[0][0].value, 11.09);
    EXPECT_EQ(fbpTable.rows[0][5].text, "Intermittent Crown Fire");
    EXPECT_FALSE(fbpTable.rows[0][5].value);

    DiurnalForm diurnal(shared);
    const ResultTable empty = MakeResultsTable(diurnal);
    EXPECT_TRUE(empty.rows.empty());
    // Two fields labelled "Maximum" are told apart by their names.
    const std::string csv = CsvText(empty);
    EXPECT_NE(csv.find("Maximum temperature (deg C),Maximum wind speed (km/h)"), std::string::npos)
        << csv;
    diurnal.Click("calculate");
    const ResultTable day = MakeResultsTable(diurnal);
    ASSERT_EQ(day.rows.size(), 24u);
    // Noon is hour 12 on the left of line 12.
    EXPECT_NE(diurnal.Text(DiurnalForm::LineId(12)).find(day.rows[11][1].text), std::string::npos);
}

// A calculation, then an input typed without calculating: every export keeps the inputs of
// the calculation and says on a line of its own that the screen has changed since; those
// inputs, calculated again, give the exported results.
struct SinceRow {
    const char* name;
    std::function<std::pair<std::unique_ptr<FormModel>, std::function<ResultTable()>>(HandOver&)>
        make;
    const char* field;
    const char* calculated;
    const char* typedSince;
};
void PrintTo(const SinceRow& row, std::ostream* out) { *out << row.name; }

template <class Form>
std::pair<std::unique_ptr<FormModel>, std::function<ResultTable()>> Made(HandOver& shared) {
    auto form = std::make_unique<Form>(shared);
    const Form* held = form.get();
    return {std::move(form), [held] { return MakeResultsTable(*held); }};
}

class ExportsOfTheCalculation : public testing::TestWithParam<SinceRow> {};

TEST_P(ExportsOfTheCalculation, KeepItsInputsAndSayTheScreenChanged) {
    const SinceRow& row = GetParam();
    HandOver shared;
    ASSERT_TRUE(testing_support::PublishDiurnalDay(shared));
    auto [form, table] = row.make(shared);
    std::size_t column = 0;
    const std::vector<const Control*> fields = form->InputFields();
    while (column < fields.size() && fields[column]->id != row.field) ++column;
    ASSERT_LT(column, fields.size());
    TypeKeys(*form, row.field, row.calculated);
    form->Click("calculate");
    const ResultTable computed = table();
    ASSERT_FALSE(computed.rows.empty());
    EXPECT_TRUE(computed.note.empty());
    // Every heading says what its column is, once, and no internal name leaks into it.
    std::set<std::string> headings;
    for (const auto* columns : {&computed.inputColumns, &computed.resultColumns}) {
        for (const TableColumn& named : *columns) {
            const std::string heading = named.Heading();
            EXPECT_TRUE(headings.insert(heading).second) << heading;
            EXPECT_EQ(heading.find('['), std::string::npos) << heading;
            for (const Control* control : form->Controls()) {
                const std::string& id = control->id;
                if (std::any_of(id.begin(), id.end(), [](char c) { return std::isupper(c); })) {
                    EXPECT_EQ(heading.find(id), std::string::npos) << heading;
                }
            }
        }
    }
    EXPECT_EQ(computed.inputs[column].text, row.calculated);

    TypeKeys(*form, row.field, row.typedSince);
    const ResultTable since = table();
    EXPECT_EQ(since.inputs[column].text, row.calculated);
    EXPECT_EQ(since.inputs, computed.inputs);
    EXPECT_EQ(since.rows, computed.rows);
    ASSERT_FALSE(since.note.empty());
    EXPECT_NE(TabSeparatedText(since).find("\n" + since.note + "\n"), std::string::npos);
    EXPECT_NE(CsvText(since).find("\r\n" + since.note + "\r\n"), std::string::npos)
        << CsvText(since);
    EXPECT_NE(HtmlText(since).find(since.note), std::string::npos);

    // Fire by Hour's summary travels with its rows.
    if (form->HasControl("summary")) {
        ASSERT_FALSE(computed.summary.empty());
        EXPECT_EQ(since.summary, computed.summary);
        for (const std::string& line : computed.summary) {
            EXPECT_NE(form->Text("summary").find(line), std::string::npos) << line;
            EXPECT_NE(TabSeparatedText(since).find("\n" + line + "\n"), std::string::npos);
            EXPECT_NE(CsvText(since).find(line), std::string::npos);
            EXPECT_NE(HtmlText(since).find(line), std::string::npos);
        }
    }
    TypeKeys(*form, row.field, row.calculated);
    form->Click("calculate");
    EXPECT_EQ(table().rows, computed.rows);  // the exported inputs give the exported results
    TypeKeys(*form, row.field, row.typedSince);
    form->Click("calculate");
    EXPECT_EQ(table().inputs[column].text, row.typedSince);
    EXPECT_TRUE(table().note.empty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryCalculator, ExportsOfTheCalculation,
    testing::Values(SinceRow{"fwi", Made<FwiCalcForm>, "windSpeed", "30", "35"},
                    SinceRow{"fbp", Made<FbpCalcForm>, "windSpeed", "30", "35"},
                    SinceRow{"diurnal", Made<DiurnalForm>, "windSpeed", "30", "35"},
                    SinceRow{"detection", Made<DetectionForm>, "fireStartTime", "1300", "1400"},
                    SinceRow{"projection", Made<FuelProjectionForm>, "windSpeed", "30", "35"},
                    SinceRow{"by_hour", Made<FireByHourForm>, "bui", "60", "70"}),
    [](const testing::TestParamInfo<SinceRow>& row) { return std::string(row.param.name); });

// A picture's caption names the calculation's inputs as a sentence would, each with its unit,
// fuel and ignition first, then weather, site, date and time; never a label's raw spacing, its
// parenthesised unit or a name two fields share.
TEST(ResultTableExportTest, InputsInWordsReadInOrderWithUnits) {
    const struct {
        const char* name;
        std::function<std::unique_ptr<FormModel>(HandOver&)> make;
        const char* field;
        const char* typed;
        std::vector<std::string> inOrder;
    } cases[] = {
        {"fbp",
         [](HandOver& shared) { return std::make_unique<FbpCalcForm>(shared); },
         "windSpeed",
         "30",
         {"Fuel type C2", "Ignition point", "Grass fuel load 0.3 kg/m\u00b2", "BUI 40",
          "Wind speed 30 km/h", "Wind direction 0\u00b0", "Latitude 55\u00b0", "Slope 0 %",
          "Date 15 July", "Elapsed time 15 min"}},
        {"diurnal",
         [](HandOver& shared) { return std::make_unique<DiurnalForm>(shared); },
         "maxWind",
         "36",
         {"FFMC method Van Wagner", "Noon temperature 30 \u00b0C", "Maximum temperature 32 \u00b0C",
          "Maximum wind speed 36 km/h", "Temperature alpha", "Latitude 55\u00b0", "Date 15 July"}},
        {"detection",
         [](HandOver& shared) { return std::make_unique<DetectionForm>(shared); },
         "fireStartTime",
         "1430",
         {"Fuel type C2", "BUI", "Slope", "Fire start time 14:30"}},
    };
    for (const auto& c : cases) {
        HandOver shared;
        ASSERT_TRUE(testing_support::PublishDiurnalDay(shared));
        std::unique_ptr<FormModel> form = c.make(shared);
        RecordingHost host;
        form->AttachHost(host);
        form->Open();
        TypeKeys(*form, c.field, c.typed);
        form->Click("calculate");
        const std::string words = InputsInWords(*form);
        std::size_t at = 0;
        for (const std::string& part : c.inOrder) {
            const std::size_t found = words.find(part, at);
            ASSERT_NE(found, std::string::npos) << c.name << ": " << part << " in " << words;
            at = found + part.size();
        }
        for (const char* never : {"  ", "( ", "(%", "[", "km/hr", "Maximum 32"}) {
            EXPECT_EQ(words.find(never), std::string::npos) << c.name << ": " << words;
        }
    }
}

// Results grown under hours another window handed over: when that window publishes its hours
// again (equal numbers too: a new calculation), the results on screen, reopened or not, and
// every export say they belong to the earlier hours; a publication of any other channel
// leaves them current, and CALCULATE makes them current again.
struct HoursRow {
    const char* name;
    std::function<std::pair<std::unique_ptr<FormModel>, std::function<ResultTable()>>(HandOver&)>
        make;
    bool fromHourlyFwi;
    const char* source;
    const char* button;
};
void PrintTo(const HoursRow& row, std::ostream* out) { *out << row.name; }

class ResultsOfHandedOverHours : public testing::TestWithParam<HoursRow> {};

TEST_P(ResultsOfHandedOverHours, GoStaleWhenTheirHoursArePublishedAgain) {
    const HoursRow& row = GetParam();
    HandOver shared;
    ASSERT_TRUE(testing_support::PublishDiurnalDay(shared));
    const HourlyFwiDay day{*shared.hourly, 60, 7, 15, "Hourly FWI, 2007-07-15"};
    shared.hourlyFwi = day;
    auto [form, table] = row.make(shared);
    if (row.fromHourlyFwi) form->Click("hourlyFwiSourceOption");
    form->Click("calculate");
    const ResultTable computed = table();
    ASSERT_FALSE(computed.rows.empty());
    ASSERT_FALSE(form->ResultsStale());

    auto publishOwnHours = [&] {
        if (row.fromHourlyFwi) {
            shared.hourlyFwi = day;
        } else {
            ASSERT_TRUE(testing_support::PublishDiurnalDay(shared));
        }
    };
    shared.fbp = FbpSettings{};
    shared.fwi = FwiDay{};
    if (row.fromHourlyFwi) {
        ASSERT_TRUE(testing_support::PublishDiurnalDay(shared));
    } else {
        shared.hourlyFwi = day;
    }
    EXPECT_FALSE(form->ResultsStale()) << "another channel made them stale";
    EXPECT_TRUE(table().note.empty());

    publishOwnHours();
    form->Open();  // the window built anew reads the same model
    EXPECT_TRUE(form->ResultsStale());
    EXPECT_FALSE(form->InputsChangedSinceResults());
    EXPECT_EQ(form->StaleNote(),
              std::string("Results are for the earlier ") + row.source + ": press " + row.button);
    const ResultTable since = table();
    EXPECT_EQ(since.rows, computed.rows);
    EXPECT_EQ(since.inputs, computed.inputs);
    EXPECT_NE(since.note.find(std::string("The ") + row.source + " has changed"), std::string::npos)
        << since.note;
    // Typed inputs as well: the note says both.
    form->TypeText(form->InputFields().front()->id, "1");
    EXPECT_NE(table().note.find("The inputs on screen have changed"), std::string::npos);
    EXPECT_NE(table().note.find(row.source), std::string::npos);

    form->Click("calculate");
    EXPECT_FALSE(form->ResultsStale());
    EXPECT_EQ(form->StaleNote(), "");
    EXPECT_TRUE(table().note.empty());
    publishOwnHours();
    EXPECT_TRUE(form->ResultsStale());
}

INSTANTIATE_TEST_SUITE_P(
    HourTakers, ResultsOfHandedOverHours,
    testing::Values(HoursRow{"detection", Made<DetectionForm>, false,
                             "hourly weather of the Diurnal Weather Calculator", "CALCULATE"},
                    HoursRow{"by_hour_diurnal", Made<FireByHourForm>, false,
                             "hourly weather of the Diurnal Weather Calculator", "Calculate"},
                    HoursRow{"by_hour_hourly_fwi", Made<FireByHourForm>, true,
                             "day sent from Hourly FWI", "Calculate"}),
    [](const testing::TestParamInfo<HoursRow>& row) { return std::string(row.param.name); });

TEST(ResultTableExportTest, HtmlEscapesTextAndAlignsNumbers) {
    ResultTable table;
    table.title = "A <b> & \"c\"";
    table.inputColumns = {{"x", "%"}};
    table.inputs = {{"1.5", 1.5}};
    table.resultColumns = {{"w", ""}};
    table.rows = {{{"a<b", {}}}};
    const std::string html = HtmlText(table);
    EXPECT_NE(html.find("<h3>A &lt;b&gt; &amp; &quot;c&quot;</h3>"), std::string::npos);
    EXPECT_NE(html.find("<th>x (%)</th>"), std::string::npos);
    EXPECT_NE(html.find("<td align=\"right\">1.5</td>"), std::string::npos);
    EXPECT_NE(html.find("<td>a&lt;b</td>"), std::string::npos);
}

}  // namespace
}  // namespace emberlin::forms
