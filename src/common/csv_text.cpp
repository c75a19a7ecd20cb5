#include "common/csv_text.h"

#include <charconv>

namespace emberlin {

void AppendCsvField(std::string& out, std::string_view text) {
    // A plain loop: find_first_of would search the four characters once per character. All
    // four lie at or below ',' in ASCII, and digits, '.', '-' and letters above it, so most
    // characters take one comparison.
    bool plain = true;
    for (const char c : text) {
        if (static_cast<unsigned char>(c) <= ',' &&
            (c == ',' || c == '"' || c == '\r' || c == '\n')) {
            plain = false;
            break;
        }
    }
    if (plain && !text.starts_with("\xEF\xBB\xBF")) {
        out.append(text);
        return;
    }
    out.push_back('"');
    for (const char c : text) {
        if (c == '"') out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
}

void AppendShortestNumber(std::string& out, double value) {
    char text[32];
    // Whole numbers below 100000 are written by the integer conversion, which is quicker and
    // gives the same text as the shortest form (which also writes them plainly). No "-0".
    if (value > -1e5 && value < 1e5 && value == static_cast<double>(static_cast<int>(value))) {
        const auto result = std::to_chars(text, text + sizeof text, static_cast<int>(value));
        out.append(text, result.ptr);
        return;
    }
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, result.ptr);
}

std::string ShortestNumber(double value) {
    std::string text;
    AppendShortestNumber(text, value);
    return text;
}

std::string MarkupEscaped(std::string_view text, bool quotes) {
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
            case '"':
                out += quotes ? "&quot;" : "\"";
                break;
            default:
                out += c;
        }
    }
    return out;
}

}  // namespace emberlin
