#include "automation/ICellvex.h"
#include "automation/MemberTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace cellvex::automation {
namespace {

// Under the Itanium C++ ABI a pointer to a virtual member function holds
// 1 + the byte offset of its vtable entry in its first word.
template <class MemberFunction> int vtableSlot(MemberFunction function)
{
    static_assert(sizeof(function) == 2 * sizeof(void *), "Itanium member-function pointer expected");
    std::uintptr_t word = 0;
    std::memcpy(&word, &function, sizeof word);
    if ((word & 1) == 0)
        return -1; // not virtual
    return static_cast<int>((word - 1) / sizeof(void *));
}

struct DeclaredFunction
{
    std::string_view name;
    MemberKind kind;
    int slot;
};

std::vector<DeclaredFunction> declaredMembers()
{
    return {
#define CELLVEX_MEMBER(slot, dispid, name, kind, result, commit, target, empty, visibility, args)            \
    {#name, MemberKind::kind, vtableSlot(&ICellvex::CELLVEX_FUNCTION_NAME(kind, name))},
#include "automation/Members.def"
    };
}

TEST(InterfaceLayout, BaseInterfacesTakeTheFirstSevenSlots)
{
    EXPECT_EQ(vtableSlot(&ICellvex::QueryInterface), 0);
    EXPECT_EQ(vtableSlot(&ICellvex::AddRef), 1);
    EXPECT_EQ(vtableSlot(&ICellvex::Release), 2);
    EXPECT_EQ(vtableSlot(&ICellvex::GetTypeInfoCount), 3);
    EXPECT_EQ(vtableSlot(&ICellvex::GetTypeInfo), 4);
    EXPECT_EQ(vtableSlot(&ICellvex::GetIDsOfNames), 5);
    EXPECT_EQ(vtableSlot(&ICellvex::Invoke), 6);
}

TEST(InterfaceLayout, EveryMemberSitsInItsTableSlot)
{
    const std::vector<DeclaredFunction> declared = declaredMembers();
    const std::span<const MemberRow> table = memberTable();
    ASSERT_EQ(declared.size(), table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        SCOPED_TRACE(std::string(table[i].name));
        EXPECT_EQ(declared[i].name, table[i].name);
        EXPECT_EQ(declared[i].kind, table[i].kind);
        EXPECT_EQ(declared[i].slot, table[i].slot);
    }
}

TEST(InterfaceLayout, LastSlotIsTheLastMember)
{
    // 226 slots in all: a client built against the listing calls slot 225
    // for the page bottom margin put.
    EXPECT_EQ(vtableSlot(&ICellvex::put_PageBottomMargin), 225);
    EXPECT_EQ(vtableSlot(&ICellvex::get_Visible), 7);
}

TEST(InterfaceLayout, ArgumentsHaveTheirDeclaredCppTypes)
{
    // A few shapes that implementers override: in by value, strings by
    // reference, out through pointers, the result last.
    using GetCellValue = HResult (ICellvex::*)(std::int32_t, std::int32_t, QString *);
    using GetMergeRange =
        HResult (ICellvex::*)(std::int32_t *, std::int32_t *, std::int32_t *, std::int32_t *, std::int32_t *);
    using SetCellValueByAlias = HResult (ICellvex::*)(const QString &, const QString &);
    using PutFontRef = HResult (ICellvex::*)(AutomationObject **);
    using GetPrintScale = HResult (ICellvex::*)(TxPrintScale *);
    using GetColor = HResult (ICellvex::*)(OleColor *);
    using FindCellsString = HResult (ICellvex::*)(bool, bool, bool, bool, bool, const QString &, bool *);
    using EditCellScript = HResult (ICellvex::*)();
    EXPECT_TRUE((std::is_same_v<decltype(&ICellvex::GetCellValue), GetCellValue>));
    EXPECT_TRUE((std::is_same_v<decltype(&ICellvex::GetMergeRange), GetMergeRange>));
    EXPECT_TRUE((std::is_same_v<decltype(&ICellvex::SetCellValueByAlias), SetCellValueByAlias>));
    EXPECT_TRUE((std::is_same_v<decltype(&ICellvex::putref_Font), PutFontRef>));
    EXPECT_TRUE((std::is_same_v<decltype(&ICellvex::get_PrintScale), GetPrintScale>));
    EXPECT_TRUE((std::is_same_v<decltype(&ICellvex::get_Color), GetColor>));
    EXPECT_TRUE((std::is_same_v<decltype(&ICellvex::FindCellsString), FindCellsString>));
    EXPECT_TRUE((std::is_same_v<decltype(&ICellvex::EditCellScript), EditCellScript>));
}

} // namespace
} // namespace cellvex::automation
