#include "automation/MemberTable.h"

#include "automation/TableMacros.h"

#include <algorithm>
#include <initializer_list>

namespace cellvex::automation {

namespace {

constexpr MemberRow makeRow(int slot, DispId dispId, std::string_view name, MemberKind kind, ArgType result,
                            InputCommit commit, MemberTarget target, EmptyValue empty, Visibility visibility,
                            std::initializer_list<ArgInfo> args)
{
    MemberRow row;
    row.slot = slot;
    row.dispId = dispId;
    row.name = name;
    row.kind = kind;
    row.result = result;
    row.commit = commit;
    row.target = target;
    row.empty = empty;
    row.visibility = visibility;
    // Thrown during constant evaluation only: the build stops at the row.
    if (args.size() > MemberRow::kMaxArgs)
        throw "member row has more arguments than MemberRow::kMaxArgs";
    row.argCount = args.size();
    std::copy(args.begin(), args.end(), row.argStorage.begin());
    return row;
}

#define CELLVEX_MEMBER(slot, dispid, name, kind, result, commit, target, empty, visibility, args)            \
    makeRow(slot, dispid, #name, MemberKind::kind, ArgType::result, InputCommit::commit,                     \
            MemberTarget::target, EmptyValue::empty, Visibility::visibility,                                 \
            {CELLVEX_FOR_EACH_ARG(CELLVEX_ARGINFO, args)}),

constexpr MemberRow kRows[] = {
#include "automation/Members.def"
};

constexpr bool isInArg(const ArgInfo &arg, ArgType type)
{
    return arg.direction == Direction::In && arg.type == type;
}

// A coordinate twin of an alias row: the same name without "ByAlias", the
// same kind and result, aCol, aRow where the alias row has its alias, and
// the alias row's remaining arguments after them.
constexpr bool isTwinOf(const MemberRow &twin, const MemberRow &alias)
{
    constexpr std::string_view suffix = "ByAlias";
    if (!alias.name.ends_with(suffix) ||
        twin.name != alias.name.substr(0, alias.name.size() - suffix.size()) || twin.kind != alias.kind ||
        twin.result != alias.result || twin.target != MemberTarget::Cell ||
        twin.args().size() != alias.args().size() + 1)
        return false;
    for (std::size_t k = 1; k < alias.args().size(); ++k) {
        const ArgInfo &a = alias.args()[k], &t = twin.args()[k + 1];
        if (a.type != t.type || a.direction != t.direction || a.empty != t.empty)
            return false;
    }
    return true;
}

// Fills in the twins and checks every row against its target; thrown during
// constant evaluation only, so a wrong row stops the build.
constexpr std::array<MemberRow, std::size(kRows)> pairTwins()
{
    std::array<MemberRow, std::size(kRows)> rows{};
    std::copy(std::begin(kRows), std::end(kRows), rows.begin());
    for (MemberRow &row : rows) {
        if (row.takesCell() && (row.args().size() < 2 || !isInArg(row.args()[0], ArgType::Long) ||
                                !isInArg(row.args()[1], ArgType::Long)))
            throw "a Cell row must take aCol, aRow as its first two in-arguments";
        if (!row.takesAlias())
            continue;
        if (row.args().empty() || !isInArg(row.args()[0], ArgType::String))
            throw "an alias row must take the alias as its first in-argument";
        for (std::size_t j = 0; j < rows.size(); ++j) {
            if (isTwinOf(rows[j], row))
                row.twin = static_cast<int>(j);
        }
        if (row.twin < 0)
            throw "an alias row has no coordinate twin";
    }
    return rows;
}

constexpr std::array<MemberRow, std::size(kRows)> kMembers = pairTwins();

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

const MemberRow &memberRow(MemberId id)
{
    return kMembers[static_cast<std::size_t>(id)];
}

} // namespace cellvex::automation
