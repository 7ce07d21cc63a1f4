#include "PlainXmlReader.h"

#include "document/PlainXmlText.h"
#include "document/ReportXmlReader.h"

#include <cstring>

namespace cellvex {

using namespace plainxml;

namespace {

// The declaration the writer puts first, and nothing before it.
constexpr std::string_view kDeclaration = "<?xml version=\"1.0\" encoding=\"GBK\"?>";
// The documents are three levels deep; deeper ones are for the general parser.
constexpr size_t kMaxDepth = 16;

enum ByteClass : std::uint8_t {
    Other,     // declines
    Plain,     // stands for itself
    Space,     // whitespace: stands for itself
    Return,    // CR, which XML turns into LF
    NonAscii,  // starts a UTF-8 sequence
    Less,      // ends text
    Quote,     // ends a value
    Ampersand, // starts a reference
};

struct ByteClasses
{
    ByteClass text[256];
    ByteClass value[256];
};

constexpr ByteClasses makeClasses()
{
    ByteClasses c{};
    for (int b = 0x20; b < 0x7F; ++b)
        c.text[b] = c.value[b] = Plain;
    for (int b = 0x80; b < 0x100; ++b)
        c.text[b] = c.value[b] = NonAscii;
    // Character references and the predefined entities are read here, other
    // entities are the general parser's; so is ">" in text, which could
    // close a "]]>" it refuses.
    c.text['&'] = c.value['&'] = Ampersand;
    c.text['>'] = Other;
    c.text['<'] = c.value['<'] = Less;
    c.value['<'] = Other;
    c.value['"'] = Quote;
    c.text[' '] = Space;
    c.text['\t'] = c.text['\n'] = Space;
    c.text['\r'] = Return;
    // Whitespace in values would be normalised to spaces: not plain.
    return c;
}

constexpr ByteClasses kClasses = makeClasses();

// Names are ASCII letters, then letters and digits.
struct NameChars
{
    bool start[256];
    bool rest[256];
};

constexpr NameChars makeNameChars()
{
    NameChars n{};
    for (int c = 'A'; c <= 'Z'; ++c)
        n.start[c] = n.rest[c] = n.start[c + 'a' - 'A'] = n.rest[c + 'a' - 'A'] = true;
    for (int c = '0'; c <= '9'; ++c)
        n.rest[c] = true;
    return n;
}

constexpr NameChars kNameChars = makeNameChars();

bool isNameStart(char c)
{
    return kNameChars.start[std::uint8_t(c)];
}

bool isNameChar(char c)
{
    return kNameChars.rest[std::uint8_t(c)];
}

} // namespace

PlainXmlReader::PlainXmlReader(ReportXmlReader &events, const DocumentLimits &limits,
                               std::span<const std::string_view> varying)
    : m_events(events), m_limits(limits), m_varying(varying)
{
    for (const std::string_view v : varying)
        if (v.size() == 1)
            m_varyingLetters[std::uint8_t(v[0])] = true;
    m_attributes.reserve(64);
    m_spans.resize(64);
}

bool PlainXmlReader::parse(bool last)
{
    if (m_declined)
        return false;
    m_last = last;
    Step step = parseTokens();
    // The general parser refuses a document whose events are too far apart,
    // counting from the last event it has seen: a tag that ends the text so
    // far may still be pending there, so the tag before it counts.
    const qint64 fed = m_consumed + m_buffer.size();
    const qint64 lastEvent = m_tagEnd >= fed - 1 ? m_tagStart[0] : m_tagStart[1];
    if (fed - lastEvent > m_limits.maxElementBytes)
        step = Step::Decline;
    if (step == Step::Done && last) {
        if (!m_rootDone || !m_buffer.isEmpty())
            step = Step::Decline;
        else
            m_events.endDocument();
    }
    m_declined = step == Step::Decline;
    return !m_declined;
}

PlainXmlReader::Step PlainXmlReader::parseTokens()
{
    qsizetype at = 0;
    Step step = Step::Done;
    while (at < m_buffer.size() && step == Step::Done) {
        if (!m_declarationSeen)
            step = declaration(at);
        else if (m_buffer.at(at) != '<')
            step = text(at);
        else if (at + 1 < m_buffer.size())
            step = m_buffer.at(at + 1) == '/' ? endTag(at) : startTag(at);
        else
            step = Step::NeedMore;
    }
    m_consumed += at;
    m_buffer.remove(0, at);
    return step == Step::Decline ? Step::Decline : Step::Done;
}

PlainXmlReader::Step PlainXmlReader::declaration(qsizetype &at)
{
    const qsizetype n = std::min(m_buffer.size() - at, qsizetype(kDeclaration.size()));
    if (std::string_view(m_buffer.constData() + at, size_t(n)) != kDeclaration.substr(0, size_t(n)))
        return Step::Decline;
    if (n < qsizetype(kDeclaration.size()))
        return Step::NeedMore;
    at += n;
    m_declarationSeen = true;
    return Step::Done;
}

inline bool PlainXmlReader::newAttributeName(std::string_view name)
{
    const unsigned first = unsigned(name[0] - 'A');
    const unsigned second = name.size() == 2 ? unsigned(name[1] - 'A') : 0;
    if (name.size() > 2 || first >= 26 || second >= 26)
        return newLongAttributeName(name);
    const unsigned key = first * 27 + (name.size() == 1 ? 0 : 1 + second);
    if (m_seenInTag[key] == m_tagSerial)
        return false;
    m_seenInTag[key] = m_tagSerial;
    return true;
}

PlainXmlReader::Step PlainXmlReader::startTag(qsizetype &at)
{
    if (m_rootDone || m_open.size() >= kMaxDepth)
        return Step::Decline;
    char *b = m_buffer.data();
    const qsizetype n = m_buffer.size();
    qsizetype p = at + 1;
    if (!isNameStart(b[p]))
        return Step::Decline; // comments, CDATA, declarations, instructions
    while (p < n && isNameChar(b[p]))
        ++p;
    const qsizetype nameEnd = p;
    m_spanCount = 0;
    bool references = false;
    if (++m_tagSerial == 0) {
        m_seenInTag.fill(0);
        m_tagSerial = 1;
    }
    m_longNames.clear();
    // The tail: from the first attribute not named as varying on.
    bool leading = true;
    bool varyingInTail = false;
    qsizetype tailStart = -1;
    int tailFrom = 0;
    std::uint64_t tailKey = 0;
    AttributeTailCache::Entry *known = nullptr;
    for (;;) {
        if (p >= n)
            return Step::NeedMore;
        if (b[p] == '>' || b[p] == '/')
            break;
        if (b[p] != ' ')
            return Step::Decline;
        const qsizetype space = p;
        const qsizetype nameStart = ++p;
        if (p >= n)
            return Step::NeedMore;
        if (!isNameStart(b[p]))
            return Step::Decline;
        while (p < n && isNameChar(b[p]))
            ++p;
        if (p >= n)
            return Step::NeedMore;
        const std::string_view name(b + nameStart, size_t(p - nameStart));
        if (!newAttributeName(name))
            return Step::Decline;
        const bool varying = isVarying(name);
        if (leading && !varying) {
            leading = false;
            if (!references) {
                const std::string_view rest(b + space, size_t(n - space));
                const AttributeTailCache::Key key =
                    AttributeTailCache::keyOf(rest, int(m_spanCount), tailKey);
                // No ">" yet: the tag is not complete either.
                if (key == AttributeTailCache::Key::NeedMore)
                    return Step::NeedMore;
                if (key == AttributeTailCache::Key::Found) {
                    tailStart = space;
                    tailFrom = int(m_spanCount);
                    known = m_tails.find(tailKey, tailFrom, rest);
                }
                if (known) {
                    // Where the tag's "/>" or ">" begins.
                    p = space + qsizetype(known->text.size()) - (known->empty ? 2 : 1);
                    break;
                }
            }
        } else if (!leading && varying) {
            varyingInTail = true;
        }
        if (p + 1 >= n)
            return Step::NeedMore;
        if (b[p] != '=' || b[p + 1] != '"')
            return Step::Decline;
        // The fields one by one: building the whole span at once and
        // copying it stalls the store buffer.
        if (m_spanCount == m_spans.size())
            m_spans.resize(2 * m_spans.size());
        AttributeSpan &span = m_spans[m_spanCount++];
        span.nameStart = nameStart;
        span.nameEnd = p;
        p += 2;
        span.valueStart = p;
        const auto *u = reinterpret_cast<const unsigned char *>(b);
        for (;;) {
            if (p >= n)
                return Step::NeedMore;
            const ByteClass c = kClasses.value[u[p]];
            if (c == Plain) {
                ++p;
            } else if (c == Quote) {
                break;
            } else if (c == NonAscii) {
                const int length = utf8Length(u + p, n - p);
                if (length <= 0)
                    return length == 0 ? Step::NeedMore : Step::Decline;
                p += length;
            } else if (c == Ampersand) {
                std::uint32_t code = 0;
                const int length = referenceLength(b + p, n - p, code);
                if (length <= 0)
                    return length == 0 ? Step::NeedMore : Step::Decline;
                references = true;
                p += length;
            } else {
                return Step::Decline;
            }
        }
        span.valueEnd = p++;
    }
    const bool empty = b[p] == '/';
    if (empty && p + 1 >= n)
        return Step::NeedMore;
    if (empty && b[p + 1] != '>')
        return Step::Decline;
    const qsizetype end = empty ? p + 1 : p;

    // The tag is complete and well-formed: hand it over as the parser would.
    auto view = [b](qsizetype from, qsizetype to) { return std::string_view(b + from, size_t(to - from)); };
    XmlAttributeList attributes;
    RepeatedAttributes repeated;
    if (known) {
        // The leading attributes are the tag's own, the rest the known tail's.
        for (size_t i = 0; i < m_spanCount; ++i)
            known->attributes[i] = {view(m_spans[i].nameStart, m_spans[i].nameEnd),
                                    view(m_spans[i].valueStart, m_spans[i].valueEnd)};
        attributes = known->attributes;
        repeated = {known->id, known->from};
    } else {
        m_attributes.clear();
        for (size_t i = 0; i < m_spanCount; ++i) {
            const AttributeSpan &span = m_spans[i];
            qsizetype valueEnd = span.valueEnd;
            if (references)
                valueEnd = resolveReferences(b + span.valueStart, b + valueEnd) - b;
            m_attributes.push_back({view(span.nameStart, span.nameEnd), view(span.valueStart, valueEnd)});
        }
        attributes = m_attributes;
        if (tailStart >= 0 && !references && !varyingInTail) {
            m_tailSpans.clear();
            for (size_t i = size_t(tailFrom); i < m_spanCount; ++i) {
                const AttributeSpan &s = m_spans[i];
                m_tailSpans.push_back({size_t(s.nameStart - tailStart), size_t(s.nameEnd - tailStart),
                                       size_t(s.valueStart - tailStart), size_t(s.valueEnd - tailStart)});
            }
            if (const AttributeTailCache::Entry *e = m_tails.insert(
                    tailKey, tailFrom, view(tailStart, end + 1), m_tailSpans.data(), m_tailSpans.size()))
                repeated = {e->id, e->from};
        }
    }
    m_tagStart[0] = m_tagStart[1];
    m_tagStart[1] = m_consumed + at;
    m_tagEnd = m_consumed + end;
    const std::string_view name = view(at + 1, nameEnd);
    m_events.startElement(name, attributes, repeated);
    if (empty) {
        m_events.endElement();
        m_rootDone = m_open.empty();
    } else {
        m_open.emplace_back(name);
    }
    at = end + 1;
    return Step::Done;
}

PlainXmlReader::Step PlainXmlReader::endTag(qsizetype &at)
{
    const char *b = m_buffer.constData();
    const qsizetype n = m_buffer.size();
    qsizetype p = at + 2;
    while (p < n && isNameChar(b[p]))
        ++p;
    if (p >= n)
        return Step::NeedMore;
    if (b[p] != '>' || m_open.empty() || m_open.back() != std::string_view(b + at + 2, size_t(p - at - 2)))
        return Step::Decline;
    m_tagStart[0] = m_tagStart[1];
    m_tagStart[1] = m_consumed + at;
    m_tagEnd = m_consumed + p;
    m_events.endElement();
    m_open.pop_back();
    m_rootDone = m_open.empty();
    at = p + 1;
    return Step::Done;
}

PlainXmlReader::Step PlainXmlReader::text(qsizetype &at)
{
    const auto *u = reinterpret_cast<const unsigned char *>(m_buffer.constData());
    const qsizetype n = m_buffer.size();
    qsizetype p = at;
    bool onlySpace = true;
    bool rewrite = false; // CRs or references
    while (p < n) {
        const ByteClass c = kClasses.text[u[p]];
        if (c == Plain) {
            onlySpace = false;
            ++p;
        } else if (c == Space) {
            ++p;
        } else if (c == Return) {
            rewrite = true;
            ++p;
        } else if (c == Ampersand) {
            std::uint32_t code = 0;
            const int length = referenceLength(m_buffer.constData() + p, n - p, code);
            if (length <= 0)
                return length == 0 ? Step::NeedMore : Step::Decline;
            rewrite = true;
            onlySpace = false;
            p += length;
        } else if (c == NonAscii) {
            const int length = utf8Length(u + p, n - p);
            if (length <= 0)
                return length == 0 ? Step::NeedMore : Step::Decline;
            onlySpace = false;
            p += length;
        } else if (c == Less) {
            break;
        } else {
            return Step::Decline;
        }
    }
    if (m_open.empty()) {
        // Outside the root only whitespace may stand.
        if (!onlySpace)
            return Step::Decline;
        at = p;
        return Step::Done;
    }
    if (p == n)
        return m_last ? Step::Decline : Step::NeedMore; // the whole run is handed over at once
    if (m_events.collectsText()) {
        std::string_view run(m_buffer.constData() + at, size_t(p - at));
        if (rewrite) {
            // CR LF and a lone CR are read as LF, a reference as its
            // character (a CR among them stays).
            m_normalised.resize(run.size());
            char *out = m_normalised.data();
            for (size_t i = 0; i < run.size();) {
                if (run[i] == '\r') {
                    *out++ = '\n';
                    i += i + 1 < run.size() && run[i + 1] == '\n' ? 2 : 1;
                } else if (run[i] == '&') {
                    std::uint32_t code = 0;
                    i += size_t(referenceLength(run.data() + i, qsizetype(run.size() - i), code));
                    out = putUtf8(out, code);
                } else {
                    *out++ = run[i++];
                }
            }
            run = std::string_view(m_normalised.data(), size_t(out - m_normalised.data()));
        }
        m_events.characters(run);
    }
    at = p;
    return Step::Done;
}

bool PlainXmlReader::isVarying(std::string_view name) const
{
    if (name.size() == 1)
        return m_varyingLetters[std::uint8_t(name[0])];
    for (const std::string_view v : m_varying)
        if (v == name)
            return true;
    return false;
}

bool PlainXmlReader::newLongAttributeName(std::string_view name)
{
    for (const std::string_view other : m_longNames)
        if (other == name)
            return false;
    m_longNames.push_back(name);
    return true;
}

} // namespace cellvex
