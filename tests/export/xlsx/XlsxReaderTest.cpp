#include "XlsxTestFiles.h"

#include "common/ReportError.h"
#include "export/xlsx/XlsxFileReader.h"
#include "export/xlsx/XlsxStyles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace cellvex;
using namespace cellvex::xlsx;

namespace {

QString failureOf(const QString &file, const XlsxReadLimits &limits = {})
{
    try {
        readWorkbook(file, limits);
    } catch (const ReportError &e) {
        return e.message();
    }
    return QStringLiteral("(read)");
}

void writeBytes(const QString &file, const QByteArray &bytes)
{
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

const QByteArray kSheetHead = "<?xml version=\"1.0\"?><worksheet><sheetData>";
const QByteArray kSheetTail = "</sheetData></worksheet>";

} // namespace

TEST(XlsxReader, FilesThatAreNoWorkbookFailNamingWhatTheyAre)
{
    QTemporaryDir dir;
    const QString xls = dir.filePath(QStringLiteral("old.xls"));
    writeBytes(xls, QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(504, '\0'));
    const QString text = dir.filePath(QStringLiteral("text.xlsx"));
    writeBytes(text, "a,b,c\n");
    const QString html = dir.filePath(QStringLiteral("page.xlsx"));
    writeBytes(html, "<html><table></table></html>");
    const QString zipOnly = dir.filePath(QStringLiteral("other.zip"));
    test::writeZip(zipOnly, {{"readme.txt", "hello"}});
    const QString badXml = dir.filePath(QStringLiteral("bad.xlsx"));
    test::writeZip(badXml, test::minimalWorkbook("<worksheet><sheetData><row>"));
    const QString badRef = dir.filePath(QStringLiteral("ref.xlsx"));
    test::writeZip(badRef,
                   test::minimalWorkbook(kSheetHead + "<row r=\"1\"><c r=\"ZZZZ1\"/></row>" + kSheetTail));
    const QString badMerge = dir.filePath(QStringLiteral("merge.xlsx"));
    test::writeZip(badMerge,
                   test::minimalWorkbook(kSheetHead + kSheetTail.left(12) +
                                         "<mergeCells><mergeCell ref=\"B2:A1\"/></mergeCells></worksheet>"));

    struct Case
    {
        QString file;
        const char *fragment;
    };
    for (const Case &c :
         {Case{xls, "legacy Excel 97-2003 workbook (.xls)"}, Case{text, "is not an .xlsx workbook"},
          Case{html, "not an .xlsx workbook"}, Case{zipOnly, "has no xl/workbook.xml"},
          Case{badXml, "is not XML"}, Case{badRef, "\"ZZZZ1\""}, Case{badMerge, "\"B2:A1\""},
          Case{dir.filePath(QStringLiteral("missing.xlsx")), "cannot be opened"}}) {
        const QString message = failureOf(c.file);
        EXPECT_TRUE(message.contains(QString::fromUtf8(c.fragment)))
            << c.fragment << ": " << message.toStdString();
    }
}

TEST(XlsxReader, APartInflatingBeyondTheLimitIsRefusedNotUnpacked)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bomb.xlsx"));
    // 8 MB of one repeated row packs into a few kilobytes.
    QByteArray rows;
    const QByteArray row = "<row><c><v>1</v></c></row>";
    while (rows.size() < 8 * 1024 * 1024)
        rows += row;
    test::writeZip(file, test::minimalWorkbook(kSheetHead + rows + kSheetTail));
    ASSERT_LT(QFile(file).size(), 200 * 1024);
    XlsxReadLimits limits;
    limits.maxPartBytes = 1024 * 1024;
    EXPECT_TRUE(failureOf(file, limits).contains(QStringLiteral("larger than 1 MB")));
}

TEST(XlsxReader, DeclaredSizesAreNotTrusted)
{
    // A dimension of the whole sheet and a shared-string count of billions
    // allocate nothing: the used range is what the cells say.
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("claims.xlsx"));
    auto parts = test::minimalWorkbook("<?xml version=\"1.0\"?><worksheet><dimension ref=\"A1:XFD1048576\"/>"
                                       "<sheetData><row r=\"2\"><c r=\"C2\" t=\"s\"><v>0</v></c>"
                                       "<c r=\"D2\" t=\"s\"><v>7</v></c></row></sheetData></worksheet>");
    parts["xl/sharedStrings.xml"] =
        "<sst count=\"4000000000\" uniqueCount=\"4000000000\"><si><t>only</t></si></sst>";
    test::writeZip(file, parts);
    const WorkbookContents in = readWorkbook(file);
    EXPECT_EQ(in.used, (SheetRange{2, 3, 2, 4}));
    EXPECT_EQ(in.sheet.findCell(2, 3)->value, QStringLiteral("only"));
    EXPECT_EQ(in.sheet.findCell(2, 4)->value, QString()); // an index past the strings
}

TEST(XlsxReader, ValuesOfEveryCellType)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("values.xlsx"));
    auto parts = test::minimalWorkbook(
        kSheetHead +
        "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"inlineStr\"><is><t>inline</t></is></c>"
        "<c r=\"C1\"><v>3.0</v></c><c r=\"D1\"><v>0.1</v></c><c r=\"E1\" t=\"b\"><v>1</v></c>"
        "<c r=\"F1\" t=\"str\"><f>A1</f><v>calc</v></c><c r=\"G1\" t=\"e\"><v>#N/A</v></c>"
        "<c r=\"H1\" s=\"1\"><v>45000</v></c><c r=\"I1\" s=\"2\"><v>45000.25</v></c><c "
        "r=\"J1\"><v>1E+20</v></c></row>"
        "<row><c><v>5</v></c><c t=\"s\"><v>1</v></c></row>" +
        kSheetTail);
    parts["xl/sharedStrings.xml"] = "<sst><si><t>shared</t></si><si><r><t>rich "
                                    "</t></r><r><t>text</t></r><rPh><t>hint</t></rPh></si></sst>";
    parts["xl/styles.xml"] =
        "<styleSheet><numFmts><numFmt numFmtId=\"164\" formatCode=\"yyyy/m/d h:mm\"/></numFmts>"
        "<cellXfs><xf/><xf numFmtId=\"14\"/><xf numFmtId=\"164\"/></cellXfs></styleSheet>";
    test::writeZip(file, parts);
    const Worksheet s = readWorkbook(file).sheet;
    struct Case
    {
        int row, col;
        const char *text;
    };
    for (const Case &c :
         {Case{1, 1, "shared"}, Case{1, 2, "inline"}, Case{1, 3, "3"}, Case{1, 4, "0.1"}, Case{1, 5, "True"},
          Case{1, 6, "calc"}, Case{1, 7, "#N/A"}, Case{1, 8, "2023-03-15"}, Case{1, 9, "2023-03-15 06:00:00"},
          Case{1, 10, "1E20"}, Case{2, 1, "5"}, Case{2, 2, "rich text"}}) {
        ASSERT_NE(s.findCell(c.row, c.col), nullptr) << c.text;
        EXPECT_EQ(s.findCell(c.row, c.col)->value, QString::fromUtf8(c.text));
    }
}

TEST(XlsxStylesTest, ColoursResolveToRgb)
{
    const QByteArray theme =
        "<a:theme "
        "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\"><a:themeElements><a:clrScheme>"
        "<a:dk1><a:sysClr val=\"windowText\" lastClr=\"000000\"/></a:dk1>"
        "<a:lt1><a:sysClr val=\"window\" lastClr=\"FFFFFF\"/></a:lt1>"
        "<a:dk2><a:srgbClr val=\"1F497D\"/></a:dk2><a:lt2><a:srgbClr val=\"EEECE1\"/></a:lt2>"
        "<a:accent1><a:srgbClr val=\"4F81BD\"/></a:accent1></a:clrScheme></a:themeElements></a:theme>";
    const QByteArray styles =
        "<styleSheet><fonts>"
        "<font><color rgb=\"FF00B050\"/></font>"
        "<font><color theme=\"4\"/></font>"
        "<font><color indexed=\"10\"/></font>"
        "<font><color theme=\"1\"/></font>"
        "<font><color theme=\"0\" tint=\"-0.5\"/></font>"
        "</fonts><fills><fill><patternFill patternType=\"none\"/></fill>"
        "<fill><patternFill patternType=\"solid\"><fgColor theme=\"3\"/></patternFill></fill>"
        "</fills><cellXfs><xf fontId=\"0\"/><xf fontId=\"1\" fillId=\"1\"/><xf fontId=\"2\"/>"
        "<xf fontId=\"3\"/><xf fontId=\"4\"/></cellXfs></styleSheet>";
    const XlsxStyles s(styles, theme);
    EXPECT_EQ(s.format(0).style.font.color, 0x00B050u);
    EXPECT_EQ(s.format(1).style.font.color, 0x4F81BDu);
    EXPECT_EQ(s.format(1).style.interior, 0x1F497Du); // theme 3 is the second dark colour
    EXPECT_TRUE(s.format(1).style.filled);
    EXPECT_FALSE(s.format(0).style.filled);
    EXPECT_EQ(s.format(0).style.interior, 0xFFFFFFu);
    EXPECT_EQ(s.format(2).style.font.color, 0xFF0000u);
    EXPECT_EQ(s.format(3).style.font.color, 0x000000u); // theme 1 is the first dark colour
    EXPECT_EQ(s.format(4).style.font.color, 0x808080u);
    EXPECT_EQ(s.format(99).style.font.color, 0x00B050u); // an unknown index shows the first format
}

TEST(XlsxStylesTest, DateFormatCodes)
{
    struct Case
    {
        const char *code;
        bool date;
    };
    for (const Case &c :
         {Case{"yyyy-mm-dd", true}, Case{"h:mm", true}, Case{"[$-409]mmmm", true}, Case{"0.00", false},
          Case{"General", false}, Case{"\"day\"0", false}, Case{"[Red]0", false}, Case{"0.00E+00", false},
          Case{"0\\d", false}, Case{"0;[h]", false}})
        EXPECT_EQ(isDateFormatCode(QString::fromLatin1(c.code)), c.date) << c.code;
}
