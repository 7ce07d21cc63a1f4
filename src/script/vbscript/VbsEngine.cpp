#include "script/vbscript/VbsEngine.h"

#include "script/vbscript/ErrObject.h"
#include "script/vbscript/HostObjectAdapter.h"
#include "script/vbscript/HostValues.h"
#include "script/vbscript/Parser.h"
#include "script/vbscript/Runtime.h"

#include <new>

namespace cellvex::vbs {

struct VbsEngine::Impl
{
    Runtime rt;
    ErrorHandler onError;
    Error last;
    QString language = QStringLiteral("VBScript");
    qint64 budget = -1;
    int active = 0;

    void report(const ScriptError &e)
    {
        last = Error{};
        last.number = e.number;
        last.line = e.located ? e.line : 0;
        last.column = e.located ? e.column : 0;
        last.description = e.description.isEmpty() ? errorDescription(e.number) : e.description;
        last.compile = e.compile;
        last.source = e.compile            ? QStringLiteral("VBScript compilation error")
                      : e.source.isEmpty() ? runtimeErrorSource()
                                           : e.source;
        if (onError) {
            onError(last);
        }
    }

    template <class F> bool guarded(F &&f)
    {
        if (active == 0) {
            rt.setBudget(budget);
            rt.resetTicks();
        }
        ++active;
        struct Leave
        {
            Impl &d;
            ~Leave()
            {
                if (--d.active == 0) {
                    d.rt.clearInterrupt();
                }
            }
        } leave{*this};
        try {
            Runtime::Activation activation(rt);
            f();
            return true;
        } catch (const ScriptError &e) {
            report(e);
        } catch (const std::bad_alloc &) {
            ScriptError e;
            e.number = err::OutOfMemory;
            report(e);
        }
        return false;
    }
};

VbsEngine::VbsEngine() : d(std::make_unique<Impl>()) {}

VbsEngine::~VbsEngine() = default;

bool VbsEngine::setLanguage(const QString &name)
{
    if (name.compare(QLatin1String("VBScript"), Qt::CaseInsensitive) == 0 ||
        name.compare(QLatin1String("VBS"), Qt::CaseInsensitive) == 0) {
        d->language = QStringLiteral("VBScript");
        return true;
    }
    return false;
}

QString VbsEngine::language() const
{
    return d->language;
}

void VbsEngine::setErrorHandler(ErrorHandler handler)
{
    d->onError = std::move(handler);
}

void VbsEngine::setMessageBoxHandler(MessageBoxHandler handler)
{
    d->rt.messageBox = std::move(handler);
}

void VbsEngine::setInputBoxHandler(InputBoxHandler handler)
{
    d->rt.inputBox = std::move(handler);
}

void VbsEngine::setObjectFactory(ObjectFactory factory)
{
    if (!factory) {
        d->rt.createObject = nullptr;
        return;
    }
    d->rt.createObject = [f = std::move(factory)](const QString &progId) -> Value {
        VbsHostObjectPtr made = f(progId);
        return made ? HostObjectAdapter::wrap(Runtime::current(), std::move(made)) : Value();
    };
}

void VbsEngine::addObject(const QString &name, VbsHostObjectPtr object)
{
    d->rt.addNamedValue(Name::of(name), HostObjectAdapter::wrap(&d->rt, std::move(object)));
}

bool VbsEngine::addCode(const QString &code)
{
    return d->guarded([&] { d->rt.runUnit(Parser::parseProgram(code)); });
}

bool VbsEngine::evaluate(const QString &expression, QVariant *result)
{
    return d->guarded([&] {
        Value v = d->rt.evaluate(Parser::parseExpression(expression));
        if (result) {
            *result = toVariant(v);
        }
    });
}

bool VbsEngine::hasProcedure(const QString &name) const
{
    return d->rt.findProc(name.toLower()) != nullptr;
}

bool VbsEngine::call(const QString &name, QVariantList &args, QVariant *result)
{
    return d->guarded([&] {
        const ProcDef *proc = d->rt.findProc(name.toLower());
        if (!proc) {
            raise(err::SubNotDefined, name);
        }
        std::vector<Value> values;
        values.reserve(std::size_t(args.size()));
        for (const QVariant &a : args) {
            values.push_back(fromVariant(a));
        }
        ArgRefs refs;
        for (Value &v : values) {
            refs.push_back(&v);
        }
        FrameScope scope(d->rt, d->rt.globalFrame());
        Value r = d->rt.callProc(*proc, nullptr, refs);
        for (std::size_t i = 0; i < values.size(); ++i) {
            args[qsizetype(i)] = toVariant(values[i]);
        }
        if (result) {
            *result = toVariant(r);
        }
    });
}

QVariant VbsEngine::globalValue(const QString &name) const
{
    return toVariant(d->rt.globalValue(name.toLower()));
}

void VbsEngine::setInstructionBudget(qint64 steps)
{
    d->budget = steps;
}

void VbsEngine::interrupt()
{
    d->rt.interrupt();
}

const VbsEngine::Error &VbsEngine::lastError() const
{
    return d->last;
}

} // namespace cellvex::vbs
