#pragma once

#include <QString>

namespace cellvex {

// The two number texts every area reads and writes: the digits-only test of
// counts and style tokens, and the general number format of computed values.

// True when the text is not empty and holds only the digits 0-9.
bool isDigitsText(const QString &text);

// The shortest text of x with at most 15 significant digits: fixed notation
// for up to 15 integer digits and magnitudes from 0.0001 on, otherwise
// scientific ("1E20", "1.5E-7", "5E-5"). Zero is "0"; NaN and infinities are
// "NAN", "INF" and "-INF".
QString generalNumberText(double x);

} // namespace cellvex
