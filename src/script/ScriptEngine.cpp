#include "script/ScriptEngine.h"

#include "script/JsScriptEngine.h"
#include "script/VbsScriptEngine.h"

namespace cellvex {

std::unique_ptr<ScriptEngine> createScriptEngine(const QString &language, ScriptErrorHandler onError,
                                                 int timeBudgetMs)
{
    const QString name = language.toUpper(); // the name as stored, in any letter case
    if (name == QLatin1String("JAVASCRIPT") || name == QLatin1String("JSCRIPT"))
        return std::make_unique<JsScriptEngine>(std::move(onError), timeBudgetMs);
    if (name == QLatin1String("VBSCRIPT"))
        return std::make_unique<VbsScriptEngine>(std::move(onError), timeBudgetMs);
    return nullptr;
}

} // namespace cellvex
