#pragma once

#include "script/vbscript/Object.h"

namespace cellvex::vbs {

// One match of a regular expression: Value (the default), FirstIndex
// (0-based), Length, SubMatches.
class MatchObject final : public Object
{
public:
    MatchObject(QString value, std::int32_t firstIndex, std::vector<Value> subMatches)
        : m_value(std::move(value)), m_firstIndex(firstIndex), m_subMatches(std::move(subMatches))
    {
    }
    QString typeName() const override { return QStringLiteral("IMatch2"); }
    Value invoke(Runtime &rt, const Name &member, InvokeKind kind, ArgRefs &args,
                 const Value *assigned) override;

private:
    QString m_value;
    std::int32_t m_firstIndex;
    std::vector<Value> m_subMatches;
};

} // namespace cellvex::vbs
