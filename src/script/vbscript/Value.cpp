#include "script/vbscript/Value.h"

#include "script/vbscript/Array.h"
#include "script/vbscript/Object.h"
#include "script/vbscript/ScriptError.h"

namespace cellvex::vbs {

Value Value::object(Object *o)
{
    Value v;
    v.type = VarType::Object;
    v.p = Ref<RefCounted>(o);
    return v;
}

Value Value::array(Array *a)
{
    Value v;
    v.type = VarType::Array;
    v.p = Ref<RefCounted>(a);
    return v;
}

Object *Value::asObject() const
{
    return type == VarType::Object ? static_cast<Object *>(p.get()) : nullptr;
}

Array *Value::asArray() const
{
    return type == VarType::Array ? static_cast<Array *>(p.get()) : nullptr;
}

std::vector<Value> Object::enumerate(Runtime &)
{
    raise(err::NotACollection);
}

} // namespace cellvex::vbs
