#include "script/vbscript/Array.h"
#include "script/vbscript/Builtins.h"
#include "script/vbscript/Convert.h"
#include "script/vbscript/Operators.h"
#include "script/vbscript/ScriptError.h"

#include <QStringList>

namespace cellvex::vbs {

namespace {

using Args = std::vector<Value>;

constexpr std::int64_t kMaxString = ops::kMaxString;

QString text(const Value &v)
{
    return conv::toStringOrEmpty(v);
}

Qt::CaseSensitivity compareMode(const Args &a, std::size_t i)
{
    if (!arg::given(a, i)) {
        return Qt::CaseSensitive;
    }
    std::int32_t mode = conv::toLong(a[i]);
    if (mode < -1 || mode > 2) {
        raise(err::InvalidCall);
    }
    return mode == 1 ? Qt::CaseInsensitive : Qt::CaseSensitive;
}

std::int32_t length(const Value &v, bool allowZero)
{
    std::int32_t n = conv::toLong(v);
    if (n < 0 || (!allowZero && n == 0)) {
        raise(err::InvalidCall);
    }
    return n;
}

Value stringArray(const QStringList &parts)
{
    auto *a = new Array;
    a->upper.push_back(std::int32_t(parts.size()) - 1);
    for (const QString &p : parts) {
        a->items.push_back(Value::string(p));
    }
    return Value::array(a);
}

const Array &oneDimensional(const Value &v)
{
    const Array *a = v.asArray();
    if (!a) {
        raise(err::TypeMismatch);
    }
    if (a->upper.size() > 1) {
        raise(err::SubscriptOutOfRange);
    }
    return *a;
}

Value trimmed(const Value &v, bool left, bool right)
{
    if (v.isNull()) {
        return v;
    }
    QString s = text(v);
    qsizetype b = 0;
    qsizetype e = s.size();
    while (left && b < e && s[b] == QLatin1Char(' ')) {
        ++b;
    }
    while (right && e > b && s[e - 1] == QLatin1Char(' ')) {
        --e;
    }
    return Value::string(s.mid(b, e - b));
}

Value inStr(Args &a)
{
    // InStr([start,] string1, string2[, compare])
    std::int64_t start = 1;
    std::size_t k = 0;
    if (a.size() >= 3) {
        if (a[0].isNull()) {
            raise(err::InvalidUseOfNull);
        }
        start = conv::toLong(a[0]);
        if (start < 1) {
            raise(err::InvalidCall);
        }
        k = 1;
    }
    if (a[k].isNull() || a[k + 1].isNull()) {
        return Value::null();
    }
    QString hay = text(a[k]);
    QString needle = text(a[k + 1]);
    Qt::CaseSensitivity cs = a.size() >= 4 ? compareMode(a, 3) : Qt::CaseSensitive;
    if (start > hay.size()) {
        return Value::longValue(0);
    }
    if (needle.isEmpty()) {
        return Value::longValue(std::int32_t(start));
    }
    return Value::longValue(std::int32_t(hay.indexOf(needle, start - 1, cs) + 1));
}

Value inStrRev(Args &a)
{
    if (a[0].isNull() || a[1].isNull()) {
        return Value::null();
    }
    QString hay = text(a[0]);
    QString needle = text(a[1]);
    std::int64_t start = arg::given(a, 2) ? conv::toLong(a[2]) : -1;
    if (start == 0 || start < -1) {
        raise(err::InvalidCall);
    }
    Qt::CaseSensitivity cs = compareMode(a, 3);
    if (start == -1) {
        start = hay.size();
    }
    if (start > hay.size()) {
        return Value::longValue(0);
    }
    if (needle.isEmpty()) {
        return Value::longValue(std::int32_t(start));
    }
    qsizetype from = start - needle.size();
    if (from < 0) {
        return Value::longValue(0);
    }
    return Value::longValue(std::int32_t(hay.lastIndexOf(needle, from, cs) + 1));
}

Value replaceText(Args &a)
{
    for (std::size_t i = 0; i < 3; ++i) {
        if (a[i].isNull()) {
            return i == 0 ? Value::null() : (raise(err::InvalidUseOfNull), Value());
        }
    }
    QString s = text(a[0]);
    QString find = text(a[1]);
    QString with = text(a[2]);
    std::int64_t start = arg::given(a, 3) ? conv::toLong(a[3]) : 1;
    std::int64_t count = arg::given(a, 4) ? conv::toLong(a[4]) : -1;
    if (start < 1 || count < -1) {
        raise(err::InvalidCall);
    }
    Qt::CaseSensitivity cs = compareMode(a, 5);
    // The result starts at start, as the language has always done.
    QString rest = s.mid(start - 1);
    if (find.isEmpty() || count == 0) {
        return Value::string(rest);
    }
    QString outText;
    qsizetype pos = 0;
    std::int64_t done = 0;
    for (;;) {
        qsizetype hit = (count == -1 || done < count) ? rest.indexOf(find, pos, cs) : -1;
        if (hit < 0) {
            outText += QStringView(rest).mid(pos);
            break;
        }
        outText += QStringView(rest).mid(pos, hit - pos);
        outText += with;
        if (outText.size() > kMaxString) {
            raise(err::OutOfStringSpace);
        }
        pos = hit + find.size();
        ++done;
    }
    return Value::string(outText);
}

Value splitText(Args &a)
{
    if (a[0].isNull()) {
        return Value::null();
    }
    QString s = text(a[0]);
    QString delim = a.size() > 1 && !a[1].isEmpty() ? text(a[1]) : QStringLiteral(" ");
    std::int64_t count = arg::given(a, 2) ? conv::toLong(a[2]) : -1;
    if (count < -1) {
        raise(err::InvalidCall);
    }
    Qt::CaseSensitivity cs = compareMode(a, 3);
    QStringList parts;
    if (s.isEmpty() || count == 0) {
        return stringArray(parts);
    }
    if (delim.isEmpty()) {
        parts << s;
        return stringArray(parts);
    }
    qsizetype pos = 0;
    for (;;) {
        if (count != -1 && parts.size() == count - 1) {
            parts << s.mid(pos);
            break;
        }
        qsizetype hit = s.indexOf(delim, pos, cs);
        if (hit < 0) {
            parts << s.mid(pos);
            break;
        }
        parts << s.mid(pos, hit - pos);
        pos = hit + delim.size();
        if (parts.size() >= Array::kMaxElements) {
            raise(err::OutOfMemory);
        }
    }
    return stringArray(parts);
}

bool plainInEscape(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || QStringLiteral("@*_+-./").contains(c);
}

Value escaped(const Value &v)
{
    if (v.isNull()) {
        return v;
    }
    QString in = text(v);
    QString out;
    for (QChar c : in) {
        if (plainInEscape(c)) {
            out += c;
        } else if (c.unicode() < 256) {
            out += QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        } else {
            out += QStringLiteral("%u") +
                   QStringLiteral("%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
        }
        if (out.size() > kMaxString) {
            raise(err::OutOfStringSpace);
        }
    }
    return Value::string(out);
}

Value unescaped(const Value &v)
{
    if (v.isNull()) {
        return v;
    }
    QString in = text(v);
    QString out;
    auto hex = [&](qsizetype at, int n, int &value) {
        if (at + n > in.size()) {
            return false;
        }
        bool ok = false;
        value = in.mid(at, n).toInt(&ok, 16);
        return ok && !in.mid(at, n).contains(QLatin1Char('-')) && !in.mid(at, n).contains(QLatin1Char('+'));
    };
    for (qsizetype i = 0; i < in.size(); ++i) {
        int value = 0;
        if (in[i] == QLatin1Char('%')) {
            if (i + 1 < in.size() && in[i + 1] == QLatin1Char('u') && hex(i + 2, 4, value)) {
                out += QChar(char16_t(value));
                i += 5;
                continue;
            }
            if (hex(i + 1, 2, value)) {
                out += QChar(char16_t(value));
                i += 2;
                continue;
            }
        }
        out += in[i];
    }
    return Value::string(out);
}

} // namespace

void addStringBuiltins(std::vector<Builtin> &out)
{
    out.push_back({"Len",
                   1,
                   1,
                   [](Runtime &, Args &a) -> Value {
                       if (a[0].isNull()) {
                           return a[0];
                       }
                       return Value::longValue(std::int32_t(text(a[0]).size()));
                   },
                   {}});
    out.push_back(
        {"LCase",
         1,
         1,
         [](Runtime &, Args &a) { return a[0].isNull() ? a[0] : Value::string(text(a[0]).toLower()); },
         {}});
    out.push_back(
        {"UCase",
         1,
         1,
         [](Runtime &, Args &a) { return a[0].isNull() ? a[0] : Value::string(text(a[0]).toUpper()); },
         {}});
    out.push_back({"Left",
                   2,
                   2,
                   [](Runtime &, Args &a) -> Value {
                       std::int32_t n = length(a[1], true);
                       return a[0].isNull() ? a[0] : Value::string(text(a[0]).left(n));
                   },
                   {}});
    out.push_back({"Right",
                   2,
                   2,
                   [](Runtime &, Args &a) -> Value {
                       std::int32_t n = length(a[1], true);
                       return a[0].isNull() ? a[0] : Value::string(text(a[0]).right(n));
                   },
                   {}});
    out.push_back({"Mid",
                   2,
                   3,
                   [](Runtime &, Args &a) -> Value {
                       std::int32_t start = length(a[1], false);
                       std::int32_t n = arg::given(a, 2) ? length(a[2], true) : -1;
                       if (a[0].isNull()) {
                           return a[0];
                       }
                       return Value::string(text(a[0]).mid(start - 1, n));
                   },
                   {}});
    out.push_back({"LTrim", 1, 1, [](Runtime &, Args &a) { return trimmed(a[0], true, false); }, {}});
    out.push_back({"RTrim", 1, 1, [](Runtime &, Args &a) { return trimmed(a[0], false, true); }, {}});
    out.push_back({"Trim", 1, 1, [](Runtime &, Args &a) { return trimmed(a[0], true, true); }, {}});
    out.push_back({"Space",
                   1,
                   1,
                   [](Runtime &, Args &a) -> Value {
                       std::int32_t n = length(a[0], true);
                       if (n > kMaxString) {
                           raise(err::OutOfStringSpace);
                       }
                       return Value::string(QString(n, QLatin1Char(' ')));
                   },
                   {}});
    out.push_back({"String",
                   2,
                   2,
                   [](Runtime &, Args &a) -> Value {
                       std::int32_t n = length(a[0], true);
                       if (a[1].isNull()) {
                           return a[1];
                       }
                       if (n > kMaxString) {
                           raise(err::OutOfStringSpace);
                       }
                       QChar c;
                       if (a[1].isString()) {
                           if (a[1].s.isEmpty()) {
                               raise(err::InvalidCall);
                           }
                           c = a[1].s[0];
                       } else {
                           c = QChar(char16_t(conv::toLong(a[1]) & 0xFF));
                       }
                       return Value::string(QString(n, c));
                   },
                   {}});
    out.push_back({"Escape", 1, 1, [](Runtime &, Args &a) { return escaped(a[0]); }, {}});
    out.push_back({"Unescape", 1, 1, [](Runtime &, Args &a) { return unescaped(a[0]); }, {}});
    out.push_back({"InStr", 2, 4, [](Runtime &, Args &a) { return inStr(a); }, {}});
    out.push_back({"InStrRev", 2, 4, [](Runtime &, Args &a) { return inStrRev(a); }, {}});
    out.push_back({"Replace", 3, 6, [](Runtime &, Args &a) { return replaceText(a); }, {}});
    out.push_back({"Split", 1, 4, [](Runtime &, Args &a) { return splitText(a); }, {}});
    out.push_back({"Join",
                   1,
                   2,
                   [](Runtime &, Args &a) -> Value {
                       const Array &arr = oneDimensional(a[0]);
                       QString delim = a.size() > 1 ? text(a[1]) : QStringLiteral(" ");
                       QString r;
                       for (std::size_t i = 0; i < arr.items.size(); ++i) {
                           if (i) {
                               r = ops::concat(r, delim);
                           }
                           r = ops::concat(r, text(arr.items[i]));
                       }
                       return Value::string(r);
                   },
                   {}});
    out.push_back({"StrComp",
                   2,
                   3,
                   [](Runtime &, Args &a) -> Value {
                       if (a[0].isNull() || a[1].isNull()) {
                           return Value::null();
                       }
                       int c = text(a[0]).compare(text(a[1]), compareMode(a, 2));
                       return Value::integer(c < 0 ? -1 : c > 0 ? 1 : 0);
                   },
                   {}});
    out.push_back({"StrReverse",
                   1,
                   1,
                   [](Runtime &, Args &a) -> Value {
                       arg::notNull(a[0]);
                       QString s = text(a[0]);
                       std::reverse(s.begin(), s.end());
                       return Value::string(s);
                   },
                   {}});
    out.push_back({"Filter",
                   2,
                   4,
                   [](Runtime &, Args &a) -> Value {
                       const Array &arr = oneDimensional(a[0]);
                       arg::notNull(a[1]);
                       QString match = text(a[1]);
                       bool include = a.size() > 2 ? conv::toBool(a[2]) : true;
                       Qt::CaseSensitivity cs = compareMode(a, 3);
                       QStringList kept;
                       for (const Value &v : arr.items) {
                           QString s = text(v);
                           if (s.contains(match, cs) == include) {
                               kept << s;
                           }
                       }
                       return stringArray(kept);
                   },
                   {}});
}

} // namespace cellvex::vbs
