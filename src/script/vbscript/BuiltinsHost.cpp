#include "script/vbscript/Builtins.h"
#include "script/vbscript/Convert.h"
#include "script/vbscript/DictionaryObject.h"
#include "script/vbscript/Parser.h"
#include "script/vbscript/ProcRefObject.h"
#include "script/vbscript/Runtime.h"

namespace cellvex::vbs {

namespace {

using Args = std::vector<Value>;

struct Nesting
{
    Runtime &rt;
    explicit Nesting(Runtime &r) : rt(r) { rt.pushDepth(); }
    ~Nesting() { rt.popDepth(); }
};

QString source(const Value &v)
{
    return conv::toStringOrEmpty(v);
}

// Code given to Execute or Eval at run time reports its own compile errors
// as runtime errors of the calling statement.
template <class F> auto compiling(F &&f)
{
    try {
        return f();
    } catch (ScriptError &e) {
        if (e.compile) {
            e.located = false;
            e.compile = false;
        }
        throw;
    }
}

} // namespace

void addHostBuiltins(std::vector<Builtin> &out)
{
    out.push_back({"MsgBox",
                   1,
                   5,
                   [](Runtime &rt, Args &a) -> Value {
                       QString prompt = source(a[0]);
                       int buttons = arg::given(a, 1) ? conv::toLong(a[1]) : 0;
                       QString title = a.size() > 2 ? source(a[2]) : QString();
                       int answer = rt.messageBox ? rt.messageBox(prompt, buttons, title) : 1;
                       return Value::integer(std::int16_t(answer));
                   },
                   {}});
    out.push_back({"InputBox",
                   1,
                   7,
                   [](Runtime &rt, Args &a) -> Value {
                       QString prompt = source(a[0]);
                       QString title = a.size() > 1 ? source(a[1]) : QString();
                       QString def = a.size() > 2 ? source(a[2]) : QString();
                       return Value::string(rt.inputBox ? rt.inputBox(prompt, title, def) : QString());
                   },
                   {}});
    out.push_back({"CreateObject",
                   1,
                   2,
                   [](Runtime &rt, Args &a) -> Value {
                       QString progId = conv::toString(a[0]);
                       if (progId.compare(QLatin1String("Scripting.Dictionary"), Qt::CaseInsensitive) == 0) {
                           return Value::object(new DictionaryObject);
                       }
                       Value made = rt.createObject ? rt.createObject(progId) : Value();
                       if (!made.isObject()) {
                           raise(err::CannotCreateObject, progId);
                       }
                       return made;
                   },
                   {}});
    out.push_back({"GetObject",
                   0,
                   2,
                   [](Runtime &, Args &a) -> Value {
                       raise(err::CannotCreateObject, a.empty() ? QString() : source(a[0]));
                   },
                   {}});
    out.push_back({"Eval",
                   1,
                   1,
                   [](Runtime &rt, Args &a) -> Value {
                       Nesting n(rt);
                       QString code = conv::toString(a[0]);
                       bool dynamic = &rt.frame() != &rt.globalFrame();
                       auto unit = compiling([&] { return Parser::parseExpression(code, dynamic); });
                       return unit->expression->eval(rt);
                   },
                   {}});
    out.push_back({"Execute",
                   1,
                   1,
                   [](Runtime &rt, Args &a) -> Value {
                       Nesting n(rt);
                       QString code = conv::toString(a[0]);
                       bool dynamic = &rt.frame() != &rt.globalFrame();
                       rt.executeHere(compiling([&] { return Parser::parseProgram(code, dynamic); }));
                       return {};
                   },
                   {}});
    out.push_back({"ExecuteGlobal",
                   1,
                   1,
                   [](Runtime &rt, Args &a) -> Value {
                       Nesting n(rt);
                       QString code = conv::toString(a[0]);
                       rt.runUnit(compiling([&] { return Parser::parseProgram(code, false); }));
                       return {};
                   },
                   {}});
    out.push_back({"GetRef",
                   1,
                   1,
                   [](Runtime &rt, Args &a) -> Value {
                       QString name = conv::toString(a[0]);
                       const ProcDef *proc = rt.findProc(name.toLower());
                       if (!proc) {
                           raise(err::InvalidCall);
                       }
                       return Value::object(new ProcRefObject(*proc));
                   },
                   {}});
    out.push_back({"Err", 0, 0, [](Runtime &rt, Args &) { return rt.errValue(); }, {}});
    out.push_back({"ScriptEngine",
                   0,
                   0,
                   [](Runtime &, Args &) { return Value::string(QStringLiteral("VBScript")); },
                   {}});
    out.push_back(
        {"ScriptEngineMajorVersion", 0, 0, [](Runtime &, Args &) { return Value::longValue(5); }, {}});
    out.push_back(
        {"ScriptEngineMinorVersion", 0, 0, [](Runtime &, Args &) { return Value::longValue(8); }, {}});
    out.push_back(
        {"ScriptEngineBuildVersion", 0, 0, [](Runtime &, Args &) { return Value::longValue(1); }, {}});
    out.push_back({"RGB",
                   3,
                   3,
                   [](Runtime &, Args &a) -> Value {
                       auto c = [](const Value &v) {
                           std::int32_t n = conv::toLong(v);
                           if (n < 0) {
                               raise(err::InvalidCall);
                           }
                           return std::min(n, 255);
                       };
                       return Value::longValue(c(a[0]) + c(a[1]) * 256 + c(a[2]) * 65536);
                   },
                   {}});
}

} // namespace cellvex::vbs
