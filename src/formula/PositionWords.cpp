#include "formula/PositionWords.h"

#include "formula/Evaluator.h"
#include "formula/FormulaText.h"

#include <charconv>

namespace cellvex {

namespace {

void appendNumber(QString &out, int value)
{
    char digits[16];
    const auto res = std::to_chars(digits, digits + sizeof digits, value);
    out.append(QLatin1StringView(digits, res.ptr - digits));
}

} // namespace

QString expandPositionWords(QStringView text, const PositionWords &words)
{
    const QStringView t = trimBlanks(text);
    QString out;
    out.reserve(t.size() + 16);
    qsizetype copied = 0;
    for (qsizetype i = 0; i < t.size();) {
        const QStringView rest = t.sliced(i);
        int number = 0;
        qsizetype length = 0;
        if (rest.startsWith(u"col")) {
            number = words.col;
            length = 3;
        } else if (rest.startsWith(u"row")) {
            number = words.row;
            length = 3;
        } else if (rest.startsWith(u"coux")) {
            number = words.colCount;
            length = 4;
        } else if (rest.startsWith(u"couy")) {
            number = words.rowCount;
            length = 4;
        } else {
            ++i;
            continue;
        }
        out.append(t.sliced(copied, i - copied));
        appendNumber(out, number);
        i += length;
        copied = i;
    }
    out.append(t.sliced(copied));
    return out;
}

Coordinate evalCoordinate(QStringView text, const PositionWords &words)
{
    const QString expanded = expandPositionWords(text, words);
    if (expanded.isEmpty())
        return {CoordinateStatus::Empty, 0, QString()};
    EvalResult<std::int32_t> result = evalInteger(expanded);
    if (!result.ok())
        return {CoordinateStatus::Failed, 0, std::move(result.error)};
    return {CoordinateStatus::Ok, result.value, QString()};
}

} // namespace cellvex
