#include "Report.h"

#include "cells/CellCapacity.h"
#include "common/Geometry.h"
#include "report/AliasRules.h"

#include <new>

namespace cellvex {

Report::Report()
{
    m_colRuler.setListener(this);
    m_rowRuler.setListener(this);
    m_colRuler.setMargin(2);
    m_rowRuler.setMargin(2);
    // A new control shows 6 columns and 30 rows.
    m_colRuler.setCount(6);
    m_rowRuler.setCount(30);
    m_cells = CellMatrix::create(6, 30);
}

void Report::cellChanged(int col, int row, unsigned flags)
{
    if (m_listener)
        m_listener->reportChanged(ReportChange::cell(col, row, flags));
}

void Report::reportChanged(unsigned flags)
{
    if (m_listener)
        m_listener->reportChanged(ReportChange::report(flags));
}

void Report::rulerChanged(Orientation o)
{
    if (m_listener)
        m_listener->reportChanged(ReportChange::ruler(o, ReportChange::Geometry | ReportChange::Appearance));
}

void Report::highlightChanged(Orientation o, int, int)
{
    // The ruler widgets repaint whole; the range is not worth passing on.
    if (m_listener)
        m_listener->reportChanged(ReportChange::ruler(o, ReportChange::Appearance));
}

void Report::displayCountChanged(Orientation o, int)
{
    if (m_listener)
        m_listener->reportChanged(ReportChange::ruler(o, ReportChange::View));
}

void Report::checkNewReportSize(int cols, int rows) const
{
    if (cols < 0 || rows < 0)
        throw ReportError(QStringLiteral("列数和行数不能为负数"));
    const std::int64_t colRange = m_colRuler.defaultRange();
    const std::int64_t rowRange = m_rowRuler.defaultRange();
    if (!fitsPixelExtent(std::int64_t(cols) * colRange + 3) ||
        !fitsPixelExtent(std::int64_t(rows) * rowRange + 3))
        throw ReportError(
            QStringLiteral("报表尺寸超出范围：列宽或行高的总和不能超过 %1 像素").arg(kMaxPixelExtent));
}

void Report::newReport(int cols, int rows)
{
    checkNewReportSize(cols, rows);
    // The old matrix stays until the new one is built: all of it is new.
    requireCellCapacity(cols, rows, std::int64_t(cols) * rows);
    const std::int64_t colRange = m_colRuler.defaultRange();
    const std::int64_t rowRange = m_rowRuler.defaultRange();

    // Build the new matrix before touching the old one, so that running out of
    // memory leaves the report as it was.
    CellMatrix fresh;
    try {
        fresh = CellMatrix::create(cols, rows);
    } catch (const std::bad_alloc &) {
        throw ReportError(QStringLiteral("内存不足，无法建立 %1 列 %2 行的报表").arg(cols).arg(rows));
    }

    m_cells.clear();
    m_cells.swap(fresh);
    m_fonts.reset();
    ++m_generation;

    m_wholeColumnMode = false;
    m_wholeRowMode = false;
    m_headerCount = 0;
    m_footerCount = 0;
    m_initialScriptType.clear();
    m_initialScriptText.clear();

    m_colRuler.loadFilePole(std::vector<int>(size_t(cols), int(colRange)));
    m_rowRuler.loadFilePole(std::vector<int>(size_t(rows), int(rowRange)));

    m_editing = false;
    m_inputCol = m_inputRow = -1;
    m_selection = QRect(QPoint(-1, -1), QPoint(-1, -1));
    m_saved = true;
    reportChanged(ReportChange::Structure | ReportChange::Geometry | ReportChange::Value);
}

int Report::colWidth(int col) const
{
    if (col < 0 || col >= colCount())
        return -1;
    return m_colRuler.panelRange(col);
}

int Report::rowHeight(int row) const
{
    if (row < 0 || row >= rowCount())
        return -1;
    return m_rowRuler.panelRange(row);
}

ReportRect Report::cellRect(int col, int row) const
{
    ReportRect r;
    if (col < 0 || row < 0 || col >= colCount() || row >= rowCount())
        return r;
    int lastCol = col, lastRow = row;
    if (const Cell *c = cell(col, row); c && c->sign() == MergeSign::Master) {
        const BlockBounds b = c->block();
        lastCol = std::clamp(b.right, col, colCount() - 1);
        lastRow = std::clamp(b.bottom, row, rowCount() - 1);
    }
    r.x = m_colRuler.poleEdge(col);
    r.y = m_rowRuler.poleEdge(row);
    r.width = m_colRuler.poleEdge(lastCol + 1) - r.x;
    r.height = m_rowRuler.poleEdge(lastRow + 1) - r.y;
    return r;
}

void Report::setInputCell(int col, int row)
{
    const int oldCol = m_inputCol, oldRow = m_inputRow;
    m_inputCol = col;
    m_inputRow = row;
    if (contains(oldCol, oldRow))
        cellChanged(oldCol, oldRow, ReportChange::Appearance);
    if (contains(col, row))
        cellChanged(col, row, ReportChange::Appearance);
}

void Report::setSelectionRect(int minCol, int minRow, int maxCol, int maxRow)
{
    if (minCol < 0)
        m_selection = QRect(QPoint(-1, -1), QPoint(-1, -1));
    else
        m_selection = QRect(QPoint(minCol, minRow), QPoint(maxCol, maxRow));
    reportChanged(ReportChange::Appearance);
}

bool Report::inSelection(int col, int row) const
{
    return hasSelection() && col >= m_selection.left() && col <= m_selection.right() &&
           row >= m_selection.top() && row <= m_selection.bottom();
}

ColorRef Report::displayedColor(int col, int row) const
{
    if (col == m_inputCol && row == m_inputRow && col >= 0)
        return m_inputColor;
    if (inSelection(col, row))
        return m_selectedColor;
    const Cell *c = cell(col, row);
    return c ? c->backColor() : 0xFFFFFF;
}

void Report::setCellCaption(int col, int row, const QString &value)
{
    Cell *c = cell(col, row);
    if (!c)
        return;
    const std::uint64_t gen = m_generation;
    QString text = value;
    c->storeCaption(text);
    if (m_listener) {
        m_listener->captionChanging(col, row, text);
        // The listener may have rebuilt the report: look the cell up again.
        if (gen != m_generation || !(c = cell(col, row)))
            return;
        c->storeCaption(text);
    }
    if (c->kind() == CellKind::CheckBox && text != QLatin1String("1")) {
        text = QStringLiteral("0");
        c->storeCaption(text);
    }
    cellChanged(col, row, ReportChange::Value);
    if (m_listener)
        m_listener->captionChanged(col, row, text);
}

const FontAttributes &Report::cellFont(int col, int row) const
{
    const Cell *c = cell(col, row);
    return m_fonts.attributes(c ? c->fontId() : 0);
}

void Report::changeAppearance(int col, int row, const std::function<void(Cell &)> &edit)
{
    Cell *c = cell(col, row);
    if (!c)
        return;
    edit(*c);
    markChanged();
    cellChanged(col, row, ReportChange::Appearance);
}

void Report::changeFont(int col, int row, const std::function<void(FontAttributes &)> &edit)
{
    changeAppearance(col, row, [&](Cell &c) {
        FontAttributes attrs = m_fonts.attributes(c.fontId());
        edit(attrs);
        c.setFontId(m_fonts.intern(attrs));
    });
}

void Report::setFontName(int col, int row, const QString &name)
{
    changeFont(col, row, [&](FontAttributes &s) { s.name = name; });
}

void Report::setFontSize(int col, int row, int size)
{
    changeFont(col, row, [&](FontAttributes &s) { s.size = size; });
}

void Report::setFontColor(int col, int row, ColorRef color)
{
    changeFont(col, row, [&](FontAttributes &s) { s.color = color; });
}

void Report::setFontStyle(int col, int row, int style, bool on)
{
    changeFont(col, row, [&](FontAttributes &s) {
        switch (style) {
        case 0:
            s.bold = on;
            break;
        case 1:
            s.italic = on;
            break;
        case 2:
            s.underline = on;
            break;
        case 3:
            s.strikeOut = on;
            break;
        }
    });
}

void Report::setAlignment(int col, int row, HAlign a)
{
    changeAppearance(col, row, [&](Cell &c) { c.setAlignment(a); });
}

void Report::setVAlignment(int col, int row, VAlign a)
{
    changeAppearance(col, row, [&](Cell &c) { c.setVAlignment(a); });
}

void Report::setMultiLine(int col, int row, bool on)
{
    changeAppearance(col, row, [&](Cell &c) { c.setMultiLine(on); });
}

void Report::setBackColor(int col, int row, ColorRef color)
{
    // A selected cell keeps showing the selection colour; the surface
    // paints the displayed colour, so repainting is always right.
    changeAppearance(col, row, [&](Cell &c) { c.setBackColor(color); });
}

void Report::setCellBorders(int col, int row, int type, int width)
{
    if (width < 0)
        return;
    if (type == BorderDiagonal) {
        changeAppearance(col, row, [&](Cell &c) { c.setDiagonalType(width); });
        return;
    }
    const Cell *c = cell(col, row);
    if (!c || type < BorderLeft || type > BorderBottom)
        return;
    // A covered cell hands its side borders to the master of its block.
    int targetCol = col, targetRow = row;
    if (c->sign() == MergeSign::Covered) {
        const BlockBounds b = c->block();
        if (cell(b.left, b.top)) {
            targetCol = b.left;
            targetRow = b.top;
        }
    }
    const int l = type == BorderLeft ? width : -1;
    const int t = type == BorderTop ? width : -1;
    const int r = type == BorderRight ? width : -1;
    const int b = type == BorderBottom ? width : -1;
    changeAppearance(targetCol, targetRow, [&](Cell &target) { target.setBorders(l, t, r, b); });
}

int Report::cellBorders(int col, int row, int type) const
{
    const Cell *c = cell(col, row);
    if (!c)
        return -1;
    switch (type) {
    case BorderDiagonal:
        return c->diagonalType();
    case BorderLeft:
        return c->borderLeft();
    case BorderTop:
        return c->borderTop();
    case BorderRight:
        return c->borderRight();
    case BorderBottom:
        return c->borderBottom();
    default:
        return -1;
    }
}

void Report::setCellAlias(int col, int row, const QString &alias)
{
    Cell *c = cell(col, row);
    if (!c)
        return;
    if (alias.isEmpty()) {
        if (c->hasAlias()) {
            const QString old = c->aliasName();
            c->storeAlias(QString());
            m_aliasIndex.removed(m_cells, col, row, old);
            markChanged();
        }
        return;
    }
    if (!isValidAlias(alias))
        return;
    int fc = 0, fr = 0;
    if (findAlias(alias, fc, fr))
        return; // aliases are unique across the report
    const QString old = c->aliasName();
    c->storeAlias(alias);
    m_aliasIndex.removed(m_cells, col, row, old);
    m_aliasIndex.added(m_cells, col, row, alias);
    markChanged();
}

void Report::deleteAlias(const QString &alias)
{
    int col = 0, row = 0;
    if (!findAlias(alias, col, row))
        return;
    cell(col, row)->storeAlias(QString());
    m_aliasIndex.removed(m_cells, col, row, alias);
    markChanged();
}

bool Report::findAlias(const QString &alias, int &col, int &row) const
{
    return m_aliasIndex.first(m_cells, alias, col, row);
}

bool Report::findLastAlias(const QString &alias, int &col, int &row) const
{
    return m_aliasIndex.last(m_cells, alias, col, row);
}

QString Report::allAliases() const
{
    QString out;
    for (int c = 0; c < m_cells.colCount(); ++c)
        for (int r = 0; r < m_cells.rowCount(); ++r) {
            const Cell &cl = m_cells.at(c, r);
            if (!cl.hasAlias())
                continue;
            out += QString::number(c + 1) + QStringLiteral("\r\n") + QString::number(r + 1) +
                   QStringLiteral("\r\n") + cl.aliasName() + QStringLiteral("\r\n");
        }
    return out;
}

void Report::setAppendRange(int col, int row, int count)
{
    if (count > kMaxAppendRange)
        throw ReportError(
            QStringLiteral("附加字符串数 %1 超过了每个单元格 %2 个的上限").arg(count).arg(kMaxAppendRange));
    Cell *c = cell(col, row);
    if (c && c->setAppendRange(count))
        markChanged();
}

void Report::setAppendString(int col, int row, int index, const QString &value)
{
    Cell *c = cell(col, row);
    if (c && c->setAppendString(index, value))
        markChanged();
}

void Report::refreshAllBorders()
{
    // Layers are drawn in a fixed order, so restoring the stacking is a repaint.
    reportChanged(ReportChange::Appearance);
}

} // namespace cellvex
