#pragma once

#include "automation/MemberTypes.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace cellvex::automation {

struct ArgInfo
{
    Direction direction = Direction::In;
    ArgType type = ArgType::Void;
    std::string_view name;
    // Value written into this out argument when the cell does not exist.
    EmptyValue empty = EmptyValue::NotApplicable;
};

// One member of ICellvex: a method, or one accessor of a property (a
// property's get and put are separate rows sharing the dispatch id).
struct MemberRow
{
    // Widest member (TransText) takes seven; the table asserts it fits.
    static constexpr std::size_t kMaxArgs = 8;

    int slot = 0; // vtable position, 7 for the first member
    DispId dispId = 0;
    std::string_view name;
    MemberKind kind = MemberKind::Method;
    ArgType result = ArgType::Void; // return value, or the type a get reads
    InputCommit commit = InputCommit::Keeps;
    MemberTarget target = MemberTarget::None;
    // For an alias target: the index of the coordinate twin the call runs as.
    int twin = -1;
    EmptyValue empty = EmptyValue::NotApplicable; // result for a missing cell
    Visibility visibility = Visibility::Shown;
    std::size_t argCount = 0;
    std::array<ArgInfo, kMaxArgs> argStorage{};

    constexpr std::span<const ArgInfo> args() const { return {argStorage.data(), argCount}; }
    constexpr bool commitsInput() const { return commit == InputCommit::Commits; }
    constexpr bool hidden() const { return visibility == Visibility::Hidden; }
    constexpr bool hasResult() const { return result != ArgType::Void; }
    constexpr bool takesCell() const { return target == MemberTarget::Cell; }
    constexpr bool takesAlias() const
    {
        return target == MemberTarget::FirstByAlias || target == MemberTarget::LastByAlias;
    }
};

} // namespace cellvex::automation
