#pragma once

#include "document/CellElementReader.h"
#include "document/DocumentLimits.h"
#include "document/LoadedReport.h"
#include "document/XmlAttributes.h"

#include <QByteArrayView>
#include <QString>

#include <expat.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cellvex {

// Reads the report document as a stream: the text is parsed piece by piece
// as it is inflated and decoded, and every element is turned into the
// loaded report as soon as it ends. Only one element's text is held at a
// time, so opening a report costs memory for its cells, not for its text (a
// document tree of a million cells would take gigabytes).
//
// The root must be "Cellvex"; its first four children are, whatever their
// order, "Page", "PoleX", "PoleY" and the cell container (any other name);
// later children are skipped.
class ReportXmlReader
{
public:
    ReportXmlReader(LoadedReport &out, const DocumentLimits &limits);
    ~ReportXmlReader();
    ReportXmlReader(const ReportXmlReader &) = delete;
    ReportXmlReader &operator=(const ReportXmlReader &) = delete;

    // Parses the next piece of UTF-8 text; `last` marks the end of the
    // document, after which the whole is checked. Throws ReportError.
    void feed(QByteArrayView utf8, bool last);

    // The same reading driven by another parser (PlainXmlReader), which
    // hands over the events of a well-formed document in order, values and
    // text already normalised as XML prescribes. Throw ReportError as feed()
    // does.
    void startElement(std::string_view name, XmlAttributeList attributes,
                      const RepeatedAttributes &repeated = {})
    {
        start(name, attributes, repeated);
    }
    void endElement() { end(); }
    void characters(std::string_view text);
    // Whether characters() would keep text now; other text is not needed.
    bool collectsText() const { return m_depth == m_textDepth; }
    void endDocument() { checkWhole(); }

private:
    enum class Part { Ignored, Page, PoleX, PoleY, Cells };

    static void XMLCALL onStart(void *self, const XML_Char *name, const XML_Char **attributes);
    static void XMLCALL onEnd(void *self, const XML_Char *name);
    static void XMLCALL onText(void *self, const XML_Char *text, int length);
    static void XMLCALL onDoctype(void *self, const XML_Char *, const XML_Char *, const XML_Char *, int);
    template <typename F> void guarded(F &&f);

    void start(std::string_view name, XmlAttributeList attributes, const RepeatedAttributes &repeated);
    void end();
    void startPart(std::string_view name, XmlAttributeList attributes);
    void startCells(XmlAttributeList attributes);
    void startCell(std::string_view name, XmlAttributeList attributes, const RepeatedAttributes &repeated);
    void endCell();
    void checkWhole();
    [[noreturn]] void parseError();

    XML_Parser m_parser;
    LoadedReport &m_out;
    const DocumentLimits &m_limits;
    std::optional<QString> m_failure; // set by a handler, which stops the parser
    qint64 m_fed = 0;
    qint64 m_lastEvent = 0;

    int m_depth = 0;
    int m_partsSeen = 0;
    bool m_seen[5] = {};
    Part m_part = Part::Ignored;
    // Text is gathered only directly inside the element being read.
    int m_textDepth = -1;
    std::string m_text;
    std::optional<std::string> m_poleCount;
    std::string m_partName;

    int m_cols = 0;
    int m_rows = 0;
    int m_cellCol = -1;
    int m_cellRow = -1;
    std::string m_cellName;
    std::vector<XmlAttribute> m_expatAttributes;
    std::unique_ptr<CellElementReader> m_cellReader;
};

} // namespace cellvex
