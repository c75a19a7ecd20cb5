// Day of the year in a 365-day year, as every form and the diurnal model count it.
#pragma once

#include <array>
#include <optional>

namespace emberlin {

// Days before the first of each month, January first; no leap years.
inline constexpr std::array<int, 12> kDaysBeforeMonth = {0,   31,  59,  90,  120, 151,
                                                         181, 212, 243, 273, 304, 334};

// Days before the month plus the day of the month; the day is not checked against the
// month's length (April 31 is day 121). A month outside 1..12 has no table entry, and a
// day outside 1..31 is no day of any month.
constexpr std::optional<int> DayOfYear(int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;
    return kDaysBeforeMonth[static_cast<std::size_t>(month - 1)] + day;
}

// The most days a month has; 29 February is a real date, so February takes 29.
constexpr int DaysInMonth(int month) {
    constexpr std::array<int, 12> kDays = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month < 1 || month > 12 ? 0 : kDays[static_cast<std::size_t>(month - 1)];
}

// The month's English name ("" outside 1..12).
constexpr const char* MonthName(int month) {
    constexpr std::array<const char*, 12> kNames = {
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    return month < 1 || month > 12 ? "" : kNames[static_cast<std::size_t>(month - 1)];
}

}  // namespace emberlin
