#include "CellElementReader.h"

#include "cells/Cell.h"
#include "cells/CellWidgets.h"
#include "cells/FontTable.h"
#include "document/DocumentPicture.h"
#include "document/DocumentValues.h"
#include "document/XmlCharacters.h"
#include "report/Report.h"

#include <charconv>
#include <utility>
#include <vector>

namespace cellvex {

// Everything one element says about its cell, checked, before any of it is
// applied. Absent attributes keep the values of a new cell.
struct CellRecord
{
    FontAttributes font = FontTable::defaultAttributes();
    ColorRef backColor = 0xFFFFFF;
    HAlign alignment = HAlign::Left;
    VAlign vAlignment = VAlign::Center;
    bool readOnly = false;
    int borders[4] = {-1, -1, -1, -1}; // -1 keeps the new cell's width
    MergeSign sign = MergeSign::None;
    BlockBounds bounds;
    bool multiLine = false;
    int formatType = 0;
    QString formatText;
    int textLength = 0;
    QString imeName;
    QString aliasName;
    int nextX = -1;
    int nextY = -1;
    bool printHide = false;
    CellKind kind = CellKind::Text;
    QString dropText;
    ChartInfo chart;
    int seriesCount = 0;
    std::vector<std::pair<int, std::int32_t>> seriesTypes;
    std::vector<std::pair<int, QString>> signTexts;
    std::vector<std::pair<int, QString>> dataTexts;
    bool imageStretch = false;
    QByteArray chartImage; // packed, still undecoded
    QByteArray picture;
    QImage chartImageDecoded;
    QImage pictureDecoded;
    QString buttonScript;
    QString checkText;
    int diagonal = 0;
    QString scriptType;
    QString scriptText;
    QString expressionText;
    int appendRange = 0;
    std::vector<std::pair<int, QString>> appendStrings;
    QString caption;
};

namespace {

bool isKnownKind(std::int32_t v)
{
    switch (v) {
    case int(CellKind::Text):
    case int(CellKind::DropDown):
    case int(CellKind::Date):
    case int(CellKind::Chart):
    case int(CellKind::Button):
    case int(CellKind::CheckBox):
        return true;
    default:
        return false;
    }
}

// The n of an indexed name such as "AS12" when `name` is `prefix` followed
// by decimal digits; -1 otherwise.
int indexAfter(std::string_view name, std::string_view prefix)
{
    if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix)
        return -1;
    const std::string_view digits = name.substr(prefix.size());
    int n = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (ec != std::errc() || end != digits.data() + digits.size() || digits.front() == '-')
        return -1;
    return n;
}

// Attribute names of one or two characters as one number, for a switch.
constexpr std::uint16_t key(char a, char b = 0)
{
    return std::uint16_t((std::uint8_t(a) << 8) | std::uint8_t(b));
}

std::uint16_t keyOf(std::string_view name)
{
    if (name.size() == 1)
        return key(name[0]);
    if (name.size() == 2)
        return key(name[0], name[1]);
    return 0;
}

void collect(const char *n, const char *text, CellRecord &r, const ValueReader &v, int attributeCount)
{
    const std::string_view value = text;
    switch (keyOf(n)) {
    case key('L'):
    case key('T'):
    case key('W'):
    case key('H'):
        // Geometry follows from the rulers; the values only have to be numbers.
        if (!parseDocumentInteger(value))
            v.fail(n, QStringLiteral("不是整数"));
        break;
    case key('F', 'N'):
        r.font.name = v.text(n, text);
        break;
    case key('F', 'S'):
        r.font.size = v.int32(n, value);
        break;
    case key('F', 'C'):
        r.font.color = v.color(n, value);
        break;
    case key('F', 'T'):
        // Bold, italic, underline, strike-out; a missing character is off.
        r.font.bold = value.size() > 0 && value[0] == '1';
        r.font.italic = value.size() > 1 && value[1] == '1';
        r.font.underline = value.size() > 2 && value[2] == '1';
        r.font.strikeOut = value.size() > 3 && value[3] == '1';
        break;
    case key('B', 'C'):
        r.backColor = v.color(n, value);
        break;
    case key('H', 'A'):
        r.alignment = HAlign(v.int32InRange(n, value, 0, 2));
        break;
    case key('V', 'A'):
        r.vAlignment = VAlign(v.int32InRange(n, value, 0, 2));
        break;
    case key('R', 'O'):
        r.readOnly = flagValue(value);
        break;
    case key('B', 'L'):
        r.borders[0] = v.int32(n, value);
        break;
    case key('B', 'T'):
        r.borders[1] = v.int32(n, value);
        break;
    case key('B', 'R'):
        r.borders[2] = v.int32(n, value);
        break;
    case key('B', 'B'):
        r.borders[3] = v.int32(n, value);
        break;
    case key('S'):
        r.sign = MergeSign(v.int32InRange(n, value, 0, 2));
        break;
    case key('C', 'L'):
        r.bounds.left = v.int32(n, value);
        break;
    case key('C', 'T'):
        r.bounds.top = v.int32(n, value);
        break;
    case key('C', 'R'):
        r.bounds.right = v.int32(n, value);
        break;
    case key('C', 'B'):
        r.bounds.bottom = v.int32(n, value);
        break;
    case key('M', 'L'):
        r.multiLine = flagValue(value);
        break;
    case key('F', 'P'):
        r.formatType = v.int32(n, value);
        break;
    case key('F', 'X'):
        r.formatText = v.text(n, text);
        break;
    case key('T', 'L'):
        r.textLength = v.int32(n, value);
        break;
    case key('I', 'M'):
        r.imeName = v.text(n, text);
        break;
    case key('A', 'N'):
        r.aliasName = v.text(n, text);
        break;
    case key('N', 'X'):
        r.nextX = v.int32(n, value);
        break;
    case key('N', 'Y'):
        r.nextY = v.int32(n, value);
        break;
    case key('R', 'H'):
        r.printHide = flagValue(value);
        break;
    case key('T', 'P'): {
        const std::int32_t kind = v.int32(n, value);
        if (!isKnownKind(kind))
            v.fail(n, QStringLiteral("不是已知的单元类型：%1").arg(kind));
        r.kind = CellKind(kind);
        break;
    }
    case key('T', 'C'):
        r.dropText = v.text(n, text);
        break;
    case key('C', 'I'):
        r.chart.titleText = v.text(n, text);
        break;
    case key('C', 'H'):
        r.chart.horizontalText = v.text(n, text);
        break;
    case key('C', 'V'):
        r.chart.verticalText = v.text(n, text);
        break;
    case key('S', 'C'):
        // Every series takes attributes of its own, so a count beyond them is no count.
        r.seriesCount = v.int32InRange(n, value, 0, attributeCount);
        break;
    case key('I', 'S'):
        r.imageStretch = flagValue(value);
        break;
    case key('C', 'M'):
        r.chartImage = QByteArray(text);
        break;
    case key('B', 'S'):
        r.buttonScript = v.text(n, text);
        break;
    case key('C', 'E'):
        r.checkText = v.text(n, text);
        break;
    case key('B', 'M'):
        r.picture = QByteArray(text);
        break;
    case key('D', 'T'):
        r.diagonal = v.int32(n, value);
        break;
    case key('S', 'P'):
        r.scriptType = v.text(n, text);
        break;
    case key('S', 'X'):
        r.scriptText = v.text(n, text);
        break;
    case key('E', 'X'):
        r.expressionText = v.text(n, text);
        break;
    case key('A', 'R'):
        // One attribute per append string: a range beyond them is no range.
        r.appendRange = v.int32InRange(n, value, 0, attributeCount);
        break;
    default: {
        const std::string_view name = n;
        if (int i = indexAfter(name, "ST"); i >= 0)
            r.seriesTypes.emplace_back(i, v.int32(n, value));
        else if (int i = indexAfter(name, "SS"); i >= 0)
            r.signTexts.emplace_back(i, v.text(n, text));
        else if (int i = indexAfter(name, "SD"); i >= 0)
            r.dataTexts.emplace_back(i, v.text(n, text));
        else if (int i = indexAfter(name, "AS"); i >= 0)
            r.appendStrings.emplace_back(i, v.text(n, text));
        break; // anything else is not ours to read
    }
    }
}

// Indexed values by index, for indices below `count`; gaps stay default.
template <typename T> std::vector<T> byIndex(const std::vector<std::pair<int, T>> &pairs, int count)
{
    std::vector<T> out(static_cast<size_t>(count));
    for (const auto &[index, value] : pairs)
        if (index < count)
            out[size_t(index)] = value;
    return out;
}

// The series entries a chart keeps for one stored series, as adding it to
// the chart records them: types 1-11 only, the adjustable types (9-11) with
// their data in the "markers @ points" form, and the two-series types (8-11)
// followed by their companion entry.
void appendSeries(QList<ChartSeriesInfo> &list, std::int32_t type, const QString &sign, const QString &data)
{
    if (type < 1 || type > 11)
        return;
    QString stored = data;
    if (type >= 9 && !data.contains(QLatin1Char('@')))
        stored = data + QStringLiteral(",@") + data;
    list.append({type, sign, stored});
    if (type >= 8)
        list.append(ChartSeriesInfo());
}

void decodePictures(CellRecord &r, const ValueReader &v, qsizetype maxBytes)
{
    try {
        if (r.kind == CellKind::Chart && !r.chartImage.isNull())
            r.chartImageDecoded = unpackedPicture(r.chartImage, maxBytes);
        // Only kinds that show their caption as text carry a picture.
        if (isTextLike(r.kind) && !r.picture.isNull())
            r.pictureDecoded = unpackedPicture(r.picture, maxBytes);
    } catch (const ReportError &e) {
        v.fail(r.kind == CellKind::Chart ? "CM" : "BM", e.message());
    }
}

void apply(CellRecord &r, Cell &cell, std::uint32_t fontId)
{
    cell.setFontId(fontId);
    cell.setBackColor(r.backColor);
    cell.setAlignment(r.alignment);
    cell.setVAlignment(r.vAlignment);
    cell.setReadOnly(r.readOnly);
    cell.setBorders(r.borders[0], r.borders[1], r.borders[2], r.borders[3]);
    if (r.sign != MergeSign::None)
        cell.setMerge(r.sign, r.bounds);

    cell.setMultiLine(r.multiLine);
    cell.setFormatType(r.formatType);
    cell.setFormatText(r.formatText);
    cell.setTextLength(r.textLength);
    cell.setImeName(r.imeName);
    cell.storeAlias(r.aliasName);
    cell.setCellNext(r.nextX, r.nextY);
    cell.setPrintHide(r.printHide);
    cell.setKind(r.kind);
    if (!r.caption.isEmpty())
        cell.storeCaption(r.caption);

    switch (r.kind) {
    case CellKind::DropDown:
        attachDropButton(cell, joinedLines(r.dropText));
        break;
    case CellKind::Chart: {
        CellExtension &ext = cell.extension();
        cell.setFlag(Cell::HaveChartFlag, true);
        ext.chartInfo = r.chart;
        const std::vector<std::int32_t> types = byIndex(r.seriesTypes, r.seriesCount);
        const std::vector<QString> signs = byIndex(r.signTexts, r.seriesCount);
        const std::vector<QString> data = byIndex(r.dataTexts, r.seriesCount);
        for (int n = 0; n < r.seriesCount; ++n)
            appendSeries(ext.seriesInfo, types[size_t(n)], signs[size_t(n)], data[size_t(n)]);
        if (!r.chartImageDecoded.isNull()) {
            ext.picture = r.chartImageDecoded;
            cell.setFlag(Cell::HaveChartImageFlag, true);
            cell.setFlag(Cell::ImageStretchFlag, r.imageStretch);
        }
        break;
    }
    case CellKind::Button:
        attachButtonFace(cell, cell.caption(), joinedLines(r.buttonScript), cell.fontId());
        break;
    case CellKind::CheckBox:
        attachCheckBox(cell, r.checkText);
        // A check box holds "1" or "0", whatever the element said.
        cell.storeCaption(r.caption == QLatin1String("1") ? QStringLiteral("1") : QStringLiteral("0"));
        break;
    default:
        break;
    }
    if (!r.pictureDecoded.isNull())
        showCellPicture(cell, r.pictureDecoded, r.imageStretch);

    if (r.diagonal != 0)
        cell.setDiagonalType(r.diagonal);
    cell.setScriptType(r.scriptType);
    cell.setScriptText(joinedLines(r.scriptText));
    cell.setExpressionText(r.expressionText);
    cell.setAppendRange(r.appendRange);
    const std::vector<QString> appendStrings = byIndex(r.appendStrings, r.appendRange);
    for (int n = 0; n < r.appendRange; ++n)
        cell.setAppendString(n, appendStrings[size_t(n)]);
}

} // namespace

CellElementReader::CellElementReader(FontTable &fonts, const DocumentLimits &limits)
    : m_fonts(fonts), m_limits(limits), m_record(std::make_unique<CellRecord>())
{
}

CellElementReader::~CellElementReader() = default;

void CellElementReader::begin(const char *const *attributes, std::function<QString()> where)
{
    m_where = std::move(where);
    *m_record = CellRecord();
    const ValueReader values(m_where);
    int attributeCount = 0;
    while (attributes[2 * attributeCount])
        ++attributeCount;
    for (int i = 0; i < attributeCount; ++i)
        collect(attributes[2 * i], attributes[2 * i + 1], *m_record, values, attributeCount);
}

void CellElementReader::end(const QString &caption, Cell &cell)
{
    const ValueReader values(m_where);
    CellRecord &record = *m_record;
    record.caption = caption;
    requireXmlText(record.caption, [&] { return QStringLiteral("报表文档中%1的文本").arg(values.where()); });
    decodePictures(record, values, m_limits.maxPictureBytes);
    // Neighbouring cells mostly share their font: skip the table's hashing then.
    if (!m_hasLastFont || !(record.font == m_lastFont)) {
        m_lastFontId = m_fonts.intern(record.font);
        m_lastFont = record.font;
        m_hasLastFont = true;
    }
    apply(record, cell, m_lastFontId);
}

} // namespace cellvex
