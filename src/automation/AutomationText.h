#pragma once

#include "automation/HResult.h"

#include <QString>

namespace cellvex::automation {

// Text <-> number rules of late-bound callers, independent of the user's
// locale: a host script that passes "3.5" means three and a half everywhere.

// Reads a decimal number with optional sign, fraction and exponent, ignoring
// surrounding white space; "&H" and "&O" introduce hexadecimal and octal
// integers of up to 32 bits ("&HFFFFFFFF" is -1). Empty, non-numeric and
// non-finite texts give DISP_E_TYPEMISMATCH.
HResult parseAutomationNumber(const QString &text, double &out);

// "True"/"False" in any letter case, or any number (non-zero is true).
HResult parseAutomationBool(const QString &text, bool &out);

// Fifteen significant digits, no trailing zeros, an exponent only for very
// large or small magnitudes: 3.5, 0.1, 1E+20, 1E-05.
QString formatAutomationDouble(double value);

} // namespace cellvex::automation
