#pragma once

#include "automation/MemberTypes.h"

#include <array>
#include <string_view>

namespace cellvex {

class CellvexControl;
struct MemberCall;

// Implementations of the interface members, one slot per table row. An
// implementation runs after the generic boundary work (input committed,
// alias resolved, cell checked) and reports failures by throwing.
using MemberImpl = void (*)(CellvexControl &, MemberCall &);

class MemberRegistry
{
public:
    static constexpr int kRows = 219;

    // The registry every control uses, filled once from the area files.
    static const MemberRegistry &instance();

    // Registers the implementation of the row with this name and kind;
    // throws std::logic_error for a name or kind the table does not have.
    void add(std::string_view name, automation::MemberKind kind, MemberImpl impl);
    void method(std::string_view name, MemberImpl impl) { add(name, automation::MemberKind::Method, impl); }
    void get(std::string_view name, MemberImpl impl) { add(name, automation::MemberKind::PropGet, impl); }
    void put(std::string_view name, MemberImpl impl) { add(name, automation::MemberKind::PropPut, impl); }

    MemberImpl at(int rowIndex) const
    {
        return rowIndex >= 0 && rowIndex < kRows ? m_impls[size_t(rowIndex)] : nullptr;
    }
    // Row index of name/kind, or -1.
    static int rowIndexOf(std::string_view name, automation::MemberKind kind);

private:
    std::array<MemberImpl, kRows> m_impls{};
};

// Area registration functions, each in the file of its members.
void registerFormMembers(MemberRegistry &r);
void registerReportMembers(MemberRegistry &r);
void registerCellMembers(MemberRegistry &r);
void registerKindMembers(MemberRegistry &r);
void registerPageMembers(MemberRegistry &r);
void registerValueMembers(MemberRegistry &r);
void registerPrintMembers(MemberRegistry &r);
void registerLayoutMembers(MemberRegistry &r);
void registerSelectionMembers(MemberRegistry &r);
void registerFormulaMembers(MemberRegistry &r);
void registerStructureMembers(MemberRegistry &r);
void registerDocumentMembers(MemberRegistry &r);
void registerExportMembers(MemberRegistry &r);

} // namespace cellvex
