// Other programs read the workbooks TransExcel writes, and TransFormExcel
// reads what another writer wrote: openpyxl for both, LibreOffice for the
// values. Each test is skipped, saying why, where its program is missing.
#include "ControlObject.h"
#include "control/ReportActions.h"
#include "report/Report.h"

#include "../print/FakePrinterService.h"
#include "common/Colors.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace cellvex;
using namespace cellvex::automation;

namespace {

using Id = MemberId;
using V = Variant;

const QString kPython = QStringLiteral("/usr/bin/python3"); // Debian's, which has python3-openpyxl

QString script(const char *name)
{
    return QStringLiteral(CELLVEX_TEST_DATA "/excel/") + QString::fromLatin1(name);
}

bool openpyxlMissing()
{
    QProcess p;
    p.start(kPython, {QStringLiteral("-c"), QStringLiteral("import openpyxl")});
    return !p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0;
}

// Runs a script; its standard output, or a failed test with its errors.
QByteArray runPython(const QStringList &args)
{
    QProcess p;
    p.start(kPython, args);
    if (!p.waitForFinished(120000) || p.exitCode() != 0) {
        ADD_FAILURE() << "python failed: " << p.readAllStandardError().toStdString();
        return {};
    }
    return p.readAllStandardOutput();
}

struct ExcelClients : ::testing::Test, test::ControlObject
{
    ExcelClients() { c().setPrinterService(std::make_shared<FakePrinterService>()); }

    // A report with one of each thing a workbook carries.
    void buildReport()
    {
        m().NewReport(4, 3);
        const auto call = [this](Id id, std::vector<V> args) { m().call(id, args); };
        call(Id::SetColWidth, {V::fromLong(1), V::fromLong(80)});
        call(Id::SetColWidth, {V::fromLong(2), V::fromLong(12)});
        call(Id::SetRowHeight, {V::fromLong(1), V::fromLong(19)});
        call(Id::SetRowHeight, {V::fromLong(2), V::fromLong(40)});
        ASSERT_EQ(o->SetCellValue(1, 1, QStringLiteral("中文")), S_OK);
        ASSERT_EQ(o->SetCellValue(2, 1, QStringLiteral("3.25")), S_OK);
        ASSERT_EQ(o->SetCellValue(3, 1, QStringLiteral("plain")), S_OK);
        ASSERT_EQ(o->SetCellValue(1, 2, QStringLiteral("merged")), S_OK);
        m().SetFontName(1, 1, QStringLiteral("Arial"));
        m().SetFontSize(1, 1, 14);
        m().SetFontStyleBold(1, 1, true);
        m().SetFontStyleItalic(1, 1, true);
        m().SetFontStyleUnderline(1, 1, true);
        m().SetFontStyleStrikeout(1, 1, true);
        m().SetFontColor(1, 1, 0x0000FF);
        m().SetCellBackColor(1, 1, 0x8000000F); // the button face: a system colour
        m().SetCellBackColor(2, 1, 0x00FF00);
        m().SetLabelHAlignment(2, 1, 1);
        m().SetLabelVAlignment(2, 1, 0);
        m().SetMultiLine(3, 1, true);
        m().SetCellBorders(3, 1, 3, 1);
        m().SetCellBorders(3, 1, 4, 1);
        m().SetCellBorders(4, 1, 0, 1);
        call(Id::SetCellReadOnly, {V::fromLong(3), V::fromLong(1), V::fromBool(true)});
        call(Id::MergeCell, {V::fromLong(1), V::fromLong(2), V::fromLong(3), V::fromLong(3)});
        m().SetCellBorders(1, 2, 3, 1);
        call(Id::put_PrintOrientation, {V::fromBool(true)});
        call(Id::put_PageLeftMargin, {V::fromDouble(25.4)});
        QImage image(16, 8, QImage::Format_RGB32);
        image.fill(Qt::blue);
        const QString picture = dir.filePath(QStringLiteral("p.png"));
        ASSERT_TRUE(image.save(picture));
        call(Id::SetCellPicture,
             {V::fromLong(4), V::fromLong(2), V::fromString(picture), V::fromBool(false)});
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(ExcelClients, OpenpyxlReadsWhatTransExcelWrote)
{
    if (openpyxlMissing())
        GTEST_SKIP() << "python3-openpyxl is not installed for /usr/bin/python3 (scripts/setup installs it)";
    buildReport();
    const QString file = dir.filePath(QStringLiteral("out.xlsx"));
    m().TransExcel(file, false, 0, 0, 0, 0);
    const QJsonObject book = QJsonDocument::fromJson(runPython({script("read_workbook.py"), file})).object();
    ASSERT_FALSE(book.isEmpty());
    EXPECT_EQ(book["title"].toString(), QStringLiteral("Cellvex"));
    const QJsonObject cells = book["cells"].toObject();
    const QJsonObject a1 = cells["A1"].toObject();
    EXPECT_EQ(a1["value"].toString(), QStringLiteral("中文"));
    const QJsonObject font = a1["font"].toObject();
    EXPECT_EQ(font["name"].toString(), QStringLiteral("Arial"));
    EXPECT_EQ(font["size"].toDouble(), 14);
    EXPECT_TRUE(font["bold"].toBool() && font["italic"].toBool() && font["strike"].toBool());
    EXPECT_EQ(font["underline"].toString(), QStringLiteral("single"));
    EXPECT_EQ(font["color"].toString(), QStringLiteral("FF0000"));
    // The system colour arrives as the colour it stands for, never as its index.
    const QColor face = toQColor(0x8000000F);
    EXPECT_EQ(a1["fill"].toObject()["type"].toString(), QStringLiteral("solid"));
    EXPECT_EQ(a1["fill"].toObject()["color"].toString(),
              QStringLiteral("%1").arg(face.rgb() & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper());

    const QJsonObject b1 = cells["B1"].toObject();
    EXPECT_EQ(b1["value"].toDouble(), 3.25);
    EXPECT_EQ(b1["fill"].toObject()["color"].toString(), QStringLiteral("00FF00"));
    EXPECT_EQ(b1["alignment"].toObject()["horizontal"].toString(), QStringLiteral("center"));
    EXPECT_EQ(b1["alignment"].toObject()["vertical"].toString(), QStringLiteral("top"));
    EXPECT_FALSE(b1["locked"].toBool());

    const QJsonObject c1 = cells["C1"].toObject();
    EXPECT_TRUE(c1["alignment"].toObject()["wrap"].toBool());
    EXPECT_TRUE(c1["locked"].toBool());
    EXPECT_EQ(c1["border"].toObject()["right"].toString(), QStringLiteral("thin"));
    EXPECT_EQ(c1["border"].toObject()["bottom"].toString(), QStringLiteral("thin"));
    EXPECT_EQ(c1["border"].toObject()["left"].toString(), QStringLiteral("thin"));
    EXPECT_TRUE(cells["D1"].toObject()["border"].toObject()["diagonalDown"].toBool());
    EXPECT_EQ(cells["D1"].toObject()["border"].toObject()["diagonal"].toString(), QStringLiteral("thin"));

    // The merged block, its right side drawn on each cell along it.
    EXPECT_EQ(book["merges"].toArray(), QJsonArray{QStringLiteral("A2:C3")});
    EXPECT_EQ(cells["A2"].toObject()["value"].toString(), QStringLiteral("merged"));
    for (const char *ref : {"C2", "C3"})
        EXPECT_EQ(cells[QLatin1String(ref)].toObject()["border"].toObject()["right"].toString(),
                  QStringLiteral("thin"))
            << ref;
    EXPECT_EQ(cells["B2"].toObject()["border"].toObject()["right"].toString(), QString());

    const QJsonObject widths = book["widths"].toObject();
    EXPECT_NEAR(widths["A"].toDouble(), 10.140625, 1e-9); // ColumnWidth 9.375 as the program stores it
    EXPECT_NEAR(widths["B"].toDouble(), 1.5703125, 1e-9); // 12/13
    const QJsonObject heights = book["heights"].toObject();
    EXPECT_DOUBLE_EQ(heights["1"].toDouble(), 14.25);
    EXPECT_DOUBLE_EQ(heights["2"].toDouble(), 30);

    const QJsonObject page = book["page"].toObject();
    EXPECT_EQ(page["paperSize"].toInt(), 9);
    EXPECT_EQ(page["orientation"].toString(), QStringLiteral("landscape"));
    EXPECT_NEAR(page["left"].toDouble(), 1.0, 1e-6); // 25.4 mm
    EXPECT_NEAR(page["top"].toDouble(), 20 / 25.4, 1e-6);

    EXPECT_EQ(book["pictures"].toArray(), (QJsonArray{QJsonObject{{"col", 3}, {"row", 1}}}));
}

TEST_F(ExcelClients, TransFormExcelReadsWhatOpenpyxlWrote)
{
    if (openpyxlMissing())
        GTEST_SKIP() << "python3-openpyxl is not installed for /usr/bin/python3 (scripts/setup installs it)";
    const QString file = dir.filePath(QStringLiteral("openpyxl.xlsx"));
    runPython({script("write_workbook.py"), file});
    m().setSaved(false);
    // The host passes left, right, top, bottom: B2:D5.
    m().TransFormExcel(file, 2, 4, 2, 5);
    EXPECT_TRUE(saved());
    ASSERT_EQ(m().ColCount(), 3);
    ASSERT_EQ(m().RowCount(), 4);

    struct Value
    {
        int col, row;
        const char *text;
    };
    for (const Value &v :
         {Value{1, 1, "中文"}, Value{2, 1, "42"}, Value{3, 1, "2.5"}, Value{1, 2, "2024-03-05"},
          Value{2, 2, "True"}, Value{3, 2, "D3"}, Value{2, 3, "C4"}, Value{3, 3, "D4"}, Value{1, 3, ""}})
        EXPECT_EQ(value(v.col, v.row), QString::fromUtf8(v.text)) << v.text;

    // openpyxl stores the width it is given, which the program reads as
    // including the padding: 20 shows as 19.29 characters, 0.5 as 0.25.
    EXPECT_EQ(m().GetColWidth(1), 159);
    EXPECT_EQ(m().GetColWidth(2), 3);
    EXPECT_EQ(m().GetColWidth(3), 72); // the default 8.43
    EXPECT_EQ(m().GetRowHeight(1), 40);
    EXPECT_EQ(m().GetRowHeight(2), 20); // the default 15 points
    EXPECT_TRUE(m().call(Id::get_PrintOrientation).asBool());
    EXPECT_EQ(m().call(Id::get_PageName).asLong(), 8);
    EXPECT_DOUBLE_EQ(m().call(Id::get_PageLeftMargin).asDouble(), 25);
    EXPECT_DOUBLE_EQ(m().call(Id::get_PageTopMargin).asDouble(), 13);

    EXPECT_EQ(m().GetFontName(1, 1), QStringLiteral("Arial"));
    EXPECT_EQ(m().GetFontSize(1, 1), 14);
    EXPECT_TRUE(m().GetFontStyleBold(1, 1));
    EXPECT_TRUE(m().GetFontStyleItalic(1, 1));
    EXPECT_TRUE(m().GetFontStyleUnderline(1, 1));
    EXPECT_TRUE(m().GetFontStyleStrikeout(1, 1));
    EXPECT_EQ(m().GetFontColor(1, 1), 0x0000FFu);
    EXPECT_EQ(m().GetCellBackColor(1, 1), 0x00FFFFu);
    EXPECT_EQ(m().GetLabelHAlignment(1, 1), 2);
    EXPECT_EQ(m().GetLabelVAlignment(1, 1), 0);
    EXPECT_TRUE(m().GetMultiLine(1, 1));
    EXPECT_EQ(m().GetLabelHAlignment(3, 3), 1);
    EXPECT_EQ(m().GetLabelVAlignment(3, 3), 1);
    EXPECT_EQ(m().GetLabelVAlignment(2, 1), 2); // the program's default: bottom

    // A4:B5 clipped to B4:B5; C4:C5 stays; D4:E6 becomes D4:D5.
    const Report &r = c().actions().report();
    EXPECT_EQ(r.cell(0, 0)->sign(), MergeSign::None);
    EXPECT_EQ(r.cell(0, 2)->sign(), MergeSign::Master);
    EXPECT_EQ(r.cell(0, 2)->block().bottom, 3);
    EXPECT_EQ(r.cell(0, 2)->block().right, 0);
    EXPECT_EQ(r.cell(0, 3)->sign(), MergeSign::Covered);
    EXPECT_EQ(r.cell(1, 2)->sign(), MergeSign::Master);
    EXPECT_EQ(r.cell(1, 3)->sign(), MergeSign::Covered);
    EXPECT_EQ(r.cell(2, 2)->sign(), MergeSign::Master);
    EXPECT_EQ(r.cell(2, 2)->block().bottom, 3);
    EXPECT_EQ(r.cell(2, 2)->block().right, 2);

    EXPECT_EQ(m().GetCellBorders(1, 1, 1), 1); // thin
    EXPECT_EQ(m().GetCellBorders(2, 2, 1), 0); // dashed
    EXPECT_EQ(m().GetCellBorders(2, 2, 2), 0); // dotted
    EXPECT_EQ(m().GetCellBorders(3, 2, 2), 1); // dash-dot
    EXPECT_EQ(m().GetCellBorders(3, 2, 3), 1); // medium, in the last column
    EXPECT_EQ(m().GetCellBorders(2, 3, 2), 0); // double above
    EXPECT_EQ(m().GetCellBorders(2, 3, 4), 1); // below the merge's covered last cell
    EXPECT_EQ(m().GetCellBorders(2, 1, 1), 0); // none drawn
}

TEST_F(ExcelClients, LibreOfficeShowsTheValuesTransExcelWrote)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        GTEST_SKIP()
            << "LibreOffice (soffice, libreoffice-calc-nogui) is not installed (scripts/setup installs it)";
    buildReport();
    ASSERT_EQ(o->SetCellValue(4, 3, QStringLiteral("a, \"quoted\" text")), S_OK);
    const QString file = dir.filePath(QStringLiteral("values.xlsx"));
    m().TransExcel(file, false, 0, 0, 0, 0);

    QProcess p;
    p.setWorkingDirectory(dir.path());
    p.start(soffice,
            {QStringLiteral("-env:UserInstallation=file://") + dir.filePath(QStringLiteral("profile")),
             QStringLiteral("--headless"), QStringLiteral("--convert-to"),
             QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"), QStringLiteral("--outdir"),
             dir.path(), file});
    ASSERT_TRUE(p.waitForFinished(180000)) << "LibreOffice did not finish";
    QFile csv(dir.filePath(QStringLiteral("values.csv")));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly)) << p.readAllStandardError().toStdString();
    const QString text = QString::fromUtf8(csv.readAll());
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << text.toStdString();
    EXPECT_EQ(lines[0].trimmed(), QStringLiteral("中文,3.25,plain,"));
    EXPECT_EQ(lines[1].trimmed(), QStringLiteral("merged,,,"));
    EXPECT_EQ(lines[2].trimmed(), QStringLiteral(",,,\"a, \"\"quoted\"\" text\""));
}
