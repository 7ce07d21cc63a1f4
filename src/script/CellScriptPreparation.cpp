#include "script/CellScriptPreparation.h"

#include "formula/AggregateExpansion.h"
#include "formula/AliasExpansion.h"
#include "formula/PositionWords.h"
#include "report/Report.h"

#include <optional>

namespace cellvex {

namespace {

QString asciiLower(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    return out;
}

// What a preparation error says: "第" N "行文本" command ending.
QString lineError(int line, const char *command, const QString &ending)
{
    return QStringLiteral("第%1行文本%2%3").arg(line).arg(QLatin1String(command), ending);
}

QString missing(const char *what)
{
    return QStringLiteral("语句缺少“%1”").arg(QString::fromUtf8(what));
}

class LinePreparer
{
public:
    LinePreparer(const Report &report, int col, int row, bool javascript, PreparedScript &out)
        : m_report(report), m_col(col), m_row(row), m_javascript(javascript),
          m_out(out), m_words{col + 1, row + 1, report.colCount(), report.rowCount()}
    {
    }

    // False when the line ends the preparation with an error (in m_out.error).
    bool prepare(QString line, int number, QStringList &body)
    {
        m_line = number;
        line = asciiLower(line.trimmed());
        QString closing;
        if (m_javascript) {
            if (line.startsWith(QLatin1Char('{')) && !body.isEmpty()) {
                line.remove(0, 1);
                body.last().append(QLatin1Char('{'));
            }
            if (line.endsWith(QLatin1Char('}'))) {
                line.chop(1);
                closing = QStringLiteral("}");
            }
        }
        QString prefix, rest = line;
        if (line.startsWith(QLatin1String("setcell"))) {
            const auto value = setCell(line.mid(7), body);
            if (!value)
                return false;
            prefix = QStringLiteral("result%1 =").arg(m_out.setCells.size());
            rest = *value;
        } else if (line.startsWith(QLatin1String("executebutton"))) {
            if (!executeButton(line.mid(13)))
                return false;
            prefix = QStringLiteral("executebtn%1=1").arg(m_out.buttons.size());
            rest.clear();
        }
        if (!replaceGetCells(rest))
            return false;
        replacePositionFunctions(rest);
        for (QStringView name : kAggregateNames) {
            const EvalResult<QString> r =
                expandAggregates(m_report, rest, name, AggregateMode::Script, number - 1, m_col, m_row);
            if (!r.ok()) {
                m_out.error = r.error;
                return false;
            }
            rest = r.value;
        }
        body.append(prefix + rest + closing);
        return true;
    }

private:
    bool fail(const char *command, const QString &ending)
    {
        m_out.error = lineError(m_line, command, ending);
        return false;
    }

    // The arguments of a command in its JavaScript form, "(...)" or "(...);",
    // without the parentheses; `semicolon` tells whether a ";" followed.
    std::optional<QString> parenthesised(const QString &rest, const char *command, bool &semicolon)
    {
        semicolon = false;
        if (!rest.startsWith(QLatin1Char('('))) {
            fail(command, missing("("));
            return std::nullopt;
        }
        QString inner = rest.mid(1);
        if (inner.endsWith(QLatin1Char(';'))) {
            if (!inner.endsWith(QLatin1String(");"))) {
                fail(command, missing(")"));
                return std::nullopt;
            }
            semicolon = true;
            inner.chop(2);
        } else if (inner.endsWith(QLatin1Char(')'))) {
            inner.chop(1);
        } else {
            fail(command, missing(");"));
            return std::nullopt;
        }
        return inner;
    }

    // A coordinate argument as a 0-based index; false with the error set.
    bool coordinate(const QString &text, const char *command, bool column, int &index)
    {
        const Coordinate c = evalCoordinate(text, m_words);
        const char *which = column ? "列号" : "行号";
        if (c.status == CoordinateStatus::Empty)
            return fail(command, QString::fromUtf8(which) + QStringLiteral("错误"));
        if (c.status == CoordinateStatus::Failed)
            return fail(command, QString::fromUtf8(which) + c.error);
        index = c.value <= 0 ? -1 : c.value - 1; // 0 and below lie outside the grid
        return true;
    }

    // setcell x, y, value: returns the value expression; the inserted
    // "execute<k> = 1" line goes into the body first.
    std::optional<QString> setCell(const QString &rest, QStringList &body)
    {
        QString args = rest;
        bool semicolon = false;
        if (m_javascript) {
            const auto inner = parenthesised(rest, "SetCell", semicolon);
            if (!inner)
                return std::nullopt;
            args = *inner;
        }
        const qsizetype first = args.indexOf(QLatin1Char(','));
        const qsizetype second = first < 0 ? -1 : args.indexOf(QLatin1Char(','), first + 1);
        if (second < 0) {
            fail("SetCell", missing(","));
            return std::nullopt;
        }
        SetCellRequest request;
        if (!coordinate(args.left(first), "SetCell", true, request.col) ||
            !coordinate(args.mid(first + 1, second - first - 1), "SetCell", false, request.row))
            return std::nullopt;
        QString value = args.mid(second + 1);
        if (semicolon)
            value.append(QLatin1Char(';'));
        const int k = int(m_out.setCells.size()) + 1;
        body.append(QStringLiteral("execute%1 = 1").arg(k));
        request.bodyLine = int(body.size());
        m_out.setCells.push_back(request);
        return value;
    }

    bool executeButton(const QString &rest)
    {
        QString args = rest;
        if (m_javascript) {
            bool semicolon = false;
            const auto inner = parenthesised(rest, "ExecuteButton", semicolon);
            if (!inner)
                return false;
            args = *inner;
        }
        const qsizetype comma = args.indexOf(QLatin1Char(','));
        if (comma < 0)
            return fail("ExecuteButton", missing(","));
        ButtonRequest request;
        if (!coordinate(args.left(comma), "ExecuteButton", true, request.col) ||
            !coordinate(args.mid(comma + 1).trimmed(), "ExecuteButton", false, request.row))
            return false;
        m_out.buttons.push_back(request);
        return true;
    }

    // getcell(x, y, f): the caption as a number (f "1") or as a string.
    bool replaceGetCells(QString &text)
    {
        const QLatin1String word("getcell");
        qsizetype from = 0;
        while (true) {
            const qsizetype at = text.indexOf(word, from);
            if (at < 0)
                return true;
            qsizetype open = at + word.size();
            while (open < text.size() && text.at(open) == QLatin1Char(' '))
                ++open;
            if (open >= text.size() || text.at(open) != QLatin1Char('('))
                return fail("GetCell", missing("("));
            if (text.indexOf(QLatin1Char(')'), open + 1) < 0)
                return fail("GetCell", missing(")"));
            // The two commas are looked for first, the flag ends at the ")"
            // after them: a call inside a coordinate reaches the evaluator.
            const qsizetype c1 = text.indexOf(QLatin1Char(','), open + 1);
            const qsizetype c2 = c1 < 0 ? -1 : text.indexOf(QLatin1Char(','), c1 + 1);
            if (c2 < 0)
                return fail("GetCell", missing(","));
            const qsizetype close = text.indexOf(QLatin1Char(')'), c2 + 1);
            if (close < 0)
                return fail("GetCell", missing(")"));
            const QString args = text.mid(open + 1, close - open - 1);
            const qsizetype a1 = c1 - open - 1, a2 = c2 - open - 1;
            int col = -1, row = -1;
            if (!coordinate(args.left(a1), "GetCell", true, col) ||
                !coordinate(args.mid(a1 + 1, a2 - a1 - 1), "GetCell", false, row))
                return false;
            const bool number = args.mid(a2 + 1).trimmed() == QLatin1String("1");
            const Cell *cell = m_report.cell(col, row);
            QString replacement;
            if (number)
                replacement = cell && !cell->caption().isEmpty() ? cell->caption() : QStringLiteral("0");
            else
                replacement = QLatin1Char('"') + (cell ? cell->caption() : QString()) + QLatin1Char('"');
            text.replace(at, close + 1 - at, replacement);
            // The caption is data: it is not searched for commands again.
            from = at + replacement.size();
        }
    }

    void replacePositionFunctions(QString &text) const
    {
        struct Function
        {
            QLatin1String name;
            int value;
        };
        const Function functions[] = {{QLatin1String("getcol()"), m_words.col},
                                      {QLatin1String("getrow()"), m_words.row},
                                      {QLatin1String("getcoux()"), m_words.colCount},
                                      {QLatin1String("getcouy()"), m_words.rowCount}};
        QString out;
        qsizetype i = 0;
        while (i < text.size()) {
            const Function *hit = nullptr;
            for (const Function &f : functions)
                if (QStringView(text).sliced(i).startsWith(f.name)) {
                    hit = &f;
                    break;
                }
            if (!hit) {
                out.append(text.at(i++));
                continue;
            }
            out.append(QString::number(hit->value));
            i += hit->name.size();
            // The blanks after a replaced call go with it.
            while (i < text.size() && text.at(i).isSpace())
                ++i;
        }
        text = out;
    }

    const Report &m_report;
    int m_col, m_row;
    bool m_javascript;
    PreparedScript &m_out;
    PositionWords m_words;
    int m_line = 0;
};

} // namespace

int PreparedScript::sourceLine(int runLine) const
{
    int line = runLine - headerLines();
    int inserted = 0;
    for (const SetCellRequest &s : setCells)
        if (s.bodyLine < line)
            ++inserted;
    return line - inserted;
}

PreparedScript prepareCellScript(const Report &report, int col, int row, const QString &text,
                                 const QString &language)
{
    PreparedScript out;
    const QString expanded = expandAliases(report, text);
    if (expanded.isEmpty()) {
        out.empty = true;
        return out;
    }
    QStringList source = expanded.split(QStringLiteral("\r\n"));
    if (!source.isEmpty() && source.last().isEmpty())
        source.removeLast(); // every line ends with CR LF
    const bool javascript = asciiLower(language) == QLatin1String("javascript");
    LinePreparer preparer(report, col, row, javascript, out);
    QStringList body;
    for (qsizetype n = 0; n < source.size(); ++n)
        if (!preparer.prepare(source.at(n), int(n) + 1, body)) {
            out.setCells.clear();
            out.buttons.clear();
            return out;
        }
    for (size_t k = 1; k <= out.setCells.size(); ++k)
        out.lines.append(QStringLiteral("execute%1 = 0").arg(k));
    for (size_t j = 1; j <= out.buttons.size(); ++j)
        out.lines.append(QStringLiteral("executebtn%1 = 0").arg(j));
    out.lines.append(body);
    return out;
}

} // namespace cellvex
