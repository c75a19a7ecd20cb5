#include "forms/results_table.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "common/csv_text.h"
#include "common/number_text.h"

namespace emberlin::forms {
namespace {

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

TEST(ResultsTableTest, CopiedProjectionParsesBackIntoEighteenRowsOfTheScreenNumbers) {
    HandOver shared;
    FuelProjectionForm form(shared);
    TypeKeys(form, "windSpeed", "32");
    TypeKeys(form, "slope", "35.5");
    form.Click("calculate");
    const std::vector<std::string> lines = Lines(TabSeparatedText(MakeResultsTable(form)));
    // Title, input headings, input values, an empty line, result headings, 18 rows.
    ASSERT_EQ(lines.size(), 5u + 18u);
    EXPECT_EQ(lines[0], form.Title());
    const std::vector<std::string> inputHeadings = Split(lines[1], '\t');
    const std::vector<std::string> inputs = Split(lines[2], '\t');
    ASSERT_EQ(inputHeadings.size(), inputs.size());
    std::map<std::string, std::string> input;
    for (std::size_t i = 0; i < inputs.size(); ++i) input[inputHeadings[i]] = inputs[i];
    EXPECT_EQ(input["Wind Speed (km/h)"], "32");
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

TEST(ResultsTableTest, CsvHoldsFullPrecisionNumbersAndTheFireDescriptionAsShown) {
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
    EXPECT_EQ(cell("FD"), form.Text("fdText"));
}

TEST(ResultsTableTest, BeforeAnyCalculationTheTablesHoldWhatTheScreenShows) {
    HandOver shared;
    FbpCalcForm fbp(shared);
    const ResultsTable fbpTable = MakeResultsTable(fbp);
    ASSERT_EQ(fbpTable.rows.size(), 1u);
    EXPECT_EQ(fbpTable.rows[0][0].text, "11.09");
    EXPECT_EQ(fbpTable.rows[0][0].value, 11.09);
    EXPECT_EQ(fbpTable.rows[0][5].text, "Intermittent Crown Fire");
    EXPECT_FALSE(fbpTable.rows[0][5].value);

    DiurnalForm diurnal(shared);
    const ResultsTable empty = MakeResultsTable(diurnal);
    EXPECT_TRUE(empty.rows.empty());
    // Two fields labelled "Maximum" are told apart.
    const std::string csv = CsvText(empty);
    EXPECT_NE(csv.find("Maximum [maxTemperature] (deg C),Maximum [maxWind] (km/h)"),
              std::string::npos)
        << csv;
    diurnal.Click("calculate");
    const ResultsTable day = MakeResultsTable(diurnal);
    ASSERT_EQ(day.rows.size(), 24u);
    // Noon is hour 12 on the left of line 12.
    EXPECT_NE(diurnal.Text(DiurnalForm::LineId(12)).find(day.rows[11][1].text), std::string::npos);
}

TEST(ResultsTableTest, HtmlEscapesTextAndAlignsNumbers) {
    ResultsTable table{"A <b> & \"c\"", {{"x", "%"}}, {{"1.5", 1.5}}, {{"w", ""}}, {{{"a<b", {}}}}};
    const std::string html = HtmlText(table);
    EXPECT_NE(html.find("<h3>A &lt;b&gt; &amp; &quot;c&quot;</h3>"), std::string::npos);
    EXPECT_NE(html.find("<th>x (%)</th>"), std::string::npos);
    EXPECT_NE(html.find("<td align=\"right\">1.5</td>"), std::string::npos);
    EXPECT_NE(html.find("<td>a&lt;b</td>"), std::string::npos);
}

}  // namespace
}  // namespace emberlin::forms
