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
    SavedEffect saved = SavedEffect::Unchanged;
    EmptyValue empty = EmptyValue::NotApplicable; // result for a missing cell
    Visibility visibility = Visibility::Shown;
    int chapter = 0; // owning area of the design, e.g. 46 for value assignment
    std::size_t argCount = 0;
    std::array<ArgInfo, kMaxArgs> argStorage{};

    std::span<const ArgInfo> args() const { return {argStorage.data(), argCount}; }
    bool commitsInput() const { return commit == InputCommit::Commits; }
    bool hidden() const { return visibility == Visibility::Hidden; }
    bool hasResult() const { return result != ArgType::Void; }
};

} // namespace cellvex::automation
