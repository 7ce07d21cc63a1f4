#include "common/GbkCodec.h"

#include <gtest/gtest.h>

using namespace cellvex;

TEST(GbkCodec, EncodesEachKindOfCharacterAndDecodesItBack)
{
    struct Case
    {
        const char *utf8;
        QByteArray gbk;
        bool comesBack; // false where the character becomes a reference
    } cases[] = {
        {"abc", "abc", true},
        {"中", "\xD6\xD0", true},
        {"€", "\x80", true},                 // the lone byte below the lead bytes
        {"\xEF\xA3\xB5", "\xFF", true},      // U+F8F5, the lone byte above them
        {"한", "&#54620;", false},           // a BMP character the code page lacks
        {"😀", "&#128512;", false},           // no supplementary character is in it
        {"\xEF\xBF\xBD", "&#65533;", false}, // nor the replacement character
        {"a中b€c",
         "a\xD6\xD0"
         "b\x80"
         "c",
         true},
    };
    const GbkCodec &codec = GbkCodec::instance();
    for (const Case &c : cases) {
        QByteArray gbk;
        codec.appendUtf8AsGbk(QByteArrayView(c.utf8), gbk);
        EXPECT_EQ(gbk, c.gbk) << c.utf8;
        if (!c.comesBack)
            continue;
        QByteArray utf8;
        EXPECT_EQ(codec.appendGbkAsUtf8(gbk, utf8, true), gbk.size()) << c.utf8;
        EXPECT_EQ(utf8, QByteArray(c.utf8));
    }
}

TEST(GbkCodec, DecodingRefusesBytesThatAreNoCharacter)
{
    struct Case
    {
        QByteArray gbk;
        bool final;
        qsizetype used; // -1: not valid GBK
        const char *utf8;
    } cases[] = {
        {"a\xD6", true, -1, ""},  // a lead byte cut off by the end of the text
        {"a\xD6", false, 1, "a"}, // ... or waiting for the next piece
        {"\xD6", false, 0, ""},
        {"\xD6\x7F", true, -1, ""}, // 0x7F is no trail byte
        {"\xD6\x3F", true, -1, ""}, // below the trail bytes
        {"\xFE\xFF", true, -1, ""}, // above them
        {"x\xD6\xD0\xD6", false, 3, "x中"},
    };
    const GbkCodec &codec = GbkCodec::instance();
    for (const Case &c : cases) {
        QByteArray utf8;
        const qsizetype used = codec.appendGbkAsUtf8(c.gbk, utf8, c.final);
        EXPECT_EQ(used, c.used) << c.gbk.toHex().constData();
        if (used >= 0) {
            EXPECT_EQ(utf8, QByteArray(c.utf8)) << c.gbk.toHex().constData();
        }
    }
}

TEST(GbkCodec, CodeOfTellsSingleBytesFromPairs)
{
    const GbkCodec &codec = GbkCodec::instance();
    EXPECT_EQ(codec.codeOf(u'中'), 0xD6D0);
    EXPECT_EQ(codec.codeOf(u'€'), 0x80);
    EXPECT_EQ(codec.codeOf(char16_t(0xF8F5)), 0xFF);
    EXPECT_EQ(codec.codeOf(u'한'), 0);
    EXPECT_EQ(codec.codeOf(char16_t(0xFFFD)), 0);
}
