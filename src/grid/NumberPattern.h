#pragma once

#include <QString>

namespace cellvex {

// Number patterns of the real-number format and of every other place that
// shows a number by a pattern:
//   0   digit placeholder, shows a digit or 0
//   #   digit placeholder, shows a digit or nothing
//   .   the first one places the decimal point; the placeholders after it give
//       the decimals (rounded half away from zero); without it the value is
//       rounded to a whole number
//   ,   anywhere: thousands separators between groups of three integer digits
//   E+ E- e+ e-  scientific notation; up to four 0 after it give the minimum
//       exponent digits; "+" always writes the exponent's sign, "-" only a minus
//   '..' ".."  copied as they are
//   ;   separates the positive, negative and zero sections; an empty or
//       missing negative section means the positive one with a minus sign
// Any other character is copied. An empty pattern gives generalNumberText.
QString formatNumberPattern(double value, const QString &pattern);

// True when a section of the pattern asks for scientific notation.
bool isScientificPattern(const QString &pattern);

} // namespace cellvex
