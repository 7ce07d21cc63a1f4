// The service's operations on single cells: attributes, kinds and input
// attributes, values and formulas. Coordinates are 0-based.
#include "ReportActions.h"

#include "formula/Expressions.h"
#include "grid/CellValues.h"
#include "grid/selection/SelectionController.h"
#include "report/CellInputOps.h"
#include "report/CellKindOps.h"

namespace cellvex {

QString ReportActions::fontName(int col, int row) const
{
    return m_report.cell(col, row) ? m_report.cellFont(col, row).name : QString();
}

int ReportActions::fontSize(int col, int row) const
{
    return m_report.cell(col, row) ? m_report.cellFont(col, row).size : 0;
}

ColorRef ReportActions::fontColor(int col, int row) const
{
    return m_report.cell(col, row) ? m_report.cellFont(col, row).color : 0;
}

bool ReportActions::fontStyle(int col, int row, int style) const
{
    if (!m_report.cell(col, row))
        return false;
    const FontAttributes &f = m_report.cellFont(col, row);
    switch (style) {
    case 0:
        return f.bold;
    case 1:
        return f.italic;
    case 2:
        return f.underline;
    case 3:
        return f.strikeOut;
    }
    return false;
}

void ReportActions::setHAlignment(int col, int row, int alignment)
{
    if (alignment >= 0 && alignment <= 2)
        m_report.setAlignment(col, row, HAlign(alignment));
}

int ReportActions::hAlignment(int col, int row) const
{
    const Cell *c = m_report.cell(col, row);
    return c ? int(c->alignment()) : -1;
}

void ReportActions::setVAlignment(int col, int row, int alignment)
{
    if (alignment >= 0 && alignment <= 2)
        m_report.setVAlignment(col, row, VAlign(alignment));
}

int ReportActions::vAlignment(int col, int row) const
{
    const Cell *c = m_report.cell(col, row);
    return c ? int(c->vAlignment()) : -1;
}

ColorRef ReportActions::backColor(int col, int row) const
{
    const Cell *c = m_report.cell(col, row);
    return c ? c->backColor() : 0;
}

bool ReportActions::multiLine(int col, int row) const
{
    const Cell *c = m_report.cell(col, row);
    return c && c->multiLine();
}

QString ReportActions::alias(int col, int row) const
{
    const Cell *c = m_report.cell(col, row);
    return c ? c->aliasName() : QString();
}

int ReportActions::appendRange(int col, int row) const
{
    const Cell *c = m_report.cell(col, row);
    return c ? c->appendRange() : -1;
}

QString ReportActions::appendString(int col, int row, int index) const
{
    const Cell *c = m_report.cell(col, row);
    return c ? c->appendString(index) : QString();
}

// --- kinds and input attributes ------------------------------------------------------------

void ReportActions::inputAttributesChanged(int col, int row)
{
    // The member finished input first; the input cell's editor is set up
    // for what the cell is now (a list shown but not dropped).
    if (col == m_report.inputCol() && row == m_report.inputRow())
        selection().prepareInput(false);
}

void ReportActions::setTextCell(int col, int row, int textLength)
{
    if (cellvex::setTextCell(m_report, col, row, textLength))
        inputAttributesChanged(col, row);
}

void ReportActions::setDropCell(int col, int row, const QString &items)
{
    if (cellvex::setDropCell(m_report, col, row, items))
        inputAttributesChanged(col, row);
}

void ReportActions::setDateTimeCell(int col, int row)
{
    if (cellvex::setDateTimeCell(m_report, col, row))
        inputAttributesChanged(col, row);
}

void ReportActions::setCheckCell(int col, int row, const QString &text)
{
    if (cellvex::setCheckCell(m_report, col, row, text))
        inputAttributesChanged(col, row);
}

void ReportActions::setButtonCell(int col, int row, const QString &name, const QString &actions)
{
    if (cellvex::setButtonCell(m_report, col, row, name, actions))
        inputAttributesChanged(col, row);
}

void ReportActions::setPicture(int col, int row, const QString &fileName, bool stretch)
{
    setCellPicture(m_report, col, row, fileName, stretch);
}

void ReportActions::setFormat(int col, int row, int formatType, const QString &formatText)
{
    if (setCellFormat(m_report, col, row, formatType, formatText))
        inputAttributesChanged(col, row);
}

void ReportActions::setIme(int col, int row, const QString &ime)
{
    if (setCellIme(m_report, col, row, ime))
        inputAttributesChanged(col, row);
}

void ReportActions::setReadOnly(int col, int row, bool on)
{
    if (setCellReadOnly(m_report, col, row, on))
        inputAttributesChanged(col, row);
}

void ReportActions::setPrintHide(int col, int row, bool on)
{
    setCellPrintHide(m_report, col, row, on);
}

void ReportActions::setNextPos(int col, int row, std::int64_t nextCol, std::int64_t nextRow)
{
    setCellNextPos(m_report, col, row, nextCol, nextRow);
}

// --- values and formulas ---------------------------------------------------------------------

void ReportActions::setCellValue(int col, int row, const QString &value)
{
    m_report.setEditing(false);
    cellvex::setCellValue(m_report, col, row, value);
}

QString ReportActions::cellValue(int col, int row) const
{
    return getCellValue(m_report, col, row);
}

void ReportActions::explainCellExpression(int col, int row)
{
    cellvex::explainCellExpression(m_report, col, row, formulaErrors());
}

void ReportActions::explainAllExpression(int mode)
{
    cellvex::explainAllExpression(m_report, mode, formulaErrors());
}

} // namespace cellvex
