#include "automation/TypeLibraryPrinter.h"

#include "automation/Enumerations.h"
#include "automation/EventTable.h"
#include "automation/MemberTable.h"
#include "automation/TypeLibrary.h"

#include <QStringList>

namespace cellvex::automation {

namespace {

QLatin1String latin1(std::string_view text)
{
    return QLatin1String(text.data(), static_cast<qsizetype>(text.size()));
}

QString idlType(ArgType type)
{
    switch (type) {
    case ArgType::Void:
        return QStringLiteral("void");
    case ArgType::Long:
        return QStringLiteral("long");
    case ArgType::Short:
        return QStringLiteral("short");
    case ArgType::Boolean:
        return QStringLiteral("VARIANT_BOOL");
    case ArgType::Double:
        return QStringLiteral("double");
    case ArgType::String:
        return QStringLiteral("BSTR");
    case ArgType::OleColor:
        return QStringLiteral("OLE_COLOR");
    case ArgType::Font:
        return QStringLiteral("IFontDisp*");
    case ArgType::FontRef:
        return QStringLiteral("IFontDisp**");
    case ArgType::TxActiveFormBorderStyle:
        return QStringLiteral("TxActiveFormBorderStyle");
    case ArgType::TxPrintScale:
        return QStringLiteral("TxPrintScale");
    case ArgType::TxHelpType:
        return QStringLiteral("TxHelpType");
    }
    return QStringLiteral("?");
}

// Dispatch ids as the IDL compiler writes them: eight hex digits, so the
// standard negative ids appear as 0xFFFFFDFA.
QString idAttribute(DispId dispId)
{
    return QString::asprintf("id(0x%08X)", static_cast<unsigned>(dispId));
}

QString guidAttribute(const Guid &id)
{
    return QStringLiteral("uuid(%1)").arg(id.toString());
}

QString parameter(const ArgInfo &arg)
{
    switch (arg.direction) {
    case Direction::In:
        return QStringLiteral("[in] %1 %2").arg(idlType(arg.type), latin1(arg.name));
    case Direction::Out:
        return QStringLiteral("[out] %1* %2").arg(idlType(arg.type), latin1(arg.name));
    case Direction::InOut:
        return QStringLiteral("[in, out] %1* %2").arg(idlType(arg.type), latin1(arg.name));
    }
    return QString();
}

QString parameterList(std::span<const ArgInfo> args, ArgType result)
{
    QStringList parts;
    for (const ArgInfo &arg : args)
        parts << parameter(arg);
    if (result != ArgType::Void)
        parts << QStringLiteral("[out, retval] %1* Value").arg(idlType(result));
    return parts.isEmpty() ? QStringLiteral("void") : parts.join(QStringLiteral(", "));
}

QString kindAttribute(MemberKind kind)
{
    switch (kind) {
    case MemberKind::Method:
        return QString();
    case MemberKind::PropGet:
        return QStringLiteral("propget, ");
    case MemberKind::PropPut:
        return QStringLiteral("propput, ");
    case MemberKind::PropPutRef:
        return QStringLiteral("propputref, ");
    }
    return QString();
}

// The attribute line of a block (its identifier, version and help string,
// then any further attributes), its declaration and the opening brace.
void openBlock(QStringList &out, const Guid &id, std::string_view helpString, QLatin1String extraAttributes,
               const QString &declaration)
{
    out << QStringLiteral("    [%1, version(1.0), helpstring(\"%2\")%3]")
               .arg(guidAttribute(id), latin1(helpString), extraAttributes);
    out << QStringLiteral("    ") + declaration;
    out << QStringLiteral("    {");
}

void appendEnumerations(QStringList &out)
{
    for (const EnumInfo &info : enumerations()) {
        openBlock(out, info.id, info.helpString, QLatin1String(),
                  QStringLiteral("enum %1").arg(latin1(info.name)));
        for (std::size_t i = 0; i < info.constants.size(); ++i) {
            const EnumConstant &constant = info.constants[i];
            out << QStringLiteral("        %1 = %2%3")
                       .arg(latin1(constant.name))
                       .arg(constant.value)
                       .arg(i + 1 < info.constants.size() ? QStringLiteral(",") : QString());
        }
        out << QStringLiteral("    };") << QString();
    }
}

void appendInterface(QStringList &out)
{
    openBlock(out, TypeLibrary::kInterfaceId, TypeLibrary::kInterfaceHelpString,
              QLatin1String(", dual, oleautomation"),
              QStringLiteral("interface %1 : IDispatch").arg(latin1(TypeLibrary::kInterfaceName)));
    for (const MemberRow &row : memberTable()) {
        out << QStringLiteral("        /* slot %1 */ [%2%3%4] HRESULT %5(%6);")
                   .arg(row.slot)
                   .arg(kindAttribute(row.kind), idAttribute(row.dispId),
                        row.hidden() ? QStringLiteral(", hidden") : QString(), latin1(row.name),
                        parameterList(row.args(), row.result));
    }
    out << QStringLiteral("    };") << QString();
}

void appendEvents(QStringList &out)
{
    openBlock(out, TypeLibrary::kEventsId, TypeLibrary::kEventsHelpString, QLatin1String(),
              QStringLiteral("dispinterface %1").arg(latin1(TypeLibrary::kEventsName)));
    out << QStringLiteral("    properties:");
    out << QStringLiteral("    methods:");
    for (const EventRow &event : eventTable()) {
        out << QStringLiteral("        [%1] void %2(%3);")
                   .arg(idAttribute(event.dispId), latin1(event.name),
                        parameterList(event.args(), ArgType::Void));
    }
    out << QStringLiteral("    };") << QString();
}

void appendCoclass(QStringList &out)
{
    openBlock(out, TypeLibrary::kCoclassId, TypeLibrary::kCoclassHelpString, QLatin1String(", control"),
              QStringLiteral("coclass %1").arg(latin1(TypeLibrary::kCoclassName)));
    out << QStringLiteral("        [default] interface %1;").arg(latin1(TypeLibrary::kInterfaceName));
    out << QStringLiteral("        [default, source] dispinterface %1;")
               .arg(latin1(TypeLibrary::kEventsName));
    out << QStringLiteral("    };");
}

} // namespace

QString typeLibraryText()
{
    QStringList out;
    out << QStringLiteral("[");
    out << QStringLiteral("  %1,").arg(guidAttribute(TypeLibrary::kId));
    out << QStringLiteral("  version(%1.%2),")
               .arg(TypeLibrary::kMajorVersion)
               .arg(TypeLibrary::kMinorVersion);
    out << QString::asprintf("  lcid(0x%04X),", TypeLibrary::kLocale);
    out << QStringLiteral("  helpstring(\"%1\"),").arg(latin1(TypeLibrary::kHelpString));
    out << QStringLiteral("  control");
    out << QStringLiteral("]");
    out << QStringLiteral("library %1").arg(latin1(TypeLibrary::kName));
    out << QStringLiteral("{");
    out << QStringLiteral("    importlib(\"stdole2.tlb\");") << QString();
    appendEnumerations(out);
    appendInterface(out);
    appendEvents(out);
    appendCoclass(out);
    out << QStringLiteral("};") << QString();
    return out.join(QLatin1Char('\n'));
}

} // namespace cellvex::automation
