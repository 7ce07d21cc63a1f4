#pragma once

#include "document/XmlElement.h"

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <string>
#include <vector>

namespace cellvex {

// Writes an XML document as lines of UTF-8 text, each ended by CR LF, the
// declaration first, one element per line, indented by tabs. Elements are
// serialized by the library (escaping included); the writer only lays them
// out. Container elements are opened and closed around their children, so a
// document of a million elements is written one element at a time and
// handed to the sink in pieces instead of being built whole.
class XmlTextWriter
{
public:
    using Sink = std::function<void(QByteArrayView utf8)>;
    explicit XmlTextWriter(Sink sink);

    void writeDeclaration(const QString &encoding);
    // The element's start tag with its attributes (not its children): the
    // elements written until closeElement() are its children.
    void openElement(XmlElement element);
    void closeElement();
    // The element with everything it holds, on one line.
    void writeElement(XmlElement element);
    // Hands what is buffered to the sink, so that text written around the
    // writer can follow it.
    void flush();
    // How many elements are open: the indent of the next line.
    int depth() const { return int(m_open.size()); }
    // Hands the rest to the sink; every opened element must be closed.
    void finish();

private:
    static bool holdsOnlyElementsAndText(pugi::xml_node node);
    void referenceLineBreaks(size_t from);
    void startLine();
    void endLine();

    Sink m_sink;
    std::string m_buffer;
    std::vector<std::string> m_open;
};

} // namespace cellvex
