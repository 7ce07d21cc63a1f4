#include "XlsxFileReader.h"

#include "SheetUnits.h"
#include "XlsxPackage.h"
#include "XlsxStyles.h"

#include "common/PlainNumbers.h"
#include "common/ReportError.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QTime>

#include <pugixml.hpp>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace cellvex::xlsx {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Cellvex", text);
}

[[noreturn]] void damaged(const QString &fileName, const QString &what)
{
    throw ReportError(tr("The workbook %1 is damaged: %2").arg(QDir::toNativeSeparators(fileName), what));
}

pugi::xml_document parse(const QByteArray &bytes, const QString &fileName, const QString &part)
{
    pugi::xml_document doc;
    const pugi::xml_parse_result r = doc.load_buffer(bytes.constData(), size_t(bytes.size()));
    if (!r)
        damaged(fileName, tr("%1 is not XML (%2)").arg(part, QString::fromUtf8(r.description())));
    return doc;
}

// A relationship target as a package part name.
QString partName(const QString &base, const QString &target)
{
    if (target.startsWith(QLatin1Char('/')))
        return target.mid(1);
    return QDir::cleanPath(base + QLatin1Char('/') + target);
}

struct WorkbookParts
{
    QString sheet;
    QString sharedStrings = QStringLiteral("xl/sharedStrings.xml");
    QString styles = QStringLiteral("xl/styles.xml");
    QString theme = QStringLiteral("xl/theme/theme1.xml");
    bool date1904 = false;
};

WorkbookParts findParts(const XlsxPackage &package, const QString &fileName)
{
    const std::optional<QByteArray> workbook = package.part(QStringLiteral("xl/workbook.xml"));
    if (!workbook)
        throw ReportError(tr("%1 is a zip file but not an .xlsx workbook (it has no xl/workbook.xml)")
                              .arg(QDir::toNativeSeparators(fileName)));
    const pugi::xml_document wb = parse(*workbook, fileName, QStringLiteral("xl/workbook.xml"));
    const pugi::xml_node root = wb.child("workbook");
    WorkbookParts parts;
    parts.date1904 = std::strcmp(root.child("workbookPr").attribute("date1904").value(), "1") == 0 ||
                     std::strcmp(root.child("workbookPr").attribute("date1904").value(), "true") == 0;
    const pugi::xml_node first = root.child("sheets").child("sheet");
    if (!first)
        damaged(fileName, tr("it has no worksheet"));
    const char *id = first.attribute("r:id").value();

    const std::optional<QByteArray> rels = package.part(QStringLiteral("xl/_rels/workbook.xml.rels"));
    if (!rels)
        damaged(fileName, tr("it has no xl/_rels/workbook.xml.rels"));
    const pugi::xml_document relDoc = parse(*rels, fileName, QStringLiteral("xl/_rels/workbook.xml.rels"));
    for (const pugi::xml_node r : relDoc.child("Relationships").children("Relationship")) {
        const QString target =
            partName(QStringLiteral("xl"), QString::fromUtf8(r.attribute("Target").value()));
        const QByteArray type = r.attribute("Type").value();
        if (std::strcmp(r.attribute("Id").value(), id) == 0)
            parts.sheet = target;
        else if (type.endsWith("/sharedStrings"))
            parts.sharedStrings = target;
        else if (type.endsWith("/styles"))
            parts.styles = target;
        else if (type.endsWith("/theme"))
            parts.theme = target;
    }
    if (parts.sheet.isEmpty())
        damaged(fileName, tr("the first worksheet has no part"));
    return parts;
}

// The text of a string item (<si>, <is>): its text, or its runs' texts;
// phonetic hints are not part of the value.
QString itemText(const pugi::xml_node &item)
{
    if (const pugi::xml_node t = item.child("t"))
        return QString::fromUtf8(t.text().get());
    QString text;
    for (const pugi::xml_node r : item.children("r"))
        text += QString::fromUtf8(r.child("t").text().get());
    return text;
}

std::vector<QString> readSharedStrings(const XlsxPackage &package, const WorkbookParts &parts,
                                       const QString &fileName)
{
    std::vector<QString> strings;
    const std::optional<QByteArray> bytes = package.part(parts.sharedStrings);
    if (!bytes)
        return strings;
    const pugi::xml_document doc = parse(*bytes, fileName, parts.sharedStrings);
    // The declared count is not trusted for reserving: the items are counted.
    for (const pugi::xml_node si : doc.child("sst").children("si"))
        strings.push_back(itemText(si));
    return strings;
}

bool parseRange(const char *text, SheetRange &range)
{
    const char *colon = std::strchr(text, ':');
    if (!colon)
        return parseCellReference(text, range.firstRow, range.firstCol) &&
               parseCellReference(text, range.lastRow, range.lastCol);
    const std::string first(text, colon);
    return parseCellReference(first.c_str(), range.firstRow, range.firstCol) &&
           parseCellReference(colon + 1, range.lastRow, range.lastCol) && !range.isEmpty();
}

void include(SheetRange &used, int row, int col)
{
    if (used.isEmpty()) {
        used = SheetRange{row, col, row, col};
        return;
    }
    used.firstRow = std::min(used.firstRow, row);
    used.firstCol = std::min(used.firstCol, col);
    used.lastRow = std::max(used.lastRow, row);
    used.lastCol = std::max(used.lastCol, col);
}

QString valueText(const pugi::xml_node &c, const std::vector<QString> &strings, bool date, bool date1904)
{
    const char *type = c.attribute("t").value();
    const pugi::xml_node v = c.child("v");
    if (std::strcmp(type, "s") == 0) {
        const unsigned long k = v.text().as_ullong(~0ull);
        return k < strings.size() ? strings[k] : QString();
    }
    if (std::strcmp(type, "inlineStr") == 0)
        return itemText(c.child("is"));
    if (std::strcmp(type, "str") == 0 || std::strcmp(type, "e") == 0 || std::strcmp(type, "d") == 0)
        return QString::fromUtf8(v.text().get());
    if (std::strcmp(type, "b") == 0)
        return v.text().as_int() ? QStringLiteral("True") : QStringLiteral("False");
    if (!v)
        return QString();
    char *end = nullptr;
    const double x = std::strtod(v.text().get(), &end);
    if (end == v.text().get())
        return QString::fromUtf8(v.text().get());
    return date ? dateValueText(x, date1904) : generalNumberText(x);
}

void readColumns(Worksheet &sheet, const pugi::xml_node &ws, const std::optional<SheetRange> &window)
{
    const pugi::xml_node format = ws.child("sheetFormatPr");
    if (const pugi::xml_attribute d = format.attribute("defaultColWidth"))
        sheet.setDefaultColumnWidth(columnWidthFromStored(d.as_double()));
    else if (const pugi::xml_attribute b = format.attribute("baseColWidth")) {
        // The program widens a base width by the padding to whole 8 pixels.
        const double base = std::clamp(b.as_double(8), 0.0, 255.0);
        const double pixels = std::ceil((base * 7 + 5) / 8) * 8;
        sheet.setDefaultColumnWidth((pixels - 5) / 7);
    }
    if (const pugi::xml_attribute h = format.attribute("defaultRowHeight"))
        sheet.setDefaultRowHeight(std::clamp(h.as_double(15), 0.0, 409.0));

    for (const pugi::xml_node col : ws.child("cols").children("col")) {
        int first = std::max(col.attribute("min").as_int(0), 1);
        int last = std::min(col.attribute("max").as_int(0), Worksheet::kMaxCols);
        if (window) {
            first = std::max(first, window->firstCol);
            last = std::min(last, window->lastCol);
        }
        const bool hidden = col.attribute("hidden").as_bool(false);
        const pugi::xml_attribute w = col.attribute("width");
        const double width = hidden ? 0
                             : w    ? columnWidthFromStored(w.as_double())
                                    : sheet.defaultColumnWidth();
        for (int k = first; k <= last; ++k)
            sheet.setColumnWidth(k, width);
    }
}

void readPageSetup(Worksheet &sheet, const pugi::xml_node &ws)
{
    SheetPageSetup &page = sheet.pageSetup();
    if (const pugi::xml_node setup = ws.child("pageSetup")) {
        page.paperSize = setup.attribute("paperSize").as_int(1);
        page.orientation = std::strcmp(setup.attribute("orientation").value(), "landscape") == 0 ? 2 : 1;
    }
    if (const pugi::xml_node m = ws.child("pageMargins")) {
        page.leftMargin = m.attribute("left").as_double(0.7) * 72;
        page.rightMargin = m.attribute("right").as_double(0.7) * 72;
        page.topMargin = m.attribute("top").as_double(0.75) * 72;
        page.bottomMargin = m.attribute("bottom").as_double(0.75) * 72;
    }
}

} // namespace

bool parseCellReference(const char *text, int &row, int &col)
{
    const char *p = text;
    if (*p == '$')
        ++p;
    std::int64_t c = 0, r = 0;
    int letters = 0, digits = 0;
    for (; *p >= 'A' && *p <= 'Z'; ++p, ++letters)
        c = c * 26 + (*p - 'A' + 1);
    if (*p == '$')
        ++p;
    for (; *p >= '0' && *p <= '9'; ++p, ++digits)
        r = r * 10 + (*p - '0');
    if (*p || letters == 0 || letters > 3 || digits == 0 || digits > 7 || c > Worksheet::kMaxCols || r < 1 ||
        r > Worksheet::kMaxRows)
        return false;
    row = int(r);
    col = int(c);
    return true;
}

QString dateValueText(double serial, bool date1904)
{
    if (!std::isfinite(serial) || serial < 0 || serial > 2958466)
        return generalNumberText(serial);
    double days = std::floor(serial);
    std::int64_t seconds = std::llround((serial - days) * 86400);
    if (seconds >= 86400) {
        days += 1;
        seconds -= 86400;
    }
    const QTime time = QTime(0, 0).addSecs(int(seconds));
    const QString timeText = time.toString(QStringLiteral("HH:mm:ss"));
    if (days == 0 && !date1904)
        return timeText;
    // Serial 60 is the 29 February 1900 the program counts but that never was.
    QDate base = date1904 ? QDate(1904, 1, 1) : QDate(1899, 12, 30);
    if (!date1904 && days < 61)
        base = QDate(1899, 12, 31);
    const QString dateText = base.addDays(qint64(days)).toString(QStringLiteral("yyyy-MM-dd"));
    return seconds ? dateText + QLatin1Char(' ') + timeText : dateText;
}

WorkbookContents readWorkbook(const QString &fileName, const XlsxReadLimits &limits,
                              std::optional<SheetRange> window)
{
    const XlsxPackage package(fileName, limits.maxPartBytes);
    const WorkbookParts parts = findParts(package, fileName);
    const std::vector<QString> strings = readSharedStrings(package, parts, fileName);
    const XlsxStyles styles(package.part(parts.styles).value_or(QByteArray()),
                            package.part(parts.theme).value_or(QByteArray()));

    const std::optional<QByteArray> sheetBytes = package.part(parts.sheet);
    if (!sheetBytes)
        damaged(fileName, tr("the worksheet part %1 is missing").arg(parts.sheet));
    const pugi::xml_document doc = parse(*sheetBytes, fileName, parts.sheet);
    const pugi::xml_node ws = doc.child("worksheet");
    if (!ws)
        damaged(fileName, tr("%1 is no worksheet").arg(parts.sheet));

    WorkbookContents out;
    Worksheet &sheet = out.sheet;
    sheet.defaultStyle = styles.format(0).style;
    readColumns(sheet, ws, window);
    readPageSetup(sheet, ws);

    int rowNumber = 0;
    for (const pugi::xml_node row : ws.child("sheetData").children("row")) {
        rowNumber = row.attribute("r").as_int(rowNumber + 1);
        if (rowNumber < 1 || rowNumber > Worksheet::kMaxRows)
            damaged(fileName, tr("a row number is outside the sheet"));
        const bool rowKept = !window || (rowNumber >= window->firstRow && rowNumber <= window->lastRow);
        if (rowKept) {
            if (row.attribute("hidden").as_bool(false))
                sheet.setRowHeight(rowNumber, 0);
            else if (const pugi::xml_attribute ht = row.attribute("ht"))
                sheet.setRowHeight(rowNumber, std::clamp(ht.as_double(), 0.0, 409.0));
        }
        int colNumber = 0;
        for (const pugi::xml_node c : row.children("c")) {
            int r = rowNumber, k = colNumber + 1;
            if (const pugi::xml_attribute ref = c.attribute("r")) {
                if (!parseCellReference(ref.value(), r, k) || r != rowNumber)
                    damaged(fileName,
                            tr("the cell reference \"%1\" is wrong").arg(QString::fromUtf8(ref.value())));
            } else if (k > Worksheet::kMaxCols)
                damaged(fileName, tr("a row holds more cells than the sheet has columns"));
            colNumber = k;
            include(out.used, r, k);
            if (window && !window->contains(r, k))
                continue;
            const XlsxStyles::Format &format = styles.format(c.attribute("s").as_uint(0));
            SheetCell &cell = sheet.cell(r, k);
            cell.style = format.style;
            cell.value = valueText(c, strings, format.date, parts.date1904);
        }
    }

    for (const pugi::xml_node m : ws.child("mergeCells").children("mergeCell")) {
        SheetRange area;
        if (!parseRange(m.attribute("ref").value(), area))
            damaged(fileName,
                    tr("the merged area \"%1\" is wrong").arg(QString::fromUtf8(m.attribute("ref").value())));
        include(out.used, area.firstRow, area.firstCol);
        include(out.used, area.lastRow, area.lastCol);
        sheet.merge(area);
    }
    return out;
}

} // namespace cellvex::xlsx
