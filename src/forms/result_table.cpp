#include "forms/result_table.h"

namespace emberlin::forms {

namespace {

bool HasCells(const std::vector<std::string>& row) {
    for (const std::string& cell : row) {
        if (!cell.empty()) return true;
    }
    return false;
}

std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
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
            default:
                out += c;
        }
    }
    return out;
}

}  // namespace

std::string TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
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
    const auto line = [&text](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) text += '\t';
            text += cells[i];
        }
        text += '\n';
    };
    std::vector<std::string> headers;
    // A header's line break (caption over unit) becomes a blank in a spreadsheet cell.
    for (std::string header : table.headers) {
        for (char& c : header) {
            if (c == '\n') c = ' ';
        }
        headers.push_back(header);
    }
    line(headers);
    for (const auto& row : table.cells) {
        if (HasCells(row)) line(row);
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
        std::string words = Escaped(header);
        for (std::size_t at = words.find('\n'); at != std::string::npos; at = words.find('\n')) {
            words.replace(at, 1, "<br>");
        }
        html += "<th>" + words + "</th>";
    }
    html += "</tr>\n";
    for (const auto& row : table.cells) {
        if (!HasCells(row)) continue;
        html += "<tr>";
        for (const std::string& cell : row) html += "<td>" + Escaped(cell) + "</td>";
        html += "</tr>\n";
    }
    html += "</table>\n";
    return html;
}

}  // namespace emberlin::forms
