// A table of results as a grid shows it: column headers with units, one cell per value, and
// beside them the fixed-width heading lines and rows the form builds, so that a copy can give
// both the cells (for a spreadsheet) and the rows exactly as they read.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace emberlin::forms {

struct ResultTable {
    // One header per column: the caption and its unit, "Area (ha)".
    std::vector<std::string> headers;
    // What each column holds, for its tooltip; empty where the header says it all.
    std::vector<std::string> headerTips;
    // One entry per row of the grid; a row not yet calculated has no cells. Each cell is the
    // text the row's format gives for that value, without the blanks around it.
    std::vector<std::vector<std::string>> cells;
    // The fixed-width heading lines over the rows, and the rows themselves, as the form
    // builds them (empty rows are those not yet calculated).
    std::vector<std::string> headingLines;
    std::vector<std::string> rowTexts;
};

// The text without the blanks at either end.
std::string TrimBlanks(std::string_view text);

// The pieces of a fixed-width row, split at every run of two or more blanks: the values of
// the row in their order, as its cells must read.
std::vector<std::string> RowValues(std::string_view row);

// Tab-separated text for a spreadsheet: the header row, then every calculated row, each
// line ended by "\n". Tabs and line breaks inside a text never occur in a cell.
std::string TabSeparated(const ResultTable& table);

// The heading lines and the calculated rows exactly as built, each ended by "\n".
std::string FixedWidthText(const ResultTable& table);

// An HTML table of the same cells, which spreadsheets paste one value per cell.
std::string HtmlTable(const ResultTable& table);

}  // namespace emberlin::forms
