#include "grid/CalendarDate.h"
#include "grid/DatePattern.h"
#include "grid/LocaleDateFormat.h"

#include <gtest/gtest.h>

using namespace cellvex;

namespace {

// Conventions with names that show which lookup produced them.
class FixedDateFormat : public SystemDateFormat
{
public:
    QString shortPattern = QStringLiteral("yyyy-mm-dd");
    QString shortDatePattern() const override { return shortPattern; }
    QString longDatePattern() const override { return QStringLiteral("yyyy'年'm'月'd'日'"); }
    QString dateSeparator() const override { return QStringLiteral("-"); }
    QString shortTimePattern() const override { return QStringLiteral("h:nn"); }
    QString longTimePattern() const override { return QStringLiteral("h:nn:ss"); }
    QString amText() const override { return QStringLiteral("上午"); }
    QString monthName(int month, bool longForm) const override
    {
        return (longForm ? QStringLiteral("Month") : QStringLiteral("M")) + QString::number(month);
    }
    QString weekdayName(int weekday, bool longForm) const override
    {
        return (longForm ? QStringLiteral("Weekday") : QStringLiteral("W")) + QString::number(weekday);
    }
};

} // namespace

TEST(CalendarDate, ReadDate)
{
    const struct
    {
        const char *text;
        int y, m, d; // y < 0: not a date
    } cases[] = {
        {"2004-3-5", 2004, 3, 5},
        {"2004-03-05", 2004, 3, 5},
        {"0002004-03-005", 2004, 3, 5},
        {"2000-2-29", 2000, 2, 29},
        {"2004-2-29", 2004, 2, 29},
        {"9999-12-31", 9999, 12, 31},
        {"0-1-1", -1, 0, 0}, // there is no year 0
        {"2004-2-30", -1, 0, 0},
        {"1900-2-29", -1, 0, 0},
        {"2003-2-29", -1, 0, 0},
        {"2004-4-31", -1, 0, 0},
        {"2004-13-1", -1, 0, 0},
        {"2004-0-1", -1, 0, 0},
        {"2004-1-0", -1, 0, 0},
        {"10000-1-1", -1, 0, 0},
        {"99999999999999999999-1-1", -1, 0, 0},
        {"2004-99999999999999999999-1", -1, 0, 0},
        {"2004-3-5 ", -1, 0, 0},
        {" 2004-3-5", -1, 0, 0},
        {"2004/3/5", -1, 0, 0},
        {"2004-3", -1, 0, 0},
        {"2004-3-5-1", -1, 0, 0},
        {"2004--5", -1, 0, 0},
        {"-3-5", -1, 0, 0},
        {"+2004-3-5", -1, 0, 0},
        {"", -1, 0, 0},
    };
    for (const auto &c : cases) {
        const auto d = readDate(QLatin1String(c.text));
        if (c.y < 0) {
            EXPECT_FALSE(d.has_value()) << c.text;
        } else {
            ASSERT_TRUE(d.has_value()) << c.text;
            EXPECT_EQ(*d, (CalendarDate{c.y, c.m, c.d})) << c.text;
        }
    }
    EXPECT_FALSE(isValidDate(QStringLiteral("２００４-3-5")));
}

TEST(CalendarDate, DayOfWeek)
{
    const struct
    {
        CalendarDate date;
        int weekday; // 1 Monday ... 7 Sunday
    } cases[] = {
        {{2004, 3, 5}, 5},  {{2000, 1, 1}, 6}, {{1970, 1, 1}, 4}, {{1900, 1, 1}, 1},
        {{2024, 2, 29}, 4}, {{0, 3, 1}, 3},    {{0, 1, 1}, 6},    {{9999, 12, 31}, 5},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.date.dayOfWeek(), c.weekday) << c.date.year << "-" << c.date.month << "-" << c.date.day;
}

TEST(DatePattern, Tokens)
{
    const FixedDateFormat system;
    const CalendarDate date{2004, 3, 5};
    const struct
    {
        const char *pattern;
        const char *text;
    } cases[] = {
        {"yyyy-mm-dd", "2004-03-05"},
        {"YYYY-MM-DD", "2004-03-05"},
        {"yy/m/d", "04-3-5"},
        {"y yyy", "04 2004"},
        {"yyyy年m月d日", "2004年3月5日"},
        {"mmm mmmm", "M3 Month3"},
        {"ddd dddd", "W5 Weekday5"},
        {"ddddd", "2004-03-05"},
        {"dddddd", "2004年3月5日"},
        {"c", "2004-03-05"},
        {"", "2004-03-05"},
        {"hh:mm:ss", "00:00:00"}, // m after an hour means minutes
        {"h:n:s.zzz z", "0:0:0.000 0"},
        {"t|tt", "0:00|0:00:00"},
        {"AM/PM am/pm a/p A/P ampm", "AM am a A 上午"},
        {"'yyyy' \"dd\"", "yyyy dd"},
        {"'unclosed", "unclosed"},
        {"x:d", "x:5"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(formatDatePattern(date, QString::fromUtf8(c.pattern), system), QString::fromUtf8(c.text))
            << c.pattern;
    EXPECT_EQ(formatDatePattern({0, 2, 29}, QStringLiteral("yyyy-mm-dd yy"), system),
              QLatin1String("0000-02-29 00"));
}

TEST(DatePattern, SelfReferringSystemFormatEnds)
{
    FixedDateFormat system;
    system.shortPattern = QStringLiteral("ddddd c d");
    const QString text = formatDatePattern({2004, 3, 5}, QStringLiteral("c"), system);
    EXPECT_TRUE(text.endsWith(QLatin1String("5"))) << qPrintable(text);
    EXPECT_LT(text.size(), 100);
}

TEST(DatePattern, ChineseLocaleLongFormatReadsInThePatternLanguage)
{
    // The platform conventions take the locale's long date format as a
    // pattern: its letters must mean the same in our pattern language.
    const LocaleDateFormat chinese(QLocale(QLocale::Chinese, QLocale::China));
    const QString text = formatDatePattern({2004, 3, 5}, QStringLiteral("dddddd"), chinese);
    EXPECT_TRUE(text.startsWith(QStringLiteral("2004年3月5日"))) << qPrintable(text);
    EXPECT_EQ(formatDatePattern({2004, 3, 5}, QStringLiteral("ddddd"), chinese), QLatin1String("2004-03-05"));
    EXPECT_EQ(formatDatePattern({2004, 3, 5}, QStringLiteral("mmmm"), chinese), QStringLiteral("三月"));
}
