#include "common/number_text.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace emberlin {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the decimal grammar: [sign] (digits [. digits*] | . digits) [(e|E) [sign] digits].
bool MatchesDecimalGrammar(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t intDigits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++intDigits;
    std::size_t fracDigits = 0;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, ++fracDigits;
    }
    if (intDigits + fracDigits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && IsDigit(s[i])) ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    return i == s.size();
}

std::string ToChars(double value, std::chars_format fmt, int precision) {
    std::array<char, 400> buffer{};
    auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, fmt, precision);
    if (result.ec != std::errc()) return "---";
    return std::string(buffer.data(), result.ptr);
}

std::string PadLeft(std::string text, int width) {
    if (width > 0 && text.size() < static_cast<std::size_t>(width)) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    }
    return text;
}

}  // namespace

std::optional<double> ParseDouble(std::string_view text) {
    std::string_view s = TrimBlanks(text);
    if (!MatchesDecimalGrammar(s)) return std::nullopt;
    // from_chars takes no leading '+'.
    bool negative = false;
    if (s.front() == '+' || s.front() == '-') {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    double value = 0;
    auto result = std::from_chars(s.data(), s.data() + s.size(), value);
    if (result.ec != std::errc() || result.ptr != s.data() + s.size()) return std::nullopt;
    if (!std::isfinite(value)) return std::nullopt;
    // Underflow: a nonzero text whose value lies below the normal range of a double. A
    // subnormal keeps too few significant digits to be the number typed.
    if (value != 0 && std::fabs(value) < std::numeric_limits<double>::min()) return std::nullopt;
    return negative ? -value : value;
}

bool IsDecimalText(std::string_view text) { return MatchesDecimalGrammar(TrimBlanks(text)); }

std::optional<int> ParseInt(std::string_view text) {
    std::string_view s = TrimBlanks(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty()) return std::nullopt;
    for (char c : s) {
        if (!IsDigit(c)) return std::nullopt;
    }
    // Parse the magnitude wide enough to take INT_MIN's magnitude, then check the range.
    long long magnitude = 0;
    auto result = std::from_chars(s.data(), s.data() + s.size(), magnitude);
    if (result.ec != std::errc() || result.ptr != s.data() + s.size()) return std::nullopt;
    long long value = negative ? -magnitude : magnitude;
    if (value < static_cast<long long>(INT32_MIN) || value > static_cast<long long>(INT32_MAX)) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

std::string FormatGeneral(double value) {
    if (value == 0) value = 0;  // negative zero shows as "0"
    if (!std::isfinite(value)) return "---";
    return ToChars(value, std::chars_format::general, 15);
}

std::string FormatInt(int value) {
    std::array<char, 16> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string FormatFixed(double value, int width, int precision) {
    if (!std::isfinite(value)) return PadLeft("---", width);
    return PadLeft(ToChars(value, std::chars_format::fixed, precision), width);
}

std::string FormatIntWidth(int value, int width) { return PadLeft(FormatInt(value), width); }

}  // namespace emberlin
