#pragma once

#include "script/vbscript/Object.h"

#include <QHash>

namespace cellvex::vbs {

// Scripting.Dictionary: keys in insertion order, Item the default member.
// Keys of different subtypes are different keys ("1" is not 1), numbers are
// compared by value (1 is 1.0), and CompareMode 1 folds the case of strings.
class DictionaryObject final : public Object
{
public:
    QString typeName() const override { return QStringLiteral("Dictionary"); }
    Value invoke(Runtime &rt, const Name &member, InvokeKind kind, ArgRefs &args,
                 const Value *assigned) override;
    std::vector<Value> enumerate(Runtime &rt) override;

private:
    QString keyOf(const Value &key) const;
    int find(const Value &key) const;
    int add(const Value &key, Value item);
    void removeAt(int index);
    void rebuildIndex();

    std::vector<Value> m_keys;
    std::vector<Value> m_items;
    QHash<QString, int> m_index;
    int m_compareMode = 0;
};

} // namespace cellvex::vbs
