#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

namespace cellvex {

// Document texts are stored in the ANSI code page (GBK). A character GBK
// cannot hold is written as a numeric character reference ("&#128512;"), so
// that it comes back from the parser unchanged instead of turning into "?".
// That is valid wherever such a character can stand: markup names are
// ASCII, so it is always inside an attribute value or element text.
QByteArray documentTextToAnsi(QStringView text);
// The same for UTF-8 text, as the XML library writes it.
QByteArray utf8DocumentToAnsi(QByteArrayView utf8);

// The UTF-8 text of GBK document bytes, for the parser. Throws ReportError
// when the bytes are not valid GBK (a damaged or foreign text).
QByteArray ansiDocumentToUtf8(QByteArrayView bytes);

} // namespace cellvex
