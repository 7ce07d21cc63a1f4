#include "XmlElement.h"

#include "document/XmlCharacters.h"

#include <new>

namespace cellvex {

namespace {

bool isElement(pugi::xml_node n)
{
    return n.type() == pugi::node_element;
}

// The library reports a failed allocation as a false result.
void check(bool ok)
{
    if (!ok)
        throw std::bad_alloc();
}

} // namespace

QString XmlElement::name() const
{
    return xmlValueText(m_node.name());
}

XmlElement XmlElement::addChild(const char *name)
{
    pugi::xml_node n = m_node.append_child(name);
    check(bool(n));
    return XmlElement(n);
}

void XmlElement::setAttribute(const char *name, const QString &value)
{
    if (value.isEmpty()) {
        setAttributeUtf8(name, std::string_view());
        return;
    }
    requireXmlText(value, [name] { return QStringLiteral("属性 %1 ").arg(QLatin1String(name)); });
    const QByteArray utf8 = value.toUtf8();
    setAttributeUtf8(name, std::string_view(utf8.constData(), size_t(utf8.size())));
}

void XmlElement::setAttribute(const char *name, std::int64_t value)
{
    pugi::xml_attribute a = m_node.append_attribute(name);
    check(bool(a) && a.set_value(static_cast<long long>(value)));
}

void XmlElement::setAttributeUtf8(const char *name, std::string_view value)
{
    pugi::xml_attribute a = m_node.append_attribute(name);
    check(bool(a) && a.set_value(value.data(), value.size()));
}

void XmlElement::setText(const QString &text)
{
    if (text.isEmpty())
        return;
    requireXmlText(text, [this] { return QStringLiteral("元素 %1 的文本").arg(name()); });
    const QByteArray utf8 = text.toUtf8();
    setTextUtf8(std::string_view(utf8.constData(), size_t(utf8.size())));
}

void XmlElement::setTextUtf8(std::string_view text)
{
    if (text.empty())
        return; // an empty element has no text node
    check(m_node.text().set(text.data(), text.size()));
}

std::optional<QString> XmlElement::attribute(const char *name) const
{
    const pugi::xml_attribute a = m_node.attribute(name);
    if (!a)
        return std::nullopt;
    return xmlValueText(a.value());
}

QString XmlElement::text() const
{
    return xmlValueText(m_node.text().get());
}

std::vector<XmlElement> XmlElement::children() const
{
    std::vector<XmlElement> out;
    for (pugi::xml_node n = m_node.first_child(); n; n = n.next_sibling())
        if (isElement(n))
            out.emplace_back(n);
    return out;
}

XmlElement XmlElement::firstChild() const
{
    pugi::xml_node n = m_node.first_child();
    while (n && !isElement(n))
        n = n.next_sibling();
    return XmlElement(n);
}

} // namespace cellvex
