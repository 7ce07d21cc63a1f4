#include "formula/FormulaCalculation.h"

#include "formula/AggregateExpansion.h"
#include "formula/AliasExpansion.h"
#include "formula/Evaluator.h"
#include "formula/FormulaText.h"
#include "formula/PositionWords.h"
#include "report/Report.h"

#include <exception>

namespace cellvex {

namespace {

// Replaces the getcell references of a trimmed, lower-cased formula; false
// for a malformed one.
bool expandCellReferences(const Report &report, QString &text, const PositionWords &words)
{
    constexpr QStringView keyword = u"getcell";
    qsizetype pos = text.indexOf(keyword);
    if (pos < 0)
        return true;
    const QStringView in = text;
    QString out;
    out.reserve(text.size() + 32);
    qsizetype copied = 0;
    for (; pos >= 0; pos = in.indexOf(keyword, pos)) {
        const qsizetype open = skipBlanks(in, pos + keyword.size());
        if (open >= in.size() || in[open] != u'(')
            return false;
        const qsizetype close = in.indexOf(u')', open + 1);
        if (close < 0)
            return false;
        const QStringView args = in.sliced(open + 1, close - open - 1);
        const qsizetype comma = args.indexOf(u',');
        if (comma < 0)
            return false;
        const Coordinate x = evalCoordinate(args.first(comma), words);
        if (x.status != CoordinateStatus::Ok)
            return false;
        const Coordinate y = evalCoordinate(args.sliced(comma + 1), words);
        if (y.status != CoordinateStatus::Ok)
            return false;
        out.append(in.sliced(copied, pos - copied));
        // Compared before subtracting: a saturated coordinate must not wrap.
        const Cell *cell = x.value >= 1 && y.value >= 1 ? report.cell(x.value - 1, y.value - 1) : nullptr;
        if (cell && !cell->caption().isEmpty())
            out.append(cell->caption());
        else
            out.append(u'0');
        pos = close + 1;
        copied = pos;
    }
    out.append(in.sliced(copied));
    text = std::move(out);
    return true;
}

QString expandFormula(const Report &report, const QString &formula, int col, int row)
{
    // Alias expansion changes nothing but the line breaks when there is no
    // "@(", and the trim removes those at the ends: skip its copy then.
    QString text;
    if (formula.contains(u"@(") || formula.contains(u'\r') || formula.contains(u'\n'))
        text = toAsciiLower(trimBlanks(expandAliases(report, formula)));
    else
        text = toAsciiLower(trimBlanks(formula));
    if (text.isEmpty())
        return text;
    const PositionWords words{col + 1, row + 1, report.colCount(), report.rowCount()};
    if (!expandCellReferences(report, text, words))
        return QString();
    for (const QStringView name : kAggregateNames) {
        if (!text.contains(name))
            continue;
        EvalResult<QString> expanded =
            expandAggregates(report, text, name, AggregateMode::Expression, -1, col, row);
        if (!expanded.ok())
            return QString();
        text = std::move(expanded.value);
    }
    return text;
}

} // namespace

EvalResult<double> calcFormula(const Report &report, const QString &formula, int col, int row)
{
    try {
        const QString text = expandFormula(report, formula, col, row);
        if (text.isEmpty())
            return {};
        return evalExpression(text);
    } catch (const std::exception &) {
        // Only running out of memory gets here.
        return {0, formula + QStringLiteral("计算错误")};
    }
}

} // namespace cellvex
