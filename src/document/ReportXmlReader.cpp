#include "ReportXmlReader.h"

#include "cells/CellCapacity.h"
#include "document/DocumentValues.h"
#include "document/MergedBlockCheck.h"
#include "document/PageElement.h"
#include "document/PoleElements.h"
#include "report/Report.h"

#include <charconv>
#include <limits>
#include <new>

namespace cellvex {

namespace {

constexpr std::int32_t kMaxInt = std::numeric_limits<std::int32_t>::max();

[[noreturn]] void fail(const QString &message)
{
    throw ReportError(message);
}

QString utf8Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The position of a cell element: "C" followed by column x rows + row.
std::int64_t cellIndex(std::string_view name)
{
    if (name.size() < 2 || name.front() != 'C' || name[1] < '0' || name[1] > '9')
        return -1;
    std::int64_t index = 0;
    const auto [end, ec] = std::from_chars(name.data() + 1, name.data() + name.size(), index);
    if (ec != std::errc() || end != name.data() + name.size())
        return -1;
    return index;
}

QString parserMessage(XML_Error code)
{
    switch (code) {
    case XML_ERROR_NO_MEMORY:
        throw std::bad_alloc();
    case XML_ERROR_SYNTAX:
        return QStringLiteral("语法错误");
    case XML_ERROR_NO_ELEMENTS:
        return QStringLiteral("没有根元素");
    case XML_ERROR_INVALID_TOKEN:
        return QStringLiteral("无效的标记或字符");
    case XML_ERROR_UNCLOSED_TOKEN:
    case XML_ERROR_UNCLOSED_CDATA_SECTION:
        return QStringLiteral("标记没有结束");
    case XML_ERROR_PARTIAL_CHAR:
        return QStringLiteral("字符不完整");
    case XML_ERROR_TAG_MISMATCH:
        return QStringLiteral("开始标记与结束标记不匹配");
    case XML_ERROR_DUPLICATE_ATTRIBUTE:
        return QStringLiteral("属性重复");
    case XML_ERROR_JUNK_AFTER_DOC_ELEMENT:
        return QStringLiteral("根元素之后还有内容");
    case XML_ERROR_UNDEFINED_ENTITY:
        return QStringLiteral("未定义的实体");
    case XML_ERROR_BAD_CHAR_REF:
        return QStringLiteral("无效的字符引用");
    case XML_ERROR_MISPLACED_XML_PI:
        return QStringLiteral("XML 声明的位置不对");
    default:
        return QStringLiteral("格式错误（%1）").arg(QString::fromUtf8(XML_ErrorString(code)));
    }
}

} // namespace

ReportXmlReader::ReportXmlReader(LoadedReport &out, const DocumentLimits &limits)
    // The document says it is GBK; what is parsed here was decoded already.
    : m_parser(XML_ParserCreate("UTF-8")), m_out(out), m_limits(limits),
      m_cellReader(std::make_unique<CellElementReader>(out.fonts, limits))
{
    if (!m_parser)
        throw std::bad_alloc();
    XML_SetUserData(m_parser, this);
    XML_SetElementHandler(m_parser, &ReportXmlReader::onStart, &ReportXmlReader::onEnd);
    XML_SetCharacterDataHandler(m_parser, &ReportXmlReader::onText);
    XML_SetStartDoctypeDeclHandler(m_parser, &ReportXmlReader::onDoctype);
}

ReportXmlReader::~ReportXmlReader()
{
    XML_ParserFree(m_parser);
}

void ReportXmlReader::feed(QByteArrayView utf8, bool last)
{
    // The parser counts in int: hand very large pieces over in slices.
    constexpr qsizetype kSlice = 1 << 30;
    do {
        const qsizetype n = std::min(utf8.size(), kSlice);
        const bool final = last && n == utf8.size();
        if (XML_Parse(m_parser, utf8.data(), int(n), final) != XML_STATUS_OK)
            parseError();
        m_fed += n;
        utf8 = utf8.sliced(n);
        // The parser holds a start tag until it ends: one without end in
        // sight (a value of gigabytes) is refused before it takes all memory.
        if (m_fed - m_lastEvent > m_limits.maxElementBytes)
            fail(QStringLiteral("单个元素超过 %1 字节的上限").arg(m_limits.maxElementBytes));
    } while (!utf8.isEmpty());
    if (last)
        checkWhole();
}

void ReportXmlReader::parseError()
{
    if (m_failure)
        fail(*m_failure);
    const XML_Error code = XML_GetErrorCode(m_parser);
    fail(QStringLiteral("XML 文本格式错误（第 %1 行第 %2 列）：%3")
             .arg(qint64(XML_GetCurrentLineNumber(m_parser)))
             .arg(qint64(XML_GetCurrentColumnNumber(m_parser)) + 1)
             .arg(parserMessage(code)));
}

// Exceptions must not cross the parser, which is C: a handler's failure is
// kept and the parser stopped; feed() then throws it.
template <typename F> void ReportXmlReader::guarded(F &&f)
{
    if (m_failure)
        return;
    try {
        m_lastEvent = XML_GetCurrentByteIndex(m_parser);
        f();
    } catch (const ReportError &e) {
        m_failure = e.message();
    } catch (const std::bad_alloc &) {
        m_failure = QStringLiteral("内存不足");
    }
    if (m_failure)
        XML_StopParser(m_parser, XML_FALSE);
}

void XMLCALL ReportXmlReader::onStart(void *self, const XML_Char *name, const XML_Char **attributes)
{
    auto *r = static_cast<ReportXmlReader *>(self);
    r->guarded([&] {
        r->m_expatAttributes.clear();
        for (const XML_Char **a = attributes; *a; a += 2)
            r->m_expatAttributes.push_back({a[0], a[1]});
        r->start(name, r->m_expatAttributes, {});
    });
}

void XMLCALL ReportXmlReader::onEnd(void *self, const XML_Char *)
{
    auto *r = static_cast<ReportXmlReader *>(self);
    r->guarded([&] { r->end(); });
}

void XMLCALL ReportXmlReader::onText(void *self, const XML_Char *text, int length)
{
    auto *r = static_cast<ReportXmlReader *>(self);
    if (r->m_depth != r->m_textDepth)
        return;
    r->guarded([&] { r->characters(std::string_view(text, size_t(length))); });
}

void ReportXmlReader::characters(std::string_view text)
{
    if (m_depth != m_textDepth)
        return;
    if (qint64(m_text.size()) + qint64(text.size()) > m_limits.maxElementBytes)
        fail(QStringLiteral("单个元素超过 %1 字节的上限").arg(m_limits.maxElementBytes));
    m_text.append(text);
}

void XMLCALL ReportXmlReader::onDoctype(void *self, const XML_Char *, const XML_Char *, const XML_Char *, int)
{
    auto *r = static_cast<ReportXmlReader *>(self);
    // Declarations could define entities that expand without end.
    r->guarded([] { fail(QStringLiteral("报表文档不能带有文档类型声明")); });
}

void ReportXmlReader::start(std::string_view name, XmlAttributeList attributes,
                            const RepeatedAttributes &repeated)
{
    ++m_depth;
    if (m_depth == 1) {
        if (name != "Cellvex")
            fail(QStringLiteral("文档的根元素不是 Cellvex"));
    } else if (m_depth == 2) {
        startPart(name, attributes);
    } else if (m_depth == 3 && m_part == Part::Cells) {
        startCell(name, attributes, repeated);
    }
}

void ReportXmlReader::end()
{
    if (m_depth == 3 && m_part == Part::Cells) {
        endCell();
    } else if (m_depth == 2 && (m_part == Part::PoleX || m_part == Part::PoleY)) {
        const bool x = m_part == Part::PoleX;
        std::vector<int> sizes =
            readPoleSizes(QString::fromStdString(m_partName), x ? "XC" : "YC",
                          m_poleCount ? m_poleCount->c_str() : nullptr, m_text, m_limits.maxCells);
        (x ? m_out.colRanges : m_out.rowRanges) = std::move(sizes);
    }
    if (m_depth == m_textDepth)
        m_textDepth = -1;
    if (m_depth == 2)
        m_part = Part::Ignored;
    --m_depth;
}

void ReportXmlReader::startPart(std::string_view name, XmlAttributeList attributes)
{
    if (m_partsSeen == 4) {
        m_part = Part::Ignored;
        return;
    }
    ++m_partsSeen;
    m_part = name == "Page"    ? Part::Page
             : name == "PoleX" ? Part::PoleX
             : name == "PoleY" ? Part::PoleY
                               : Part::Cells;
    if (m_seen[int(m_part)])
        fail(QStringLiteral("根元素的前四个子元素中 %1 出现了两次").arg(utf8Text(name)));
    m_seen[int(m_part)] = true;
    m_partName = name;
    switch (m_part) {
    case Part::Page:
        readPageAttributes(attributes, m_out);
        break;
    case Part::PoleX:
    case Part::PoleY: {
        const std::string_view *count = findXmlAttribute(attributes, m_part == Part::PoleX ? "XC" : "YC");
        m_poleCount = count ? std::optional<std::string>(*count) : std::nullopt;
        m_text.clear();
        m_textDepth = m_depth;
        break;
    }
    case Part::Cells:
        startCells(attributes);
        break;
    case Part::Ignored:
        break;
    }
}

void ReportXmlReader::startCells(XmlAttributeList attributes)
{
    const ValueReader values(QStringLiteral(" %1 元素").arg(QString::fromStdString(m_partName)));
    const std::string_view *cc = findXmlAttribute(attributes, "CC");
    const std::string_view *rc = findXmlAttribute(attributes, "RC");
    if (!cc)
        values.fail("CC", QStringLiteral("缺失"));
    if (!rc)
        values.fail("RC", QStringLiteral("缺失"));
    m_cols = values.int32InRange("CC", *cc, 0, kMaxInt);
    m_rows = values.int32InRange("RC", *rc, 0, kMaxInt);
    const std::int64_t total = std::int64_t(m_cols) * m_rows;
    if (total > m_limits.maxCells || m_cols > m_limits.maxCells || m_rows > m_limits.maxCells)
        fail(QStringLiteral("报表为 %1 列 %2 行，超过 %3 个单元的上限")
                 .arg(m_cols)
                 .arg(m_rows)
                 .arg(m_limits.maxCells));
    requireCellCapacity(m_cols, m_rows, total);
    m_out.cells = CellMatrix::create(m_cols, m_rows);
}

void ReportXmlReader::startCell(std::string_view name, XmlAttributeList attributes,
                                const RepeatedAttributes &repeated)
{
    const std::int64_t index = cellIndex(name);
    const std::int64_t total = std::int64_t(m_cols) * m_rows;
    if (index < 0)
        fail(QStringLiteral("单元元素名 %1 无效").arg(utf8Text(name)));
    if (index >= total)
        fail(
            QStringLiteral("单元元素 %1 超出 %2 列 %3 行的范围").arg(utf8Text(name)).arg(m_cols).arg(m_rows));
    m_cellCol = int(index / m_rows);
    m_cellRow = int(index % m_rows);
    m_cellName = name;
    m_cellReader->begin(attributes, repeated, [this] {
        return QStringLiteral("第 %1 列第 %2 行的单元（%3）")
            .arg(m_cellCol + 1)
            .arg(m_cellRow + 1)
            .arg(QString::fromStdString(m_cellName));
    });
    m_text.clear();
    m_textDepth = m_depth;
}

void ReportXmlReader::endCell()
{
    // A later element for the same position replaces the earlier one.
    Cell &cell = m_out.cells.at(m_cellCol, m_cellRow);
    m_cellReader->end(QString::fromUtf8(m_text.data(), qsizetype(m_text.size())), cell, m_cellCol, m_cellRow);
}

void ReportXmlReader::checkWhole()
{
    if (m_partsSeen < 4)
        fail(QStringLiteral("根元素 Cellvex 的子元素少于四个"));
    // The matrix and the rulers always agree in size.
    if (size_t(m_cols) != m_out.colRanges.size() || size_t(m_rows) != m_out.rowRanges.size())
        fail(QStringLiteral("单元的列数和行数（%1 × %2）与标尺（%3 × %4）不一致")
                 .arg(m_cols)
                 .arg(m_rows)
                 .arg(m_out.colRanges.size())
                 .arg(m_out.rowRanges.size()));
    checkMergedBlocks(m_out.cells);
}

} // namespace cellvex
