#pragma once

#include "grid/SystemDateFormat.h"

#include <QLocale>

namespace cellvex {

// The platform's date conventions on Linux: names and the long date format
// from the process locale (Chinese when the locale is the bare C locale, as
// the report's texts are Chinese), and the short date format "yyyy-mm-dd",
// since date cells read and write dates year-month-day with "-".
class LocaleDateFormat : public SystemDateFormat
{
public:
    LocaleDateFormat();
    explicit LocaleDateFormat(const QLocale &locale) : m_locale(locale) {}

    QString shortDatePattern() const override { return QStringLiteral("yyyy-mm-dd"); }
    QString longDatePattern() const override;
    QString dateSeparator() const override { return QStringLiteral("-"); }
    QString shortTimePattern() const override { return QStringLiteral("h:nn"); }
    QString longTimePattern() const override { return QStringLiteral("h:nn:ss"); }
    QString amText() const override { return m_locale.amText(); }
    QString monthName(int month, bool longForm) const override;
    QString weekdayName(int weekday, bool longForm) const override;

private:
    QLocale m_locale;
};

} // namespace cellvex
