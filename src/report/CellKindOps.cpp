#include "CellKindOps.h"

#include "cells/CellWidgets.h"
#include "cells/PictureLoader.h"
#include "report/ChartCellOps.h"

#include <QFileInfo>

namespace cellvex {

namespace {

void repaint(Report &report, int col, int row)
{
    report.cellChanged(col, row, ReportChange::Value | ReportChange::Appearance);
}

// Kind changes and pictures leave covered cells of a merged block alone.
Cell *activeCell(Report &report, int col, int row)
{
    Cell *c = report.cell(col, row);
    return c && c->sign() != MergeSign::Covered ? c : nullptr;
}

// Drops whatever widget does not belong to the kind being set. The flags are
// checked as well as the kind so that a cell read with a stray widget flag
// loses it too.
void removeForeignWidget(Cell &c, CellKind to)
{
    const CellKind from = c.kind();
    if (from == to)
        return;
    if (from == CellKind::CheckBox || c.haveCheckBox())
        removeCheckBox(c);
    if (c.haveWidgetPanel()) {
        if (from == CellKind::Button)
            removeButtonFace(c);
        else
            removeDropButton(c);
    }
    removeChartWidget(c);
}

// Sets the caption through the report, whose hooks may rebuild the matrix;
// returns the cell afterwards, or nullptr when it is gone.
Cell *setCaptionAndRefind(Report &report, int col, int row, const QString &value)
{
    const std::uint64_t generation = report.generation();
    report.setCellCaption(col, row, value);
    if (report.generation() != generation)
        return nullptr;
    return report.cell(col, row);
}

} // namespace

Cell *changeCellKind(Report &report, int col, int row, CellKind to)
{
    Cell *c = activeCell(report, col, row);
    if (!c)
        return nullptr;
    // The old widget goes and the new kind is stored before the caption is
    // cleared: a former check box would otherwise turn the empty caption into
    // "0", and the hooks must see the empty value the change leaves behind.
    removeForeignWidget(*c, to);
    c->setKind(to);
    report.setSaved(false);
    c = setCaptionAndRefind(report, col, row, QString());
    repaint(report, col, row);
    return c;
}

bool setTextCell(Report &report, int col, int row, int textLength)
{
    Cell *c = changeCellKind(report, col, row, CellKind::Text);
    if (!c)
        return false;
    c->setTextLength(textLength < 0 ? 0 : textLength);
    return true;
}

bool setDropCell(Report &report, int col, int row, const QString &listText)
{
    Cell *c = changeCellKind(report, col, row, CellKind::DropDown);
    if (!c)
        return false;
    attachDropButton(*c, listText);
    repaint(report, col, row);
    return true;
}

bool setDateTimeCell(Report &report, int col, int row)
{
    return changeCellKind(report, col, row, CellKind::Date) != nullptr;
}

bool setCheckCell(Report &report, int col, int row, const QString &checkText)
{
    Cell *c = activeCell(report, col, row);
    if (!c)
        return false;
    removeForeignWidget(*c, CellKind::CheckBox);
    c->setKind(CellKind::CheckBox);
    report.setSaved(false);
    // Unchecked from the start, also when the cell was a checked box already.
    c = setCaptionAndRefind(report, col, row, QStringLiteral("0"));
    if (!c)
        return true;
    attachCheckBox(*c, checkText);
    repaint(report, col, row);
    return true;
}

bool setButtonCell(Report &report, int col, int row, const QString &name, const QString &script)
{
    Cell *c = activeCell(report, col, row);
    if (!c)
        return false;
    removeForeignWidget(*c, CellKind::Button);
    c->setKind(CellKind::Button);
    // The name goes into the caption directly: no caption events.
    attachButtonFace(*c, name, script, c->fontId());
    report.setSaved(false);
    repaint(report, col, row);
    return true;
}

int cellType(const Report &report, int col, int row)
{
    const Cell *c = report.cell(col, row);
    return c ? int(c->kind()) : -1;
}

int cellTextLength(const Report &report, int col, int row)
{
    const Cell *c = report.cell(col, row);
    return c && c->kind() == CellKind::Text ? c->textLength() : 0;
}

QString cellDropText(const Report &report, int col, int row)
{
    const Cell *c = report.cell(col, row);
    return c && c->kind() == CellKind::DropDown ? c->dropText() : QString();
}

QString cellCheckText(const Report &report, int col, int row)
{
    const Cell *c = report.cell(col, row);
    return c ? c->checkText() : QString();
}

QString cellButtonText(const Report &report, int col, int row)
{
    // The kind of the asked cell decides, never that of the input cell.
    const Cell *c = report.cell(col, row);
    return c && c->kind() == CellKind::Button ? c->buttonScript() : QString();
}

bool setCellPicture(Report &report, int col, int row, const QString &fileName, bool stretch)
{
    if (!report.contains(col, row))
        return false;
    if (!fileName.isEmpty() && !QFileInfo(fileName).isFile())
        return false;
    Cell *c = activeCell(report, col, row);
    if (!c)
        return false;
    switch (c->kind()) {
    case CellKind::Text:
    case CellKind::DropDown:
    case CellKind::Date:
        if (fileName.isEmpty()) {
            removeCellPicture(*c);
        } else {
            // Decode first: a file that is no picture changes nothing.
            const QImage image = loadCellPicture(fileName);
            showCellPicture(*c, image, stretch);
        }
        break;
    case CellKind::Chart:
        // The chart's background; a cell whose chart was never made (it has a
        // diagonal) takes no picture.
        return setChartPicture(report, col, row, fileName, stretch);
    default:
        // Check box and button cells show no picture.
        return false;
    }
    report.setSaved(false);
    repaint(report, col, row);
    return true;
}

bool setCellPictureByAlias(Report &report, const QString &alias, const QString &fileName, bool stretch)
{
    int col = 0, row = 0;
    if (!report.findAlias(alias, col, row))
        return false;
    return setCellPicture(report, col, row, fileName, stretch);
}

} // namespace cellvex
