#include "grid/EditorTextRules.h"

#include "common/DecimalDigits.h"
#include "grid/FormatCodes.h"
#include "grid/NumberFormats.h"
#include "grid/NumberText.h"
#include "grid/WholeNumberText.h"

namespace cellvex {

namespace {

bool hasSelection(const EditorState &e)
{
    return e.selLength > 0;
}

// A leading sign may be typed into an empty editor, or at position 0 when it
// replaces a selection or the text has no such sign yet.
bool leadingSignAllowed(const EditorState &e, bool (*isLeading)(QChar))
{
    if (e.text.isEmpty())
        return true;
    return e.selStart == 0 && (hasSelection(e) || !isLeading(e.text.front()));
}

bool isPlus(QChar c)
{
    return c == QLatin1Char('+');
}

bool pointAllowed(const EditorState &e)
{
    // Only one ".": allowed when every "." of the text is about to be replaced.
    const qsizetype selEnd = e.selStart + e.selLength;
    for (qsizetype i = 0; i < e.text.size(); ++i)
        if (e.text.at(i) == QLatin1Char('.') && (i < e.selStart || i >= selEnd))
            return false;
    return true;
}

bool exponentSignAllowed(const EditorState &e)
{
    if (e.selStart <= 0 || e.selStart > e.text.size())
        return false;
    const QChar before = e.text.at(e.selStart - 1);
    if (before != QLatin1Char('e') && before != QLatin1Char('E'))
        return false;
    return hasSelection(e) || e.selStart >= e.text.size() || !isSignCharacter(e.text.at(e.selStart));
}

QString cleanWhole(const QString &text, bool allowMinus)
{
    bool pointKept = false;
    const QString kept = keepWholeNumberChars(text, {allowMinus, false}, pointKept);
    return pointKept ? roundedWholeNumber(kept) : kept;
}

} // namespace

bool acceptTypedChar(int formatType, QChar ch, const EditorState &editor, bool ctrlDown)
{
    if (ch == kEnter)
        return false;
    if (ctrlDown)
        return true;
    switch (formatType) {
    case FormatCode::NaturalNumber:
        if (ch == kBackspace || isDecimalDigit(ch))
            return true;
        return isPlus(ch) && leadingSignAllowed(editor, isPlus);
    case FormatCode::Integer:
        if (ch == kBackspace || isDecimalDigit(ch))
            return true;
        return isSignCharacter(ch) && leadingSignAllowed(editor, isSignCharacter);
    case FormatCode::Real:
    case FormatCode::Significant:
        if (ch == kBackspace || isDecimalDigit(ch))
            return true;
        if (ch == QLatin1Char('.'))
            return pointAllowed(editor);
        return isSignCharacter(ch) &&
               (leadingSignAllowed(editor, isSignCharacter) || exponentSignAllowed(editor));
    default:
        return true;
    }
}

QString cleanEditorText(int formatType, const QString &text)
{
    switch (formatType) {
    case FormatCode::NaturalNumber:
        return cleanWhole(text, false);
    case FormatCode::Integer:
        return cleanWhole(text, true);
    case FormatCode::Real:
    case FormatCode::Significant:
        return cleanNumberText(text);
    default:
        return text;
    }
}

std::optional<QString> captionFromEditorText(int formatType, const QString &formatText, const QString &text)
{
    const bool loneSign = text == QLatin1String("+") || text == QLatin1String("-");
    switch (formatType) {
    case FormatCode::Text:
    case FormatCode::Date:
        // The editor already applied letter case and length.
        return text;
    case FormatCode::NaturalNumber:
    case FormatCode::Integer:
        if (text.isEmpty() || text == QLatin1String("+") ||
            (formatType == FormatCode::Integer && text == QLatin1String("-")))
            return QString();
        return text.startsWith(QLatin1Char('+')) ? text.mid(1) : text;
    case FormatCode::Real:
        if (text.isEmpty() || loneSign)
            return QString();
        if (double value = 0; parseNumberText(text, value) != NumberParse::Ok)
            return QString(); // no number: the cell is cleared
        return formatPatternNumber(text, formatText);
    case FormatCode::Significant:
        if (text.isEmpty() || loneSign)
            return QString();
        return formatSignificant(text, formatText);
    default:
        return std::nullopt;
    }
}

} // namespace cellvex
