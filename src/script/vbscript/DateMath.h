#pragma once

#include <QString>

#include <cstdint>

namespace cellvex::vbs {

// Dates are serial days since 1899-12-30; the fraction is the time of day,
// and for days before the epoch the fraction still counts forward from
// midnight (-1.25 is 1899-12-29 06:00).
struct DateParts
{
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int weekday = 7;      // 1 = Sunday
    bool hasDate = false; // the day part is not the epoch
    bool hasTime = false;
};

namespace date {

constexpr double kMinSerial = -657434.0;        // 100-01-01
constexpr double kMaxSerial = 2958465.99998843; // 9999-12-31 23:59:59

std::int64_t daysFromCivil(std::int64_t y, int m, int d);
void civilFromDays(std::int64_t days, int &y, int &m, int &d);

// Day number (serial of midnight) of a possibly unnormalised y/m/d: month 13
// is January of the next year, day 0 the last day of the previous month.
std::int64_t serialDay(std::int64_t y, std::int64_t m, std::int64_t d);
double compose(std::int64_t day, double timeFraction);
std::int64_t dayOf(double serial);
double timeOf(double serial); // 0 <= fraction < 1
DateParts partsOf(double serial);
bool inRange(double serial);

// Parses what CDate and a #literal# accept: m/d/y, y-m-d, month names,
// times with optional AM/PM. False when the text is no date.
bool parse(const QString &text, double &serial);

QString format(double serial); // as CStr shows it
QString formatLongDate(double serial);
QString formatShortDate(double serial);
QString formatLongTime(double serial);
QString formatShortTime(double serial);
QString monthName(int month, bool abbreviate);
QString weekdayName(int weekday, bool abbreviate); // 1 = Sunday

} // namespace date
} // namespace cellvex::vbs
