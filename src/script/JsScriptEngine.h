#pragma once

#include "script/ScriptEngine.h"

#include <QJSEngine>

namespace cellvex {

// JavaScript on QJSEngine. A watchdog interrupts a call that outlives the
// time budget; a value thrown that is no Error object still counts as a
// failure (the engine reports it only through the stack trace).
class JsScriptEngine final : public ScriptEngine
{
public:
    JsScriptEngine(ScriptErrorHandler onError, int timeBudgetMs);

    bool addCode(const QString &code) override;
    bool evaluate(const QString &expression, QVariant &value, QString &text) override;

private:
    bool run(const QString &code, QJSValue &result);

    QJSEngine m_engine;
    ScriptErrorHandler m_onError;
    int m_budgetMs;
};

} // namespace cellvex
