#include "script/vbscript/MatchObject.h"

#include "script/vbscript/Convert.h"
#include "script/vbscript/ListObject.h"
#include "script/vbscript/ScriptError.h"

namespace cellvex::vbs {

Value MatchObject::invoke(Runtime &, const Name &member, InvokeKind kind, ArgRefs &args, const Value *)
{
    const QString &key = member.key;
    if (kind == InvokeKind::Get && key == QLatin1String("submatches") && args.size() == 1) {
        // m.SubMatches(i): the collection's default member, in one step.
        std::int32_t i = conv::toLong(*args[0]);
        if (i < 0 || std::size_t(i) >= m_subMatches.size()) {
            raise(err::InvalidCall);
        }
        return m_subMatches[std::size_t(i)];
    }
    if (kind != InvokeKind::Get || !args.empty()) {
        raise(err::NoSuchMember, member.text);
    }
    if (key.isEmpty() || key == QLatin1String("value")) {
        return Value::string(m_value);
    }
    if (key == QLatin1String("firstindex")) {
        return Value::longValue(m_firstIndex);
    }
    if (key == QLatin1String("length")) {
        return Value::longValue(std::int32_t(m_value.size()));
    }
    if (key == QLatin1String("submatches")) {
        return Value::object(new ListObject(QStringLiteral("ISubMatches"), m_subMatches));
    }
    raise(err::NoSuchMember, member.text);
}

} // namespace cellvex::vbs
