#include "grid/ValueAssignment.h"

#include "cells/CellWidgets.h"
#include "grid/SystemDateFormat.h"
#include "grid/ValueRules.h"
#include "report/Report.h"

namespace cellvex {

namespace {

void setCaptionIfChanged(Report &report, int col, int row, const Cell &cell, const QString &text)
{
    if (cell.caption() != text)
        report.setCellCaption(col, row, text);
}

// The cell's format text read in place: a copy would touch the text's shared
// data once more for every assignment.
const QString &formatTextOf(const Cell &cell)
{
    static const QString none;
    const CellExtension *ext = cell.extensionIfAny();
    return ext ? ext->formatText : none;
}

} // namespace

void assignCellValue(Report &report, int col, int row, const QString &text)
{
    Cell *cell = report.cell(col, row);
    if (!cell)
        return;
    // The report paints its cells in one fixed order (picture, text, borders,
    // widgets), so the stacking that a border refresh restores needs no step here.
    switch (cell->kind()) {
    case CellKind::Text: {
        const std::optional<QString> caption =
            textCellCaption(cell->formatType(), formatTextOf(*cell), cell->textLength(), text);
        if (caption)
            setCaptionIfChanged(report, col, row, *cell, *caption);
        break;
    }
    case CellKind::DropDown:
        if (dropListHasItem(cell->dropText(), text))
            report.setCellCaption(col, row, text);
        break;
    case CellKind::Date: {
        const std::optional<QString> caption = dateCellCaption(cell->formatType(), formatTextOf(*cell),
                                                               cell->caption(), text, systemDateFormat());
        if (caption)
            setCaptionIfChanged(report, col, row, *cell, *caption);
        break;
    }
    case CellKind::Button:
        // The value renames the button, which writes the caption directly
        // (no change hooks) and keeps the action list.
        attachButtonFace(*cell, text, cell->buttonScript(), cell->fontId());
        report.cellChanged(col, row, ReportChange::Value);
        break;
    case CellKind::CheckBox:
        setCaptionIfChanged(report, col, row, *cell,
                            text == QLatin1String("1") ? QStringLiteral("1") : QStringLiteral("0"));
        break;
    case CellKind::Chart:
        break;
    }
}

} // namespace cellvex
