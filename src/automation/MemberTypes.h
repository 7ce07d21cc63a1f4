#pragma once

#include <cstdint>

namespace cellvex::automation {

// Dispatch identifier of a member or event, as a late-bound caller names it.
using DispId = std::int32_t;

// Declared type of an argument or result. Enumerations stay distinct from
// long so the type library can name them, although they travel as long.
enum class ArgType : std::uint8_t {
    Void, // no result
    Long,
    Short,
    Boolean, // named so that X11's Bool macro cannot collide
    Double,
    String,
    OleColor,
    Font,    // the standard font object, passed by pointer
    FontRef, // the font object passed by reference (put-by-reference)
    TxActiveFormBorderStyle,
    TxPrintScale,
    TxHelpType,
};

// Invoke's flags: how a late-bound caller asks for a member.
constexpr std::uint16_t DISPATCH_METHOD = 1;
constexpr std::uint16_t DISPATCH_PROPERTYGET = 2;
constexpr std::uint16_t DISPATCH_PROPERTYPUT = 4;
constexpr std::uint16_t DISPATCH_PROPERTYPUTREF = 8;

enum class Direction : std::uint8_t {
    In,
    Out,
    InOut,
};

enum class MemberKind : std::uint8_t {
    Method,
    PropGet,
    PropPut,
    PropPutRef,
};

// Whether the member finishes in-place input before it runs.
enum class InputCommit : std::uint8_t {
    Keeps,
    Commits,
};

// The cell a member names, which the boundary finds and checks before the
// implementation runs (Members.def describes each).
enum class MemberTarget : std::uint8_t {
    None,
    Cell,
    FirstByAlias,
    LastByAlias,
};

// What a getter hands back when its cell, column, row or alias does not
// exist; NotApplicable for members without such an argument and for values
// the member leaves as the caller passed them.
enum class EmptyValue : std::uint8_t {
    NotApplicable,
    EmptyText, // ""
    Zero,      // 0
    BoolFalse, // false (X11 defines a False macro)
    MinusOne,  // -1
};

enum class Visibility : std::uint8_t {
    Shown,
    Hidden, // marked hidden in the type library; still callable
};

} // namespace cellvex::automation
