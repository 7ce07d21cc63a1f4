#include "HtmlCellWriter.h"

#include "HtmlText.h"
#include "PictureFiles.h"

#include "cells/CellDrawing.h"
#include "report/Report.h"

#include <algorithm>
#include <climits>

namespace cellvex {

namespace {

int clampToInt(std::int64_t v)
{
    return int(std::clamp<std::int64_t>(v, 0, INT_MAX));
}

} // namespace

HtmlCellWriter::HtmlCellWriter(const Report &report, const QString &picturePath)
    : m_report(report), m_picturePath(picturePath)
{
}

bool HtmlCellWriter::showsPicture(const Cell &cell)
{
    return cell.haveImage() && cell.diagonalType() == 0 && cell.picture() != nullptr;
}

QStringList HtmlCellWriter::displayLines(const Cell &cell, const ReportRect &rect) const
{
    // Most cells of a large report are empty: skip the text measuring for them.
    if (cell.caption().isEmpty() || cell.kind() == CellKind::CheckBox)
        return {};
    return layoutCell(cell, clampToInt(rect.width), clampToInt(rect.height), m_report.fonts()).lineValues;
}

void HtmlCellWriter::write(QString &out, int col, int row) const
{
    const Cell &cell = *m_report.cell(col, row);
    const ReportRect rect = m_report.cellRect(col, row);
    const bool checkBox = cell.kind() == CellKind::CheckBox;
    const bool picture = showsPicture(cell);
    const QStringList lines = picture || checkBox ? QStringList() : displayLines(cell, rect);
    const bool textContent = !picture && (checkBox || !lines.isEmpty());

    out += QStringLiteral("<Td width=");
    out += QString::number(rect.width - 1);

    if (checkBox) {
        out += QStringLiteral(" align=left valign=center");
    } else {
        switch (cell.alignment()) {
        case HAlign::Left:
            out += QStringLiteral(" align=left");
            break;
        case HAlign::Right:
            out += QStringLiteral(" align=right");
            break;
        case HAlign::Center:
            out += QStringLiteral(" align=center");
            break;
        }
        switch (cell.vAlignment()) {
        case VAlign::Center:
            out += QStringLiteral(" valign=center");
            break;
        case VAlign::Top:
            out += QStringLiteral(" valign=top");
            break;
        case VAlign::Bottom:
            out += QStringLiteral(" valign=bottom");
            break;
        }
    }

    if (cell.sign() == MergeSign::Master)
        writeSpans(out, cell);

    // Every side that has a border at all is written as the same thin solid
    // line; only the sides without one are switched off.
    out += QStringLiteral(" style='border:solid windowtext .5pt;");
    if (cell.borderLeft() == 0)
        out += QStringLiteral("border-left:none;");
    if (cell.borderTop() == 0)
        out += QStringLiteral("border-top:none;");
    if (cell.borderRight() == 0)
        out += QStringLiteral("border-right:none;");
    if (cell.borderBottom() == 0)
        out += QStringLiteral("border-bottom:none;");
    if (cell.backColor() != 0xFFFFFF && !picture) {
        out += QStringLiteral("background:");
        out += htmlColor(cell.backColor());
        out += QLatin1Char(';');
    }
    out += QLatin1Char('\'');

    if (textContent) {
        const FontAttributes &font = m_report.fonts().attributes(cell.fontId());
        out += QStringLiteral(" style='font-size:");
        out += QString::number(font.size);
        out += QStringLiteral(".0pt;font-family:");
        appendHtmlAttributeText(out, font.name);
        out += QStringLiteral(";color:");
        out += htmlColor(font.color);
        out += QStringLiteral(";'");
    }
    out += QLatin1Char('>');

    if (textContent)
        writeTextContent(out, cell, lines);
    else if (picture)
        writePictureContent(out, cell, col, row, rect);
    out += QStringLiteral("</Td>");
}

void HtmlCellWriter::writeSpans(QString &out, const Cell &cell) const
{
    // Hidden columns and rows of the block produce no table cells, so they
    // do not count towards the spans.
    const BlockBounds b = cell.block();
    const int right = std::min(b.right, m_report.colCount() - 1);
    const int bottom = std::min(b.bottom, m_report.rowCount() - 1);
    int cols = 0, rows = 0;
    for (int c = std::max(b.left, 0); c <= right; ++c)
        cols += m_report.colWidth(c) != 0 ? 1 : 0;
    for (int r = std::max(b.top, 0); r <= bottom; ++r)
        rows += m_report.rowHeight(r) != 0 ? 1 : 0;
    out += QStringLiteral(" colspan=");
    out += QString::number(cols);
    out += QStringLiteral(" rowspan=");
    out += QString::number(rows);
}

void HtmlCellWriter::writeTextContent(QString &out, const Cell &cell, const QStringList &lines) const
{
    const FontAttributes &font = m_report.fonts().attributes(cell.fontId());
    if (font.bold)
        out += QStringLiteral("<b>");
    if (font.italic)
        out += QStringLiteral("<i>");
    if (font.underline)
        out += QStringLiteral("<u>");
    if (font.strikeOut)
        out += QStringLiteral("<s>");

    if (cell.kind() == CellKind::CheckBox) {
        out += cell.caption() == QLatin1String("1") ? QStringLiteral("<input type=checkbox checked>")
                                                    : QStringLiteral("<input type=checkbox>");
        appendHtmlText(out, cell.checkText());
    } else {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                out += QStringLiteral("<br>");
            appendHtmlText(out, lines.at(i));
        }
    }

    if (font.strikeOut)
        out += QStringLiteral("</s>");
    if (font.underline)
        out += QStringLiteral("</u>");
    if (font.italic)
        out += QStringLiteral("</i>");
    if (font.bold)
        out += QStringLiteral("</b>");
}

void HtmlCellWriter::writePictureContent(QString &out, const Cell &cell, int col, int row,
                                         const ReportRect &rect) const
{
    const QString base = m_picturePath + QStringLiteral("_C%1C%2").arg(col).arg(row);
    const QString referred = base + QStringLiteral(".bmp");
    writePictureFile(*cell.picture(), base + QStringLiteral(".Bmp"), referred);
    out += QStringLiteral("<Img width=");
    out += QString::number(rect.width - 1);
    out += QStringLiteral(" height=");
    out += QString::number(rect.height - 1);
    out += QStringLiteral(" src=");
    appendHtmlAttributeValue(out, referred);
    out += QLatin1Char('>');
}

} // namespace cellvex
