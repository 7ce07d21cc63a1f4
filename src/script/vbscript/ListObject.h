#pragma once

#include "script/vbscript/Object.h"

namespace cellvex::vbs {

// A read-only collection: Count, Item(i) as the default member, For Each.
// The regular expression results (Matches, SubMatches) are such lists.
class ListObject final : public Object
{
public:
    ListObject(QString typeName, std::vector<Value> items)
        : m_typeName(std::move(typeName)), m_items(std::move(items))
    {
    }
    QString typeName() const override { return m_typeName; }
    Value invoke(Runtime &rt, const Name &member, InvokeKind kind, ArgRefs &args,
                 const Value *assigned) override;
    std::vector<Value> enumerate(Runtime &) override { return m_items; }

private:
    QString m_typeName;
    std::vector<Value> m_items;
};

} // namespace cellvex::vbs
