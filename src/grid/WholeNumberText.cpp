#include "grid/WholeNumberText.h"

namespace cellvex {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

QString keepWholeNumberChars(const QString &text, WholeNumberKeep rule, bool &pointKept)
{
    QString out;
    pointKept = false;
    for (QChar c : text) {
        if (isDigit(c)) {
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
    if (!fraction.isEmpty() && fraction.front() >= QLatin1Char('5')) {
        qsizetype i = digits.size() - 1;
        while (i >= 0 && digits.at(i) == QLatin1Char('9')) {
            digits[i] = QLatin1Char('0');
            --i;
        }
        if (i >= 0)
            digits[i] = QChar(digits.at(i).unicode() + 1);
        else
            digits.prepend(QLatin1Char('1'));
    }
    if (digits.isEmpty())
        return QStringLiteral("0");
    return negative ? QLatin1Char('-') + digits : digits;
}

} // namespace cellvex
