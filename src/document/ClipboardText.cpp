#include "ClipboardText.h"

#include "common/ReportError.h"
#include "document/AnsiDocumentText.h"
#include "document/CellElementReader.h"
#include "document/DocumentLimits.h"
#include "document/DocumentPicture.h"
#include "document/DocumentValues.h"
#include "document/PackText.h"
#include "document/XmlDocument.h"

#include <charconv>
#include <limits>
#include <new>
#include <string>
#include <string_view>

namespace cellvex {

namespace {

// Full-shape names and the names the cell element reader knows them by.
struct NameMap
{
    std::string_view clipboard;
    const char *document;
};

constexpr NameMap kNames[] = {
    {"FormatType", "FP"},     {"FormatText", "FX"},   {"TextLength", "TL"},   {"ImeName", "IM"},
    {"AliasName", "AN"},      {"MultiLine", "ML"},    {"Left", "BL"},         {"Top", "BT"},
    {"Right", "BR"},          {"Buttom", "BB"},       {"FontName", "FN"},     {"FontSize", "FS"},
    {"FontColor", "FC"},      {"FontStyle", "FT"},    {"BackColor", "BC"},    {"Alignment", "HA"},
    {"VAlignment", "VA"},     {"CellReadOnly", "RO"}, {"CellNextPX", "NX"},   {"CellNextPY", "NY"},
    {"CellPrintHide", "RH"},  {"CellType", "TP"},     {"CellDropText", "TC"}, {"TitleText", "CI"},
    {"HorizontalText", "CH"}, {"VerticalText", "CV"}, {"SeriesCount", "SC"},  {"ImageStretch", "IS"},
    {"ChartImage", "CM"},     {"ButtonScript", "BS"}, {"CheckBoxText", "CE"}, {"BackImage", "BM"},
    {"DiagonalType", "DT"},   {"ScriptType", "SP"},   {"ScriptText", "SX"},   {"ExpressionText", "EX"},
    {"AppendRange", "AR"},
};

constexpr NameMap kIndexed[] = {
    {"aType", "ST"}, {"SignText", "SS"}, {"DataText", "SD"}, {"AppendString", "AS"}};

// The n of "prefix" followed by decimal digits only; -1 otherwise.
int indexAfter(std::string_view name, std::string_view prefix)
{
    if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix)
        return -1;
    const std::string_view digits = name.substr(prefix.size());
    if (digits.front() < '0' || digits.front() > '9')
        return -1;
    int n = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    return ec == std::errc() && end == digits.data() + digits.size() ? n : -1;
}

QString whereOf(int col, int row)
{
    return QStringLiteral("剪贴板第 %1 列第 %2 行的单元").arg(col).arg(row);
}

int requiredInt(const XmlElement &e, const char *name, const QString &where, std::int64_t min,
                std::int64_t max)
{
    const std::optional<QString> text = e.attribute(name);
    const std::optional<std::int64_t> v =
        text ? parseDocumentInteger(text->trimmed().toStdString()) : std::optional<std::int64_t>();
    if (!v || *v < min || *v > max)
        throw ReportError(QStringLiteral("%1的 %2 不是有效的数值").arg(where, QLatin1String(name)));
    return int(*v);
}

int optionalInt(const XmlElement &e, const char *name, const QString &where, int fallback, std::int64_t min,
                std::int64_t max)
{
    return e.attribute(name) ? requiredInt(e, name, where, min, max) : fallback;
}

QImage pictureOf(const XmlElement &e, const char *name, const QString &where, qsizetype maxBytes)
{
    try {
        return unpackedPicture(e.attribute(name)->toLatin1(), maxBytes);
    } catch (const ReportError &err) {
        throw ReportError(QStringLiteral("%1的 %2：%3").arg(where, QLatin1String(name), err.message()));
    }
}

void readFullCell(const XmlElement &e, ClipboardCell &out, CellElementReader &reader, const QString &where)
{
    std::vector<std::string> names;
    std::vector<std::string> values;
    QString caption;
    for (const pugi::xml_attribute a : e.node().attributes()) {
        const std::string_view name = a.name();
        if (name == "CellCaption") {
            caption = xmlValueText(a.value());
            continue;
        }
        std::string mapped;
        for (const NameMap &m : kNames)
            if (m.clipboard == name)
                mapped = m.document;
        for (const NameMap &m : kIndexed)
            if (const int n = indexAfter(name, m.clipboard); n >= 0)
                mapped = m.document + std::to_string(n);
        if (mapped.empty())
            continue; // offsets, merges and anything not ours
        std::string value = a.value();
        if (mapped == "ML")
            value = QString::fromUtf8(a.value()).compare(QLatin1String("True"), Qt::CaseInsensitive) == 0
                        ? "1"
                        : "0";
        names.push_back(std::move(mapped));
        values.push_back(std::move(value));
    }
    std::vector<XmlAttribute> attributes;
    attributes.reserve(names.size());
    for (size_t i = 0; i < names.size(); ++i)
        attributes.push_back({names[i], values[i]});
    reader.begin(attributes, {}, [where] { return where; });
    reader.end(caption, out.cell, out.cell.tagX(), out.cell.tagY());
}

void readContentCell(const XmlElement &e, ClipboardContent &out, const QString &where,
                     qsizetype maxPictureBytes)
{
    out.caption = e.attribute("CellCaption").value_or(QString());
    if (e.attribute("SeriesCount")) {
        const qsizetype attributes = std::distance(e.node().attributes_begin(), e.node().attributes_end());
        const int count = requiredInt(e, "SeriesCount", where, 0, attributes);
        std::vector<CellXmlSeries> series;
        series.reserve(size_t(count));
        for (int n = 0; n < count; ++n) {
            const std::string i = std::to_string(n);
            CellXmlSeries s;
            s.type = optionalInt(e, ("aType" + i).c_str(), where, 0, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max());
            s.signText = e.attribute(("SignText" + i).c_str()).value_or(QString());
            s.dataText = e.attribute(("DataText" + i).c_str()).value_or(QString());
            series.push_back(std::move(s));
        }
        out.series = std::move(series);
        if (e.attribute("ChartImage"))
            out.chartImage = pictureOf(e, "ChartImage", where, maxPictureBytes);
    }
    if (e.attribute("BackImage"))
        out.backImage = pictureOf(e, "BackImage", where, maxPictureBytes);
}

// A merged block of the element, clipped to the block; kept unless it
// overlaps one kept before.
void addMerge(ClipboardBlock &block, const XmlElement &e, int col, int row, const QString &where)
{
    const int countX = optionalInt(e, "CountX", where, 1, 1, std::numeric_limits<int>::max());
    const int countY = optionalInt(e, "CountY", where, 1, 1, std::numeric_limits<int>::max());
    const QRect r(QPoint(col, row),
                  QPoint(int(std::min<std::int64_t>(std::int64_t(col) + countX - 1, block.cols - 1)),
                         int(std::min<std::int64_t>(std::int64_t(row) + countY - 1, block.rows - 1))));
    if (r.width() == 1 && r.height() == 1)
        return;
    for (const QRect &kept : block.merges)
        if (kept.intersects(r))
            return;
    block.merges.push_back(r);
}

ClipboardBlock readXml(const XmlDocument &doc, ClipboardShape shape, FontTable &fonts,
                       const ClipboardLimits &limits)
{
    const XmlElement root = doc.root();
    if (root.name() != QLatin1String("ClipbrdXML"))
        throw ReportError(QStringLiteral("剪贴板文本的根元素不是 ClipbrdXML"));
    ClipboardBlock block;
    block.shape = shape;
    const QString rootWhere = QStringLiteral("剪贴板文本");
    block.cols = requiredInt(root, "XColCount", rootWhere, 1, limits.maxBlockCells);
    block.rows = requiredInt(root, "YRowCount", rootWhere, 1, limits.maxBlockCells);
    const std::int64_t cells = std::int64_t(block.cols) * block.rows;
    if (cells > limits.maxBlockCells)
        throw ReportError(QStringLiteral("剪贴板文本的单元块超过 %1 个单元的上限").arg(limits.maxBlockCells));
    const std::vector<XmlElement> children = root.children();
    if (std::int64_t(children.size()) > cells)
        throw ReportError(QStringLiteral("剪贴板文本的单元多于单元块所能容纳的"));
    DocumentLimits documentLimits;
    documentLimits.maxPictureBytes = limits.maxPictureBytes;
    CellElementReader reader(fonts, documentLimits);
    for (const XmlElement &e : children) {
        if (e.name() != QLatin1String("Cell"))
            throw ReportError(QStringLiteral("剪贴板文本中有未知的元素 %1").arg(e.name().left(64)));
        const int col = requiredInt(e, "Col", rootWhere, std::numeric_limits<int>::min(),
                                    std::numeric_limits<int>::max());
        const int row = requiredInt(e, "Row", rootWhere, std::numeric_limits<int>::min(),
                                    std::numeric_limits<int>::max());
        const QString cellWhere = whereOf(col, row);
        if (col < 0 || row < 0 || col >= block.cols || row >= block.rows)
            continue; // outside the block: nothing of it can land
        if (shape == ClipboardShape::Content) {
            ClipboardContent content;
            content.col = col;
            content.row = row;
            readContentCell(e, content, cellWhere, limits.maxPictureBytes);
            block.contents.push_back(std::move(content));
            continue;
        }
        const int sign = optionalInt(e, "Sign", cellWhere, 0, 0, 2);
        if (sign == int(MergeSign::Master))
            addMerge(block, e, col, row, cellWhere);
        ClipboardCell cell;
        cell.col = col;
        cell.row = row;
        readFullCell(e, cell, reader, cellWhere);
        block.cells.push_back(std::move(cell));
    }
    return block;
}

} // namespace

QLatin1String clipboardPrefix(ClipboardShape shape)
{
    return shape == ClipboardShape::Full ? QLatin1String("ClpCell--") : QLatin1String("ClpText--");
}

QString clipboardTextOf(const QString &xml, ClipboardShape shape)
{
    return clipboardPrefix(shape) + QString::fromLatin1(storedFormOf(packText(documentTextToAnsi(xml))));
}

ClipboardBlock readClipboardText(const QString &text, ClipboardShape shape, FontTable &fonts,
                                 const ClipboardLimits &limits)
{
    try {
        if (text.size() > limits.maxStoredChars)
            throw ReportError(QStringLiteral("剪贴板文本超过 %1 个字符的上限").arg(limits.maxStoredChars));
        const QByteArray stored = text.mid(clipboardPrefix(shape).size()).toLatin1();
        QByteArray gbk;
        try {
            gbk = unpackText(packedFromStoredForm(stored), limits.maxXmlBytes);
        } catch (const ReportError &e) {
            throw ReportError(QStringLiteral("剪贴板数据无法解包，") + e.message());
        }
        const XmlDocument doc = XmlDocument::parseUtf8(ansiDocumentToUtf8(gbk));
        return readXml(doc, shape, fonts, limits);
    } catch (const std::bad_alloc &) {
        throw ReportError(QStringLiteral("无法粘贴：内存不足"));
    } catch (const ReportError &e) {
        throw ReportError(QStringLiteral("无法粘贴：") + e.message());
    }
}

} // namespace cellvex
