#include "grid/EditorTextRules.h"
#include "grid/FormatCodes.h"
#include "report/Report.h"

#include <gtest/gtest.h>

using namespace cellvex;

namespace {

// Types the characters one by one at the caret, as the editor does when the
// filter lets them through; returns the resulting text.
QString typeInto(int formatType, const QString &keys, QString text = QString())
{
    for (QChar ch : keys) {
        const EditorState state{text, text.size(), 0};
        if (acceptTypedChar(formatType, ch, state, false))
            text = cleanEditorText(formatType, text + ch);
    }
    return text;
}

} // namespace

TEST(EditorFilter, TypingSequences)
{
    EXPECT_EQ(typeInto(FormatCode::Integer, QStringLiteral("-12-")), QLatin1String("-12"));
    EXPECT_EQ(typeInto(FormatCode::NaturalNumber, QStringLiteral("-5")), QLatin1String("5"));
    EXPECT_EQ(typeInto(FormatCode::NaturalNumber, QStringLiteral("+1+2")), QLatin1String("+12"));
    EXPECT_EQ(typeInto(FormatCode::Real, QStringLiteral("1.5.2")), QLatin1String("1.52"));
    EXPECT_EQ(typeInto(FormatCode::Real, QStringLiteral("1e5")),
              QLatin1String("15")); // no exponent by typing
    EXPECT_EQ(typeInto(FormatCode::Text, QStringLiteral("a-.e")), QLatin1String("a-.e"));
}

TEST(EditorFilter, SignsAndPointByCaretAndSelection)
{
    const struct
    {
        int format;
        char ch;
        const char *text;
        int selStart, selLength;
        bool accepted;
    } cases[] = {
        {FormatCode::NaturalNumber, '+', "", 0, 0, true},
        {FormatCode::NaturalNumber, '+', "5", 0, 0, true},
        {FormatCode::NaturalNumber, '+', "+5", 0, 0, false},
        {FormatCode::NaturalNumber, '+', "+5", 0, 1, true},
        {FormatCode::NaturalNumber, '+', "5", 1, 0, false},
        {FormatCode::NaturalNumber, '-', "", 0, 0, false},
        {FormatCode::NaturalNumber, '.', "", 0, 0, false},
        {FormatCode::NaturalNumber, 'a', "", 0, 0, false},
        {FormatCode::NaturalNumber, '\b', "5", 1, 0, true},
        {FormatCode::Integer, '-', "", 0, 0, true},
        {FormatCode::Integer, '-', "12", 0, 0, true},
        {FormatCode::Integer, '+', "-12", 0, 0, false},
        {FormatCode::Integer, '+', "-12", 0, 3, true},
        {FormatCode::Integer, '-', "-12", 3, 0, false},
        {FormatCode::Integer, '.', "12", 2, 0, false},
        {FormatCode::Real, '.', "12", 2, 0, true},
        {FormatCode::Real, '.', "1.2", 3, 0, false},
        {FormatCode::Real, '.', "1.2", 1, 1, true}, // the selection holds the "."
        {FormatCode::Real, '.', "1.2", 0, 1, false},
        {FormatCode::Real, '-', "2e", 2, 0, true},    // right after the exponent letter
        {FormatCode::Real, '-', "2E+3", 2, 0, false}, // a sign follows already
        {FormatCode::Real, '-', "2E+3", 2, 1, true},
        {FormatCode::Real, '-', "2e3", 3, 0, false},
        {FormatCode::Real, '+', "", 0, 0, true},
        {FormatCode::Real, 'e', "2", 1, 0, false},
        {FormatCode::Significant, '.', "1.2", 3, 0, false},
        {FormatCode::Significant, '-', "5", 0, 0, true},
        {FormatCode::Date, 'x', "", 0, 0, true},
        {4, 'x', "", 0, 0, true},
    };
    for (const auto &c : cases) {
        const EditorState state{QLatin1String(c.text), c.selStart, c.selLength};
        EXPECT_EQ(acceptTypedChar(c.format, QLatin1Char(c.ch), state, false), c.accepted)
            << "format " << c.format << " '" << c.ch << "' into \"" << c.text << "\" at " << c.selStart;
    }
}

TEST(EditorFilter, EnterNeverAndControlAlways)
{
    const EditorState empty;
    for (int format : {0, 1, 2, 3, 6, 11}) {
        EXPECT_FALSE(acceptTypedChar(format, kEnter, empty, false));
        EXPECT_FALSE(acceptTypedChar(format, kEnter, empty, true));
    }
    EXPECT_TRUE(acceptTypedChar(FormatCode::NaturalNumber, QChar(22), empty, true)); // Ctrl+V
    EXPECT_TRUE(acceptTypedChar(FormatCode::NaturalNumber, QLatin1Char('-'), empty, true));
}

TEST(EditorCleaning, PastedText)
{
    const struct
    {
        int format;
        const char *text;
        const char *cleaned;
    } cases[] = {
        {FormatCode::Integer, "12.6", "13"},
        {FormatCode::Integer, "-0.5", "-1"},
        {FormatCode::Integer, "-0.4", "0"},
        {FormatCode::Integer, "x-12", "-12"},
        {FormatCode::Integer, "-", "-"},
        {FormatCode::NaturalNumber, "-5", "5"},
        {FormatCode::NaturalNumber, "+5", "+5"},
        {FormatCode::NaturalNumber, ".5", "5"}, // "." cannot lead here
        {FormatCode::NaturalNumber, "+.", ""},
        {FormatCode::NaturalNumber, "1,234", "1234"},
        {FormatCode::Real, "2e3", "2e3"},
        {FormatCode::Real, "1,234.5", "1234.5"},
        {FormatCode::Significant, " -12.5kg", "-12.5"},
        {FormatCode::Text, " -12.5kg", " -12.5kg"},
        {FormatCode::Date, "2004/3/5", "2004/3/5"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(cleanEditorText(c.format, QLatin1String(c.text)), QLatin1String(c.cleaned))
            << c.format << " " << c.text;
}

TEST(EditorCommit, CaptionFromEditorText)
{
    const struct
    {
        int format;
        const char *formatText;
        const char *text;
        const char *caption; // nullptr: the text is dropped
    } cases[] = {
        {FormatCode::Text, "2", "abc", "abc"}, // the editor applied the case already
        {FormatCode::Date, "", "x", "x"},
        {FormatCode::NaturalNumber, "", "+", ""},
        {FormatCode::NaturalNumber, "", "+007", "007"},
        {FormatCode::Integer, "", "-", ""},
        {FormatCode::Integer, "", "+5", "5"},
        {FormatCode::Integer, "", "-5", "-5"},
        {FormatCode::Real, "0.00", "1.5", "1.50"},
        {FormatCode::Real, "0.00", "2e3", "2000.00"},
        {FormatCode::Real, "0.00", "1e20", "1.00E20"},
        {FormatCode::Real, "0.00", "-", ""},
        {FormatCode::Significant, "3", "3.14159", "3.14"},
        {FormatCode::Significant, "3", "+", ""},
        {4, "", "abc", nullptr},
    };
    for (const auto &c : cases) {
        const auto caption =
            captionFromEditorText(c.format, QLatin1String(c.formatText), QLatin1String(c.text));
        if (!c.caption) {
            EXPECT_FALSE(caption.has_value()) << c.text;
        } else {
            ASSERT_TRUE(caption.has_value()) << c.text;
            EXPECT_EQ(*caption, QLatin1String(c.caption)) << c.format << " " << c.text;
        }
    }
    // No number: the cell is cleared, as with formats 1, 2 and 11.
    EXPECT_EQ(captionFromEditorText(FormatCode::Real, QStringLiteral("0.00"), QStringLiteral("1e")),
              QString());
}

TEST(EditorCleaning, CleanTextIsStable)
{
    // The editor writes the cleaned text back, which cleans it again: a
    // second pass must change nothing or the text would keep moving.
    const QString alphabet = QStringLiteral("0123456789+-.eE ,a中");
    quint32 seed = 12345;
    auto next = [&seed]() {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    for (int round = 0; round < 3000; ++round) {
        QString text;
        const int len = int(next() % 12);
        for (int i = 0; i < len; ++i)
            text.append(alphabet.at(next() % alphabet.size()));
        for (int format : {FormatCode::NaturalNumber, FormatCode::Integer, FormatCode::Real}) {
            const QString once = cleanEditorText(format, text);
            EXPECT_EQ(cleanEditorText(format, once), once) << format << " " << qPrintable(text);
        }
    }
}
