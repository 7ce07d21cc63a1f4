#include "script/vbscript/Builtins.h"
#include "script/vbscript/Convert.h"
#include "script/vbscript/DateMath.h"
#include "script/vbscript/ScriptError.h"

#include <QRegularExpression>

#include <cmath>
#include <cstdio>

namespace cellvex::vbs {

namespace {

using Args = std::vector<Value>;

// A tristate argument: -1 yes, 0 no, -2 (or missing) the default.
bool tristate(const Args &a, std::size_t i, bool byDefault)
{
    if (!arg::given(a, i)) {
        return byDefault;
    }
    std::int32_t v = conv::toLong(a[i]);
    return v == -2 ? byDefault : v != 0;
}

QString formatted(double x, const Args &a, int firstOption)
{
    int digits = 2;
    if (arg::given(a, std::size_t(firstOption))) {
        digits = conv::toLong(a[std::size_t(firstOption)]);
        if (digits == -1) {
            digits = 2;
        }
        if (digits < 0 || digits > 99) {
            raise(err::InvalidCall);
        }
    }
    bool leading = tristate(a, std::size_t(firstOption) + 1, true);
    bool parens = tristate(a, std::size_t(firstOption) + 2, false);
    bool group = tristate(a, std::size_t(firstOption) + 3, true);
    if (!std::isfinite(x) || std::fabs(x) > 1e300) {
        raise(err::Overflow);
    }
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.*f", digits, std::fabs(x));
    QString s = QString::fromLatin1(buf);
    qsizetype dot = s.indexOf(QLatin1Char('.'));
    QString whole = dot < 0 ? s : s.left(dot);
    QString frac = dot < 0 ? QString() : s.mid(dot);
    if (group) {
        for (qsizetype i = whole.size() - 3; i > 0; i -= 3) {
            whole.insert(i, QLatin1Char(','));
        }
    }
    if (whole == QLatin1String("0") && !leading && !frac.isEmpty()) {
        whole.clear();
    }
    QString body = whole + frac;
    bool negative = x < 0 && body.contains(QRegularExpression(QStringLiteral("[1-9]")));
    if (!negative) {
        return body;
    }
    return parens ? QLatin1Char('(') + body + QLatin1Char(')') : QLatin1Char('-') + body;
}

} // namespace

void addFormatBuiltins(std::vector<Builtin> &out)
{
    out.push_back({"FormatNumber",
                   1,
                   5,
                   [](Runtime &, Args &a) -> Value {
                       arg::notNull(a[0]);
                       return Value::string(formatted(conv::toDouble(a[0]), a, 1));
                   },
                   {}});
    out.push_back({"FormatCurrency",
                   1,
                   5,
                   [](Runtime &, Args &a) -> Value {
                       arg::notNull(a[0]);
                       double x = conv::toDouble(a[0]);
                       QString s = formatted(x, a, 1);
                       if (s.startsWith(QLatin1Char('-'))) {
                           return Value::string(QStringLiteral("-$") + s.mid(1));
                       }
                       if (s.startsWith(QLatin1Char('('))) {
                           return Value::string(QStringLiteral("($") + s.mid(1));
                       }
                       return Value::string(QLatin1Char('$') + s);
                   },
                   {}});
    out.push_back({"FormatPercent",
                   1,
                   5,
                   [](Runtime &, Args &a) -> Value {
                       arg::notNull(a[0]);
                       QString s = formatted(conv::toDouble(a[0]) * 100.0, a, 1);
                       if (s.endsWith(QLatin1Char(')'))) {
                           s.insert(s.size() - 1, QLatin1Char('%'));
                           return Value::string(s);
                       }
                       return Value::string(s + QLatin1Char('%'));
                   },
                   {}});
    out.push_back({"FormatDateTime",
                   1,
                   2,
                   [](Runtime &, Args &a) -> Value {
                       arg::notNull(a[0]);
                       double d = conv::toDate(a[0]);
                       int style = arg::given(a, 1) ? conv::toLong(a[1]) : 0;
                       switch (style) {
                       case 0:
                           return Value::string(date::format(d));
                       case 1:
                           return Value::string(date::formatLongDate(d));
                       case 2:
                           return Value::string(date::formatShortDate(d));
                       case 3:
                           return Value::string(date::formatLongTime(d));
                       case 4:
                           return Value::string(date::formatShortTime(d));
                       default:
                           raise(err::InvalidCall);
                       }
                   },
                   {}});
}

} // namespace cellvex::vbs
