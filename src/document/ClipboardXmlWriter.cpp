#include "ClipboardXmlWriter.h"

#include "cells/ChartCell.h"
#include "document/DocumentPicture.h"
#include "document/DocumentValues.h"
#include "document/ElementAttributes.h"
#include "document/XmlDocument.h"
#include "report/Report.h"

#include <string>

namespace cellvex {

namespace {

bool carriesPicture(const Cell &cell)
{
    return cell.haveImage() && cell.picture() && int(cell.kind()) <= 10 && cell.kind() != CellKind::Chart &&
           cell.diagonalType() == 0;
}

void writeSeries(XmlElement e, const Cell &cell)
{
    const CellExtension *ext = cell.extensionIfAny();
    const qsizetype count = ext ? ext->seriesInfo.size() : 0;
    e.setAttribute("SeriesCount", std::int64_t(count));
    for (qsizetype n = 0; n < count; ++n) {
        const ChartSeriesInfo &s = ext->seriesInfo[n];
        e.setAttribute(indexedAttribute("aType", n).c_str(), s.seriesType);
        e.setAttribute(indexedAttribute("SignText", n).c_str(), s.signText);
        e.setAttribute(indexedAttribute("DataText", n).c_str(), s.dataText);
    }
}

void writeContent(XmlElement e, const Cell &cell)
{
    e.setAttribute("CellCaption", cell.caption());
    if (cell.kind() == CellKind::Chart) {
        writeSeries(e, cell);
        if (const QImage background = chartBackground(cell); !background.isNull())
            setPictureAttribute(e, "ChartImage", background);
    }
    if (carriesPicture(cell))
        setPictureAttribute(e, "BackImage", *cell.picture());
}

void writeFull(XmlElement e, const Report &report, const Cell &cell)
{
    e.setAttribute("Sign", std::int64_t(cell.sign()));
    const BlockBounds b = cell.block();
    const bool merged = cell.sign() != MergeSign::None;
    e.setAttribute("CountX", merged ? std::int64_t(b.right) - b.left + 1 : 1);
    e.setAttribute("CountY", merged ? std::int64_t(b.bottom) - b.top + 1 : 1);
    e.setAttribute("FormatType", cell.formatType());
    e.setAttribute("FormatText", cell.formatText());
    e.setAttribute("TextLength", cell.textLength());
    e.setAttribute("ImeName", cell.imeName());
    e.setAttribute("AliasName", cell.aliasName());
    e.setAttributeUtf8("MultiLine", cell.multiLine() ? "True" : "False");
    int left = 0, top = 0, right = 0, bottom = 0;
    cell.getBorders(left, top, right, bottom);
    e.setAttribute("Left", left);
    e.setAttribute("Top", top);
    e.setAttribute("Right", right);
    e.setAttribute("Buttom", bottom);
    const FontAttributes &font = report.fonts().attributes(cell.fontId());
    e.setAttribute("FontName", font.name);
    e.setAttribute("FontSize", font.size);
    e.setAttribute("FontColor", colorValue(font.color));
    const char style[] = {flagText(font.bold)[0], flagText(font.italic)[0], flagText(font.underline)[0],
                          flagText(font.strikeOut)[0], 0};
    e.setAttributeUtf8("FontStyle", style);
    e.setAttribute("BackColor", colorValue(cell.backColor()));
    e.setAttribute("Alignment", std::int64_t(cell.alignment()));
    e.setAttribute("VAlignment", std::int64_t(cell.vAlignment()));
    e.setAttributeUtf8("CellReadOnly", flagText(cell.readOnly()));
    e.setAttribute("CellNextPX", cell.cellNextPX());
    e.setAttribute("CellNextPY", cell.cellNextPY());
    e.setAttributeUtf8("CellPrintHide", flagText(cell.printHide()));
    e.setAttribute("CellType", std::int64_t(cell.kind()));
    e.setAttribute("CellCaption", cell.caption());
    switch (cell.kind()) {
    case CellKind::DropDown:
        e.setAttribute("CellDropText", cell.dropText());
        break;
    case CellKind::Chart: {
        const CellExtension *ext = cell.extensionIfAny();
        const ChartInfo info = ext ? ext->chartInfo : ChartInfo{};
        e.setAttribute("TitleText", info.titleText);
        e.setAttribute("HorizontalText", info.horizontalText);
        e.setAttribute("VerticalText", info.verticalText);
        writeSeries(e, cell);
        if (const QImage background = chartBackground(cell); !background.isNull()) {
            e.setAttributeUtf8("ImageStretch", flagText(cell.imageStretch()));
            setPictureAttribute(e, "ChartImage", background);
        }
        break;
    }
    case CellKind::Button:
        e.setAttribute("ButtonScript", cell.buttonScript());
        break;
    case CellKind::CheckBox:
        e.setAttribute("CheckBoxText", cell.checkText());
        break;
    default:
        break;
    }
    if (carriesPicture(cell)) {
        e.setAttributeUtf8("ImageStretch", flagText(cell.imageStretch()));
        setPictureAttribute(e, "BackImage", *cell.picture());
    }
    e.setAttribute("DiagonalType", cell.diagonalType());
    e.setAttribute("ScriptType", cell.scriptType());
    e.setAttribute("ScriptText", cell.scriptText());
    e.setAttribute("ExpressionText", cell.expressionText());
    e.setAttribute("AppendRange", cell.appendRange());
    for (int n = 0; n < cell.appendRange(); ++n)
        e.setAttribute(indexedAttribute("AppendString", n).c_str(), cell.appendString(n));
}

} // namespace

QString clipboardXml(const Report &report, const QRect &block, ClipboardShape shape)
{
    XmlDocument doc;
    XmlElement root = doc.addRoot("ClipbrdXML");
    root.setAttribute("XColCount", block.width());
    root.setAttribute("YRowCount", block.height());
    for (int col = block.left(); col <= block.right(); ++col)
        for (int row = block.top(); row <= block.bottom(); ++row) {
            const Cell &cell = *report.cell(col, row);
            XmlElement e = root.addChild("Cell");
            e.setAttribute("Col", col - block.left());
            e.setAttribute("Row", row - block.top());
            if (shape == ClipboardShape::Full)
                writeFull(e, report, cell);
            else
                writeContent(e, cell);
        }
    return doc.text();
}

} // namespace cellvex
