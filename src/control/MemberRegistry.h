#pragma once

#include "automation/MemberId.h"
#include "automation/MemberTable.h"

#include <array>
#include <cstddef>

namespace cellvex {

class ReportActions;
struct MemberCall;

using automation::MemberId;

// Implementations of the interface members, one slot per table row. An
// implementation runs after the generic boundary work (input committed,
// alias resolved, cell checked), is a thin call into the service with
// 0-based coordinates and reports failures by throwing.
using MemberImpl = void (*)(ReportActions &, MemberCall &);

class MemberRegistry
{
public:
    static constexpr int kRows = automation::kMemberCount;

    // The registry every control uses, filled once from the area files.
    static const MemberRegistry &instance();

    // Registers the implementation of one row; the id names it, so a
    // member the table does not have cannot be registered.
    void add(MemberId id, MemberImpl impl) { m_impls[std::size_t(automation::rowIndexOf(id))] = impl; }

    MemberImpl at(int rowIndex) const
    {
        return rowIndex >= 0 && rowIndex < kRows ? m_impls[std::size_t(rowIndex)] : nullptr;
    }
    MemberImpl at(MemberId id) const { return at(automation::rowIndexOf(id)); }

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
void registerChartMembers(MemberRegistry &r);
void registerScriptMembers(MemberRegistry &r);
void registerClipboardMembers(MemberRegistry &r);

} // namespace cellvex
