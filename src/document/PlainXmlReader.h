#pragma once

#include "document/AttributeTailCache.h"
#include "document/DocumentLimits.h"
#include "document/XmlAttributes.h"

#include <QByteArray>

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cellvex {

class ReportXmlReader;

// A parser for the plain XML the report writer emits, several times faster
// than the general parser: the writer's declaration, elements of ASCII names,
// attributes in double quotes separated by one space, references only to
// characters and the five predefined entities, no comments, CDATA or
// declarations. Every document it accepts is well-formed, and it hands the
// reader the very events the general parser would. Anything else (another
// entity, a comment, a stray character,
// an element too long, a failure of the reader) makes it decline the whole
// document: the caller then reads it again with the general parser, whose
// verdict and messages are the ones the user sees.
//
// Tags that end as an earlier tag did, after leading attributes named in
// `varying`, are recognised by comparing bytes, and the reader is told so
// (RepeatedAttributes).
class PlainXmlReader
{
public:
    PlainXmlReader(ReportXmlReader &events, const DocumentLimits &limits,
                   std::span<const std::string_view> varying = {});

    // The text not yet parsed; the next piece of UTF-8 text is appended to it.
    QByteArray &buffer() { return m_buffer; }
    // Parses what the buffer holds; `last` marks the end of the document.
    // False when the document is declined, and from then on. The reader's
    // failures (ReportError, bad_alloc) pass through: they decline as well.
    bool parse(bool last);

private:
    enum class Step { Done, NeedMore, Decline };

    Step parseTokens();
    Step declaration(qsizetype &at);
    Step startTag(qsizetype &at);
    Step endTag(qsizetype &at);
    Step text(qsizetype &at);
    bool newAttributeName(std::string_view name);
    bool newLongAttributeName(std::string_view name);
    bool isVarying(std::string_view name) const;

    ReportXmlReader &m_events;
    const DocumentLimits &m_limits;
    QByteArray m_buffer;
    qint64 m_consumed = 0; // bytes of the text before the buffer's first
    bool m_declined = false;
    bool m_last = false;
    bool m_declarationSeen = false;
    bool m_rootDone = false;
    std::vector<std::string> m_open; // names of the open elements
    struct AttributeSpan
    {
        qsizetype nameStart, nameEnd, valueStart, valueEnd;
    };
    std::vector<AttributeSpan> m_spans; // of the tag being read, in the buffer
    size_t m_spanCount = 0;
    std::vector<XmlAttribute> m_attributes;
    std::vector<AttributeTailCache::Span> m_tailSpans;
    std::span<const std::string_view> m_varying;
    std::array<bool, 256> m_varyingLetters{}; // the varying names of one character
    AttributeTailCache m_tails;
    std::string m_normalised;
    // Where the last two tags started and the last one ended, in the text.
    qint64 m_tagStart[2] = {0, 0};
    qint64 m_tagEnd = -1;
    // Duplicate attribute names of a tag: names of one or two capitals, as
    // all the writer's are, by the serial number of the tag that last had
    // them (no clearing per tag), the others compared.
    std::array<std::uint32_t, 26 * 27> m_seenInTag{};
    std::uint32_t m_tagSerial = 0;
    std::vector<std::string_view> m_longNames;
};

} // namespace cellvex
