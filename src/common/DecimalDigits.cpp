#include "common/DecimalDigits.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace cellvex {

bool incrementDigits(QString &digits)
{
    qsizetype i = digits.size() - 1;
    while (i >= 0 && digits.at(i) == QLatin1Char('9')) {
        digits[i] = QLatin1Char('0');
        --i;
    }
    if (i >= 0) {
        digits[i] = QChar(digits.at(i).unicode() + 1);
        return false;
    }
    digits.prepend(QLatin1Char('1'));
    return true;
}

DecimalDigits DecimalDigits::fromDouble(double x, int significant)
{
    DecimalDigits d;
    x = std::fabs(x);
    if (x == 0.0 || !std::isfinite(x))
        return d;
    significant = std::clamp(significant, 1, 17);
    // to_chars is correctly rounded and, unlike printf, independent of the
    // locale and of the floating point rounding mode a host may have set.
    char buf[64];
    std::to_chars_result res{};
    // The shortest text that reads back as x is much quicker to write than a
    // fixed count of digits, and when it has at most `significant` digits it
    // is that rounding too: for a normal double up to 15 digits, the spacing
    // of such decimals is over four times the spacing of doubles, so no other
    // one lies as near to x. (Subnormals are spaced too widely for this.)
    bool shortest = false;
    if (significant <= 15 && std::isnormal(x)) {
        res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific);
        int count = 0;
        for (const char *p = buf; p < res.ptr && *p != 'e'; ++p)
            count += *p >= '0' && *p <= '9';
        shortest = count <= significant;
    }
    if (!shortest)
        res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, significant - 1);
    const char *end = res.ptr;
    const char *e = buf;
    while (e < end && *e != 'e')
        ++e;
    // "d.ddd": the digits are the first character and those after the point.
    char digits[sizeof buf];
    qsizetype count = 0;
    for (const char *p = buf; p < e; ++p)
        if (*p >= '0' && *p <= '9')
            digits[count++] = *p;
    d.m_digits = QString::fromLatin1(digits, count);
    // to_chars writes no terminator: read the exponent inside its range.
    int exponent = 0;
    std::from_chars(e + 1 < end && e[1] == '+' ? e + 2 : e + 1, end, exponent);
    d.m_pointPos = exponent + 1;
    d.trimTrailingZeros();
    return d;
}

void DecimalDigits::trimTrailingZeros()
{
    qsizetype n = m_digits.size();
    while (n > 0 && m_digits.at(n - 1) == QLatin1Char('0'))
        --n;
    m_digits.truncate(n);
    if (m_digits.isEmpty())
        m_pointPos = 0;
}

void DecimalDigits::roundAtDigit(qsizetype keep)
{
    if (keep >= m_digits.size())
        return;
    if (keep < 0) {
        m_digits.clear();
        m_pointPos = 0;
        return;
    }
    const bool up = m_digits.at(keep) >= QLatin1Char('5');
    m_digits.truncate(keep);
    // All nines (or nothing kept): the carry opens a new leading digit.
    if (up && incrementDigits(m_digits))
        ++m_pointPos;
    trimTrailingZeros();
}

void DecimalDigits::roundToDecimals(int decimals)
{
    if (isZero())
        return;
    roundAtDigit(qsizetype(m_pointPos) + decimals);
}

void DecimalDigits::roundToSignificant(int count)
{
    roundAtDigit(std::max(count, 1));
}

QString DecimalDigits::integerDigits() const
{
    if (m_pointPos <= 0 || isZero())
        return QString();
    QString s = m_digits.left(m_pointPos);
    if (s.size() < m_pointPos)
        s.append(QString(m_pointPos - s.size(), QLatin1Char('0')));
    return s;
}

QString DecimalDigits::fractionDigits(int count) const
{
    QString s;
    s.reserve(std::max(count, 0));
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype at = qsizetype(m_pointPos) + i;
        s.append(at >= 0 && at < m_digits.size() ? m_digits.at(at) : QLatin1Char('0'));
    }
    return s;
}

} // namespace cellvex
