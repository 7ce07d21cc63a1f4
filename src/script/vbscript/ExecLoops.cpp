#include "script/vbscript/Array.h"
#include "script/vbscript/Convert.h"
#include "script/vbscript/Runtime.h"

namespace cellvex::vbs {

namespace {

bool truthy(const Value &v)
{
    if (v.type == VarType::Boolean) {
        return v.i != 0;
    }
    return !v.isNull() && conv::toBool(v);
}

// A loop bound: numbers stay, strings and the rest become Doubles.
Value bound(const Value &v)
{
    switch (v.type) {
    case VarType::Integer:
    case VarType::Long:
    case VarType::Double:
        return v;
    case VarType::Byte:
    case VarType::Boolean:
    case VarType::Empty:
        return Value::integer(std::int16_t(v.i));
    default:
        return Value::real(conv::toDouble(v));
    }
}

// Writes an integer counter in place when the slot holds nothing to release.
void setCounter(Value *slot, std::int64_t n, VarType kind)
{
    Value v = conv::fitInteger(n, kind);
    if (slot->type != VarType::String && slot->type != VarType::Object && slot->type != VarType::Array) {
        slot->type = v.type;
        slot->i = v.i;
        return;
    }
    Runtime::store(slot, v);
}

} // namespace

Flow ForStmt::exec(Runtime &rt) const
{
    Value start = bound(from->eval(rt));
    Value end = bound(to->eval(rt));
    Value inc = step ? bound(step->eval(rt)) : Value::integer(1);
    Value *slot = counter->ref(rt);
    if (!slot) {
        raise(1040);
    }
    const bool integral =
        start.type != VarType::Double && end.type != VarType::Double && inc.type != VarType::Double;
    if (integral) {
        const VarType kind =
            (start.type == VarType::Long || end.type == VarType::Long || inc.type == VarType::Long)
                ? VarType::Long
                : VarType::Integer;
        std::int64_t i = start.i;
        const std::int64_t last = end.i;
        const std::int64_t by = inc.i;
        setCounter(slot, i, kind);
        while (by >= 0 ? i <= last : i >= last) {
            rt.tick();
            Flow f = rt.execBlock(body);
            if (f == Flow::ExitFor) {
                break;
            }
            if (f != Flow::Normal) {
                return f;
            }
            slot = counter->ref(rt);
            if (slot->isIntegral()) {
                i = slot->i + by;
            } else {
                // The body stored something else in the counter: continue from it.
                double d = conv::toDouble(*slot) + double(by);
                if (d > 9e15 || d < -9e15) {
                    raise(err::Overflow);
                }
                i = std::int64_t(d);
            }
            setCounter(slot, i, kind);
        }
        return Flow::Normal;
    }
    double i = conv::toDouble(start);
    const double last = conv::toDouble(end);
    const double by = conv::toDouble(inc);
    Runtime::store(slot, Value::real(i));
    while (by >= 0 ? i <= last : i >= last) {
        rt.tick();
        Flow f = rt.execBlock(body);
        if (f == Flow::ExitFor) {
            break;
        }
        if (f != Flow::Normal) {
            return f;
        }
        slot = counter->ref(rt);
        i = conv::toDouble(*slot) + by;
        Runtime::store(slot, Value::real(i));
    }
    return Flow::Normal;
}

Flow ForEachStmt::exec(Runtime &rt) const
{
    Value g = group->eval(rt);
    std::vector<Value> items;
    Ref<Array> hold;
    if (Array *a = g.asArray()) {
        hold = Ref<Array>(a);
    } else if (g.isObject()) {
        Object *o = g.asObject();
        if (!o) {
            raise(err::ObjectVariableNotSet);
        }
        items = o->enumerate(rt);
    } else {
        raise(err::NotACollection);
    }
    const std::size_t n = hold ? hold->items.size() : items.size();
    for (std::size_t k = 0; k < n; ++k) {
        rt.tick();
        Value item = hold ? hold->items[k] : items[k];
        const bool isObject = item.isObject();
        element->assign(rt, std::move(item), isObject);
        Flow f = rt.execBlock(body);
        if (f == Flow::ExitFor) {
            break;
        }
        if (f != Flow::Normal) {
            return f;
        }
    }
    return Flow::Normal;
}

Flow DoStmt::exec(Runtime &rt) const
{
    for (;;) {
        rt.tick();
        if (testFirst && condition) {
            bool c = truthy(condition->eval(rt));
            if (until ? c : !c) {
                break;
            }
        }
        Flow f = rt.execBlock(body);
        if (f == Flow::ExitDo && !isWhileWend) {
            break;
        }
        if (f != Flow::Normal) {
            return f;
        }
        if (!testFirst && condition) {
            bool c = truthy(condition->eval(rt));
            if (until ? c : !c) {
                break;
            }
        }
    }
    return Flow::Normal;
}

} // namespace cellvex::vbs
