#include "CellElementText.h"

#include "cells/ChartCell.h"
#include "common/ReportError.h"
#include "document/AnsiXmlText.h"
#include "document/CellAttributes.h"
#include "document/DocumentPicture.h"
#include "document/DocumentValues.h"
#include "report/Report.h"

#include <charconv>
#include <span>
#include <vector>

namespace cellvex {

namespace {

using Context = AnsiXmlText::Context;

void appendInteger(std::string &out, std::int64_t value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, size_t(end - digits));
}

void appendName(std::string &out, const char *name)
{
    out += ' ';
    out += name;
    out += "=\"";
}

void appendNamed(std::string &out, const char *name, std::int64_t index)
{
    out += ' ';
    out += name;
    appendInteger(out, index);
    out += "=\"";
}

void integerAttribute(std::string &out, const char *name, std::int64_t value)
{
    appendName(out, name);
    appendInteger(out, value);
    out += '"';
}

// The value of the attribute `name` (followed by `index` for an indexed one).
void textValue(std::string &out, const char *name, const QString &value, qsizetype index = -1)
{
    AnsiXmlText::append(out, value, Context::Attribute, [name, index] {
        const QString full = QLatin1String(name) + (index >= 0 ? QString::number(index) : QString());
        return QStringLiteral("属性 %1 ").arg(full);
    });
    out += '"';
}

void pictureAttribute(std::string &out, const char *name, const QImage &image)
{
    appendName(out, name);
    AnsiXmlText::appendAsciiAttribute(out, packedPicture(image));
    out += '"';
}

// ' NAME="' of every attribute of the table, by its place there: one append
// instead of three, for thirty attributes of a million cells.
const std::string &tablePrefix(size_t index)
{
    static const std::vector<std::string> prefixes = [] {
        std::vector<std::string> p;
        for (const CellAttribute &a : cellAttributes())
            p.push_back(std::string(" ") + a.name + "=\"");
        return p;
    }();
    return prefixes[index];
}

void tableAttribute(std::string &out, size_t index, CellRecord &r)
{
    const CellAttribute &a = cellAttributes()[index];
    out += tablePrefix(index);
    switch (a.value) {
    case AttributeValue::Integer:
    case AttributeValue::Code:
    case AttributeValue::Count:
    case AttributeValue::Kind:
        appendInteger(out, (*std::get_if<CellAttribute::Field<std::int32_t>>(&a.field))(r));
        break;
    case AttributeValue::Flag:
        out += (*std::get_if<CellAttribute::Field<bool>>(&a.field))(r) ? '1' : '0';
        break;
    case AttributeValue::Color:
        appendInteger(out, colorValue((*std::get_if<CellAttribute::Field<ColorRef>>(&a.field))(r)));
        break;
    case AttributeValue::Text:
        textValue(out, a.name, (*std::get_if<CellAttribute::Field<QString>>(&a.field))(r));
        return;
    }
    out += '"';
}

} // namespace

CellElementText::CellElementText(const Report &report) : m_report(report) {}

const std::string &CellElementText::fontAttributes(std::uint32_t fontId)
{
    if (fontId >= m_fonts.size()) {
        m_fonts.resize(fontId + 1);
        m_fontReady.resize(fontId + 1);
    }
    if (!m_fontReady[fontId]) {
        const FontAttributes &f = m_report.fonts().attributes(fontId);
        std::string &t = m_fonts[fontId];
        t.clear();
        appendName(t, "FN");
        AnsiXmlText::append(t, f.name, Context::Attribute, [] { return QStringLiteral("字体名称"); });
        t += '"';
        integerAttribute(t, "FS", f.size);
        integerAttribute(t, "FC", colorValue(f.color));
        appendName(t, "FT");
        for (bool on : {f.bold, f.italic, f.underline, f.strikeOut})
            t += flagText(on);
        t += '"';
        m_fontReady[fontId] = true;
    }
    return m_fonts[fontId];
}

void CellElementText::append(std::string &out, int col, int row, int indent)
{
    const size_t start = out.size();
    try {
        out.append(size_t(indent), '\t');
        appendElement(out, col, row);
        out += "\r\n";
    } catch (const ReportError &e) {
        out.resize(start);
        throw ReportError(
            QStringLiteral("第 %1 列第 %2 行的单元：%3").arg(col + 1).arg(row + 1).arg(e.message()));
    }
}

void CellElementText::appendElement(std::string &out, int col, int row)
{
    const Cell &cell = *m_report.cell(col, row);
    const std::int64_t index = std::int64_t(col) * m_report.rowCount() + row;
    out += "<C";
    appendInteger(out, index);
    const ReportRect rect = m_report.cellRect(col, row);
    integerAttribute(out, "L", rect.x);
    integerAttribute(out, "T", rect.y);
    integerAttribute(out, "W", rect.width);
    integerAttribute(out, "H", rect.height);
    out += fontAttributes(cell.fontId());

    // The table's attributes, the series and pictures amid them.
    CellRecord record = tableFieldsOf(cell);
    const std::span<const CellAttribute> table = cellAttributes();
    auto writeTable = [&](bool afterPictures) {
        for (size_t i = 0; i < table.size(); ++i)
            if (table[i].afterPictures == afterPictures && carries(table[i], record))
                tableAttribute(out, i, record);
    };
    writeTable(false);
    if (cell.kind() == CellKind::Chart) {
        const CellExtension *ext = cell.extensionIfAny();
        for (qsizetype n = 0; n < record.seriesCount; ++n) {
            const ChartSeriesInfo &s = ext->seriesInfo[n];
            appendNamed(out, "ST", n);
            appendInteger(out, s.seriesType);
            out += '"';
            appendNamed(out, "SS", n);
            textValue(out, "SS", s.signText, n);
            appendNamed(out, "SD", n);
            textValue(out, "SD", s.dataText, n);
        }
        // The chart's background, not the snapshot its picture layer holds.
        if (const QImage background = chartBackground(cell); !background.isNull()) {
            appendName(out, "IS");
            out += flagText(cell.imageStretch());
            out += '"';
            pictureAttribute(out, "CM", background);
        }
    }
    // Only a picture that exists can be written; a layer that shows nothing
    // yet (or only a diagonal) has none.
    if (cell.haveImage() && isTextLike(cell.kind()) && cell.diagonalType() == 0 && cell.picture()) {
        appendName(out, "IS");
        out += flagText(cell.imageStretch());
        out += '"';
        pictureAttribute(out, "BM", *cell.picture());
    }
    writeTable(true);
    for (int n = 0; n < record.appendRange; ++n) {
        appendNamed(out, "AS", n);
        textValue(out, "AS", cell.appendString(n), n);
    }

    const QString &caption = cell.caption();
    if (caption.isEmpty()) {
        out += "/>";
        return;
    }
    out += '>';
    AnsiXmlText::append(out, caption, Context::ElementText,
                        [index] { return QStringLiteral("元素 C%1 的文本").arg(index); });
    out += "</C";
    appendInteger(out, index);
    out += '>';
}

} // namespace cellvex
