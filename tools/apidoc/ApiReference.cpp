#include "ApiReference.h"

#include "automation/MemberSummary.h"
#include "automation/MemberTable.h"
#include "automation/TypeLibrary.h"

#include <QSet>

namespace cellvex {

using namespace automation;

namespace {

QString text(std::string_view s)
{
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

QString typeName(ArgType type)
{
    switch (type) {
    case ArgType::Void:
        return QStringLiteral("—");
    case ArgType::Long:
        return QStringLiteral("long");
    case ArgType::Short:
        return QStringLiteral("short");
    case ArgType::Boolean:
        return QStringLiteral("bool");
    case ArgType::Double:
        return QStringLiteral("double");
    case ArgType::String:
        return QStringLiteral("string");
    case ArgType::OleColor:
        return QStringLiteral("OLE_COLOR");
    case ArgType::Font:
        return QStringLiteral("Font*");
    case ArgType::FontRef:
        return QStringLiteral("Font**");
    case ArgType::TxActiveFormBorderStyle:
        return QStringLiteral("TxActiveFormBorderStyle");
    case ArgType::TxPrintScale:
        return QStringLiteral("TxPrintScale");
    case ArgType::TxHelpType:
        return QStringLiteral("TxHelpType");
    }
    return QStringLiteral("?");
}

QString kindName(MemberKind kind)
{
    switch (kind) {
    case MemberKind::Method:
        return QStringLiteral("method");
    case MemberKind::PropGet:
        return QStringLiteral("get");
    case MemberKind::PropPut:
        return QStringLiteral("put");
    case MemberKind::PropPutRef:
        return QStringLiteral("putref");
    }
    return QStringLiteral("?");
}

QString argumentList(const MemberRow &row)
{
    QStringList parts;
    for (const ArgInfo &arg : row.args()) {
        const QString prefix = arg.direction == Direction::Out     ? QStringLiteral("out ")
                               : arg.direction == Direction::InOut ? QStringLiteral("in/out ")
                                                                   : QString();
        parts << QStringLiteral("%1%2: %3").arg(prefix, text(arg.name), typeName(arg.type));
    }
    return parts.isEmpty() ? QStringLiteral("—") : parts.join(QStringLiteral(", "));
}

} // namespace

QString apiReferenceMarkdown(QStringList *problems)
{
    QString out;
    out += QStringLiteral("# ICellvex API reference\n\n");
    out += QStringLiteral("<!-- Written by cellvex_apidoc from the member table at build time; edit "
                          "src/automation/Members.def or MemberSummaries.def, never this file. -->\n\n");
    out += QStringLiteral(
               "Every member of `ICellvex` (interface %1, class %2, ProgID `%3`) in vtable order. "
               "In C++ a method keeps its name, a property's accessors are `get_Name`, `put_Name` and "
               "`putref_Name`; every function returns an `HResult`, and a result comes back through a "
               "last pointer argument. Late-bound callers use `Invoke` with the dispatch id.\n\n")
               .arg(TypeLibrary::kInterfaceId.toString(), TypeLibrary::kCoclassId.toString(),
                    text(TypeLibrary::kProgId));
    out += QStringLiteral(
        "Columns and rows are 1-based, the column first. A cell outside the grid makes a setter do "
        "nothing and a getter return its empty value. A `ByAlias` member works on the cell that "
        "carries the alias instead of a column and row. Colours are 0x00BBGGRR values.\n\n");
    out += QStringLiteral("| Slot | Member | Dispid | Kind | Arguments | Result | Meaning |\n");
    out += QStringLiteral("|---:|---|---:|---|---|---|---|\n");

    QSet<QString> names;
    for (const MemberRow &row : memberTable()) {
        const QString name = text(row.name);
        names.insert(name);
        const std::string_view summary = memberSummary(row.name);
        if (summary.empty() && problems)
            problems->append(QStringLiteral("%1 has no line in MemberSummaries.def").arg(name));
        out += QStringLiteral("| %1 | `%2` | %3 | %4 | %5 | %6 | %7 |\n")
                   .arg(row.slot)
                   .arg(name)
                   .arg(row.dispId)
                   .arg(kindName(row.kind), argumentList(row), typeName(row.result),
                        QString::fromUtf8(summary.data(), qsizetype(summary.size())));
    }
    if (problems) {
        for (const MemberSummary &s : memberSummaries()) {
            if (!names.contains(text(s.name)))
                problems->append(
                    QStringLiteral("MemberSummaries.def names %1, which is no member").arg(text(s.name)));
        }
    }
    return out;
}

} // namespace cellvex
