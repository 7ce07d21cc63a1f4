#include "CellElementWriter.h"

#include "cells/ChartCell.h"

#include "document/CellAttributes.h"
#include "document/DocumentPicture.h"
#include "document/DocumentValues.h"
#include "document/ElementAttributes.h"
#include "document/XmlCharacters.h"
#include "report/Report.h"

namespace cellvex {

namespace {

} // namespace

CellElementWriter::CellElementWriter(const Report &report) : m_report(report) {}

const CellElementWriter::FontTexts &CellElementWriter::fontTexts(std::uint32_t fontId)
{
    if (fontId >= m_fonts.size()) {
        m_fonts.resize(fontId + 1);
        m_fontReady.resize(fontId + 1);
    }
    if (!m_fontReady[fontId]) {
        const FontAttributes &f = m_report.fonts().attributes(fontId);
        requireXmlText(f.name, [] { return QStringLiteral("字体名称"); });
        FontTexts &t = m_fonts[fontId];
        t.name = f.name.toStdString();
        t.style = {flagText(f.bold)[0], flagText(f.italic)[0], flagText(f.underline)[0],
                   flagText(f.strikeOut)[0]};
        t.size = f.size;
        t.color = colorValue(f.color);
        m_fontReady[fontId] = true;
    }
    return m_fonts[fontId];
}

void CellElementWriter::fill(XmlElement element, int col, int row)
{
    try {
        fillAttributes(element, col, row);
    } catch (const ReportError &e) {
        throw ReportError(
            QStringLiteral("第 %1 列第 %2 行的单元：%3").arg(col + 1).arg(row + 1).arg(e.message()));
    }
}

void CellElementWriter::fillAttributes(XmlElement e, int col, int row)
{
    const Cell &cell = *m_report.cell(col, row);
    const CellExtension *ext = cell.extensionIfAny();
    const ReportRect rect = m_report.cellRect(col, row);
    e.setAttribute("L", rect.x);
    e.setAttribute("T", rect.y);
    e.setAttribute("W", rect.width);
    e.setAttribute("H", rect.height);

    const FontTexts &font = fontTexts(cell.fontId());
    e.setAttributeUtf8("FN", font.name);
    e.setAttribute("FS", font.size);
    e.setAttribute("FC", font.color);
    e.setAttributeUtf8("FT", font.style);
    // The table's attributes, the series and pictures amid them.
    CellRecord record = tableFieldsOf(cell);
    auto writeTable = [&](bool afterPictures) {
        for (const CellAttribute &a : cellAttributes())
            if (a.afterPictures == afterPictures && carries(a, record))
                writeCellAttribute(a, record, e);
    };
    writeTable(false);
    if (cell.kind() == CellKind::Chart) {
        for (qsizetype n = 0; n < record.seriesCount; ++n) {
            const ChartSeriesInfo &s = ext->seriesInfo[n];
            e.setAttribute(indexedAttribute("ST", n).c_str(), s.seriesType);
            e.setAttribute(indexedAttribute("SS", n).c_str(), s.signText);
            e.setAttribute(indexedAttribute("SD", n).c_str(), s.dataText);
        }
        // The chart's background, not the snapshot its picture layer holds.
        if (const QImage background = chartBackground(cell); !background.isNull()) {
            e.setAttributeUtf8("IS", flagText(cell.imageStretch()));
            setPictureAttribute(e, "CM", background);
        }
    }
    // Only a picture that exists can be written; a layer that shows nothing
    // yet (or only a diagonal) has none.
    if (cell.haveImage() && isTextLike(cell.kind()) && cell.diagonalType() == 0 && cell.picture()) {
        e.setAttributeUtf8("IS", flagText(cell.imageStretch()));
        setPictureAttribute(e, "BM", *cell.picture());
    }
    writeTable(true);
    for (int n = 0; n < record.appendRange; ++n)
        e.setAttribute(indexedAttribute("AS", n).c_str(), cell.appendString(n));

    e.setText(cell.caption());
}

} // namespace cellvex
