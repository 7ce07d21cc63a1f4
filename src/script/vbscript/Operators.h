#pragma once

#include "script/vbscript/Value.h"

namespace cellvex::vbs {

enum class BinaryOp : std::uint8_t {
    Add,
    Sub,
    Mul,
    Div,
    IntDiv,
    Mod,
    Pow,
    Concat,
    Eq,
    Ne,
    Lt,
    Le,
    Gt,
    Ge,
    Is,
    And,
    Or,
    Xor,
    Eqv,
    Imp,
};

// The operators with the variant rules: Null propagates, integers widen on
// overflow (Byte, Integer, Long, then Double), strings that read as numbers
// take part in arithmetic, and a comparison of a string with a number orders
// the number first unless the number is a literal.
namespace ops {

// The longest string a script may build; beyond it "Out of string space".
#ifndef CELLVEX_VBS_MAX_STRING
#define CELLVEX_VBS_MAX_STRING (qsizetype(1) << 27)
#endif
constexpr qsizetype kMaxString = CELLVEX_VBS_MAX_STRING;

Value binary(BinaryOp op, const Value &a, const Value &b, bool numericLiteral = false);
Value negate(const Value &a);
Value logicalNot(const Value &a);
// -1, 0 or 1; Null when either side is Null (returned as 2).
int compare(const Value &a, const Value &b, bool numericLiteral, bool textCompare = false);
constexpr int kNullComparison = 2;
// The string concatenation with the length limit every string operation shares.
QString concat(const QString &a, const QString &b);

} // namespace ops
} // namespace cellvex::vbs
