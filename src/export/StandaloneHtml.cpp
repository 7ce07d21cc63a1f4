#include "StandaloneHtml.h"

#include "HtmlCellStyle.h"
#include "HtmlCellWriter.h"
#include "StagedFiles.h"

#include "cells/CellDrawing.h"
#include "common/ReportError.h"
#include "report/Report.h"

#include <QBuffer>
#include <QFileInfo>
#include <QHash>
#include <QImageWriter>
#include <QUrl>

#include <algorithm>
#include <climits>

namespace cellvex {

namespace {

int clampToInt(std::int64_t v)
{
    return int(std::clamp<std::int64_t>(v, 0, INT_MAX));
}

// Text for HTML content or a quoted attribute value. Control characters
// other than tab are not allowed in an HTML page and are dropped; half a
// surrogate pair stands for no character.
QString escaped(const QString &text)
{
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar ch = text.at(i);
        switch (ch.unicode()) {
        case '&':
            out += QStringLiteral("&amp;");
            continue;
        case '<':
            out += QStringLiteral("&lt;");
            continue;
        case '>':
            out += QStringLiteral("&gt;");
            continue;
        case '"':
            out += QStringLiteral("&quot;");
            continue;
        case '\'':
            out += QStringLiteral("&#39;");
            continue;
        default:
            break;
        }
        if ((ch.unicode() < 0x20 && ch != u'\t') || (ch.unicode() >= 0x7F && ch.unicode() < 0xA0))
            continue;
        if (ch.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            out += ch;
            out += text.at(++i);
            continue;
        }
        out += ch.isSurrogate() ? QChar(0xFFFD) : ch;
    }
    return out;
}

QByteArray pngBytes(const QImage &image, const QString &fileName)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (image.isNull() || !writer.write(image))
        throw ReportError(fileWriteFailure(fileName));
    return bytes;
}

// Builds the page: the body first, so that the shared classes it used can
// be written into the head.
class PageBuilder
{
public:
    PageBuilder(const Report &report, const ExportRange &range, const QString &pictureStem)
        : m_report(report), m_range(range), m_stem(pictureStem)
    {
    }

    void writeTable();
    QString styleSheet() const;
    const QString &body() const { return m_body; }
    std::vector<HtmlPictureFile> takePictures() { return std::move(m_pictures); }

private:
    bool colShown(int c) const { return m_report.colWidth(c) > 0; }
    bool rowShown(int r) const { return m_report.rowHeight(r) > 0; }
    // The first column (row) in first..last that is shown, or -1.
    int firstShownCol(int first, int last) const;
    int firstShownRow(int first, int last) const;
    void writeCell(int col, int row);
    void writeContent(const Cell &cell, int col, int row, const ReportRect &rect, bool picture);
    QString classOf(const QString &style);

    const Report &m_report;
    ExportRange m_range;
    QString m_stem;
    QString m_body;
    QHash<QString, QString> m_classes; // style -> class name
    QStringList m_classOrder;          // styles in the order of their names
    std::vector<HtmlPictureFile> m_pictures;
};

int PageBuilder::firstShownCol(int first, int last) const
{
    for (int c = first; c <= last; ++c)
        if (colShown(c))
            return c;
    return -1;
}

int PageBuilder::firstShownRow(int first, int last) const
{
    for (int r = first; r <= last; ++r)
        if (rowShown(r))
            return r;
    return -1;
}

QString PageBuilder::classOf(const QString &style)
{
    auto it = m_classes.constFind(style);
    if (it != m_classes.constEnd())
        return *it;
    const QString name = QStringLiteral("s%1").arg(m_classOrder.size());
    m_classes.insert(style, name);
    m_classOrder.append(style);
    return name;
}

QString PageBuilder::styleSheet() const
{
    QString css;
    std::int64_t width = 0;
    for (int c = m_range.firstCol; c <= m_range.lastCol; ++c)
        width += std::max(0, m_report.colWidth(c));
    // Borders are strips inside a cell as on the grid (border-box, no
    // spacing); the fixed layout keeps every column at its own width.
    css += QStringLiteral("table.cellvex{border-collapse:separate;border-spacing:0;table-layout:fixed;"
                          "width:%1px;}\n")
               .arg(width);
    css += QStringLiteral("table.cellvex td{box-sizing:border-box;padding:0 2px;border:0 solid #000000;"
                          "overflow:hidden;white-space:pre;line-height:1.15;}\n"
                          "table.cellvex td img{display:block;}\n"
                          "table.cellvex td input{margin:0 3px 0 0;vertical-align:middle;}\n");
    // As specific as the base rule and after it, so a cell's own borders and
    // padding win over the base rule's.
    for (qsizetype i = 0; i < m_classOrder.size(); ++i)
        css += QStringLiteral("table.cellvex td.s%1{%2}\n").arg(i).arg(m_classOrder.at(i));
    return css;
}

void PageBuilder::writeTable()
{
    m_body += QStringLiteral("<table class=\"cellvex\">\n<colgroup>");
    for (int c = m_range.firstCol; c <= m_range.lastCol; ++c)
        if (colShown(c))
            m_body += QStringLiteral("<col style=\"width:%1px\">").arg(m_report.colWidth(c));
    m_body += QStringLiteral("</colgroup>\n<tbody>\n");
    for (int r = m_range.firstRow; r <= m_range.lastRow; ++r) {
        if (!rowShown(r))
            continue;
        m_body += QStringLiteral("<tr style=\"height:%1px\">").arg(m_report.rowHeight(r));
        for (int c = m_range.firstCol; c <= m_range.lastCol; ++c)
            if (colShown(c))
                writeCell(c, r);
        m_body += QStringLiteral("</tr>\n");
    }
    m_body += QStringLiteral("</tbody>\n</table>\n");
}

void PageBuilder::writeCell(int col, int row)
{
    const Cell *cell = m_report.cell(col, row);
    int masterCol = col, masterRow = row, colSpan = 1, rowSpan = 1;
    if (cell->sign() != MergeSign::None) {
        // A block is one table cell at the first shown column and row of the
        // part of it inside the range; the spans count only shown poles, so
        // a block cut by the range or holding hidden poles keeps the table
        // rectangular.
        const BlockBounds b = cell->block();
        const int left = std::max(b.left, m_range.firstCol), right = std::min(b.right, m_range.lastCol);
        const int top = std::max(b.top, m_range.firstRow), bottom = std::min(b.bottom, m_range.lastRow);
        if (firstShownCol(left, right) != col || firstShownRow(top, bottom) != row)
            return;
        const Cell *master = m_report.cell(b.left, b.top);
        if (master && master->sign() == MergeSign::Master) {
            masterCol = b.left;
            masterRow = b.top;
            cell = master;
        }
        colSpan = rowSpan = 0;
        for (int c = left; c <= right; ++c)
            colSpan += colShown(c) ? 1 : 0;
        for (int r = top; r <= bottom; ++r)
            rowSpan += rowShown(r) ? 1 : 0;
    }

    const ReportRect rect = m_report.cellRect(masterCol, masterRow);
    const bool picture = HtmlCellWriter::showsPicture(*cell);
    m_body +=
        QStringLiteral("<td class=\"%1\"").arg(classOf(htmlCellStyle(*cell, m_report.fonts(), picture)));
    if (colSpan > 1)
        m_body += QStringLiteral(" colspan=\"%1\"").arg(colSpan);
    if (rowSpan > 1)
        m_body += QStringLiteral(" rowspan=\"%1\"").arg(rowSpan);
    m_body += QLatin1Char('>');
    writeContent(*cell, masterCol, masterRow, rect, picture);
    m_body += QStringLiteral("</td>");
}

void PageBuilder::writeContent(const Cell &cell, int col, int row, const ReportRect &rect, bool picture)
{
    if (picture) {
        const QString fileName = m_stem + QStringLiteral("_C%1C%2.png").arg(col).arg(row);
        // The picture covers the cell inside its borders: stretched to it, or
        // at its own size from the top-left corner and cut off at the edges.
        const int w = std::max(0, clampToInt(rect.width) - cell.borderLeft() - cell.borderRight());
        const int h = std::max(0, clampToInt(rect.height) - cell.borderTop() - cell.borderBottom());
        // Built by concatenation: a percent-encoded name holds "%2C" and the
        // like, which QString::arg would take for its own markers.
        m_body +=
            QStringLiteral("<img src=\"") + escaped(QString::fromLatin1(QUrl::toPercentEncoding(fileName))) +
            QStringLiteral("\" alt=\"\" width=\"") + QString::number(w) + QStringLiteral("\" height=\"") +
            QString::number(h) + QStringLiteral("\" style=\"object-fit:") +
            (cell.imageStretch() ? QStringLiteral("fill") : QStringLiteral("none")) +
            QStringLiteral(";object-position:left top\">");
        m_pictures.push_back({fileName, *cell.picture()});
        return;
    }
    if (cell.kind() == CellKind::CheckBox) {
        m_body += cell.caption() == QLatin1String("1")
                      ? QStringLiteral("<label><input type=\"checkbox\" disabled checked>")
                      : QStringLiteral("<label><input type=\"checkbox\" disabled>");
        m_body += escaped(cell.checkText());
        m_body += QStringLiteral("</label>");
        return;
    }
    if (cell.caption().isEmpty())
        return;
    // The lines as the grid shows them: formatted and wrapped to the cell.
    const QStringList lines =
        layoutCell(cell, clampToInt(rect.width), clampToInt(rect.height), m_report.fonts()).lineValues;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            m_body += QStringLiteral("<br>");
        m_body += escaped(lines.at(i));
    }
}

} // namespace

StandaloneHtml standaloneHtml(const Report &report, const ExportRange &range, const QString &title,
                              const QString &pictureStem)
{
    PageBuilder builder(report, range, pictureStem);
    builder.writeTable();
    QString page;
    page += QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>");
    page += escaped(title);
    page += QStringLiteral("</title>\n<style>\nbody{margin:8px;background:#FFFFFF;}\n");
    page += builder.styleSheet();
    page += QStringLiteral("</style>\n</head>\n<body>\n");
    page += builder.body();
    page += QStringLiteral("</body>\n</html>\n");
    return StandaloneHtml{page.toUtf8(), builder.takePictures()};
}

void writeStandaloneHtml(const Report &report, const ExportRange &range, const QString &fileName)
{
    const QFileInfo info(fileName);
    const StandaloneHtml page =
        standaloneHtml(report, range, info.completeBaseName(), info.completeBaseName());
    StagedFiles files;
    const QString folder = info.absolutePath() + QLatin1Char('/');
    for (const HtmlPictureFile &picture : page.pictures)
        files.add(folder + picture.fileName, pngBytes(picture.image, folder + picture.fileName));
    // The page last: once it is there, so is every picture it refers to.
    files.add(info.absoluteFilePath(), page.html);
    files.commit();
}

} // namespace cellvex
