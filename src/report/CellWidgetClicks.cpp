#include "CellWidgetClicks.h"

namespace cellvex {

ButtonAnswer clickCellButton(Report &report, int col, int row)
{
    Cell *c = report.cell(col, row);
    if (!c || !c->haveWidgetPanel() || c->readOnly())
        return ButtonAnswer::None;
    if (c->kind() == CellKind::DropDown)
        return ButtonAnswer::OpenDropList;
    if (c->kind() != CellKind::Button)
        return ButtonAnswer::None;

    if (ReportListener *listener = report.listener()) {
        const std::uint64_t generation = report.generation();
        QString script = c->buttonScript();
        listener->buttonPressed(col, row, c->caption(), script);
        // The host may have rebuilt the report or changed the cell's kind.
        if (report.generation() != generation)
            return ButtonAnswer::None;
        c = report.cell(col, row);
        if (!c || c->kind() != CellKind::Button)
            return ButtonAnswer::None;
        c->setButtonScript(script);
    }
    report.setSaved(false);
    return ButtonAnswer::RunActions;
}

bool clickCheckBox(Report &report, int col, int row)
{
    const Cell *c = report.cell(col, row);
    if (!c || !c->haveCheckBox() || c->readOnly())
        return false;
    const bool checked = c->caption() == QLatin1String("1");
    report.setCellCaption(col, row, checked ? QStringLiteral("0") : QStringLiteral("1"));
    // A click the user made is a change to keep: closing must not lose it.
    report.setSaved(false);
    return true;
}

} // namespace cellvex
