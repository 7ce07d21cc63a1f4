#include "common/AnsiText.h"

#include <gtest/gtest.h>

using namespace cellvex;

TEST(AnsiText, ByteLengthCountsCodePageBytes)
{
    struct Case
    {
        const char *utf8;
        qsizetype bytes;
    } cases[] = {
        {"", 0},
        {"abc", 3},
        {"中文", 4},
        {"中文A", 5},
        {"€", 2},                // non-ASCII character the code page holds
        {"\xF0\x9F\x98\x80", 1}, // emoji: outside the code page, becomes "?"
        {"한", 1},               // Hangul syllable the code page lacks
        {"a中\xF0\x9F\x98\x80"
         "b",
         5},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ansiByteLength(QString::fromUtf8(c.utf8)), c.bytes) << c.utf8;
}

TEST(AnsiText, CutNeverSplitsACharacter)
{
    const QString text = QString::fromUtf8("ab中文c");
    EXPECT_EQ(cutToAnsiBytes(text, 0), QString());
    EXPECT_EQ(cutToAnsiBytes(text, 2), QStringLiteral("ab"));
    EXPECT_EQ(cutToAnsiBytes(text, 3), QStringLiteral("ab")); // half of 中 is dropped
    EXPECT_EQ(cutToAnsiBytes(text, 4), QString::fromUtf8("ab中"));
    EXPECT_EQ(cutToAnsiBytes(text, 7), text);
    EXPECT_EQ(cutToAnsiBytes(text, 100), text);
    const QString emoji = QString::fromUtf8("x\xF0\x9F\x98\x80y");
    EXPECT_EQ(cutToAnsiBytes(emoji, 2), emoji.left(3)); // the surrogate pair stays whole
}

TEST(AnsiText, EncodesAndDecodesGbk)
{
    const QByteArray bytes = toAnsi(QString::fromUtf8("中文A€"));
    EXPECT_EQ(bytes, QByteArray::fromHex("d6d0cec44180"));
    EXPECT_EQ(fromAnsi(bytes), QString::fromUtf8("中文A€"));
    EXPECT_EQ(toAnsi(QString::fromUtf8("\xF0\x9F\x98\x80")), QByteArray("?"));
}

TEST(AnsiText, CountsTheEuroButNotTheOtherLoneByteAsACodePageCharacter)
{
    // Both are single bytes in stored documents; the byte counts have only
    // ever known the euro sign, so U+F8F5 (byte 0xFF) stays a "?".
    struct Case
    {
        char32_t codePoint;
        bool encodable;
    } cases[] = {
        {U'A', true},    {U'中', true},  {U'€', true},     {0xF8F5, false},
        {0xFFFD, false}, {U'한', false}, {0x1F600, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ansiCanEncode(c.codePoint), c.encodable) << std::hex << quint32(c.codePoint);
    EXPECT_EQ(ansiByteLength(QString::fromUtf8("€\xEF\xA3\xB5")), 3);
}
