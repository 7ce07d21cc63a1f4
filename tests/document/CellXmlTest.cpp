#include "CellXmlFixture.h"
#include "ReportHooks.h"
#include "common/ReportError.h"
#include "document/CellXmlImport.h"
#include "document/CellXmlReader.h"
#include "document/CellXmlWriter.h"
#include "document/XmlDocument.h"

using namespace cellvex;
using namespace cellvex::test;

namespace {

constexpr qsizetype kMaxPicture = 1 << 26;

void importInto(Report &report, const QString &text)
{
    applyCellXml(report, readCellXml(text, kMaxPicture));
}

struct Exported
{
    QString col, row, alias, text;
};

std::vector<Exported> exportedCells(const QString &xml)
{
    std::vector<Exported> out;
    const XmlDocument doc = XmlDocument::parse(xml);
    EXPECT_EQ(doc.root().name(), QStringLiteral("CellXML"));
    for (const XmlElement &e : doc.root().children())
        out.push_back({e.attribute("Col").value_or("-"), e.attribute("Row").value_or("-"),
                       e.attribute("Alias").value_or("-"), e.text()});
    return out;
}

} // namespace

TEST(CellXmlExport, ByPositionWithTheDefaultEncoding)
{
    Report report;
    report.newReport(4, 4);
    report.setCellCaption(1, 2, QStringLiteral("abc"));
    const QString xml = exportCellXml(report, 0, QStringLiteral("  "));
    EXPECT_TRUE(xml.startsWith(QStringLiteral("<?xml version=\"1.0\" encoding=\"GBK\"?>")))
        << xml.toStdString();
    EXPECT_FALSE(xml.endsWith(QLatin1Char('\n')));
    const std::vector<Exported> cells = exportedCells(xml);
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_EQ(cells[0].col, QStringLiteral("2"));
    EXPECT_EQ(cells[0].row, QStringLiteral("3"));
    EXPECT_EQ(cells[0].alias, QStringLiteral("-"));
    EXPECT_EQ(cells[0].text, QStringLiteral("abc"));
}

TEST(CellXmlExport, WhichCellsEachAddressingCarries)
{
    Report report;
    report.newReport(3, 3);
    report.setCellCaption(0, 0, QStringLiteral("text"));
    ASSERT_TRUE(setButtonCell(report, 1, 0, QStringLiteral("按钮"), QString()));
    makeChart(report, 2, 0, false); // empty caption
    showCellPicture(*report.cell(0, 1), markedPicture(qRgb(9, 9, 9)), false);
    report.setCellAlias(2, 2, QStringLiteral("Total"));
    report.setCellAlias(1, 1, QStringLiteral("Empty"));

    std::vector<QString> byPosition;
    for (const Exported &e : exportedCells(exportCellXml(report, 0, QString())))
        byPosition.push_back(e.col + "," + e.row);
    // Column order; the button's caption is no value, the chart always is.
    EXPECT_EQ(byPosition, (std::vector<QString>{"1,1", "1,2", "3,1"}));

    const QString utf8 = exportCellXml(report, 1, QStringLiteral("UTF-8"));
    EXPECT_TRUE(utf8.startsWith(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>")));
    std::vector<QString> byAlias;
    for (const Exported &e : exportedCells(utf8)) {
        EXPECT_EQ(e.col, QStringLiteral("-"));
        byAlias.push_back(e.alias);
    }
    EXPECT_EQ(byAlias, (std::vector<QString>{"Empty", "Total"}));

    EXPECT_TRUE(exportedCells(exportCellXml(report, 2, QString())).empty());
}

TEST(CellXmlExport, EncodingsKeepEveryCharacter)
{
    Report report;
    report.newReport(1, 1);
    const QString caption = QStringLiteral("中文€😀 é");
    report.setCellCaption(0, 0, caption);
    struct Case
    {
        QString encoding;
        bool referenced; // the emoji written as a character reference
    };
    const Case cases[] = {{QString(), true},
                          {QStringLiteral("GBK"), true},
                          {QStringLiteral(" UTF-8 "), false},
                          {QStringLiteral("GB18030"), false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.encoding.toStdString());
        const QString xml = exportCellXml(report, 0, c.encoding);
        EXPECT_EQ(xml.contains(QStringLiteral("&#128512;")), c.referenced);
        EXPECT_TRUE(xml.contains(QStringLiteral("中文€")));
        // Whatever was referenced reads back as the character.
        Report other;
        other.newReport(1, 1);
        importInto(other, xml);
        EXPECT_EQ(other.cell(0, 0)->caption(), caption);
    }
    EXPECT_THROW(exportCellXml(report, 0, QStringLiteral("no-such-codec")), ReportError);
    EXPECT_THROW(exportCellXml(report, 0, QStringLiteral("GBK\"?><x")), ReportError);
}

TEST(CellXmlImport, ByPositionGivesBackCaptionsSeriesAndPictures)
{
    Report report;
    report.newReport(4, 5);
    report.setCellCaption(0, 0, QStringLiteral("第一\r\n行"));
    report.setCellCaption(3, 4, QStringLiteral(" spaced "));
    makeChart(report, 1, 1, true);
    const QImage picture = markedPicture(qRgb(200, 10, 10));
    showCellPicture(*report.cell(2, 3), picture, true);
    const QString xml = exportCellXml(report, 0, QString());
    EXPECT_FALSE(xml.contains(QLatin1Char('\r')) && xml.contains(QStringLiteral("\r\n\r\n")));

    importInto(report, xml);
    EXPECT_EQ(report.cell(0, 0)->caption(), QStringLiteral("第一\r\n行"));
    EXPECT_EQ(report.cell(3, 4)->caption(), QStringLiteral(" spaced "));
    expectSeries(report, 1, 1);
    EXPECT_TRUE(samePixels(chartBackground(*report.cell(1, 1)), markedPicture(qRgb(0, 0, 200))));
    EXPECT_TRUE(samePixels(cellPicture(report, 2, 3), picture));
    // The picture keeps the cell's own stretching.
    EXPECT_TRUE(report.cell(2, 3)->imageStretch());
}

TEST(CellXmlImport, ByAliasFillsTheSameAliasesElsewhereAndTheLastOfSeveral)
{
    Report source;
    source.newReport(2, 2);
    source.setCellAlias(0, 0, QStringLiteral("A"));
    source.setCellCaption(0, 0, QStringLiteral("1"));
    source.setCellAlias(1, 1, QStringLiteral("Chart"));
    makeChart(source, 1, 1, false);

    Report target;
    target.newReport(4, 4);
    // (0, 3) comes before (2, 0) in column order: (2, 0) is the last. The
    // setter refuses a second cell of an alias; a paste makes one.
    target.setCellAlias(0, 3, QStringLiteral("A"));
    target.cell(2, 0)->storeAlias(QStringLiteral("A"));
    target.cellsReplaced(); // as a paste tells the report
    ASSERT_TRUE(setChartCell(target, 3, 3, QString(), QString(), QString()));
    target.setCellAlias(3, 3, QStringLiteral("Chart"));
    importInto(target, exportCellXml(source, 1, QStringLiteral("UTF-8")));
    EXPECT_EQ(target.cell(2, 0)->caption(), QStringLiteral("1"));
    EXPECT_EQ(target.cell(0, 3)->caption(), QString());
    expectSeries(target, 3, 3);
}

TEST(CellXmlImport, EmptiesEveryValueFirst)
{
    Report report;
    report.newReport(5, 2);
    report.setCellCaption(0, 0, QStringLiteral("old"));
    report.setCellCaption(0, 1, QStringLiteral("kept out"));
    ASSERT_TRUE(setCheckCell(report, 1, 0, QStringLiteral("是")));
    report.setCellCaption(1, 0, QStringLiteral("1"));
    makeChart(report, 2, 0, false);
    showCellPicture(*report.cell(3, 0), markedPicture(qRgb(1, 2, 3)), false);
    ASSERT_TRUE(setButtonCell(report, 4, 0, QStringLiteral("按钮"), QString()));
    report.setSaved(true);

    importInto(report, QStringLiteral("<CellXML><Cell Col=\"1\" Row=\"1\">new</Cell></CellXML>"));
    EXPECT_EQ(report.cell(0, 0)->caption(), QStringLiteral("new"));
    EXPECT_EQ(report.cell(0, 1)->caption(), QString());
    EXPECT_EQ(report.cell(1, 0)->caption(), QStringLiteral("0"));
    EXPECT_EQ(seriesCount(report, 2, 0), 0);
    EXPECT_TRUE(cellPicture(report, 3, 0).isNull());
    // A button's caption is its face, not a value.
    EXPECT_EQ(report.cell(4, 0)->caption(), QStringLiteral("按钮"));
}

TEST(CellXmlImport, AddressingIsDecidedByTheFirstElement)
{
    Report report;
    report.newReport(3, 3);
    report.setCellAlias(2, 2, QStringLiteral("X"));
    importInto(report, QStringLiteral("<CellXML><Cell Col=\"1\" Row=\"1\">a</Cell>"
                                      "<Cell Alias=\"X\">b</Cell>"
                                      "<Cell Col=\"9\" Row=\"1\">outside</Cell>"
                                      "<Cell Col=\"2\" Row=\"x\">bad</Cell>"
                                      "<Cell Col=\"3\" Row=\"1\">c</Cell></CellXML>"));
    EXPECT_EQ(report.cell(0, 0)->caption(), QStringLiteral("a"));
    EXPECT_EQ(report.cell(2, 2)->caption(), QString());
    EXPECT_EQ(report.cell(2, 0)->caption(), QStringLiteral("c"));

    // Neither address on the first element: nothing is applied.
    importInto(report, QStringLiteral("<CellXML><Cell>a</Cell><Cell Col=\"1\" Row=\"1\">b</Cell></CellXML>"));
    EXPECT_EQ(report.cell(0, 0)->caption(), QString());
}

TEST(CellXmlImport, CaptionsAreStoredAsWrittenWithNoFormat)
{
    Report report;
    report.newReport(1, 1);
    report.cell(0, 0)->setFormatType(3);
    report.cell(0, 0)->setFormatText(QStringLiteral("0.00"));
    importInto(report, QStringLiteral("<CellXML><Cell Col=\"1\" Row=\"1\">1.5</Cell></CellXML>"));
    EXPECT_EQ(report.cell(0, 0)->caption(), QStringLiteral("1.5"));
}

TEST(CellXmlImport, ABadPartEndsOnlyItsElement)
{
    Report report;
    report.newReport(3, 1);
    ASSERT_TRUE(setChartCell(report, 0, 0, QString(), QString(), QString()));
    importInto(report, QStringLiteral("<CellXML>"
                                      "<Cell Col=\"1\" Row=\"1\" SeriesCount=\"999\">chart</Cell>"
                                      "<Cell Col=\"2\" Row=\"1\" Image=\"not a picture\">pic</Cell>"
                                      "<Cell Col=\"3\" Row=\"1\">plain</Cell></CellXML>"));
    EXPECT_EQ(report.cell(0, 0)->caption(), QStringLiteral("chart"));
    EXPECT_EQ(seriesCount(report, 0, 0), 0);
    EXPECT_EQ(report.cell(1, 0)->caption(), QStringLiteral("pic"));
    EXPECT_TRUE(cellPicture(report, 1, 0).isNull());
    EXPECT_EQ(report.cell(2, 0)->caption(), QStringLiteral("plain"));
}

TEST(CellXmlImport, ATextThatCannotBeReadChangesNothing)
{
    const QString texts[] = {
        QStringLiteral("<CellXML><Cell Col=\"1\" Row=\"1\">x</Cell>"),
        QStringLiteral("plain words"),
        QString(),
        QStringLiteral("<?xml version=\"1.0\"?><Other><Cell Col=\"1\" Row=\"1\">x</Cell></Other>"),
        QStringLiteral("<CellXML/><CellXML/>"),
    };
    for (const QString &text : texts) {
        SCOPED_TRACE(text.toStdString());
        Report report;
        report.newReport(2, 2);
        report.setCellCaption(0, 0, QStringLiteral("keep"));
        ASSERT_TRUE(setCheckCell(report, 1, 1, QString()));
        report.setCellCaption(1, 1, QStringLiteral("1"));
        const QStringList before = allCaptions(report);
        EXPECT_THROW(importInto(report, text), ReportError);
        EXPECT_EQ(allCaptions(report), before);
    }
}

TEST(CellXmlImport, ScriptsAreOffOnlyWhileTheValuesAreWritten)
{
    Report report;
    report.newReport(2, 1);
    report.setCellCaption(0, 0, QStringLiteral("old"));
    ReportHooks hooks(report);
    std::vector<std::pair<QString, bool>> seen;
    hooks.changed = [&](int, int, const QString &value) {
        seen.emplace_back(value, report.scriptsEnabled());
    };
    importInto(report, QStringLiteral("<CellXML><Cell Col=\"2\" Row=\"1\">new</Cell></CellXML>"));
    // Emptying runs with scripts on, the imported values with them off.
    EXPECT_EQ(seen,
              (std::vector<std::pair<QString, bool>>{{QString(), true}, {QStringLiteral("new"), false}}));
    EXPECT_TRUE(report.scriptsEnabled());
}

TEST(CellXmlImport, AHandlerThatRebuildsTheReportStopsTheImportSafely)
{
    for (const bool duringEmptying : {true, false}) {
        SCOPED_TRACE(duringEmptying);
        Report report;
        report.newReport(3, 3);
        if (duringEmptying)
            report.setCellCaption(0, 0, QStringLiteral("old"));
        ReportHooks hooks(report);
        hooks.changing = [&](int, int, QString &) {
            hooks.changing = nullptr;
            report.newReport(1, 1);
        };
        EXPECT_THROW(importInto(report, QStringLiteral("<CellXML><Cell Col=\"3\" Row=\"3\">a</Cell>"
                                                       "<Cell Col=\"2\" Row=\"2\">b</Cell></CellXML>")),
                     ReportError);
        EXPECT_EQ(report.colCount(), 1);
        EXPECT_TRUE(report.scriptsEnabled());
    }
}
