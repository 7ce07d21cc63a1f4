#include "ScriptBridge.h"

#include "automation/ErrorInfo.h"
#include "automation/EventTable.h"
#include "automation/MemberLookup.h"
#include "control/FontObject.h"

#include <QJSEngine>
#include <QTextStream>

namespace cellvex {

using namespace automation;

ScriptBridge::ScriptBridge(QJSEngine &engine, ICellvex &control, QObject *parent)
    : QObject(parent), m_engine(engine), m_control(control)
{
}

int ScriptBridge::kindOf(const QString &name) const
{
    DispId id = 0;
    if (failed(MemberLookup::instance().dispIdOfName(name, id)))
        return 0;
    for (const MemberRow *row : MemberLookup::instance().rowsOfDispId(id))
        if (row->kind != MemberKind::Method)
            return 2;
    return 1;
}

QJSValue ScriptBridge::toJs(const Variant &v)
{
    switch (v.type()) {
    case VarType::Empty:
        return QJSValue(QJSValue::UndefinedValue);
    case VarType::Long:
        return QJSValue(v.asLong());
    case VarType::Short:
        return QJSValue(int(v.asShort()));
    case VarType::Boolean:
        return QJSValue(v.asBool());
    case VarType::Double:
        return QJSValue(v.asDouble());
    case VarType::String:
        return QJSValue(v.asString());
    case VarType::Color:
        return QJSValue(double(v.asColor()));
    case VarType::Object:
        if (auto *font = dynamic_cast<FontObject *>(v.asObject())) {
            QJSEngine::setObjectOwnership(font, QJSEngine::CppOwnership);
            return m_engine.newQObject(font);
        }
        return QJSValue(QJSValue::NullValue);
    }
    return QJSValue();
}

Variant ScriptBridge::fromJs(const QJSValue &v) const
{
    if (v.isBool())
        return Variant::fromBool(v.toBool());
    if (v.isNumber()) {
        const double d = v.toNumber();
        if (d == double(std::int32_t(d)))
            return Variant::fromLong(std::int32_t(d));
        return Variant::fromDouble(d);
    }
    if (v.isString())
        return Variant::fromString(v.toString());
    if (v.isQObject())
        return Variant::fromObject(dynamic_cast<AutomationObject *>(v.toQObject()));
    if (v.isNull())
        return Variant::fromObject(nullptr);
    return Variant();
}

QJSValue ScriptBridge::invoke(const QString &name, std::uint16_t flags, std::vector<Variant> &args,
                              const MemberRow *row)
{
    Variant result;
    std::uint32_t argError = 0;
    const HResult hr = m_control.Invoke(row->dispId, 0x409, flags, args, &result, &argError);
    if (failed(hr)) {
        const ErrorInfo info = ErrorInfo::last();
        const QString message =
            info.description().isEmpty()
                ? QStringLiteral("%1 failed (0x%2)").arg(name).arg(std::uint32_t(hr), 8, 16, QLatin1Char('0'))
                : info.description();
        m_engine.throwError(QJSValue::GenericError, message);
        return QJSValue();
    }
    // Members with out arguments hand back their final out and in/out values.
    QJSValueList outs;
    const auto a = row->args();
    for (size_t k = 0; k < a.size(); ++k)
        if (a[k].direction != Direction::In)
            outs.append(toJs(args[k]));
    if (outs.isEmpty())
        return toJs(result);
    if (row->hasResult())
        outs.prepend(toJs(result));
    QJSValue array = m_engine.newArray(uint(outs.size()));
    for (int i = 0; i < outs.size(); ++i)
        array.setProperty(quint32(i), outs[i]);
    return array;
}

QJSValue ScriptBridge::call(const QString &name, const QJSValue &jsArgs)
{
    DispId id = 0;
    if (failed(MemberLookup::instance().dispIdOfName(name, id))) {
        m_engine.throwError(QJSValue::TypeError, QStringLiteral("Cellvex has no member %1").arg(name));
        return QJSValue();
    }
    const MemberRow *row = MemberLookup::instance().resolve(id, DISPATCH_METHOD | DISPATCH_PROPERTYGET);
    if (!row) {
        m_engine.throwError(QJSValue::TypeError, QStringLiteral("%1 cannot be called").arg(name));
        return QJSValue();
    }
    // The script passes in and in/out arguments only; out ones are filled in here.
    std::vector<Variant> args;
    const int given = jsArgs.property(QStringLiteral("length")).toInt();
    int next = 0;
    for (const ArgInfo &a : row->args()) {
        if (a.direction == Direction::Out)
            args.emplace_back();
        else if (next < given)
            args.push_back(fromJs(jsArgs.property(quint32(next++))));
        else {
            // A missing argument is not an empty one: the call goes to the
            // boundary short, which refuses it with the bad-count error. An
            // explicit undefined still passes as an empty value.
            ++next;
            break;
        }
    }
    if (given > next) {
        m_engine.throwError(QJSValue::RangeError,
                            QStringLiteral("%1 takes %2 arguments, %3 given").arg(name).arg(next).arg(given));
        return QJSValue();
    }
    return invoke(name, DISPATCH_METHOD | DISPATCH_PROPERTYGET, args, row);
}

QJSValue ScriptBridge::get(const QString &name)
{
    DispId id = 0;
    const MemberRow *row = nullptr;
    if (succeeded(MemberLookup::instance().dispIdOfName(name, id)))
        row = MemberLookup::instance().resolve(id, DISPATCH_PROPERTYGET);
    if (!row || row->kind != MemberKind::PropGet) {
        m_engine.throwError(QJSValue::TypeError, QStringLiteral("%1 cannot be read").arg(name));
        return QJSValue();
    }
    std::vector<Variant> args;
    return invoke(name, DISPATCH_PROPERTYGET, args, row);
}

void ScriptBridge::set(const QString &name, const QJSValue &value)
{
    DispId id = 0;
    const MemberRow *row = nullptr;
    if (succeeded(MemberLookup::instance().dispIdOfName(name, id)))
        row = MemberLookup::instance().resolve(id, DISPATCH_PROPERTYPUT);
    if (!row) {
        m_engine.throwError(QJSValue::TypeError, QStringLiteral("%1 cannot be written").arg(name));
        return;
    }
    std::vector<Variant> args{fromJs(value)};
    invoke(name, DISPATCH_PROPERTYPUT, args, row);
}

HResult ScriptEventSink::Invoke(DispId dispId, std::vector<Variant> &args)
{
    const EventRow *event = findEvent(dispId);
    if (!event)
        return DISP_E_MEMBERNOTFOUND;
    const QString handlerName =
        QStringLiteral("Cellvex_") + QString::fromLatin1(event->name.data(), qsizetype(event->name.size()));
    QJSValue handler = m_engine.globalObject().property(handlerName);
    if (!handler.isCallable())
        return S_OK;
    QJSValueList jsArgs;
    for (const Variant &v : args)
        jsArgs.append(m_bridge.toJs(v));
    const QJSValue ret = handler.call(jsArgs);
    if (ret.isError()) {
        QTextStream(stderr) << handlerName << ": " << ret.toString() << "\n";
        return E_FAIL;
    }
    if (!ret.isUndefined()) {
        const auto a = event->args();
        for (size_t k = 0; k < a.size() && k < args.size(); ++k)
            if (a[k].direction == Direction::InOut)
                args[k] = m_bridge.fromJs(ret);
    }
    return S_OK;
}

} // namespace cellvex
