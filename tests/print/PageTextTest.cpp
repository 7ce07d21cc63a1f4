#include "print/PageText.h"

#include <gtest/gtest.h>

using namespace cellvex;

namespace {

PageClock fixedClock()
{
    return PageClock{[] { return QDateTime(QDate(2024, 3, 5), QTime(7, 8, 9)); }, QStringLiteral(":")};
}

} // namespace

TEST(ExpandPageText, ReplacesTokensInAnyLetterCase)
{
    struct Case
    {
        const char *content;
        std::int64_t page, pages;
        const char *expected;
    };
    const Case cases[] = {
        {"第@pno页 共@pages页", 3, 7, "第3页 共7页"},
        {"@PNO/@Pages", 3, 7, "3/7"},
        {"@pages@pno", 3, 7, "73"},
        {"@pno@pno", 12, 40, "1212"},
        {"@date @TIME", 1, 1, "2024-03-05 07:08:09"},
        {"打印于@Date", 1, 1, "打印于2024-03-05"},
        {"no tokens at all", 2, 5, "no tokens at all"},
        {"", 1, 1, ""},
        {"@ @p @pn @page @x", 2, 5, "@ @p @pn @page @x"},
        {"@@pno", 2, 5, "@2"},
        {"@pnos", 2, 5, "2s"},
        {"＠pno", 2, 5, "＠pno"}, // a full-width at sign starts no token
        {"@pno", 9876543210LL, 9876543210LL, "9876543210"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(expandPageText(QString::fromUtf8(c.content), c.page, c.pages, fixedClock()),
                  QString::fromUtf8(c.expected))
            << c.content;
}

TEST(ExpandPageText, ReadsTheClockAtEveryReplacementWithTheSystemSeparator)
{
    int tick = 0;
    PageClock clock{[&tick] { return QDateTime(QDate(2023, 12, 31), QTime(23, 59, tick++)); },
                    QStringLiteral(".")};
    EXPECT_EQ(expandPageText(QStringLiteral("@time|@time"), 1, 1, clock),
              QStringLiteral("23.59.00|23.59.01"));
}

TEST(ExpandPageText, SystemClockGivesTodaysDate)
{
    const QString expected = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    const QString text = expandPageText(QStringLiteral("@date"), 1, 1);
    // Around midnight the date may move on between the two reads.
    EXPECT_TRUE(text == expected || text == QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")))
        << text.toStdString();
    EXPECT_EQ(text.size(), 10);
}
