// A calculator's inputs and results as one table, for the clipboard (tab-separated text and
// HTML) and for CSV files.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "forms/detection_form.h"
#include "forms/diurnal_form.h"
#include "forms/fbp_calc_form.h"
#include "forms/fire_by_hour_form.h"
#include "forms/fuel_projection_form.h"
#include "forms/fwi_calc_form.h"

namespace emberlin::forms {

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
};

struct ResultsTable {
    std::string title;
    std::vector<TableColumn> inputColumns;
    std::vector<TableCell> inputs;
    std::vector<TableColumn> resultColumns;
    std::vector<std::vector<TableCell>> rows;  // empty before the first calculation
};

// The held inputs of a form (its input fields and option groups) with names and units.
void AddInputs(const FormModel& form, ResultsTable& table);

ResultsTable MakeResultsTable(const FwiCalcForm& form);
ResultsTable MakeResultsTable(const FbpCalcForm& form);
ResultsTable MakeResultsTable(const DiurnalForm& form);
ResultsTable MakeResultsTable(const DetectionForm& form);
ResultsTable MakeResultsTable(const FuelProjectionForm& form);
ResultsTable MakeResultsTable(const FireByHourForm& form);

// Tab-separated text as the screen shows it: the title, then the inputs (a heading row of
// names and units and one row of values), an empty line, and the results (a heading row and
// one row per result). Lines end in "\n".
std::string TabSeparatedText(const ResultsTable& table);
// The same as an HTML fragment: a heading and two tables.
std::string HtmlText(const ResultsTable& table);
// CSV (RFC 4180): one heading row of names and units, then one row per result, each with the
// inputs in front; numbers in full precision, words (fire types, fuel types) as shown.
std::string CsvText(const ResultsTable& table);

}  // namespace emberlin::forms
