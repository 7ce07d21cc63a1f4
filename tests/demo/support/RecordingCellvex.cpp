#include "RecordingCellvex.h"

#include "automation/ComInterfaces.h"
#include "automation/ErrorInfo.h"
#include "automation/Guid.h"

namespace cellvex::demo::fakes {

using automation::ArgType;
using automation::Direction;
using automation::HResult;
using automation::Variant;
using automation::VarType;

namespace {

Variant readSlot(ArgType type, const void *address)
{
    switch (type) {
    case ArgType::Long:
        return Variant::fromLong(*static_cast<const std::int32_t *>(address));
    case ArgType::Short:
        return Variant::fromShort(*static_cast<const std::int16_t *>(address));
    case ArgType::Boolean:
        return Variant::fromBool(*static_cast<const bool *>(address));
    case ArgType::Double:
        return Variant::fromDouble(*static_cast<const double *>(address));
    case ArgType::String:
        return Variant::fromString(*static_cast<const QString *>(address));
    case ArgType::OleColor:
        return Variant::fromColor(*static_cast<const automation::OleColor *>(address));
    case ArgType::Font:
        return Variant::fromObject(*static_cast<automation::AutomationObject *const *>(address));
    case ArgType::FontRef:
        return Variant::fromObject(**static_cast<automation::AutomationObject **const *>(address));
    case ArgType::TxActiveFormBorderStyle:
    case ArgType::TxPrintScale:
    case ArgType::TxHelpType:
        // Enumerations travel as 32-bit integers.
        return Variant::fromLong(*static_cast<const std::int32_t *>(address));
    case ArgType::Void:
        break;
    }
    return Variant();
}

VarType variantTypeOf(ArgType type)
{
    switch (type) {
    case ArgType::Long:
    case ArgType::TxActiveFormBorderStyle:
    case ArgType::TxPrintScale:
    case ArgType::TxHelpType:
        return VarType::Long;
    case ArgType::Short:
        return VarType::Short;
    case ArgType::Boolean:
        return VarType::Boolean;
    case ArgType::Double:
        return VarType::Double;
    case ArgType::String:
        return VarType::String;
    case ArgType::OleColor:
        return VarType::Color;
    case ArgType::Font:
    case ArgType::FontRef:
        return VarType::Object;
    case ArgType::Void:
        break;
    }
    return VarType::Empty;
}

// Writes a reply value into an out slot; an empty reply writes the type's zero.
void writeSlot(ArgType type, void *address, const Variant &value)
{
    if (!address)
        return;
    Variant converted;
    if (!value.isEmpty())
        value.changeType(variantTypeOf(type), converted);
    switch (type) {
    case ArgType::Long:
    case ArgType::TxActiveFormBorderStyle:
    case ArgType::TxPrintScale:
    case ArgType::TxHelpType:
        *static_cast<std::int32_t *>(address) = converted.asLong();
        break;
    case ArgType::Short:
        *static_cast<std::int16_t *>(address) = converted.asShort();
        break;
    case ArgType::Boolean:
        *static_cast<bool *>(address) = converted.asBool();
        break;
    case ArgType::Double:
        *static_cast<double *>(address) = converted.asDouble();
        break;
    case ArgType::String:
        *static_cast<QString *>(address) = converted.asString();
        break;
    case ArgType::OleColor:
        *static_cast<automation::OleColor *>(address) = converted.asColor();
        break;
    case ArgType::Font:
        *static_cast<automation::AutomationObject **>(address) = converted.asObject();
        break;
    case ArgType::FontRef:
    case ArgType::Void:
        break;
    }
}

} // namespace

QString recordedText(const Variant &value)
{
    switch (value.type()) {
    case VarType::Empty:
        return QStringLiteral("<empty>");
    case VarType::Long:
        return QString::number(value.asLong());
    case VarType::Short:
        return QString::number(value.asShort());
    case VarType::Boolean:
        return value.asBool() ? QStringLiteral("true") : QStringLiteral("false");
    case VarType::Double:
        return QString::number(value.asDouble(), 'g', 17);
    case VarType::String:
        return QLatin1Char('"') + value.asString() + QLatin1Char('"');
    case VarType::Color:
        return QString::number(value.asColor());
    case VarType::Object:
        return QStringLiteral("<object>");
    }
    return QString();
}

QStringList RecordingCellvex::callsTo(const QString &name) const
{
    QStringList out;
    for (const QString &call : m_calls)
        if (call.startsWith(name + QLatin1Char('(')))
            out << call;
    return out;
}

void RecordingCellvex::on(const QString &function, Handler handler)
{
    m_handlers[function] = std::move(handler);
}

void RecordingCellvex::returns(const QString &function, Variant value)
{
    on(function, [value](const std::vector<Variant> &, std::vector<Variant> &outs) {
        if (!outs.empty())
            outs.back() = value;
        return automation::S_OK;
    });
}

void RecordingCellvex::returnsOuts(const QString &function, std::vector<Variant> values)
{
    on(function, [values](const std::vector<Variant> &, std::vector<Variant> &outs) {
        for (std::size_t i = 0; i < outs.size() && i < values.size(); ++i)
            outs[i] = values[i];
        return automation::S_OK;
    });
}

void RecordingCellvex::fails(const QString &function, const QString &description)
{
    on(function, [description, function](const std::vector<Variant> &, std::vector<Variant> &) {
        automation::ErrorInfo info;
        return info.fail(automation::E_FAIL, description, QStringLiteral("ICellvex.") + function);
    });
}

HResult RecordingCellvex::record(const QString &function, ArgType resultType, void *result,
                                 std::initializer_list<Slot> arguments)
{
    std::vector<Variant> ins;
    std::vector<const Slot *> outSlots;
    QStringList texts;
    for (const Slot &slot : arguments) {
        if (slot.direction != Direction::Out) {
            Variant value = readSlot(slot.type, slot.address);
            texts << recordedText(value);
            ins.push_back(std::move(value));
        }
        if (slot.direction != Direction::In)
            outSlots.push_back(&slot);
    }
    m_calls << function + QLatin1Char('(') + texts.join(QStringLiteral(", ")) + QLatin1Char(')');

    std::vector<Variant> outs(outSlots.size() + (result ? 1 : 0));
    for (std::size_t i = 0; i < outSlots.size(); ++i)
        if (outSlots[i]->direction == Direction::InOut)
            outs[i] = readSlot(outSlots[i]->type, outSlots[i]->address);
    HResult hr = automation::S_OK;
    if (auto it = m_handlers.find(function); it != m_handlers.end())
        hr = it->second(ins, outs);
    if (automation::failed(hr))
        return hr;
    for (std::size_t i = 0; i < outSlots.size(); ++i)
        writeSlot(outSlots[i]->type, outSlots[i]->address, outs[i]);
    if (result)
        writeSlot(resultType, result, outs.back());
    return hr;
}

HResult RecordingCellvex::QueryInterface(const automation::Guid &iid, void **object)
{
    if (!object)
        return automation::E_POINTER;
    *object = nullptr;
    if (iid == automation::IID_IUnknown || iid == automation::IID_IDispatch) {
        *object = static_cast<automation::ICellvex *>(this);
        AddRef();
        return automation::S_OK;
    }
    return automation::E_NOINTERFACE;
}

HResult RecordingCellvex::GetTypeInfoCount(std::uint32_t *count)
{
    if (count)
        *count = 0;
    return automation::S_OK;
}

HResult RecordingCellvex::GetTypeInfo(std::uint32_t, std::uint32_t, const automation::MemberLookup **)
{
    return automation::E_NOTIMPL;
}

HResult RecordingCellvex::GetIDsOfNames(const QString *, std::uint32_t, std::uint32_t, automation::DispId *)
{
    return automation::E_NOTIMPL;
}

HResult RecordingCellvex::Invoke(automation::DispId dispId, std::uint32_t, std::uint16_t flags,
                                 std::vector<Variant> &args, Variant *result, std::uint32_t *)
{
    QStringList texts{QString::number(dispId), QString::number(flags)};
    for (const Variant &arg : args)
        texts << recordedText(arg);
    const QString function = QStringLiteral("Invoke");
    m_calls << function + QLatin1Char('(') + texts.join(QStringLiteral(", ")) + QLatin1Char(')');
    std::vector<Variant> outs(1);
    HResult hr = automation::S_OK;
    if (auto it = m_handlers.find(QStringLiteral("Invoke:") + QString::number(dispId));
        it != m_handlers.end())
        hr = it->second(args, outs);
    if (result && automation::succeeded(hr))
        *result = outs.back();
    return hr;
}

} // namespace cellvex::demo::fakes
