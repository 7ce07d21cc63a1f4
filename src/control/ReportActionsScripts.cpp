// Cell scripts and the init script: storing them, and running them after a
// value change, when the host asks, and from action lists. A run's SetCell
// values take the one assignment path, so they run their cells' scripts in
// turn (bounded by the report's chain limit).
#include "control/ReportActions.h"

#include "control/EventRaiser.h"
#include "formula/FormulaRecalculation.h"
#include "grid/ValueAssignment.h"
#include "script/ButtonActions.h"
#include "script/CellScriptRun.h"

namespace cellvex {

namespace {

// "脚本错误，第" row "行，第" column "列，" what: the numbers as given.
QString scriptError(int row, int col, const QString &what)
{
    return QStringLiteral("脚本错误，第%1行，第%2列，%3").arg(row).arg(col).arg(what);
}

} // namespace

void ReportActions::setCellScript(bool init, int col, int row, const QString &type, const QString &text)
{
    if (init) {
        m_report.setInitialScript(type, text);
    } else {
        Cell *c = m_report.cell(col, row);
        if (!c)
            return;
        c->setScriptType(type);
        c->setScriptText(text);
    }
    m_report.setSaved(false);
}

void ReportActions::cellScript(bool init, int col, int row, QString &type, QString &text) const
{
    if (init) {
        type = m_report.initialScriptType();
        text = m_report.initialScriptText();
        return;
    }
    const Cell *c = m_report.cell(col, row);
    type = c ? c->scriptType() : QString();
    text = c ? c->scriptText() : QString();
}

void ReportActions::explainCellScript(int col, int row)
{
    m_report.setEditing(false);
    const Cell *c = m_report.cell(col, row);
    if (!c)
        return;
    const QString text = c->scriptText(), language = c->scriptType();
    m_report.setSaved(false);
    runCellScriptOf(col, row, text, language);
}

void ReportActions::runScriptAfterChange(int col, int row)
{
    if (!m_report.scriptsEnabled())
        return;
    // The flag sits beside the cell's kind and caption, which the change has
    // just read: cells without a script cost no look at their extension.
    const Cell *c = m_report.cell(col, row);
    if (!c || !c->hasScript())
        return;
    runCellScriptOf(col, row, c->scriptText(), c->scriptType());
}

void ReportActions::runCellScriptOf(int col, int row, const QString &text, const QString &language)
{
    CellScriptHooks hooks;
    hooks.assign = [this](int c, int r, const QString &value) { assignCellValue(m_report, c, r, value); };
    hooks.pressButton = [this](int c, int r) { runButtonActions(c, r); };
    QString failure;
    hooks.engineError = [this, &failure](const ScriptError &e) {
        failure = e.description;
        m_events.error(scriptError(e.line, e.column, e.description));
        // The control's general failure report must not say it again.
        m_suppressControlError = true;
    };
    // The init script stands at (-1, -1): its messages say so, no 1 added.
    const int shownRow = row < 0 ? row : row + 1, shownCol = col < 0 ? col : col + 1;
    // At the chain's limit no event can be raised either: the run that
    // started the chain reports it once the chain has unwound.
    ++m_scriptDepth;
    CellScriptOutcome outcome;
    try {
        outcome = runCellScript(m_report, col, row, text, language, hooks);
    } catch (...) {
        if (--m_scriptDepth == 0)
            m_chainStopped = false;
        throw;
    }
    if (outcome.kind == CellScriptOutcome::TooDeep)
        m_chainStopped = true;
    if (--m_scriptDepth == 0 && m_chainStopped) {
        m_chainStopped = false;
        m_events.error(
            scriptError(shownRow, shownCol,
                        QStringLiteral("脚本互相调用超过了 %1 层，已停止").arg(Report::kMaxChainDepth)));
    }
    switch (outcome.kind) {
    case CellScriptOutcome::Ran:
    case CellScriptOutcome::Nothing:
    case CellScriptOutcome::TooDeep:
        return;
    case CellScriptOutcome::PreparationFailed:
        m_events.error(scriptError(shownRow, shownCol, outcome.message));
        return;
    case CellScriptOutcome::Failed:
        throw ReportError(failure.isEmpty() ? outcome.message : failure);
    }
}

void ReportActions::runButtonActions(int col, int row)
{
    ButtonActionHooks hooks;
    hooks.runScript = [this](int c, int r) {
        const Cell *cell = m_report.cell(c, r);
        if (!m_report.scriptsEnabled() || !cell || cell->scriptType().isEmpty() ||
            cell->scriptText().isEmpty())
            return;
        runCellScriptOf(c, r, cell->scriptText(), cell->scriptType());
    };
    hooks.explainAll = [this](int order) { explainAll(m_report, order, formulaErrors()); };
    hooks.explainCell = [this](int c, int r) { explainCell(m_report, c, r, formulaErrors()); };
    hooks.shell = m_fileShell.get();
    cellvex::runButtonActions(m_report, col, row, hooks);
}

} // namespace cellvex
