#include "grid/NumberText.h"

#include "common/DecimalDigits.h"

#include <charconv>
#include <cmath>
#include <string>

namespace cellvex {

namespace {

bool isExponentLetter(QChar c)
{
    return c == QLatin1Char('e') || c == QLatin1Char('E');
}

} // namespace

QString cleanNumberText(const QString &text)
{
    QString out;
    // At most every character is kept: one allocation, not one per few digits.
    out.reserve(text.size());
    bool pointKept = false;
    bool exponentKept = false;
    for (QChar c : text) {
        if (out.isEmpty()) {
            if (isSignCharacter(c) || isDecimalDigit(c) || c == QLatin1Char('.')) {
                out.append(c);
                pointKept = c == QLatin1Char('.');
            }
            continue;
        }
        if (isDecimalDigit(c)) {
            out.append(c);
        } else if (c == QLatin1Char('.')) {
            if (!pointKept && !exponentKept) {
                out.append(c);
                pointKept = true;
            }
        } else if (isExponentLetter(c)) {
            const bool onlySign = out.size() == 1 && isSignCharacter(out.at(0));
            if (!exponentKept && !onlySign) {
                out.append(c);
                exponentKept = true;
            }
        } else if (isSignCharacter(c)) {
            if (isExponentLetter(out.back()))
                out.append(c);
        }
    }
    return out;
}

NumberParse parseNumberText(const QString &text, double &value)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    const qsizetype n = t.size();
    bool negative = false;
    if (i < n && isSignCharacter(t.at(i)))
        negative = t.at(i++) == QLatin1Char('-');
    const qsizetype mantissaStart = i;
    qsizetype digitCount = 0;
    // Place of the first significant digit relative to the decimal point,
    // to tell an overflow from an underflow when the double range is left.
    qsizetype integerDigits = 0;
    qsizetype leadingFractionZeros = 0;
    bool seenPoint = false;
    bool seenNonZero = false;
    for (; i < n; ++i) {
        const QChar c = t.at(i);
        if (isDecimalDigit(c)) {
            ++digitCount;
            if (c != QLatin1Char('0'))
                seenNonZero = true;
            if (!seenPoint && seenNonZero)
                ++integerDigits;
            else if (seenPoint && !seenNonZero)
                ++leadingFractionZeros;
        } else if (c == QLatin1Char('.') && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (digitCount == 0)
        return NumberParse::NotANumber;
    qint64 exponent = 0;
    if (i < n) {
        if (!isExponentLetter(t.at(i)))
            return NumberParse::NotANumber;
        ++i;
        bool expNegative = false;
        if (i < n && isSignCharacter(t.at(i)))
            expNegative = t.at(i++) == QLatin1Char('-');
        if (i >= n)
            return NumberParse::NotANumber;
        for (; i < n; ++i) {
            if (!isDecimalDigit(t.at(i)))
                return NumberParse::NotANumber;
            // Saturate: a huge exponent only has to stay huge.
            if (exponent < 1000000000)
                exponent = exponent * 10 + (t.at(i).unicode() - '0');
        }
        if (expNegative)
            exponent = -exponent;
    }
    if (!seenNonZero) {
        value = negative ? -0.0 : 0.0;
        return NumberParse::Ok;
    }
    // Everything from the mantissa on was checked above to be ASCII digits,
    // a point, an exponent letter and a sign: each character narrows to one
    // byte, without the round trip through a UTF-8 converter.
    std::string ascii(size_t(n - mantissaStart), '\0');
    for (qsizetype k = mantissaStart; k < n; ++k)
        ascii[size_t(k - mantissaStart)] = char(t.at(k).unicode());
    double v = 0;
    const auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        const qint64 magnitude =
            (integerDigits > 0 ? qint64(integerDigits) : -qint64(leadingFractionZeros)) + exponent;
        if (magnitude > 0)
            return NumberParse::OutOfRange;
        v = 0.0;
    } else if (res.ec != std::errc() || !std::isfinite(v)) {
        return NumberParse::OutOfRange;
    }
    value = negative ? -v : v;
    return NumberParse::Ok;
}

void splitExponent(const QString &text, QString &mantissa, QString &exponent)
{
    qsizetype at = -1;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (isExponentLetter(text.at(i))) {
            at = i;
            break;
        }
    if (at < 0) {
        mantissa = text;
        exponent.clear();
    } else {
        mantissa = text.left(at);
        exponent = text.mid(at);
    }
}

} // namespace cellvex
