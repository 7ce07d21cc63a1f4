#include "grid/CalendarDate.h"

#include "grid/NumberText.h"

namespace cellvex {

namespace {

// The value of a digits-only text, or -1 once it passes `limit`.
int boundedValue(QStringView digits, int limit)
{
    int v = 0;
    for (QChar c : digits) {
        v = v * 10 + (c.unicode() - '0');
        if (v > limit)
            return -1;
    }
    return v;
}

} // namespace

int CalendarDate::daysInMonth(int year, int month)
{
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return isLeapYear(year) ? 29 : 28;
    default:
        return 31;
    }
}

int CalendarDate::dayOfWeek() const
{
    // Days from 0000-03-01 by the civil-from-days arithmetic, which holds for
    // every year of the range including 0.
    const int y = month <= 2 ? year - 1 : year;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int mp = (month + 9) % 12;
    const int doy = (153 * mp + 2) / 5 + day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long long days = static_cast<long long>(era) * 146097 + doe; // 0 = 0000-03-01, a Wednesday
    const int fromMonday = static_cast<int>(((days + 2) % 7 + 7) % 7);
    return fromMonday + 1;
}

std::optional<CalendarDate> readDate(const QString &text)
{
    const qsizetype first = text.indexOf(QLatin1Char('-'));
    if (first < 0)
        return std::nullopt;
    const QString yearPart = text.left(first);
    const QString rest = text.mid(first + 1);
    const qsizetype second = rest.indexOf(QLatin1Char('-'));
    if (second < 0)
        return std::nullopt;
    const QString monthPart = rest.left(second);
    const QString dayPart = rest.mid(second + 1);
    if (!isDigitsText(yearPart) || !isDigitsText(monthPart) || !isDigitsText(dayPart))
        return std::nullopt;
    CalendarDate d;
    d.year = boundedValue(yearPart, 9999);
    d.month = boundedValue(monthPart, 12);
    d.day = boundedValue(dayPart, 31);
    // There is no year 0 in the calendar dates are written in.
    if (d.year < 1 || d.month < 1 || d.day < 1 || d.day > CalendarDate::daysInMonth(d.year, d.month))
        return std::nullopt;
    return d;
}

} // namespace cellvex
