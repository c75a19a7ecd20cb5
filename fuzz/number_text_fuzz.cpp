// Number texts against the C library: every text ParseDouble accepts is read by strtod in
// the C locale to the same double, every plain decimal it refuses is one strtod reports as
// out of range, and every accepted value shows in fixed notation within half a unit of the
// last digit shown. The canonical text of a parsed value is a fixed point of parsing and
// showing. With EMBERLIN_FUZZ_COMMA_LOCALE set, the run happens under the comma-decimal
// locale LC_ALL names, and must give the same answers.
// fuzz-runs: 3000000
#include <locale.h>

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "common/number_text.h"

namespace {

void Check(bool condition, const char* what, std::string_view text) {
    if (condition) return;
    std::fprintf(stderr, "number text check failed: %s for '%.*s'\n", what,
                 static_cast<int>(text.size()), text.data());
    std::abort();
}

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

// What the C library reads from the text, in the C locale whatever the process locale is.
struct Reading {
    bool plainDecimal = false;  // decimal notation, wholly consumed, no hex, NaN or infinity
    bool outOfRange = false;    // ERANGE: overflow, or a result below the normal range
    double value = 0;
};

Reading ReadWithStrtod(std::string_view text) {
    std::string_view s = text;
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    Reading r;
    if (s.empty() || s.find_first_of("xXnNiIpP") != std::string_view::npos) return r;
    const char first = s.front();
    if (first != '+' && first != '-' && first != '.' && (first < '0' || first > '9')) return r;
    const std::string copy(s);  // NUL-terminated; an embedded NUL ends the text early
    char* end = nullptr;
    errno = 0;
    r.value = strtod_l(copy.c_str(), &end, CLocale());
    r.outOfRange = errno == ERANGE;
    r.plainDecimal = end == copy.c_str() + copy.size();
    return r;
}

void CheckFixed(double value, int precision, std::string_view text) {
    const std::string fixed = emberlin::FormatFixed(value, 0, precision);
    char* end = nullptr;
    const double back = strtod_l(fixed.c_str(), &end, CLocale());
    Check(end == fixed.c_str() + fixed.size() && !fixed.empty(), "fixed text unreadable", text);
    const std::size_t point = fixed.find('.');
    Check(precision == 0 ? point == std::string::npos
                         : point != std::string::npos &&
                               fixed.size() - point - 1 == static_cast<std::size_t>(precision),
          "fixed text has the wrong number of decimals", text);
    // Half a unit of the last digit, plus the rounding of reading the text back.
    const double halfUnit = 0.5 * std::pow(10.0, -precision);
    Check(std::fabs(back - value) <= halfUnit * (1 + 1e-9) + std::fabs(value) * 4e-16,
          "fixed text beyond half a unit of its last digit", text);
    const std::string padded = emberlin::FormatFixed(value, 12, precision);
    Check(padded.size() >= 12 && padded.substr(padded.size() - fixed.size()) == fixed &&
              padded.find_first_not_of(' ') == padded.size() - fixed.size(),
          "padding", text);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (std::getenv("EMBERLIN_FUZZ_COMMA_LOCALE") != nullptr) {
        if (std::setlocale(LC_ALL, "") == nullptr ||
            std::strcmp(std::localeconv()->decimal_point, ",") != 0) {
            std::fprintf(stderr, "number_text_fuzz: LC_ALL names no comma-decimal locale\n");
            std::abort();
        }
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Reading reading = ReadWithStrtod(text);

    if (auto value = emberlin::ParseDouble(text)) {
        Check(std::isfinite(*value), "non-finite value", text);
        Check(reading.plainDecimal, "accepted text that is no plain decimal", text);
        Check(*value == reading.value && std::signbit(*value) == std::signbit(reading.value),
              "value differs from strtod", text);
        Check(*value == 0 || std::fabs(*value) >= 2.2250738585072014e-308,
              "accepted a value below the normal range", text);
        const std::string shown = emberlin::FormatGeneral(*value);
        auto again = emberlin::ParseDouble(shown);
        Check(again.has_value(), "canonical text refused", text);
        Check(emberlin::FormatGeneral(*again) == shown, "canonical text not a fixed point", text);
        for (int precision : {0, 1, 2, 3, 6}) CheckFixed(*value, precision, text);
    } else if (reading.plainDecimal) {
        // No valid text is refused: only one beyond a double's range.
        Check(reading.outOfRange, "refused a plain decimal within range", text);
    }

    if (auto value = emberlin::ParseInt(text)) {
        const std::string shown = emberlin::FormatInt(*value);
        Check(emberlin::ParseInt(shown) == value, "integer text round trip", text);
        // Every integer text is also a number.
        Check(emberlin::ParseDouble(text) == static_cast<double>(*value), "integer as number",
              text);
    }
    return 0;
}
