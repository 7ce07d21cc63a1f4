#include "script/vbscript/Builtins.h"
#include "script/vbscript/Convert.h"
#include "script/vbscript/DateMath.h"
#include "script/vbscript/ScriptError.h"

#include <QDateTime>

#include <cmath>

namespace cellvex::vbs {

namespace {

using Args = std::vector<Value>;

double nowSerial()
{
    QDateTime now = QDateTime::currentDateTime();
    QDate d = now.date();
    QTime t = now.time();
    return date::compose(date::serialDay(d.year(), d.month(), d.day()),
                         (t.hour() * 3600 + t.minute() * 60 + t.second()) / 86400.0);
}

Value checked(double serial)
{
    if (!date::inRange(serial)) {
        raise(err::InvalidCall);
    }
    return Value::date(serial);
}

// Seconds since the epoch midnight, as one number for all dates.
double linearSeconds(double serial)
{
    return double(date::dayOf(serial)) * 86400.0 + std::round(date::timeOf(serial) * 86400.0);
}

std::int64_t dayNumber(double serial)
{
    DateParts p = date::partsOf(serial);
    return date::serialDay(p.year, p.month, p.day);
}

int firstDay(const Args &a, std::size_t i)
{
    int d = arg::given(a, i) ? conv::toLong(a[i]) : 1;
    if (d < 0 || d > 7) {
        raise(err::InvalidCall);
    }
    return d == 0 ? 1 : d;
}

int weekdayFrom(int weekday, int first)
{
    return ((weekday - first + 7) % 7) + 1;
}

QString interval(const Value &v)
{
    return conv::toString(v).toLower();
}

Value part(const QString &what, double d, int first)
{
    DateParts p = date::partsOf(d);
    if (what == QLatin1String("yyyy")) {
        return Value::integer(std::int16_t(p.year));
    }
    if (what == QLatin1String("q")) {
        return Value::integer(std::int16_t((p.month - 1) / 3 + 1));
    }
    if (what == QLatin1String("m")) {
        return Value::integer(std::int16_t(p.month));
    }
    if (what == QLatin1String("y")) {
        return Value::integer(std::int16_t(dayNumber(d) - date::serialDay(p.year, 1, 1) + 1));
    }
    if (what == QLatin1String("d")) {
        return Value::integer(std::int16_t(p.day));
    }
    if (what == QLatin1String("w")) {
        return Value::integer(std::int16_t(weekdayFrom(p.weekday, first)));
    }
    if (what == QLatin1String("ww")) {
        std::int64_t jan1 = date::serialDay(p.year, 1, 1);
        DateParts j = date::partsOf(double(jan1));
        int offset = weekdayFrom(j.weekday, first) - 1;
        return Value::integer(std::int16_t((dayNumber(d) - jan1 + offset) / 7 + 1));
    }
    if (what == QLatin1String("h")) {
        return Value::integer(std::int16_t(p.hour));
    }
    if (what == QLatin1String("n")) {
        return Value::integer(std::int16_t(p.minute));
    }
    if (what == QLatin1String("s")) {
        return Value::integer(std::int16_t(p.second));
    }
    raise(err::InvalidCall);
}

Value dateAdd(Args &a)
{
    QString what = interval(a[0]);
    double n = std::trunc(conv::toDouble(a[1]));
    if (a[2].isNull()) {
        return Value::null();
    }
    double d = conv::toDate(a[2]);
    if (std::fabs(n) > 4e6 * 86400.0) {
        raise(err::InvalidCall);
    }
    DateParts p = date::partsOf(d);
    double t = date::timeOf(d);
    auto months = [&](double m) {
        if (std::fabs(m) > 120000) {
            raise(err::InvalidCall);
        }
        std::int64_t total = std::int64_t(p.year) * 12 + (p.month - 1) + std::int64_t(m);
        std::int64_t y = total / 12;
        int mo = int(total % 12) + 1;
        if (mo <= 0) {
            mo += 12;
            --y;
        }
        // The day stays, clipped to the target month's last day.
        std::int64_t monthDays = date::serialDay(y, mo + 1, 1) - date::serialDay(y, mo, 1);
        std::int64_t day = std::min<std::int64_t>(p.day, monthDays);
        return checked(date::compose(date::serialDay(y, mo, day), t));
    };
    if (what == QLatin1String("yyyy")) {
        return months(n * 12);
    }
    if (what == QLatin1String("q")) {
        return months(n * 3);
    }
    if (what == QLatin1String("m")) {
        return months(n);
    }
    double seconds;
    if (what == QLatin1String("d") || what == QLatin1String("y") || what == QLatin1String("w")) {
        seconds = n * 86400.0;
    } else if (what == QLatin1String("ww")) {
        seconds = n * 7 * 86400.0;
    } else if (what == QLatin1String("h")) {
        seconds = n * 3600.0;
    } else if (what == QLatin1String("n")) {
        seconds = n * 60.0;
    } else if (what == QLatin1String("s")) {
        seconds = n;
    } else {
        raise(err::InvalidCall);
    }
    double total = linearSeconds(d) + seconds;
    double day = std::floor(total / 86400.0);
    double rest = (total - day * 86400.0) / 86400.0;
    return checked(date::compose(std::int64_t(day), rest));
}

Value dateDiff(Args &a)
{
    QString what = interval(a[0]);
    if (a[1].isNull() || a[2].isNull()) {
        return Value::null();
    }
    double d1 = conv::toDate(a[1]);
    double d2 = conv::toDate(a[2]);
    int first = firstDay(a, 3);
    DateParts p1 = date::partsOf(d1);
    DateParts p2 = date::partsOf(d2);
    double r;
    if (what == QLatin1String("yyyy")) {
        r = p2.year - p1.year;
    } else if (what == QLatin1String("q")) {
        r = (p2.year * 4 + (p2.month - 1) / 3) - (p1.year * 4 + (p1.month - 1) / 3);
    } else if (what == QLatin1String("m")) {
        r = (p2.year * 12 + p2.month) - (p1.year * 12 + p1.month);
    } else if (what == QLatin1String("d") || what == QLatin1String("y")) {
        r = double(dayNumber(d2) - dayNumber(d1));
    } else if (what == QLatin1String("w")) {
        r = std::trunc(double(dayNumber(d2) - dayNumber(d1)) / 7.0);
    } else if (what == QLatin1String("ww")) {
        // Counts the first-day-of-week boundaries crossed.
        auto weekStart = [&](std::int64_t day) {
            DateParts p = date::partsOf(double(day));
            return day - (weekdayFrom(p.weekday, first) - 1);
        };
        r = double(weekStart(dayNumber(d2)) - weekStart(dayNumber(d1))) / 7.0;
    } else {
        double s1 = linearSeconds(d1);
        double s2 = linearSeconds(d2);
        if (what == QLatin1String("h")) {
            r = std::floor(s2 / 3600.0) - std::floor(s1 / 3600.0);
        } else if (what == QLatin1String("n")) {
            r = std::floor(s2 / 60.0) - std::floor(s1 / 60.0);
        } else if (what == QLatin1String("s")) {
            r = s2 - s1;
        } else {
            raise(err::InvalidCall);
        }
    }
    return conv::fitInteger(std::int64_t(r), VarType::Long);
}

Value partOf(Args &a, const char *what)
{
    if (a[0].isNull()) {
        return Value::null();
    }
    return part(QLatin1String(what), conv::toDate(a[0]), 1);
}

} // namespace

void addDateBuiltins(std::vector<Builtin> &out)
{
    out.push_back({"Now", 0, 0, [](Runtime &, Args &) { return Value::date(nowSerial()); }, {}});
    out.push_back({"Date", 0, 0, [](Runtime &, Args &) { return Value::date(std::floor(nowSerial())); }, {}});
    out.push_back({"Time",
                   0,
                   0,
                   [](Runtime &, Args &) {
                       double n = nowSerial();
                       return Value::date(n - std::floor(n));
                   },
                   {}});
    out.push_back({"Timer",
                   0,
                   0,
                   [](Runtime &, Args &) {
                       QTime t = QTime::currentTime();
                       return Value::single(float(t.msecsSinceStartOfDay() / 1000.0));
                   },
                   {}});
    out.push_back({"DateAdd", 3, 3, [](Runtime &, Args &a) { return dateAdd(a); }, {}});
    out.push_back({"DateDiff", 3, 5, [](Runtime &, Args &a) { return dateDiff(a); }, {}});
    out.push_back({"DatePart",
                   2,
                   4,
                   [](Runtime &, Args &a) -> Value {
                       if (a[1].isNull()) {
                           return Value::null();
                       }
                       return part(interval(a[0]), conv::toDate(a[1]), firstDay(a, 2));
                   },
                   {}});
    out.push_back({"DateSerial",
                   3,
                   3,
                   [](Runtime &, Args &a) -> Value {
                       std::int64_t y = conv::toLong(a[0]);
                       if (y >= 0 && y < 100) {
                           y += y < 30 ? 2000 : 1900;
                       }
                       return checked(double(date::serialDay(y, conv::toLong(a[1]), conv::toLong(a[2]))));
                   },
                   {}});
    out.push_back({"TimeSerial",
                   3,
                   3,
                   [](Runtime &, Args &a) -> Value {
                       double secs = double(conv::toLong(a[0])) * 3600 + double(conv::toLong(a[1])) * 60 +
                                     double(conv::toLong(a[2]));
                       double day = std::floor(secs / 86400.0);
                       return checked(date::compose(std::int64_t(day), (secs - day * 86400.0) / 86400.0));
                   },
                   {}});
    out.push_back({"DateValue",
                   1,
                   1,
                   [](Runtime &, Args &a) -> Value {
                       double d = conv::toDate(a[0]);
                       return Value::date(double(date::dayOf(d)));
                   },
                   {}});
    out.push_back({"TimeValue",
                   1,
                   1,
                   [](Runtime &, Args &a) -> Value { return Value::date(date::timeOf(conv::toDate(a[0]))); },
                   {}});
    out.push_back({"Year", 1, 1, [](Runtime &, Args &a) { return partOf(a, "yyyy"); }, {}});
    out.push_back({"Month", 1, 1, [](Runtime &, Args &a) { return partOf(a, "m"); }, {}});
    out.push_back({"Day", 1, 1, [](Runtime &, Args &a) { return partOf(a, "d"); }, {}});
    out.push_back({"Hour", 1, 1, [](Runtime &, Args &a) { return partOf(a, "h"); }, {}});
    out.push_back({"Minute", 1, 1, [](Runtime &, Args &a) { return partOf(a, "n"); }, {}});
    out.push_back({"Second", 1, 1, [](Runtime &, Args &a) { return partOf(a, "s"); }, {}});
    out.push_back({"Weekday",
                   1,
                   2,
                   [](Runtime &, Args &a) -> Value {
                       if (a[0].isNull()) {
                           return Value::null();
                       }
                       return part(QStringLiteral("w"), conv::toDate(a[0]), firstDay(a, 1));
                   },
                   {}});
    out.push_back({"WeekdayName",
                   1,
                   3,
                   [](Runtime &, Args &a) -> Value {
                       int n = conv::toLong(a[0]);
                       bool abbreviate = a.size() > 1 && conv::toBool(a[1]);
                       int first = firstDay(a, 2);
                       if (n < 1 || n > 7) {
                           raise(err::InvalidCall);
                       }
                       return Value::string(date::weekdayName((n - 1 + first - 1) % 7 + 1, abbreviate));
                   },
                   {}});
    out.push_back({"MonthName",
                   1,
                   2,
                   [](Runtime &, Args &a) -> Value {
                       int n = conv::toLong(a[0]);
                       if (n < 1 || n > 12) {
                           raise(err::InvalidCall);
                       }
                       return Value::string(date::monthName(n, a.size() > 1 && conv::toBool(a[1])));
                   },
                   {}});
}

} // namespace cellvex::vbs
