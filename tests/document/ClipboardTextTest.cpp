#include "document/ClipboardText.h"
#include "CellXmlFixture.h"
#include "DocumentFixture.h"
#include "ReportHooks.h"
#include "common/ReportError.h"
#include "document/ClipboardHtml.h"
#include "document/ClipboardPaste.h"
#include "document/ClipboardXmlWriter.h"
#include "document/PackText.h"
#include "document/XmlDocument.h"

using namespace cellvex;
using namespace cellvex::test;

namespace {

QString copied(const Report &report, const QRect &block, ClipboardShape shape)
{
    return clipboardTextOf(clipboardXml(report, block, shape), shape);
}

// Pastes the text at (col, row) the way the members do, without growing.
void paste(Report &report, const QString &text, ClipboardShape shape, int col, int row)
{
    const ClipboardBlock block = readClipboardText(text, shape, report.fonts());
    const QRect area = pasteArea(report, col, row, block, false);
    if (shape == ClipboardShape::Full)
        pasteCells(report, block, area);
    else
        pasteContents(report, block, area);
}

// A clipboard text of the shape made from a hand-written XML text.
QString clipboardOf(const QString &xml, ClipboardShape shape = ClipboardShape::Full)
{
    return clipboardTextOf(xml, shape);
}

QString cellsXml(const QString &root, const QString &cells)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"GBK\"?><ClipbrdXML %1>%2</ClipbrdXML>")
        .arg(root, cells);
}

} // namespace

TEST(ClipboardText, IsThePrefixAndAPackedTextOnOneLine)
{
    Report report;
    report.newReport(2, 40);
    for (int r = 0; r < 40; ++r)
        report.setCellCaption(0, r, QStringLiteral("第 %1 行").arg(r));
    for (const ClipboardShape shape : {ClipboardShape::Full, ClipboardShape::Content}) {
        const QString text = copied(report, QRect(0, 0, 2, 40), shape);
        ASSERT_TRUE(text.startsWith(clipboardPrefix(shape)));
        const QString body = text.mid(9);
        EXPECT_TRUE(body.contains(QStringLiteral("--")));
        for (const QChar c : body)
            EXPECT_TRUE(c.isLetterOrNumber() || c == u'+' || c == u'/' || c == u'=' || c == u'-')
                << int(c.unicode());
    }
}

TEST(ClipboardFullShape, EveryPropertyOfEveryCellComesBack)
{
    Report source;
    PageSettings page{kPpi};
    buildRichReport(source, page);
    Report target;
    target.newReport(source.colCount(), source.rowCount());
    paste(target, copied(source, QRect(0, 0, source.colCount(), source.rowCount()), ClipboardShape::Full),
          ClipboardShape::Full, 0, 0);
    for (int c = 0; c < source.colCount(); ++c)
        for (int r = 0; r < source.rowCount(); ++r)
            expectSameCell(source, target, c, r);
}

TEST(ClipboardFullShape, MergesAreClippedAtTheGridAndCutBlocksDissolved)
{
    Report source;
    source.newReport(3, 3);
    source.cells().markBlock(0, 0, 1, 1);
    source.setCellCaption(0, 0, QStringLiteral("block"));
    const QString text = copied(source, QRect(0, 0, 2, 2), ClipboardShape::Full);

    Report target;
    target.newReport(4, 4);
    // A block that the pasted area cuts: it must not keep covered cells
    // whose master was replaced.
    target.cells().markBlock(2, 2, 3, 3);
    paste(target, text, ClipboardShape::Full, 3, 1);
    // 2 x 2 pasted at the last column: a block one column wide.
    EXPECT_EQ(target.cell(3, 1)->sign(), MergeSign::Master);
    EXPECT_EQ(target.cell(3, 1)->block().right, 3);
    EXPECT_EQ(target.cell(3, 1)->block().bottom, 2);
    EXPECT_EQ(target.cell(3, 1)->caption(), QStringLiteral("block"));
    EXPECT_EQ(target.cell(2, 2)->sign(), MergeSign::None);
    EXPECT_EQ(target.cell(2, 3)->sign(), MergeSign::None);
    EXPECT_EQ(target.cell(3, 3)->sign(), MergeSign::None);
}

TEST(ClipboardFullShape, SpansAreClippedToTheBlockAndOverlapsSkipped)
{
    Report target;
    target.newReport(6, 6);
    paste(target,
          clipboardOf(
              cellsXml(QStringLiteral("XColCount=\"3\" YRowCount=\"3\""),
                       QStringLiteral("<Cell Col=\"0\" Row=\"0\" Sign=\"1\" CountX=\"99\" CountY=\"2\"/>"
                                      "<Cell Col=\"1\" Row=\"1\" Sign=\"1\" CountX=\"2\" CountY=\"2\"/>"
                                      "<Cell Col=\"2\" Row=\"2\" CellCaption=\"c\"/>"
                                      "<Cell Col=\"7\" Row=\"0\" CellCaption=\"outside\"/>"))),
          ClipboardShape::Full, 1, 1);
    EXPECT_EQ(target.cell(1, 1)->sign(), MergeSign::Master);
    EXPECT_EQ(target.cell(1, 1)->block().right, 3);
    EXPECT_EQ(target.cell(1, 1)->block().bottom, 2);
    // The second block overlaps the first: left out, its master a plain cell.
    EXPECT_EQ(target.cell(2, 3)->sign(), MergeSign::None);
    EXPECT_EQ(target.cell(3, 3)->caption(), QStringLiteral("c"));
    EXPECT_EQ(target.cell(4, 1)->caption(), QString());
}

TEST(ClipboardContentShape, ValuesLandInTheTargetCellsOwnFormats)
{
    Report source;
    source.newReport(3, 1);
    source.setCellCaption(0, 0, QStringLiteral("2.5"));
    source.setCellCaption(1, 0, QStringLiteral("locked"));
    makeChart(source, 2, 0, true);
    const QString text = copied(source, QRect(0, 0, 3, 1), ClipboardShape::Content);

    Report target;
    target.newReport(3, 2);
    target.cell(0, 1)->setFormatType(3);
    target.cell(0, 1)->setFormatText(QStringLiteral("0.00"));
    target.setCellCaption(1, 1, QStringLiteral("old"));
    target.cell(1, 1)->setReadOnly(true);
    ASSERT_TRUE(setChartCell(target, 2, 1, QString(), QString(), QString()));
    paste(target, text, ClipboardShape::Content, 0, 1);
    EXPECT_EQ(target.cell(0, 1)->caption(), QStringLiteral("2.50"));
    EXPECT_EQ(target.cell(1, 1)->caption(), QString()); // emptied and not filled
    expectSeries(target, 2, 1);
    EXPECT_TRUE(samePixels(chartBackground(*target.cell(2, 1)), markedPicture(qRgb(0, 0, 200))));
}

TEST(ClipboardHtmlTable, HoldsTheValuesWithMergesAsSpans)
{
    Report report;
    report.newReport(3, 2);
    report.cells().markBlock(0, 0, 1, 1);
    report.setCellCaption(0, 0, QStringLiteral("a<&>\r\nb"));
    report.setCellCaption(2, 1, QStringLiteral("中"));
    const XmlDocument doc = XmlDocument::parse(clipboardHtml(report, QRect(0, 0, 3, 2)));
    XmlElement table = doc.root().children().at(1).firstChild();
    ASSERT_EQ(table.name(), QStringLiteral("table"));
    const std::vector<XmlElement> rows = table.children();
    ASSERT_EQ(rows.size(), 2u);
    const std::vector<XmlElement> first = rows[0].children();
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first[0].attribute("colspan").value_or(QString()), QStringLiteral("2"));
    EXPECT_EQ(first[0].attribute("rowspan").value_or(QString()), QStringLiteral("2"));
    EXPECT_EQ(xmlValueText(first[0].node().child_value()), QStringLiteral("a<&>"));
    EXPECT_EQ(first[0].children().at(0).name(), QStringLiteral("br"));
    const std::vector<XmlElement> second = rows[1].children();
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0].text(), QStringLiteral("中"));
}

TEST(ClipboardHostileText, FailsWithAReasonAndChangesNothing)
{
    ClipboardLimits small;
    small.maxXmlBytes = 1 << 20;
    small.maxBlockCells = 10'000;
    const QString full = QStringLiteral("ClpCell--");
    const QString bomb = full + QString::fromLatin1(storedFormOf(packText(QByteArray(4 << 20, ' '))));
    Report one;
    one.newReport(1, 1);
    const QString packedValid = copied(one, QRect(0, 0, 1, 1), ClipboardShape::Full);
    struct Case
    {
        const char *what;
        QString text;
    };
    const Case cases[] = {
        {"not Base64 of zlib", full + QStringLiteral("not-packed-at-all")},
        {"truncated stream", packedValid.left(packedValid.size() - 12)},
        {"inflates beyond the limit", bomb},
        {"not XML", clipboardOf(QStringLiteral("<ClipbrdXML"))},
        {"another root", clipboardOf(QStringLiteral("<Cellvex XColCount=\"1\" YRowCount=\"1\"/>"))},
        {"no size", clipboardOf(cellsXml(QString(), QString()))},
        {"empty block", clipboardOf(cellsXml(QStringLiteral("XColCount=\"0\" YRowCount=\"1\""), QString()))},
        {"huge block",
         clipboardOf(cellsXml(QStringLiteral("XColCount=\"100000\" YRowCount=\"100000\""), QString()))},
        {"unknown element", clipboardOf(cellsXml(QStringLiteral("XColCount=\"1\" YRowCount=\"1\""),
                                                 QStringLiteral("<Script/>")))},
        {"more cells than the block", clipboardOf(cellsXml(QStringLiteral("XColCount=\"1\" YRowCount=\"1\""),
                                                           QStringLiteral("<Cell Col=\"0\" Row=\"0\"/><Cell "
                                                                          "Col=\"0\" Row=\"0\"/>")))},
        {"offset not a number", clipboardOf(cellsXml(QStringLiteral("XColCount=\"1\" YRowCount=\"1\""),
                                                     QStringLiteral("<Cell Col=\"x\" Row=\"0\"/>")))},
        {"unknown kind",
         clipboardOf(cellsXml(QStringLiteral("XColCount=\"1\" YRowCount=\"1\""),
                              QStringLiteral("<Cell Col=\"0\" Row=\"0\" CellType=\"77\"/>")))},
        {"bad sign", clipboardOf(cellsXml(QStringLiteral("XColCount=\"1\" YRowCount=\"1\""),
                                          QStringLiteral("<Cell Col=\"0\" Row=\"0\" Sign=\"5\"/>")))},
        {"series count beyond its attributes",
         clipboardOf(cellsXml(
             QStringLiteral("XColCount=\"1\" YRowCount=\"1\""),
             QStringLiteral("<Cell Col=\"0\" Row=\"0\" CellType=\"11\" SeriesCount=\"2000000000\"/>")))},
        {"picture not a bitmap",
         clipboardOf(cellsXml(QStringLiteral("XColCount=\"1\" YRowCount=\"1\""),
                              QStringLiteral("<Cell Col=\"0\" Row=\"0\" BackImage=\"eJw=\"/>")))},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Report report;
        report.newReport(2, 2);
        report.setCellCaption(0, 0, QStringLiteral("keep"));
        const QStringList before = allCaptions(report);
        try {
            readClipboardText(c.text, ClipboardShape::Full, report.fonts(), small);
            ADD_FAILURE() << "accepted";
        } catch (const ReportError &e) {
            EXPECT_TRUE(e.message().startsWith(QStringLiteral("无法粘贴："))) << e.message().toStdString();
        }
        EXPECT_EQ(allCaptions(report), before);
    }
}

TEST(ClipboardContentShape, AHandlerThatRebuildsTheReportStopsThePasteSafely)
{
    Report source;
    source.newReport(2, 2);
    source.setCellCaption(1, 1, QStringLiteral("x"));
    const QString text = copied(source, QRect(0, 0, 2, 2), ClipboardShape::Content);
    Report target;
    target.newReport(3, 3);
    target.setCellCaption(0, 0, QStringLiteral("old"));
    ReportHooks hooks(target);
    hooks.changing = [&](int, int, QString &) {
        hooks.changing = nullptr;
        target.newReport(1, 1);
    };
    EXPECT_THROW(paste(target, text, ClipboardShape::Content, 0, 0), ReportError);
    EXPECT_EQ(target.colCount(), 1);
}
