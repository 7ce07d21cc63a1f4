// Cell attribute members of the control: 1-based coordinates in, the
// report's 0-based operations out.
#include "control/CellvexControl.h"

namespace cellvex {

void CellvexControl::SetFontName(int aCol, int aRow, const QString &aFontName)
{
    m_report->setFontName(ix(aCol), ix(aRow), aFontName);
}

QString CellvexControl::GetFontName(int aCol, int aRow) const
{
    return cellAt(aCol, aRow) ? m_report->cellFont(ix(aCol), ix(aRow)).name : QString();
}

void CellvexControl::SetFontSize(int aCol, int aRow, int aFontSize)
{
    m_report->setFontSize(ix(aCol), ix(aRow), aFontSize);
}

int CellvexControl::GetFontSize(int aCol, int aRow) const
{
    return cellAt(aCol, aRow) ? m_report->cellFont(ix(aCol), ix(aRow)).size : 0;
}

void CellvexControl::SetFontColor(int aCol, int aRow, ColorRef aFontColor)
{
    m_report->setFontColor(ix(aCol), ix(aRow), aFontColor);
}

ColorRef CellvexControl::GetFontColor(int aCol, int aRow) const
{
    return cellAt(aCol, aRow) ? m_report->cellFont(ix(aCol), ix(aRow)).color : 0;
}

void CellvexControl::setStyle(int aCol, int aRow, int style, bool on)
{
    m_report->setFontStyle(ix(aCol), ix(aRow), style, on);
}

bool CellvexControl::GetFontStyleBold(int aCol, int aRow) const
{
    return cellAt(aCol, aRow) && m_report->cellFont(ix(aCol), ix(aRow)).bold;
}

bool CellvexControl::GetFontStyleItalic(int aCol, int aRow) const
{
    return cellAt(aCol, aRow) && m_report->cellFont(ix(aCol), ix(aRow)).italic;
}

bool CellvexControl::GetFontStyleUnderline(int aCol, int aRow) const
{
    return cellAt(aCol, aRow) && m_report->cellFont(ix(aCol), ix(aRow)).underline;
}

bool CellvexControl::GetFontStyleStrikeout(int aCol, int aRow) const
{
    return cellAt(aCol, aRow) && m_report->cellFont(ix(aCol), ix(aRow)).strikeOut;
}

void CellvexControl::SetLabelHAlignment(int aCol, int aRow, int a)
{
    if (a >= 0 && a <= 2)
        m_report->setAlignment(ix(aCol), ix(aRow), HAlign(a));
}

int CellvexControl::GetLabelHAlignment(int aCol, int aRow) const
{
    const Cell *c = cellAt(aCol, aRow);
    return c ? int(c->alignment()) : -1;
}

void CellvexControl::SetLabelVAlignment(int aCol, int aRow, int a)
{
    if (a >= 0 && a <= 2)
        m_report->setVAlignment(ix(aCol), ix(aRow), VAlign(a));
}

int CellvexControl::GetLabelVAlignment(int aCol, int aRow) const
{
    const Cell *c = cellAt(aCol, aRow);
    return c ? int(c->vAlignment()) : -1;
}

void CellvexControl::SetCellBorders(int aCol, int aRow, int aBorderType, int aBorderWidth)
{
    m_report->setCellBorders(ix(aCol), ix(aRow), aBorderType, aBorderWidth);
}

int CellvexControl::GetCellBorders(int aCol, int aRow, int aBorderType) const
{
    return m_report->cellBorders(ix(aCol), ix(aRow), aBorderType);
}

void CellvexControl::SetCellBackColor(int aCol, int aRow, ColorRef aBackColor)
{
    m_report->setBackColor(ix(aCol), ix(aRow), aBackColor);
}

ColorRef CellvexControl::GetCellBackColor(int aCol, int aRow) const
{
    const Cell *c = cellAt(aCol, aRow);
    return c ? c->backColor() : 0;
}

void CellvexControl::SetMultiLine(int aCol, int aRow, bool aMultiLine)
{
    m_report->setMultiLine(ix(aCol), ix(aRow), aMultiLine);
}

bool CellvexControl::GetMultiLine(int aCol, int aRow) const
{
    const Cell *c = cellAt(aCol, aRow);
    return c && c->multiLine();
}

void CellvexControl::SetCellAlias(int aCol, int aRow, const QString &alias)
{
    m_report->setCellAlias(ix(aCol), ix(aRow), alias);
}

void CellvexControl::DeleteAlias(const QString &alias)
{
    m_report->deleteAlias(alias);
}

QString CellvexControl::GetCellAlias(int aCol, int aRow) const
{
    const Cell *c = cellAt(aCol, aRow);
    return c ? c->aliasName() : QString();
}

void CellvexControl::GetCellReferenceByAlias(const QString &alias, int &col, int &row) const
{
    int c = 0, r = 0;
    if (m_report->findAlias(alias, c, r)) {
        col = c + 1;
        row = r + 1;
    } else {
        col = row = -1;
    }
}

void CellvexControl::SetAppendRange(int aCol, int aRow, int aAppendRange)
{
    m_report->setAppendRange(ix(aCol), ix(aRow), aAppendRange);
}

int CellvexControl::GetAppendRange(int aCol, int aRow) const
{
    const Cell *c = cellAt(aCol, aRow);
    return c ? c->appendRange() : -1;
}

void CellvexControl::SetAppendString(int aCol, int aRow, int aIndex, const QString &aValue)
{
    m_report->setAppendString(ix(aCol), ix(aRow), aIndex, aValue);
}

QString CellvexControl::GetAppendString(int aCol, int aRow, int aIndex) const
{
    const Cell *c = cellAt(aCol, aRow);
    return c ? c->appendString(aIndex) : QString();
}

} // namespace cellvex
