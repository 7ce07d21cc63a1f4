#include "script/vbscript/Convert.h"

#include "script/vbscript/Array.h"
#include "script/vbscript/DateMath.h"
#include "script/vbscript/Object.h"
#include "script/vbscript/Runtime.h"
#include "script/vbscript/ScriptError.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace cellvex::vbs::conv {

namespace {

bool parseRadix(const QString &t, int start, int radix, double &out)
{
    if (start >= t.size()) {
        return false;
    }
    std::uint64_t v = 0;
    for (int i = start; i < t.size(); ++i) {
        int digit = t[i].isDigit() ? t[i].digitValue() : -1;
        if (radix == 16 && digit < 0) {
            QChar c = t[i].toLower();
            if (c >= QLatin1Char('a') && c <= QLatin1Char('f')) {
                digit = c.unicode() - 'a' + 10;
            }
        }
        if (digit < 0 || digit >= radix) {
            return false;
        }
        v = v * radix + digit;
        if (v > 0xFFFFFFFFull) {
            return false;
        }
    }
    // &H strings read as a Long bit pattern, 16-bit patterns as an Integer.
    if (v <= 0xFFFF && t.size() - start <= (radix == 16 ? 4 : 6)) {
        out = double(std::int16_t(std::uint16_t(v)));
    } else {
        out = double(std::int32_t(std::uint32_t(v)));
    }
    return true;
}

} // namespace

bool parseNumber(const QString &text, double &out)
{
    QString t = text.trimmed();
    if (t.isEmpty()) {
        return false;
    }
    if (t.size() > 2 && t[0] == QLatin1Char('&')) {
        QChar k = t[1].toLower();
        if (k == QLatin1Char('h')) {
            return parseRadix(t, 2, 16, out);
        }
        if (k == QLatin1Char('o')) {
            return parseRadix(t, 2, 8, out);
        }
        return false;
    }
    int i = 0;
    const int n = int(t.size());
    if (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')) {
        ++i;
    }
    int digits = 0;
    while (i < n && t[i].isDigit()) {
        ++i;
        ++digits;
    }
    if (i < n && t[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && t[i].isDigit()) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < n && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E') || t[i] == QLatin1Char('d') ||
                  t[i] == QLatin1Char('D'))) {
        ++i;
        if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) {
            ++i;
        }
        int expDigits = 0;
        while (i < n && t[i].isDigit()) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0) {
            return false;
        }
    }
    if (i != n) {
        return false;
    }
    QString norm = t;
    norm.replace(QLatin1Char('d'), QLatin1Char('e')).replace(QLatin1Char('D'), QLatin1Char('e'));
    bool ok = false;
    double v = norm.toDouble(&ok);
    if (!ok || !std::isfinite(v)) {
        return false;
    }
    out = v;
    return true;
}

bool isNumeric(const Value &v)
{
    switch (v.type) {
    case VarType::Empty:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double:
    case VarType::Currency:
    case VarType::Boolean:
    case VarType::Byte:
        return true;
    case VarType::String: {
        double d;
        return parseNumber(v.s, d);
    }
    default:
        return false;
    }
}

Value dereference(const Value &v)
{
    if (v.type != VarType::Object) {
        return v;
    }
    Object *o = v.asObject();
    if (!o) {
        raise(err::ObjectVariableNotSet);
    }
    Runtime *rt = Runtime::current();
    if (!rt) {
        raise(err::TypeMismatch);
    }
    ArgRefs none;
    Value r = o->invoke(*rt, Name{}, InvokeKind::Get, none, nullptr);
    if (r.type == VarType::Object) {
        raise(err::TypeMismatch);
    }
    return r;
}

double toDouble(const Value &v)
{
    switch (v.type) {
    case VarType::Empty:
        return 0;
    case VarType::Null:
        raise(err::InvalidUseOfNull);
    case VarType::Integer:
    case VarType::Long:
    case VarType::Byte:
    case VarType::Boolean:
    case VarType::Error:
        return double(v.i);
    case VarType::Currency:
        return double(v.i) / 10000.0;
    case VarType::Single:
    case VarType::Double:
    case VarType::Date:
        return v.d;
    case VarType::String: {
        double d;
        if (parseNumber(v.s, d)) {
            return d;
        }
        double serial;
        if (date::parse(v.s, serial)) {
            return serial;
        }
        raise(err::TypeMismatch);
    }
    case VarType::Object:
        return toDouble(dereference(v));
    default:
        raise(err::TypeMismatch);
    }
}

double roundHalfEven(double x)
{
    double r = std::nearbyint(x); // the default rounding mode is to nearest, ties to even
    return r;
}

std::int32_t toLong(const Value &v)
{
    if (v.type == VarType::Long || v.type == VarType::Integer || v.type == VarType::Byte ||
        v.type == VarType::Boolean) {
        return std::int32_t(v.i);
    }
    if (v.type == VarType::Currency) {
        double r = roundHalfEven(double(v.i) / 10000.0);
        if (r < -2147483648.0 || r > 2147483647.0) {
            raise(err::Overflow);
        }
        return std::int32_t(r);
    }
    double r = roundHalfEven(toDouble(v));
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) {
        raise(err::Overflow);
    }
    return std::int32_t(r);
}

std::int16_t toInteger(const Value &v)
{
    std::int32_t n = toLong(v);
    if (n < -32768 || n > 32767) {
        raise(err::Overflow);
    }
    return std::int16_t(n);
}

std::uint8_t toByte(const Value &v)
{
    std::int32_t n = toLong(v);
    if (n < 0 || n > 255) {
        raise(err::Overflow);
    }
    return std::uint8_t(n);
}

std::int64_t toCurrency(const Value &v)
{
    if (v.type == VarType::Currency) {
        return v.i;
    }
    double x = toDouble(v) * 10000.0;
    if (!(std::fabs(x) < 9.2233720368547e18)) {
        raise(err::Overflow);
    }
    return std::int64_t(roundHalfEven(x));
}

float toSingle(const Value &v)
{
    double d = toDouble(v);
    if (std::fabs(d) > double(std::numeric_limits<float>::max())) {
        raise(err::Overflow);
    }
    return float(d);
}

bool toBool(const Value &v)
{
    switch (v.type) {
    case VarType::Boolean:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Byte:
    case VarType::Currency:
        return v.i != 0;
    case VarType::Empty:
        return false;
    case VarType::Null:
        raise(err::InvalidUseOfNull);
    case VarType::Single:
    case VarType::Double:
    case VarType::Date:
        return v.d != 0;
    case VarType::String: {
        QString t = v.s.trimmed();
        if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
            return true;
        }
        if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
            return false;
        }
        double d;
        if (parseNumber(t, d)) {
            return d != 0;
        }
        raise(err::TypeMismatch);
    }
    case VarType::Object:
        return toBool(dereference(v));
    default:
        raise(err::TypeMismatch);
    }
}

double toDate(const Value &v)
{
    double serial = 0;
    if (v.type == VarType::Date) {
        return v.d;
    }
    if (v.type == VarType::String) {
        if (date::parse(v.s, serial)) {
            return serial;
        }
        double d;
        if (!parseNumber(v.s, d)) {
            raise(err::TypeMismatch);
        }
        serial = d;
    } else {
        serial = toDouble(v);
    }
    if (!date::inRange(serial)) {
        raise(err::Overflow);
    }
    return serial;
}

QString formatDouble(double x, int significant)
{
    if (x == 0) {
        return QStringLiteral("0");
    }
    if (std::isnan(x)) {
        return QStringLiteral("NaN");
    }
    if (std::isinf(x)) {
        return x > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", significant - 1, x);
    // buf: [-]d.ddddde[+-]xx
    QString s = QString::fromLatin1(buf);
    int e = int(s.indexOf(QLatin1Char('e')));
    int exp = s.mid(e + 1).toInt();
    QString mant = s.left(e);
    bool neg = mant.startsWith(QLatin1Char('-'));
    if (neg) {
        mant.remove(0, 1);
    }
    QString digits = mant;
    digits.remove(QLatin1Char('.'));
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0'))) {
        digits.chop(1);
    }
    QString out;
    if (exp >= significant || exp < -5) {
        out = digits.left(1);
        if (digits.size() > 1) {
            out += QLatin1Char('.') + digits.mid(1);
        }
        out += QLatin1Char('E');
        out += QLatin1Char(exp < 0 ? '-' : '+');
        out += QStringLiteral("%1").arg(std::abs(exp), 2, 10, QLatin1Char('0'));
    } else if (exp < 0) {
        out = QStringLiteral("0.") + QString(-exp - 1, QLatin1Char('0')) + digits;
    } else {
        if (digits.size() <= exp + 1) {
            out = digits + QString(exp + 1 - digits.size(), QLatin1Char('0'));
        } else {
            out = digits.left(exp + 1) + QLatin1Char('.') + digits.mid(exp + 1);
        }
    }
    return neg ? QLatin1Char('-') + out : out;
}

QString formatCurrency(std::int64_t scaled)
{
    bool neg = scaled < 0;
    std::uint64_t a = neg ? 0 - std::uint64_t(scaled) : std::uint64_t(scaled);
    QString out = QString::number(a / 10000);
    std::uint64_t frac = a % 10000;
    if (frac) {
        QString f = QStringLiteral("%1").arg(frac, 4, 10, QLatin1Char('0'));
        while (f.endsWith(QLatin1Char('0'))) {
            f.chop(1);
        }
        out += QLatin1Char('.') + f;
    }
    return neg ? QLatin1Char('-') + out : out;
}

QString toString(const Value &v)
{
    switch (v.type) {
    case VarType::String:
        return v.s;
    case VarType::Empty:
        return {};
    case VarType::Null:
        raise(err::InvalidUseOfNull);
    case VarType::Boolean:
        return v.i ? QStringLiteral("True") : QStringLiteral("False");
    case VarType::Integer:
    case VarType::Long:
    case VarType::Byte:
        return QString::number(v.i);
    case VarType::Error:
        return QStringLiteral("Error ") + QString::number(v.i);
    case VarType::Currency:
        return formatCurrency(v.i);
    case VarType::Single:
        return formatDouble(v.d, 7);
    case VarType::Double:
        return formatDouble(v.d);
    case VarType::Date:
        return date::format(v.d);
    case VarType::Object:
        return toString(dereference(v));
    default:
        raise(err::TypeMismatch);
    }
}

QString toStringOrEmpty(const Value &v)
{
    return v.type == VarType::Null ? QString() : toString(v);
}

Value fromInteger(std::int64_t n)
{
    if (n >= -32768 && n <= 32767) {
        return Value::integer(std::int16_t(n));
    }
    if (n >= INT32_MIN && n <= INT32_MAX) {
        return Value::longValue(std::int32_t(n));
    }
    return Value::real(double(n));
}

Value fitInteger(std::int64_t n, VarType minType)
{
    if (minType == VarType::Byte && n >= 0 && n <= 255) {
        return Value::byte(std::uint8_t(n));
    }
    if (minType != VarType::Long && n >= -32768 && n <= 32767) {
        return Value::integer(std::int16_t(n));
    }
    if (n >= INT32_MIN && n <= INT32_MAX) {
        return Value::longValue(std::int32_t(n));
    }
    return Value::real(double(n));
}

QString typeName(const Value &v)
{
    switch (v.type) {
    case VarType::Empty:
        return QStringLiteral("Empty");
    case VarType::Null:
        return QStringLiteral("Null");
    case VarType::Integer:
        return QStringLiteral("Integer");
    case VarType::Long:
        return QStringLiteral("Long");
    case VarType::Single:
        return QStringLiteral("Single");
    case VarType::Double:
        return QStringLiteral("Double");
    case VarType::Currency:
        return QStringLiteral("Currency");
    case VarType::Date:
        return QStringLiteral("Date");
    case VarType::String:
        return QStringLiteral("String");
    case VarType::Object:
        return v.asObject() ? v.asObject()->typeName() : QStringLiteral("Nothing");
    case VarType::Error:
        return QStringLiteral("Error");
    case VarType::Boolean:
        return QStringLiteral("Boolean");
    case VarType::Byte:
        return QStringLiteral("Byte");
    case VarType::Array:
        return QStringLiteral("Variant()");
    }
    return QStringLiteral("Unknown");
}

int varType(const Value &v)
{
    return int(v.type);
}

} // namespace cellvex::vbs::conv
