#include "script/vbscript/Operators.h"

#include "script/vbscript/Convert.h"
#include "script/vbscript/Object.h"
#include "script/vbscript/ScriptError.h"

#include <cmath>
#include <limits>

namespace cellvex::vbs::ops {

namespace {

// Numeric ranks in the order the result type widens.
int rank(VarType t)
{
    switch (t) {
    case VarType::Byte:
        return 1;
    case VarType::Empty:
    case VarType::Boolean:
    case VarType::Integer:
        return 2;
    case VarType::Long:
        return 3;
    case VarType::Single:
        return 4;
    case VarType::Double:
    case VarType::String:
        return 5;
    case VarType::Currency:
        return 6;
    case VarType::Date:
        return 7;
    default:
        return 0;
    }
}

// An operand made ready for arithmetic: objects give their default value,
// strings become Doubles, arrays and the rest are a type mismatch.
Value numeric(const Value &v)
{
    switch (v.type) {
    case VarType::Empty:
        return Value::integer(0);
    case VarType::String:
        return Value::real(conv::toDouble(v));
    case VarType::Object:
        return numeric(conv::dereference(v));
    case VarType::Array:
    case VarType::Error:
        raise(err::TypeMismatch);
    default:
        return v;
    }
}

VarType integerKind(VarType a, VarType b)
{
    if (a == VarType::Byte && b == VarType::Byte) {
        return VarType::Byte;
    }
    if (rank(a) <= 2 && rank(b) <= 2) {
        return VarType::Integer;
    }
    return VarType::Long;
}

Value realResult(double r, VarType kind)
{
    if (!std::isfinite(r)) {
        raise(err::Overflow);
    }
    if (kind == VarType::Single && std::fabs(r) <= double(std::numeric_limits<float>::max())) {
        return Value::single(float(r));
    }
    if (kind == VarType::Date) {
        if (r < -657434.0 || r > 2958466.0) {
            raise(err::Overflow);
        }
        return Value::date(r);
    }
    return Value::real(r);
}

Value currencyResult(long double scaled)
{
    if (!(std::fabs(scaled) < 9.2233720368547758e18L)) {
        raise(err::Overflow);
    }
    return Value::currencyScaled(std::int64_t(std::nearbyint(double(scaled))));
}

Value arithmetic(BinaryOp op, const Value &x, const Value &y)
{
    Value a = numeric(x);
    Value b = numeric(y);
    int ra = rank(a.type);
    int rb = rank(b.type);
    int r = std::max(ra, rb);
    if (r <= 3) {
        std::int64_t p = a.i;
        std::int64_t q = b.i;
        std::int64_t n = op == BinaryOp::Add ? p + q : op == BinaryOp::Sub ? p - q : p * q;
        return conv::fitInteger(n, integerKind(a.type, b.type));
    }
    if (r == 6) {
        long double p = a.type == VarType::Currency ? a.i : conv::toDouble(a) * 10000.0L;
        long double q = b.type == VarType::Currency ? b.i : conv::toDouble(b) * 10000.0L;
        if (op == BinaryOp::Mul) {
            return currencyResult(p * q / 10000.0L);
        }
        return currencyResult(op == BinaryOp::Add ? p + q : p - q);
    }
    double p = conv::toDouble(a);
    double q = conv::toDouble(b);
    double res = op == BinaryOp::Add ? p + q : op == BinaryOp::Sub ? p - q : p * q;
    VarType kind = VarType::Double;
    if (r == 4 && ra != 3 && rb != 3) {
        kind = VarType::Single;
    } else if (r == 7 && op != BinaryOp::Mul) {
        // A date minus a date is a span of days, not a date.
        kind = (op == BinaryOp::Sub && ra == 7 && rb == 7) ? VarType::Double : VarType::Date;
    }
    return realResult(res, kind);
}

Value add(const Value &a, const Value &b)
{
    if (a.type == VarType::String && b.type == VarType::String) {
        return Value::string(concat(a.s, b.s));
    }
    if ((a.type == VarType::String && b.type == VarType::Empty) ||
        (a.type == VarType::Empty && b.type == VarType::String)) {
        return Value::string(a.type == VarType::String ? a.s : b.s);
    }
    return arithmetic(BinaryOp::Add, a, b);
}

Value divide(const Value &x, const Value &y)
{
    Value a = numeric(x);
    Value b = numeric(y);
    double q = conv::toDouble(b);
    double p = conv::toDouble(a);
    if (q == 0) {
        raise(p == 0 ? err::Overflow : err::DivisionByZero);
    }
    return realResult(p / q, (a.type == VarType::Single && b.type == VarType::Single) ? VarType::Single
                                                                                      : VarType::Double);
}

Value integerDivide(BinaryOp op, const Value &x, const Value &y)
{
    Value a = numeric(x);
    Value b = numeric(y);
    std::int64_t p = conv::toLong(a);
    std::int64_t q = conv::toLong(b);
    if (q == 0) {
        raise(err::DivisionByZero);
    }
    std::int64_t n = op == BinaryOp::IntDiv ? p / q : p % q;
    VarType kind = (rank(a.type) <= 2 && rank(b.type) <= 2) ? integerKind(a.type, b.type) : VarType::Long;
    if (kind == VarType::Byte) {
        return Value::byte(std::uint8_t(n));
    }
    if (kind == VarType::Integer && n >= -32768 && n <= 32767) {
        return Value::integer(std::int16_t(n));
    }
    if (n < INT32_MIN || n > INT32_MAX) {
        raise(err::Overflow);
    }
    return Value::longValue(std::int32_t(n));
}

Value power(const Value &x, const Value &y)
{
    double p = conv::toDouble(numeric(x));
    double q = conv::toDouble(numeric(y));
    if (p == 0 && q < 0) {
        raise(err::InvalidCall);
    }
    double r = std::pow(p, q);
    if (std::isnan(r)) {
        raise(err::InvalidCall);
    }
    return realResult(r, VarType::Double);
}

bool isTrue(const Value &v)
{
    return v.type == VarType::Boolean && v.i != 0;
}
bool isFalse(const Value &v)
{
    return v.type == VarType::Boolean && v.i == 0;
}

Value logical(BinaryOp op, const Value &x, const Value &y)
{
    Value a = x.type == VarType::Object ? conv::dereference(x) : x;
    Value b = y.type == VarType::Object ? conv::dereference(y) : y;
    if (a.isNull() || b.isNull()) {
        const Value &other = a.isNull() ? b : a;
        bool otherZero =
            !other.isNull() && !other.isString() && other.isNumeric() && conv::toDouble(other) == 0;
        bool otherTrue = !other.isNull() && (isTrue(other));
        switch (op) {
        case BinaryOp::And:
            if (otherZero) {
                return isFalse(other) ? Value::boolean(false) : conv::fitInteger(0, VarType::Integer);
            }
            return Value::null();
        case BinaryOp::Or:
            if (otherTrue) {
                return Value::boolean(true);
            }
            if (!other.isNull() && other.isIntegral() && other.i == -1) {
                return other;
            }
            return Value::null();
        case BinaryOp::Imp:
            if (b.isNull() && !a.isNull() && isFalse(a)) {
                return Value::boolean(true);
            }
            if (a.isNull() && isTrue(b)) {
                return Value::boolean(true);
            }
            return Value::null();
        default:
            return Value::null();
        }
    }
    if (a.type == VarType::Boolean && b.type == VarType::Boolean) {
        bool p = a.i != 0;
        bool q = b.i != 0;
        bool r = false;
        switch (op) {
        case BinaryOp::And:
            r = p && q;
            break;
        case BinaryOp::Or:
            r = p || q;
            break;
        case BinaryOp::Xor:
            r = p != q;
            break;
        case BinaryOp::Eqv:
            r = p == q;
            break;
        default:
            r = !p || q;
            break;
        }
        return Value::boolean(r);
    }
    Value na = numeric(a);
    Value nb = numeric(b);
    std::int32_t p = conv::toLong(na);
    std::int32_t q = conv::toLong(nb);
    std::int32_t r = 0;
    switch (op) {
    case BinaryOp::And:
        r = p & q;
        break;
    case BinaryOp::Or:
        r = p | q;
        break;
    case BinaryOp::Xor:
        r = p ^ q;
        break;
    case BinaryOp::Eqv:
        r = ~(p ^ q);
        break;
    default:
        r = ~p | q;
        break;
    }
    VarType kind = (rank(na.type) <= 2 && rank(nb.type) <= 2) ? integerKind(na.type, nb.type) : VarType::Long;
    if (kind == VarType::Byte) {
        return Value::byte(std::uint8_t(r));
    }
    if (kind == VarType::Integer) {
        return Value::integer(std::int16_t(r));
    }
    return Value::longValue(r);
}

int sign(double d)
{
    return d < 0 ? -1 : d > 0 ? 1 : 0;
}

} // namespace

QString concat(const QString &a, const QString &b)
{
    if (a.size() + b.size() > kMaxString) {
        raise(err::OutOfStringSpace);
    }
    return a + b;
}

int compare(const Value &x, const Value &y, bool numericLiteral, bool textCompare)
{
    const Value &a = x.type == VarType::Object ? conv::dereference(x) : x;
    const Value &b = y.type == VarType::Object ? conv::dereference(y) : y;
    if (a.isNull() || b.isNull()) {
        return kNullComparison;
    }
    if (a.isArray() || b.isArray() || a.type == VarType::Error || b.type == VarType::Error) {
        raise(err::TypeMismatch);
    }
    bool sa = a.isString();
    bool sb = b.isString();
    if (sa && sb) {
        int c = a.s.compare(b.s, textCompare ? Qt::CaseInsensitive : Qt::CaseSensitive);
        return c < 0 ? -1 : c > 0 ? 1 : 0;
    }
    if (sa || sb) {
        const Value &other = sa ? b : a;
        const QString &text = sa ? a.s : b.s;
        if (other.isEmpty()) {
            return sa ? (text.isEmpty() ? 0 : 1) : (text.isEmpty() ? 0 : -1);
        }
        if (!numericLiteral) {
            return sa ? 1 : -1; // a number orders before any string
        }
        double n;
        if (!conv::parseNumber(text, n)) {
            raise(err::TypeMismatch);
        }
        double o = conv::toDouble(other);
        return sa ? sign(n - o) : sign(o - n);
    }
    if (a.type == VarType::Currency && b.type == VarType::Currency) {
        return a.i < b.i ? -1 : a.i > b.i ? 1 : 0;
    }
    if (a.isIntegral() && b.isIntegral()) {
        return a.i < b.i ? -1 : a.i > b.i ? 1 : 0;
    }
    double p = conv::toDouble(a);
    double q = conv::toDouble(b);
    return p < q ? -1 : p > q ? 1 : 0;
}

Value binary(BinaryOp op, const Value &a, const Value &b, bool numericLiteral)
{
    switch (op) {
    case BinaryOp::Concat: {
        if (a.isNull() && b.isNull()) {
            return Value::null();
        }
        return Value::string(concat(conv::toStringOrEmpty(a), conv::toStringOrEmpty(b)));
    }
    case BinaryOp::Is: {
        if (a.type != VarType::Object || b.type != VarType::Object) {
            raise(err::ObjectRequired);
        }
        return Value::boolean(a.p.get() == b.p.get());
    }
    case BinaryOp::And:
    case BinaryOp::Or:
    case BinaryOp::Xor:
    case BinaryOp::Eqv:
    case BinaryOp::Imp:
        return logical(op, a, b);
    case BinaryOp::Eq:
    case BinaryOp::Ne:
    case BinaryOp::Lt:
    case BinaryOp::Le:
    case BinaryOp::Gt:
    case BinaryOp::Ge: {
        int c = compare(a, b, numericLiteral);
        if (c == kNullComparison) {
            return Value::null();
        }
        bool r = op == BinaryOp::Eq   ? c == 0
                 : op == BinaryOp::Ne ? c != 0
                 : op == BinaryOp::Lt ? c < 0
                 : op == BinaryOp::Le ? c <= 0
                 : op == BinaryOp::Gt ? c > 0
                                      : c >= 0;
        return Value::boolean(r);
    }
    default:
        break;
    }
    if (a.isNull() || b.isNull()) {
        // Only the operand types are checked; the value is Null.
        if ((a.isArray() || b.isArray())) {
            raise(err::TypeMismatch);
        }
        return Value::null();
    }
    switch (op) {
    case BinaryOp::Add:
        return add(a, b);
    case BinaryOp::Sub:
    case BinaryOp::Mul:
        return arithmetic(op, a, b);
    case BinaryOp::Div:
        return divide(a, b);
    case BinaryOp::IntDiv:
    case BinaryOp::Mod:
        return integerDivide(op, a, b);
    case BinaryOp::Pow:
        return power(a, b);
    default:
        raise(err::TypeMismatch);
    }
}

Value negate(const Value &x)
{
    if (x.isNull()) {
        return x;
    }
    Value a = numeric(x);
    switch (a.type) {
    case VarType::Byte:
    case VarType::Boolean:
    case VarType::Integer:
        return conv::fitInteger(-a.i, VarType::Integer);
    case VarType::Long:
        return conv::fitInteger(-a.i, VarType::Long);
    case VarType::Currency:
        if (a.i == INT64_MIN) {
            raise(err::Overflow);
        }
        return Value::currencyScaled(-a.i);
    case VarType::Single:
        return Value::single(float(-a.d));
    case VarType::Date:
        return Value::date(-a.d);
    default:
        return Value::real(-conv::toDouble(a));
    }
}

Value logicalNot(const Value &x)
{
    Value a = x.type == VarType::Object ? conv::dereference(x) : x;
    switch (a.type) {
    case VarType::Null:
        return a;
    case VarType::Boolean:
        return Value::boolean(a.i == 0);
    case VarType::Empty:
        return Value::integer(-1);
    case VarType::Byte:
        return Value::byte(std::uint8_t(~a.i));
    case VarType::Integer:
        return Value::integer(std::int16_t(~a.i));
    default:
        return Value::longValue(~conv::toLong(numeric(a)));
    }
}

} // namespace cellvex::vbs::ops
