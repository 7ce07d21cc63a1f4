#include "script/vbscript/ErrObject.h"

#include "script/vbscript/Convert.h"
#include "script/vbscript/ScriptError.h"

namespace cellvex::vbs {

QString runtimeErrorSource()
{
    return QStringLiteral("VBScript runtime error");
}

void ErrObject::clear()
{
    number = 0;
    description.clear();
    source.clear();
    helpFile.clear();
    helpContext = 0;
}

Value ErrObject::invoke(Runtime &, const Name &member, InvokeKind kind, ArgRefs &args, const Value *assigned)
{
    const QString &key = member.key;
    auto argCount = [&](std::size_t lo, std::size_t hi) {
        if (args.size() < lo || args.size() > hi) {
            raise(err::WrongArgumentCount, member.text.isEmpty() ? QStringLiteral("Number") : member.text);
        }
    };
    if (key == QLatin1String("raise")) {
        if (kind != InvokeKind::Get) {
            raise(err::NoSuchMember, member.text);
        }
        argCount(1, 5);
        ScriptError e;
        e.number = conv::toLong(*args[0]);
        e.source = args.size() > 1 && !args[1]->isEmpty() ? conv::toString(*args[1]) : runtimeErrorSource();
        e.description =
            args.size() > 2 && !args[2]->isEmpty() ? conv::toString(*args[2]) : errorDescription(e.number);
        throw e;
    }
    if (key == QLatin1String("clear")) {
        argCount(0, 0);
        clear();
        return {};
    }
    argCount(0, 0);
    const bool get = kind == InvokeKind::Get;
    if (key.isEmpty() || key == QLatin1String("number")) {
        if (get) {
            return Value::longValue(number);
        }
        number = conv::toLong(*assigned);
        return {};
    }
    QString *text = key == QLatin1String("description") ? &description
                    : key == QLatin1String("source")    ? &source
                    : key == QLatin1String("helpfile")  ? &helpFile
                                                        : nullptr;
    if (text) {
        if (get) {
            return Value::string(*text);
        }
        *text = conv::toString(*assigned);
        return {};
    }
    if (key == QLatin1String("helpcontext")) {
        if (get) {
            return Value::longValue(helpContext);
        }
        helpContext = conv::toLong(*assigned);
        return {};
    }
    raise(err::NoSuchMember, member.text);
}

} // namespace cellvex::vbs
