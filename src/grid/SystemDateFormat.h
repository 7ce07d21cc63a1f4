#pragma once

#include <QString>

#include <memory>

namespace cellvex {

// The system's date conventions that date patterns refer to: the short and
// long date formats, the date separator, the time formats and the month and
// weekday names. Patterns are in the date pattern language (formatDatePattern).
// Date texts are read year-month-day with "-"; the short date format is
// expected to write them that way.
class SystemDateFormat
{
public:
    virtual ~SystemDateFormat() = default;

    virtual QString shortDatePattern() const = 0;
    virtual QString longDatePattern() const = 0;
    virtual QString dateSeparator() const = 0;
    virtual QString shortTimePattern() const = 0;
    virtual QString longTimePattern() const = 0;
    // The morning marker; a date cell's time of day is always midnight.
    virtual QString amText() const = 0;
    // month 1-12; longForm false gives the abbreviated name.
    virtual QString monthName(int month, bool longForm) const = 0;
    // weekday 1 Monday ... 7 Sunday.
    virtual QString weekdayName(int weekday, bool longForm) const = 0;
};

// The conventions in force: the platform's unless replaced (tests pin a fixed
// one so that results do not depend on the machine's locale).
const SystemDateFormat &systemDateFormat();
// Replaces the conventions; nullptr returns to the platform's.
void setSystemDateFormat(std::shared_ptr<const SystemDateFormat> format);

} // namespace cellvex
