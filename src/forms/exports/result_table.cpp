#include "forms/exports/result_table.h"

#include <cctype>

#include "common/calendar.h"
#include "common/csv_text.h"
#include "common/number_text.h"
#include "common/rounding.h"
#include "fire/containment.h"
#include "forms/content/pictures.h"
#include "forms/models/detection_form.h"
#include "forms/models/diurnal_form.h"
#include "forms/models/fbp_calc_form.h"
#include "forms/models/fire_by_hour_form.h"
#include "forms/models/fuel_projection_form.h"
#include "forms/models/fwi_calc_form.h"

namespace emberlin::forms {

namespace {

bool HasCells(const std::vector<std::string>& row) {
    for (const std::string& cell : row) {
        if (!cell.empty()) return true;
    }
    return false;
}

// A label without its parenthesised unit: "Wind Speed  ( km/hr )" gives "Wind Speed".
std::string NameOf(std::string_view label) {
    std::string name = SimplifiedLabel(label);
    const std::size_t open = name.rfind('(');
    if (open != std::string::npos && open > 0 && name.back() == ')')
        name = TrimBlanks(name.substr(0, open));
    return name;
}

// A parenthesised unit at the end of a label ("ROS ( m/min )" gives "m/min").
std::string UnitOf(std::string_view label) {
    const std::string simple = SimplifiedLabel(label);
    const std::size_t open = simple.rfind('(');
    if (open == std::string::npos || simple.back() != ')') return {};
    std::string unit;
    for (char c : simple.substr(open + 1, simple.size() - open - 2)) {
        if (c != ' ') unit += c;
    }
    return unit;
}

TableCell Number(double value, std::string text) { return {std::move(text), value}; }
TableCell Word(std::string text) { return {std::move(text), std::nullopt}; }
// A number shown with one decimal, as the projection tables and the diurnal table show it.
TableCell OneDecimal(double value) { return Number(value, TrimBlanks(FormatFixed(value, 1, 1))); }

void AppendLine(std::string& out, const std::vector<std::string>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) out += '\t';
        // A tab or line end inside a cell would break the columns.
        for (char c : cells[i]) out += c == '\t' || c == '\n' || c == '\r' ? ' ' : c;
    }
    out += '\n';
}

std::vector<std::string> Headings(const std::vector<TableColumn>& columns) {
    std::vector<std::string> headings;
    for (const TableColumn& c : columns) headings.push_back(c.Heading());
    return headings;
}

std::vector<std::string> Texts(const std::vector<TableCell>& cells) {
    std::vector<std::string> texts;
    for (const TableCell& c : cells) texts.push_back(c.text);
    return texts;
}

void AppendHtmlTable(std::string& out, const std::vector<TableColumn>& columns,
                     const std::vector<std::vector<TableCell>>& rows) {
    out += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n<tr>";
    for (const TableColumn& c : columns) out += "<th>" + MarkupEscaped(c.Heading(), true) + "</th>";
    out += "</tr>\n";
    for (const auto& row : rows) {
        out += "<tr>";
        for (const TableCell& cell : row) {
            out += cell.value ? "<td align=\"right\">" : "<td>";
            out += MarkupEscaped(cell.text, true) + "</td>";
        }
        out += "</tr>\n";
    }
    out += "</table>\n";
}

void AppendCsvRow(std::string& out, const std::vector<TableCell>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) out += ',';
        if (cells[i].value) {
            AppendShortestNumber(out, *cells[i].value);
        } else {
            AppendCsvField(out, cells[i].text);
        }
    }
}

// The columns of the projection tables after the row's own label.
const std::vector<TableColumn>& ProjectionColumns() {
    static const std::vector<TableColumn> columns = {
        {"Head ROS", "m/min"}, {"Head HFI", "kW/m"}, {"Flank ROS", "m/min"}, {"Flank HFI", "kW/m"},
        {"Back ROS", "m/min"}, {"Back HFI", "kW/m"}, {"Area", "ha"},         {"Perimeter", "m"},
        {"PGR", "m/min"},      {"CFB", ""},          {"Fire type", ""}};
    return columns;
}

void AddProjectionCells(const FbpOutputs& out, std::vector<TableCell>& row) {
    for (double v : {out.ros, out.hfi, out.fros, out.ffi, out.bros, out.bfi, out.area,
                     out.perimeter, out.pgr, out.cfb}) {
        row.push_back(OneDecimal(v));
    }
    row.push_back(Word(TrimBlanks(FireTypeWord(out.cfb))));
}

}  // namespace

std::string TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

FormattedRow& FormattedRow::Gap(std::string_view between) {
    text.append(between);
    return *this;
}

FormattedRow& FormattedRow::Value(std::string_view padded) {
    text.append(padded);
    cells.push_back(TrimBlanks(padded));
    return *this;
}

std::vector<std::string> RowValues(std::string_view row) {
    std::vector<std::string> values;
    std::size_t at = 0;
    while (at < row.size()) {
        const std::size_t start = row.find_first_not_of(' ', at);
        if (start == std::string_view::npos) break;
        std::size_t end = row.find("  ", start);
        if (end == std::string_view::npos) end = row.size();
        values.push_back(TrimBlanks(row.substr(start, end - start)));
        at = end;
    }
    return values;
}

std::string TabSeparated(const ResultTable& table) {
    std::string text;
    // A header's line break (caption over unit) becomes a blank in a spreadsheet cell.
    AppendLine(text, table.headers);
    for (const auto& row : table.cells) {
        if (HasCells(row)) AppendLine(text, row);
    }
    return text;
}

std::string FixedWidthText(const ResultTable& table) {
    std::string text;
    for (const std::string& heading : table.headingLines) text += heading + '\n';
    for (const std::string& row : table.rowTexts) {
        if (!row.empty()) text += row + '\n';
    }
    return text;
}

std::string HtmlTable(const ResultTable& table) {
    std::string html = "<table>\n<tr>";
    for (const std::string& header : table.headers) {
        std::string words = MarkupEscaped(header, false);
        for (std::size_t at = words.find('\n'); at != std::string::npos; at = words.find('\n')) {
            words.replace(at, 1, "<br>");
        }
        html += "<th>" + words + "</th>";
    }
    html += "</tr>\n";
    for (const auto& row : table.cells) {
        if (!HasCells(row)) continue;
        html += "<tr>";
        for (const std::string& cell : row) html += "<td>" + MarkupEscaped(cell, false) + "</td>";
        html += "</tr>\n";
    }
    html += "</table>\n";
    return html;
}

void AddInputs(const FormModel& form, ResultTable& table) {
    // The inputs of the results shown, not what the boxes hold since.
    const std::optional<ResultInputs>& used = form.InputsOfResults();
    if (form.InputsChangedSinceResults()) {
        table.note =
            "The inputs on screen have changed since these results were calculated: the inputs "
            "listed are those of the calculation.";
    }
    if (const std::string source = form.ChangedSource(); !source.empty() && form.HasResults()) {
        table.note += std::string(table.note.empty() ? "" : " ") + "The " + source +
                      " has changed since these results were calculated: they belong to the "
                      "earlier one.";
    }
    std::size_t index = 0;
    for (const Control* field : form.InputFields()) {
        const std::size_t at = index++;
        // A declared field's column goes by its export name and unit.
        const FieldDeclaration* declared = field->declaration;
        table.inputColumns.push_back(declared != nullptr
                                         ? TableColumn{declared->exportName, declared->unit}
                                         : TableColumn{NameOf(field->label), UnitOf(field->label)});
        const double value = used ? used->values[at]
                                  : (field->kind == ControlKind::IntField ? *field->intMember
                                                                          : *field->doubleMember);
        table.inputs.push_back(Number(value, field->kind == ControlKind::IntField
                                                 ? FormatInt(static_cast<int>(value))
                                                 : FormatGeneral(value)));
    }
    std::size_t groupIndex = 0;
    for (const OptionGroup& group : form.OptionGroups()) {
        const std::size_t at = groupIndex++;
        const std::optional<std::size_t> chosen =
            used ? used->choices[at] : form.ChosenOption(group);
        if (!chosen) continue;
        table.inputColumns.push_back({group.label, ""});
        table.inputs.push_back(
            Word(SimplifiedLabel(form.GetControl(group.choices[*chosen].boxId).label)));
    }
}

namespace {

// Where an input stands for a reader: 0 the choices (fuel type, ignition), 1 the fuel's own
// parameters, 2 weather and indices, 3 site, 4 date and times.
int ReadingPlace(const TableColumn& column, const TableCell& cell) {
    if (!cell.value) return 0;
    const std::string& name = column.name;
    const auto starts = [&name](std::string_view word) { return name.rfind(word, 0) == 0; };
    const auto has = [&name](std::string_view word) {
        return name.find(word) != std::string::npos;
    };
    for (std::string_view fuel : {"PC", "PDF", "DF", "GC", "GFL", "% ", "Conifer", "Dead fir",
                                  "Grass curing", "Grass fuel load"}) {
        if (starts(fuel)) return 1;
    }
    if (has("Fuel Load")) return 1;
    for (std::string_view site :
         {"Latitude", "Longitude", "Elevation", "Slope", "Aspect", "Time zone"}) {
        if (starts(site)) return 3;
    }
    if (name == "Month" || name == "Day" || has("Time") || has("time") || has("Hour") ||
        has("hour") || has("Duration")) {
        return 4;
    }
    return 2;
}

}  // namespace

std::vector<std::size_t> ReadingOrder(const ResultTable& table) {
    std::vector<std::size_t> order;
    for (int place = 0; place <= 4; ++place) {
        for (std::size_t i = 0; i < table.inputs.size(); ++i) {
            if (ReadingPlace(table.inputColumns[i], table.inputs[i]) == place) order.push_back(i);
        }
    }
    return order;
}

namespace {

// A name as a sentence reads it: the words after the first in lower case, acronyms kept
// ("Wind Speed" gives "Wind speed", "Temperature ALPHA" gives "Temperature alpha").
std::string SentenceCase(const std::string& name) {
    std::string out;
    std::size_t start = 0;
    for (int k = 0; start <= name.size(); ++k) {
        std::size_t end = name.find(' ', start);
        if (end == std::string::npos) end = name.size();
        std::string word = name.substr(start, end - start);
        start = end + 1;
        if (word.empty()) continue;
        bool acronym = word.size() > 1;
        bool plain = true;  // letters only: a code such as "(O1a/O1b)" or "M3/M4" stays
        for (char c : word) {
            const auto u = static_cast<unsigned char>(c);
            acronym = acronym && !std::islower(u);
            plain = plain && (std::isalpha(u) || c == '-' || c == '\'');
        }
        const bool greek = word == "ALPHA" || word == "BETA" || word == "GAMMA";
        if (k > 0 && plain && (!acronym || greek)) {
            for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        if (!out.empty()) out += ' ';
        out += word;
    }
    return out;
}

// A unit as a sentence writes it after a number.
std::string UnitAfterNumber(const std::string& unit) {
    if (unit.empty()) return {};
    if (unit == "deg C") return " \u00b0C";
    // Signed degrees read as such: "Longitude -77.427°".
    if (unit == "deg" || unit == "deg N" || unit == "deg E") return "\u00b0";
    if (unit == "kg/m2") return " kg/m\u00b2";
    return " " + unit;
}

}  // namespace

std::string InputsInWords(const FormModel& form) {
    ResultTable table;
    AddInputs(form, table);  // the inputs the results were computed from
    const std::vector<const Control*> fields = form.InputFields();
    std::optional<std::size_t> month, day;
    std::vector<std::string> words(table.inputs.size());
    for (std::size_t i = 0; i < table.inputs.size(); ++i) {
        std::string name = table.inputColumns[i].name;
        std::string unit = table.inputColumns[i].unit;
        std::string value = table.inputs[i].text;
        if (i < fields.size()) {
            const Control& field = *fields[i];
            // A label shared by several groups reads with its group: "Maximum temperature",
            // "Noon wind speed".
            if (!field.group.empty()) {
                const std::string label = SimplifiedLabel(field.label);
                name = label == "Maximum" || label == "Minimum" ? label + " " + field.group
                                                                : field.group + " " + label;
            }
            // The label's own unit keeps its blanks between words ("h from UTC").
            const std::string simple = SimplifiedLabel(field.label);
            if (const std::size_t open = simple.rfind('(');
                open != std::string::npos && simple.back() == ')' && unit == UnitOf(field.label)) {
                unit = TrimBlanks(simple.substr(open + 1, simple.size() - open - 2));
            }
            // A range in the label ("(0-23)") is no unit.
            if (unit.find_first_not_of("0123456789-") == std::string::npos) unit.clear();
            if (field.id == "month") month = i;
            if (field.id == "day") day = i;
            if (unit == "hhmm" && table.inputs[i].value) {
                const int hhmm = static_cast<int>(*table.inputs[i].value);
                value = ClockText((hhmm / 100) * 60 + hhmm % 100);
                unit.clear();
            }
        } else {
            // A one-word choice reads as a word after its name: "Ignition point".
            if (name != "Fuel type" && value.find(' ') == std::string::npos) {
                for (char& c : value)
                    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            }
        }
        words[i] = SentenceCase(name) + " " + value + UnitAfterNumber(unit);
    }
    // The date in words, where the day stands.
    if (month && day && table.inputs[*month].value && table.inputs[*day].value) {
        const int m = static_cast<int>(*table.inputs[*month].value);
        words[*day] = "Date " + table.inputs[*day].text + " " + MonthName(m);
        words[*month].clear();
    }
    std::string caption;
    for (std::size_t i : ReadingOrder(table)) {
        if (words[i].empty()) continue;
        if (!caption.empty()) caption += "; ";
        caption += words[i];
    }
    return caption;
}

namespace {

// `table` (a grid's part, or none) with the form's title and inputs.
ResultTable Exported(const FormModel& form, ResultTable table = {}) {
    table.title = form.Title();
    AddInputs(form, table);
    return table;
}

}  // namespace

ResultTable MakeResultsTable(const FwiCalcForm& form) {
    ResultTable table = Exported(form);
    std::vector<TableCell> row;
    for (std::size_t i = 0; i < kFwiResultCount; ++i) {
        const FwiResultColumn& column = FwiCalcResults()[i];
        table.resultColumns.push_back({std::string(column.heading), ""});
        // The number behind the text from the last calculation, or before any, the number the
        // text shows.
        const std::string text = TrimBlanks(form.Text(column.id));
        row.push_back({text, form.LastValues() ? (*form.LastValues())[i] : ParseDouble(text)});
    }
    table.rows.push_back(std::move(row));
    return table;
}

ResultTable MakeResultsTable(const FbpCalcForm& form) {
    ResultTable table = Exported(form);
    std::vector<TableCell> row;
    for (const FbpResultColumn& column : FbpCalcResults()) {
        table.resultColumns.push_back({std::string(column.heading), std::string(column.unit)});
        // The screen text, with the number behind it from the last calculation or, before any,
        // the number the text shows; the fire description has none.
        const std::string text = TrimBlanks(form.Text(column.id));
        std::optional<double> value;
        if (const auto& out = form.LastOutputs()) {
            value = ResultValue(column, *out);
        } else if (column.format != ResultFormat::Description) {
            value = ParseDouble(text);
        }
        row.push_back({text, value});
    }
    table.rows.push_back(std::move(row));
    return table;
}

ResultTable MakeResultsTable(const DiurnalForm& form) {
    ResultTable table = Exported(form, form.Table());
    table.resultColumns = {
        {"Hour", ""}, {"Temperature", "deg C"}, {"RH", "%"}, {"Wind", "km/h"}, {"FFMC", ""}};
    if (const auto& weather = form.LastWeather()) {
        for (std::size_t h = 1; h <= 24; ++h) {
            table.rows.push_back(
                {Number(static_cast<double>(h), FormatInt(static_cast<int>(h))),
                 OneDecimal(weather->temperature[h]), OneDecimal(weather->relativeHumidity[h]),
                 OneDecimal(weather->windSpeed[h]), OneDecimal(form.LastFfmc()[h])});
        }
    }
    return table;
}

ResultTable MakeResultsTable(const DetectionForm& form) {
    ResultTable table = Exported(form, form.Table());
    table.resultColumns = {{"Time", "hhmm"}, {"Elapsed", "min"}};
    table.resultColumns.insert(table.resultColumns.end(), ProjectionColumns().begin(),
                               ProjectionColumns().end());
    const auto& rows = form.LastRows();
    const bool withPoc = rows && rows->front().withPoc;
    if (withPoc) table.resultColumns.push_back({"POC", "%"});
    if (!rows) return table;
    for (std::size_t r = 0; r < rows->size(); ++r) {
        const DetectionRow& row = (*rows)[r];
        std::vector<TableCell> cells = {
            Number(row.clockLabel, FormatInt(row.clockLabel)),
            Number(kDetectionElapsedMinutes[r], FormatInt(kDetectionElapsedMinutes[r]))};
        AddProjectionCells(row.out, cells);
        if (withPoc) {
            const int poc = ContainmentProbability(row.out.area, row.out.hfi);
            cells.push_back(Number(poc, FormatInt(poc)));
        }
        table.rows.push_back(std::move(cells));
    }
    return table;
}

ResultTable MakeResultsTable(const FuelProjectionForm& form) {
    ResultTable table = Exported(form, form.Table());
    table.resultColumns = {{"Fuel type", ""}};
    table.resultColumns.insert(table.resultColumns.end(), ProjectionColumns().begin(),
                               ProjectionColumns().end());
    if (const auto& outputs = form.LastOutputs()) {
        for (int i = 0; i < FuelProjectionForm::kRowCount; ++i) {
            std::vector<TableCell> cells = {Word(std::string(CatalogueFuel(i).code))};
            AddProjectionCells((*outputs)[static_cast<std::size_t>(i)], cells);
            table.rows.push_back(std::move(cells));
        }
    }
    return table;
}

ResultTable MakeResultsTable(const FireByHourForm& form) {
    ResultTable table = Exported(form);
    for (int c = 0; c < kHourColumnCount; ++c) {
        const std::string heading = HourColumnHeading(static_cast<HourColumn>(c));
        table.resultColumns.push_back({NameOf(heading), UnitOf(heading)});
    }
    if (!form.HasResult()) return table;
    for (const HourBehaviour& hour : form.Result().hours) {
        const std::array<std::string, kHourColumnCount> texts = HourCells(hour);
        std::vector<TableCell> cells;
        for (std::size_t c = 0; c < texts.size(); ++c) {
            const HourResultColumn& column = FireByHourColumns()[c];
            // Words carry no number.
            cells.push_back({texts[c], column.format == ResultFormat::Description
                                           ? std::nullopt
                                           : column.value(hour)});
        }
        table.rows.push_back(std::move(cells));
    }
    // The summary as the calculation wrote it (peak hour, critical spans, crown hours).
    std::string_view summary = form.Text("summary");
    while (!summary.empty()) {
        const std::size_t end = summary.find('\n');
        table.summary.emplace_back(summary.substr(0, end));
        summary = end == std::string_view::npos ? std::string_view() : summary.substr(end + 1);
    }
    return table;
}

std::string TabSeparatedText(const ResultTable& table) {
    std::string out = table.title + "\n";
    AppendLine(out, Headings(table.inputColumns));
    AppendLine(out, Texts(table.inputs));
    out += '\n';
    AppendLine(out, Headings(table.resultColumns));
    for (const auto& row : table.rows) AppendLine(out, Texts(row));
    if (!table.summary.empty()) out += '\n';
    for (const std::string& line : table.summary) out += line + "\n";
    for (const ResultPart& part : table.parts) {
        out += "\n" + part.caption + "\n";
        AppendLine(out, Headings(part.columns));
        for (const auto& row : part.rows) AppendLine(out, Texts(row));
    }
    if (!table.note.empty()) out += "\n" + table.note + "\n";
    return out;
}

std::string HtmlText(const ResultTable& table) {
    std::string out = "<h3>" + MarkupEscaped(table.title, true) + "</h3>\n<p><b>Inputs</b></p>\n";
    AppendHtmlTable(out, table.inputColumns, {table.inputs});
    out += "<p><b>Results</b></p>\n";
    AppendHtmlTable(out, table.resultColumns, table.rows);
    for (const std::string& line : table.summary)
        out += "<p>" + MarkupEscaped(line, true) + "</p>\n";
    for (const ResultPart& part : table.parts) {
        out += "<p><b>" + MarkupEscaped(part.caption, true) + "</b></p>\n";
        AppendHtmlTable(out, part.columns, part.rows);
    }
    if (!table.note.empty()) out += "<p>" + MarkupEscaped(table.note, true) + "</p>\n";
    return out;
}

namespace {

// A heading row of the inputs' and the columns' names and units, then one row per result with
// the inputs in front.
void AppendCsvTable(std::string& out, const ResultTable& table,
                    const std::vector<TableColumn>& columns,
                    const std::vector<std::vector<TableCell>>& rows) {
    std::vector<TableCell> headings;
    for (const TableColumn& c : table.inputColumns) headings.push_back(Word(c.Heading()));
    for (const TableColumn& c : columns) headings.push_back(Word(c.Heading()));
    AppendCsvRow(out, headings);
    out += "\r\n";
    if (rows.empty()) {
        AppendCsvRow(out, table.inputs);
        out += "\r\n";
    }
    for (const auto& row : rows) {
        std::vector<TableCell> cells = table.inputs;
        cells.insert(cells.end(), row.begin(), row.end());
        AppendCsvRow(out, cells);
        out += "\r\n";
    }
}

}  // namespace

std::string CsvText(const ResultTable& table) {
    std::string out;
    AppendCsvTable(out, table, table.resultColumns, table.rows);
    // The summary and the note: records of one field after the rows; a further table after an
    // empty line and its caption.
    for (const std::string& line : table.summary) {
        AppendCsvRow(out, {Word(line)});
        out += "\r\n";
    }
    for (const ResultPart& part : table.parts) {
        out += "\r\n";
        AppendCsvRow(out, {Word(part.caption)});
        out += "\r\n";
        AppendCsvTable(out, table, part.columns, part.rows);
    }
    if (!table.note.empty()) {
        AppendCsvRow(out, {Word(table.note)});
        out += "\r\n";
    }
    return out;
}

}  // namespace emberlin::forms
