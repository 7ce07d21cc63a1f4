#include "CellElementWriter.h"

#include "document/DocumentPicture.h"
#include "document/DocumentValues.h"
#include "document/XmlCharacters.h"
#include "report/Report.h"

namespace cellvex {

namespace {

// Indexed attribute names such as "AS12".
std::string indexed(const char *prefix, qsizetype index)
{
    return prefix + std::to_string(index);
}

void setPicture(XmlElement e, const char *name, const QImage &image)
{
    const QByteArray packed = packedPicture(image);
    e.setAttributeUtf8(name, std::string_view(packed.constData(), size_t(packed.size())));
}

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
    e.setAttribute("BC", colorValue(cell.backColor()));
    e.setAttribute("HA", std::int64_t(cell.alignment()));
    e.setAttribute("VA", std::int64_t(cell.vAlignment()));
    e.setAttributeUtf8("RO", flagText(cell.readOnly()));
    e.setAttribute("BL", cell.borderLeft());
    e.setAttribute("BT", cell.borderTop());
    e.setAttribute("BR", cell.borderRight());
    e.setAttribute("BB", cell.borderBottom());

    e.setAttribute("S", std::int64_t(cell.sign()));
    if (cell.sign() != MergeSign::None) {
        const BlockBounds b = cell.block();
        e.setAttribute("CL", b.left);
        e.setAttribute("CT", b.top);
        e.setAttribute("CR", b.right);
        e.setAttribute("CB", b.bottom);
    }

    e.setAttributeUtf8("ML", flagText(cell.multiLine()));
    e.setAttribute("FP", cell.formatType());
    e.setAttribute("FX", cell.formatText());
    e.setAttribute("TL", cell.textLength());
    e.setAttribute("IM", cell.imeName());
    e.setAttribute("AN", cell.aliasName());
    e.setAttribute("NX", cell.cellNextPX());
    e.setAttribute("NY", cell.cellNextPY());
    e.setAttributeUtf8("RH", flagText(cell.printHide()));
    e.setAttribute("TP", std::int64_t(cell.kind()));

    switch (cell.kind()) {
    case CellKind::DropDown:
        e.setAttribute("TC", cell.dropText());
        break;
    case CellKind::Chart: {
        const ChartInfo info = ext ? ext->chartInfo : ChartInfo();
        e.setAttribute("CI", info.titleText);
        e.setAttribute("CH", info.horizontalText);
        e.setAttribute("CV", info.verticalText);
        const qsizetype count = ext ? ext->seriesInfo.size() : 0;
        e.setAttribute("SC", count);
        for (qsizetype n = 0; n < count; ++n) {
            const ChartSeriesInfo &s = ext->seriesInfo[n];
            e.setAttribute(indexed("ST", n).c_str(), s.seriesType);
            e.setAttribute(indexed("SS", n).c_str(), s.signText);
            e.setAttribute(indexed("SD", n).c_str(), s.dataText);
        }
        if (cell.flag(Cell::HaveChartImageFlag) && cell.picture()) {
            e.setAttributeUtf8("IS", flagText(cell.imageStretch()));
            setPicture(e, "CM", *cell.picture());
        }
        break;
    }
    case CellKind::Button:
        e.setAttribute("BS", cell.buttonScript());
        break;
    case CellKind::CheckBox:
        e.setAttribute("CE", cell.checkText());
        break;
    default:
        break;
    }
    // Only a picture that exists can be written; a layer that shows nothing
    // yet (or only a diagonal) has none.
    if (cell.haveImage() && isTextLike(cell.kind()) && cell.diagonalType() == 0 && cell.picture()) {
        e.setAttributeUtf8("IS", flagText(cell.imageStretch()));
        setPicture(e, "BM", *cell.picture());
    }

    e.setAttribute("DT", cell.diagonalType());
    e.setAttribute("SP", cell.scriptType());
    e.setAttribute("SX", cell.scriptText());
    e.setAttribute("EX", cell.expressionText());
    const int appendRange = cell.appendRange();
    e.setAttribute("AR", appendRange);
    for (int n = 0; n < appendRange; ++n)
        e.setAttribute(indexed("AS", n).c_str(), cell.appendString(n));

    e.setText(cell.caption());
}

} // namespace cellvex
