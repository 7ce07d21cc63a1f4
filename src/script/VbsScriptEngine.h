#pragma once

#include "script/ScriptEngine.h"
#include "script/vbscript/VbsEngine.h"

#include <atomic>

namespace cellvex {

// VBScript on our own engine, stopped by the same time budget as
// JavaScript. Values turn into text as VBScript's "&" turns them (Null and
// Empty give an empty text).
class VbsScriptEngine final : public ScriptEngine
{
public:
    VbsScriptEngine(ScriptErrorHandler onError, int timeBudgetMs);

    bool addCode(const QString &code) override;
    bool evaluate(const QString &expression, QVariant &value, QString &text) override;

private:
    template <typename F> bool guarded(F &&run);

    vbs::VbsEngine m_engine;
    int m_budgetMs;
    std::atomic<bool> m_timedOut{false}; // set by the watchdog thread
    ScriptErrorHandler m_onError;
};

} // namespace cellvex
