#include "script/vbscript/DateMath.h"

#include <QStringList>

#include <cmath>

namespace cellvex::vbs::date {

namespace {

const char *const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};
const char *const kDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

const std::int64_t kEpoch = daysFromCivil(1899, 12, 30);

int monthFromName(const QString &word)
{
    if (word.size() < 3) {
        return 0;
    }
    for (int m = 0; m < 12; ++m) {
        QString full = QString::fromLatin1(kMonths[m]);
        if (full.startsWith(word, Qt::CaseInsensitive)) {
            return m + 1;
        }
    }
    return 0;
}

// Two-digit years as the language windows them.
int widenYear(int y, int digits)
{
    if (digits <= 2 && y < 100) {
        return y < 30 ? 2000 + y : 1900 + y;
    }
    return y;
}

} // namespace

std::int64_t daysFromCivil(std::int64_t y, int m, int d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(std::int64_t z, int &y, int &m, int &d)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    d = int(doy - (153 * mp + 2) / 5 + 1);
    m = int(mp < 10 ? mp + 3 : mp - 9);
    y = int(yoe + era * 400 + (m <= 2));
}

std::int64_t serialDay(std::int64_t y, std::int64_t m, std::int64_t d)
{
    // Keep absurd inputs from overflowing; the caller range-checks the result.
    y = std::clamp<std::int64_t>(y, -1000000, 1000000);
    m = std::clamp<std::int64_t>(m, -12000000, 12000000);
    d = std::clamp<std::int64_t>(d, -400000000, 400000000);
    std::int64_t m0 = m - 1;
    std::int64_t yearShift = m0 >= 0 ? m0 / 12 : -((-m0 + 11) / 12);
    y += yearShift;
    m0 -= yearShift * 12;
    return daysFromCivil(y, int(m0 + 1), 1) - kEpoch + (d - 1);
}

double compose(std::int64_t day, double t)
{
    return day >= 0 ? double(day) + t : double(day) - t;
}

std::int64_t dayOf(double serial)
{
    return std::int64_t(std::trunc(serial));
}

double timeOf(double serial)
{
    double t = std::fabs(serial - std::trunc(serial));
    return t >= 1.0 ? 0.0 : t;
}

bool inRange(double serial)
{
    return std::isfinite(serial) && serial >= kMinSerial - 1 && serial <= kMaxSerial + 1e-9;
}

DateParts partsOf(double serial)
{
    DateParts p;
    if (!std::isfinite(serial)) {
        return p;
    }
    std::int64_t day = dayOf(serial);
    std::int64_t secs = std::llround(timeOf(serial) * 86400.0);
    if (secs >= 86400) {
        secs = 0;
        day += serial >= 0 ? 1 : -1;
    }
    civilFromDays(day + kEpoch, p.year, p.month, p.day);
    p.hour = int(secs / 3600);
    p.minute = int(secs / 60 % 60);
    p.second = int(secs % 60);
    std::int64_t wd = (day + kEpoch + 4) % 7; // 1970-01-01 was a Thursday
    if (wd < 0) {
        wd += 7;
    }
    p.weekday = int(wd) + 1;
    p.hasDate = day != 0;
    p.hasTime = secs != 0;
    return p;
}

bool parse(const QString &input, double &serial)
{
    QString text = input.trimmed();
    if (text.isEmpty() || text.size() > 100) {
        return false;
    }
    // Tokens: numbers, words, and the separators that matter.
    QList<int> nums;
    QList<int> numDigits;
    int monthWord = 0;
    int timeNums[3] = {0, 0, 0};
    int timeCount = 0;
    bool inTime = false;
    int ampm = 0; // 1 AM, 2 PM
    bool isoOrder = false;
    int i = 0;
    const int n = int(text.size());
    while (i < n) {
        QChar c = text[i];
        if (c.isDigit()) {
            int start = i;
            long long v = 0;
            while (i < n && text[i].isDigit()) {
                v = v * 10 + text[i].digitValue();
                if (v > 100000) {
                    return false;
                }
                ++i;
            }
            bool followedByColon = i < n && text[i] == QLatin1Char(':');
            if (inTime || followedByColon) {
                if (timeCount >= 3) {
                    return false;
                }
                timeNums[timeCount++] = int(v);
                inTime = followedByColon;
                if (followedByColon) {
                    ++i;
                }
            } else {
                if (nums.size() >= 3) {
                    return false;
                }
                if (nums.isEmpty() && i - start == 4 && i < n && text[i] == QLatin1Char('-')) {
                    isoOrder = true;
                }
                nums.append(int(v));
                numDigits.append(i - start);
            }
        } else if (c.isLetter()) {
            int start = i;
            while (i < n && text[i].isLetter()) {
                ++i;
            }
            QString word = text.mid(start, i - start);
            if (word.compare(QLatin1String("am"), Qt::CaseInsensitive) == 0 ||
                word.compare(QLatin1String("a"), Qt::CaseInsensitive) == 0) {
                ampm = 1;
            } else if (word.compare(QLatin1String("pm"), Qt::CaseInsensitive) == 0 ||
                       word.compare(QLatin1String("p"), Qt::CaseInsensitive) == 0) {
                ampm = 2;
            } else if (int m = monthFromName(word)) {
                if (monthWord) {
                    return false;
                }
                monthWord = m;
            } else {
                bool weekday = false;
                for (const char *d : kDays) {
                    if (QString::fromLatin1(d).startsWith(word, Qt::CaseInsensitive) && word.size() >= 3) {
                        weekday = true;
                    }
                }
                if (!weekday) {
                    return false;
                }
            }
        } else if (c == QLatin1Char('/') || c == QLatin1Char('-') || c == QLatin1Char(',') ||
                   c == QLatin1Char('.') || c.isSpace()) {
            ++i;
        } else {
            return false;
        }
    }
    if (nums.isEmpty() && !monthWord && timeCount == 0) {
        return false;
    }
    std::int64_t y = 1899, m = 12, d = 30;
    bool hasDate = false;
    if (monthWord) {
        if (nums.size() == 2) {
            m = monthWord;
            bool yearFirst = numDigits[0] >= 3;
            d = yearFirst ? nums[1] : nums[0];
            y = yearFirst ? nums[0] : widenYear(nums[1], numDigits[1]);
        } else if (nums.size() == 1) {
            m = monthWord;
            d = nums[0];
            y = 2000; // the current year is not a stable input; scripts name it
        } else {
            return false;
        }
        hasDate = true;
    } else if (nums.size() == 3) {
        if (isoOrder || numDigits[0] >= 3) {
            y = nums[0];
            m = nums[1];
            d = nums[2];
        } else {
            m = nums[0];
            d = nums[1];
            y = widenYear(nums[2], numDigits[2]);
        }
        hasDate = true;
    } else if (nums.size() == 2) {
        m = nums[0];
        d = nums[1];
        y = 2000;
        hasDate = true;
    } else if (nums.size() == 1) {
        if (timeCount != 1 || !ampm) {
            return false;
        }
    }
    double t = 0;
    if (timeCount > 0 || (nums.size() == 1 && ampm)) {
        int h = timeCount > 0 ? timeNums[0] : nums[0];
        int mi = timeCount > 1 ? timeNums[1] : 0;
        int s = timeCount > 2 ? timeNums[2] : 0;
        if (timeCount == 1 && !nums.isEmpty() && !ampm) {
            return false;
        }
        if (ampm) {
            if (h < 1 || h > 12) {
                return false;
            }
            h = (h % 12) + (ampm == 2 ? 12 : 0);
        }
        if (h > 23 || mi > 59 || s > 59) {
            return false;
        }
        t = (h * 3600 + mi * 60 + s) / 86400.0;
    } else if (ampm) {
        return false;
    }
    if (hasDate) {
        if (m < 1 || m > 12 || d < 1 || y < 100 || y > 9999) {
            return false;
        }
        int dim =
            int(daysFromCivil(y + (m == 12), m == 12 ? 1 : int(m + 1), 1) - daysFromCivil(y, int(m), 1));
        if (d > dim) {
            return false;
        }
        serial = compose(serialDay(y, m, d), t);
    } else {
        serial = t;
    }
    return true;
}

QString formatShortDate(double serial)
{
    DateParts p = partsOf(serial);
    return QStringLiteral("%1/%2/%3").arg(p.month).arg(p.day).arg(p.year);
}

QString formatLongTime(double serial)
{
    DateParts p = partsOf(serial);
    int h12 = p.hour % 12 == 0 ? 12 : p.hour % 12;
    return QStringLiteral("%1:%2:%3 %4")
        .arg(h12)
        .arg(p.minute, 2, 10, QLatin1Char('0'))
        .arg(p.second, 2, 10, QLatin1Char('0'))
        .arg(p.hour < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

QString formatShortTime(double serial)
{
    DateParts p = partsOf(serial);
    return QStringLiteral("%1:%2")
        .arg(p.hour, 2, 10, QLatin1Char('0'))
        .arg(p.minute, 2, 10, QLatin1Char('0'));
}

QString formatLongDate(double serial)
{
    DateParts p = partsOf(serial);
    return QStringLiteral("%1, %2 %3, %4")
        .arg(weekdayName(p.weekday, false), monthName(p.month, false))
        .arg(p.day)
        .arg(p.year);
}

QString format(double serial)
{
    DateParts p = partsOf(serial);
    if (!p.hasDate && serial >= 0 && serial < 1) {
        return formatLongTime(serial);
    }
    if (!p.hasTime) {
        return formatShortDate(serial);
    }
    return formatShortDate(serial) + QLatin1Char(' ') + formatLongTime(serial);
}

QString monthName(int month, bool abbreviate)
{
    if (month < 1 || month > 12) {
        return {};
    }
    QString name = QString::fromLatin1(kMonths[month - 1]);
    return abbreviate ? name.left(3) : name;
}

QString weekdayName(int weekday, bool abbreviate)
{
    if (weekday < 1 || weekday > 7) {
        return {};
    }
    QString name = QString::fromLatin1(kDays[weekday - 1]);
    return abbreviate ? name.left(3) : name;
}

} // namespace cellvex::vbs::date
