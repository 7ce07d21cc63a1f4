#include "common/PlainNumbers.h"

#include "common/DecimalDigits.h"

#include <cmath>

namespace cellvex {

bool isDigitsText(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (!isDecimalDigit(c))
            return false;
    return true;
}

QString generalNumberText(double x)
{
    if (std::isnan(x))
        return QStringLiteral("NAN");
    if (std::isinf(x))
        return x < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    const DecimalDigits d = DecimalDigits::fromDouble(x, 15);
    if (d.isZero())
        return QStringLiteral("0");
    QString out;
    if (x < 0)
        out.append(QLatin1Char('-'));
    const QString &digits = d.digits();
    const int pos = d.pointPos();
    // pos > 15: more than 15 integer digits; pos < -3: below 0.0001.
    if (pos > 15 || pos < -3) {
        out.append(digits.at(0));
        if (digits.size() > 1) {
            out.append(QLatin1Char('.'));
            out.append(QStringView(digits).mid(1));
        }
        out.append(QLatin1Char('E'));
        out.append(QString::number(pos - 1));
        return out;
    }
    if (pos <= 0) {
        out.append(QLatin1String("0."));
        out.append(QString(-pos, QLatin1Char('0')));
        out.append(digits);
        return out;
    }
    out.append(d.integerDigits());
    if (digits.size() > pos) {
        out.append(QLatin1Char('.'));
        out.append(QStringView(digits).mid(pos));
    }
    return out;
}

} // namespace cellvex
