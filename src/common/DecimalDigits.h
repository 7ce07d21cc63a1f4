#pragma once

#include <QString>

namespace cellvex {

// Only ASCII digits and signs: full-width ones are other characters to the
// number rules.
inline bool isDecimalDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
inline bool isSignCharacter(QChar c)
{
    return c == QLatin1Char('+') || c == QLatin1Char('-');
}

// Adds one to a string of decimal digits ("99" becomes "100", "" becomes
// "1"); true when the carry opened a new leading digit.
bool incrementDigits(QString &digits);

// A non-negative decimal number held as its significant digits and the place
// of the decimal point: value = 0.<digits> x 10^pointPos, so 1234.5 is "12345"
// with pointPos 4 and 0.0012 is "12" with pointPos -2. Zero has no digits.
// Number formatting rounds on these digits rather than on the binary double,
// so that 1.005 shown with two decimals gives 1.01 as the user reads it.
class DecimalDigits
{
public:
    DecimalDigits() = default;

    // The finite double's magnitude, rounded to `significant` digits (1..17).
    static DecimalDigits fromDouble(double x, int significant = 15);

    bool isZero() const { return m_digits.isEmpty(); }
    const QString &digits() const { return m_digits; }
    int pointPos() const { return m_pointPos; }

    // Rounds half away from zero so that at most `decimals` digits follow the
    // decimal point (a negative count rounds to tens, hundreds, ...).
    void roundToDecimals(int decimals);
    // Rounds half away from zero to at most `count` significant digits.
    void roundToSignificant(int count);
    // Moves the decimal point: value x 10^shift.
    void scaleByPowerOfTen(int shift) { m_pointPos += shift; }

    // The digits before the decimal point without leading zeros ("" for a
    // value below 1), and the first `count` digits after it, zero padded.
    QString integerDigits() const;
    QString fractionDigits(int count) const;

private:
    // Keeps the first `keep` digits and rounds on the next one.
    void roundAtDigit(qsizetype keep);
    void trimTrailingZeros();

    QString m_digits;
    int m_pointPos = 0;
};

} // namespace cellvex
