#include "MemberRegistry.h"

#include "automation/MemberTable.h"

#include <stdexcept>
#include <string>

namespace cellvex {

int MemberRegistry::rowIndexOf(std::string_view name, automation::MemberKind kind)
{
    const auto table = automation::memberTable();
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i].kind == kind && table[i].name == name)
            return int(i);
    return -1;
}

void MemberRegistry::add(std::string_view name, automation::MemberKind kind, MemberImpl impl)
{
    const int i = rowIndexOf(name, kind);
    if (i < 0)
        throw std::logic_error("no such interface member: " + std::string(name));
    m_impls[size_t(i)] = impl;
}

const MemberRegistry &MemberRegistry::instance()
{
    static const MemberRegistry registry = [] {
        MemberRegistry r;
        registerFormMembers(r);
        registerReportMembers(r);
        registerCellMembers(r);
        registerKindMembers(r);
        registerPageMembers(r);
        registerValueMembers(r);
        registerPrintMembers(r);
        registerLayoutMembers(r);
        registerSelectionMembers(r);
        registerFormulaMembers(r);
        registerStructureMembers(r);
        registerDocumentMembers(r);
        registerExportMembers(r);
        return r;
    }();
    return registry;
}

} // namespace cellvex
