#include "RulerLabels.h"

namespace cellvex {

QString columnLabel(std::int64_t n)
{
    if (n <= 0)
        return QString();
    char buf[16];
    int len = 0;
    while (n > 0 && len < 16) {
        --n;
        buf[len++] = char('A' + n % 26);
        n /= 26;
    }
    QString s;
    s.reserve(len);
    for (int i = len - 1; i >= 0; --i)
        s.append(QLatin1Char(buf[i]));
    return s;
}

QString rowLabel(std::int64_t n)
{
    return QString::number(n);
}

} // namespace cellvex
