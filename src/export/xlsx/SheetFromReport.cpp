#include "SheetFromReport.h"

#include "SheetUnits.h"

#include "common/Colors.h"
#include "common/NumberCaption.h"
#include "common/PlainNumbers.h"
#include "export/ExportRange.h"
#include "report/PaperTable.h"
#include "report/Report.h"

#include <QBuffer>
#include <QImage>

#include <algorithm>

namespace cellvex::xlsx {

namespace {

SheetPageSetup pageSetupOf(const PageSettings &page)
{
    SheetPageSetup setup;
    // A page without a paper name prints on A4; the table's first (empty)
    // entry would name no paper at all.
    const int index = page.paperName.isEmpty() ? -1 : PaperTable::indexOfName(page.paperName);
    setup.paperSize = index >= 0 && index <= 255 ? index : PaperTable::kA4;
    setup.orientation = page.landscape ? 2 : 1;
    const auto points = [&page](const PaperLength &l) {
        return marginPoints(parseMillimetres(l.text).value_or(0), page.pixelsPerInch());
    };
    setup.leftMargin = points(page.leftMargin);
    setup.topMargin = points(page.topMargin);
    setup.rightMargin = points(page.rightMargin);
    setup.bottomMargin = points(page.bottomMargin);
    return setup;
}

SheetStyle styleOf(const Report &report, const Cell &cell)
{
    SheetStyle s;
    const FontAttributes &font = report.fonts().attributes(cell.fontId());
    s.font.name = font.name;
    s.font.size = font.size;
    s.font.color = sheetColor(font.color);
    s.font.bold = font.bold;
    s.font.italic = font.italic;
    s.font.underline = font.underline;
    s.font.strikethrough = font.strikeOut;
    // Every cell states its protection, so that protecting the sheet keeps
    // exactly the read-only cells from being changed.
    s.locked = cell.readOnly();
    switch (cell.alignment()) {
    case HAlign::Left:
        s.hAlign = SheetHAlign::Left;
        break;
    case HAlign::Center:
        s.hAlign = SheetHAlign::Center;
        break;
    case HAlign::Right:
        s.hAlign = SheetHAlign::Right;
        break;
    }
    switch (cell.vAlignment()) {
    case VAlign::Top:
        s.vAlign = SheetVAlign::Top;
        break;
    case VAlign::Center:
        s.vAlign = SheetVAlign::Center;
        break;
    case VAlign::Bottom:
        s.vAlign = SheetVAlign::Bottom;
        break;
    }
    s.filled = true; // white too: the program's default is no colour at all
    s.interior = sheetColor(cell.backColor());
    s.wrapText = cell.multiLine();
    if (cell.diagonalType() == 1 || cell.diagonalType() == 3)
        s.borders[SideDiagonalDown] = BorderLine::Thin;
    if (cell.diagonalType() == 2 || cell.diagonalType() == 3)
        s.borders[SideDiagonalUp] = BorderLine::Thin;
    return s;
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

Rgb sheetColor(std::uint32_t colorRef)
{
    const QColor c = toQColor(colorRef);
    return (Rgb(c.red()) << 16) | (Rgb(c.green()) << 8) | Rgb(c.blue());
}

void setSheetValue(SheetCell &cell, const QString &caption)
{
    cell.value = caption;
    double x = 0;
    cell.number = readCaptionNumber(caption, x) == CaptionNumber::Number && generalNumberText(x) == caption;
    cell.numberValue = cell.number ? x : 0;
}

Worksheet sheetFromReport(const Report &report, const ExportRange &range, bool withPageSetup)
{
    Worksheet sheet;
    sheet.name = QStringLiteral("Cellvex");
    if (withPageSetup)
        sheet.pageSetup() = pageSetupOf(report.pageSettings());
    const int cols = range.lastCol - range.firstCol + 1;
    const int rows = range.lastRow - range.firstRow + 1;
    if (cols <= 0 || rows <= 0)
        return sheet;
    sheet.reserve(size_t(cols) * size_t(rows));

    for (int x = 1; x <= cols; ++x)
        sheet.setColumnWidth(x, columnWidthFromPixels(report.colWidth(range.firstCol + x - 1)));
    for (int y = 1; y <= rows; ++y)
        sheet.setRowHeight(y, rowHeightFromPixels(report.rowHeight(range.firstRow + y - 1)));

    for (int x = 1; x <= cols; ++x) {
        for (int y = 1; y <= rows; ++y) {
            const int col = range.firstCol + x - 1, row = range.firstRow + y - 1;
            const Cell &cell = *report.cell(col, row);
            if (cell.sign() == MergeSign::Covered)
                continue;
            SheetCell &out = sheet.cell(y, x);
            out.style = styleOf(report, cell);
            setSheetValue(out, cell.caption());

            SheetRange area{y, x, y, x};
            if (cell.sign() == MergeSign::Master) {
                const BlockBounds b = cell.block();
                area.lastCol = std::min(b.right, range.lastCol) - range.firstCol + 1;
                area.lastRow = std::min(b.bottom, range.lastRow) - range.firstRow + 1;
                if (!area.isEmpty() && (area.lastCol > x || area.lastRow > y))
                    sheet.merge(area);
            }
            // The sides of a merged area are drawn on each cell along them.
            const auto side = [&sheet](int r, int c, int which) {
                sheet.cell(r, c).style.borders[size_t(which)] = BorderLine::Thin;
            };
            if (cell.borderLeft() > 0)
                for (int r = area.firstRow; r <= area.lastRow; ++r)
                    side(r, area.firstCol, SideLeft);
            if (cell.borderTop() > 0)
                for (int c = area.firstCol; c <= area.lastCol; ++c)
                    side(area.firstRow, c, SideTop);
            if (cell.borderRight() > 0)
                for (int r = area.firstRow; r <= area.lastRow; ++r)
                    side(r, area.lastCol, SideRight);
            if (cell.borderBottom() > 0)
                for (int c = area.firstCol; c <= area.lastCol; ++c)
                    side(area.lastRow, c, SideBottom);

            if (cell.haveImage() && cell.diagonalType() == 0 && cell.picture()) {
                const QImage &image = *cell.picture();
                SheetPicture picture{y, x, pngBytes(image), 1, 1};
                if (cell.imageStretch() && image.width() > 0 && image.height() > 0) {
                    const ReportRect rect = report.cellRect(col, row);
                    picture.xScale = double(rect.width) / image.width();
                    picture.yScale = double(rect.height) / image.height();
                }
                sheet.pastePicture(std::move(picture));
            }
        }
    }
    return sheet;
}

} // namespace cellvex::xlsx
