#include "VbsControlHost.h"

#include "MemberFailure.h"
#include "VbsQObjectHost.h"

#include "automation/AutomationObject.h"
#include "automation/ErrorInfo.h"
#include "automation/EventTable.h"
#include "automation/MemberLookup.h"
#include "control/FontObject.h"

namespace cellvex {

using namespace automation;
using vbs::VbsCallKind;
using vbs::VbsHostError;

namespace {

// The script error a failed Invoke becomes: the dispatch codes as the
// language numbers them, anything else with the member's own description.
VbsHostError scriptError(HResult hr, const QString &name)
{
    int number = 0;
    if (hr == DISP_E_MEMBERNOTFOUND || hr == DISP_E_UNKNOWNNAME) {
        number = 438;
    } else if (hr == DISP_E_TYPEMISMATCH) {
        number = 13;
    } else if (hr == DISP_E_OVERFLOW) {
        number = 6;
    } else if (hr == DISP_E_BADPARAMCOUNT) {
        number = 450;
    } else if (hr == DISP_E_PARAMNOTOPTIONAL) {
        number = 449;
    } else {
        number = int(std::uint32_t(hr));
    }
    // A code the language numbers takes the language's own text when the
    // control left none.
    if (number != int(std::uint32_t(hr)))
        return {number, ErrorInfo::last().description()};
    return {number, memberFailureText(name, hr)};
}

} // namespace

QVariant VbsControlObject::toVariant(const Variant &v)
{
    switch (v.type()) {
    case VarType::Empty:
        return {};
    case VarType::Long:
        return QVariant(int(v.asLong()));
    case VarType::Short:
        return QVariant::fromValue(qint16(v.asShort()));
    case VarType::Boolean:
        return QVariant(v.asBool());
    case VarType::Double:
        return QVariant(v.asDouble());
    case VarType::String:
        return QVariant(v.asString());
    case VarType::Color:
        return QVariant(int(v.asColor()));
    case VarType::Object:
        if (auto *font = dynamic_cast<FontObject *>(v.asObject())) {
            return QVariant::fromValue(vbs::VbsHostObjectPtr(std::make_shared<VbsQObjectHost>(font)));
        }
        return QVariant::fromValue(vbs::VbsHostObjectPtr());
    }
    return {};
}

Variant VbsControlObject::fromVariant(const QVariant &v)
{
    switch (v.metaType().id()) {
    case QMetaType::UnknownType:
        return Variant();
    case QMetaType::Bool:
        return Variant::fromBool(v.toBool());
    case QMetaType::Short:
    case QMetaType::UChar:
        return Variant::fromShort(qint16(v.toInt()));
    case QMetaType::Int:
        return Variant::fromLong(v.toInt());
    case QMetaType::Float:
    case QMetaType::Double:
    case QMetaType::LongLong:
        return Variant::fromDouble(v.toDouble());
    case QMetaType::Nullptr:
        return Variant::fromObject(nullptr);
    default:
        break;
    }
    if (v.canConvert<vbs::VbsHostObjectPtr>()) {
        // A font the control handed out goes back as itself.
        auto *host = dynamic_cast<VbsQObjectHost *>(v.value<vbs::VbsHostObjectPtr>().get());
        return Variant::fromObject(host ? dynamic_cast<AutomationObject *>(host->object()) : nullptr);
    }
    return Variant::fromString(v.toString());
}

VbsHostError VbsControlObject::invoke(const QString &name, VbsCallKind kind, QVariantList &args,
                                      QVariant &result)
{
    DispId id = 0;
    if (failed(MemberLookup::instance().dispIdOfName(name, id))) {
        return {438, {}};
    }
    const std::uint16_t flags = kind == VbsCallKind::Get
                                    ? std::uint16_t(DISPATCH_METHOD | DISPATCH_PROPERTYGET)
                                    : DISPATCH_PROPERTYPUT;
    const MemberRow *row = MemberLookup::instance().resolve(id, flags);
    if (!row) {
        return {438, {}};
    }
    std::vector<Variant> values;
    for (const QVariant &a : args) {
        values.push_back(fromVariant(a));
    }
    if (kind == VbsCallKind::Get && values.size() > row->args().size()) {
        return {450, {}};
    }
    // Trailing out arguments may be left off (they only receive values);
    // a missing in argument leaves the call short, and the boundary
    // refuses it with the bad-count error.
    const auto declared = row->args();
    while (values.size() < declared.size() && declared[values.size()].direction == Direction::Out) {
        values.emplace_back();
    }
    // Out arguments arrive empty whatever the variable held, as the binder expects.
    for (std::size_t k = 0; k < declared.size() && k < values.size(); ++k) {
        if (declared[k].direction == Direction::Out) {
            values[k] = Variant();
        }
    }
    Variant out;
    std::uint32_t argError = 0;
    const HResult hr = m_control.Invoke(row->dispId, 0x409, flags, values, &out, &argError);
    if (failed(hr)) {
        return scriptError(hr, name);
    }
    const auto info = row->args();
    for (std::size_t k = 0; k < info.size() && qsizetype(k) < args.size(); ++k) {
        if (info[k].direction != Direction::In) {
            args[qsizetype(k)] = toVariant(values[k]);
        }
    }
    result = toVariant(out);
    return {};
}

HResult VbsEventSink::Invoke(DispId dispId, std::vector<Variant> &args)
{
    const EventRow *event = findEvent(dispId);
    if (!event) {
        return DISP_E_MEMBERNOTFOUND;
    }
    const QString handler =
        QStringLiteral("Cellvex_") + QString::fromLatin1(event->name.data(), qsizetype(event->name.size()));
    if (!m_engine.hasProcedure(handler)) {
        return S_OK;
    }
    QVariantList values;
    for (const Variant &v : args) {
        values << VbsControlObject::toVariant(v);
    }
    if (!m_engine.call(handler, values)) {
        return E_FAIL; // the engine's error handler has reported it
    }
    const auto info = event->args();
    for (std::size_t k = 0; k < info.size() && k < args.size(); ++k) {
        if (info[k].direction == Direction::InOut) {
            args[k] = VbsControlObject::fromVariant(values[qsizetype(k)]);
        }
    }
    return S_OK;
}

} // namespace cellvex
