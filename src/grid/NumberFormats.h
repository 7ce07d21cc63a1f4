#pragma once

#include <QString>

namespace cellvex {

// The value texts of the real-number formats.

// Real number with a pattern: the general text of the number's value with its
// mantissa shaped by the pattern and its exponent kept (1234.5 by "0.00" is
// 1234.50, 1E20 is 1.00E20); a scientific pattern shapes the whole value.
// Throws ReportError when the text is not a number or leaves the double range.
QString formatPatternNumber(const QString &text, const QString &pattern);
// The same for a value already read from its text (the assignment path has
// parsed it once to check it and need not parse it again).
QString formatPatternNumber(double value, const QString &pattern);

// Real number rounded to N significant digits, N being formatText with blanks
// trimmed. Never fails: a count that is not digits gives formatText itself, a
// text that is not a number (or below 1E-16 in magnitude) gives "".
QString formatSignificant(const QString &text, const QString &formatText);

// The largest significant-digit count that is carried out; a larger one is
// treated as no count at all, since its result would only be a wall of zeros
// of the requested (possibly gigabyte) length.
constexpr int kMaxSignificantDigits = 1000;

} // namespace cellvex
