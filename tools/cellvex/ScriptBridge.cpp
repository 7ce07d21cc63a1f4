#include "ScriptBridge.h"

#include "MemberFailure.h"

#include "automation/EventTable.h"
#include "automation/MemberLookup.h"
#include "control/FontObject.h"

#include <QJSEngine>
#include <QTextStream>

#include <array>

namespace cellvex {

using namespace automation;

static_assert(MemberRow::kMaxArgs == 8, "the bridge has a call<N> for every argument count up to the widest");

namespace {

// JavaScript numbers that are whole and fit a Long cross as Long, as a
// late-bound client passes them; the rest as Double.
Variant fromNumber(double d)
{
    if (d == double(std::int32_t(d)))
        return Variant::fromLong(std::int32_t(d));
    return Variant::fromDouble(d);
}

} // namespace

ScriptBridge::ScriptBridge(QJSEngine &engine, ICellvex &control, QObject *parent)
    : QObject(parent), m_engine(engine), m_control(control)
{
}

QVariantList ScriptBridge::bind(const QString &name)
{
    int handle = m_handleOfName.value(name, -1);
    if (handle < 0) {
        Binding b;
        b.name = name;
        const MemberLookup &lookup = MemberLookup::instance();
        if (succeeded(lookup.dispIdOfName(name, b.dispId))) {
            b.kind = 1;
            for (const MemberRow *row : lookup.rowsOfDispId(b.dispId))
                if (row->kind != MemberKind::Method)
                    b.kind = 2;
            b.callRow = lookup.resolve(b.dispId, DISPATCH_METHOD | DISPATCH_PROPERTYGET);
            b.getRow = lookup.resolve(b.dispId, DISPATCH_PROPERTYGET);
            if (b.getRow && b.getRow->kind != MemberKind::PropGet)
                b.getRow = nullptr;
            b.putRow = lookup.resolve(b.dispId, DISPATCH_PROPERTYPUT);
        }
        handle = int(m_bindings.size());
        m_bindings.push_back(std::move(b));
        m_handleOfName.insert(name, handle);
    }
    const Binding &b = m_bindings[size_t(handle)];
    int count = 0;
    if (b.callRow)
        for (const ArgInfo &a : b.callRow->args())
            count += a.direction != Direction::Out;
    return {handle, b.kind, count};
}

const ScriptBridge::Binding *ScriptBridge::binding(int handle) const
{
    if (handle < 0 || size_t(handle) >= m_bindings.size())
        return nullptr;
    return &m_bindings[size_t(handle)];
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
    if (v.isNumber())
        return fromNumber(v.toNumber());
    if (v.isString())
        return Variant::fromString(v.toString());
    if (v.isQObject())
        return Variant::fromObject(dynamic_cast<AutomationObject *>(v.toQObject()));
    if (v.isNull())
        return Variant::fromObject(nullptr);
    return Variant();
}

// The engine turns an invalid QVariant into undefined, a null pointer into
// null, a QObject into its wrapper and a QVariantList into an Array.
QVariant ScriptBridge::toVariant(const Variant &v)
{
    switch (v.type()) {
    case VarType::Empty:
        return QVariant();
    case VarType::Long:
        return QVariant(int(v.asLong()));
    case VarType::Short:
        return QVariant(int(v.asShort()));
    case VarType::Boolean:
        return QVariant(v.asBool());
    case VarType::Double:
        return QVariant(v.asDouble());
    case VarType::String:
        return QVariant(v.asString());
    case VarType::Color:
        return QVariant(double(v.asColor()));
    case VarType::Object:
        if (auto *font = dynamic_cast<FontObject *>(v.asObject())) {
            QJSEngine::setObjectOwnership(font, QJSEngine::CppOwnership);
            return QVariant::fromValue<QObject *>(font);
        }
        return QVariant::fromValue(nullptr);
    }
    return QVariant();
}

// The engine hands undefined over as an invalid QVariant, null as a null
// pointer; objects, arrays and functions pass as empty, as they always have.
Variant ScriptBridge::fromVariant(const QVariant &v)
{
    switch (v.metaType().id()) {
    case QMetaType::UnknownType:
        return Variant();
    case QMetaType::Nullptr:
        return Variant::fromObject(nullptr);
    case QMetaType::Bool:
        return Variant::fromBool(v.toBool());
    case QMetaType::Int:
        return Variant::fromLong(v.toInt());
    case QMetaType::Double:
        return fromNumber(v.toDouble());
    case QMetaType::QString:
        return Variant::fromString(v.toString());
    default:
        if (v.metaType().flags() & QMetaType::PointerToQObject)
            return Variant::fromObject(dynamic_cast<AutomationObject *>(v.value<QObject *>()));
        return Variant();
    }
}

QVariant ScriptBridge::invoke(const Binding &b, std::uint16_t flags, std::vector<Variant> &args,
                              const MemberRow &row)
{
    Variant result;
    std::uint32_t argError = 0;
    const HResult hr = m_control.Invoke(b.dispId, 0x409, flags, args, &result, &argError);
    if (failed(hr)) {
        m_engine.throwError(QJSValue::GenericError, memberFailureText(b.name, hr));
        return QVariant();
    }
    // Members with out arguments hand back their final out and in/out values.
    QVariantList outs;
    const auto a = row.args();
    for (size_t k = 0; k < a.size(); ++k)
        if (a[k].direction != Direction::In)
            outs.append(toVariant(args[k]));
    if (outs.isEmpty())
        return toVariant(result);
    if (row.hasResult())
        outs.prepend(toVariant(result));
    return outs;
}

QVariant ScriptBridge::call(int handle, std::span<const QVariant *const> given)
{
    const Binding *b = binding(handle);
    if (!b || b->kind == 0) {
        m_engine.throwError(QJSValue::TypeError,
                            QStringLiteral("Cellvex has no member %1").arg(b ? b->name : QString()));
        return QVariant();
    }
    if (!b->callRow) {
        m_engine.throwError(QJSValue::TypeError, QStringLiteral("%1 cannot be called").arg(b->name));
        return QVariant();
    }
    // The script passes in and in/out arguments only; out ones are filled in here.
    std::vector<Variant> args;
    args.reserve(b->callRow->argCount);
    const int count = int(given.size());
    int next = 0;
    for (const ArgInfo &a : b->callRow->args()) {
        if (a.direction == Direction::Out)
            args.emplace_back();
        else if (next < count)
            args.push_back(fromVariant(*given[size_t(next++)]));
        else {
            // A missing argument is not an empty one: the call goes to the
            // boundary short, which refuses it with the bad-count error. An
            // explicit undefined still passes as an empty value.
            ++next;
            break;
        }
    }
    if (count > next) {
        m_engine.throwError(
            QJSValue::RangeError,
            QStringLiteral("%1 takes %2 arguments, %3 given").arg(b->name).arg(next).arg(count));
        return QVariant();
    }
    return invoke(*b, DISPATCH_METHOD | DISPATCH_PROPERTYGET, args, *b->callRow);
}

QVariant ScriptBridge::call0(int handle)
{
    return call(handle, {});
}

QVariant ScriptBridge::call1(int handle, const QVariant &a1)
{
    const std::array given{&a1};
    return call(handle, given);
}

QVariant ScriptBridge::call2(int handle, const QVariant &a1, const QVariant &a2)
{
    const std::array given{&a1, &a2};
    return call(handle, given);
}

QVariant ScriptBridge::call3(int handle, const QVariant &a1, const QVariant &a2, const QVariant &a3)
{
    const std::array given{&a1, &a2, &a3};
    return call(handle, given);
}

QVariant ScriptBridge::call4(int handle, const QVariant &a1, const QVariant &a2, const QVariant &a3,
                             const QVariant &a4)
{
    const std::array given{&a1, &a2, &a3, &a4};
    return call(handle, given);
}

QVariant ScriptBridge::call5(int handle, const QVariant &a1, const QVariant &a2, const QVariant &a3,
                             const QVariant &a4, const QVariant &a5)
{
    const std::array given{&a1, &a2, &a3, &a4, &a5};
    return call(handle, given);
}

QVariant ScriptBridge::call6(int handle, const QVariant &a1, const QVariant &a2, const QVariant &a3,
                             const QVariant &a4, const QVariant &a5, const QVariant &a6)
{
    const std::array given{&a1, &a2, &a3, &a4, &a5, &a6};
    return call(handle, given);
}

QVariant ScriptBridge::call7(int handle, const QVariant &a1, const QVariant &a2, const QVariant &a3,
                             const QVariant &a4, const QVariant &a5, const QVariant &a6, const QVariant &a7)
{
    const std::array given{&a1, &a2, &a3, &a4, &a5, &a6, &a7};
    return call(handle, given);
}

QVariant ScriptBridge::call8(int handle, const QVariant &a1, const QVariant &a2, const QVariant &a3,
                             const QVariant &a4, const QVariant &a5, const QVariant &a6, const QVariant &a7,
                             const QVariant &a8)
{
    const std::array given{&a1, &a2, &a3, &a4, &a5, &a6, &a7, &a8};
    return call(handle, given);
}

QVariant ScriptBridge::callList(int handle, const QVariantList &args)
{
    std::vector<const QVariant *> given;
    given.reserve(size_t(args.size()));
    for (const QVariant &a : args)
        given.push_back(&a);
    return call(handle, given);
}

QVariant ScriptBridge::get(int handle)
{
    const Binding *b = binding(handle);
    if (!b || !b->getRow) {
        m_engine.throwError(QJSValue::TypeError,
                            QStringLiteral("%1 cannot be read").arg(b ? b->name : QString()));
        return QVariant();
    }
    std::vector<Variant> args;
    return invoke(*b, DISPATCH_PROPERTYGET, args, *b->getRow);
}

void ScriptBridge::set(int handle, const QVariant &value)
{
    const Binding *b = binding(handle);
    if (!b || !b->putRow) {
        m_engine.throwError(QJSValue::TypeError,
                            QStringLiteral("%1 cannot be written").arg(b ? b->name : QString()));
        return;
    }
    std::vector<Variant> args{fromVariant(value)};
    invoke(*b, DISPATCH_PROPERTYPUT, args, *b->putRow);
}

ScriptEventSink::ScriptEventSink(QJSEngine &engine, ScriptBridge &bridge)
    : m_engine(engine), m_bridge(bridge), m_global(engine.globalObject())
{
}

HResult ScriptEventSink::Invoke(DispId dispId, std::vector<Variant> &args)
{
    const EventRow *event = findEvent(dispId);
    if (!event)
        return DISP_E_MEMBERNOTFOUND;
    const QString handlerName =
        QStringLiteral("Cellvex_") + QString::fromLatin1(event->name.data(), qsizetype(event->name.size()));
    QJSValue handler = m_global.property(handlerName);
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
