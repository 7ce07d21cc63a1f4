#pragma once

#include <QString>

namespace cellvex {

// The whole-number formats (natural number, integer) keep a first sign or
// digit, then every digit and the first "."; a kept "." means the text is
// read as a number and rounded to a whole one.
struct WholeNumberKeep
{
    bool allowMinus = false;   // "-" as the first character (integer format)
    bool pointMayLead = false; // "." as the first character
};

// The kept characters; pointKept tells whether a "." is among them.
QString keepWholeNumberChars(const QString &text, WholeNumberKeep rule, bool &pointKept);

// The kept text as a whole number rounded half away from zero ("12.7" gives
// "13", "-0.5" gives "-1", "-0.4" gives "0"), without a "+" or leading zeros;
// "" when it holds no digit. Works on the digits, so any length is exact.
QString roundedWholeNumber(const QString &kept);

} // namespace cellvex
