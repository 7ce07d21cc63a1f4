#include "XmlTextWriter.h"

#include "common/ReportError.h"

#include <algorithm>

namespace cellvex {

namespace {

constexpr size_t kFlushSize = 1 << 20;

struct StringWriter : pugi::xml_writer
{
    std::string &out;
    explicit StringWriter(std::string &o) : out(o) {}
    void write(const void *data, size_t size) override { out.append(static_cast<const char *>(data), size); }
};

} // namespace

XmlTextWriter::XmlTextWriter(Sink sink) : m_sink(std::move(sink))
{
    m_buffer.reserve(kFlushSize + 4096);
}

void XmlTextWriter::writeDeclaration(const QString &encoding)
{
    m_buffer += "<?xml version=\"1.0\" encoding=\"";
    m_buffer += encoding.toStdString();
    m_buffer += "\"?>";
    endLine();
}

void XmlTextWriter::openElement(XmlElement element)
{
    // The library writes whole elements only: print a childless copy as an
    // explicit start and end tag and keep the start.
    pugi::xml_document scratch;
    pugi::xml_node copy = scratch.append_child(element.node().name());
    for (const pugi::xml_attribute a : element.node().attributes())
        copy.append_copy(a);
    std::string tags;
    StringWriter writer(tags);
    copy.print(writer, "", pugi::format_raw | pugi::format_no_empty_element_tags, pugi::encoding_utf8);
    const std::string name = element.node().name();
    tags.resize(tags.size() - (name.size() + 3)); // "</" name ">"
    startLine();
    m_buffer += tags;
    endLine();
    m_open.push_back(name);
}

void XmlTextWriter::closeElement()
{
    if (m_open.empty())
        throw ReportError(QStringLiteral("XML 文档的元素没有打开"));
    const std::string name = std::move(m_open.back());
    m_open.pop_back();
    startLine();
    m_buffer += "</";
    m_buffer += name;
    m_buffer += '>';
    endLine();
}

void XmlTextWriter::writeElement(XmlElement element)
{
    startLine();
    const size_t from = m_buffer.size();
    StringWriter writer(m_buffer);
    element.node().print(writer, "", pugi::format_raw, pugi::encoding_utf8);
    if (holdsOnlyElementsAndText(element.node()))
        referenceLineBreaks(from);
    endLine();
}

bool XmlTextWriter::holdsOnlyElementsAndText(pugi::xml_node node)
{
    // Without recursion: a parsed element may nest deeply.
    for (pugi::xml_node n = node.first_child(); n;) {
        if (n.type() != pugi::node_element && n.type() != pugi::node_pcdata)
            return false;
        if (n.first_child()) {
            n = n.first_child();
            continue;
        }
        while (n != node && !n.next_sibling())
            n = n.parent();
        if (n == node)
            break;
        n = n.next_sibling();
    }
    return true;
}

void XmlTextWriter::referenceLineBreaks(size_t from)
{
    // The library writes CR and LF in attribute values as references, but
    // in text as they are, and a parser turns a CR LF there into LF. As
    // references they come back exactly, and the element stays on its line.
    // (In a CDATA section or comment a reference would be taken literally;
    // elements holding those are left as they are.)
    const auto isBreak = [](char c) { return c == '\r' || c == '\n'; };
    if (std::none_of(m_buffer.begin() + std::ptrdiff_t(from), m_buffer.end(), isBreak))
        return;
    std::string escaped;
    escaped.reserve(m_buffer.size() - from + 64);
    for (size_t i = from; i < m_buffer.size(); ++i) {
        if (m_buffer[i] == '\r')
            escaped += "&#13;";
        else if (m_buffer[i] == '\n')
            escaped += "&#10;";
        else
            escaped += m_buffer[i];
    }
    m_buffer.resize(from);
    m_buffer += escaped;
}

void XmlTextWriter::flush()
{
    if (!m_buffer.empty())
        m_sink(QByteArrayView(m_buffer.data(), qsizetype(m_buffer.size())));
    m_buffer.clear();
}

void XmlTextWriter::finish()
{
    if (!m_open.empty())
        throw ReportError(QStringLiteral("XML 文档的元素没有关闭"));
    flush();
}

void XmlTextWriter::startLine()
{
    // Indenting every level would make a deeply nested document grow with
    // the square of its depth.
    constexpr size_t kMaxIndent = 16;
    m_buffer.append(std::min(m_open.size(), kMaxIndent), '\t');
}

void XmlTextWriter::endLine()
{
    m_buffer += "\r\n";
    if (m_buffer.size() >= kFlushSize) {
        m_sink(QByteArrayView(m_buffer.data(), qsizetype(m_buffer.size())));
        m_buffer.clear();
    }
}

} // namespace cellvex
