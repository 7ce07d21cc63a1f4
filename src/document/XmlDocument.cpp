#include "XmlDocument.h"

#include "common/ReportError.h"
#include "document/XmlCharacters.h"
#include "document/XmlTextWriter.h"

#include <QStringEncoder>

#include <new>

namespace cellvex {

namespace {

// Line ends are not normalised (parse_eol is left out) so that text keeps
// its CR LF; a text made only of blanks is kept when it is an element's only
// content (a caption of one space is a caption).
constexpr unsigned kParseFlags = pugi::parse_cdata | pugi::parse_escapes | pugi::parse_wconv_attribute |
                                 pugi::parse_declaration | pugi::parse_ws_pcdata_single |
                                 pugi::parse_embed_pcdata;

QString statusText(pugi::xml_parse_status status)
{
    switch (status) {
    case pugi::status_out_of_memory:
        throw std::bad_alloc();
    case pugi::status_unrecognized_tag:
        return QStringLiteral("无法识别的标记");
    case pugi::status_bad_pi:
        return QStringLiteral("声明或处理指令有误");
    case pugi::status_bad_comment:
        return QStringLiteral("注释有误");
    case pugi::status_bad_cdata:
        return QStringLiteral("CDATA 段有误");
    case pugi::status_bad_doctype:
        return QStringLiteral("文档类型声明有误");
    case pugi::status_bad_pcdata:
        return QStringLiteral("文本内容有误");
    case pugi::status_bad_start_element:
        return QStringLiteral("开始标记有误");
    case pugi::status_bad_attribute:
        return QStringLiteral("属性有误");
    case pugi::status_bad_end_element:
        return QStringLiteral("结束标记有误");
    case pugi::status_end_element_mismatch:
        return QStringLiteral("开始标记与结束标记不匹配");
    case pugi::status_no_document_element:
        return QStringLiteral("没有根元素");
    default:
        return QStringLiteral("无法解析");
    }
}

} // namespace

XmlDocument::XmlDocument() : m_doc(std::make_unique<pugi::xml_document>()) {}

XmlDocument::~XmlDocument() = default;
XmlDocument::XmlDocument(XmlDocument &&) noexcept = default;
XmlDocument &XmlDocument::operator=(XmlDocument &&) noexcept = default;

XmlElement XmlDocument::addRoot(const char *name)
{
    if (root().node())
        throw ReportError(QStringLiteral("XML 文档已经有根元素"));
    pugi::xml_node n = m_doc->append_child(name);
    if (!n)
        throw std::bad_alloc();
    return XmlElement(n);
}

void XmlDocument::setEncoding(const QString &name)
{
    if (!isXmlEncodingName(name) || !QStringEncoder(name.toLatin1().constData()).isValid())
        throw ReportError(QStringLiteral("不支持的 XML 编码：%1").arg(name));
    m_encoding = name;
}

void XmlDocument::clear()
{
    m_doc->reset();
    m_parsed.clear();
}

QString XmlDocument::text() const
{
    QByteArray utf8;
    XmlTextWriter writer([&utf8](QByteArrayView piece) { utf8.append(piece); });
    writer.writeDeclaration(m_encoding);
    // Depth first without recursion: a parsed document may nest deeply.
    // An element whose content is only elements is opened and closed around
    // them; any other element (a leaf, text or mixed content) is one line.
    struct Step
    {
        pugi::xml_node node;
        bool close;
    };
    std::vector<Step> steps;
    if (XmlElement r = root(); !r.isNull())
        steps.push_back({r.node(), false});
    while (!steps.empty()) {
        const Step step = steps.back();
        steps.pop_back();
        if (step.close) {
            writer.closeElement();
            continue;
        }
        bool onlyElements = step.node.first_child() && !*step.node.value();
        for (pugi::xml_node c = step.node.first_child(); c && onlyElements; c = c.next_sibling())
            onlyElements = c.type() == pugi::node_element;
        if (!onlyElements) {
            writer.writeElement(XmlElement(step.node));
            continue;
        }
        writer.openElement(XmlElement(step.node));
        steps.push_back({step.node, true});
        std::vector<pugi::xml_node> children;
        for (pugi::xml_node c = step.node.first_child(); c; c = c.next_sibling())
            children.push_back(c);
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            steps.push_back({*it, false});
    }
    writer.finish();
    return QString::fromUtf8(utf8);
}

XmlDocument XmlDocument::parse(const QString &text)
{
    return parseUtf8(text.toUtf8());
}

XmlDocument XmlDocument::parseUtf8(QByteArray utf8)
{
    XmlDocument doc;
    doc.m_parsed = std::move(utf8);
    doc.m_parsed.detach(); // the parser writes into the bytes
    const pugi::xml_parse_result result = doc.m_doc->load_buffer_inplace(
        doc.m_parsed.data(), size_t(doc.m_parsed.size()), kParseFlags, pugi::encoding_utf8);
    if (!result)
        throw ReportError(QStringLiteral("XML 文本格式错误（第 %1 字节）：%2")
                              .arg(qint64(result.offset) + 1)
                              .arg(statusText(result.status)));
    // The library takes several top-level elements or text beside the root;
    // a well-formed document has exactly one element and nothing else.
    int elements = 0;
    for (pugi::xml_node n = doc.m_doc->first_child(); n; n = n.next_sibling()) {
        if (n.type() == pugi::node_element)
            ++elements;
        if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata || elements > 1)
            throw ReportError(QStringLiteral("XML 文本格式错误：根元素之外还有内容"));
    }
    if (const pugi::xml_node decl = doc.m_doc->first_child(); decl.type() == pugi::node_declaration) {
        const QString named = xmlValueText(decl.attribute("encoding").value());
        if (!named.isEmpty())
            doc.m_encoding = named;
    }
    return doc;
}

XmlElement XmlDocument::root() const
{
    return XmlElement(m_doc->document_element());
}

} // namespace cellvex
