#include "script/vbscript/ProcRefObject.h"

#include "script/vbscript/Runtime.h"

namespace cellvex::vbs {

Value ProcRefObject::invoke(Runtime &rt, const Name &member, InvokeKind kind, ArgRefs &args, const Value *)
{
    if (!member.key.isEmpty() || kind != InvokeKind::Get) {
        raise(err::NoSuchMember, member.text);
    }
    FrameScope scope(rt, rt.globalFrame());
    return rt.callProc(m_proc, nullptr, args);
}

} // namespace cellvex::vbs
