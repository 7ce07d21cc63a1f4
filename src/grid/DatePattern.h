#pragma once

#include "grid/CalendarDate.h"

#include <QString>

namespace cellvex {

class SystemDateFormat;

// Writes a date by a date pattern. Letters ignore case.
//   yy / yyyy          year with two / four digits (y and yyy likewise)
//   m mm mmm mmmm      month, with a leading zero, short name, long name
//   d dd ddd dddd      day, with a leading zero, short weekday, long weekday
//   ddddd dddddd       the whole date in the short / long date format
//   c                  the short date format (a date carries no time to add)
//   /                  the date separator
//   h hh n nn s ss z zzz t tt am/pm a/p ampm   the time of day: midnight
//   (m or mm right after an hour means minutes)
//   '..' ".."          copied as they are
// Other characters are copied. An empty pattern writes the short date format.
QString formatDatePattern(const CalendarDate &date, const QString &pattern, const SystemDateFormat &system);

} // namespace cellvex
