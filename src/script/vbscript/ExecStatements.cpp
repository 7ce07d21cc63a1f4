#include "script/vbscript/Array.h"
#include "script/vbscript/Convert.h"
#include "script/vbscript/ErrObject.h"
#include "script/vbscript/Runtime.h"

namespace cellvex::vbs {

namespace {

// A condition: Null counts as False, as does Empty.
bool truthy(const Value &v)
{
    if (v.type == VarType::Boolean) {
        return v.i != 0;
    }
    if (v.isNull()) {
        return false;
    }
    return conv::toBool(v);
}

Value *storageOf(Runtime &rt, const Expr &target, bool declare)
{
    const auto &id = static_cast<const IdentExpr &>(target);
    Runtime::Lookup l = rt.lookup(id);
    if (l.kind == Runtime::Lookup::Slot) {
        if (l.isConst) {
            raise(err::IllegalAssignment, id.name.text);
        }
        return l.slot;
    }
    if (l.kind == Runtime::Lookup::None) {
        return rt.createVariable(id, declare);
    }
    raise(err::IllegalAssignment, id.name.text);
}

std::vector<std::int32_t> boundsOf(Runtime &rt, const ExprList &exprs)
{
    std::vector<std::int32_t> bounds;
    for (const ExprPtr &e : exprs) {
        std::int32_t b = conv::toLong(e->eval(rt));
        if (b < -1) {
            raise(err::SubscriptOutOfRange);
        }
        bounds.push_back(b);
    }
    return bounds;
}

Array *makeArray(std::vector<std::int32_t> bounds)
{
    std::int64_t n = Array::countFor(bounds);
    if (n < 0) {
        raise(err::OutOfMemory);
    }
    auto *a = new Array;
    a->upper = std::move(bounds);
    a->items.resize(std::size_t(n));
    return a;
}

} // namespace

Flow AssignStmt::exec(Runtime &rt) const
{
    target->assign(rt, value->eval(rt), isSet);
    return Flow::Normal;
}

Flow CallStmt::exec(Runtime &rt) const
{
    call->eval(rt);
    return Flow::Normal;
}

Flow DimStmt::exec(Runtime &rt) const
{
    for (const DimItem &item : items) {
        if (!item.isArray) {
            continue;
        }
        Value *slot = storageOf(rt, *item.target, true);
        if (item.bounds.empty()) {
            Runtime::store(slot, Value::array(new Array));
            continue;
        }
        Array *a = makeArray(boundsOf(rt, item.bounds));
        a->fixedSize = true;
        Runtime::store(slot, Value::array(a));
    }
    return Flow::Normal;
}

Flow ReDimStmt::exec(Runtime &rt) const
{
    for (const DimItem &item : items) {
        std::vector<std::int32_t> bounds = boundsOf(rt, item.bounds);
        Value *slot = storageOf(rt, *item.target, true);
        const Array *old = slot->asArray();
        if (old && old->fixedSize) {
            raise(err::ArrayFixed);
        }
        Ref<Array> keep(const_cast<Array *>(old));
        Array *a = makeArray(bounds);
        Value fresh = Value::array(a);
        if (preserve && old && !old->upper.empty()) {
            if (old->upper.size() != bounds.size()) {
                raise(err::SubscriptOutOfRange);
            }
            for (std::size_t k = 0; k + 1 < bounds.size(); ++k) {
                if (old->upper[k] != bounds[k]) {
                    raise(err::SubscriptOutOfRange);
                }
            }
            // Walk the old elements by subscript; those inside the new bounds stay.
            std::vector<std::int32_t> sub(bounds.size(), 0);
            for (std::size_t i = 0; i < old->items.size(); ++i) {
                std::int64_t off = a->offsetOf(sub.data(), sub.size());
                if (off >= 0) {
                    a->items[std::size_t(off)] = old->items[i];
                }
                for (std::size_t k = sub.size(); k-- > 0;) {
                    if (++sub[k] <= old->upper[k]) {
                        break;
                    }
                    sub[k] = 0;
                }
            }
        }
        Runtime::store(slot, std::move(fresh));
    }
    return Flow::Normal;
}

Flow ConstStmt::exec(Runtime &rt) const
{
    for (const auto &[target, expr] : items) {
        Value v = expr->eval(rt);
        const auto &id = static_cast<const IdentExpr &>(*target);
        Runtime::Lookup l = rt.lookup(id);
        Value *slot = l.kind == Runtime::Lookup::Slot ? l.slot : rt.createVariable(id, true);
        Runtime::store(slot, Runtime::letValue(std::move(v)));
    }
    return Flow::Normal;
}

Flow EraseStmt::exec(Runtime &rt) const
{
    Value *slot = storageOf(rt, *target, false);
    const Array *a = slot->asArray();
    if (!a) {
        raise(err::TypeMismatch);
    }
    if (a->fixedSize) {
        Array *cleared = makeArray(a->upper);
        cleared->fixedSize = true;
        Runtime::store(slot, Value::array(cleared));
    } else {
        Runtime::store(slot, Value::array(new Array));
    }
    return Flow::Normal;
}

Flow IfStmt::exec(Runtime &rt) const
{
    for (const auto &[cond, body] : branches) {
        if (truthy(cond->eval(rt))) {
            return rt.execBlock(body);
        }
    }
    return rt.execBlock(elseBlock);
}

Flow SelectStmt::exec(Runtime &rt) const
{
    Value s = subject->eval(rt);
    for (const Case &c : cases) {
        if (c.values.empty()) {
            return rt.execBlock(c.body);
        }
        for (const ExprPtr &e : c.values) {
            Value v = e->eval(rt);
            bool literal = e->isNumericLiteral() || subject->isNumericLiteral();
            if (ops::compare(s, v, literal) == 0) {
                return rt.execBlock(c.body);
            }
        }
    }
    return Flow::Normal;
}

Flow OnErrorStmt::exec(Runtime &rt) const
{
    rt.frame().resumeNext = resumeNext;
    rt.errObject().clear();
    return Flow::Normal;
}

Flow WithStmt::exec(Runtime &rt) const
{
    Value o = object->eval(rt);
    if (!o.isObject()) {
        raise(err::ObjectRequired);
    }
    Frame &f = rt.frame();
    f.withObjects.push_back(std::move(o));
    struct Pop
    {
        Frame &f;
        ~Pop() { f.withObjects.pop_back(); }
    } pop{f};
    return rt.execBlock(body);
}

} // namespace cellvex::vbs
