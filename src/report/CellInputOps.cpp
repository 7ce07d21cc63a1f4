#include "CellInputOps.h"

#include "cells/ChartCell.h"

#include <algorithm>
#include <limits>

namespace cellvex {

namespace {

// Lets `edit` change the cell, marks the report changed and announces the
// change; false, with nothing done, outside the grid.
template <class Edit> bool changeCell(Report &report, int col, int row, Edit &&edit)
{
    Cell *c = report.cell(col, row);
    if (!c)
        return false;
    edit(*c);
    report.setSaved(false);
    report.cellChanged(col, row, ReportChange::Value | ReportChange::Appearance);
    return true;
}

// Text cells read formats 0-3 and 11, date cells format 6: switching to one of
// them empties a caption written under the old rules.
bool formatClearsCaption(CellKind kind, int formatType)
{
    switch (kind) {
    case CellKind::Text:
        return formatType == 0 || formatType == 1 || formatType == 2 || formatType == 3 || formatType == 11;
    case CellKind::Date:
        return formatType == 6;
    default:
        return false;
    }
}

// The interface reads the position back as stored + 1 in 32 bit: keep one below the top.
int saturate(std::int64_t v)
{
    return int(
        std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max() - 1));
}

} // namespace

bool setCellFormat(Report &report, int col, int row, int formatType, const QString &formatText)
{
    bool clear = false;
    const bool inside = changeCell(report, col, row, [&](Cell &c) {
        c.setFormatType(formatType);
        c.setFormatText(formatText);
        clear = formatClearsCaption(c.kind(), formatType);
    });
    if (!inside)
        return false;
    if (clear)
        report.setCellCaption(col, row, QString());
    return true;
}

bool cellFormat(const Report &report, int col, int row, int &formatType, QString &formatText)
{
    const Cell *c = report.cell(col, row);
    if (!c) {
        formatType = -1;
        formatText.clear();
        return false;
    }
    formatType = c->formatType();
    formatText = c->formatText();
    return true;
}

bool setCellIme(Report &report, int col, int row, const QString &imeName)
{
    return changeCell(report, col, row, [&](Cell &c) { c.setImeName(imeName); });
}

QString cellIme(const Report &report, int col, int row)
{
    const Cell *c = report.cell(col, row);
    return c ? c->imeName() : QString();
}

bool setCellReadOnly(Report &report, int col, int row, bool readOnly)
{
    return changeCell(report, col, row, [&](Cell &c) {
        c.setReadOnly(readOnly);
        updateChartCursors(c);
    });
}

bool cellReadOnly(const Report &report, int col, int row)
{
    const Cell *c = report.cell(col, row);
    return c && c->readOnly();
}

bool setCellPrintHide(Report &report, int col, int row, bool hide)
{
    return changeCell(report, col, row, [&](Cell &c) { c.setPrintHide(hide); });
}

bool cellPrintHide(const Report &report, int col, int row)
{
    const Cell *c = report.cell(col, row);
    return c && c->printHide();
}

bool setCellNextPos(Report &report, int col, int row, std::int64_t nextCol, std::int64_t nextRow)
{
    return changeCell(report, col, row,
                      [&](Cell &c) { c.setCellNext(saturate(nextCol), saturate(nextRow)); });
}

bool cellNextPos(const Report &report, int col, int row, int &nextCol, int &nextRow)
{
    const Cell *c = report.cell(col, row);
    if (!c) {
        nextCol = nextRow = -1;
        return false;
    }
    nextCol = c->cellNextPX();
    nextRow = c->cellNextPY();
    return true;
}

} // namespace cellvex
