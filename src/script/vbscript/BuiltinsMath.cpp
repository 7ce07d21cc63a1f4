#include "script/vbscript/Builtins.h"
#include "script/vbscript/Convert.h"
#include "script/vbscript/Runtime.h"
#include "script/vbscript/ScriptError.h"

#include <QDateTime>

#include <cmath>
#include <cstring>

namespace cellvex::vbs {

namespace {

using Args = std::vector<Value>;

Value real(double d)
{
    if (!std::isfinite(d)) {
        raise(err::Overflow);
    }
    return Value::real(d);
}

Value nullOr(const Value &v, double (*f)(double))
{
    return v.isNull() ? v : real(f(conv::toDouble(v)));
}

// Round half to even at the given decimals; values within a hair of a half
// count as one, so Round(2.675, 2) sees the 2.675 the script wrote.
double roundTo(double x, int digits)
{
    double scale = std::pow(10.0, digits);
    double v = x * scale;
    double fl = std::floor(v);
    double diff = v - fl;
    double r;
    if (std::fabs(diff - 0.5) < 1e-9 * std::max(1.0, std::fabs(v))) {
        r = std::fmod(fl, 2.0) == 0 ? fl : fl + 1;
    } else {
        r = std::round(v);
    }
    return r / scale;
}

float nextRandom(Runtime &rt)
{
    rt.rndSeed = (rt.rndSeed * 1140671485u + 12820163u) & 0xFFFFFFu;
    return float(rt.rndSeed) / 16777216.0f;
}

} // namespace

void addMathBuiltins(std::vector<Builtin> &out)
{
    out.push_back({"Abs",
                   1,
                   1,
                   [](Runtime &, Args &a) -> Value {
                       const Value &v = a[0];
                       switch (v.type) {
                       case VarType::Null:
                           return v;
                       case VarType::Empty:
                           return Value::integer(0);
                       case VarType::Integer:
                       case VarType::Boolean:
                           return conv::fitInteger(std::llabs(v.i), VarType::Integer);
                       case VarType::Long:
                           return conv::fitInteger(std::llabs(v.i), VarType::Long);
                       case VarType::Byte:
                           return v;
                       case VarType::Currency:
                           return Value::currencyScaled(v.i < 0 ? -v.i : v.i);
                       case VarType::Single:
                           return Value::single(std::fabs(float(v.d)));
                       default:
                           return real(std::fabs(conv::toDouble(v)));
                       }
                   },
                   {}});
    out.push_back({"Atn",
                   1,
                   1,
                   [](Runtime &, Args &a) { return nullOr(a[0], [](double x) { return std::atan(x); }); },
                   {}});
    out.push_back({"Cos",
                   1,
                   1,
                   [](Runtime &, Args &a) { return nullOr(a[0], [](double x) { return std::cos(x); }); },
                   {}});
    out.push_back({"Sin",
                   1,
                   1,
                   [](Runtime &, Args &a) { return nullOr(a[0], [](double x) { return std::sin(x); }); },
                   {}});
    out.push_back({"Tan",
                   1,
                   1,
                   [](Runtime &, Args &a) { return nullOr(a[0], [](double x) { return std::tan(x); }); },
                   {}});
    out.push_back({"Exp",
                   1,
                   1,
                   [](Runtime &, Args &a) { return nullOr(a[0], [](double x) { return std::exp(x); }); },
                   {}});
    out.push_back({"Log",
                   1,
                   1,
                   [](Runtime &, Args &a) -> Value {
                       if (a[0].isNull()) {
                           return a[0];
                       }
                       double x = conv::toDouble(a[0]);
                       if (x <= 0) {
                           raise(err::InvalidCall);
                       }
                       return real(std::log(x));
                   },
                   {}});
    out.push_back({"Sqr",
                   1,
                   1,
                   [](Runtime &, Args &a) -> Value {
                       if (a[0].isNull()) {
                           return a[0];
                       }
                       double x = conv::toDouble(a[0]);
                       if (x < 0) {
                           raise(err::InvalidCall);
                       }
                       return real(std::sqrt(x));
                   },
                   {}});
    out.push_back({"Sgn",
                   1,
                   1,
                   [](Runtime &, Args &a) -> Value {
                       if (a[0].isNull()) {
                           return a[0];
                       }
                       double x = conv::toDouble(a[0]);
                       return Value::integer(x < 0 ? -1 : x > 0 ? 1 : 0);
                   },
                   {}});
    out.push_back({"Round",
                   1,
                   2,
                   [](Runtime &, Args &a) -> Value {
                       const Value &v = a[0];
                       if (v.isNull()) {
                           return v;
                       }
                       int digits = a.size() > 1 ? conv::toLong(a[1]) : 0;
                       if (digits < 0 || digits > 22) {
                           raise(err::InvalidCall);
                       }
                       if (v.isIntegral() && v.type != VarType::Boolean) {
                           return v;
                       }
                       double r = roundTo(conv::toDouble(v), digits);
                       if (v.type == VarType::Single) {
                           return Value::single(float(r));
                       }
                       if (v.type == VarType::Currency) {
                           return Value::currencyScaled(std::int64_t(std::llround(r * 10000.0)));
                       }
                       return real(r);
                   },
                   {}});
    out.push_back({"Rnd",
                   0,
                   1,
                   [](Runtime &rt, Args &a) -> Value {
                       if (!a.empty()) {
                           double n = conv::toDouble(a[0]);
                           if (n == 0) {
                               return Value::single(float(rt.rndLast));
                           }
                           if (n < 0) {
                               float f = float(n);
                               std::uint32_t bits;
                               std::memcpy(&bits, &f, sizeof bits);
                               rt.rndSeed = (bits + (bits >> 24)) & 0xFFFFFFu;
                           }
                       }
                       float r = nextRandom(rt);
                       rt.rndLast = r;
                       return Value::single(r);
                   },
                   {}});
    out.push_back({"Randomize",
                   0,
                   1,
                   [](Runtime &rt, Args &a) -> Value {
                       double seed = a.empty()
                                         ? double(QDateTime::currentMSecsSinceEpoch() % 86400000) / 1000.0
                                         : conv::toDouble(a[0]);
                       std::uint64_t bits;
                       std::memcpy(&bits, &seed, sizeof bits);
                       std::uint32_t mix = std::uint32_t(bits >> 32) ^ std::uint32_t(bits);
                       rt.rndSeed = ((mix & 0xFFFF) << 8 | (rt.rndSeed & 0xFF)) & 0xFFFFFFu;
                       return {};
                   },
                   {}});
}

} // namespace cellvex::vbs
