// A form's results as one table, read two ways. A grid shows its columns with the units under
// the captions, one cell per value, and beside them the fixed-width heading lines and rows the
// form builds, so that a copy of the grid gives both the cells (for a spreadsheet) and the rows
// exactly as they read. The exports (copy, CSV, report) give the form's title, its inputs with
// names and units, and each result with the number behind its text at full precision.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace emberlin::forms {

class FormModel;
class FwiCalcForm;
class FbpCalcForm;
class DiurnalForm;
class DetectionForm;
class FuelProjectionForm;
class FireByHourForm;

struct TableColumn {
    std::string name;
    std::string unit;  // empty where the value has none
    // "Name (unit)", as a heading shows it.
    std::string Heading() const { return unit.empty() ? name : name + " (" + unit + ")"; }
};

// A value as the screen shows it and, where it is a number, the number itself at full
// precision (a word such as a fire type has none).
struct TableCell {
    std::string text;
    std::optional<double> value;
    bool operator==(const TableCell&) const = default;
};

// A further table of results under its caption (the Hourly FWI window's hourly grid after its
// daily table).
struct ResultPart {
    std::string caption;
    std::vector<TableColumn> columns;
    std::vector<std::vector<TableCell>> rows;
};

struct ResultTable {
    // --- The grid (empty for a form without one) -----------------------------------------
    // One header per column: the caption over its unit, "Area\n(ha)".
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

    // --- The exports (MakeResultsTable) ------------------------------------------------
    std::string title;
    std::vector<TableColumn> inputColumns;
    std::vector<TableCell> inputs;
    std::vector<TableColumn> resultColumns;
    std::vector<std::vector<TableCell>> rows;  // empty before the first calculation
    // Lines that sum the rows up (Fire by Hour: peak hour, critical spans, crown hours),
    // after them in every export.
    std::vector<std::string> summary;
    // Further tables after the summary, in every export.
    std::vector<ResultPart> parts;
    // Said on a line of its own when the screen's inputs, or values another form handed
    // over for the results, have changed since the calculation
    // (the inputs above are the calculation's); empty otherwise.
    std::string note;
};

// The text without the blanks at either end.
std::string TrimBlanks(std::string_view text);

// A fixed-width row and its grid cells, made in one pass: each value goes into the row with
// its padding and into the cells without the blanks around it.
struct FormattedRow {
    std::string text;
    std::vector<std::string> cells;
    // Text between the values (blanks, mostly): in the row only.
    FormattedRow& Gap(std::string_view between);
    // A value as the row shows it, padding included.
    FormattedRow& Value(std::string_view padded);
};

// The pieces of a fixed-width row, split at every run of two or more blanks: the values of
// the row in their order, as its cells must read.
std::vector<std::string> RowValues(std::string_view row);

// --- Copies of the grid ---------------------------------------------------------------
// Tab-separated text for a spreadsheet: the header row, then every calculated row, each
// line ended by "\n". Tabs and line breaks inside a text never occur in a cell.
std::string TabSeparated(const ResultTable& table);

// The heading lines and the calculated rows exactly as built, each ended by "\n".
std::string FixedWidthText(const ResultTable& table);

// An HTML table of the same cells, which spreadsheets paste one value per cell.
std::string HtmlTable(const ResultTable& table);

// --- The exports ----------------------------------------------------------------------
// The held inputs of a form (its input fields and option groups) with names and units.
void AddInputs(const FormModel& form, ResultTable& table);

// The order a reader takes a table's inputs in, as indexes into `inputs`: the choices and the
// fuel's own parameters first (fuel type, ignition, conifer and curing), then the weather and
// the indices, then the site, then the date and the times. Within each, the form's order.
std::vector<std::size_t> ReadingOrder(const ResultTable& table);

// The inputs of a form's results in words, for the caption of a picture drawn from them: each
// name as a sentence reads it, its value and its unit, in the order a reader takes them
// ("Fuel type C2; Ignition point; FFMC 87; Wind speed 25 km/h; ...; Date 15 July").
std::string InputsInWords(const FormModel& form);

// A form's table for the exports: its title, inputs and results; the forms with a grid
// also give their grid's part (their Table()).
ResultTable MakeResultsTable(const FwiCalcForm& form);
ResultTable MakeResultsTable(const FbpCalcForm& form);
ResultTable MakeResultsTable(const DiurnalForm& form);
ResultTable MakeResultsTable(const DetectionForm& form);
ResultTable MakeResultsTable(const FuelProjectionForm& form);
ResultTable MakeResultsTable(const FireByHourForm& form);

// Tab-separated text as the screen shows it: the title, then the inputs (a heading row of
// names and units and one row of values), an empty line, and the results (a heading row and
// one row per result). Lines end in "\n".
std::string TabSeparatedText(const ResultTable& table);
// The same as an HTML fragment: a heading and two tables.
std::string HtmlText(const ResultTable& table);
// CSV (RFC 4180): one heading row of names and units, then one row per result, each with the
// inputs in front; numbers in full precision, words (fire types, fuel types) as shown.
std::string CsvText(const ResultTable& table);

}  // namespace emberlin::forms
