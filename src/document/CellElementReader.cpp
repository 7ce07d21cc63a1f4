#include "CellElementReader.h"

#include "cells/Cell.h"
#include "cells/CellWidgets.h"
#include "cells/ChartCell.h"
#include "cells/FontTable.h"
#include "document/CellAttributes.h"
#include "document/DocumentPicture.h"
#include "document/DocumentValues.h"
#include "document/XmlCharacters.h"
#include "report/Report.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <utility>
#include <vector>

namespace cellvex {

namespace {

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

constexpr std::string_view kGeometry[] = {"L", "T", "W", "H"};

bool isGeometry(std::string_view name)
{
    return name.size() == 1 && (name[0] == 'L' || name[0] == 'T' || name[0] == 'W' || name[0] == 'H');
}

// Made cells kept, by their tail's identity.
constexpr size_t kMadeSlots = 256;

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

// One attribute as the parser hands it over.
void collect(std::string_view name, std::string_view value, CellRecord &r, const ValueReader &v,
             int attributeCount)
{
    if (const CellAttribute *attribute = findCellAttribute(name)) {
        readCellAttribute(*attribute, value, r, v, attributeCount);
        return;
    }
    switch (keyOf(name)) {
    case key('L'):
    case key('T'):
    case key('W'):
    case key('H'):
        // Geometry follows from the rulers; the values only have to be numbers.
        if (!parseDocumentInteger(value))
            v.fail(name, QStringLiteral("不是整数"));
        break;
    case key('F', 'N'):
        r.font.name = v.text(name, value);
        break;
    case key('F', 'S'):
        r.font.size = v.int32(name, value);
        break;
    case key('F', 'C'):
        r.font.color = v.color(name, value);
        break;
    case key('F', 'T'):
        // Bold, italic, underline, strike-out; a missing character is off.
        r.font.bold = value.size() > 0 && value[0] == '1';
        r.font.italic = value.size() > 1 && value[1] == '1';
        r.font.underline = value.size() > 2 && value[2] == '1';
        r.font.strikeOut = value.size() > 3 && value[3] == '1';
        break;
    case key('I', 'S'):
        r.imageStretch = flagValue(value);
        break;
    case key('C', 'M'):
        r.chartImage = QByteArray(value.data(), qsizetype(value.size()));
        break;
    case key('B', 'M'):
        r.picture = QByteArray(value.data(), qsizetype(value.size()));
        break;
    default: {
        if (int i = indexAfter(name, "ST"); i >= 0)
            r.seriesTypes.emplace_back(i, v.int32(name, value));
        else if (int i = indexAfter(name, "SS"); i >= 0)
            r.signTexts.emplace_back(i, v.text(name, value));
        else if (int i = indexAfter(name, "SD"); i >= 0)
            r.dataTexts.emplace_back(i, v.text(name, value));
        else if (int i = indexAfter(name, "AS"); i >= 0)
            r.appendStrings.emplace_back(i, v.text(name, value));
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

// Builds the chart as the chart members would: title and axes, each stored
// series entry added again (companion entries are the additions' own), the
// background. A diagonal (which no chart cell has) keeps the chart away. A
// series whose values cannot be read fails the whole document.
void applyChartRecord(const CellRecord &r, Cell &cell, const QFont &font, const ValueReader &v)
{
    if (r.diagonal != 0 || !applyChart(cell, font, r.chart))
        return;
    const std::vector<std::int32_t> types = byIndex(r.seriesTypes, r.seriesCount);
    const std::vector<QString> signs = byIndex(r.signTexts, r.seriesCount);
    const std::vector<QString> data = byIndex(r.dataTexts, r.seriesCount);
    for (int n = 0; n < r.seriesCount; ++n) {
        try {
            appendChartSeries(cell, types[size_t(n)], signs[size_t(n)], data[size_t(n)]);
        } catch (const ReportError &e) {
            v.fail("SD" + std::to_string(n), e.message());
        }
    }
    if (!r.chartImageDecoded.isNull())
        setChartBackground(cell, r.chartImageDecoded, r.imageStretch);
}

void decodePictures(CellRecord &r, const ValueReader &v, qsizetype maxBytes)
{
    try {
        if (r.kind == int(CellKind::Chart) && !r.chartImage.isNull())
            r.chartImageDecoded = unpackedPicture(r.chartImage, maxBytes);
        // Only kinds that show their caption as text carry a picture.
        if (isTextLike(CellKind(r.kind)) && !r.picture.isNull())
            r.pictureDecoded = unpackedPicture(r.picture, maxBytes);
    } catch (const ReportError &e) {
        v.fail(r.kind == int(CellKind::Chart) ? "CM" : "BM", e.message());
    }
}

void apply(CellRecord &r, Cell &cell, std::uint32_t fontId, const FontTable &fonts, const ValueReader &v)
{
    cell.setFontId(fontId);
    cell.setBackColor(r.backColor);
    cell.setAlignment(HAlign(r.alignment));
    cell.setVAlignment(VAlign(r.vAlignment));
    cell.setReadOnly(r.readOnly);
    cell.setBorders(r.borders[0], r.borders[1], r.borders[2], r.borders[3]);
    if (r.sign != int(MergeSign::None))
        cell.setMerge(MergeSign(r.sign), r.bounds);

    cell.setMultiLine(r.multiLine);
    cell.setFormatType(r.formatType);
    cell.setFormatText(r.formatText);
    cell.setTextLength(r.textLength);
    cell.setImeName(r.imeName);
    cell.storeAlias(r.aliasName);
    cell.setCellNext(r.nextX, r.nextY);
    cell.setPrintHide(r.printHide);
    cell.setKind(CellKind(r.kind));
    if (!r.caption.isEmpty())
        cell.storeCaption(r.caption);

    switch (CellKind(r.kind)) {
    case CellKind::DropDown:
        attachDropButton(cell, joinedLines(r.dropText));
        break;
    case CellKind::Chart:
        applyChartRecord(r, cell, fonts.font(fontId), v);
        break;
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
    : m_fonts(fonts), m_limits(limits), m_record(std::make_unique<CellRecord>()), m_made(kMadeSlots)
{
}

CellElementReader::~CellElementReader() = default;

std::span<const std::string_view> CellElementReader::geometryAttributes()
{
    return kGeometry;
}

void CellElementReader::begin(XmlAttributeList attributes, const RepeatedAttributes &repeated,
                              std::function<QString()> where)
{
    m_where = std::move(where);
    m_repeated = repeated;
    m_reuse = nullptr;
    if (repeated.tail != 0) {
        const Made &made = m_made[repeated.tail % kMadeSlots];
        if (made.tail == repeated.tail && made.from == repeated.from && made.reusable &&
            size_t(repeated.from) <= attributes.size() &&
            std::all_of(attributes.begin(), attributes.begin() + repeated.from,
                        [](const XmlAttribute &a) { return isGeometry(a.name); })) {
            checkGeometry(attributes.first(size_t(repeated.from)), ValueReader(m_where));
            m_reuse = &made;
            return;
        }
    }
    readAll(attributes);
}

void CellElementReader::checkGeometry(XmlAttributeList attributes, const ValueReader &values) const
{
    // The writer's plain decimals are told at a glance, the rest parsed.
    auto plainDecimal = [](std::string_view v) {
        const size_t sign = !v.empty() && v[0] == '-' ? 1 : 0;
        if (v.size() <= sign || v.size() > 18)
            return false;
        for (size_t i = sign; i < v.size(); ++i)
            if (v[i] < '0' || v[i] > '9')
                return false;
        return true;
    };
    for (const XmlAttribute &a : attributes)
        if (!plainDecimal(a.value) && !parseDocumentInteger(a.value))
            values.fail(a.name, QStringLiteral("不是整数"));
}

void CellElementReader::readAll(XmlAttributeList attributes)
{
    *m_record = CellRecord();
    const ValueReader values(m_where);
    const int attributeCount = int(attributes.size());
    for (const XmlAttribute &a : attributes) {
        // Neighbouring cells mostly share their font name: decode it once.
        const bool fontName = a.name == "FN";
        if (fontName && m_hasFontName && a.value == m_fontNameUtf8) {
            m_record->font.name = m_fontName;
            continue;
        }
        collect(a.name, a.value, *m_record, values, attributeCount);
        if (fontName) {
            m_fontNameUtf8.assign(a.value);
            m_fontName = m_record->font.name;
            m_hasFontName = true;
        }
    }
    // A cell holds no more; the rest would be lost without a word.
    if (m_record->appendRange > kMaxAppendRange)
        values.fail("AR", QStringLiteral("超出每个单元格 %1 个附加字符串的上限：%2")
                              .arg(kMaxAppendRange)
                              .arg(m_record->appendRange));
}

void CellElementReader::end(const QString &caption, Cell &cell, int col, int row)
{
    const ValueReader values(m_where);
    requireXmlText(caption, [&] { return QStringLiteral("报表文档中%1的文本").arg(values.where()); });
    if (m_reuse) {
        cell = m_reuse->cell;
        cell.setTag(col, row);
        if (!caption.isEmpty())
            cell.storeCaption(caption);
        return;
    }
    CellRecord &record = *m_record;
    record.caption = caption;
    decodePictures(record, values, m_limits.maxPictureBytes);
    // Neighbouring cells mostly share their font: skip the table's hashing then.
    if (!m_hasLastFont || !(record.font == m_lastFont)) {
        m_lastFontId = m_fonts.intern(record.font);
        m_lastFont = record.font;
        m_hasLastFont = true;
    }
    cell = Cell();
    cell.setTag(col, row);
    apply(record, cell, m_lastFontId, m_fonts, values);
    if (m_repeated.tail != 0)
        remember(cell);
}

void CellElementReader::remember(const Cell &cell)
{
    Made &made = m_made[m_repeated.tail % kMadeSlots];
    made.tail = m_repeated.tail;
    made.from = m_repeated.from;
    // Kinds whose widgets read the caption, and pictures, are made anew.
    switch (cell.kind()) {
    case CellKind::DropDown:
    case CellKind::Chart:
    case CellKind::Button:
    case CellKind::CheckBox:
        made.reusable = false;
        break;
    default:
        made.reusable = m_record->pictureDecoded.isNull();
        break;
    }
    if (made.reusable) {
        made.cell = cell;
        made.cell.storeCaption(QString());
    }
}

} // namespace cellvex
