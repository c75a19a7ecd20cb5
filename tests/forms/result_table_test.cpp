#include "forms/result_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "forms/detection_form.h"
#include "forms/dialog/recording_host.h"
#include "forms/diurnal_form.h"
#include "forms/fuel_projection_form.h"

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
    table.cells = {{"0.2", "Surface"}, {}, {"12.5", "A&B"}};
    table.headingLines = {"  Area   Type"};
    table.rowTexts = {"   0.2   Surface ", "", "  12.5   A&B"};
    EXPECT_EQ(TabSeparated(table), "Area (ha)\tType <Fire>\n0.2\tSurface\n12.5\tA&B\n");
    EXPECT_EQ(FixedWidthText(table), "  Area   Type\n   0.2   Surface \n  12.5   A&B\n");
    EXPECT_EQ(HtmlTable(table),
              "<table>\n<tr><th>Area<br>(ha)</th><th>Type &lt;Fire&gt;</th></tr>\n"
              "<tr><td>0.2</td><td>Surface</td></tr>\n"
              "<tr><td>12.5</td><td>A&amp;B</td></tr>\n</table>\n");
}

// Each grid cell reads exactly as the value does in the fixed-width row the form builds, one
// cell per value and one header per column, in all three result tables.
TEST(ResultTableTest, GridCellsAreTheValuesOfTheBuiltRows) {
    HandOver shared;
    RecordingHost host;
    DiurnalForm diurnal(shared);
    DetectionForm detection(shared);
    FuelProjectionForm projection(shared);
    struct Case {
        const char* name;
        FormModel& form;
        std::function<ResultTable()> table;
        std::size_t rows;
        std::size_t columns;
    };
    // The diurnal calculator goes first: the detection assessment reads its hourly tables.
    const Case cases[] = {
        {"diurnal", diurnal, [&] { return diurnal.Table(); }, 12, 10},
        {"detection C2", detection, [&] { return detection.Table(); }, 10, 14},
        {"projection", projection, [&] { return projection.Table(); }, 18, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.form.AttachHost(host);
        c.form.Open();
        const ResultTable before = c.table();
        EXPECT_EQ(before.cells.size(), c.rows);
        for (const auto& row : before.cells) EXPECT_TRUE(row.empty());
        c.form.Click("calculate");
        EXPECT_TRUE(host.Messages().empty());
        const ResultTable table = c.table();
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
    // Without C2 the odds column stays empty.
    detection.Click("fuelC3");
    detection.Click("calculate");
    for (const auto& row : detection.Table().cells) {
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

}  // namespace
}  // namespace emberlin::forms
