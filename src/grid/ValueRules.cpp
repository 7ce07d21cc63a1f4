#include "grid/ValueRules.h"

#include "common/AnsiText.h"
#include "common/ReportError.h"
#include "grid/CalendarDate.h"
#include "grid/DatePattern.h"
#include "grid/FormatCodes.h"
#include "grid/NumberFormats.h"
#include "grid/NumberText.h"
#include "grid/WholeNumberText.h"

namespace cellvex {

namespace {

QString withAsciiCase(QString text, const QString &formatText)
{
    const bool lower = formatText == QLatin1String("1");
    const bool upper = formatText == QLatin1String("2");
    if (!lower && !upper)
        return text;
    // Only A-Z and a-z change; other scripts keep their letters as typed.
    for (QChar &c : text) {
        const char16_t u = c.unicode();
        if (lower && u >= 'A' && u <= 'Z')
            c = QChar(u + ('a' - 'A'));
        else if (upper && u >= 'a' && u <= 'z')
            c = QChar(u - ('a' - 'A'));
    }
    return text;
}

std::optional<QString> wholeNumberCaption(const QString &text, bool allowMinus, int textLength)
{
    bool pointKept = false;
    QString kept = keepWholeNumberChars(text, {allowMinus, true}, pointKept);
    if (kept.isEmpty() || kept == QLatin1String("+") || (allowMinus && kept == QLatin1String("-")))
        return QString();
    if (pointKept) {
        // "." or "+." hold no digit: nothing to round, the same as a lone sign.
        kept = roundedWholeNumber(kept);
        if (kept.isEmpty())
            return QString();
    }
    if (kept.startsWith(QLatin1Char('+')))
        kept.remove(0, 1);
    if (textLength > 0)
        kept.truncate(textLength);
    return kept;
}

QString quoted(const QString &text)
{
    constexpr qsizetype kShown = 40;
    return text.size() <= kShown ? text : text.left(kShown) + QStringLiteral("…");
}

} // namespace

std::optional<QString> textCellCaption(int formatType, const QString &formatText, int textLength,
                                       const QString &text)
{
    switch (formatType) {
    case FormatCode::Text: {
        const QString cased = withAsciiCase(text, formatText);
        // The limit counts code-page bytes; a two-byte character that would be
        // split at the limit is left out whole.
        return textLength > 0 ? cutToAnsiBytes(cased, textLength) : cased;
    }
    case FormatCode::NaturalNumber:
        return wholeNumberCaption(text, false, textLength);
    case FormatCode::Integer:
        return wholeNumberCaption(text, true, textLength);
    case FormatCode::Real: {
        const QString clean = cleanNumberText(text);
        if (clean.isEmpty() || clean == QLatin1String("+") || clean == QLatin1String("-"))
            return QString();
        // What is no number (or none a double can hold) clears the cell
        // rather than failing the assignment.
        double value = 0;
        if (parseNumberText(clean, value) != NumberParse::Ok)
            return QString();
        return formatPatternNumber(value, formatText);
    }
    case FormatCode::Significant: {
        const QString clean = cleanNumberText(text);
        if (clean.isEmpty())
            return QString();
        return formatSignificant(clean, formatText);
    }
    default:
        return std::nullopt;
    }
}

std::optional<QString> dateCellCaption(int formatType, const QString &formatText, const QString &caption,
                                       const QString &text, const SystemDateFormat &system)
{
    if (text.isEmpty())
        return QString();
    const std::optional<CalendarDate> date = readDate(text);
    if (!date)
        return std::nullopt;
    if (formatType == FormatCode::Date)
        return formatDatePattern(*date, formatText, system);
    if (caption.isEmpty())
        return text;
    const std::optional<CalendarDate> current = readDate(caption.trimmed());
    if (!current)
        throw ReportError(QStringLiteral("“%1”不是有效的日期").arg(quoted(caption)));
    if (*current == *date)
        return std::nullopt;
    return text;
}

bool dropListHasItem(const QString &dropText, const QString &text)
{
    if (dropText.isEmpty())
        return false;
    qsizetype start = 0;
    const qsizetype n = dropText.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && dropText.at(end) != QLatin1Char('\r') && dropText.at(end) != QLatin1Char('\n'))
            ++end;
        if (QStringView(dropText).mid(start, end - start) == text)
            return true;
        if (end < n && dropText.at(end) == QLatin1Char('\r') && end + 1 < n &&
            dropText.at(end + 1) == QLatin1Char('\n'))
            ++end;
        start = end + 1;
    }
    return false;
}

} // namespace cellvex
