#include "script/vbscript/Array.h"
#include "script/vbscript/Builtins.h"
#include "script/vbscript/Convert.h"
#include "script/vbscript/DateMath.h"
#include "script/vbscript/ScriptError.h"

#include <cmath>

namespace cellvex::vbs {

namespace {

using Args = std::vector<Value>;

QString radix(const Value &v, int base)
{
    Value n = v;
    if (n.isString()) {
        n = Value::real(conv::toDouble(n));
    }
    std::int32_t x = conv::toLong(n);
    // Integers show their 16-bit pattern, longs their 32-bit one.
    if (n.type == VarType::Integer || n.type == VarType::Byte || n.type == VarType::Boolean ||
        n.type == VarType::Empty) {
        return QString::number(std::uint16_t(x), base).toUpper();
    }
    return QString::number(std::uint32_t(x), base).toUpper();
}

Value truncated(const Value &v, bool floorIt)
{
    if (v.isNull()) {
        return v;
    }
    Value n = v.isString() || v.isEmpty() || v.isObject() ? Value::real(conv::toDouble(v)) : v;
    switch (n.type) {
    case VarType::Integer:
    case VarType::Long:
    case VarType::Byte:
        return n;
    case VarType::Boolean:
        return Value::integer(std::int16_t(n.i));
    case VarType::Currency: {
        double d = double(n.i) / 10000.0;
        return Value::currencyScaled(std::int64_t((floorIt ? std::floor(d) : std::trunc(d)) * 10000.0));
    }
    case VarType::Single:
        return Value::single(float(floorIt ? std::floor(n.d) : std::trunc(n.d)));
    case VarType::Date:
        return Value::date(floorIt ? std::floor(n.d) : std::trunc(n.d));
    default: {
        double d = conv::toDouble(n);
        return Value::real(floorIt ? std::floor(d) : std::trunc(d));
    }
    }
}

} // namespace

void addConversionBuiltins(std::vector<Builtin> &out)
{
    out.push_back({"CBool", 1, 1, [](Runtime &, Args &a) { return Value::boolean(conv::toBool(a[0])); }, {}});
    out.push_back({"CByte", 1, 1, [](Runtime &, Args &a) { return Value::byte(conv::toByte(a[0])); }, {}});
    out.push_back(
        {"CCur", 1, 1, [](Runtime &, Args &a) { return Value::currencyScaled(conv::toCurrency(a[0])); }, {}});
    out.push_back({"CDate", 1, 1, [](Runtime &, Args &a) { return Value::date(conv::toDate(a[0])); }, {}});
    out.push_back({"CDbl", 1, 1, [](Runtime &, Args &a) { return Value::real(conv::toDouble(a[0])); }, {}});
    out.push_back(
        {"CInt", 1, 1, [](Runtime &, Args &a) { return Value::integer(conv::toInteger(a[0])); }, {}});
    out.push_back(
        {"CLng", 1, 1, [](Runtime &, Args &a) { return Value::longValue(conv::toLong(a[0])); }, {}});
    out.push_back({"CSng", 1, 1, [](Runtime &, Args &a) { return Value::single(conv::toSingle(a[0])); }, {}});
    out.push_back({"CStr", 1, 1, [](Runtime &, Args &a) { return Value::string(conv::toString(a[0])); }, {}});
    out.push_back(
        {"Hex",
         1,
         1,
         [](Runtime &, Args &a) { return a[0].isNull() ? Value::null() : Value::string(radix(a[0], 16)); },
         {}});
    out.push_back(
        {"Oct",
         1,
         1,
         [](Runtime &, Args &a) { return a[0].isNull() ? Value::null() : Value::string(radix(a[0], 8)); },
         {}});
    out.push_back({"Fix", 1, 1, [](Runtime &, Args &a) { return truncated(a[0], false); }, {}});
    out.push_back({"Int", 1, 1, [](Runtime &, Args &a) { return truncated(a[0], true); }, {}});
    auto asc = [](Runtime &, Args &a) -> Value {
        arg::notNull(a[0]);
        QString s = conv::toString(a[0]);
        if (s.isEmpty()) {
            raise(err::InvalidCall);
        }
        return Value::integer(std::int16_t(s[0].unicode()));
    };
    out.push_back({"Asc", 1, 1, asc, {}});
    out.push_back({"AscB", 1, 1, asc, {}});
    out.push_back({"AscW", 1, 1, asc, {}});
    auto chr = [](Runtime &, Args &a) -> Value {
        std::int32_t c = conv::toLong(a[0]);
        if (c < -32768 || c > 65535) {
            raise(err::InvalidCall);
        }
        return Value::string(QString(QChar(char16_t(std::uint16_t(c)))));
    };
    out.push_back({"Chr", 1, 1, chr, {}});
    out.push_back({"ChrB", 1, 1, chr, {}});
    out.push_back({"ChrW", 1, 1, chr, {}});
}

void addTypeBuiltins(std::vector<Builtin> &out)
{
    out.push_back(
        {"TypeName", 1, 1, [](Runtime &, Args &a) { return Value::string(conv::typeName(a[0])); }, {}});
    out.push_back({"VarType",
                   1,
                   1,
                   [](Runtime &, Args &a) { return Value::integer(std::int16_t(conv::varType(a[0]))); },
                   {}});
    out.push_back(
        {"IsNumeric", 1, 1, [](Runtime &, Args &a) { return Value::boolean(conv::isNumeric(a[0])); }, {}});
    out.push_back({"IsEmpty", 1, 1, [](Runtime &, Args &a) { return Value::boolean(a[0].isEmpty()); }, {}});
    out.push_back({"IsNull", 1, 1, [](Runtime &, Args &a) { return Value::boolean(a[0].isNull()); }, {}});
    out.push_back({"IsObject", 1, 1, [](Runtime &, Args &a) { return Value::boolean(a[0].isObject()); }, {}});
    out.push_back({"IsArray", 1, 1, [](Runtime &, Args &a) { return Value::boolean(a[0].isArray()); }, {}});
    out.push_back({"IsDate",
                   1,
                   1,
                   [](Runtime &, Args &a) {
                       double serial;
                       return Value::boolean(a[0].type == VarType::Date ||
                                             (a[0].isString() && date::parse(a[0].s, serial)));
                   },
                   {}});
}

} // namespace cellvex::vbs
