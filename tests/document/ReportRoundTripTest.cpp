#include "DocumentFixture.h"

#include <QRandomGenerator>

using namespace cellvex;
using namespace cellvex::test;

TEST(ReportRoundTrip, EveryStoredPropertyComesBack)
{
    Report report;
    PageSettings page(kPpi);
    buildRichReport(report, page);
    report.setSaved(false);

    Reopened back;
    back.report.setSaved(false);
    reopen(report, page, back);
    expectSameReport(report, back.report);
    EXPECT_EQ(page, back.page);
    EXPECT_TRUE(back.report.saved());
    // Saving what was opened gives the same stored form: nothing drifts.
    EXPECT_EQ(storedReport(back.report, back.page), storedReport(report, page));
}

TEST(ReportRoundTrip, ListsAndScriptsComeBackWithCrLfAfterEveryLine)
{
    Report report;
    report.newReport(3, 1);
    Cell &scripted = *report.cell(0, 0);
    scripted.setScriptText(QStringLiteral("MsgBox 1\nMsgBox 2"));
    setDropCell(report, 1, 0, QStringLiteral("a\rb\n\nc"));
    setButtonCell(report, 2, 0, QStringLiteral("Go"), QStringLiteral("Print"));
    Reopened back;
    reopen(report, PageSettings(kPpi), back);
    EXPECT_EQ(back.report.cell(0, 0)->scriptText(), QStringLiteral("MsgBox 1\r\nMsgBox 2\r\n"));
    EXPECT_EQ(back.report.cell(1, 0)->dropText(), QStringLiteral("a\r\nb\r\n\r\nc\r\n"));
    EXPECT_EQ(back.report.cell(2, 0)->buttonScript(), QStringLiteral("Print\r\n"));
    EXPECT_EQ(back.report.cell(2, 0)->caption(), QStringLiteral("Go"));
    // Expressions and init scripts are stored as they are.
    report.cell(0, 0)->setExpressionText(QStringLiteral("1+\n2"));
    report.setInitialScript(QStringLiteral("VBScript"), QStringLiteral("x\ny"));
    Reopened again;
    reopen(report, PageSettings(kPpi), again);
    EXPECT_EQ(again.report.cell(0, 0)->expressionText(), QStringLiteral("1+\n2"));
    EXPECT_EQ(again.report.initialScriptText(), QStringLiteral("x\ny"));
}

TEST(ReportRoundTrip, EmptyAndDegenerateGrids)
{
    for (auto [cols, rows] : {std::pair{0, 0}, std::pair{0, 5}, std::pair{4, 0}, std::pair{1, 1}}) {
        SCOPED_TRACE(testing::Message() << cols << " x " << rows);
        Report report;
        report.newReport(cols, rows);
        Reopened back;
        reopen(report, PageSettings(kPpi), back);
        expectSameReport(report, back.report);
    }
}

TEST(ReportRoundTrip, LargeReportWithVariedCells)
{
    // Enough cells to show that bulk paths (fonts shared by id, element by
    // element writing) hold up and keep every cell apart.
    Report report;
    report.newReport(120, 250);
    QRandomGenerator gen(42);
    for (int c = 0; c < 120; ++c)
        for (int r = 0; r < 250; ++r) {
            switch (gen.bounded(6)) {
            case 0:
                report.setCellCaption(c, r, QString::number(gen.bounded(100000)));
                break;
            case 1:
                report.setFontSize(c, r, 8 + gen.bounded(10));
                break;
            case 2:
                report.setBackColor(c, r, gen.generate() & 0xFFFFFF);
                break;
            case 3:
                report.setCellCaption(c, r, QStringLiteral("文字%1").arg(c * 1000 + r));
                break;
            default:
                break;
            }
        }
    for (int c = 0; c < 120; c += 7)
        report.colRuler().setPoleRange(c, 30 + c);
    Reopened back;
    reopen(report, PageSettings(kPpi), back);
    expectSameReport(report, back.report);
}

TEST(ReportRoundTrip, TextLongerThanOnePieceOfTheReaderComesBack)
{
    // The reader inflates and decodes the text in pieces of a megabyte. A
    // two-byte character cut by a piece boundary must be joined again:
    // with a one-byte shift between the two runs, one of them cuts a
    // character at every boundary inside the long caption.
    for (const QString &shift : {QStringLiteral("x"), QStringLiteral("xy")}) {
        Report report;
        report.newReport(1, 2);
        report.setCellCaption(0, 0, shift);
        report.setCellCaption(0, 1, QStringLiteral("中文").repeated(700000));
        Reopened back;
        reopen(report, PageSettings(kPpi), back);
        EXPECT_EQ(back.report.cell(0, 1)->caption(), report.cell(0, 1)->caption()) << qPrintable(shift);
    }
}
