// Plain local-clock dates of the hourly system: Gregorian calendar, no time zone or daylight
// saving of the computer involved. Days are counted from 1970-01-01 (day 0).
#pragma once

#include <cstdint>

namespace emberlin::fwi2025 {

struct ClockDate {
    int year = 1970;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
};

// Full Gregorian rule: divisible by 4, except centuries not divisible by 400 (2000 is leap).
constexpr bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr int DaysInMonth(int year, int month) {
    constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

constexpr bool IsValidDate(const ClockDate& date) {
    return date.month >= 1 && date.month <= 12 && date.day >= 1 &&
           date.day <= DaysInMonth(date.year, date.month);
}

// Days since 1970-01-01 of a valid date (proleptic Gregorian calendar).
constexpr std::int64_t DayNumber(const ClockDate& date) {
    const std::int64_t y = date.year - (date.month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t m = date.month;
    const std::int64_t dayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// The date of a day number (inverse of DayNumber).
constexpr ClockDate DateOfDayNumber(std::int64_t number) {
    const std::int64_t z = number + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t mp = (5 * dayOfYear + 2) / 153;
    const std::int64_t day = dayOfYear - (153 * mp + 2) / 5 + 1;
    const std::int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)};
}

// Day of the year, 1 January = 1 (366 days in leap years).
constexpr int DayOfYear(const ClockDate& date) {
    return static_cast<int>(DayNumber(date) - DayNumber({date.year, 1, 1})) + 1;
}

// Hours since 1970-01-01 00:00 on the local clock.
constexpr std::int64_t HourNumber(const ClockDate& date, int hour) {
    return DayNumber(date) * 24 + hour;
}

}  // namespace emberlin::fwi2025
