#pragma once

#include <QByteArray>
#include <QString>

namespace cellvex {

// The report counts text in bytes of the ANSI code page (GBK): an ASCII
// character is one byte, any other character GBK holds is two, and a
// character GBK cannot hold becomes the single byte "?". Internal text is
// QString; these helpers answer every question asked in bytes.

// Number of UTF-16 units of the character starting at index i (1 or 2).
int charUnitsAt(const QString &text, qsizetype i);

// Bytes of the character starting at index i.
int ansiCharBytes(const QString &text, qsizetype i);

// Byte length of the whole text.
qsizetype ansiByteLength(const QString &text);

// Longest prefix whose byte length is at most maxBytes, never splitting a
// character (a two-byte character that would straddle the limit is dropped).
QString cutToAnsiBytes(const QString &text, qsizetype maxBytes);

QByteArray toAnsi(const QString &text);
QString fromAnsi(const QByteArray &bytes);

// True when GBK has a code for the (BMP or supplementary) code point.
bool ansiCanEncode(char32_t codePoint);

} // namespace cellvex
