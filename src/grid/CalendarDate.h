#pragma once

#include <QString>

#include <optional>

namespace cellvex {

// A day of the proleptic Gregorian calendar as date cells hold it: no time of
// day, years 0-9999 (year 0 is a leap year, as the divisible-by-400 rule says).
struct CalendarDate
{
    int year = 0;
    int month = 1;
    int day = 1;

    friend bool operator==(const CalendarDate &, const CalendarDate &) = default;

    static bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }
    static int daysInMonth(int year, int month);
    // 1 Monday ... 7 Sunday.
    int dayOfWeek() const;
};

// Reads "year-month-day": the text is cut at its first "-" and the rest at its
// first "-"; all three parts must be digits only, the year below 10000, the
// month 1-12 and the day inside the month. Digit runs of any length are read
// without overflow ("0002004" is the year 2004).
std::optional<CalendarDate> readDate(const QString &text);

// The date test of date cells.
inline bool isValidDate(const QString &text)
{
    return readDate(text).has_value();
}

} // namespace cellvex
