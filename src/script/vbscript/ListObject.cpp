#include "script/vbscript/ListObject.h"

#include "script/vbscript/Convert.h"
#include "script/vbscript/ScriptError.h"

namespace cellvex::vbs {

Value ListObject::invoke(Runtime &, const Name &member, InvokeKind kind, ArgRefs &args, const Value *)
{
    if (kind != InvokeKind::Get) {
        raise(err::NoSuchMember, member.text);
    }
    if (member.key == QLatin1String("count")) {
        if (!args.empty()) {
            raise(err::WrongArgumentCount, member.text);
        }
        return Value::longValue(std::int32_t(m_items.size()));
    }
    if (member.key.isEmpty() || member.key == QLatin1String("item")) {
        if (args.size() != 1) {
            raise(err::WrongArgumentCount, QStringLiteral("Item"));
        }
        std::int32_t i = conv::toLong(*args[0]);
        if (i < 0 || std::size_t(i) >= m_items.size()) {
            raise(err::InvalidCall);
        }
        return m_items[std::size_t(i)];
    }
    raise(err::NoSuchMember, member.text);
}

} // namespace cellvex::vbs
