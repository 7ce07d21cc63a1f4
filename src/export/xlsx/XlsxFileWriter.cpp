#include "XlsxFileWriter.h"

#include "Worksheet.h"

#include "common/ReportError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace cellvex::xlsx {

namespace {

struct WorkbookCloser
{
    void operator()(lxw_workbook *wb) const { workbook_close(wb); }
};
using WorkbookHandle = std::unique_ptr<lxw_workbook, WorkbookCloser>;

lxw_color_t toLxwColor(Rgb rgb)
{
    // libxlsxwriter reads 0 as "no colour"; black has its own code.
    rgb &= 0xFFFFFF;
    return rgb == 0 ? lxw_color_t(LXW_COLOR_BLACK) : lxw_color_t(rgb);
}

// A byte key of everything a format holds, for sharing one format among
// the cells that look alike.
QByteArray styleKey(const SheetStyle &s)
{
    QByteArray key = s.font.name.toUtf8();
    key.append('\0');
    const auto add = [&key](auto v) { key.append(reinterpret_cast<const char *>(&v), sizeof v); };
    add(s.font.size);
    add(s.font.color);
    add(std::uint8_t(s.font.bold | s.font.italic << 1 | s.font.underline << 2 | s.font.strikethrough << 3 |
                     s.filled << 4 | s.wrapText << 5 | s.locked << 6));
    add(s.interior);
    add(s.hAlign);
    add(s.vAlign);
    key.append(reinterpret_cast<const char *>(s.borders.data()), s.borders.size());
    return key;
}

class FormatCache
{
public:
    explicit FormatCache(lxw_workbook *wb) : m_workbook(wb) {}

    lxw_format *format(const SheetStyle &s)
    {
        const QByteArray key = styleKey(s);
        const auto it = m_formats.constFind(key);
        if (it != m_formats.constEnd())
            return *it;
        lxw_format *f = build(s);
        m_formats.insert(key, f);
        return f;
    }

private:
    lxw_format *build(const SheetStyle &s)
    {
        lxw_format *f = workbook_add_format(m_workbook);
        format_set_font_name(f, s.font.name.toUtf8().constData());
        format_set_font_size(f, s.font.size);
        format_set_font_color(f, toLxwColor(s.font.color));
        if (s.font.bold)
            format_set_bold(f);
        if (s.font.italic)
            format_set_italic(f);
        if (s.font.underline)
            format_set_underline(f, LXW_UNDERLINE_SINGLE);
        if (s.font.strikethrough)
            format_set_font_strikeout(f);
        if (!s.locked)
            format_set_unlocked(f);
        switch (s.hAlign) {
        case SheetHAlign::Left:
            format_set_align(f, LXW_ALIGN_LEFT);
            break;
        case SheetHAlign::Center:
            format_set_align(f, LXW_ALIGN_CENTER);
            break;
        case SheetHAlign::Right:
            format_set_align(f, LXW_ALIGN_RIGHT);
            break;
        default:
            break;
        }
        switch (s.vAlign) {
        case SheetVAlign::Top:
            format_set_align(f, LXW_ALIGN_VERTICAL_TOP);
            break;
        case SheetVAlign::Center:
            format_set_align(f, LXW_ALIGN_VERTICAL_CENTER);
            break;
        case SheetVAlign::Bottom:
            format_set_align(f, LXW_ALIGN_VERTICAL_BOTTOM);
            break;
        default:
            break;
        }
        if (s.wrapText)
            format_set_text_wrap(f);
        if (s.filled) {
            format_set_pattern(f, LXW_PATTERN_SOLID);
            format_set_bg_color(f, toLxwColor(s.interior));
        }
        format_set_left(f, uint8_t(s.borders[SideLeft]));
        format_set_right(f, uint8_t(s.borders[SideRight]));
        format_set_top(f, uint8_t(s.borders[SideTop]));
        format_set_bottom(f, uint8_t(s.borders[SideBottom]));
        const bool down = s.borders[SideDiagonalDown] != BorderLine::None;
        const bool up = s.borders[SideDiagonalUp] != BorderLine::None;
        if (down || up) {
            format_set_diag_type(f, down && up ? LXW_DIAGONAL_BORDER_UP_DOWN
                                    : down     ? LXW_DIAGONAL_BORDER_DOWN
                                               : LXW_DIAGONAL_BORDER_UP);
            format_set_diag_border(f,
                                   uint8_t(down ? s.borders[SideDiagonalDown] : s.borders[SideDiagonalUp]));
        }
        return f;
    }

    lxw_workbook *m_workbook;
    QHash<QByteArray, lxw_format *> m_formats;
};

QString failure(const QString &fileName, const QString &reason)
{
    return QCoreApplication::translate("Cellvex", "The workbook %1 could not be written: %2")
        .arg(QDir::toNativeSeparators(fileName), reason);
}

void check(lxw_error err, const QString &fileName, const QString &where)
{
    if (err != LXW_NO_ERROR)
        throw ReportError(
            failure(fileName, where + QStringLiteral(": ") + QString::fromUtf8(lxw_strerror(err))));
}

QString cellName(int row, int col)
{
    char name[16];
    lxw_rowcol_to_cell(name, lxw_row_t(row - 1), lxw_col_t(col - 1));
    return QString::fromLatin1(name);
}

void writeCell(lxw_worksheet *ws, int row, int col, const SheetCell &c, lxw_format *f,
               const QString &fileName)
{
    const lxw_row_t r = lxw_row_t(row - 1);
    const lxw_col_t k = lxw_col_t(col - 1);
    lxw_error err;
    if (c.number)
        err = worksheet_write_number(ws, r, k, c.numberValue, f);
    else if (c.value.isEmpty())
        err = worksheet_write_blank(ws, r, k, f);
    else
        err = worksheet_write_string(ws, r, k, c.value.toUtf8().constData(), f);
    check(err, fileName, cellName(row, col));
}

void writeSheet(lxw_workbook *wb, const Worksheet &sheet, const QString &fileName)
{
    lxw_worksheet *ws = workbook_add_worksheet(wb, sheet.name.toUtf8().constData());
    if (!ws)
        throw ReportError(
            failure(fileName, QStringLiteral("the worksheet name \"%1\" is refused").arg(sheet.name)));

    const SheetPageSetup &page = sheet.pageSetup();
    if (page.paperSize > 0 && page.paperSize < 256)
        worksheet_set_paper(ws, uint8_t(page.paperSize));
    if (page.orientation == 2)
        worksheet_set_landscape(ws);
    else
        worksheet_set_portrait(ws);
    worksheet_set_margins(ws, page.leftMargin / 72, page.rightMargin / 72, page.topMargin / 72,
                          page.bottomMargin / 72);

    for (const auto &[col, width] : sheet.columnWidths())
        check(worksheet_set_column(ws, lxw_col_t(col - 1), lxw_col_t(col - 1), width, nullptr), fileName,
              QStringLiteral("column %1").arg(col));
    for (const auto &[row, height] : sheet.rowHeights())
        check(worksheet_set_row(ws, lxw_row_t(row - 1), height, nullptr), fileName,
              QStringLiteral("row %1").arg(row));

    FormatCache formats(wb);
    // Merging writes blanks over the area; the cells are written after it
    // so that each keeps its own style (borders along the area's sides).
    for (const SheetRange &m : sheet.merges())
        check(worksheet_merge_range(ws, lxw_row_t(m.firstRow - 1), lxw_col_t(m.firstCol - 1),
                                    lxw_row_t(m.lastRow - 1), lxw_col_t(m.lastCol - 1), "", nullptr),
              fileName, cellName(m.firstRow, m.firstCol) + QLatin1Char(':') + cellName(m.lastRow, m.lastCol));
    for (const auto &[key, c] : sheet.cells())
        writeCell(ws, Worksheet::rowOfKey(key), Worksheet::colOfKey(key), c, formats.format(c.style),
                  fileName);

    for (const SheetPicture &p : sheet.pictures()) {
        lxw_image_options options{};
        options.x_scale = p.xScale;
        options.y_scale = p.yScale;
        options.object_position = LXW_OBJECT_MOVE_AND_SIZE;
        check(worksheet_insert_image_buffer_opt(ws, lxw_row_t(p.row - 1), lxw_col_t(p.col - 1),
                                                reinterpret_cast<const unsigned char *>(p.png.constData()),
                                                size_t(p.png.size()), &options),
              fileName, QStringLiteral("picture at %1").arg(cellName(p.row, p.col)));
    }
}

} // namespace

void writeWorkbook(const Worksheet &sheet, const QString &fileName)
{
    const QFileInfo target(fileName);
    if (target.isDir())
        throw ReportError(failure(fileName, QStringLiteral("it is a folder")));
    // The temporary file only reserves a name beside the target, on its file
    // system, so that the final rename replaces the target in one step.
    QTemporaryFile temp(target.absoluteDir().filePath(target.fileName() + QStringLiteral(".XXXXXX.tmp")));
    if (!temp.open())
        throw ReportError(failure(fileName, temp.errorString()));
    temp.close();
    const QString tempName = temp.fileName();
    {
        WorkbookHandle wb(workbook_new(QFile::encodeName(tempName).constData()));
        if (!wb)
            throw ReportError(failure(fileName, QStringLiteral("the workbook could not be created")));
        writeSheet(wb.get(), sheet, fileName); // on a throw the handle closes the partial file
        const lxw_error err = workbook_close(wb.release());
        check(err, fileName, QStringLiteral("saving"));
    }
    if (std::rename(QFile::encodeName(tempName).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData()) != 0)
        throw ReportError(failure(fileName, QString::fromLocal8Bit(std::strerror(errno))));
    temp.setAutoRemove(false);
}

} // namespace cellvex::xlsx
