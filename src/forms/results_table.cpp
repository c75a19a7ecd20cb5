#include "forms/results_table.h"

#include <map>

#include "common/csv_text.h"
#include "common/number_text.h"
#include "common/rounding.h"

namespace emberlin::forms {

namespace {

// Units by field id, the same in every form.
const std::map<std::string, std::string, std::less<>>& UnitsById() {
    static const std::map<std::string, std::string, std::less<>> units = {
        {"temperature", "deg C"},
        {"minTemperature", "deg C"},
        {"maxTemperature", "deg C"},
        {"relativeHumidity", "%"},
        {"windSpeed", "km/h"},
        {"minWind", "km/h"},
        {"maxWind", "km/h"},
        {"rain", "mm"},
        {"latitude", "deg"},
        {"longitude", "deg"},
        {"slope", "%"},
        {"aspect", "deg"},
        {"windDirection", "deg"},
        {"elevation", "m"},
        {"elapsedTime", "min"},
        {"gfl", "kg/m2"},
        {"pc", "%"},
        {"pdf", "%"},
        {"df", "%"},
        {"gc", "%"},
        {"fireStartTime", "hhmm"},
    };
    return units;
}

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// A label without its parenthesised unit: "Wind Speed  ( km/hr )" gives "Wind Speed".
std::string NameOf(std::string_view label) {
    std::string name = SimplifiedLabel(label);
    const std::size_t open = name.rfind('(');
    if (open != std::string::npos && open > 0 && name.back() == ')')
        name = Trimmed(name.substr(0, open));
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
TableCell OneDecimal(double value) { return Number(value, Trimmed(FormatFixed(value, 1, 1))); }

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

std::string Escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

void AppendHtmlTable(std::string& out, const std::vector<TableColumn>& columns,
                     const std::vector<std::vector<TableCell>>& rows) {
    out += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n<tr>";
    for (const TableColumn& c : columns) out += "<th>" + Escaped(c.Heading()) + "</th>";
    out += "</tr>\n";
    for (const auto& row : rows) {
        out += "<tr>";
        for (const TableCell& cell : row) {
            out += cell.value ? "<td align=\"right\">" : "<td>";
            out += Escaped(cell.text) + "</td>";
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

// The results read from a form's result fields: the screen text, and the number from the
// last calculation where there is one, or else the number the text shows.
void AddFieldResults(const FormModel& form, const std::vector<std::string>& ids,
                     const std::vector<std::optional<double>>& values, ResultsTable& table) {
    std::vector<TableCell> row;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const Control& c = form.GetControl(ids[i]);
        table.resultColumns.push_back({NameOf(c.label), UnitOf(c.label)});
        const std::string text = Trimmed(c.text);
        std::optional<double> value = i < values.size() ? values[i] : std::nullopt;
        if (!value) value = ParseDouble(text);
        row.push_back({text, value});
    }
    table.rows.push_back(std::move(row));
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
    row.push_back(Word(Trimmed(FireTypeWord(out.cfb))));
}

}  // namespace

void AddInputs(const FormModel& form, ResultsTable& table) {
    std::map<std::string, int> seen;
    for (const Control* field : form.InputFields()) ++seen[NameOf(field->label)];
    for (const Control* field : form.InputFields()) {
        std::string name = NameOf(field->label);
        // Two fields of one label ("Maximum" of temperature and of wind) go by their ids.
        if (seen[name] > 1) name += " [" + field->id + "]";
        const auto unit = UnitsById().find(field->id);
        table.inputColumns.push_back(
            {name, unit != UnitsById().end() ? unit->second : UnitOf(field->label)});
        const double value =
            field->kind == ControlKind::IntField ? *field->intMember : *field->doubleMember;
        table.inputs.push_back(Number(value, field->kind == ControlKind::IntField
                                                 ? FormatInt(*field->intMember)
                                                 : FormatGeneral(*field->doubleMember)));
    }
    for (const OptionGroup& group : form.OptionGroups()) {
        const std::optional<std::size_t> chosen = form.ChosenOption(group);
        if (!chosen) continue;
        table.inputColumns.push_back({group.label, ""});
        table.inputs.push_back(
            Word(SimplifiedLabel(form.GetControl(group.choices[*chosen].boxId).label)));
    }
}

ResultsTable MakeResultsTable(const FwiCalcForm& form) {
    ResultsTable table{form.Title(), {}, {}, {}, {}};
    AddInputs(form, table);
    std::vector<std::optional<double>> values;
    if (form.LastValues()) values.assign(form.LastValues()->begin(), form.LastValues()->end());
    AddFieldResults(form,
                    {"ffmcText", "dmcText", "dcText", "isiText", "buiText", "fwiText", "dsrText"},
                    values, table);
    return table;
}

ResultsTable MakeResultsTable(const FbpCalcForm& form) {
    ResultsTable table{form.Title(), {}, {}, {}, {}};
    AddInputs(form, table);
    std::vector<std::optional<double>> values;
    if (const auto& out = form.LastOutputs()) {
        // As the form shows them; the fire description is a word; the length-to-breadth
        // ratio of a fire that does not spread is shown as 0.
        values = {out->ros,  out->hfi,
                  out->sfc,  out->tfc,
                  out->cfb,  std::nullopt,
                  out->fros, out->bros,
                  out->ffi,  out->bfi,
                  out->area, out->perimeter,
                  out->pgr,  out->ros > 0.001 ? out->lb : 0.0,
                  out->hsd,  out->fsd,
                  out->bsd};
    }
    AddFieldResults(form,
                    {"rosText", "hfiText", "sfcText", "tfcText", "cfbText", "fdText", "frosText",
                     "brosText", "ffiText", "bfiText", "areaText", "perimeterText", "pgrText",
                     "lbText", "hsdText", "fsdText", "bsdText"},
                    values, table);
    // The fire description has no number behind it, whatever its text.
    table.rows.back()[5].value.reset();
    return table;
}

ResultsTable MakeResultsTable(const DiurnalForm& form) {
    ResultsTable table{form.Title(), {}, {}, {}, {}};
    AddInputs(form, table);
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

ResultsTable MakeResultsTable(const DetectionForm& form) {
    ResultsTable table{form.Title(), {}, {}, {}, {}};
    AddInputs(form, table);
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

ResultsTable MakeResultsTable(const FuelProjectionForm& form) {
    ResultsTable table{form.Title(), {}, {}, {}, {}};
    AddInputs(form, table);
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

ResultsTable MakeResultsTable(const FireByHourForm& form) {
    ResultsTable table{form.Title(), {}, {}, {}, {}};
    AddInputs(form, table);
    for (int c = 0; c < kHourColumnCount; ++c) {
        const std::string heading = HourColumnHeading(static_cast<HourColumn>(c));
        table.resultColumns.push_back({NameOf(heading), UnitOf(heading)});
    }
    if (!form.HasResult()) return table;
    for (const HourBehaviour& hour : form.Result().hours) {
        const std::array<std::string, kHourColumnCount> texts = HourCells(hour);
        const std::array<std::optional<double>, kHourColumnCount> values = {
            hour.hour,
            hour.ffmc,
            hour.windSpeed,
            hour.isi,
            hour.out.ros,
            hour.out.hfi,
            hour.out.cfb,
            std::nullopt,
            hour.intensityClass,
            hour.grows ? std::optional<double>(hour.area) : std::nullopt,
            hour.grows ? std::optional<double>(hour.perimeter) : std::nullopt};
        std::vector<TableCell> cells;
        for (int c = 0; c < kHourColumnCount; ++c) {
            cells.push_back(
                {texts[static_cast<std::size_t>(c)], values[static_cast<std::size_t>(c)]});
        }
        table.rows.push_back(std::move(cells));
    }
    return table;
}

std::string TabSeparatedText(const ResultsTable& table) {
    std::string out = table.title + "\n";
    AppendLine(out, Headings(table.inputColumns));
    AppendLine(out, Texts(table.inputs));
    out += '\n';
    AppendLine(out, Headings(table.resultColumns));
    for (const auto& row : table.rows) AppendLine(out, Texts(row));
    return out;
}

std::string HtmlText(const ResultsTable& table) {
    std::string out = "<h3>" + Escaped(table.title) + "</h3>\n<p><b>Inputs</b></p>\n";
    AppendHtmlTable(out, table.inputColumns, {table.inputs});
    out += "<p><b>Results</b></p>\n";
    AppendHtmlTable(out, table.resultColumns, table.rows);
    return out;
}

std::string CsvText(const ResultsTable& table) {
    std::string out;
    std::vector<TableCell> headings;
    for (const TableColumn& c : table.inputColumns) headings.push_back(Word(c.Heading()));
    for (const TableColumn& c : table.resultColumns) headings.push_back(Word(c.Heading()));
    AppendCsvRow(out, headings);
    out += "\r\n";
    if (table.rows.empty()) {
        AppendCsvRow(out, table.inputs);
        out += "\r\n";
    }
    for (const auto& row : table.rows) {
        std::vector<TableCell> cells = table.inputs;
        cells.insert(cells.end(), row.begin(), row.end());
        AppendCsvRow(out, cells);
        out += "\r\n";
    }
    return out;
}

}  // namespace emberlin::forms
