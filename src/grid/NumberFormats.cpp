#include "grid/NumberFormats.h"

#include "common/DecimalDigits.h"
#include "common/ReportError.h"
#include "grid/NumberPattern.h"
#include "grid/NumberText.h"

#include <cmath>

namespace cellvex {

namespace {

// Error texts quote the value; a pasted novel is shortened.
QString quoted(const QString &text)
{
    constexpr qsizetype kShown = 40;
    return text.size() <= kShown ? text : text.left(kShown) + QStringLiteral("…");
}

double numberValue(const QString &text)
{
    double v = 0;
    switch (parseNumberText(text, v)) {
    case NumberParse::Ok:
        return v;
    case NumberParse::OutOfRange:
        throw ReportError(QStringLiteral("数值“%1”超出范围").arg(quoted(text)));
    case NumberParse::NotANumber:
        break;
    }
    throw ReportError(QStringLiteral("“%1”不是有效的数字").arg(quoted(text)));
}

// Reads a digit count; -1 when it exceeds kMaxSignificantDigits.
int digitCount(const QString &digits)
{
    qint64 n = 0;
    for (QChar c : digits) {
        n = n * 10 + (c.unicode() - '0');
        if (n > kMaxSignificantDigits)
            return -1;
    }
    return int(n);
}

} // namespace

QString formatPatternNumber(const QString &text, const QString &pattern)
{
    return formatPatternNumber(numberValue(text), pattern);
}

QString formatPatternNumber(double value, const QString &pattern)
{
    // A scientific pattern writes its own exponent: shaping only the mantissa
    // of "1E20" would append a second exponent.
    if (isScientificPattern(pattern))
        return formatNumberPattern(value, pattern);
    // The general text of a value this far inside the plain range has no
    // exponent, and its 15 digits read back give the value's own 15 digits,
    // which are all the pattern looks at: the value can be shaped directly.
    const double magnitude = std::fabs(value);
    if (magnitude == 0 || (magnitude >= 1e-3 && magnitude < 1e14))
        return formatNumberPattern(value, pattern);
    QString mantissa, exponent;
    splitExponent(generalNumberText(value), mantissa, exponent);
    // Formatting the mantissa once is final: a second pass over the result
    // would misread a literal "e" of the pattern as an exponent.
    return formatNumberPattern(numberValue(mantissa), pattern) + exponent;
}

QString formatSignificant(const QString &text, const QString &formatText)
{
    const QString countText = formatText.trimmed();
    if (!isDigitsText(countText))
        return formatText;
    const int n = digitCount(countText);
    if (n < 0)
        return formatText;

    QString sign;
    QString rest = text;
    if (rest.startsWith(QLatin1Char('-'))) {
        sign = QStringLiteral("-");
        rest.remove(0, 1);
    }
    double x = 0;
    if (n == 0 || parseNumberText(rest, x) != NumberParse::Ok || x < 1e-16)
        return QString();

    QString t, e;
    splitExponent(generalNumberText(x), t, e);
    if (t.startsWith(QLatin1Char('.')))
        t.prepend(QLatin1Char('0'));

    // Positions are 1-based as in the description of the rounding: p is the
    // place of the point, z the place of the first significant digit.
    const qsizetype pointAt = t.indexOf(QLatin1Char('.'));
    const qsizetype p = pointAt < 0 ? t.size() + 1 : pointAt + 1;
    QString digits = t;
    digits.remove(QLatin1Char('.'));
    digits.append(QString(n + 2, QLatin1Char('0')));
    qsizetype z = 1;
    while (z <= digits.size() && digits.at(z - 1) == QLatin1Char('0'))
        ++z;
    digits.remove(0, z - 1);

    QString c = digits.left(n);
    int carry = 0;
    if (digits.at(n) >= QLatin1Char('5')) {
        QString up = c;
        carry = incrementDigits(up) ? 1 : 0;
        c = up.left(n);
    }
    if (z - carry - 1 > 0)
        c.prepend(QString(z - carry - 1, QLatin1Char('0')));

    const bool hasExponent = !e.isEmpty();
    const auto nextExponent = [&]() { return QLatin1Char('E') + QString::number(e.mid(1).toInt() + 1); };
    if (p + carry - z < c.size()) {
        if (!carry || !hasExponent) {
            const qsizetype at = (z < p ? p + carry : p) - 1;
            c.insert(std::clamp<qsizetype>(at, 0, c.size()), QLatin1Char('.'));
            return sign + c + e;
        }
        c.insert(std::clamp<qsizetype>(p - 1, 0, c.size()), QLatin1Char('.'));
        return sign + c + nextExponent();
    }
    if (carry && hasExponent) {
        // Rounding carried the mantissa to ten: it becomes 1 with N - 1
        // decimals and the exponent grows by one (9.99E20 gives 1.0E21).
        const QString one =
            n > 1 ? QStringLiteral("1.") + QString(n - 1, QLatin1Char('0')) : QStringLiteral("1");
        return sign + one + nextExponent();
    }
    const qsizetype width = z < p ? p + carry - 1 : p - 1;
    if (c.size() < width)
        c.append(QString(width - c.size(), QLatin1Char('0')));
    return sign + c + e;
}

} // namespace cellvex
