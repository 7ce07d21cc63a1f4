#pragma once

#include <QString>
#include <QStringView>

namespace cellvex {

// Blanks as formula and script texts trim them: the space and every control
// character, so that line breaks and tabs around a coordinate or a formula
// vanish as well.
inline bool isBlankChar(QChar c)
{
    return c.unicode() <= u' ';
}

inline QStringView trimBlanks(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlankChar(text[first]))
        ++first;
    while (last > first && isBlankChar(text[last - 1]))
        --last;
    return text.sliced(first, last - first);
}

// First position at or after `from` that is not a blank; the size when none.
inline qsizetype skipBlanks(QStringView text, qsizetype from)
{
    while (from < text.size() && isBlankChar(text[from]))
        ++from;
    return from;
}

// Formulas are matched without regard to case by lowering only A-Z: any
// other letter is an invalid character to the evaluator and its message
// must show it as the user wrote it.
inline QString toAsciiLower(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        dst[i] = QChar(c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c);
    }
    return out;
}

} // namespace cellvex
