#include "CellInputOps.h"

#include <algorithm>
#include <limits>

namespace cellvex {

namespace {

void changed(Report &report, int col, int row)
{
    report.setSaved(false);
    report.cellChanged(col, row, ReportChange::Value | ReportChange::Appearance);
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
    Cell *c = report.cell(col, row);
    if (!c)
        return false;
    c->setFormatType(formatType);
    c->setFormatText(formatText);
    const bool clear = formatClearsCaption(c->kind(), formatType);
    changed(report, col, row);
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
    Cell *c = report.cell(col, row);
    if (!c)
        return false;
    c->setImeName(imeName);
    changed(report, col, row);
    return true;
}

QString cellIme(const Report &report, int col, int row)
{
    const Cell *c = report.cell(col, row);
    return c ? c->imeName() : QString();
}

bool setCellReadOnly(Report &report, int col, int row, bool readOnly)
{
    Cell *c = report.cell(col, row);
    if (!c)
        return false;
    c->setReadOnly(readOnly);
    changed(report, col, row);
    return true;
}

bool cellReadOnly(const Report &report, int col, int row)
{
    const Cell *c = report.cell(col, row);
    return c && c->readOnly();
}

bool setCellPrintHide(Report &report, int col, int row, bool hide)
{
    Cell *c = report.cell(col, row);
    if (!c)
        return false;
    c->setPrintHide(hide);
    changed(report, col, row);
    return true;
}

bool cellPrintHide(const Report &report, int col, int row)
{
    const Cell *c = report.cell(col, row);
    return c && c->printHide();
}

bool setCellNextPos(Report &report, int col, int row, std::int64_t nextCol, std::int64_t nextRow)
{
    Cell *c = report.cell(col, row);
    if (!c)
        return false;
    c->setCellNext(saturate(nextCol), saturate(nextRow));
    changed(report, col, row);
    return true;
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
