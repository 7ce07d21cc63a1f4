#include "formula/AliasExpansion.h"

#include "report/Report.h"

namespace cellvex {

namespace {

// Appends the expanded line; false for a "@(" without its ")".
bool expandLine(const Report &report, QStringView line, QString &out)
{
    qsizetype pos = 0;
    for (;;) {
        const qsizetype at = line.indexOf(u"@(", pos);
        if (at < 0) {
            out.append(line.sliced(pos));
            return true;
        }
        const qsizetype close = line.indexOf(u')', at + 2);
        if (close < 0)
            return false;
        out.append(line.sliced(pos, at - pos));
        const QStringView name = line.sliced(at + 2, close - at - 2);
        int col = 0, row = 0;
        if (report.findAlias(name.toString(), col, row)) {
            out.append(QString::number(col + 1));
            out.append(QLatin1StringView(", "));
            out.append(QString::number(row + 1));
        } else {
            out.append(name);
        }
        pos = close + 1;
    }
}

} // namespace

QString expandAliases(const Report &report, QStringView text)
{
    QString out;
    out.reserve(text.size() + 2);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        if (!expandLine(report, text.sliced(start, end - start), out))
            return QString();
        out.append(QLatin1StringView("\r\n"));
        start = end;
        if (start < text.size())
            start += text[start] == u'\r' && start + 1 < text.size() && text[start + 1] == u'\n' ? 2 : 1;
    }
    return out;
}

} // namespace cellvex
