#include "script/VbsScriptEngine.h"

#include "script/ScriptWatchdog.h"

namespace cellvex {

VbsScriptEngine::VbsScriptEngine(ScriptErrorHandler onError, int timeBudgetMs)
    : m_budgetMs(timeBudgetMs), m_onError(std::move(onError))
{
    m_engine.setLanguage(QStringLiteral("VBScript"));
    m_engine.setErrorHandler([this](const vbs::VbsEngine::Error &e) {
        if (!m_onError)
            return;
        // An interrupted run says why in words of the report.
        const QString description =
            m_timedOut ? QStringLiteral("脚本运行超过 %1 毫秒，已被停止").arg(m_budgetMs) : e.description;
        m_onError({e.line, e.column, description});
    });
    // Report scripts ask nothing of the user: a headless answer.
    m_engine.setMessageBoxHandler([](const QString &, int, const QString &) { return 1; });
    m_engine.setInputBoxHandler([](const QString &, const QString &, const QString &) { return QString(); });
}

template <typename F> bool VbsScriptEngine::guarded(F &&run)
{
    m_timedOut = false;
    ScriptWatchdog watchdog(m_budgetMs, [this] {
        m_timedOut = true;
        m_engine.interrupt();
    });
    return run();
}

bool VbsScriptEngine::addCode(const QString &code)
{
    return guarded([&] { return m_engine.addCode(code); });
}

bool VbsScriptEngine::evaluate(const QString &expression, QVariant &value, QString &text)
{
    return guarded([&] {
        if (!m_engine.evaluate(expression, &value))
            return false;
        QVariant joined;
        if (!m_engine.evaluate(QStringLiteral("\"\" & (") + expression + QLatin1Char(')'), &joined))
            return false;
        text = joined.toString();
        return true;
    });
}

} // namespace cellvex
