#include "grid/WholeNumberText.h"

#include "common/DecimalDigits.h"

namespace cellvex {

QString keepWholeNumberChars(const QString &text, WholeNumberKeep rule, bool &pointKept)
{
    QString out;
    pointKept = false;
    for (QChar c : text) {
        if (isDecimalDigit(c)) {
            out.append(c);
        } else if (c == QLatin1Char('.')) {
            if (!pointKept && (!out.isEmpty() || rule.pointMayLead)) {
                out.append(c);
                pointKept = true;
            }
        } else if (out.isEmpty() && (c == QLatin1Char('+') || (rule.allowMinus && c == QLatin1Char('-')))) {
            out.append(c);
        }
    }
    return out;
}

QString roundedWholeNumber(const QString &kept)
{
    QStringView s(kept);
    bool negative = false;
    if (!s.isEmpty() && (s.front() == QLatin1Char('+') || s.front() == QLatin1Char('-'))) {
        negative = s.front() == QLatin1Char('-');
        s = s.mid(1);
    }
    const qsizetype point = s.indexOf(QLatin1Char('.'));
    QStringView whole = point < 0 ? s : s.left(point);
    const QStringView fraction = point < 0 ? QStringView() : s.mid(point + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return QString();
    while (!whole.isEmpty() && whole.front() == QLatin1Char('0'))
        whole = whole.mid(1);
    QString digits = whole.toString();
    if (!fraction.isEmpty() && fraction.front() >= QLatin1Char('5'))
        incrementDigits(digits);
    if (digits.isEmpty())
        return QStringLiteral("0");
    return negative ? QLatin1Char('-') + digits : digits;
}

} // namespace cellvex
