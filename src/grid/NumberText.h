#pragma once

#include "common/PlainNumbers.h"

#include <QString>

namespace cellvex {

// Plain number texts as cells hold them: "." decimal point, "E" exponent.

// The number filter of the real-number formats: keeps, left to right, a
// leading sign, ".", digit; then the digits, the first "." before any exponent
// letter, one exponent letter (not right after a lone sign) and a sign
// directly after it. Everything else is dropped: "  -12.5kg" gives "-12.5".
QString cleanNumberText(const QString &text);

enum class NumberParse { Ok, NotANumber, OutOfRange };

// Reads a decimal number: blanks around it, an optional sign, digits with at
// most one ".", at least one digit, an optional exponent "E"/"e" with an
// optional sign and at least one digit ("1." and ".5" are numbers, "." and
// "1e" are not). A magnitude beyond the double range is OutOfRange; one below
// the smallest double reads as 0.
NumberParse parseNumberText(const QString &text, double &value);

// Splits a number text at its first "e"/"E" into the mantissa and the
// exponent part (the letter and everything after it; empty when none).
void splitExponent(const QString &text, QString &mantissa, QString &exponent);

} // namespace cellvex
