#include "script/ButtonActions.h"

#include "cells/ChartCell.h"
#include "common/NumberCaption.h"
#include "common/PlainNumbers.h"
#include "report/CellKindOps.h"
#include "report/ChartCellOps.h"
#include "report/Report.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include <optional>

namespace cellvex {

namespace {

// A field of digits only as a number; nullopt otherwise (or beyond 32 bits).
std::optional<int> number(const QString &field)
{
    if (!isDigitsText(field) || field.size() > 9)
        return std::nullopt;
    return field.toInt();
}

// "x,y" or "x,y,c": 0-based indices inside the grid and the third item.
struct Place
{
    int col = -1, row = -1;
    QString third;
};
std::optional<Place> place(const Report &report, const QString &field, bool withThird)
{
    const QStringList items = field.split(QLatin1Char(','));
    if (items.size() < (withThird ? 3 : 2))
        return std::nullopt;
    const auto x = number(items.at(0).trimmed()), y = number(items.at(1).trimmed());
    if (!x || !y)
        return std::nullopt;
    Place p{*x - 1, *y - 1, withThird ? items.at(2).trimmed() : QString()};
    if (!report.contains(p.col, p.row))
        return std::nullopt;
    return p;
}

class ActionList
{
public:
    ActionList(Report &report, int col, int row, const ButtonActionHooks &hooks)
        : m_report(report), m_col(col), m_row(row), m_hooks(hooks)
    {
    }

    // False when the whole list ends here.
    bool line(const QString &text)
    {
        if (text.trimmed().isEmpty())
            return true;
        QStringList fields = (text + QLatin1Char(';')).split(QLatin1Char(';'));
        fields.removeLast(); // the ";" appended above
        for (QString &f : fields)
            f = f.trimmed();
        const auto code = number(fields.takeFirst());
        if (!code)
            return true;
        switch (*code) {
        case 1:
            if (m_hooks.runScript)
                m_hooks.runScript(m_col, m_row);
            return true;
        case 2:
            picture(fields);
            return true;
        case 3:
            // A chart line without its place ends the list, not only the line.
            if (fields.isEmpty())
                return false;
            chartSeries(fields);
            return true;
        case 4:
            formulas(fields);
            return true;
        case 5:
            shell(fields);
            return true;
        default:
            return true;
        }
    }

private:
    void picture(const QStringList &fields)
    {
        if (fields.size() < 2)
            return;
        const auto p = place(m_report, fields.at(0), true);
        if (!p)
            return;
        const Cell *cell = m_report.cell(p->col, p->row);
        if (cell->diagonalType() != 0 || (cell->kind() != CellKind::Text && cell->kind() != CellKind::Chart))
            return;
        const bool chart = cell->kind() == CellKind::Chart;
        const bool hasPicture =
            chart ? cell->flag(Cell::HaveChartImageFlag) : cell->haveImage() && cell->picture() != nullptr;
        const QString &file = fields.at(1);
        if (p->third == QLatin1String("1")) {
            if (hasPicture)
                setCellPicture(m_report, p->col, p->row, QString(), false);
            return;
        }
        if (!file.isEmpty() && QFileInfo(file).isFile()) {
            if (fields.size() < 3)
                return;
            setCellPicture(m_report, p->col, p->row, file, fields.at(2) == QLatin1String("1"));
            return;
        }
        setCellPicture(m_report, p->col, p->row, QString(), false);
    }

    void chartSeries(const QStringList &fields)
    {
        const auto p = place(m_report, fields.at(0), true);
        if (!p)
            return;
        if (p->third != QLatin1String("1")) {
            if (number(p->third))
                clearChartSeries(m_report, p->col, p->row);
            return;
        }
        if (fields.size() < 4)
            return;
        const auto type = number(fields.at(1));
        if (!type)
            return;
        const QStringList list = fields.at(3).split(QLatin1Char(','));
        const auto count = number(list.at(0).trimmed());
        if (!count || qsizetype(*count) * 4 > list.size() - 1)
            return;
        QStringList kept;
        int points = 0;
        for (int i = 0; i < *count; ++i) {
            int at[4];
            for (int k = 0; k < 4; ++k) {
                const auto v = number(list.at(1 + 4 * i + k).trimmed());
                if (!v)
                    return;
                at[k] = *v - 1;
            }
            const Cell *a = m_report.cell(at[0], at[1]), *b = m_report.cell(at[2], at[3]);
            if (!a || !b || !isNumberText(a->caption()) || !isNumberText(b->caption()))
                continue;
            kept << a->caption() << b->caption();
            ++points;
        }
        if (points == 0)
            return;
        const QString sign = fields.at(2).isEmpty()
                                 ? QString::number(points)
                                 : QString::number(points) + QLatin1Char(',') + fields.at(2);
        addChartSeries(m_report, p->col, p->row, *type, sign, kept.join(QLatin1Char(',')));
    }

    void formulas(const QStringList &fields)
    {
        if (fields.isEmpty())
            return;
        const auto mode = number(fields.at(0));
        if (!mode)
            return;
        if (*mode == 0 || *mode == 1) {
            if (m_hooks.explainAll)
                m_hooks.explainAll(*mode);
            return;
        }
        if (fields.size() < 2)
            return;
        const auto p = place(m_report, fields.at(1), false);
        if (p && m_hooks.explainCell)
            m_hooks.explainCell(p->col, p->row);
    }

    void shell(const QStringList &fields)
    {
        if (fields.size() < 3 || !m_hooks.shell)
            return;
        const auto verb = number(fields.at(0)), show = number(fields.at(2));
        if (!verb || !show)
            return;
        const FileShell::Verb v = *verb == 0
                                      ? FileShell::Verb::Open
                                      : (*verb == 1 ? FileShell::Verb::Print : FileShell::Verb::Explore);
        m_hooks.shell->run(v, fields.at(1), *show + 1);
    }

    Report &m_report;
    int m_col, m_row;
    const ButtonActionHooks &m_hooks;
};

} // namespace

void runButtonActions(Report &report, int col, int row, const ButtonActionHooks &hooks)
{
    const Cell *cell = report.cell(col, row);
    if (!cell)
        return;
    const QStringList lines = cell->buttonScript().split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    const std::uint64_t generation = report.generation();
    ActionList list(report, col, row, hooks);
    try {
        for (const QString &line : lines) {
            if (!list.line(line))
                break;
            // A handler that rebuilt the report leaves nothing of this list.
            if (report.generation() != generation)
                return;
        }
    } catch (...) {
        if (report.generation() == generation)
            report.setSaved(false);
        throw;
    }
    report.setSaved(false);
}

} // namespace cellvex
