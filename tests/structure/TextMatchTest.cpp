#include "grid/structure/TextMatch.h"

#include <gtest/gtest.h>

using namespace cellvex;

namespace {

TEST(TextMatch, FindRules)
{
    struct Case
    {
        const char *text, *pattern;
        bool caseSensitive, wholeWords, match;
    } cases[] = {
        {"Total sum", "sum", true, false, true},
        {"Total sum", "SUM", true, false, false},
        {"Total sum", "SUM", false, false, true},
        {"Total sum", "sum", false, true, false}, // whole words: the whole caption
        {"SUM", "sum", false, true, true},
        {"", "", false, true, true}, // an empty caption equals an empty pattern
        {"abc", "", false, false, false},
        {"ÄRGER", "ärger", false, false, false}, // only A-Z fold
        {"ＡＢ", "ａｂ", false, false, false},   // full-width letters do not fold
        {"合计金额", "计金", true, false, true},
    };
    for (const Case &k : cases)
        EXPECT_EQ(textMatches(QString::fromUtf8(k.text), QString::fromUtf8(k.pattern), k.caseSensitive,
                              k.wholeWords),
                  k.match)
            << k.text << " / " << k.pattern;
}

TEST(TextMatch, MatchesWholeCharactersNotCodePageBytes)
{
    // GBK bytes: 中文 is D6 D0 CE C4, and D0 CE in the middle is 形.
    EXPECT_FALSE(textMatches(QStringLiteral("中文"), QStringLiteral("形"), true, false));
    // 丄 is 81 41: its trail byte is the code of "A". Folded byte-wise it
    // would read as 81 61, which is 乤, and contain "a".
    EXPECT_FALSE(textMatches(QStringLiteral("丄"), QStringLiteral("乤"), false, false));
    EXPECT_FALSE(textMatches(QStringLiteral("丄"), QStringLiteral("a"), false, false));
    EXPECT_EQ(replacedText(QStringLiteral("中文"), QStringLiteral("形"), QStringLiteral("x"), true, false),
              QStringLiteral("中文"));
    EXPECT_EQ(asciiLower(QStringLiteral("AbZ丄[")), QStringLiteral("abz丄["));
}

TEST(TextMatch, ReplaceRules)
{
    struct Case
    {
        const char *text, *find, *replacement;
        bool caseSensitive, wholeWords;
        const char *result;
    } cases[] = {
        {"aaaa", "aa", "a", true, false, "aa"},    // occurrences never overlap
        {"aaa", "a", "aa", true, false, "aaaaaa"}, // the replacement is never searched
        {"xAbyaBz", "ab", "-", false, false, "x-y-z"},
        {"XaBy", "ab", "--", true, false, "XaBy"},
        {"Keep CASE between", "case", "x", false, false, "Keep x between"},
        {"abc", "abc", "done", true, true, "done"},
        {"ABC", "abc", "done", false, true, "done"},
        {"ABC", "abc", "done", true, true, "ABC"},
        {"abcd", "abc", "done", false, true, "abcd"},
        {"", "", "filled", false, true, "filled"}, // whole words fill empty texts
        {"abc", "", "x", false, false, "abc"},     // an empty pattern has no occurrences
        {"合计合计", "合计", "总", true, false, "总总"},
    };
    for (const Case &k : cases)
        EXPECT_EQ(replacedText(QString::fromUtf8(k.text), QString::fromUtf8(k.find),
                               QString::fromUtf8(k.replacement), k.caseSensitive, k.wholeWords),
                  QString::fromUtf8(k.result))
            << k.text << " / " << k.find;
}

} // namespace
