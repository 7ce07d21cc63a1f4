#include "script/JsScriptEngine.h"

#include <QRegularExpression>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace cellvex {

namespace {

// Interrupts the engine when the call it guards outlives the budget.
class Watchdog
{
public:
    Watchdog(QJSEngine &engine, int budgetMs)
        : m_thread([this, &engine, budgetMs] {
              std::unique_lock<std::mutex> lock(m_mutex);
              if (!m_done.wait_for(lock, std::chrono::milliseconds(budgetMs),
                                   [this] { return m_finished; })) {
                  engine.setInterrupted(true);
                  m_fired = true;
              }
          })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_all();
        m_thread.join();
    }
    bool fired()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_fired;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    bool m_fired = false;
    std::thread m_thread;
};

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
        Watchdog watchdog(m_engine, m_budgetMs);
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
