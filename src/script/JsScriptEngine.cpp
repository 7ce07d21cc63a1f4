#include "script/JsScriptEngine.h"

#include "script/ScriptWatchdog.h"

#include <QRegularExpression>

namespace cellvex {

namespace {

// The column of a syntax error, which the engine gives only in its stack
// trace ("file:line:column:").
int columnFrom(const QStringList &stack)
{
    static const QRegularExpression place(QStringLiteral(":(\\d+):(\\d+):?$"));
    for (const QString &frame : stack) {
        const QRegularExpressionMatch m = place.match(frame);
        if (m.hasMatch())
            return m.captured(2).toInt();
    }
    return 0;
}

} // namespace

JsScriptEngine::JsScriptEngine(ScriptErrorHandler onError, int timeBudgetMs)
    : m_onError(std::move(onError)), m_budgetMs(timeBudgetMs)
{
    m_engine.installExtensions(QJSEngine::ConsoleExtension);
}

bool JsScriptEngine::run(const QString &code, QJSValue &result)
{
    QStringList stack;
    bool interrupted = false;
    {
        ScriptWatchdog watchdog(m_budgetMs, [this] { m_engine.setInterrupted(true); });
        result = m_engine.evaluate(code, QString(), 1, &stack);
        interrupted = watchdog.fired();
    }
    m_engine.setInterrupted(false);
    if (interrupted) {
        if (m_onError)
            m_onError({0, 0, QStringLiteral("脚本运行超过 %1 毫秒，已被停止").arg(m_budgetMs)});
        return false;
    }
    if (!result.isError() && stack.isEmpty())
        return true;
    ScriptError error;
    if (result.isError()) {
        error.line = result.property(QStringLiteral("lineNumber")).toInt();
        error.description = result.toString();
        if (result.property(QStringLiteral("name")).toString() == QLatin1String("SyntaxError"))
            error.column = columnFrom(stack);
    } else {
        error.description = result.toString(); // a thrown value that is no Error
    }
    if (m_onError)
        m_onError(error);
    return false;
}

bool JsScriptEngine::addCode(const QString &code)
{
    QJSValue result;
    return run(code, result);
}

bool JsScriptEngine::evaluate(const QString &expression, QVariant &value, QString &text)
{
    QJSValue result;
    if (!run(expression, result))
        return false;
    value = result.toVariant();
    text = result.toString();
    return true;
}

} // namespace cellvex
