#include "TextMatch.h"

namespace cellvex {

QString asciiLower(const QString &text)
{
    QString out = text;
    for (QChar &ch : out)
        if (ch >= QLatin1Char('A') && ch <= QLatin1Char('Z'))
            ch = QChar(ch.unicode() + ('a' - 'A'));
    return out;
}

bool textMatches(const QString &text, const QString &pattern, bool caseSensitive, bool wholeWords)
{
    const QString t = caseSensitive ? text : asciiLower(text);
    const QString p = caseSensitive ? pattern : asciiLower(pattern);
    if (wholeWords)
        return t == p;
    return !p.isEmpty() && t.contains(p, Qt::CaseSensitive);
}

QString replacedText(const QString &text, const QString &pattern, const QString &replacement,
                     bool caseSensitive, bool wholeWords)
{
    if (wholeWords)
        return textMatches(text, pattern, caseSensitive, true) ? replacement : text;
    if (pattern.isEmpty())
        return text;
    const QString t = caseSensitive ? text : asciiLower(text);
    const QString p = caseSensitive ? pattern : asciiLower(pattern);
    QString out;
    qsizetype from = 0;
    for (qsizetype at = t.indexOf(p, from, Qt::CaseSensitive); at >= 0;
         at = t.indexOf(p, from, Qt::CaseSensitive)) {
        out += QStringView(text).mid(from, at - from);
        out += replacement;
        from = at + p.size();
    }
    if (from == 0)
        return text;
    out += QStringView(text).mid(from);
    return out;
}

} // namespace cellvex
