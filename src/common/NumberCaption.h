#pragma once

#include <QStringView>

namespace cellvex {

// What an aggregate makes of a cell's caption.
enum class CaptionNumber {
    NotNumeric, // skipped: does not count
    Number,     // contributes its value
    Unreadable, // looks numeric ("." or "1e") but is no number: the aggregate fails
};

// Classifies a caption by the numeric text test and, when it passes, reads
// it as a real number into `value` ("." decimal point, "e"/"E" exponent, a
// leading "+" allowed). A number beyond the double range does not pass the
// test, so it is skipped like text instead of turning a sum into infinity;
// one below the smallest double reads as 0.
CaptionNumber readCaptionNumber(QStringView text, double &value);

// The numeric text test: a sign, point or digit first (a sign neither alone
// nor followed by the exponent letter), then digits, at most one point and
// that before the exponent, at most one exponent letter, and a sign only
// directly after it. "." and "1e" pass although they are no numbers.
bool isNumberText(QStringView text);

} // namespace cellvex
