#include "script/vbscript/Array.h"
#include "script/vbscript/ClassInstance.h"
#include "script/vbscript/Convert.h"
#include "script/vbscript/Runtime.h"

#include <cmath>

namespace cellvex::vbs {

void Expr::assign(Runtime &, Value, bool) const
{
    raise(err::IllegalAssignment);
}

Value IdentExpr::eval(Runtime &rt) const
{
    if (res.kind == Resolution::Local) {
        Frame &f = rt.frame();
        if (std::size_t(res.index) < f.vars.size()) {
            return *f.vars[std::size_t(res.index)];
        }
    }
    return rt.readName(*this);
}

Value *IdentExpr::ref(Runtime &rt) const
{
    Runtime::Lookup l = rt.lookup(*this);
    switch (l.kind) {
    case Runtime::Lookup::Slot:
        return l.isConst ? nullptr : l.slot;
    case Runtime::Lookup::None:
        return rt.createVariable(*this);
    default:
        return nullptr;
    }
}

void IdentExpr::assign(Runtime &rt, Value v, bool isSet) const
{
    rt.assignName(*this, std::move(v), isSet);
}

namespace {

Object *requireObject(const Value &v, const Name &member)
{
    if (!v.isObject()) {
        raise(err::ObjectRequired, member.text);
    }
    Object *o = v.asObject();
    if (!o) {
        raise(err::ObjectVariableNotSet);
    }
    return o;
}

Value assignedValue(Value v, bool isSet)
{
    if (isSet) {
        if (!v.isObject()) {
            raise(err::ObjectRequired);
        }
        return v;
    }
    return Runtime::letValue(std::move(v));
}

} // namespace

Value MemberExpr::eval(Runtime &rt) const
{
    Value holder = object ? object->eval(rt) : rt.withObject();
    Object *o = requireObject(holder, name);
    ArgRefs none;
    return o->invoke(rt, name, InvokeKind::Get, none, nullptr);
}

void MemberExpr::assign(Runtime &rt, Value v, bool isSet) const
{
    Value val = assignedValue(std::move(v), isSet);
    Value holder = object ? object->eval(rt) : rt.withObject();
    Object *o = requireObject(holder, name);
    ArgRefs none;
    o->invoke(rt, name, isSet ? InvokeKind::Set : InvokeKind::Let, none, &val);
}

Value CallExpr::eval(Runtime &rt) const
{
    if (auto *id = dynamic_cast<const IdentExpr *>(callee.get())) {
        return rt.callName(*id, args);
    }
    if (auto *m = dynamic_cast<const MemberExpr *>(callee.get())) {
        Value holder = m->object ? m->object->eval(rt) : rt.withObject();
        Object *o = requireObject(holder, m->name);
        std::vector<Value> temps;
        ArgRefs refs;
        rt.prepareArgs(args, temps, refs);
        return o->invoke(rt, m->name, InvokeKind::Get, refs, nullptr);
    }
    Value base = callee->eval(rt);
    std::vector<Value> subs = rt.evalArgs(args);
    return rt.indexValue(base, subs);
}

Value *CallExpr::ref(Runtime &) const
{
    // Array elements and call results go by value: a reference into an array
    // would dangle if the callee resized it.
    return nullptr;
}

void CallExpr::assign(Runtime &rt, Value v, bool isSet) const
{
    Value val = assignedValue(std::move(v), isSet);
    std::vector<Value> subs = rt.evalArgs(args);
    const InvokeKind kind = isSet ? InvokeKind::Set : InvokeKind::Let;
    auto viaObject = [&](Object *o, const Name &member) {
        ArgRefs refs;
        for (Value &s : subs) {
            refs.push_back(&s);
        }
        o->invoke(rt, member, kind, refs, &val);
    };
    if (auto *id = dynamic_cast<const IdentExpr *>(callee.get())) {
        Runtime::Lookup l = rt.lookup(*id);
        if (l.kind == Runtime::Lookup::Member) {
            viaObject(rt.frame().me.get(), id->name);
            return;
        }
        if (l.kind != Runtime::Lookup::Slot) {
            raise(err::TypeMismatch, id->name.text);
        }
        if (l.slot->isObject()) {
            Value holder = *l.slot;
            viaObject(requireObject(holder, id->name), Name{});
            return;
        }
        std::vector<std::int32_t> at = Runtime::subscripts(subs);
        Runtime::store(rt.elementAt(*l.slot, at), std::move(val));
        return;
    }
    if (auto *m = dynamic_cast<const MemberExpr *>(callee.get())) {
        Value holder = m->object ? m->object->eval(rt) : rt.withObject();
        viaObject(requireObject(holder, m->name), m->name);
        return;
    }
    // a(1)(2) = v: the element of the element.
    if (auto *inner = dynamic_cast<const CallExpr *>(callee.get())) {
        if (auto *id = dynamic_cast<const IdentExpr *>(inner->callee.get())) {
            std::vector<Value> innerSubs = rt.evalArgs(inner->args);
            std::vector<std::int32_t> innerAt = Runtime::subscripts(innerSubs);
            std::vector<std::int32_t> at = Runtime::subscripts(subs);
            Runtime::Lookup l = rt.lookup(*id);
            if (l.kind == Runtime::Lookup::Slot && l.slot->isArray()) {
                Value *element = rt.elementAt(*l.slot, innerAt);
                if (element->isArray()) {
                    Runtime::store(rt.elementAt(*element, at), std::move(val));
                    return;
                }
                if (element->isObject()) {
                    Value holder = *element;
                    viaObject(requireObject(holder, id->name), Name{});
                    return;
                }
            }
        }
    }
    Value base = callee->eval(rt);
    if (base.isObject()) {
        viaObject(requireObject(base, Name{}), Name{});
        return;
    }
    raise(err::TypeMismatch);
}

Value UnaryExpr::eval(Runtime &rt) const
{
    Value v = operand->eval(rt);
    return isNot ? ops::logicalNot(v) : ops::negate(v);
}

namespace {

bool smallInt(VarType t)
{
    return t == VarType::Integer || t == VarType::Long;
}

} // namespace

Value BinaryExpr::eval(Runtime &rt) const
{
    Value a = left->eval(rt);
    Value b = right->eval(rt);
    // The common cases first: integers and doubles of one kind.
    if (smallInt(a.type) && smallInt(b.type)) {
        const VarType kind =
            (a.type == VarType::Long || b.type == VarType::Long) ? VarType::Long : VarType::Integer;
        switch (op) {
        case BinaryOp::Add:
            return conv::fitInteger(a.i + b.i, kind);
        case BinaryOp::Sub:
            return conv::fitInteger(a.i - b.i, kind);
        case BinaryOp::Mul:
            return conv::fitInteger(a.i * b.i, kind);
        case BinaryOp::Eq:
            return Value::boolean(a.i == b.i);
        case BinaryOp::Ne:
            return Value::boolean(a.i != b.i);
        case BinaryOp::Lt:
            return Value::boolean(a.i < b.i);
        case BinaryOp::Le:
            return Value::boolean(a.i <= b.i);
        case BinaryOp::Gt:
            return Value::boolean(a.i > b.i);
        case BinaryOp::Ge:
            return Value::boolean(a.i >= b.i);
        default:
            break;
        }
    } else if (a.type == VarType::Double && (b.type == VarType::Double || smallInt(b.type))) {
        const double p = a.d;
        const double q = b.type == VarType::Double ? b.d : double(b.i);
        double r;
        switch (op) {
        case BinaryOp::Add:
            r = p + q;
            break;
        case BinaryOp::Sub:
            r = p - q;
            break;
        case BinaryOp::Mul:
            r = p * q;
            break;
        default:
            return ops::binary(op, a, b, literal);
        }
        if (!std::isfinite(r)) {
            raise(err::Overflow);
        }
        return Value::real(r);
    }
    return ops::binary(op, a, b, literal);
}

Value NewExpr::eval(Runtime &rt) const
{
    return rt.newInstance(className);
}

Value MeExpr::eval(Runtime &rt) const
{
    ClassInstance *me = rt.frame().me.get();
    if (!me) {
        raise(err::ObjectRequired, QStringLiteral("Me"));
    }
    return Value::object(me);
}

} // namespace cellvex::vbs
