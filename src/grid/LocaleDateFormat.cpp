#include "grid/LocaleDateFormat.h"

namespace cellvex {

namespace {

QLocale platformLocale()
{
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        return QLocale(QLocale::Chinese, QLocale::China);
    return system;
}

} // namespace

LocaleDateFormat::LocaleDateFormat() : m_locale(platformLocale()) {}

QString LocaleDateFormat::longDatePattern() const
{
    // Qt's date letters (d, dd, ddd, dddd, M..MMMM, yy, yyyy, quoted text)
    // mean the same in the date pattern language, whose letters ignore case.
    return m_locale.dateFormat(QLocale::LongFormat);
}

QString LocaleDateFormat::monthName(int month, bool longForm) const
{
    return m_locale.monthName(month, longForm ? QLocale::LongFormat : QLocale::ShortFormat);
}

QString LocaleDateFormat::weekdayName(int weekday, bool longForm) const
{
    return m_locale.dayName(weekday, longForm ? QLocale::LongFormat : QLocale::ShortFormat);
}

} // namespace cellvex
