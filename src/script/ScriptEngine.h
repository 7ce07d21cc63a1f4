#pragma once

#include <QString>
#include <QVariant>

#include <functional>
#include <memory>

namespace cellvex {

// A compile or runtime error of a script, where the engine found it
// (1-based; 0 when it cannot tell).
struct ScriptError
{
    int line = 0;
    int column = 0;
    QString description;
};
using ScriptErrorHandler = std::function<void(const ScriptError &)>;

// One script engine for one run: the code is added (its global statements
// run at once), then expressions are evaluated against what it left. Every
// failure reaches the error handler before the failing call returns false.
class ScriptEngine
{
public:
    virtual ~ScriptEngine() = default;

    virtual bool addCode(const QString &code) = 0;
    // The value, and its text by the engine's own rules of turning a value
    // into a string.
    virtual bool evaluate(const QString &expression, QVariant &value, QString &text) = 0;
};

// How long one addCode or evaluate may run before the engine stops it with
// an error: a script that never ends must not hang the application. A
// build that runs scripts by the thousand (the fuzzer) may set it lower.
#ifndef CELLVEX_SCRIPT_TIME_BUDGET_MS
#define CELLVEX_SCRIPT_TIME_BUDGET_MS 10000
#endif
constexpr int kScriptTimeBudgetMs = CELLVEX_SCRIPT_TIME_BUDGET_MS;

// A fresh engine for a language named as the report stores it, in any
// letter case: "JAVASCRIPT" or "JSCRIPT", "VBSCRIPT". nullptr for a
// language no engine here speaks.
std::unique_ptr<ScriptEngine> createScriptEngine(const QString &language, ScriptErrorHandler onError,
                                                 int timeBudgetMs = kScriptTimeBudgetMs);

} // namespace cellvex
