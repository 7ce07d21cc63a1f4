#include "script/CellScriptRun.h"

#include "report/HostCallScope.h"
#include "script/CellScriptPreparation.h"

#include <vector>

namespace cellvex {

namespace {

bool isOne(const QVariant &value)
{
    bool ok = false;
    const double v = value.toDouble(&ok);
    return ok && v == 1;
}

} // namespace

CellScriptOutcome runCellScript(Report &report, int col, int row, const QString &text,
                                const QString &language, const CellScriptHooks &hooks, int timeBudgetMs)
{
    const PreparedScript prepared = prepareCellScript(report, col, row, text, language);
    if (prepared.empty)
        return {CellScriptOutcome::Nothing, {}};
    if (!prepared.error.isEmpty())
        return {CellScriptOutcome::PreparationFailed, prepared.error};

    // A script whose values start other scripts is one step of a chain.
    HostCallScope scope(report);
    if (!scope.entered())
        return {CellScriptOutcome::TooDeep, {}};

    const auto onError = [&](const ScriptError &e) {
        if (!hooks.engineError)
            return;
        ScriptError mapped = e;
        if (e.line > 0)
            mapped.line = prepared.sourceLine(e.line);
        hooks.engineError(mapped);
    };
    std::unique_ptr<ScriptEngine> engine = createScriptEngine(language, onError, timeBudgetMs);
    if (!engine) {
        const QString message = QStringLiteral("不支持的脚本语言：%1").arg(language);
        onError({0, 0, message});
        return {CellScriptOutcome::Failed, message};
    }
    if (!engine->addCode(prepared.text()))
        return {CellScriptOutcome::Failed, {}};

    // Everything is read before anything is done, so that a failing read
    // leaves the report as the script found it.
    struct Assignment
    {
        int col, row;
        QString value;
    };
    std::vector<Assignment> assignments;
    QVariant value;
    QString valueText;
    for (size_t k = 0; k < prepared.setCells.size(); ++k) {
        if (!engine->evaluate(QStringLiteral("execute%1").arg(k + 1), value, valueText))
            return {CellScriptOutcome::Failed, {}};
        if (!isOne(value))
            continue;
        if (!engine->evaluate(QStringLiteral("result%1").arg(k + 1), value, valueText))
            return {CellScriptOutcome::Failed, {}};
        assignments.push_back({prepared.setCells[k].col, prepared.setCells[k].row, valueText});
    }
    std::vector<ButtonRequest> presses;
    for (size_t j = 0; j < prepared.buttons.size(); ++j) {
        if (!engine->evaluate(QStringLiteral("executebtn%1").arg(j + 1), value, valueText))
            return {CellScriptOutcome::Failed, {}};
        if (isOne(value))
            presses.push_back(prepared.buttons[j]);
    }
    engine.reset();

    for (const Assignment &a : assignments) {
        if (scope.reportReplaced())
            return {CellScriptOutcome::Ran, {}};
        if (report.contains(a.col, a.row) && hooks.assign)
            hooks.assign(a.col, a.row, a.value);
    }
    for (const ButtonRequest &b : presses) {
        if (scope.reportReplaced())
            return {CellScriptOutcome::Ran, {}};
        if (report.contains(b.col, b.row) && hooks.pressButton)
            hooks.pressButton(b.col, b.row);
    }
    return {CellScriptOutcome::Ran, {}};
}

} // namespace cellvex
