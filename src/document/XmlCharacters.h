#pragma once

#include <QString>
#include <QStringView>

namespace cellvex {

// Index of the first character an XML 1.0 document cannot carry, not even
// as a character reference (NUL and the other control characters except tab,
// CR and LF, U+FFFE, U+FFFF, unpaired surrogates); -1 when there is none.
qsizetype firstNonXmlChar(QStringView text);

[[noreturn]] void throwNonXmlChar(const QString &what, QChar c);

// Throws ReportError naming `what` when the text holds such a character: a
// document that stored it could not be read back. `what` is only called to
// word the message.
template <typename What> void requireXmlText(QStringView text, What &&what)
{
    const qsizetype bad = firstNonXmlChar(text);
    if (bad >= 0)
        throwNonXmlChar(what(), text[bad]);
}

// Whether the name is a well-formed encoding name of an XML declaration
// (a letter, then letters, digits, ".", "_" or "-").
bool isXmlEncodingName(QStringView name);

} // namespace cellvex
