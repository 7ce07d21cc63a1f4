#include "automation/MemberTable.h"

#include "automation/TableMacros.h"

#include <algorithm>
#include <initializer_list>

namespace cellvex::automation {

namespace {

constexpr MemberRow makeRow(int slot, DispId dispId, std::string_view name, MemberKind kind, ArgType result,
                            InputCommit commit, SavedEffect saved, EmptyValue empty, Visibility visibility,
                            int chapter, std::initializer_list<ArgInfo> args)
{
    MemberRow row;
    row.slot = slot;
    row.dispId = dispId;
    row.name = name;
    row.kind = kind;
    row.result = result;
    row.commit = commit;
    row.saved = saved;
    row.empty = empty;
    row.visibility = visibility;
    row.chapter = chapter;
    // Thrown during constant evaluation only: the build stops at the row.
    if (args.size() > MemberRow::kMaxArgs)
        throw "member row has more arguments than MemberRow::kMaxArgs";
    row.argCount = args.size();
    std::copy(args.begin(), args.end(), row.argStorage.begin());
    return row;
}

#define CELLVEX_MEMBER(slot, dispid, name, kind, result, commit, saved, empty, visibility, chapter, args)    \
    makeRow(slot, dispid, #name, MemberKind::kind, ArgType::result, InputCommit::commit, SavedEffect::saved, \
            EmptyValue::empty, Visibility::visibility, chapter, {CELLVEX_UNPAREN args}),
#define ARG_IN CELLVEX_ARGINFO_IN
#define ARG_OUT CELLVEX_ARGINFO_OUT
#define ARG_INOUT CELLVEX_ARGINFO_INOUT

constexpr MemberRow kMembers[] = {
#include "automation/Members.def"
};

constexpr bool slotsFollowTableOrder()
{
    for (std::size_t i = 0; i < std::size(kMembers); ++i) {
        if (kMembers[i].slot != kFirstMemberSlot + static_cast<int>(i))
            return false;
    }
    return true;
}

// The interface is declared from the same rows in file order, so a row out
// of place would silently shift every later vtable slot.
static_assert(std::size(kMembers) == kMemberCount);
static_assert(slotsFollowTableOrder());

} // namespace

std::span<const MemberRow> memberTable()
{
    return kMembers;
}

} // namespace cellvex::automation
