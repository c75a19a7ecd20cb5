// Numbers as text: locale-independent parsing and the canonical and printf-style formats.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace emberlin {

// Decimal text only: optional blanks, optional sign, digits with an optional fraction
// ("5.", ".5", "+5", "0030"), optional exponent, optional blanks. NaN, infinity, hex,
// empty text and values beyond a double's range give nullopt: overflow (beyond about
// 1.8e308) and underflow, which is any nonzero value smaller in magnitude than the
// smallest normal double (about 2.2e-308), so subnormal results such as "1e-320" are
// refused as well as those that round to zero ("1e-400"). A zero written as zero ("0",
// "0e-999") is zero.
std::optional<double> ParseDouble(std::string_view text);

// Optional blanks, optional sign, digits, optional blanks; within int. "12.0" is refused.
std::optional<int> ParseInt(std::string_view text);

// Canonical field texts: "%.15g" for doubles (negative zero shows as "0"), "%d" for ints.
std::string FormatGeneral(double value);
std::string FormatInt(int value);

// printf "%W.Pf": fixed notation with P decimals, right-aligned in at least W characters.
// Non-finite values never reach here from the forms; they are written as "---" if they do.
std::string FormatFixed(double value, int width, int precision);

// printf "%Wd": right-aligned in at least W characters.
std::string FormatIntWidth(int value, int width);

}  // namespace emberlin
