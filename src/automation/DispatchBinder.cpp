#include "automation/DispatchBinder.h"

namespace cellvex::automation {

namespace {

QLatin1String latin1(std::string_view text)
{
    return QLatin1String(text.data(), static_cast<qsizetype>(text.size()));
}

const char *varTypeName(VarType type)
{
    switch (type) {
    case VarType::Empty:
        return "nothing";
    case VarType::Long:
    case VarType::Color:
        return "a number";
    case VarType::Short:
        return "a small number";
    case VarType::Boolean:
        return "a boolean";
    case VarType::Double:
        return "a floating-point number";
    case VarType::String:
        return "a string";
    case VarType::Object:
        return "an object";
    }
    return "a value";
}

Variant zeroOf(VarType type)
{
    Variant zero;
    // Empty converts to every value type (0, false, ""); an object slot
    // starts as a null object.
    if (type == VarType::Object)
        return Variant::fromObject(nullptr);
    Variant().changeType(type, zero);
    return zero;
}

} // namespace

VarType varTypeOf(ArgType type)
{
    switch (type) {
    case ArgType::Void:
        return VarType::Empty;
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
    }
    return VarType::Empty;
}

BindResult bindArguments(const MemberRow &row, std::vector<Variant> &args)
{
    const std::span<const ArgInfo> declared = row.args();
    if (args.size() != declared.size()) {
        return {DISP_E_BADPARAMCOUNT, -1,
                QStringLiteral("%1 takes %2 argument(s), %3 given")
                    .arg(latin1(row.name))
                    .arg(declared.size())
                    .arg(args.size())};
    }
    for (std::size_t i = 0; i < declared.size(); ++i) {
        const ArgInfo &arg = declared[i];
        const VarType target = varTypeOf(arg.type);
        if (arg.direction == Direction::Out) {
            args[i] = zeroOf(target);
            continue;
        }
        Variant converted;
        const HResult hr = args[i].changeType(target, converted);
        if (failed(hr)) {
            const char *problem = hr == DISP_E_OVERFLOW ? "out of range for" : "cannot be read as";
            return {hr, static_cast<int>(i),
                    QStringLiteral("%1: argument %2 (%3) %4 %5")
                        .arg(latin1(row.name))
                        .arg(i + 1)
                        .arg(latin1(arg.name), QLatin1String(problem), QLatin1String(varTypeName(target)))};
        }
        args[i] = std::move(converted);
    }
    return {};
}

Variant emptyValueOf(EmptyValue empty, ArgType type)
{
    Variant value;
    switch (empty) {
    case EmptyValue::NotApplicable:
        return zeroOf(varTypeOf(type));
    case EmptyValue::EmptyText:
        value = Variant::fromString(QString());
        break;
    case EmptyValue::Zero:
        value = Variant::fromLong(0);
        break;
    case EmptyValue::BoolFalse:
        value = Variant::fromBool(false);
        break;
    case EmptyValue::MinusOne:
        value = Variant::fromLong(-1);
        break;
    }
    Variant typed;
    // An empty value that does not fit the declared type (a table error)
    // falls back to the type's zero rather than handing out a wrong type.
    if (failed(value.changeType(varTypeOf(type), typed)))
        return zeroOf(varTypeOf(type));
    return typed;
}

} // namespace cellvex::automation
