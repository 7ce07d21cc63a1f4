#include "HtmlExport.h"

#include "HtmlCellWriter.h"

#include "report/Report.h"

#include <cstdint>

namespace cellvex {

namespace {

// A table cell that draws nothing: the filler at the end of each row and the
// cells of the closing sizing row.
const QString kNoBorderStyle = QStringLiteral(" style='border:solid windowtext .5pt;border:none;'></Td>");

} // namespace

QString transHtml(const Report &report, bool selected, int col1, int row1, int col2, int row2,
                  const QString &picturePath)
{
    const std::optional<ExportRange> range = exportRange(report, selected, col1, row1, col2, row2);
    if (!range)
        return QString();
    return exportHtml(report, *range, picturePath);
}

QString exportHtml(const Report &report, const ExportRange &range, const QString &picturePath)
{
    std::int64_t width = 0, height = 0;
    for (int c = range.firstCol; c <= range.lastCol; ++c)
        width += report.colWidth(c);
    for (int r = range.firstRow; r <= range.lastRow; ++r)
        height += report.rowHeight(r);

    QString out;
    out += QStringLiteral("<Table width=");
    out += QString::number(width + 1);
    out += QStringLiteral(" height=");
    out += QString::number(height + 1);
    out += QStringLiteral(
        " border=1 cellspacing=0 cellpadding=0 style='border-collapse:collapse;border:none;'>");

    const HtmlCellWriter cells(report, picturePath);
    for (int r = range.firstRow; r <= range.lastRow; ++r) {
        const int h = report.rowHeight(r);
        if (h == 0)
            continue;
        out += QStringLiteral("<Tr height=");
        out += QString::number(h - 1);
        out += QLatin1Char('>');
        for (int c = range.firstCol; c <= range.lastCol; ++c) {
            // A covered cell is part of its master's element, also when the
            // master lies outside the range.
            if (report.colWidth(c) == 0 || report.cell(c, r)->sign() == MergeSign::Covered)
                continue;
            cells.write(out, c, r);
        }
        out += QStringLiteral("<Td width=1");
        out += kNoBorderStyle;
        out += QStringLiteral("</Tr>");
    }

    // The sizing row fixes every visible column's width.
    out += QStringLiteral("<Tr height=1>");
    for (int c = range.firstCol; c <= range.lastCol; ++c) {
        const int w = report.colWidth(c);
        if (w <= 0)
            continue;
        out += QStringLiteral("<Td width=");
        out += QString::number(w - 1);
        out += kNoBorderStyle;
    }
    out += QStringLiteral("</Tr></Table>");
    return out;
}

} // namespace cellvex
