// The script editor over a cell's script or the init script: what it shows,
// its test runs in the live report, and what OK and Cancel leave behind.
#include "control/ReportActions.h"

#include "common/ReportError.h"
#include "control/dialogs/ScriptEditorDialog.h"
#include "grid/ValueAssignment.h"
#include "print/dialogs/DialogRunner.h"
#include "report/ScriptsOff.h"
#include "script/CellScriptRun.h"

#include <QDialog>

namespace cellvex {

namespace {

struct EditorResult
{
    bool accepted = false;
    bool executed = false;
    QString language;
    QString text;
};

// Shows the editor on a stored script; its test runs are runs of the script
// of (col, row). Only one editor is open at a time: a host handler that asks
// for another while a test run raises events gets an error instead.
EditorResult showEditor(ReportActions &actions, bool &editorOpen, int col, int row, const QString &language,
                        const QString &text)
{
    if (editorOpen)
        throw ReportError(QStringLiteral("脚本编辑器已经打开"));
    editorOpen = true;
    struct Closed
    {
        bool &open;
        ~Closed() { open = false; }
    } closed{editorOpen};

    ScriptEditorDialog dialog(
        [&actions, col, row](const QString &t, const QString &l, const ScriptErrorHandler &engineErrors) {
            return actions.testRunScript(col, row, t, l, engineErrors);
        },
        &actions.frame().formWidget());
    if (!language.isEmpty() || !text.isEmpty())
        dialog.load(language, text);
    EditorResult result;
    result.accepted = actions.frame().dialogRunner().exec(dialog) == QDialog::Accepted;
    result.executed = dialog.executed();
    result.language = dialog.language();
    result.text = dialog.scriptText();
    return result;
}

// A host handler may rebuild the report while a test run raises its events:
// the script then has no cells (or report) left to go to.
void requireSameReport(const Report &report, std::uint64_t generation)
{
    if (report.generation() != generation)
        throw ReportError(QStringLiteral("脚本编辑器打开时报表已被替换，脚本未保存"));
}

} // namespace

void ReportActions::editCellScript()
{
    if (!m_report.hasSelection())
        return;
    const QRect range = m_report.selection();
    int col = m_report.inputCol(), row = m_report.inputRow();
    if (!m_report.contains(col, row)) {
        col = range.left();
        row = range.top();
    }
    QString language, text;
    cellScript(false, col, row, language, text);
    const std::uint64_t generation = m_report.generation();
    const EditorResult edited = showEditor(*this, m_scriptEditorOpen, col, row, language, text);
    // A test run may have changed cells, whatever the dialog ended with.
    if (edited.executed)
        m_report.setSaved(false);
    if (!edited.accepted)
        return;
    requireSameReport(m_report, generation);
    const bool keep = !edited.text.trimmed().isEmpty();
    for (int c = range.left(); c <= range.right(); ++c) {
        for (int r = range.top(); r <= range.bottom(); ++r) {
            Cell *cell = m_report.cell(c, r);
            if (!cell)
                continue;
            cell->setScriptType(keep ? edited.language : QString());
            cell->setScriptText(keep ? edited.text : QString());
        }
    }
    m_report.setSaved(false);
}

void ReportActions::editInitScript()
{
    m_report.setEditing(false);
    const std::uint64_t generation = m_report.generation();
    // A test run stands where the init script runs: at no cell.
    const EditorResult edited = showEditor(*this, m_scriptEditorOpen, -1, -1, m_report.initialScriptType(),
                                           m_report.initialScriptText());
    if (!edited.accepted)
        return;
    requireSameReport(m_report, generation);
    if (edited.text.trimmed().isEmpty())
        m_report.setInitialScript(QString(), QString());
    else
        m_report.setInitialScript(edited.language, edited.text);
    m_report.setSaved(false);
}

QString ReportActions::testRunScript(int col, int row, const QString &text, const QString &language,
                                     const ScriptErrorHandler &engineErrors)
{
    // Cells the run changes must not start their own scripts, and the
    // setting comes back however the run ends.
    const ScriptsOff off(m_report);
    CellScriptHooks hooks;
    hooks.assign = [this](int c, int r, const QString &value) { assignCellValue(m_report, c, r, value); };
    hooks.pressButton = [this](int c, int r) { runButtonActions(c, r); };
    bool engineReported = false;
    hooks.engineError = [&](const ScriptError &e) {
        engineReported = true;
        if (engineErrors)
            engineErrors(e);
    };
    const CellScriptOutcome outcome = runCellScript(m_report, col, row, text, language, hooks);
    switch (outcome.kind) {
    case CellScriptOutcome::Ran:
    case CellScriptOutcome::Nothing:
        return {};
    case CellScriptOutcome::PreparationFailed:
        return outcome.message;
    case CellScriptOutcome::Failed:
        return engineReported ? QString() : outcome.message;
    case CellScriptOutcome::TooDeep:
        return QStringLiteral("脚本互相调用超过了 %1 层，已停止").arg(Report::kMaxChainDepth);
    }
    return {};
}

} // namespace cellvex
