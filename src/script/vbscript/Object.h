#pragma once

#include "script/vbscript/Value.h"

#include <vector>

namespace cellvex::vbs {

class Runtime;

// A member name as written (for messages and hosts) and folded to lower case
// (for lookups); an empty key names the default member.
struct Name
{
    QString text;
    QString key;
    static Name of(const QString &text) { return {text, text.toLower()}; }
};

enum class InvokeKind {
    Get, // property read or method call
    Let, // property assignment
    Set, // object property assignment (Set obj.Prop = ...)
};

// Arguments as references: a ByRef parameter writes through them.
using ArgRefs = std::vector<Value *>;

// Anything a script reaches with a dot: class instances, built-in objects,
// host objects.
class Object : public RefCounted
{
public:
    virtual QString typeName() const = 0;
    // assigned is the right-hand side for Let and Set, null for Get.
    virtual Value invoke(Runtime &rt, const Name &member, InvokeKind kind, ArgRefs &args,
                         const Value *assigned) = 0;
    // The items For Each visits; objects that are no collection raise 451.
    virtual std::vector<Value> enumerate(Runtime &rt);
};

} // namespace cellvex::vbs
