#include "grid/DatePattern.h"

#include "grid/SystemDateFormat.h"

namespace cellvex {

namespace {

QString twoDigits(int v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

class DatePatternWriter
{
public:
    DatePatternWriter(const CalendarDate &date, const SystemDateFormat &system)
        : m_date(date), m_system(system)
    {
    }

    // depth guards against system formats that name themselves (a short date
    // format containing "ddddd" would otherwise recurse without end).
    QString write(const QString &pattern, int depth)
    {
        QString out;
        bool afterHour = false;
        const qsizetype n = pattern.size();
        for (qsizetype i = 0; i < n;) {
            const QChar c = pattern.at(i);
            const QChar lower = c.toLower();
            if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
                qsizetype j = i + 1;
                while (j < n && pattern.at(j) != c)
                    ++j;
                out.append(QStringView(pattern).mid(i + 1, j - i - 1));
                i = j < n ? j + 1 : j;
                continue;
            }
            qsizetype run = 1;
            while (i + run < n && pattern.at(i + run).toLower() == lower)
                ++run;
            if (lower == QLatin1Char('a')) {
                i += writeMarker(pattern, i, out);
                afterHour = false;
                continue;
            }
            switch (lower.unicode()) {
            case 'y':
                out.append(run <= 2 ? twoDigits(m_date.year % 100)
                                    : QStringLiteral("%1").arg(m_date.year, 4, 10, QLatin1Char('0')));
                break;
            case 'm':
                if (afterHour)
                    out.append(run == 1 ? QStringLiteral("0") : QStringLiteral("00"));
                else if (run == 1)
                    out.append(QString::number(m_date.month));
                else if (run == 2)
                    out.append(twoDigits(m_date.month));
                else
                    out.append(m_system.monthName(m_date.month, run > 3));
                break;
            case 'd':
                if (run == 1)
                    out.append(QString::number(m_date.day));
                else if (run == 2)
                    out.append(twoDigits(m_date.day));
                else if (run <= 4)
                    out.append(m_system.weekdayName(m_date.dayOfWeek(), run == 4));
                else if (depth < kMaxDepth)
                    out.append(write(run == 5 ? m_system.shortDatePattern() : m_system.longDatePattern(),
                                     depth + 1));
                break;
            case 'c':
                // Date and time; the time of midnight is left out.
                if (depth < kMaxDepth)
                    out.append(write(m_system.shortDatePattern(), depth + 1));
                break;
            case 'h':
            case 'n':
            case 's':
                out.append(run == 1 ? QStringLiteral("0") : QStringLiteral("00"));
                break;
            case 'z':
                out.append(run < 3 ? QStringLiteral("0") : QStringLiteral("000"));
                break;
            case 't':
                if (depth < kMaxDepth)
                    out.append(write(run == 1 ? m_system.shortTimePattern() : m_system.longTimePattern(),
                                     depth + 1));
                break;
            case '/':
                out.append(repeated(m_system.dateSeparator(), run));
                break;
            default:
                out.append(QStringView(pattern).mid(i, run));
                break;
            }
            if (c.isLetter())
                afterHour = lower == QLatin1Char('h');
            i += run;
        }
        return out;
    }

private:
    static constexpr int kMaxDepth = 2;

    static QString repeated(const QString &s, qsizetype times)
    {
        QString out;
        for (qsizetype k = 0; k < times; ++k)
            out.append(s);
        return out;
    }

    static bool startsWithNoCase(const QString &s, qsizetype at, QLatin1String what)
    {
        return QStringView(s).mid(at, what.size()).compare(what, Qt::CaseInsensitive) == 0;
    }

    // am/pm, a/p and ampm; any other "a" is copied. Returns the characters used.
    qsizetype writeMarker(const QString &pattern, qsizetype i, QString &out) const
    {
        // Midnight is before noon: the morning half of the marker, in the
        // letter case the pattern wrote it.
        if (startsWithNoCase(pattern, i, QLatin1String("am/pm"))) {
            out.append(QStringView(pattern).mid(i, 2));
            return 5;
        }
        if (startsWithNoCase(pattern, i, QLatin1String("a/p"))) {
            out.append(pattern.at(i));
            return 3;
        }
        if (startsWithNoCase(pattern, i, QLatin1String("ampm"))) {
            out.append(m_system.amText());
            return 4;
        }
        out.append(pattern.at(i));
        return 1;
    }

    const CalendarDate &m_date;
    const SystemDateFormat &m_system;
};

} // namespace

QString formatDatePattern(const CalendarDate &date, const QString &pattern, const SystemDateFormat &system)
{
    DatePatternWriter writer(date, system);
    return writer.write(pattern.isEmpty() ? QStringLiteral("c") : pattern, 0);
}

} // namespace cellvex
