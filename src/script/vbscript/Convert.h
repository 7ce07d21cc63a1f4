#pragma once

#include "script/vbscript/Value.h"

namespace cellvex::vbs {

// The variant conversion rules: what CDbl, CLng, CStr, CBool and CDate do,
// and what an operator does to an operand before it computes.
namespace conv {

// A numeric string as the language reads one: blanks around it, a sign,
// digits with a '.', an exponent, or &H / &O radix forms.
bool parseNumber(const QString &text, double &out);
// Whether IsNumeric says yes.
bool isNumeric(const Value &v);

// An object's default member value (or the value itself when it is none);
// raises 438 when the object has no default member.
Value dereference(const Value &v);

double toDouble(const Value &v);
std::int32_t toLong(const Value &v);
std::int16_t toInteger(const Value &v);
std::uint8_t toByte(const Value &v);
std::int64_t toCurrency(const Value &v); // scaled by 10 000
float toSingle(const Value &v);
bool toBool(const Value &v);
double toDate(const Value &v);
QString toString(const Value &v);
// The string an operator or a built-in uses: Null becomes "".
QString toStringOrEmpty(const Value &v);

// Round half to even, the rounding every integer conversion uses.
double roundHalfEven(double x);

QString formatDouble(double x, int significant = 15);
QString formatCurrency(std::int64_t scaled);

// The literal's type: Integer when it fits 16 bits, Long for 32, else Double.
Value fromInteger(std::int64_t n);
// An integer computed by an operator, in the narrowest of Byte (only when
// allowByte), Integer, Long or Double that holds it and is no narrower than
// minType.
Value fitInteger(std::int64_t n, VarType minType);

QString typeName(const Value &v);
int varType(const Value &v);

} // namespace conv
} // namespace cellvex::vbs
