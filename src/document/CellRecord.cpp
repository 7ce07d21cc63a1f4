#include "CellRecord.h"

#include "cells/Cell.h"

namespace cellvex {

CellRecord tableFieldsOf(const Cell &cell)
{
    CellRecord r;
    r.backColor = cell.backColor();
    r.alignment = std::int32_t(cell.alignment());
    r.vAlignment = std::int32_t(cell.vAlignment());
    r.readOnly = cell.readOnly();
    r.borders[0] = cell.borderLeft();
    r.borders[1] = cell.borderTop();
    r.borders[2] = cell.borderRight();
    r.borders[3] = cell.borderBottom();
    r.sign = std::int32_t(cell.sign());
    if (cell.sign() != MergeSign::None)
        r.bounds = cell.block();
    r.multiLine = cell.multiLine();
    r.formatType = cell.formatType();
    r.formatText = cell.formatText();
    r.textLength = cell.textLength();
    r.imeName = cell.imeName();
    r.aliasName = cell.aliasName();
    r.nextX = cell.cellNextPX();
    r.nextY = cell.cellNextPY();
    r.printHide = cell.printHide();
    r.kind = std::int32_t(cell.kind());
    switch (cell.kind()) {
    case CellKind::DropDown:
        r.dropText = cell.dropText();
        break;
    case CellKind::Chart:
        if (const CellExtension *ext = cell.extensionIfAny()) {
            r.chart = ext->chartInfo;
            r.seriesCount = std::int32_t(ext->seriesInfo.size());
        }
        break;
    case CellKind::Button:
        r.buttonScript = cell.buttonScript();
        break;
    case CellKind::CheckBox:
        r.checkText = cell.checkText();
        break;
    default:
        break;
    }
    r.diagonal = cell.diagonalType();
    r.scriptType = cell.scriptType();
    r.scriptText = cell.scriptText();
    r.expressionText = cell.expressionText();
    r.appendRange = cell.appendRange();
    return r;
}

} // namespace cellvex
