#include "script/vbscript/DictionaryObject.h"

#include "script/vbscript/Array.h"
#include "script/vbscript/Convert.h"
#include "script/vbscript/Runtime.h"

namespace cellvex::vbs {

namespace {

Value arrayOf(const std::vector<Value> &values)
{
    auto *a = new Array;
    a->upper.push_back(std::int32_t(values.size()) - 1);
    a->items = values;
    return Value::array(a);
}

} // namespace

QString DictionaryObject::keyOf(const Value &key) const
{
    switch (key.type) {
    case VarType::String:
        return QLatin1Char('s') + (m_compareMode ? key.s.toLower() : key.s);
    case VarType::Empty:
        return QStringLiteral("e");
    case VarType::Null:
        return QStringLiteral("z");
    case VarType::Object:
        return QStringLiteral("o%1").arg(quintptr(key.p.get()), 0, 16);
    case VarType::Array:
        raise(err::TypeMismatch);
    case VarType::Date:
        return QLatin1Char('d') + conv::formatDouble(key.d, 17);
    default:
        return QLatin1Char('n') + conv::formatDouble(conv::toDouble(key), 17);
    }
}

int DictionaryObject::find(const Value &key) const
{
    return m_index.value(keyOf(key), -1);
}

int DictionaryObject::add(const Value &key, Value item)
{
    if (m_keys.size() >= std::size_t(Array::kMaxElements)) {
        raise(err::OutOfMemory);
    }
    int at = int(m_keys.size());
    m_index.insert(keyOf(key), at);
    m_keys.push_back(key);
    m_items.push_back(std::move(item));
    return at;
}

void DictionaryObject::removeAt(int index)
{
    m_keys.erase(m_keys.begin() + index);
    m_items.erase(m_items.begin() + index);
    rebuildIndex();
}

void DictionaryObject::rebuildIndex()
{
    m_index.clear();
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        m_index.insert(keyOf(m_keys[i]), int(i));
    }
}

std::vector<Value> DictionaryObject::enumerate(Runtime &)
{
    return m_keys;
}

Value DictionaryObject::invoke(Runtime &, const Name &member, InvokeKind kind, ArgRefs &args,
                               const Value *assigned)
{
    const QString &key = member.key;
    auto need = [&](std::size_t n) {
        if (args.size() != n) {
            raise(err::WrongArgumentCount, member.text.isEmpty() ? QStringLiteral("Item") : member.text);
        }
    };
    const bool get = kind == InvokeKind::Get;
    if (key.isEmpty() || key == QLatin1String("item")) {
        need(1);
        Value k = *args[0];
        int at = find(k);
        if (get) {
            // Reading a missing key adds it, as the object always has.
            if (at < 0) {
                at = add(k, Value());
            }
            return m_items[std::size_t(at)];
        }
        Value v = kind == InvokeKind::Let ? Runtime::letValue(*assigned) : *assigned;
        if (at < 0) {
            add(k, std::move(v));
        } else {
            Runtime::store(&m_items[std::size_t(at)], std::move(v));
        }
        return {};
    }
    if (key == QLatin1String("key")) {
        need(1);
        if (get) {
            raise(err::NoSuchMember, member.text);
        }
        int at = find(*args[0]);
        if (at < 0) {
            raise(err::ElementNotFound);
        }
        if (find(*assigned) >= 0) {
            raise(err::KeyExists);
        }
        m_keys[std::size_t(at)] = *assigned;
        rebuildIndex();
        return {};
    }
    if (key == QLatin1String("comparemode")) {
        need(0);
        if (get) {
            return Value::longValue(m_compareMode);
        }
        if (!m_keys.empty()) {
            raise(err::InvalidCall);
        }
        m_compareMode = conv::toLong(*assigned);
        return {};
    }
    if (!get) {
        raise(err::NoSuchMember, member.text);
    }
    if (key == QLatin1String("add")) {
        need(2);
        if (find(*args[0]) >= 0) {
            raise(err::KeyExists);
        }
        add(*args[0], *args[1]);
        return {};
    }
    if (key == QLatin1String("exists")) {
        need(1);
        return Value::boolean(find(*args[0]) >= 0);
    }
    if (key == QLatin1String("count")) {
        need(0);
        return Value::longValue(std::int32_t(m_keys.size()));
    }
    if (key == QLatin1String("keys")) {
        need(0);
        return arrayOf(m_keys);
    }
    if (key == QLatin1String("items")) {
        need(0);
        return arrayOf(m_items);
    }
    if (key == QLatin1String("remove")) {
        need(1);
        int at = find(*args[0]);
        if (at < 0) {
            raise(err::ElementNotFound);
        }
        removeAt(at);
        return {};
    }
    if (key == QLatin1String("removeall")) {
        need(0);
        std::vector<Value> keys;
        std::vector<Value> items;
        keys.swap(m_keys);
        items.swap(m_items);
        m_index.clear();
        return {};
    }
    raise(err::NoSuchMember, member.text);
}

} // namespace cellvex::vbs
