#include "ReportFromSheet.h"

#include "SheetUnits.h"

#include "cells/CellCapacity.h"
#include "common/ReportError.h"
#include "report/PaperTable.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace cellvex::xlsx {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Cellvex", text);
}

QString columnName(int col)
{
    QString name;
    for (; col > 0; col = (col - 1) / 26)
        name.prepend(QChar(u'A' + (col - 1) % 26));
    return name;
}

QString rangeName(const SheetRange &r)
{
    return columnName(r.firstCol) + QString::number(r.firstRow) + QLatin1Char(':') + columnName(r.lastCol) +
           QString::number(r.lastRow);
}

// A border line counts when the program reports a style of 0 or more:
// solid and dash-dotted lines do, dashed, dotted and double ones do not.
bool present(BorderLine line)
{
    return lineStyleCode(line) >= 0;
}

void readPageSetup(PageSettings &page, const SheetPageSetup &setup, int pixelsPerInch)
{
    const bool landscape = setup.orientation != 1;
    const int index = setup.paperSize >= 0 && setup.paperSize <= 255 && PaperTable::hasName(setup.paperSize)
                          ? setup.paperSize
                          : PaperTable::kA4;
    const PaperType &paper = PaperTable::entry(index);
    page.paperName = paper.name;
    page.landscape = landscape;
    page.width.text = landscape ? paper.height : paper.width;
    page.height.text = landscape ? paper.width : paper.height;
    page.leftMargin.text = marginMillimetreText(setup.leftMargin, pixelsPerInch);
    page.topMargin.text = marginMillimetreText(setup.topMargin, pixelsPerInch);
    page.rightMargin.text = marginMillimetreText(setup.rightMargin, pixelsPerInch);
    page.bottomMargin.text = marginMillimetreText(setup.bottomMargin, pixelsPerInch);
    page.recomputePixels();
}

ColorRef reportColor(Rgb rgb)
{
    return ColorRef(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
}

void readCell(Cell &cell, const SheetCell &in, FontTable &fonts)
{
    const SheetStyle &s = in.style;
    FontAttributes font = FontTable::defaultAttributes();
    font.name = s.font.name;
    font.size = std::clamp(int(std::lround(s.font.size)), 1, 409);
    font.color = reportColor(s.font.color);
    font.bold = s.font.bold;
    font.italic = s.font.italic;
    font.underline = s.font.underline;
    font.strikeOut = s.font.strikethrough;
    cell.setFontId(fonts.intern(font));
    switch (s.hAlign) {
    case SheetHAlign::Left:
        cell.setAlignment(HAlign::Left);
        break;
    case SheetHAlign::Center:
        cell.setAlignment(HAlign::Center);
        break;
    case SheetHAlign::Right:
        cell.setAlignment(HAlign::Right);
        break;
    default:
        break;
    }
    switch (s.vAlign) {
    case SheetVAlign::Top:
        cell.setVAlignment(VAlign::Top);
        break;
    case SheetVAlign::Center:
        cell.setVAlignment(VAlign::Center);
        break;
    case SheetVAlign::Bottom:
        cell.setVAlignment(VAlign::Bottom);
        break;
    default:
        break;
    }
    cell.setBackColor(reportColor(s.interior));
    cell.setMultiLine(s.wrapText);
    cell.storeCaption(in.value);
}

// The sheet's merged areas clipped to the range, in report coordinates;
// an area overlapping one taken before is left out. Cells taken are marked
// in a map of the range, so a file with many merged areas costs their
// areas, not their count squared.
std::vector<SheetRange> clippedMerges(const Worksheet &sheet, const ImportRange &range)
{
    std::vector<SheetRange> out;
    const size_t cols = size_t(range.colCount());
    std::vector<bool> taken;
    for (const SheetRange &m : sheet.merges()) {
        const SheetRange c{std::max(m.firstRow, range.firstRow) - range.firstRow,
                           std::max(m.firstCol, range.firstCol) - range.firstCol,
                           std::min(m.lastRow, range.lastRow) - range.firstRow,
                           std::min(m.lastCol, range.lastCol) - range.firstCol};
        if (c.isEmpty() || (c.firstRow == c.lastRow && c.firstCol == c.lastCol))
            continue;
        if (taken.empty())
            taken.assign(cols * size_t(range.rowCount()), false);
        bool free = true;
        for (int r = c.firstRow; r <= c.lastRow && free; ++r)
            for (int k = c.firstCol; k <= c.lastCol && free; ++k)
                free = !taken[size_t(r) * cols + size_t(k)];
        if (!free)
            continue;
        for (int r = c.firstRow; r <= c.lastRow; ++r)
            for (int k = c.firstCol; k <= c.lastCol; ++k)
                taken[size_t(r) * cols + size_t(k)] = true;
        out.push_back(c);
    }
    return out;
}

void readBorders(CellMatrix &cells, const Worksheet &sheet, const ImportRange &range)
{
    const int cols = range.colCount(), rows = range.rowCount();
    const auto line = [&sheet, &range](int x, int y, BorderSide side) {
        return present(sheet.style(range.firstRow + y, range.firstCol + x).borders[size_t(side)]);
    };
    for (int x = 0; x < cols; ++x) {
        for (int y = 0; y < rows; ++y) {
            Cell &cell = cells.at(x, y);
            if (cell.sign() != MergeSign::Covered) {
                if (!line(x, y, SideLeft) && (x == 0 || !line(x - 1, y, SideRight)))
                    cell.setBorders(0, -1, -1, -1);
                if (!line(x, y, SideTop) && (y == 0 || !line(x, y - 1, SideBottom)))
                    cell.setBorders(-1, 0, -1, -1);
                const auto &b = sheet.style(range.firstRow + y, range.firstCol + x).borders;
                if (lineStyleCode(b[SideDiagonalDown]) > 0)
                    cell.setDiagonalType(1);
                if (lineStyleCode(b[SideDiagonalUp]) > 0)
                    cell.setDiagonalType(2);
            }
            const BlockBounds block = cell.block();
            const bool covered = cell.sign() == MergeSign::Covered;
            if (x == cols - 1 && (line(x, y, SideRight) || line(x + 1, y, SideLeft))) {
                if (!covered)
                    cell.setBorders(-1, -1, 1, -1);
                else if (block.top == y)
                    cells.at(block.left, block.top).setBorders(-1, -1, 1, -1);
            }
            if (y == rows - 1 && (line(x, y, SideBottom) || line(x, y + 1, SideTop))) {
                if (!covered)
                    cell.setBorders(-1, -1, -1, 1);
                else if (block.left == x)
                    cells.at(block.left, block.top).setBorders(-1, -1, -1, 1);
            }
        }
    }
}

} // namespace

SheetRange ImportRange::readWindow() const
{
    // Read before the range is checked: the last row or column may be
    // anything a caller passed, INT_MAX included.
    return SheetRange{firstRow, firstCol,
                      int(std::min<std::int64_t>(std::int64_t(lastRow) + 1, Worksheet::kMaxRows)),
                      int(std::min<std::int64_t>(std::int64_t(lastCol) + 1, Worksheet::kMaxCols))};
}

void checkImportRange(const ImportRange &range, const SheetRange &used)
{
    if (range.firstCol < 1 || range.firstRow < 1)
        throw ReportError(tr("The range to import starts before the first column or row of the sheet"));
    if (range.lastCol < range.firstCol)
        throw ReportError(tr("The range to import ends in column %1, before its first column %2")
                              .arg(range.lastCol)
                              .arg(range.firstCol));
    if (range.lastRow < range.firstRow)
        throw ReportError(tr("The range to import ends in row %1, before its first row %2")
                              .arg(range.lastRow)
                              .arg(range.firstRow));
    const SheetRange wanted{range.firstRow, range.firstCol, range.lastRow, range.lastCol};
    if (used.isEmpty())
        throw ReportError(
            tr("The range %1 cannot be imported: the first worksheet is empty").arg(rangeName(wanted)));
    if (range.lastCol > used.lastCol || range.lastRow > used.lastRow)
        throw ReportError(
            tr("The range %1 reaches beyond %2, the range the first worksheet uses")
                .arg(rangeName(wanted), rangeName(SheetRange{1, 1, used.lastRow, used.lastCol})));
}

LoadedReport reportFromSheet(const Worksheet &sheet, const ImportRange &range, bool withPrinter,
                             int pixelsPerInch)
{
    // The same rule as every other way of making cells, before anything of
    // the new report is allocated.
    const int cols = range.colCount(), rows = range.rowCount();
    requireCellCapacity(cols, rows, std::int64_t(cols) * rows);

    LoadedReport out(pixelsPerInch);
    out.page.resetToDefaults();
    if (withPrinter)
        readPageSetup(out.page, sheet.pageSetup(), pixelsPerInch);

    out.colRanges.reserve(size_t(cols));
    for (int c = range.firstCol; c <= range.lastCol; ++c)
        out.colRanges.push_back(pixelsFromColumnWidth(sheet.columnWidth(c)));
    out.rowRanges.reserve(size_t(rows));
    for (int r = range.firstRow; r <= range.lastRow; ++r)
        out.rowRanges.push_back(pixelsFromRowHeight(sheet.rowHeight(r)));

    out.cells = CellMatrix::create(cols, rows);
    SheetCell blank;
    blank.style = sheet.defaultStyle;
    for (int x = 0; x < cols; ++x)
        for (int y = 0; y < rows; ++y)
            if (const SheetCell *in = sheet.findCell(range.firstRow + y, range.firstCol + x))
                readCell(out.cells.at(x, y), *in, out.fonts);
            else
                readCell(out.cells.at(x, y), blank, out.fonts);

    for (const SheetRange &m : clippedMerges(sheet, range))
        out.cells.markBlock(m.firstCol, m.firstRow, m.lastCol, m.lastRow);
    readBorders(out.cells, sheet, range);
    return out;
}

} // namespace cellvex::xlsx
