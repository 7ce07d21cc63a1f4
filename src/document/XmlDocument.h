#pragma once

#include "document/XmlElement.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace cellvex {

// The XML document service the report document, the cell XML and the
// clipboard texts are built and read with: a document tree over the XML
// library.
//
// Values come back from parsing exactly as they were set, CR and LF
// included: the text carries line breaks inside values as character
// references, and element text is read without line-end normalisation, so
// that a CR LF a hand-written text holds stays CR LF too. Characters XML
// cannot carry at all are refused when set.
class XmlDocument
{
public:
    // An empty document that accepts nodes, with the encoding "GBK".
    XmlDocument();
    ~XmlDocument();
    XmlDocument(XmlDocument &&) noexcept;
    XmlDocument &operator=(XmlDocument &&) noexcept;

    // --- building ----------------------------------------------------------------
    // Adds the root element (a document has one).
    XmlElement addRoot(const char *name);
    // Throws ReportError, changing nothing, for a name that is not a
    // well-formed encoding name or that the system cannot encode with.
    void setEncoding(const QString &name);
    QString encoding() const { return m_encoding; }
    // Empties the document for reuse, keeping its encoding.
    void clear();

    // The document as text: the declaration naming the encoding, then one
    // element per line; every line ends with CR LF, the last one too.
    QString text() const;

    // --- reading -----------------------------------------------------------------
    // Throws ReportError when the text is not a well-formed document.
    static XmlDocument parse(const QString &text);
    // The same on UTF-8 text, parsed in place (the document keeps the bytes).
    static XmlDocument parseUtf8(QByteArray utf8);
    // The first element of the document; null when there is none.
    XmlElement root() const;

private:
    std::unique_ptr<pugi::xml_document> m_doc;
    QByteArray m_parsed; // the text a parsed document's values point into
    QString m_encoding = QStringLiteral("GBK");
};

} // namespace cellvex
