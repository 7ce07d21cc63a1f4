#include "formula/AggregateExpansion.h"

#include "formula/FormulaText.h"
#include "common/NumberCaption.h"
#include "formula/PositionWords.h"
#include "grid/NumberText.h"
#include "report/Report.h"

#include <cmath>
#include <vector>

namespace cellvex {

namespace {

enum class Aggregate { Sum, Avg, Min, Max, Std };

Aggregate aggregateOf(QStringView name)
{
    if (name == u"avg")
        return Aggregate::Avg;
    if (name == u"min")
        return Aggregate::Min;
    if (name == u"max")
        return Aggregate::Max;
    if (name == u"std")
        return Aggregate::Std;
    return Aggregate::Sum;
}

// A cell range as written: 1-based, inclusive.
struct Range
{
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

class AggregateCall
{
public:
    AggregateCall(const Report &report, QStringView name, AggregateMode mode, int lineIndex, int col, int row)
        : m_report(report), m_name(name), m_mode(mode),
          m_lineIndex(lineIndex), m_words{col + 1, row + 1, report.colCount(), report.rowCount()}
    {
    }

    // The replacement of one call with the argument text `args` (between
    // the parentheses); false with `error` set on failure.
    bool replace(QStringView args, QString &replacement, QString &error)
    {
        Range range;
        QStringView flag;
        if (!readRange(args, range, flag, error))
            return false;
        const bool asNumber = m_mode == AggregateMode::Expression || flag == u"1";
        double result = 0;
        int count = 0;
        if (!compute(range, result, count)) {
            error = message(QString()) + QStringLiteral("出现错误");
            return false;
        }
        if (count == 0) {
            replacement = asNumber ? QStringLiteral("0") : QStringLiteral("\"\"");
            return true;
        }
        replacement = asNumber ? generalNumberText(result) : u'"' + generalNumberText(result) + u'"';
        return true;
    }

    QString message(const QString &fault) const
    {
        return QStringLiteral("第") + QString::number(qint64(m_lineIndex) + 1) + QStringLiteral("行文本") +
               (fault.isEmpty() ? QString() : m_name.toString() + fault);
    }

private:
    bool readRange(QStringView args, Range &range, QStringView &flag, QString &error) const
    {
        const QString missingComma = QStringLiteral("语句缺少“,”");
        QStringView parts[4];
        QStringView rest = args;
        const int commas = m_mode == AggregateMode::Expression ? 3 : 4;
        for (int k = 0; k < commas; ++k) {
            const qsizetype comma = rest.indexOf(u',');
            if (comma < 0) {
                error = message(missingComma);
                return false;
            }
            parts[k] = rest.first(comma);
            rest = rest.sliced(comma + 1);
        }
        if (m_mode == AggregateMode::Expression)
            parts[3] = rest;
        else
            flag = trimBlanks(rest);
        if (trimBlanks(parts[3]).isEmpty()) {
            error = message(missingComma);
            return false;
        }
        return coordinate(parts[0], true, range.x1, error) && coordinate(parts[1], false, range.y1, error) &&
               coordinate(parts[2], true, range.x2, error) && coordinate(parts[3], false, range.y2, error);
    }

    bool coordinate(QStringView text, bool isColumn, int &value, QString &error) const
    {
        const Coordinate c = evalCoordinate(text, m_words);
        const QString which = isColumn ? QStringLiteral("列号") : QStringLiteral("行号");
        switch (c.status) {
        case CoordinateStatus::Ok:
            value = c.value;
            return true;
        case CoordinateStatus::Empty:
            error = message(which + QStringLiteral("错误"));
            return false;
        case CoordinateStatus::Failed:
            error = message(which + c.error);
            return false;
        }
        return false;
    }

    // False when a caption cannot be read or the result is no finite number.
    bool compute(const Range &r, double &result, int &count)
    {
        const int cols = m_report.colCount();
        const int rows = m_report.rowCount();
        if (r.x1 < 1 || r.x2 < 1 || r.x1 > cols || r.x2 > cols || r.y1 < 1 || r.y2 < 1 || r.y1 > rows ||
            r.y2 > rows)
            return true;
        const Aggregate kind = aggregateOf(m_name);
        const CellMatrix &cells = m_report.cells();
        double sum = 0;
        double extreme = 0;
        m_values.clear();
        for (int x = r.x1 - 1; x < r.x2; ++x)
            for (int y = r.y1 - 1; y < r.y2; ++y) {
                const QString &caption = cells.at(x, y).caption();
                if (caption.isEmpty())
                    continue;
                double v = 0;
                switch (readCaptionNumber(caption, v)) {
                case CaptionNumber::NotNumeric:
                    continue;
                case CaptionNumber::Unreadable:
                    return false;
                case CaptionNumber::Number:
                    break;
                }
                // Strict comparisons keep the first of equal values.
                if (count == 0 || (kind == Aggregate::Min && v < extreme) ||
                    (kind == Aggregate::Max && v > extreme))
                    extreme = v;
                sum += v;
                if (kind == Aggregate::Std)
                    m_values.push_back(v);
                ++count;
            }
        if (count == 0)
            return true;
        switch (kind) {
        case Aggregate::Sum:
            result = sum;
            break;
        case Aggregate::Avg:
            result = sum / count;
            break;
        case Aggregate::Min:
        case Aggregate::Max:
            result = extreme;
            break;
        case Aggregate::Std: {
            if (count < 2)
                return false;
            const double mean = sum / count;
            double squares = 0;
            for (const double v : m_values)
                squares += (v - mean) * (v - mean);
            result = std::sqrt(squares / (count - 1));
            break;
        }
        }
        // An overflowing sum would be written as "INF", which no later
        // formula can read: it is a failure like any other.
        return std::isfinite(result);
    }

    const Report &m_report;
    QStringView m_name;
    AggregateMode m_mode;
    int m_lineIndex;
    PositionWords m_words;
    std::vector<double> m_values;
};

} // namespace

EvalResult<QString> expandAggregates(const Report &report, QStringView text, QStringView name,
                                     AggregateMode mode, int lineIndex, int col, int row)
{
    EvalResult<QString> result;
    qsizetype pos = text.indexOf(name);
    if (pos < 0 || name.isEmpty()) {
        result.value = text.toString();
        return result;
    }
    AggregateCall call(report, name, mode, lineIndex, col, row);
    QString &out = result.value;
    out.reserve(text.size());
    qsizetype copied = 0;
    QString replacement;
    for (; pos >= 0; pos = text.indexOf(name, pos)) {
        const qsizetype open = skipBlanks(text, pos + name.size());
        if (open >= text.size() || text[open] != u'(') {
            pos += name.size();
            continue; // another word that contains the name
        }
        const qsizetype close = text.indexOf(u')', open + 1);
        if (close < 0) {
            result.error = call.message(QStringLiteral("语句缺少“)”"));
            result.value.clear();
            return result;
        }
        if (!call.replace(text.sliced(open + 1, close - open - 1), replacement, result.error)) {
            result.value.clear();
            return result;
        }
        out.append(text.sliced(copied, pos - copied));
        out.append(replacement);
        pos = close + 1;
        copied = pos;
    }
    out.append(text.sliced(copied));
    return result;
}

} // namespace cellvex
