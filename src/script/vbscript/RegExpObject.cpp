#include "script/vbscript/RegExpObject.h"

#include "script/vbscript/Convert.h"
#include "script/vbscript/ListObject.h"
#include "script/vbscript/MatchObject.h"
#include "script/vbscript/Operators.h"
#include "script/vbscript/ScriptError.h"

namespace cellvex::vbs {

namespace {
constexpr int kSyntaxError = 5017;
constexpr std::size_t kMaxMatches = 1 << 20;
} // namespace

const QRegularExpression &RegExpObject::compiled()
{
    if (m_dirty) {
        QRegularExpression::PatternOptions options = QRegularExpression::NoPatternOption;
        if (m_ignoreCase) {
            options |= QRegularExpression::CaseInsensitiveOption;
        }
        if (m_multiline) {
            options |= QRegularExpression::MultilineOption;
        }
        m_re = QRegularExpression(m_pattern, options);
        m_dirty = false;
    }
    if (!m_re.isValid()) {
        raise(kSyntaxError);
    }
    return m_re;
}

Value RegExpObject::execute(const QString &text)
{
    std::vector<Value> matches;
    auto it = compiled().globalMatch(text);
    while (it.hasNext()) {
        QRegularExpressionMatch m = it.next();
        std::vector<Value> subs;
        for (int g = 1; g <= m.lastCapturedIndex(); ++g) {
            subs.push_back(m.capturedStart(g) < 0 ? Value() : Value::string(m.captured(g)));
        }
        matches.push_back(
            Value::object(new MatchObject(m.captured(0), std::int32_t(m.capturedStart(0)), std::move(subs))));
        if (!m_global || matches.size() >= kMaxMatches) {
            break;
        }
    }
    return Value::object(new ListObject(QStringLiteral("IMatchCollection2"), std::move(matches)));
}

QString RegExpObject::replace(const QString &text, const QString &with)
{
    QString out;
    qsizetype last = 0;
    auto it = compiled().globalMatch(text);
    while (it.hasNext()) {
        QRegularExpressionMatch m = it.next();
        out += QStringView(text).mid(last, m.capturedStart(0) - last);
        for (qsizetype i = 0; i < with.size(); ++i) {
            QChar c = with[i];
            if (c == QLatin1Char('$') && i + 1 < with.size()) {
                QChar n = with[i + 1];
                if (n == QLatin1Char('$')) {
                    out += QLatin1Char('$');
                    ++i;
                    continue;
                }
                if (n == QLatin1Char('&')) {
                    out += m.captured(0);
                    ++i;
                    continue;
                }
                if (n.isDigit() && n != QLatin1Char('0') && n.digitValue() <= m.lastCapturedIndex()) {
                    out += m.captured(n.digitValue());
                    ++i;
                    continue;
                }
            }
            out += c;
        }
        if (out.size() > ops::kMaxString) {
            raise(err::OutOfStringSpace);
        }
        last = m.capturedEnd(0);
        if (!m_global) {
            break;
        }
    }
    out += QStringView(text).mid(last);
    return out;
}

Value RegExpObject::invoke(Runtime &, const Name &member, InvokeKind kind, ArgRefs &args,
                           const Value *assigned)
{
    const QString &key = member.key;
    const bool get = kind == InvokeKind::Get;
    auto need = [&](std::size_t n) {
        if (args.size() != n) {
            raise(err::WrongArgumentCount, member.text);
        }
    };
    auto flag = [&](bool &f) -> Value {
        need(0);
        if (get) {
            return Value::boolean(f);
        }
        f = conv::toBool(*assigned);
        m_dirty = true;
        return {};
    };
    if (key == QLatin1String("pattern")) {
        need(0);
        if (get) {
            return Value::string(m_pattern);
        }
        m_pattern = conv::toString(*assigned);
        m_dirty = true;
        return {};
    }
    if (key == QLatin1String("ignorecase")) {
        return flag(m_ignoreCase);
    }
    if (key == QLatin1String("global")) {
        return flag(m_global);
    }
    if (key == QLatin1String("multiline")) {
        return flag(m_multiline);
    }
    if (!get) {
        raise(err::NoSuchMember, member.text);
    }
    if (key == QLatin1String("test")) {
        need(1);
        return Value::boolean(compiled().match(conv::toStringOrEmpty(*args[0])).hasMatch());
    }
    if (key == QLatin1String("execute")) {
        need(1);
        return execute(conv::toStringOrEmpty(*args[0]));
    }
    if (key == QLatin1String("replace")) {
        need(2);
        return Value::string(replace(conv::toStringOrEmpty(*args[0]), conv::toStringOrEmpty(*args[1])));
    }
    raise(err::NoSuchMember, member.text);
}

} // namespace cellvex::vbs
